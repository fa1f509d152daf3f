#pragma once
// The window menu (its button, a right click on the window's background,
// Shift+F10 or the Menu key) and the keyboard shortcuts of its commands, both built from the
// one table kWindowMenu, with what each command does.

#include <wx/accel.h>

#include <functional>
#include <map>
#include <vector>

#include "app/window_commands.h"

class wxCommandEvent;
class wxContextMenuEvent;
class wxPoint;
class wxWindow;

namespace menulark {

class WindowMenu {
public:
    /// What each command of kWindowMenu does, by command ID.
    using Handlers = std::map<int, std::function<void()>>;

    /// Runs `handlers` for the commands of `window`'s menu and shortcuts, and
    /// gives `window` its accelerator table: the commands' shortcuts and
    /// `otherKeys` (shortcuts of the window's own commands).
    WindowMenu(wxWindow& window, Handlers handlers, std::vector<wxAcceleratorEntry> otherKeys = {});
    ~WindowMenu();
    WindowMenu(const WindowMenu&) = delete;
    WindowMenu& operator=(const WindowMenu&) = delete;

    /// Shows the menu at `position` in the window's client coordinates
    /// (wxDefaultPosition: at the pointer, or the keyboard's place).
    void Show(const wxPoint& position);

    /// Lets a press of `button`, a child of the window, show the menu just
    /// below the button.
    void AttachButton(wxWindow& button);

private:
    void OnContextMenu(wxContextMenuEvent& event);
    void OnButton(wxCommandEvent& event);

    wxWindow& m_window;
    wxWindow* m_button = nullptr;
};

}  // namespace menulark
