#include "files/Touchstone.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <numbers>
#include <optional>
#include <sstream>

namespace yq {

namespace {

using cplx = std::complex<double>;

constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

// A text of the reader as the person who opened the file reads it (marked
// with the context "Touchstone"), its %1, %2 ... filled in.
template <class... Args>
std::string msg(const char* source, const Args&... args) {
    const QString text = QCoreApplication::translate("Touchstone", source);
    if constexpr (sizeof...(Args) == 0)
        return text.toStdString();
    else
        return text.arg(QString::fromStdString(std::string(args))...).toStdString();
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && lower(s.substr(s.size() - tail.size())) == tail;
}

// A token as a message shows it: printable ASCII, other bytes as \xNN, at
// most 24 characters.
std::string shown(std::string_view token) {
    std::string out;
    for (char ch : token) {
        if (out.size() >= 24) {
            out += "...";
            break;
        }
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c < 0x7F) {
            out += ch;
        } else {
            static const char* hex = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return "\"" + out + "\"";
}

std::string number(double v) {
    std::ostringstream s;
    s.precision(10);
    s << v;
    return s.str();
}

// A plain decimal number: [+-]digits[.digits][(e|E)[+-]digits], finite.
std::optional<double> parseNumber(std::string_view token) {
    if (token.empty()) return std::nullopt;
    std::string_view body = token;
    if (body.front() == '+') body.remove_prefix(1);
    if (body.empty()) return std::nullopt;
    // No "inf", "nan" or hexadecimal forms: the first character is a digit,
    // a point or a minus sign.
    const char first = body.front();
    if (!(first == '.' || first == '-' || (first >= '0' && first <= '9'))) return std::nullopt;
    if (first == '-' && (body.size() < 2 || !(body[1] == '.' || (body[1] >= '0' && body[1] <= '9'))))
        return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), v, std::chars_format::general);
    if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

struct Line {
    int number = 0;
    std::string_view text;  // without its line end
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    int n = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.push_back({n++, text.substr(start, i - start)});
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.push_back({n, text.substr(start)});
    return lines;
}

// The first control character of a line (tabs excepted), if any.
std::optional<unsigned char> controlCharacter(std::string_view s) {
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c < 0x20 && c != '\t') || c == 0x7F) return c;
    }
    return std::nullopt;
}

std::vector<std::string_view> whitespaceTokens(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
        if (i > start) out.push_back(s.substr(start, i - start));
    }
    return out;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

class Reader {
public:
    explicit Reader(std::string_view name) : name_(name) {}

    Problem problem(int line, const std::string& what) const {
        return fail(msg(QT_TRANSLATE_NOOP("Touchstone", "The measurement %1 cannot be read"), name_),
                    line > 0 ? msg(QT_TRANSLATE_NOOP("Touchstone", "line %1: %2"), std::to_string(line), what) : what);
    }

private:
    std::string_view name_;
};

double unitFactor(std::string_view unit) {
    if (unit == "hz") return 1;
    if (unit == "khz") return 1e3;
    if (unit == "mhz") return 1e6;
    if (unit == "ghz") return 1e9;
    return 0;
}

std::string frequencyText(double hz) {
    if (hz >= 1e9) return number(hz / 1e9) + " GHz";
    if (hz >= 1e6) return number(hz / 1e6) + " MHz";
    if (hz >= 1e3) return number(hz / 1e3) + " kHz";
    return number(hz) + " Hz";
}

// ------------------------------------------------------------ Touchstone

struct Options {
    double unit = 1e9;
    char parameter = 's';  // s, y, z
    std::string format = "ma";
    double reference = 50;
    bool seen = false;
};

enum class Matrix { Full, Lower, Upper };

class TouchstoneReader {
public:
    TouchstoneReader(std::string_view text, std::string_view name) : reader_(name), lines_(splitLines(text)) {
        // The ports from the name's ending: .s1p, .s2p, .sNp.
        const std::string n = lower(name);
        const auto dot = n.rfind('.');
        if (dot != std::string::npos && n.size() >= dot + 4 && n[dot + 1] == 's' && n.back() == 'p') {
            const std::string digits = n.substr(dot + 2, n.size() - dot - 3);
            int ports = 0;
            const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), ports);
            if (ec == std::errc() && end == digits.data() + digits.size() && ports > 0 && ports < 100)
                portsFromName_ = ports;
        }
    }

    Result<Measurement> read() {
        Measurement m;
        m.format = MeasurementFormat::Touchstone1;
        bool first = true;
        for (const Line& line : lines_) {
            if (auto c = controlCharacter(line.text))
                return reader_.problem(
                    line.number,
                    msg(QT_TRANSLATE_NOOP(
                            "Touchstone",
                            "a control character (byte %1) where only text may stand: this is not a text file"),
                        hexByte(*c)));
            std::string_view text = line.text;
            if (const auto bang = text.find('!'); bang != std::string_view::npos) text = text.substr(0, bang);
            text = trimmed(text);
            if (text.empty()) continue;
            if (inInformation_) {
                if (text.front() == '[' && lower(keywordOf(text)) == "end information") inInformation_ = false;
                continue;
            }
            if (afterEnd_)
                return reader_.problem(line.number, msg(QT_TRANSLATE_NOOP("Touchstone", "text after [End]")));
            if (text.front() == '[') {
                if (auto r = keyword(line.number, text, first, m); !r) return r.problem();
                first = false;
                continue;
            }
            first = false;
            if (text.front() == '#') {
                if (version2_ && (networkData_ || options_.seen))
                    return reader_.problem(line.number, msg(QT_TRANSLATE_NOOP("Touchstone", "a second option line")));
                if (!options_.seen) {
                    if (auto r = optionLine(line.number, text); !r) return r.problem();
                }
                continue;
            }
            if (version2_ && !networkData_) {
                if (pendingReference_) {
                    if (auto r = referenceValues(line.number, text); !r) return r.problem();
                    continue;
                }
                if (noiseData_) continue;
                return reader_.problem(
                    line.number, msg(QT_TRANSLATE_NOOP("Touchstone", "%1 where a keyword in brackets is expected"),
                                     shown(whitespaceTokens(text).front())));
            }
            if (noiseData_) continue;
            if (auto r = dataLine(line.number, text, m); !r) return r.problem();
        }
        if (pendingReference_)
            return reader_.problem(pendingReferenceLine_,
                                   msg(QT_TRANSLATE_NOOP("Touchstone", "[Reference] has too few values")));
        if (!values_.empty())
            return reader_.problem(
                pointLine_,
                msg(QT_TRANSLATE_NOOP("Touchstone", "the file ends in the middle of a point: %1 of its %2 values"),
                    std::to_string(values_.size()), std::to_string(pointSize())));
        if (version2_ && !networkSeen_)
            return reader_.problem(
                0, msg(QT_TRANSLATE_NOOP("Touchstone", "a Touchstone 2.0 file without [Network Data]")));
        if (version2_ && expectedFrequencies_ && static_cast<long long>(m.points.size()) != *expectedFrequencies_)
            return reader_.problem(
                expectedFrequenciesLine_,
                msg(QT_TRANSLATE_NOOP("Touchstone", "[Number of Frequencies] says %1, the file holds %2"),
                    std::to_string(*expectedFrequencies_), std::to_string(m.points.size())));
        m.ports = ports();
        m.referenceOhms = referenceOfPort1();
        m.parameter = std::string(1, static_cast<char>(options_.parameter - 'a' + 'A'));
        m.dataFormat = options_.format == "ri" ? "RI" : options_.format == "db" ? "DB" : "MA";
        if (!options_.seen)
            m.notes.push_back(msg(QT_TRANSLATE_NOOP("Touchstone", "no option line: GHz S MA R 50 assumed")));
        if (noiseLine_ > 0)
            m.notes.push_back(msg(QT_TRANSLATE_NOOP("Touchstone", "noise parameters from line %1 skipped"),
                                  std::to_string(noiseLine_)));
        return m;
    }

private:
    static std::string hexByte(unsigned char c) {
        static const char* hex = "0123456789ABCDEF";
        return std::string("0x") + hex[c >> 4] + hex[c & 15];
    }

    static std::string_view keywordOf(std::string_view text) {
        const auto close = text.find(']');
        if (close == std::string_view::npos) return {};
        return trimmed(text.substr(1, close - 1));
    }

    int ports() const { return ports_ ? *ports_ : portsFromName_ ? *portsFromName_ : inferredPorts_; }

    double referenceOfPort1() const { return references_.empty() ? options_.reference : references_.front(); }

    int pairsPerPoint() const {
        const int n = ports();
        if (matrix_ != Matrix::Full) return n * (n + 1) / 2;
        return n * n;
    }
    std::size_t pointSize() const { return static_cast<std::size_t>(1 + 2 * pairsPerPoint()); }

    Result<void> keyword(int lineNo, std::string_view text, bool first, Measurement& m) {
        const auto close = text.find(']');
        if (close == std::string_view::npos)
            return reader_.problem(lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "a keyword without its closing \"]\"")));
        const std::string key = lower(trimmed(text.substr(1, close - 1)));
        const std::string_view arg = trimmed(text.substr(close + 1));
        if (key == "version") {
            if (!first)
                return reader_.problem(
                    lineNo,
                    msg(QT_TRANSLATE_NOOP("Touchstone", "[Version] must be the first line that is not a comment")));
            const auto v = parseNumber(arg);
            if (!v || *v < 2.0 || *v >= 3.0)
                return reader_.problem(
                    lineNo,
                    msg(QT_TRANSLATE_NOOP("Touchstone", "[Version] %1 is not a version this program reads (2.0)"),
                        shown(arg)));
            version2_ = true;
            m.format = MeasurementFormat::Touchstone2;
            return {};
        }
        if (!version2_)
            return reader_.problem(
                lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "the keyword [%1] in a file without [Version] 2.0"),
                            trimmed(text.substr(1, close - 1))));
        if (pendingReference_)
            return reader_.problem(pendingReferenceLine_,
                                   msg(QT_TRANSLATE_NOOP("Touchstone", "[Reference] has too few values")));
        if (key == "number of ports") {
            const auto v = parseNumber(arg);
            if (!v || *v < 1 || *v > 99 || std::floor(*v) != *v)
                return reader_.problem(
                    lineNo,
                    msg(QT_TRANSLATE_NOOP("Touchstone", "[Number of Ports] %1 is not a number of ports"), shown(arg)));
            ports_ = static_cast<int>(*v);
        } else if (key == "two-port data order") {
            const std::string a = lower(arg);
            if (a == "12_21")
                order12First_ = true;
            else if (a == "21_12")
                order12First_ = false;
            else
                return reader_.problem(
                    lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "[Two-Port Data Order] %1 is neither 12_21 nor 21_12"),
                                shown(arg)));
            orderSeen_ = true;
        } else if (key == "number of frequencies") {
            const auto v = parseNumber(arg);
            if (!v || *v < 1 || std::floor(*v) != *v || *v > 1e9)
                return reader_.problem(
                    lineNo,
                    msg(QT_TRANSLATE_NOOP("Touchstone", "[Number of Frequencies] %1 is not a count"), shown(arg)));
            expectedFrequencies_ = static_cast<long long>(*v);
            expectedFrequenciesLine_ = lineNo;
        } else if (key == "number of noise frequencies" || key == "mixed-mode order") {
            // read past: only the network data is used
        } else if (key == "reference") {
            if (!ports_)
                return reader_.problem(lineNo,
                                       msg(QT_TRANSLATE_NOOP("Touchstone", "[Reference] before [Number of Ports]")));
            pendingReference_ = true;
            pendingReferenceLine_ = lineNo;
            references_.clear();
            if (!arg.empty()) return referenceValues(lineNo, arg);
        } else if (key == "matrix format") {
            const std::string a = lower(arg);
            if (a == "full")
                matrix_ = Matrix::Full;
            else if (a == "lower")
                matrix_ = Matrix::Lower;
            else if (a == "upper")
                matrix_ = Matrix::Upper;
            else
                return reader_.problem(
                    lineNo,
                    msg(QT_TRANSLATE_NOOP("Touchstone", "[Matrix Format] %1 is not Full, Lower or Upper"), shown(arg)));
        } else if (key == "network data") {
            if (!ports_)
                return reader_.problem(lineNo,
                                       msg(QT_TRANSLATE_NOOP("Touchstone", "[Network Data] before [Number of Ports]")));
            if (!options_.seen)
                return reader_.problem(lineNo,
                                       msg(QT_TRANSLATE_NOOP("Touchstone", "[Network Data] before the option line")));
            if (*ports_ == 2 && !orderSeen_)
                return reader_.problem(
                    lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "a two-port file without [Two-Port Data Order]")));
            networkData_ = true;
            networkSeen_ = true;
        } else if (key == "noise data") {
            if (!values_.empty())
                return reader_.problem(
                    pointLine_, msg(QT_TRANSLATE_NOOP("Touchstone", "the network data ends in the middle of a point")));
            networkData_ = false;
            noiseData_ = true;
            if (noiseLine_ == 0) noiseLine_ = lineNo;
        } else if (key == "begin information") {
            inInformation_ = true;
        } else if (key == "end") {
            if (!values_.empty())
                return reader_.problem(
                    pointLine_, msg(QT_TRANSLATE_NOOP("Touchstone", "the network data ends in the middle of a point")));
            afterEnd_ = true;
            networkData_ = false;
        } else {
            return reader_.problem(lineNo,
                                   msg(QT_TRANSLATE_NOOP("Touchstone", "[%1] is not a keyword of Touchstone 2.0"),
                                       trimmed(text.substr(1, close - 1))));
        }
        return {};
    }

    Result<void> referenceValues(int lineNo, std::string_view text) {
        for (std::string_view t : whitespaceTokens(text)) {
            const auto v = parseNumber(t);
            if (!v)
                return reader_.problem(
                    lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "the reference %1 is not a number"), shown(t)));
            if (*v <= 0)
                return reader_.problem(
                    lineNo,
                    msg(QT_TRANSLATE_NOOP("Touchstone", "the reference impedance %1 ohm is not above 0"), number(*v)));
            if (static_cast<int>(references_.size()) >= *ports_)
                return reader_.problem(
                    lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "[Reference] has more values than there are ports")));
            references_.push_back(*v);
        }
        if (static_cast<int>(references_.size()) == *ports_) pendingReference_ = false;
        return {};
    }

    Result<void> optionLine(int lineNo, std::string_view text) {
        const auto tokens = whitespaceTokens(text.substr(1));
        bool unitSeen = false, parameterSeen = false, formatSeen = false, referenceSeen = false;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const std::string t = lower(tokens[i]);
            if (const double f = unitFactor(t); f > 0) {
                if (unitSeen)
                    return reader_.problem(
                        lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "the option line names the frequency unit twice")));
                options_.unit = f;
                unitSeen = true;
            } else if (t == "s" || t == "y" || t == "z") {
                if (parameterSeen)
                    return reader_.problem(
                        lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "the option line names the parameter twice")));
                options_.parameter = t[0];
                parameterSeen = true;
            } else if (t == "h" || t == "g") {
                return reader_.problem(lineNo, msg(QT_TRANSLATE_NOOP("Touchstone",
                                                                     "%1 parameters hold no reflection coefficient "
                                                                     "this program reads; save S, Z or Y parameters"),
                                                   std::string(1, static_cast<char>(t[0] - 'a' + 'A'))));
            } else if (t == "ma" || t == "db" || t == "ri") {
                if (formatSeen)
                    return reader_.problem(
                        lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "the option line names the data format twice")));
                options_.format = t;
                formatSeen = true;
            } else if (t == "r") {
                if (referenceSeen)
                    return reader_.problem(
                        lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "the option line gives the reference twice")));
                if (i + 1 >= tokens.size())
                    return reader_.problem(
                        lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "\"R\" without its reference impedance")));
                const auto v = parseNumber(tokens[i + 1]);
                if (!v)
                    return reader_.problem(
                        lineNo,
                        msg(QT_TRANSLATE_NOOP("Touchstone", "the reference %1 is not a number"), shown(tokens[i + 1])));
                if (*v <= 0)
                    return reader_.problem(
                        lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "the reference impedance %1 ohm is not above 0"),
                                    number(*v)));
                options_.reference = *v;
                referenceSeen = true;
                ++i;
            } else {
                return reader_.problem(
                    lineNo,
                    msg(QT_TRANSLATE_NOOP("Touchstone",
                                          "%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)"),
                        shown(tokens[i])));
            }
        }
        options_.seen = true;
        return {};
    }

    cplx pairValue(double a, double b) const {
        if (options_.format == "ri") return {a, b};
        const double magnitude = options_.format == "db" ? std::pow(10.0, a / 20) : a;
        return std::polar(magnitude, b * std::numbers::pi / 180);
    }

    // S11 of the point whose values stand in values_.
    Result<cplx> s11(int lineNo) {
        const int n = ports();
        std::vector<cplx> pairs;
        for (std::size_t i = 1; i + 1 < values_.size(); i += 2) pairs.push_back(pairValue(values_[i], values_[i + 1]));
        if (options_.parameter == 's') return pairs[0];
        if (n > 2)
            return reader_.problem(
                lineNo, msg(QT_TRANSLATE_NOOP(
                            "Touchstone",
                            "Z and Y parameters of networks of more than two ports are not read; save S parameters")));
        const double r1 = referenceOfPort1();
        // Normalised values: version 1 stores them so; version 2 in ohms and siemens.
        if (n == 1) {
            const cplx v = version2_ ? (options_.parameter == 'z' ? pairs[0] / r1 : pairs[0] * r1) : pairs[0];
            const cplx s = options_.parameter == 'z' ? (v - 1.0) / (v + 1.0) : (1.0 - v) / (1.0 + v);
            return s;
        }
        const double r2 = references_.size() > 1 ? references_[1] : r1;
        cplx p11 = pairs[0], p12, p21, p22;
        if (matrix_ == Matrix::Full) {
            const bool twelveFirst = version2_ && order12First_;
            p12 = twelveFirst ? pairs[1] : pairs[2];
            p21 = twelveFirst ? pairs[2] : pairs[1];
            p22 = pairs[3];
        } else {
            p12 = p21 = pairs[1];
            p22 = pairs[2];
        }
        if (version2_) {
            const double k = options_.parameter == 'z' ? 1.0 : -1.0;  // z / sqrt(Ri Rj), y sqrt(Ri Rj)
            auto norm = [&](cplx v, double ri, double rj) { return v * std::pow(std::sqrt(ri * rj), -k); };
            p11 = norm(p11, r1, r1);
            p12 = norm(p12, r1, r2);
            p21 = norm(p21, r2, r1);
            p22 = norm(p22, r2, r2);
        }
        if (options_.parameter == 'z')
            return ((p11 - 1.0) * (p22 + 1.0) - p12 * p21) / ((p11 + 1.0) * (p22 + 1.0) - p12 * p21);
        return ((1.0 - p11) * (1.0 + p22) + p12 * p21) / ((1.0 + p11) * (1.0 + p22) - p12 * p21);
    }

    Result<void> dataLine(int lineNo, std::string_view text, Measurement& m) {
        const auto tokens = whitespaceTokens(text);
        if (!ports_ && !portsFromName_ && inferredPorts_ == 0) {
            // A file without a telling name: two ports for 9 values on the
            // first line, one port otherwise.
            inferredPorts_ = tokens.size() == 9 ? 2 : 1;
        }
        // A point wrapped from an earlier line must end where a line ends:
        // a line that completes it and runs on is a point that lost a value
        // (or has one too many).
        const bool continuing = !values_.empty();
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const std::string_view t = tokens[i];
            const auto v = parseNumber(t);
            if (!v)
                return reader_.problem(lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "%1 is not a number"), shown(t)));
            if (values_.empty()) {
                pointLine_ = lineNo;
                if (!m.points.empty() && *v * options_.unit <= m.points.back().hz) {
                    if (ports() == 2 && !version2_) {
                        noiseData_ = true;  // a two-port's noise parameters follow its network data
                        noiseLine_ = lineNo;
                        return {};
                    }
                    if (*v * options_.unit == m.points.back().hz && i == 0) {
                        // A repeated frequency (where two segments of a sweep meet): the
                        // first point stands, the repeat is read past and told.
                        if (auto r = skipRepeat(lineNo, tokens, m); !r) return r.problem();
                        return {};
                    }
                    return reader_.problem(
                        lineNo,
                        msg(QT_TRANSLATE_NOOP("Touchstone",
                                              "the frequency %1 does not rise above the one before it (%2 on line %3)"),
                            frequencyText(*v * options_.unit), frequencyText(m.points.back().hz),
                            std::to_string(lastPointLine_)));
                }
                if (*v < 0)
                    return reader_.problem(
                        lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "the frequency %1 is below 0"), number(*v)));
                if (!std::isfinite(*v * options_.unit))
                    return reader_.problem(
                        lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "the frequency %1 is too large"), number(*v)));
            }
            values_.push_back(*v);
            if (values_.size() == pointSize()) {
                if (continuing && pointLine_ != lineNo && i + 1 < tokens.size())
                    return reader_.problem(
                        pointLine_, msg(QT_TRANSLATE_NOOP("Touchstone",
                                                          "the point does not end where a line ends: a value is "
                                                          "missing or one too many (a point here has %1 values)"),
                                        std::to_string(pointSize())));
                auto s = s11(lineNo);
                if (!s) return s.problem();
                if (!std::isfinite(s->real()) || !std::isfinite(s->imag()))
                    return reader_.problem(
                        lineNo,
                        msg(QT_TRANSLATE_NOOP("Touchstone",
                                              "the values of the point at %1 give no finite reflection coefficient"),
                            frequencyText(values_[0] * options_.unit)));
                m.points.push_back({values_[0] * options_.unit, *s});
                lastPointLine_ = pointLine_;
                values_.clear();
            }
        }
        return {};
    }

    // A line that repeats the last point's frequency: it must hold one whole
    // point of numbers, and is then left out.
    Result<void> skipRepeat(int lineNo, const std::vector<std::string_view>& tokens, Measurement& m) {
        for (std::string_view t : tokens)
            if (!parseNumber(t))
                return reader_.problem(lineNo, msg(QT_TRANSLATE_NOOP("Touchstone", "%1 is not a number"), shown(t)));
        if (tokens.size() != pointSize())
            return reader_.problem(
                lineNo, msg(QT_TRANSLATE_NOOP("Touchstone",
                                              "the frequency %1 of line %2 again, with %3 values where a point has %4"),
                            frequencyText(m.points.back().hz), std::to_string(lastPointLine_),
                            std::to_string(tokens.size()), std::to_string(pointSize())));
        m.notes.push_back(
            msg(QT_TRANSLATE_NOOP("Touchstone", "line %1 repeats the frequency %2 of line %3; the repeat is left out"),
                std::to_string(lineNo), frequencyText(m.points.back().hz), std::to_string(lastPointLine_)));
        return {};
    }

    Reader reader_;
    std::vector<Line> lines_;
    Options options_;
    std::optional<int> portsFromName_;
    std::optional<int> ports_;
    int inferredPorts_ = 0;
    bool version2_ = false;
    bool networkData_ = false;
    bool networkSeen_ = false;
    bool noiseData_ = false;
    bool afterEnd_ = false;
    bool inInformation_ = false;
    bool orderSeen_ = false;
    bool order12First_ = true;
    Matrix matrix_ = Matrix::Full;
    std::vector<double> references_;
    bool pendingReference_ = false;
    int pendingReferenceLine_ = 0;
    std::optional<long long> expectedFrequencies_;
    int expectedFrequenciesLine_ = 0;
    std::vector<double> values_;  // of the point being read
    int pointLine_ = 0;
    int lastPointLine_ = 0;
    int noiseLine_ = 0;
};

// ------------------------------------------------------------ CSV

std::vector<std::string> splitFields(std::string_view line, char separator) {
    std::vector<std::string> out;
    if (separator == ' ') {
        for (auto t : whitespaceTokens(line)) out.emplace_back(t);
        return out;
    }
    std::string field;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            out.emplace_back(trimmed(field));
            field.clear();
        } else {
            field += c;
        }
    }
    out.emplace_back(trimmed(field));
    return out;
}

Result<Measurement> readCsv(std::string_view text, std::string_view name) {
    const Reader reader(name);
    Measurement m;
    m.format = MeasurementFormat::Csv;
    m.dataFormat = "RI";
    char separator = 0;
    bool headingsAllowed = true;
    bool impedance = false;
    double unit = 1;
    int lastLine = 0;
    std::size_t freqColumn = 0;
    std::optional<std::string> label;
    for (const Line& line : splitLines(text)) {
        if (auto c = controlCharacter(line.text))
            return reader.problem(
                line.number,
                msg(QT_TRANSLATE_NOOP("Touchstone",
                                      "a control character where only text may stand: this is not a text file")));
        const std::string_view t = trimmed(line.text);
        if (t.empty() || t.front() == '!' || t.front() == '#') continue;
        if (separator == 0) {
            separator = t.find(';') != std::string_view::npos    ? ';'
                        : t.find(',') != std::string_view::npos  ? ','
                        : t.find('\t') != std::string_view::npos ? '\t'
                                                                 : ' ';
        }
        std::vector<std::string> fields = splitFields(t, separator);
        if (separator != ',')
            for (std::string& f : fields)
                if (f.find('.') == std::string::npos) std::replace(f.begin(), f.end(), ',', '.');  // decimal comma
        const bool allNumbers =
            std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return parseNumber(f).has_value(); });
        if (headingsAllowed && !allNumbers) {
            headingsAllowed = false;
            // The frequency is the first column whose heading says so, else the first.
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (lower(fields[i]).find("freq") != std::string::npos) {
                    freqColumn = i;
                    break;
                }
            }
            const std::string first = lower(fields[freqColumn]);
            for (const char* u : {"ghz", "mhz", "khz", "hz"}) {
                if (first.find(u) != std::string::npos) {
                    unit = unitFactor(u);
                    break;
                }
            }
            if (fields.size() < freqColumn + 3)
                return reader.problem(
                    line.number,
                    msg(QT_TRANSLATE_NOOP("Touchstone",
                                          "the headings name %1 columns; a sweep needs frequency and two more"),
                        std::to_string(fields.size())));
            const std::string h2 = lower(fields[freqColumn + 1]), h3 = lower(fields[freqColumn + 2]);
            impedance = !h2.empty() && h2[0] == 'r' && !h3.empty() && h3[0] == 'x';
            continue;
        }
        headingsAllowed = false;
        if (fields.size() < freqColumn + 3)
            return reader.problem(
                line.number,
                fields.size() == 1
                    ? msg(QT_TRANSLATE_NOOP("Touchstone", "%1 value where the frequency and two more are needed"),
                          std::to_string(fields.size()))
                    : msg(QT_TRANSLATE_NOOP("Touchstone", "%1 values where the frequency and two more are needed"),
                          std::to_string(fields.size())));
        if (freqColumn > 0) {
            // Columns of labels before the frequency: one sweep per label; the first is read.
            if (!label) {
                label = fields[0];
            } else if (fields[0] != *label) {
                m.notes.push_back(
                    msg(QT_TRANSLATE_NOOP("Touchstone",
                                          "the rows from line %1 on (%2) are another sweep than %3 and are left out"),
                        std::to_string(line.number), shown(fields[0]), shown(*label)));
                break;
            }
        }
        double v[3];
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string& field = fields[freqColumn + i];
            const auto n = parseNumber(field);
            if (!n) {
                if (i == 0)
                    return reader.problem(line.number,
                                          msg(QT_TRANSLATE_NOOP("Touchstone", "%1 is not a frequency"), shown(field)));
                return reader.problem(line.number,
                                      msg(QT_TRANSLATE_NOOP("Touchstone", "%1 is not a number"), shown(field)));
            }
            v[i] = *n;
        }
        const double hz = v[0] * unit;
        if (hz < 0)
            return reader.problem(line.number,
                                  msg(QT_TRANSLATE_NOOP("Touchstone", "the frequency %1 is below 0"), number(v[0])));
        if (!std::isfinite(hz))
            return reader.problem(line.number,
                                  msg(QT_TRANSLATE_NOOP("Touchstone", "the frequency %1 is too large"), number(v[0])));
        if (!m.points.empty() && hz <= m.points.back().hz)
            return reader.problem(
                line.number,
                msg(QT_TRANSLATE_NOOP("Touchstone",
                                      "the frequency %1 does not rise above the one before it (%2 on line %3)"),
                    frequencyText(hz), frequencyText(m.points.back().hz), std::to_string(lastLine)));
        cplx s(v[1], v[2]);
        if (impedance) {
            const cplx z(v[1], v[2]);
            s = (z - m.referenceOhms) / (z + m.referenceOhms);
            if (!std::isfinite(s.real()) || !std::isfinite(s.imag()))
                return reader.problem(
                    line.number,
                    msg(QT_TRANSLATE_NOOP("Touchstone", "the impedance gives no finite reflection coefficient")));
        }
        m.points.push_back({hz, s});
        lastLine = line.number;
    }
    m.parameter = impedance ? "Z" : "S";
    return m;
}

bool looksLikeCsv(std::string_view text) {
    for (const Line& line : splitLines(text.substr(0, std::min<std::size_t>(text.size(), 4096)))) {
        const std::string_view t = trimmed(line.text);
        if (t.empty() || t.front() == '!') continue;
        if (t.front() == '#' || t.front() == '[') return false;
        return t.find(',') != std::string_view::npos || t.find(';') != std::string_view::npos;
    }
    return false;
}

}  // namespace

std::string Measurement::describe() const {
    std::string out = format == MeasurementFormat::Touchstone1   ? "Touchstone 1.0"
                      : format == MeasurementFormat::Touchstone2 ? "Touchstone 2.0"
                                                                 : "CSV";
    out += ", " + (ports == 1 ? msg(QT_TRANSLATE_NOOP("Touchstone", "%1 port"), std::to_string(ports))
                              : msg(QT_TRANSLATE_NOOP("Touchstone", "%1 ports"), std::to_string(ports)));
    out += ", " + parameter + " " + dataFormat + ", R " + number(referenceOhms);
    out +=
        ", " + (points.size() == 1 ? msg(QT_TRANSLATE_NOOP("Touchstone", "%1 point"), std::to_string(points.size()))
                                   : msg(QT_TRANSLATE_NOOP("Touchstone", "%1 points"), std::to_string(points.size())));
    return out;
}

Result<Measurement> parseMeasurement(std::string_view text, std::string_view name, MeasurementHint hint) {
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    bool csv = hint == MeasurementHint::Csv;
    if (hint == MeasurementHint::FromName) {
        const std::string n = lower(name);
        if (endsWith(n, ".csv") || endsWith(n, ".txt"))
            csv = true;
        else if (!(endsWith(n, ".ts") ||
                   (n.rfind('.') != std::string::npos && n[n.rfind('.') + 1] == 's' && n.back() == 'p')))
            csv = looksLikeCsv(text);
    }
    if (csv) return readCsv(text, name);
    TouchstoneReader reader(text, name);
    return reader.read();
}

Result<Measurement> readMeasurementFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(msg(QT_TRANSLATE_NOOP("Touchstone", "The measurement %1 cannot be opened"), path),
                    msg(QT_TRANSLATE_NOOP("Touchstone", "it does not exist or is not readable")));
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0)
        return fail(msg(QT_TRANSLATE_NOOP("Touchstone", "The measurement %1 cannot be read"), path),
                    msg(QT_TRANSLATE_NOOP("Touchstone", "it is not a file")));
    if (static_cast<std::size_t>(size) > kMaxFileBytes)
        return fail(msg(QT_TRANSLATE_NOOP("Touchstone", "The measurement %1 cannot be read"), path),
                    msg(QT_TRANSLATE_NOOP("Touchstone", "it is larger than 64 MB")));
    in.seekg(0);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), size);
    if (!in)
        return fail(msg(QT_TRANSLATE_NOOP("Touchstone", "The measurement %1 cannot be read"), path),
                    msg(QT_TRANSLATE_NOOP("Touchstone", "reading it failed")));
    return parseMeasurement(bytes, path);
}

}  // namespace yq
