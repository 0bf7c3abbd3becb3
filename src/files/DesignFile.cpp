#include "files/DesignFile.h"

#include "files/Text.h"

#include "files/PrivateProfile.h"

#include <QCoreApplication>
#include <QDir>

#include <cmath>
#include <cstdio>
#include <optional>
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

Result<> writeKeys(const QString& path, const DesignRecord& record, bool withMrr, const QString* metricText) {
    ProfileFile file;
    // A file that exists but cannot be read is not replaced by our keys alone.
    if (!file.load(path)) return fail(file.loadError().toStdString());
    QList<QPair<QString, QString>> values;
    for (const KeyInfo& info : designFileKeys()) {
        if (!withMrr && info.file == FileRole::NotInWorkingCopy) continue;
        values.append({toQString(info.key), designValueText((record.*info.member).value())});
    }
    if (metricText) values.append({QStringLiteral("Metric"), *metricText});
    file.setValues(QString::fromLatin1(kDesignSection), values);
    return file.save();
}

}  // namespace

long long metricWholeNumber(const QString& text) {
    constexpr long long kLimit = 1000000000LL;
    return parseDesignValue(text).truncatedClamped(kLimit);
}

MetricFlag metricFlagFromText(const QString& text) { return MetricFlag::fromWholeNumber(metricWholeNumber(text)); }

Result<> writeDesignFile(const QString& path, const DesignRecord& record, const QString& metricText) {
    return writeKeys(path, record, true, &metricText);
}

Result<> writeWorkingCopy(const QString& path, const DesignRecord& record) {
    return writeKeys(path, record, false, nullptr);
}

Result<long long> readDesignFile(const QString& path, DesignRecord& record) {
    ProfileFile file;
    std::optional<Problem> problem;
    if (path.size() > kProfilePathLimit)
        problem = fail(QCoreApplication::translate("Files", "%1 could not be read")
                           .arg(QDir::toNativeSeparators(path))
                           .toStdString(),
                       QCoreApplication::translate("Files", "the path is longer than %1 characters")
                           .arg(kProfilePathLimit)
                           .toStdString());
    else if (!file.load(path))
        problem = fail(file.loadError().toStdString());
    const ProfileSection section = file.section(QString::fromLatin1(kDesignSection));
    for (const KeyInfo& info : designFileKeys()) {
        if (info.file == FileRole::NotReadBack) continue;
        (record.*info.member) = parseDesignValue(section.value(toQString(info.key)));
    }
    if (problem) return *problem;
    return metricWholeNumber(section.value(QStringLiteral("metric")));
}

QString designFileName(const DesignRecord& record, UnitSystem window) {
    auto part = [](const DecimalField& field, int scaleBelowOne) {
        Decimal v = field.value();
        if (v < Decimal(1)) v = v * scaleBelowOne;
        return QString::fromStdString(v.truncatedText());
    };
    QString name = toQString(UnitSystemRules::of(window).fileNamePrefix);
    name += part(record.F, 1000);
    name += part(record.CD, 100);
    name += QString::fromStdString(record.LD.value().truncatedText());
    return name + QStringLiteral(".ini");
}

UnitReaction unitReaction(UnitSystem window, long long valueRead) {
    const MetricFlag read = MetricFlag::fromWholeNumber(valueRead);
    UnitReaction r;
    r.metric = read;
    if (const UnitReactionRule* rule = UnitSystemRules::of(window).reaction(read)) {
        r.message = toQString(rule->message);
        r.notice = toQString(rule->notice);
        r.messageBeforeNotice = rule->messageBeforeNotice;
        r.metric = rule->metricAfter.value_or(read);
    }
    return r;
}

}  // namespace yq
