#include "links/DesktopOpen.h"

#include "files/ResultsFile.h"
#include "links/LinkRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

namespace yq::links {

OpenOutcome openWithDesktopHandler(platform::ShellOpener& opener, const QString& path, const QString& mimeType) {
    return {path, opener.openAs(path, mimeType).started};
}

QString existingFileIgnoringCase(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) return path;
    const QDir folder = info.absoluteDir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0) return folder.filePath(name);
    }
    return path;
}

QString resultsFileIn(const QString& workingFolder) { return resultsFilePath(workingFolder); }

namespace {

bool namesLibreOffice(const QString& word) {
    const QString name = word.mid(word.lastIndexOf(QLatin1Char('/')) + 1).toLower();
    return name == QLatin1String("libreoffice") || name == QLatin1String("soffice") ||
           name == QLatin1String("localc") || name.startsWith(QLatin1String("libreoffice-calc")) ||
           name.startsWith(QLatin1String("libreoffice.calc")) ||
           name.startsWith(QLatin1String("org.libreoffice.libreoffice.calc"));
}

// The desktop's handler for CSV files, asked in the order the opener asks
// (the type, then its aliases); empty when none is found.
std::optional<platform::DesktopEntry> csvHandler(platform::DesktopHandlers& handlers) {
    QStringList types{QLatin1String(kCsvMimeType)};
    const QMimeType mime = QMimeDatabase().mimeTypeForName(types.front());
    if (mime.isValid()) {
        if (!types.contains(mime.name())) types << mime.name();
        for (const QString& alias : mime.aliases()) {
            if (!types.contains(alias)) types << alias;
        }
    }
    for (const QString& type : types) {
        const platform::HandlerLookup lookup = handlers.defaultHandler(type);
        if (lookup.status == platform::HandlerLookup::Status::Found) return lookup.entry;
        if (lookup.status == platform::HandlerLookup::Status::Unavailable) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

bool isLibreOfficeCalc(const platform::DesktopEntry& entry) {
    if (namesLibreOffice(entry.id)) return true;
    const auto words = platform::splitExecLine(entry.exec);
    return words && !words->empty() && namesLibreOffice(words->front().text);
}

OpenOutcome openResultsInSpreadsheet(platform::ShellOpener& opener, const QString& resultsPath) {
    const QString path = existingFileIgnoringCase(resultsPath);
    if (QFileInfo(path).isFile()) {
        if (const auto entry = csvHandler(opener.handlers()); entry && isLibreOfficeCalc(*entry)) {
            // The program as its entry starts it ("libreoffice --calc"),
            // then the filter and the file. A sandboxed entry that forwards
            // files ("@@u %U @@") is left to the desktop's own way.
            const auto command = platform::expandExec(*entry, {});
            if (command && !entry->exec.contains(QLatin1String("@@"))) {
                return {path, opener
                                  .startProgram(command->program,
                                                command->arguments + QStringList{QLatin1String(kCalcCsvFilter),
                                                                                 QFileInfo(path).absoluteFilePath()})
                                  .started};
            }
        }
    }
    return openWithDesktopHandler(opener, path, QLatin1String(kCsvMimeType));
}

Result<> openSpreadsheet(platform::ShellOpener& opener, const QString& resultsPath) {
    const OpenOutcome outcome = openResultsInSpreadsheet(opener, resultsPath);
    if (!outcome.opened) return fail(spreadsheetFailureText(outcome).toStdString());
    return {};
}

QString spreadsheetFailureText(const OpenOutcome& outcome) {
    const QString file = QCoreApplication::translate("Links", "|File:|%1").arg(QDir::toNativeSeparators(outcome.path));
    const int code = platform::launch::codeOf(outcome.opened);
    switch (code) {
        case platform::launch::FileNotFound:
        case platform::launch::PathNotFound:
            return QCoreApplication::translate(
                       "Links", "The results file was not found.|Each SAVE adds a row to it: save a design first.") +
                   file;
        case platform::launch::NoAssociation:
            return QCoreApplication::translate(
                       "Links",
                       "No spreadsheet program is set up to open CSV files.|"
                       "Install one, or choose the program for CSV files in the desktop's settings.") +
                   file;
        case platform::launch::AssociationIncomplete:
            return QCoreApplication::translate("Links",
                                               "The program set up to open CSV files cannot be started:|"
                                               "its desktop entry is missing or invalid.") +
                   file;
        default:
            return shellErrorMessage(code, QDir::toNativeSeparators(outcome.path)).text;
    }
}

}  // namespace yq::links
