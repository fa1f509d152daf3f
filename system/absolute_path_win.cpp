// Absolute paths on Windows: GetFullPathNameW against the working directory
// (drive-relative and UNC forms included), in UTF-8.
#include <string>
#include <vector>

#include "system/absolute_path.h"
#include "system/windows_system.h"

namespace menulark {

std::string AbsolutePath(const std::string& path) {
    std::wstring wide;
    if (windows_system::WideFromUtf8(path, wide)) {
        std::vector<wchar_t> buffer(MAX_PATH);
        DWORD length;
        while ((length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(),
                                          nullptr)) >= buffer.size())
            buffer.resize(length + 1);
        if (length > 0) return windows_system::Utf8FromWide(buffer.data(), static_cast<int>(length));
    }
    return ".\\" + path;
}

}  // namespace menulark
