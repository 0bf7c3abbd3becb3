// Program-wide state that several windows and services share: the unit flag,
// the report mode and the e-mail path's texts, and the user record buffer.
// Created once at start-up and handed to the windows and services; tests make
// their own.
#pragma once

#include "design/UnitSystemRules.h"

#include <QString>
#include <QStringList>

namespace yq {

enum class ReportMode { Preview = 0, Export = 1 };

struct ProgramState {
    // 0 = design in inches, 1 = design in millimetres.
    MetricFlag metric;
    ReportMode reportMode = ReportMode::Preview;

    // Set by Email Results: the results file to attach, and the attachment
    // list and body lines that the report mail adds.
    QString resultsFilePath;
    QStringList attachments;
    QStringList bodyLines;
    // Name of the RTF document of the last export.
    QString documentName = QStringLiteral("Report");

    // The user file's record buffer: the last user record read
    // ("Name & Call", at most 40 characters).
    QString userRecord;
};

}  // namespace yq
