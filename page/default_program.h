#pragma once
// Hands a file to the desktop's default program for its type.

#include <string>

namespace menulark {

/// Opens `path` with the default program; false when the desktop refused.
bool OpenWithDefaultProgram(const std::string& path);

}  // namespace menulark
