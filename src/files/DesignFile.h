// Design files: the INI files ("[YQ]", one key per quantity) that the design
// windows save and read, the working copy "yq.ini", the file-name rule and
// the reaction of each window to the unit system a file declares.
#pragma once

#include "design/DesignRecord.h"
#include "design/UnitSystemRules.h"
#include "files/AtomicFile.h"

#include <QString>

#include <optional>

namespace yq {

inline constexpr const char* kDesignSection = "YQ";
inline constexpr const char* kWorkingCopyName = "yq.ini";

// A plain decimal text without trailing zeros after the point, without a
// trailing point, and "0" rather than "-0" ("12.50" -> "12.5", "7.00" -> "7").
QString withoutTrailingZeros(QString text);

// Value text written for a quantity: through a double, at most 15
// significant digits, no exponent, no trailing zeros or point ("0" for 0).
QString designValueText(const Decimal& value);

// Reading rule: leading blanks, optional "-", digits, "." or "," and
// fraction, an exponent only after a separator; stops at the first other
// character; text without a leading number reads as 0.
Decimal parseDesignValue(const QString& text);

// Writes keys 1 to 42 of SAVE in table order, then "Metric" (`metricText`,
// "0" or "1"). Every other line of an existing file stays as it was. On
// failure (with the reason) the old file is unchanged.
Result<> writeDesignFile(const QString& path, const DesignRecord& record, const QString& metricText);

// Writes the working copy: the 41 keys without MRR and Metric.
Result<> writeWorkingCopy(const QString& path, const DesignRecord& record);

// The whole number of a "Metric" value text: read as a design value,
// truncated toward zero, limited to +-10^9.
long long metricWholeNumber(const QString& text);
// The unit flag a "Metric" value text sets (the whole number as a byte).
MetricFlag metricFlagFromText(const QString& text);

// Reads keys 1 to 29 and 31 to 42 (not PCWD) into the record, each rounded
// to the record's storage, then returns the "metric" key truncated to a
// whole number (0 when missing). A missing file reads as zeros. A file that
// exists but cannot be read also leaves zeros in the record, and gives the
// reason instead of the key.
Result<long long> readDesignFile(const QString& path, DesignRecord& record);

// Name of the file SAVE writes ("726.ini", "M7506.ini", "475758.ini").
QString designFileName(const DesignRecord& record, UnitSystem window);

// What a window does after reading a file's unit system.
struct UnitReaction {
    QString message;  // message box text ("|" breaks lines); empty for none
    QString notice;   // new text of the unit notice; empty when unchanged
    bool messageBeforeNotice = false;
    MetricFlag metric;  // the new value of the program-wide flag
};

// `valueRead` is the whole number read from the file; the flag holds it as a
// byte. The texts are those of the window's UnitSystemRules.
UnitReaction unitReaction(UnitSystem window, long long valueRead);

}  // namespace yq
