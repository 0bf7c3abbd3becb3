// The measurement reader: any bytes read without harm, under any of the
// names that choose the format. What it accepts is a sweep that can be
// plotted (finite values, strictly rising frequencies); what it refuses is
// told in one line that names the file. The same text with CR LF or CR line
// ends reads the same.
#include "FuzzSupport.h"

#include "files/Touchstone.h"

#include <cmath>
#include <string>

namespace {

const char* const kNames[] = {"sweep.s1p", "sweep.s2p", "sweep.s4p", "sweep.ts", "sweep.csv", "sweep"};

std::string describe(const yq::Result<yq::Measurement>& r) {
    if (!r.ok()) return "problem: " + r.problem().text();
    std::string text = r->describe();
    for (const auto& p : r->points)
        text += "\n" + std::to_string(p.hz) + " " + std::to_string(p.s11.real()) + " " + std::to_string(p.s11.imag());
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    yq::fuzz::Choices choices(data, size);
    const char* name = kNames[choices.byte() % (sizeof kNames / sizeof kNames[0])];
    const QByteArray bytes = choices.rest();
    const std::string text = bytes.toStdString();
    const auto r = yq::parseMeasurement(text, name);
    if (!r.ok()) {
        const std::string message = r.problem().text();
        YQ_FUZZ_CHECK(message.find('\n') == std::string::npos && message.find('\r') == std::string::npos,
                      QByteArray::fromStdString(message));
        YQ_FUZZ_CHECK(message.find(name) != std::string::npos, QByteArray::fromStdString(message));
    } else {
        YQ_FUZZ_CHECK(r->referenceOhms > 0 && std::isfinite(r->referenceOhms), bytes);
        for (std::size_t i = 0; i < r->points.size(); ++i) {
            const auto& p = r->points[i];
            YQ_FUZZ_CHECK(std::isfinite(p.hz) && p.hz >= 0, bytes);
            YQ_FUZZ_CHECK(std::isfinite(p.s11.real()) && std::isfinite(p.s11.imag()), bytes);
            if (i > 0) YQ_FUZZ_CHECK(p.hz > r->points[i - 1].hz, bytes);
        }
    }
    if (!bytes.contains('\r')) {
        for (const char* end : {"\r\n", "\r"}) {
            QByteArray other = bytes;
            other.replace("\n", end);
            const auto o = yq::parseMeasurement(other.toStdString(), name);
            YQ_FUZZ_CHECK(describe(o) == describe(r), QByteArray::fromStdString(describe(r) + "\n--\n" + describe(o)));
        }
    }
    return 0;
}
