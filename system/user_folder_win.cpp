#include <stdlib.h>
#include <windows.h>

#include <cwchar>
#include <string>

#include "system/user_folder.h"
#include "system/windows_system.h"

namespace menulark {

bool FolderRefusesNewFiles(const std::string& folder) {
    // Access rights on Windows are lists that no attribute test reads
    // reliably: make a file that the system removes again on closing.
    std::wstring wide;
    if (!windows_system::WideFromUtf8(folder.empty() ? std::string(".\\") : folder, wide)) return false;
    if (wide.back() != L'\\' && wide.back() != L'/') wide += L'\\';
    wide += L".menulark-probe-" + std::to_wstring(GetCurrentProcessId());
    HANDLE probe = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
    }
    CloseHandle(probe);
    return false;
}

std::string UserPageFolder() {
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    if (!local || local[0] == L'\0') return {};
    return windows_system::Utf8FromWide(local, static_cast<int>(std::wcslen(local))) + "\\Menulark\\";
}

bool MakeFolders(const std::string& folder) {
    std::wstring wide;
    if (!windows_system::WideFromUtf8(folder, wide)) return false;
    for (size_t end = wide.find_first_of(L"\\/", 3); end != std::wstring::npos;
         end = wide.find_first_of(L"\\/", end + 1))
        CreateDirectoryW(wide.substr(0, end).c_str(), nullptr);
    CreateDirectoryW(wide.c_str(), nullptr);
    DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace menulark
