#include "platform/Launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace yq::platform {

Launcher::~Launcher() = default;
CommandRunner::~CommandRunner() = default;

int checkProgram(const QString& program, QString* resolved) {
    if (resolved) resolved->clear();
    if (program.isEmpty()) return launch::FileNotFound;
    if (!program.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(program);
        if (found.isEmpty()) return launch::FileNotFound;
        if (resolved) *resolved = found;
        return launch::Started;
    }
    const QFileInfo info(program);
    if (!info.exists()) {
        const QFileInfo folder(info.absolutePath());
        return folder.isDir() ? launch::FileNotFound : launch::PathNotFound;
    }
    if (info.isDir() || !info.isExecutable()) return launch::AccessDenied;
    if (resolved) *resolved = info.absoluteFilePath();
    return launch::Started;
}

int launchCodeForError(const QString& errorText) {
    const QString text = errorText.toLower();
    struct Rule {
        const char* words;
        int code;
    };
    static const Rule rules[] = {
        {"no such file", launch::FileNotFound},
        {"not a directory", launch::PathNotFound},
        {"permission denied", launch::AccessDenied},
        {"operation not permitted", launch::AccessDenied},
        {"exec format", launch::BadFormat},
        {"cannot allocate memory", launch::OutOfMemory},
        {"text file busy", launch::SharingViolation},
        {"resource temporarily unavailable", launch::OutOfResources},
        {"too many open files", launch::OutOfResources},
    };
    for (const Rule& rule : rules) {
        if (text.contains(QLatin1String(rule.words))) return rule.code;
    }
    return launch::Failed;
}

LaunchResult ProcessLauncher::start(const QString& program, const QStringList& args) {
    LaunchResult result;
    result.program = program;
    result.arguments = args;
    QString resolved;
    result.code = checkProgram(program, &resolved);
    if (!result.ok()) return result;

    QProcess process;
    process.setProgram(resolved);
    process.setArguments(args);
    process.setStandardInputFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        result.detail = process.errorString();
        result.code = launchCodeForError(result.detail);
        if (result.ok()) result.code = launch::Failed;
    }
    return result;
}

CommandOutput ProcessRunner::run(const QString& program, const QStringList& args, int timeoutMs) {
    CommandOutput output;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, args, QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        output.err = process.errorString();
        return output;
    }
    output.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        output.err = process.errorString();
        return output;
    }
    output.finished = process.exitStatus() == QProcess::NormalExit;
    output.exitCode = process.exitCode();
    output.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    output.err = QString::fromLocal8Bit(process.readAllStandardError());
    return output;
}

QString ProcessRunner::findProgram(const QString& name) { return QStandardPaths::findExecutable(name); }

}  // namespace yq::platform
