#pragma once
// The page commands of the window: writing the page of its menu, the same
// page in a file of the author's choice, and the page's code on the
// clipboard or in a folder with its own files. The modern look then notes colours that are hard to read.

#include <functional>
#include <string>

#include "menu/menu_file.h"

class wxWindow;

namespace menulark {

class Desktop;

/// The name of the note on what the classic page leaves out.
inline constexpr const char* kClassicNoteName = "classic-page-note";

class PageCommands {
public:
    /// `currentMenu` gives the menu as the window shows it.
    PageCommands(wxWindow& window, Desktop& desktop, std::function<MenuDocument()> currentMenu);

    /// Writes the page at `path` and opens it; true when it was written.
    bool WritePage(const std::string& path);
    /// "Save page as...": asks for a file, starting in `folder`, and writes
    /// the page there.
    void SavePageAs(const std::string& folder);
    /// "Copy page code": the modern menu as code to paste into a page of
    /// one's own.
    void CopyPageCode();
    /// "Save page code files...": asks for a folder, starting in `folder`,
    /// and writes the page code there with its style sheet and script as
    /// files of their own, for sites that allow no inline code.
    void SavePageCodeFiles(const std::string& folder);

private:
    void NoteLowContrast(const StyleSettings& style);
    void NoteClassicFlattening(const MenuItemList& entries);

    wxWindow& m_window;
    Desktop& m_desktop;
    std::function<MenuDocument()> m_currentMenu;
};

}  // namespace menulark
