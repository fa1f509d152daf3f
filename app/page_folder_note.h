#pragma once
// Where "&Create/Finish" writes the window's pages, and the note, once per
// run, that says so when that is not beside the program.

#include <string>
#include <utility>

#include "system/page_folder.h"

class wxWindow;

namespace menulark {

/// The name of the note's window, for finding it again.
inline constexpr const char* kPageFolderNoteName = "pageFolderNote";

/// The note's text for `folder`: empty when pages go beside the program.
std::string PageFolderNoteText(const PageFolder& folder);

class WindowPageFolder {
public:
    WindowPageFolder() = default;
    explicit WindowPageFolder(PageFolder folder) : m_folder(std::move(folder)) {}

    /// The folder pages go to, ending in a separator.
    const std::string& Path() const { return m_folder.path; }
    /// After a page was written into Path(): the note, the first time only.
    void NoteAfterWrite(wxWindow* parent);

private:
    PageFolder m_folder;
    bool m_noted = false;
};

}  // namespace menulark
