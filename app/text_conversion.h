#pragma once
// Text between the controls and the core: the core holds UTF-8 bytes on
// every platform, whatever the locale or the Windows code page, so pages
// and paths come out the same everywhere.

#include <wx/string.h>

#include <string>
#include <string_view>

namespace menulark {

inline std::string ToCoreText(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

inline wxString FromCoreText(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
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
