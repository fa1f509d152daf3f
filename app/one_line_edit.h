#pragma once
// The entry boxes hold one line, whatever is typed or pasted into them.

#include <wx/textctrl.h>

#include <algorithm>

namespace menulark {

/// Turns the line breaks in `edit` (a pasted text) into blanks, keeping the
/// cursor where it was.
inline void KeepOneLine(wxTextCtrl* edit) {
    wxString value = edit->GetValue();
    if (value.find_first_of("\r\n") == wxString::npos) return;
    long cursor = edit->GetInsertionPoint();
    value.Replace("\r\n", " ");
    value.Replace("\r", " ");
    value.Replace("\n", " ");
    edit->ChangeValue(value);
    edit->SetInsertionPoint(std::min<long>(cursor, static_cast<long>(value.length())));
}

}  // namespace menulark
