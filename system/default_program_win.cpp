// The shell's "open" verb: the program the user chose for the file's type.
// windows.h first: the other Windows headers build on it.
// clang-format off
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
// clang-format on

#include <string>

#include "system/default_program.h"

namespace menulark {

bool OpenWithDefaultProgram(const std::string& path) {
    int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()),
                                   nullptr, 0);
    if (path.empty() || size <= 0) return false;
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()),
                        wide.data(), size);
    // The shell may start a COM-based handler on this thread.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // No message box of the shell's own: the caller reports a refusal.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = wide.c_str();
    info.nShow = SW_SHOWNORMAL;
    bool opened = ShellExecuteExW(&info) != FALSE;
    if (SUCCEEDED(com)) CoUninitialize();
    return opened;
}

}  // namespace menulark
