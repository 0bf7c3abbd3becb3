#include "sim/Nec2cRunner.h"

#include "sim/LocalText.h"
#include "sim/NecOutput.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace yq::sim {

namespace {

struct Job {
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<QProcess> process;
    QElapsedTimer clock;
    int index = 0;
};

Problem startProblem(const std::string& program, const QString& why) {
    return fail(filledText(QCoreApplication::translate("SimulationStudy", "nec2c cannot be started")),
                program + ": " + why.toStdString());
}

// Starts one deck; a problem when its folder or deck cannot be made or the program does not start.
Result<std::unique_ptr<Job>> start(const std::string& path, const std::string& deck, int index) {
    auto job = std::make_unique<Job>();
    job->index = index;
    job->folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/yq-nec-XXXXXX"));
    if (!job->folder->isValid())
        return fail(filledText(QCoreApplication::translate("SimulationStudy", "A folder for nec2c cannot be made")),
                    job->folder->errorString().toStdString());
    // A scratch file for nec2c alone, deleted with its folder.
    QFile file(job->folder->filePath(QStringLiteral("deck.nec")));
    if (!file.open(QIODevice::WriteOnly) || file.write(deck.data(), qint64(deck.size())) != qint64(deck.size()))
        return fail(filledText(QCoreApplication::translate("SimulationStudy", "The deck for nec2c cannot be written")),
                    file.errorString().toStdString());
    file.close();
    job->process = std::make_unique<QProcess>();
    job->process->setWorkingDirectory(job->folder->path());
    job->process->setProcessChannelMode(QProcess::SeparateChannels);
    job->process->setStandardInputFile(QProcess::nullDevice());
    job->process->start(QString::fromStdString(path), {QStringLiteral("-i"), QStringLiteral("deck.nec"),
                                                       QStringLiteral("-o"), QStringLiteral("deck.out")});
    if (!job->process->waitForStarted(5000)) return startProblem(path, job->process->errorString());
    job->clock.start();
    return job;
}

Result<std::string> finish(Job& job) {
    QProcess& p = *job.process;
    QFile out(job.folder->filePath(QStringLiteral("deck.out")));
    std::string text;
    if (out.open(QIODevice::ReadOnly)) text = out.readAll().toStdString();
    if (p.exitStatus() != QProcess::NormalExit)
        return fail(filledText(QCoreApplication::translate("SimulationStudy", "nec2c stopped before it finished")),
                    filledText(QCoreApplication::translate("SimulationStudy", "it crashed")));
    if (p.exitCode() != 0) {
        std::string message = failureMessage(text);
        if (message.empty()) message = QString::fromLocal8Bit(p.readAllStandardError()).trimmed().toStdString();
        if (message.empty())
            message = filledText(QCoreApplication::translate("SimulationStudy", "it exited with status %1"),
                                 {std::to_string(p.exitCode())});
        return fail(filledText(QCoreApplication::translate("SimulationStudy", "nec2c failed")), message);
    }
    if (!out.exists())
        return fail(filledText(QCoreApplication::translate("SimulationStudy", "nec2c wrote no output")),
                    filledText(QCoreApplication::translate("SimulationStudy", "deck.out is missing")));
    return text;
}

void kill(Job& job) {
    job.process->kill();
    job.process->waitForFinished(1000);
}

}  // namespace

std::string findProgram(const std::string& program) {
    const QString name = QString::fromStdString(program);
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo info(name);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath().toStdString() : std::string();
    }
    return QStandardPaths::findExecutable(name).toStdString();
}

std::string missingProgramText(const std::string& program) {
    if (program == "nec2c")
        return filledText(QCoreApplication::translate(
            "SimulationStudy",
            "The simulation needs nec2c, which is not installed: install it with \"sudo apt install nec2c\"."));
    return filledText(QCoreApplication::translate("SimulationStudy", "The simulation needs nec2c, which is not at %1."),
                      {program});
}

Result<std::string> runNec2c(const std::string& deck, const RunSettings& settings) {
    auto all = runNec2cAll({deck}, settings, 1);
    return std::move(all.front());
}

std::vector<Result<std::string>> runNec2cAll(const std::vector<std::string>& decks, const RunSettings& settings,
                                             int processes, const std::function<void(int)>& done) {
    std::vector<Result<std::string>> results(
        decks.size(),
        Result<std::string>(fail(filledText(QCoreApplication::translate("SimulationStudy", kCancelledText)))));
    const std::string path = findProgram(settings.program);
    if (path.empty()) {
        for (auto& r : results) r = fail(missingProgramText(settings.program));
        return results;
    }
    if (processes <= 0) processes = std::max(1, QThread::idealThreadCount());
    std::vector<std::unique_ptr<Job>> running;
    std::size_t next = 0;
    int finished = 0;
    bool stop = false;
    while ((next < decks.size() && !stop) || !running.empty()) {
        while (!stop && next < decks.size() && int(running.size()) < processes) {
            auto job = start(path, decks[next], int(next));
            if (!job) {
                results[next] = job.problem();
                ++finished;
                if (done) done(finished);
            } else {
                running.push_back(std::move(*job));
            }
            ++next;
        }
        const bool cancelled = settings.cancel && settings.cancel->load();
        if (cancelled) stop = true;
        for (auto it = running.begin(); it != running.end();) {
            Job& job = **it;
            // A short wait on each: a cancel is seen within a few milliseconds.
            const bool ended = job.process->waitForFinished(running.size() > 1 ? 2 : 5);
            if (cancelled) {
                if (!ended) kill(job);
                results[job.index] = fail(filledText(QCoreApplication::translate("SimulationStudy", kCancelledText)));
            } else if (ended) {
                results[job.index] = finish(job);
            } else if (job.clock.elapsed() > settings.timeoutMs) {
                kill(job);
                results[job.index] = fail(
                    filledText(QCoreApplication::translate("SimulationStudy", "nec2c was stopped")),
                    filledText(QCoreApplication::translate("SimulationStudy", "it ran longer than its limit of %1 ms"),
                               {std::to_string(settings.timeoutMs)}));
            } else {
                ++it;
                continue;
            }
            ++finished;
            if (done) done(finished);
            it = running.erase(it);
        }
    }
    return results;
}

}  // namespace yq::sim
