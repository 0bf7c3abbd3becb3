#include "files/SaveDesign.h"

#include "app/core/ProgramState.h"
#include "app/core/UserFile.h"
#include "files/DesignFile.h"

#include <QDir>
#include <QFile>

namespace yq {

QString SaveOutcome::problem() const {
    if (!designWritten) return QStringLiteral("The design file %1 could not be written.").arg(QDir::toNativeSeparators(path));
    if (!results.ok) return QStringLiteral("The design was saved, but the results row could not be written:|%1").arg(results.error);
    return {};
}

SaveOutcome saveDesign(const DesignRecord& record, UnitSystem window, ProgramState& state,
                       const QString& workingFolder, QString& resultsUser) {
    const QDir folder(workingFolder);
    // The working copy belongs to the last e-mail; a save makes it stale.
    QFile::remove(folder.filePath(QString::fromLatin1(kWorkingCopyName)));

    SaveOutcome outcome;
    outcome.fileName = designFileName(record, window);
    outcome.path = folder.filePath(outcome.fileName);
    if (window == UnitSystem::Metric) state.metric = 1;
    outcome.designWritten = writeDesignFile(outcome.path, record, QString::number(state.metric));
    if (!outcome.designWritten) return outcome;

    const QString user = UserFile::readFirstIntoBuffer(workingFolder, state);
    outcome.results = appendResultsRow(folder.filePath(QString::fromLatin1(kResultsFileName)), record, user, resultsUser);
    if (outcome.results.ok) resultsUser = user;
    return outcome;
}

}  // namespace yq
