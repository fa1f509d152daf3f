#include "app/page_folder_note.h"

#include "app/note_window.h"
#include "page/page_templates.h"
#include "resources/string_table.h"

namespace menulark {

std::string PageFolderNoteText(const PageFolder& folder) {
    if (!folder.inUserFolder) return {};
    return PageTemplates::Format(IDS_PAGE_FOLDER_NOTE, {folder.programFolder, folder.path});
}

void WindowPageFolder::NoteAfterWrite(wxWindow* parent) {
    std::string text = PageFolderNoteText(m_folder);
    if (m_noted || text.empty()) return;
    m_noted = true;
    ShowNoteWindow(parent, kPageFolderNoteName, text);
}

}  // namespace menulark
