#pragma once
// The About entry of the window's system menu: Windows has one, GTK gives
// programs none (there the window's own context menu carries the entry).

#include <wx/string.h>

class wxTopLevelWindow;

namespace menulark {

/// Appends a separator and `text` as command `command` to the system menu of
/// `window`, where the platform has one; does nothing for an empty text.
void AddSystemMenuEntry(wxTopLevelWindow* window, int command, const wxString& text);

}  // namespace menulark
