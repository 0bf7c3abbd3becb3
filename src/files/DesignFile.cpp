#include "files/DesignFile.h"

#include "platform/PrivateProfile.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace yq {

namespace {

// An exponent this large already puts any text's value beyond every field
// (limited to the largest value) or below its last place (0), so larger ones
// are held at it; the number is read as the number it is, leading zeros and all.
constexpr long long kExponentSaturation = 1000000000000000LL;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

}  // namespace

QString withoutTrailingZeros(QString text) {
    if (text.contains(u'.')) {
        while (text.endsWith(u'0')) text.chop(1);
        if (text.endsWith(u'.')) text.chop(1);
    }
    if (text == QStringLiteral("-0")) text = QStringLiteral("0");
    return text;
}

QString designValueText(const Decimal& value) {
    const double d = value.toReal();
    if (d == 0.0 || !std::isfinite(d)) return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", d);
    QString text = QString::fromLatin1(buffer);
    if (text.contains(u'e')) {
        // Never an exponent: the same 15 significant digits in plain form.
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(d))));
        const int places = std::max(0, 14 - exponent);
        std::snprintf(buffer, sizeof buffer, "%.*f", places, d);
        text = QString::fromLatin1(buffer);
    }
    return withoutTrailingZeros(text);
}

Decimal parseDesignValue(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < n && text[i] == u'-') {
        negative = true;
        ++i;
    }
    auto isAsciiDigit = [&](qsizetype k) { return k < n && text[k].unicode() >= '0' && text[k].unicode() <= '9'; };
    std::string digits;
    while (isAsciiDigit(i)) digits += static_cast<char>(text[i++].unicode());
    const std::size_t integerDigits = digits.size();
    bool separator = false;
    if (i < n && (text[i] == u'.' || text[i] == u',')) {
        separator = true;
        ++i;
        while (isAsciiDigit(i)) digits += static_cast<char>(text[i++].unicode());
    }
    if (digits.empty()) return Decimal();
    long long exponent = 0;
    if (separator && i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        bool expNegative = false;
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            expNegative = text[j] == u'-';
            ++j;
        }
        while (isAsciiDigit(j)) {
            if (exponent < kExponentSaturation) exponent = exponent * 10 + (text[j].unicode() - '0');
            ++j;
        }
        if (expNegative) exponent = -exponent;
    }
    const std::string_view all(digits);
    return Decimal::fromDigits(negative, all.substr(0, integerDigits), all.substr(integerDigits), exponent);
}

namespace {

bool writeKeys(const QString& path, const DesignRecord& record, bool withMrr, const QString* metricText) {
    platform::ProfileFile file;
    if (!file.load(path)) return false;
    const QString section = QString::fromLatin1(kDesignSection);
    for (const KeyInfo& info : designFileKeys()) {
        if (!withMrr && info.key == "MRR") continue;
        file.setValue(section, QString::fromLatin1(info.key.data(), static_cast<qsizetype>(info.key.size())),
                      designValueText((record.*info.member).value()));
    }
    if (metricText) file.setValue(section, QStringLiteral("Metric"), *metricText);
    return file.save();
}

}  // namespace

bool writeDesignFile(const QString& path, const DesignRecord& record, const QString& metricText) {
    return writeKeys(path, record, true, &metricText);
}

bool writeWorkingCopy(const QString& path, const DesignRecord& record) {
    return writeKeys(path, record, false, nullptr);
}

long long readDesignFile(const QString& path, DesignRecord& record) {
    platform::ProfileFile file;
    if (path.size() <= platform::kProfilePathLimit) file.load(path);
    const QString section = QString::fromLatin1(kDesignSection);
    for (const KeyInfo& info : designFileKeys()) {
        if (info.key == "PCWD") continue;
        const QString key = QString::fromLatin1(info.key.data(), static_cast<qsizetype>(info.key.size()));
        (record.*info.member) = parseDesignValue(file.value(section, key));
    }
    constexpr long long kLimit = 1000000000LL;
    return parseDesignValue(file.value(section, QStringLiteral("metric"))).truncatedClamped(kLimit);
}

QString designFileName(const DesignRecord& record, UnitSystem window) {
    auto part = [](const DecimalField& field, int scaleBelowOne) {
        Decimal v = field.value();
        if (v < Decimal(1)) v = v * scaleBelowOne;
        return QString::fromStdString(v.truncatedText());
    };
    QString name = window == UnitSystem::Metric ? QStringLiteral("M") : QString();
    name += part(record.F, 1000);
    name += part(record.CD, 100);
    name += QString::fromStdString(record.LD.value().truncatedText());
    return name + QStringLiteral(".ini");
}

UnitReaction unitReaction(UnitSystem window, long long valueRead) {
    // The flag is a byte: the whole number read is stored into it as a byte.
    const int flag = static_cast<int>(static_cast<unsigned long long>(valueRead) & 0xFFu);
    UnitReaction r;
    if (window == UnitSystem::Metric) {
        if (flag == 0) {
            r.message = QStringLiteral(
                "Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.");
            r.notice = QStringLiteral("Press ESC & select Imperial Design");
            r.messageBeforeNotice = true;
            r.metric = 0;
        } else if (flag == 1) {
            r.notice = QStringLiteral("All measurements are in mm");
            r.metric = 1;
        } else {
            r.metric = flag;
        }
    } else {
        if (flag == 0) {
            r.notice = QStringLiteral("All measurements are in inches");
            r.metric = 0;
        } else if (flag == 1) {
            r.notice = QStringLiteral("Press ESC & Select Metric Option!");
            r.message = QStringLiteral(
                "Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design "
                "instead.|Do NOT save this version!");
            r.messageBeforeNotice = false;
            r.metric = 0;
        } else {
            r.metric = flag;
        }
    }
    return r;
}

}  // namespace yq
