#include "app/base_directory.h"

namespace menulark {

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':' &&
        ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z'))) {
        parts.drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    size_t lastSeparator = rest.find_last_of("/\\");
    std::string file = rest;
    if (lastSeparator != std::string::npos) {
        parts.directory = rest.substr(0, lastSeparator + 1);
        file = rest.substr(lastSeparator + 1);
    }
    size_t dot = file.rfind('.');
    if (dot != std::string::npos && dot != 0) {
        parts.name = file.substr(0, dot);
        parts.extension = file.substr(dot);
    } else {
        parts.name = file;
    }
    return parts;
}

std::string BaseDirectoryOf(const std::string& executablePath) {
    PathParts parts = SplitPath(executablePath);
    return parts.drive + parts.directory;
}

std::string ApplicationNameOf(const std::string& executablePath) {
    return SplitPath(executablePath).name;
}

}  // namespace menulark
