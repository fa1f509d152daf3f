#pragma once
// The platform's "open with the default program" service, for callers
// without a window toolkit (menulark-page) and for the window on Windows.

#include <string>

namespace menulark {

/// Hands `path` to the desktop's default program for its type; true when the
/// desktop took it.
bool OpenWithDefaultProgram(const std::string& path);

}  // namespace menulark
