// Whole-file reading on Windows: wide-character paths from UTF-8, and the
// system's own reason (FormatMessageW) for a failure.
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "system/read_file.h"
#include "system/windows_system.h"

namespace menulark {
namespace {

ReadResult Failure(DWORD code) {
    ReadResult result;
    result.reason = windows_system::SystemMessage(code);
    result.error = windows_system::ErrnoFor(code);
    return result;
}

ReadResult TooLarge(size_t limit) {
    ReadResult result;
    result.reason = TooLargeReason(limit);
    result.tooLarge = true;
    return result;
}

}  // namespace

ReadResult ReadToEnd(int fd, size_t limit) {
    ReadResult result;
    char buffer[1 << 16];
    for (;;) {
        int n = _read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            result.reason = std::strerror(errno);
            result.error = errno;
            return result;
        }
        if (static_cast<size_t>(n) > limit - result.bytes.size()) return TooLarge(limit);
        result.bytes.append(buffer, static_cast<size_t>(n));
    }
    result.ok = true;
    return result;
}

ReadResult ReadWholeFile(const std::string& path, size_t limit) {
    std::wstring wide;
    if (!windows_system::WideFromUtf8(path, wide)) return Failure(ERROR_INVALID_NAME);
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failure(GetLastError());
    ReadResult result;
    // The file's size gives the text its room up front, so that a large
    // file is not copied as it grows.
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0)
        result.bytes.reserve(std::min(static_cast<size_t>(size.QuadPart), limit) + 1);
    char buffer[1 << 16];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            DWORD code = GetLastError();
            CloseHandle(file);
            return Failure(code);
        }
        if (n == 0) break;
        if (n > limit - result.bytes.size()) {
            CloseHandle(file);
            return TooLarge(limit);
        }
        result.bytes.append(buffer, n);
    }
    CloseHandle(file);
    result.ok = true;
    return result;
}

}  // namespace menulark
