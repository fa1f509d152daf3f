#pragma once
// A note about colours that are hard to read, shown beside the window
// without stopping the author: the page is written all the same.

#include <string>
#include <vector>

class wxWindow;

namespace menulark {

/// The name of the note's window, for finding it again.
inline constexpr const char* kContrastNoteName = "contrastNote";

/// Shows `messages` in a small window that does not block (closed by its OK
/// button or Esc). A contrast note shown earlier for `parent` is replaced.
void ShowContrastNote(wxWindow* parent, const std::vector<std::string>& messages);

}  // namespace menulark
