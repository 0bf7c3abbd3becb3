#include "links/DesktopOpen.h"

#include "files/ResultsFile.h"
#include "links/LinkRules.h"

#include <QDir>
#include <QFileInfo>

namespace yq::links {

OpenOutcome openWithDesktopHandler(platform::ShellOpener& opener, const QString& path, const QString& mimeType)
{
    OpenOutcome outcome;
    outcome.path = path;
    outcome.launch = opener.openAs(path, mimeType);
    return outcome;
}

QString existingFileIgnoringCase(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir folder = info.absoluteDir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return path;
}

QString resultsFileIn(const QString& workingFolder)
{
    return resultsFilePath(workingFolder);
}

OpenOutcome openResultsInSpreadsheet(platform::ShellOpener& opener, const QString& resultsPath)
{
    return openWithDesktopHandler(opener, existingFileIgnoringCase(resultsPath), QLatin1String(kCsvMimeType));
}

bool openSpreadsheet(platform::ShellOpener& opener, const QString& resultsPath, QString* problem)
{
    const OpenOutcome outcome = openResultsInSpreadsheet(opener, resultsPath);
    if (problem)
        *problem = outcome.ok() ? QString() : spreadsheetFailureText(outcome);
    return outcome.ok();
}

QString spreadsheetFailureText(const OpenOutcome& outcome)
{
    const QString file = QStringLiteral("|File:|") + QDir::toNativeSeparators(outcome.path);
    switch (outcome.launch.code) {
    case platform::launch::FileNotFound:
    case platform::launch::PathNotFound:
        return QStringLiteral("The results file was not found.|Each SAVE adds a row to it: save a design first.")
             + file;
    case platform::launch::NoAssociation:
        return QStringLiteral("No spreadsheet program is set up to open CSV files.|"
                              "Install one, or choose the program for CSV files in the desktop's settings.")
             + file;
    case platform::launch::AssociationIncomplete:
        return QStringLiteral("The program set up to open CSV files cannot be started:|"
                              "its desktop entry is missing or invalid.")
             + file;
    default:
        return shellErrorMessage(outcome.launch.code, QDir::toNativeSeparators(outcome.path)).text;
    }
}

}  // namespace yq::links
