// SAVE of a design window, without the window: delete the working copy,
// name the file, write the design file, append the results row.
#pragma once

#include "design/DesignRecord.h"
#include "design/UnitSystemRules.h"
#include "files/ResultsFile.h"

#include <QString>

namespace yq {

struct SaveOutcome {
    QString fileName;   // "726.ini"
    QString path;       // working folder + "/" + fileName
    MetricFlag metric;  // the unit flag written (or to be written) into the file
    Result<> design = fail("The design file was not written.");  // the design file at path, or why not
    // The results row; not tried (a failure) when the design was not written.
    AppendResult results = fail("The results row was not written.");
    bool ok() const { return design && results; }
    // Text for the user when something failed; empty when all went well.
    QString problem() const;
};

// The unit flag written is the window's flag on save, or else `flag`; it is
// written as "1" for a Metric design and "0" otherwise. The first user
// record is read into `userRecord` (the user record buffer).
// When the user file cannot be read no results row is written (the reason is
// in `results`' problem). The results row goes to the folder's results file
// whatever the case of its name (resultsFilePath).
// `resultsUser` is the window's copy of the last results row's user text: it
// fills the title line's last field when the results file is created, and
// receives the user text of the new row.
SaveOutcome saveDesign(const DesignRecord& record, UnitSystem window, MetricFlag flag, QString& userRecord,
                       const QString& workingFolder, QString& resultsUser);

}  // namespace yq
