#include "files/SaveDesign.h"

#include "files/UserFile.h"
#include "files/DesignFile.h"
#include "files/Text.h"

#include <QDir>
#include <QFile>

namespace yq {

QString SaveOutcome::problem() const {
    if (!designWritten) {
        QString text = QStringLiteral("The design file %1 could not be written.").arg(QDir::toNativeSeparators(path));
        if (!designError.isEmpty()) text += u'|' + designError;
        return text;
    }
    if (!results.ok)
        return QStringLiteral("The design was saved, but the results row could not be written:|%1").arg(results.error);
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
    const Result<> written = writeDesignFile(outcome.path, record, toQString(outcome.metric.fileText()));
    outcome.designWritten = written.ok();
    if (!written) outcome.designError = problemText(written.problem());
    if (!outcome.designWritten) return outcome;

    const Result<QString> user = UserFile::readFirstIntoBuffer(workingFolder, userRecord);
    if (!user) {
        // No row as if there were no user.
        outcome.results.error = problemText(user.problem());
        return outcome;
    }
    outcome.results = appendResultsRow(resultsFilePath(folder.absolutePath()), record, *user, resultsUser);
    if (outcome.results.ok) resultsUser = *user;
    return outcome;
}

}  // namespace yq
