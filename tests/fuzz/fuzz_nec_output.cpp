// The reader of nec2c's output: whatever a run leaves in its output file
// (cut short, damaged, another program's text), the reader gives either one
// block per frequency asked for, each at the deck's frequency with a finite
// impedance, or a problem with its reason; the failure message is one line.
// The first byte chooses how many frequencies the deck asked for.
#include "FuzzSupport.h"

#include "sim/NecOutput.h"

#include <cmath>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    yq::fuzz::Choices choices(data, size);
    const int count = 1 + choices.byte() % 8;
    const QByteArray bytes = choices.rest();
    const std::string text(bytes.constData(), std::size_t(bytes.size()));
    std::vector<double> frequencies;
    for (int i = 0; i < count; ++i) frequencies.push_back(12.7e6 + 0.025e6 * i);

    const auto parsed = yq::sim::parseNecOutput(text, frequencies);
    if (parsed) {
        YQ_FUZZ_CHECK(parsed->size() == frequencies.size(), bytes);
        for (std::size_t i = 0; i < parsed->size(); ++i) {
            const yq::sim::NecFrequency& f = (*parsed)[i];
            YQ_FUZZ_CHECK(f.hz == frequencies[i], bytes);
            YQ_FUZZ_CHECK(std::isfinite(f.z.real()) && std::isfinite(f.z.imag()), bytes);
        }
    } else {
        YQ_FUZZ_CHECK(!parsed.problem().what.empty() && !parsed.problem().reason.empty(), bytes);
    }
    const std::string message = yq::sim::failureMessage(text);
    YQ_FUZZ_CHECK(message.find('\n') == std::string::npos, bytes);
    YQ_FUZZ_CHECK(message.size() <= text.size(), bytes);
    return 0;
}
