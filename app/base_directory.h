#pragma once
// The folder every file of the program lives in: the running executable's.

#include <string>

namespace menulark {

/// A path split into drive, directory (with its trailing separator), file
/// name and extension (with its dot). Both '/' and '\\' separate; a drive
/// is a letter and a colon at the start ("C:"); a share path "\\\\server\\x"
/// has no drive.
struct PathParts {
    std::string drive;
    std::string directory;
    std::string name;
    std::string extension;
};

PathParts SplitPath(const std::string& path);

/// Drive and directory of `executablePath`, ending in a separator.
std::string BaseDirectoryOf(const std::string& executablePath);

/// The file name of `executablePath` without its extension: the program's
/// name as its message boxes show it.
std::string ApplicationNameOf(const std::string& executablePath);

}  // namespace menulark
