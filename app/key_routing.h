#pragma once
// What the window does with a key before the focused control sees it.

#include <wx/defs.h>

namespace menulark {

enum class KeyAction {
    Pass,           // the focused control gets the key
    Nothing,        // the key is dropped
    CloseWindow,    // as the close box does
    ClosePickList,  // closes the open pick list, nothing else
    WindowMenu,     // opens the window menu
};

enum class FocusKind { PushButton, Other };

/// Escape closes an open pick list, else the window. Enter presses only a
/// push button that has the focus: elsewhere (a box, a check box, a list)
/// it would press the default button and end the run, so it does nothing;
/// an open pick list takes it as its choice. The menu key and Shift+F10
/// open the window menu from every control, text boxes included.
inline KeyAction RouteWindowKey(int key, int modifiers, FocusKind focus, bool pickListOpen) {
    switch (key) {
        case WXK_ESCAPE:
            return pickListOpen ? KeyAction::ClosePickList : KeyAction::CloseWindow;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            return pickListOpen || focus == FocusKind::PushButton ? KeyAction::Pass : KeyAction::Nothing;
        case WXK_MENU:
        case WXK_WINDOWS_MENU:
            return KeyAction::WindowMenu;
        case WXK_F10:
            return modifiers == wxMOD_SHIFT ? KeyAction::WindowMenu : KeyAction::Pass;
        default:
            return KeyAction::Pass;
    }
}

}  // namespace menulark
