#pragma once
// A note beside the window that does not stop the author: the contrast note
// and the note on where pages go.

#include <string>

class wxWindow;

namespace menulark {

/// Shows `text` in a small window named `name` that does not block (closed
/// by its OK button or Esc). A note of the same name shown earlier for
/// `parent` is replaced.
void ShowNoteWindow(wxWindow* parent, const char* name, const std::string& text);

}  // namespace menulark
