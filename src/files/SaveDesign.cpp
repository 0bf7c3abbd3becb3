#include "files/SaveDesign.h"

#include "files/UserFile.h"
#include "files/DesignFile.h"
#include "files/Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace yq {

QString SaveOutcome::problem() const {
    if (!design) {
        QString text = QCoreApplication::translate("Files", "The design file %1 could not be written.")
                           .arg(QDir::toNativeSeparators(path));
        if (const QString why = problemText(design.problem()); !why.isEmpty()) text += u'|' + why;
        return text;
    }
    if (!results)
        return QCoreApplication::translate("Files",
                                           "The design was saved, but the results row could not be written:|%1")
            .arg(problemText(results.problem()));
    return {};
}

SaveOutcome saveDesign(const DesignRecord& record, UnitSystem window, MetricFlag flag, QString& userRecord,
                       const QString& workingFolder, QString& resultsUser) {
    const QDir folder(workingFolder);
    // The working copy belongs to the last e-mail; a save makes it stale.
    QFile::remove(folder.filePath(QString::fromLatin1(kWorkingCopyName)));

    SaveOutcome outcome;
    outcome.fileName = designFileName(record, window);
    outcome.path = folder.filePath(outcome.fileName);
    outcome.metric = UnitSystemRules::of(window).metricOnSave.value_or(flag);
    outcome.design = writeDesignFile(outcome.path, record, toQString(outcome.metric.fileText()));
    if (!outcome.design) return outcome;

    const Result<QString> user = UserFile::readFirstIntoBuffer(workingFolder, userRecord);
    if (!user) {
        // No row as if there were no user.
        outcome.results = user.problem();
        return outcome;
    }
    outcome.results = appendResultsRow(resultsFilePath(folder.absolutePath()), record, *user, resultsUser);
    if (outcome.results) resultsUser = *user;
    return outcome;
}

}  // namespace yq
