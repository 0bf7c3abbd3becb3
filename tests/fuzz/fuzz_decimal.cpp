// The decimal text readers: Decimal::parse (exact decimal text) and the
// design-file value reader, checked against a plain digit-string model of
// the reading rule (blanks, sign, digits, "." or ",", fraction, an exponent
// only after a separator; rounded half away from zero to the field's places
// and limited to what the field holds).
#include "FuzzSupport.h"

#include "design/Decimal.h"
#include "files/DesignFile.h"

#include <string>

namespace {

using yq::Decimal;
using yq::DecimalField;
using yq::Storage;

const Storage kStorages[] = {{9, 2}, {7, 2}, {7, 3}, {7, 4}, {9, 3}, {9, 4}};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The scaled value (value * 10^places) that a field of `storage` holds after
// reading `s` by the design-file rule.
std::int64_t expectedMantissa(const std::string& s, Storage storage) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && s[i] == '-') {
        negative = true;
        ++i;
    }
    std::string whole, fraction;
    while (i < s.size() && isDigit(s[i])) whole += s[i++];
    bool separator = false;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        separator = true;
        ++i;
        while (i < s.size() && isDigit(s[i])) fraction += s[i++];
    }
    if (whole.empty() && fraction.empty()) return 0;
    bool expNegative = false;
    std::string expDigits;
    if (separator && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNegative = s[j++] == '-';
        while (j < s.size() && isDigit(s[j])) expDigits += s[j++];
    }
    std::string digits = whole + fraction;
    const std::size_t zeros = digits.find_first_not_of('0');
    if (zeros == std::string::npos) return 0;
    // The value is 0.<digits> * 10^point.
    long long point = static_cast<long long>(whole.size()) - static_cast<long long>(zeros);
    digits.erase(0, zeros);
    const std::size_t expStart = expDigits.find_first_not_of('0');
    const std::string exp = expStart == std::string::npos ? std::string() : expDigits.substr(expStart);
    const std::int64_t max = DecimalField(storage).maxMantissa();
    if (exp.size() > 12) {
        if (expNegative) return 0;
        return negative ? -max : max;
    }
    const long long e = exp.empty() ? 0 : std::stoll(exp);
    point += expNegative ? -e : e;
    const long long k = point + storage.places;  // digits before the point of the scaled value
    if (k > storage.digits) return negative ? -max : max;
    std::int64_t m = 0;
    if (k >= 0) {
        for (long long d = 0; d < k; ++d)
            m = m * 10 + (d < static_cast<long long>(digits.size()) ? digits[static_cast<std::size_t>(d)] - '0' : 0);
        if (k < static_cast<long long>(digits.size()) && digits[static_cast<std::size_t>(k)] >= '5') ++m;
    }
    if (m > max) m = max;
    return negative ? -m : m;
}

// Exact decimal text in the form Decimal prints it: sign, whole digits
// without leading zeros, and the fraction as given.
std::string canonical(const std::string& s) {
    std::size_t i = 0;
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        i = 1;
    }
    const std::size_t dot = s.find('.', i);
    std::string whole = s.substr(i, dot == std::string::npos ? std::string::npos : dot - i);
    const std::string fraction = dot == std::string::npos ? std::string() : s.substr(dot + 1);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty()) whole = "0";
    const bool zero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    return std::string(negative && !zero ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    yq::fuzz::Choices choices(data, size);
    const Storage storage = kStorages[choices.byte() % std::size(kStorages)];
    const QByteArray bytes = choices.rest();
    const std::string text = bytes.toStdString();

    // The design-file value reader.
    DecimalField field(storage);
    field = yq::parseDesignValue(QString::fromLatin1(bytes));
    YQ_FUZZ_CHECK(field.mantissa() == expectedMantissa(text, storage),
                  bytes + " read as " + QByteArray::fromStdString(field.text()));
    // The same text after a key's "=" as UTF-8 reads alike (non-ASCII never
    // counts as a digit or blank).
    DecimalField utf8(storage);
    utf8 = yq::parseDesignValue(QString::fromUtf8(bytes));
    YQ_FUZZ_CHECK(utf8.mantissa() == field.mantissa(), bytes);

    // Exact decimal text: what parses prints back as itself and parses again
    // to the same value; rounding agrees with the printed rounding.
    if (const auto value = Decimal::parse(text)) {
        const bool plain = text.find_first_not_of("+-.0123456789") == std::string::npos;
        YQ_FUZZ_CHECK(plain, bytes);
        YQ_FUZZ_CHECK(value->toString() == canonical(text),
                      bytes + " printed " + QByteArray::fromStdString(value->toString()));
        const auto again = Decimal::parse(value->toString());
        YQ_FUZZ_CHECK(again && *again == *value, bytes);
        for (int places = 0; places <= 4; ++places) {
            const auto printed = Decimal::parse(value->toFixed(places));
            YQ_FUZZ_CHECK(printed && *printed == value->rounded(places), bytes);
        }
    }
    return 0;
}
