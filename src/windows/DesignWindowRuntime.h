// The design windows as the program runs them: real dialogs and message
// boxes, the report with its preview and export, the desktop's mail and
// spreadsheet programs, and the forum link.
#pragma once

#include "design/DesignRecord.h"

class QWidget;

namespace yq {

class ErrorReporter;
struct ProgramState;

namespace platform {
struct DesktopPlatform;
}

// Opens the Imperial or Metric design window and returns when it closes.
void runDesignWindow(UnitSystem system, ProgramState& state, platform::DesktopPlatform& desktop,
                     QWidget* parent = nullptr, ErrorReporter* errors = nullptr);

}  // namespace yq
