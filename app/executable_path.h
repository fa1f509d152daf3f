#pragma once

#include <string>

namespace menulark {

/// Full path of the running executable with symbolic links resolved; empty
/// when the system cannot tell.
std::string ExecutablePath();

}  // namespace menulark
