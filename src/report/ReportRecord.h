// The design report's own record: the values it prints, loaded from a design
// file with the report's own key selection and (narrower) storage, the
// source coil wire length it computes itself, the unit text, the print date
// and the designers from the user file.
#pragma once

#include "design/Decimal.h"
#include "design/UnitSystemRules.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <string_view>

namespace yq::report {

// Today's date for the print date; tests pass a fixed one.
using TodayFunction = std::function<QDate()>;

struct ReportRecord {
    DecimalField F{Storage{9, 4}};
    DecimalField CD{Storage{7, 2}};
    DecimalField LD{Storage{7, 2}};
    DecimalField C{Storage{7, 2}};
    DecimalField XC{Storage{7, 2}};
    DecimalField BW{Storage{7, 2}};
    DecimalField Q{Storage{7, 2}};
    DecimalField TL{Storage{7, 2}};
    DecimalField WD{Storage{7, 4}};
    DecimalField SP{Storage{7, 4}};
    DecimalField CI{Storage{7, 2}};
    DecimalField NT{Storage{7, 2}};
    DecimalField CL{Storage{7, 2}};
    DecimalField LW{Storage{7, 2}};
    DecimalField CCL{Storage{7, 2}};
    DecimalField CCD{Storage{7, 2}};
    DecimalField LPW{Storage{7, 2}};
    DecimalField PCCD{Storage{7, 2}};
    DecimalField PCNT{Storage{7, 2}};
    DecimalField FAC{Storage{7, 2}};
    DecimalField SCT{Storage{7, 2}};
    DecimalField SCD{Storage{7, 2}};
    DecimalField MRR{Storage{7, 3}};
    // Computed: SCD x SCT x pi. The file's own SCWL is never read.
    DecimalField SCWL{Storage{7, 2}};

    // The unit flag as read from the file's "metric" key.
    MetricFlag metric;
    QString unitText;  // the unit text of the flag's unit system: "inches", or "mm" when it is 1
    QDate printDate;
    QStringList designers;  // "Name & Call" of each user record, in key order
    // Why the user file could not be read (it names the file); empty when
    // it could, or when there is none.
    QString userFileError;

    // Field by key (case-insensitive), including SCWL; nullptr if unknown.
    const DecimalField* field(std::string_view key) const;
};

// One key the report reads: name, member, the picture it prints with.
struct ReportKey {
    std::string_view key;
    DecimalField ReportRecord::*member;
    std::string_view picture;
};

// The 23 keys read from the design file, in reading order.
std::span<const ReportKey> reportFileKeys();
// Picture of a key on the page ("n-10.2"); SCWL included. Empty if unknown.
std::string_view reportPicture(std::string_view key);

// Source coil wire length: SCD x SCT x pi, stored with SCWL's rounding.
Decimal sourceCoilWireLength(const Decimal& scd, const Decimal& sct);

// Loads the record from the design file at `designPath` (trailing blanks
// ignored; a missing file or key reads as 0) and the designers from the user
// file in `userFolder` (the working folder when empty). `today` gives the
// print date (the system date when empty).
ReportRecord loadReportRecord(const QString& designPath, const QString& userFolder = {},
                              const TodayFunction& today = {});

}  // namespace yq::report
