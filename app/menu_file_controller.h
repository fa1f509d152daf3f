#pragma once
// The window's menu file: open, save and save as, the question about unsaved
// changes before the menu is left, a file dropped on the window, and the
// file's name in the caption. The decisions are MenuFileState's; this class
// asks the author and shows the outcome.

#include <wx/string.h>

#include <functional>
#include <string>

#include "menu/menu_file.h"
#include "menu/menu_file_state.h"

class wxTopLevelWindow;

namespace menulark {

class Desktop;

/// What the menu-file commands need of the window's menu.
struct MenuView {
    std::function<MenuDocument()> read;             ///< the menu as the window shows it
    std::function<void(const MenuDocument&)> show;  ///< shows another menu in every control
};

class MenuFileController {
public:
    /// Changes count from what `view` shows now. Files dropped on `window`
    /// open as menu files; `programCaption` is the caption without a file.
    MenuFileController(wxTopLevelWindow& window, Desktop& desktop, const wxString& applicationName,
                       std::string programCaption, MenuView view);

    /// The open file's path; empty before one was opened or saved.
    const std::string& Path() const { return m_file.Path(); }
    /// The open file's folder, where file choosers start; empty before.
    std::string Folder() const { return m_file.Folder(); }

    /// Opens the menu file at `path` in place of the current menu (asking
    /// first when that has unsaved changes). A file that cannot be read is
    /// reported and changes nothing. True when the file was opened.
    bool Open(const std::string& path);
    /// "Open menu...": asks whether to leave the menu, then for a file.
    void OpenChosen();
    /// To the open file; asks for a name when there is none yet.
    bool Save();
    bool SaveAs();
    /// Whether the menu may be left now: asks about unsaved changes and
    /// saves when the author says so.
    bool MayLeaveMenu();

private:
    bool Load(const std::string& path);
    bool SaveTo(const std::string& path);
    CloseAnswer AskToSaveChanges();
    void UpdateCaption();

    wxTopLevelWindow& m_window;
    Desktop& m_desktop;
    wxString m_applicationName;  // caption of the question
    std::string m_programCaption;
    MenuView m_view;
    MenuFileState m_file;
};

}  // namespace menulark
