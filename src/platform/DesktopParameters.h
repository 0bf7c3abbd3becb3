// System parameters of the desktop that the program reads or changes.
//
// The only one is the switch for dragging full windows (showing a window's
// contents while it is moved rather than an outline). The program turns it
// off while it runs and back on when it ends. Linux desktops have no such
// system-wide switch that a program may change, so there reading it fails and
// the program leaves the desktop alone.
#pragma once

#include <memory>
#include <optional>

namespace yq::platform {

// Flags of a change: write it to the user's profile and tell every running
// program about it. The program always passes both (3).
namespace parameterFlags {
inline constexpr int UpdateProfile = 1;
inline constexpr int Broadcast = 2;
inline constexpr int UpdateAndBroadcast = UpdateProfile | Broadcast;
}  // namespace parameterFlags

class DesktopParameters {
public:
    virtual ~DesktopParameters();
    // The flag for dragging full windows (1 = on, 0 = off); nothing when the
    // desktop cannot tell.
    virtual std::optional<int> dragFullWindows() = 0;
    // Sets the flag to `value` with the change `flags`; false when the
    // desktop refused or has no such switch.
    virtual bool setDragFullWindows(int value, int flags) = 0;
};

// The Linux desktop: no switch to read or change.
class LinuxDesktopParameters final : public DesktopParameters {
public:
    std::optional<int> dragFullWindows() override;
    bool setDragFullWindows(int value, int flags) override;
};

// The parameters of the desktop this program runs on.
std::unique_ptr<DesktopParameters> systemDesktopParameters();

}  // namespace yq::platform
