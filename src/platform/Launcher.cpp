#include "platform/Launcher.h"

#include <cerrno>
#include <cstring>

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

namespace launch {

namespace {

// clang-format off
constexpr std::array<Code, 15> kCodes{{
    {OutOfResources, "OutOfResources", QT_TRANSLATE_NOOP("LaunchCodes", "The Operating system is out of memory/resources. File:|"), {EAGAIN, EMFILE}},
    {Failed, "Failed", QT_TRANSLATE_NOOP("LaunchCodes", "Unknown ShellExecute Error occured. File:|")},
    {FileNotFound, "FileNotFound", QT_TRANSLATE_NOOP("LaunchCodes", "The specified file was not found. File:|"), {ENOENT}},
    {PathNotFound, "PathNotFound", QT_TRANSLATE_NOOP("LaunchCodes", "The specified path was not found. File:|"), {ENOTDIR}},
    {AccessDenied, "AccessDenied", QT_TRANSLATE_NOOP("LaunchCodes", "The operating system denied access to the specified file. File:|"), {EACCES, EPERM}},
    {OutOfMemory, "OutOfMemory", QT_TRANSLATE_NOOP("LaunchCodes", "There was not enough memory to complete the operation. File:|"), {ENOMEM}},
    {BadFormat, "BadFormat", QT_TRANSLATE_NOOP("LaunchCodes", "The .exe file is invalid (non-Win32\u00ae .exe or error in .exe image). File:|"), {ENOEXEC}},
    {SharingViolation, "SharingViolation", QT_TRANSLATE_NOOP("LaunchCodes", "A sharing violation occurred. File:|"), {ETXTBSY}},
    {AssociationIncomplete, "AssociationIncomplete", QT_TRANSLATE_NOOP("LaunchCodes", "The file name association is incomplete or invalid. File:|")},
    {28, "DdeTimeout", QT_TRANSLATE_NOOP("LaunchCodes", "The DDE transaction could not be completed because the request timed out. File:|")},
    {29, "DdeFailed", QT_TRANSLATE_NOOP("LaunchCodes", "The DDE transaction failed. File:|")},
    {30, "DdeBusy", QT_TRANSLATE_NOOP("LaunchCodes", "The DDE transaction could not be completed because other DDE transactions were being processed. File:|")},
    {NoAssociation, "NoAssociation", QT_TRANSLATE_NOOP("LaunchCodes", "There is no application associated with the given file name extension. File:|")},
    {32, "DllNotFound", QT_TRANSLATE_NOOP("LaunchCodes", "The specified dynamic-link library was not found. File:|")},
    {Started, "Started", ""},
}};
// clang-format on

}  // namespace

std::span<const Code> codes() { return kCodes; }

Problem failure(int code, const QString& detail) {
    const Code* info = codeInfo(code);
    return fail(code, "The launch failed (" + std::string(info ? info->name : "Failed") + ")", detail.toStdString());
}

const Code* codeInfo(int code) {
    for (const Code& c : kCodes) {
        if (c.code == code) return &c;
    }
    return nullptr;
}

}  // namespace launch

int launchCodeForError(const QString& errorText) {
    for (const launch::Code& c : launch::codes()) {
        for (const int error : c.errors) {
            if (error != 0 && errorText.contains(QString::fromLocal8Bit(std::strerror(error)), Qt::CaseInsensitive))
                return c.code;
        }
    }
    return launch::Failed;
}

LaunchResult ProcessLauncher::start(const QString& program, const QStringList& args) {
    LaunchResult result{program, args, {}};
    QString resolved;
    if (const int code = checkProgram(program, &resolved); code != launch::Started) {
        result.started = launch::failure(code);
        return result;
    }

    QProcess process;
    process.setProgram(resolved);
    process.setArguments(args);
    process.setStandardInputFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        const QString detail = process.errorString();
        int code = launchCodeForError(detail);
        if (code > 32) code = launch::Failed;
        result.started = launch::failure(code, detail);
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
