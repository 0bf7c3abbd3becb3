// Runs a program of the project and collects its output, for tests of the
// command-line contract (exit status, standard output and error).
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace yq::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ProcessResult runProcess(const QString& program, const QStringList& args, const std::string& input = {},
                         const QString& workingDirectory = {});

// Path of the yq-calc program under test.
QString calcProgram();

}  // namespace yq::test
