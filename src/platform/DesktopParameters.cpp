#include "platform/DesktopParameters.h"

namespace yq::platform {

DesktopParameters::~DesktopParameters() = default;

std::optional<int> LinuxDesktopParameters::dragFullWindows() {
    // X11 window managers and Wayland compositors each decide for themselves
    // how a moved window is drawn; there is no common switch to ask for.
    return std::nullopt;
}

bool LinuxDesktopParameters::setDragFullWindows(int /*value*/, int /*flags*/) { return false; }

std::unique_ptr<DesktopParameters> systemDesktopParameters() { return std::make_unique<LinuxDesktopParameters>(); }

}  // namespace yq::platform
