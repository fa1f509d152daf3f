#pragma once
// The command's arguments as UTF-8, and standard streams that pass bytes
// through unchanged (no CR added before line feeds, no end at Ctrl+Z).

#include <string>
#include <vector>

namespace menulark {

/// The arguments after the program name, in UTF-8. Also puts the standard
/// streams into binary mode where the platform has a text mode.
std::vector<std::string> CommandArguments(int argc, char** argv);

}  // namespace menulark
