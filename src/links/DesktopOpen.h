// Opening a file of the working folder in the program the desktop has for
// its type: the results file "YQ.csv" in the user's spreadsheet program.
#pragma once

#include "design/Result.h"
#include "platform/ShellOpener.h"

#include <QString>

namespace yq::links {

inline constexpr const char* kCsvMimeType = "text/csv";

// The file that was to be opened, and whether its program started (a
// failure's code is a launch code).
struct OpenOutcome {
    QString path;
    Result<> opened;
};

// Opens `path` with the desktop's default program for `mimeType` (or one
// of its aliases). Never waits for the program.
OpenOutcome openWithDesktopHandler(platform::ShellOpener& opener, const QString& path, const QString& mimeType);

// `path` when that file exists; otherwise a file of the same folder whose
// name differs only in case ("yq.csv" for "YQ.csv"), if there is one;
// otherwise `path` unchanged.
QString existingFileIgnoringCase(const QString& path);

// The results file of `workingFolder`: "YQ.csv", or the same name in
// another case when only that exists.
QString resultsFileIn(const QString& workingFolder);

// Whether a desktop entry starts LibreOffice Calc (or LibreOffice itself,
// which opens a CSV file in Calc), by its desktop file ID or its program.
bool isLibreOfficeCalc(const platform::DesktopEntry& entry);

// The import filter that opens the results file in LibreOffice Calc with
// its columns split and no import dialog: fields separated by commas (44),
// text in double quotes (34), UTF-8 (76), from the first line.
inline constexpr const char* kCalcCsvFilter = "--infilter=CSV:44,34,76,1";

// Opens the results file in the spreadsheet program (the desktop's handler
// for CSV files); the name matches without regard to case. When that
// handler is LibreOffice Calc, it is started with kCalcCsvFilter before the
// file, since its text-import dialog would stand in the way otherwise;
// every other program is started as the desktop starts it.
OpenOutcome openResultsInSpreadsheet(platform::ShellOpener& opener, const QString& resultsPath);

// The same, shaped for a window's hook: nothing when the program was
// started, otherwise the text to show the user (spreadsheetFailureText).
Result<> openSpreadsheet(platform::ShellOpener& opener, const QString& resultsPath);

// The error message when the results file could not be opened ("|" breaks
// lines).
QString spreadsheetFailureText(const OpenOutcome& outcome);

}  // namespace yq::links
