#include "app/contrast_note.h"

#include "app/note_window.h"

namespace menulark {

void ShowContrastNote(wxWindow* parent, const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages) text += (text.empty() ? "" : "\n\n") + message;
    ShowNoteWindow(parent, kContrastNoteName, text);
}

}  // namespace menulark
