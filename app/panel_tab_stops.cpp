#include "app/panel_tab_stops.h"

#include <algorithm>

namespace menulark {

PanelTabStops::PanelTabStops(wxWindow* parent, int panelTop, std::vector<wxWindow*> keptShown)
    : m_parent(parent), m_panelTop(panelTop), m_keptShown(std::move(keptShown)) {}

void PanelTabStops::SetOpen(bool open) {
    if (open == m_open) return;
    m_open = open;
    if (open) {
        for (wxWindow* control : m_hidden) control->Show();
        m_hidden.clear();
        for (wxWindow* control : m_keptShown) control->Enable();
        return;
    }
    wxWindow* focus = wxWindow::FindFocus();
    bool focusInPanel = false;
    for (wxWindow* control : m_parent->GetChildren()) {
        if (control->GetPosition().y < m_panelTop) continue;
        if (focus && (focus == control || control->IsDescendant(focus))) focusInPanel = true;
        if (std::find(m_keptShown.begin(), m_keptShown.end(), control) != m_keptShown.end()) {
            control->Disable();
        } else if (control->IsShown()) {
            control->Hide();
            m_hidden.push_back(control);
        }
    }
    // The focus must not stay on a control that cannot be seen.
    if (focusInPanel) m_parent->SetFocus();
}

}  // namespace menulark
