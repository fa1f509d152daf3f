#pragma once

#include <string>

namespace menulark {

/// `path` made absolute against the working directory, so that a program
/// handed it can never take it for an option (a name such as "-x.htm").
/// When the working directory is unknown, "./" is put in front instead.
std::string AbsolutePath(const std::string& path);

}  // namespace menulark
