#pragma once
// The system's own words for a failure, as the file writer passes them on:
// strerror on POSIX, FormatMessageW on Windows (where a missing folder and a
// file in the way of a folder are both "path not found").

#include <cerrno>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include <filesystem>
#endif

namespace menulark::testing_support {

inline std::string SystemText(int error) {
#ifdef _WIN32
    DWORD code = (error == ENOENT || error == ENOTDIR) ? ERROR_PATH_NOT_FOUND : ERROR_ACCESS_DENIED;
    wchar_t text[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, 512,
                   nullptr);
    std::string utf8 = std::filesystem::path(text).u8string();
    while (!utf8.empty() &&
           (utf8.back() == '\n' || utf8.back() == '\r' || utf8.back() == '.' || utf8.back() == ' '))
        utf8.pop_back();
    return utf8;
#else
    return std::strerror(error);
#endif
}

}  // namespace menulark::testing_support
