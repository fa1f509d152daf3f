#pragma once
// The collapsed window cuts the style panel off; its controls then leave the
// Tab order (and the reach of their access keys) until it opens again.

#include <wx/window.h>

#include <set>
#include <vector>

namespace menulark {

class PanelTabStops {
public:
    /// `panel` holds the controls that start at or below `panelTop` (client
    /// pixels); the controls in `keptShown` are shown and hidden by others,
    /// so while the panel is cut off they are only switched off.
    PanelTabStops(wxWindow* parent, int panelTop, std::vector<wxWindow*> keptShown);

    /// Takes the panel's controls out of reach (false) or gives them back.
    void SetOpen(bool open);

private:
    wxWindow* m_parent;
    int m_panelTop;
    std::vector<wxWindow*> m_keptShown;
    std::vector<wxWindow*> m_hidden;  // hidden by the collapse, shown again when it opens
    bool m_open = true;
};

}  // namespace menulark
