#pragma once
// Windows helpers shared by the core's file code: UTF-8 <-> wide text, and
// the system's text and errno equivalent for an error code.
#include <windows.h>

#include <string>

namespace menulark::windows_system {

/// False for empty or invalid UTF-8, or text holding a NUL.
bool WideFromUtf8(const std::string& text, std::wstring& out);
std::string Utf8FromWide(const wchar_t* text, int length);
/// FormatMessageW's text, without the trailing period and line end.
std::string SystemMessage(DWORD code);
/// The nearest errno value, for callers that test errors portably.
int ErrnoFor(DWORD code);

}  // namespace menulark::windows_system
