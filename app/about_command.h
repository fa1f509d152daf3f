#pragma once
// The "About Menulark..." command, as the window menu and the system menu
// deliver it.

namespace menulark {

inline constexpr int kAboutCommand = 16;

/// True when a system-menu command (WM_SYSCOMMAND's value) is `command`,
/// whatever its low four bits, which the system uses for itself.
inline constexpr bool IsSystemMenuCommand(unsigned long value, int command) {
    return (value & 0xFFF0) == static_cast<unsigned long>(command);
}

}  // namespace menulark
