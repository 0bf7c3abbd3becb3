#include "support/RunProcess.h"

#include <QProcess>

namespace yq::test {

ProcessResult runProcess(const QString& program, const QStringList& args, const std::string& input,
                         const QString& workingDirectory) {
    QProcess process;
    if (!workingDirectory.isEmpty()) process.setWorkingDirectory(workingDirectory);
    process.start(program, args);
    ProcessResult result;
    if (!process.waitForStarted(10000)) return result;
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    process.waitForFinished(120000);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

QString calcProgram() { return QStringLiteral(YQ_CALC_PATH); }

}  // namespace yq::test
