#pragma once
// Text between the controls and the core: UTF-8 bytes on Linux and macOS
// whatever the locale; the ANSI code page on Windows.

#include <wx/string.h>

#include <string>
#include <string_view>

namespace menulark {

inline std::string ToCoreText(const wxString& text) {
#ifdef __WXMSW__
    return std::string(text.mb_str(wxConvLibc));
#else
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
#endif
}

inline wxString FromCoreText(std::string_view text) {
#ifdef __WXMSW__
    return wxString(text.data(), wxConvLibc, text.size());
#else
    return wxString::FromUTF8(text.data(), text.size());
#endif
}

/// A file name from the toolkit as the system's bytes.
inline std::string PathBytes(const wxString& path) {
    const wxScopedCharBuffer bytes = path.fn_str();
    return std::string(bytes.data(), bytes.length());
}

/// A file name's bytes for the toolkit to show or hand on.
inline wxString PathText(const std::string& path) {
    return wxString(path.c_str(), *wxConvFileName, path.size());
}

}  // namespace menulark
