#include "sim/NecOutput.h"
#include "sim/LocalText.h"
#include "sim/TextFields.h"

#include <charconv>
#include <cmath>

namespace yq::sim {

namespace {

bool outputNumber(std::string_view text, double& out) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size();
}

// The numbers of a line made of numbers only (words that are not numbers:
// none, or only the polarisation sense at `allowWordAt`).
bool numbersOf(std::string_view line, std::vector<double>& out, int allowWordAt = -1) {
    out.clear();
    const auto words = fieldsOfLine(line);
    if (words.empty()) return false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        double v = 0;
        if (outputNumber(words[i], v))
            out.push_back(v);
        else if (int(i) != allowWordAt)
            return false;
    }
    return true;
}

// The number after "=" in "INPUT POWER   =  5.6868E-08 Watts".
std::optional<double> valueAfterEquals(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    const auto words = fieldsOfLine(line.substr(eq + 1));
    double v = 0;
    if (words.empty() || !outputNumber(words[0], v)) return std::nullopt;
    return v;
}

bool contains(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }

Problem unreadable(const std::string& reason) {
    return fail(filledText(QCoreApplication::translate("SimulationStudy", "nec2c's output cannot be read")), reason);
}

}  // namespace

std::optional<double> NecFrequency::efficiency() const {
    if (!inputWatts || !radiatedWatts || !(*inputWatts > 0)) return std::nullopt;
    return *radiatedWatts / *inputWatts;
}

std::string failureMessage(std::string_view output) {
    while (!output.empty() && output.back() == '\0') output.remove_suffix(1);
    if (output.empty() || output.back() == '\n') return {};
    const std::size_t nl = output.rfind('\n');
    std::string_view last = nl == std::string_view::npos ? output : output.substr(nl + 1);
    while (!last.empty() && (last.front() == ' ' || last.front() == '\t')) last.remove_prefix(1);
    while (!last.empty() && (last.back() == ' ' || last.back() == '\r')) last.remove_suffix(1);
    return std::string(last);
}

Result<std::vector<NecFrequency>> parseNecOutput(std::string_view output, const std::vector<double>& frequenciesHz) {
    std::vector<std::string_view> lines;
    while (!output.empty()) {
        const std::size_t nl = output.find('\n');
        lines.push_back(output.substr(0, nl));
        output = nl == std::string_view::npos ? std::string_view() : output.substr(nl + 1);
    }

    std::vector<NecFrequency> out;
    std::vector<double> n;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (contains(line, "ANTENNA INPUT PARAMETERS")) {
            if (out.size() >= frequenciesHz.size())
                return unreadable(filledText(
                    QCoreApplication::translate("SimulationStudy", "it holds more frequencies than the deck's %1"),
                    {std::to_string(frequenciesHz.size())}));
            // The first line of numbers after the headings: tag, segment,
            // voltage, current, impedance, admittance (re, im each), power.
            std::size_t j = i + 1;
            for (; j < lines.size() && j < i + 5; ++j)
                if (numbersOf(lines[j], n) && n.size() >= 10) break;
            if (j >= lines.size() || j >= i + 5 || n.size() < 10)
                return unreadable(
                    filledText(QCoreApplication::translate(
                                   "SimulationStudy", "the input parameters of frequency %1 have no line of numbers"),
                               {std::to_string(out.size() + 1)}));
            NecFrequency f;
            f.hz = frequenciesHz[out.size()];
            f.z = {n[6], n[7]};
            if (!std::isfinite(n[6]) || !std::isfinite(n[7]))
                return unreadable(filledText(
                    QCoreApplication::translate("SimulationStudy", "the impedance at frequency %1 is not a number"),
                    {std::to_string(out.size() + 1)}));
            out.push_back(f);
            i = j;
        } else if (out.empty()) {
            continue;
        } else if (contains(line, "INPUT POWER") && contains(line, "=")) {
            out.back().inputWatts = valueAfterEquals(line);
        } else if (contains(line, "RADIATED POWER") && contains(line, "=")) {
            out.back().radiatedWatts = valueAfterEquals(line);
        } else if (contains(line, "RADIATION PATTERNS")) {
            // Headings, then rows: theta, phi, three gains, axial ratio,
            // tilt, [sense], two magnitudes and phases.
            // The rows follow the headings' last line, "DEGREES ..."; a card
            // that only averages prints none.
            std::size_t j = i + 1;
            while (j < lines.size() && j < i + 6 && !contains(lines[j], "DEGREES")) ++j;
            if (j >= lines.size() || !contains(lines[j], "DEGREES"))
                return unreadable(
                    filledText(QCoreApplication::translate("SimulationStudy", "a radiation pattern has no headings")));
            for (++j; j < lines.size() && numbersOf(lines[j], n, 7) && n.size() >= 5; ++j)
                out.back().pattern.push_back({n[0], n[1], n[4]});
            i = j - 1;
        } else if (contains(line, "AVERAGE POWER GAIN:")) {
            const auto words = fieldsOfLine(line.substr(line.find(':') + 1));
            double v = 0;
            if (!words.empty() && outputNumber(words[0], v)) out.back().averageGain = v;
        }
    }
    if (out.size() != frequenciesHz.size())
        return unreadable(
            filledText(QCoreApplication::translate("SimulationStudy", "it holds %1 of the deck's %2 frequencies"),
                       {std::to_string(out.size()), std::to_string(frequenciesHz.size())}));
    return out;
}

}  // namespace yq::sim
