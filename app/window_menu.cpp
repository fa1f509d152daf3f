#include "app/window_menu.h"

#include <wx/event.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include "app/text_conversion.h"

namespace menulark {

WindowMenu::WindowMenu(wxWindow& window, Handlers handlers, std::vector<wxAcceleratorEntry> otherKeys)
    : m_window(window) {
    std::vector<wxAcceleratorEntry> keys = std::move(otherKeys);
    for (const WindowMenuEntry& entry : kWindowMenu) {
        if (entry.command == 0) continue;
        auto handler = handlers.find(entry.command);
        wxASSERT_MSG(handler != handlers.end(), "a window menu command without a handler");
        if (handler == handlers.end()) continue;
        // The handler is copied into the binding: it outlives nothing it needs.
        m_window.Bind(
            wxEVT_MENU, [run = handler->second](wxCommandEvent&) { run(); }, entry.command);
        if (entry.key != 0) keys.emplace_back(entry.modifiers, entry.key, entry.command);
    }
    m_window.SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(keys.size()), keys.data()));
    m_window.Bind(wxEVT_CONTEXT_MENU, &WindowMenu::OnContextMenu, this);
}

WindowMenu::~WindowMenu() {
    m_window.Unbind(wxEVT_CONTEXT_MENU, &WindowMenu::OnContextMenu, this);
    if (m_button) m_button->Unbind(wxEVT_BUTTON, &WindowMenu::OnButton, this);
}

void WindowMenu::Show(const wxPoint& position) {
    wxMenu menu;
    for (const WindowMenuEntry& entry : kWindowMenu) {
        if (entry.command == 0) {
            menu.AppendSeparator();
            continue;
        }
        wxString text = StringText(entry.text);
        if (entry.key != 0) text += "\t" + wxAcceleratorEntry(entry.modifiers, entry.key).ToString();
        menu.Append(entry.command, text);
    }
    m_window.PopupMenu(&menu, position);
}

void WindowMenu::AttachButton(wxWindow& button) {
    m_button = &button;
    m_button->Bind(wxEVT_BUTTON, &WindowMenu::OnButton, this);
}

void WindowMenu::OnButton(wxCommandEvent&) {
    wxRect button = m_button->GetScreenRect();
    Show(m_window.ScreenToClient(wxPoint(button.x, button.y + button.height)));
}

void WindowMenu::OnContextMenu(wxContextMenuEvent& event) {
    // Edit boxes keep their own cut/copy/paste menu.
    if (wxDynamicCast(event.GetEventObject(), wxTextCtrl)) {
        event.Skip();
        return;
    }
    wxPoint position = event.GetPosition();
    Show(position == wxDefaultPosition ? wxDefaultPosition : m_window.ScreenToClient(position));
}

}  // namespace menulark
