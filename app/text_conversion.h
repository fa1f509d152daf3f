#pragma once
// Text between the controls and the core: the core holds UTF-8 bytes on
// every platform, whatever the locale or the Windows code page, so pages
// and paths come out the same everywhere.

#include <wx/strconv.h>
#include <wx/string.h>

#include <string>
#include <string_view>

#include "resources/string_table.h"

namespace menulark {

inline std::string ToCoreText(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

/// Core text for the controls. A message can hold a file name's bytes that
/// are not UTF-8 (a folder named in another encoding): such bytes show as
/// octal escapes ("caf\351") instead of the whole text showing as nothing.
inline wxString FromCoreText(std::string_view text) {
    wxString converted = wxString::FromUTF8(text.data(), text.size());
    if (!converted.empty() || text.empty()) return converted;
    const wxMBConvUTF8 escaping(wxMBConvUTF8::MAP_INVALID_UTF8_TO_OCTAL);
    return wxString(text.data(), escaping, text.size());
}

/// A text of the string table for the controls.
inline wxString StringText(int stringId) {
    return FromCoreText(StringTableText(stringId));
}

// File names in the core are the system's bytes on POSIX systems and UTF-8
// on Windows, whose file calls in page/ widen them again.

/// A file name from the toolkit as the core holds it.
inline std::string PathBytes(const wxString& path) {
#ifdef __WINDOWS__
    return ToCoreText(path);
#else
    const wxScopedCharBuffer bytes = path.fn_str();
    return std::string(bytes.data(), bytes.length());
#endif
}

/// A file name of the core's for the toolkit to show or hand on.
inline wxString PathText(const std::string& path) {
#ifdef __WINDOWS__
    return FromCoreText(path);
#else
    return wxString(path.c_str(), *wxConvFileName, path.size());
#endif
}

}  // namespace menulark
