// Windows: the window system names a control from the label just before it
// in the tab order and gives the label's access key to it, and its list view
// shows its rows to assistive technology by itself. What remains are the
// names of controls without a label, their descriptions and the menu
// button's role, given through wx's accessibility support where the wx
// build has it.
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/odcombo.h>
#include <wx/window.h>
#if wxUSE_ACCESSIBILITY
#include <wx/access.h>
#endif

#include "app/accessibility.h"

namespace menulark {
namespace {

#if wxUSE_ACCESSIBILITY
// Answers what was given to it; everything else comes from the system's own object.
class ControlAccessible : public wxAccessible {
public:
    explicit ControlAccessible(wxWindow* window) : wxAccessible(window) {}

    wxString name, description;
    bool opensMenu = false;

    wxAccStatus GetName(int childId, wxString* text) override {
        if (childId != wxACC_SELF || name.empty()) return wxACC_NOT_IMPLEMENTED;
        *text = name;
        return wxACC_OK;
    }
    wxAccStatus GetDescription(int childId, wxString* text) override {
        if (childId != wxACC_SELF || description.empty()) return wxACC_NOT_IMPLEMENTED;
        *text = description;
        return wxACC_OK;
    }
    wxAccStatus GetRole(int childId, wxAccRole* role) override {
        if (childId != wxACC_SELF || !opensMenu) return wxACC_NOT_IMPLEMENTED;
        *role = wxROLE_SYSTEM_BUTTONMENU;
        return wxACC_OK;
    }
};

// The control's own object, made on first use.
ControlAccessible& AccessibleOf(wxWindow* control) {
    if (auto* own = dynamic_cast<ControlAccessible*>(control->GetAccessible())) return *own;
    auto* made = new ControlAccessible(control);
    control->SetAccessible(made);
    return *made;
}
#endif

}  // namespace

void LinkLabel(wxWindow*, wxWindow* control, const wxString& name) {
    SetAccessibleName(control, name);
}

void SetAccessibleName(wxWindow* control, const wxString& name) {
#if wxUSE_ACCESSIBILITY
    AccessibleOf(control).name = name;
#else
    (void)control;
    (void)name;
#endif
}

void SetAccessibleDescription(wxWindow* control, const wxString& description) {
#if wxUSE_ACCESSIBILITY
    AccessibleOf(control).description = description;
#else
    (void)control;
    (void)description;
#endif
}

void MarkAsMenuButton(wxWindow* button) {
#if wxUSE_ACCESSIBILITY
    AccessibleOf(button).opensMenu = true;
#else
    (void)button;
#endif
}

void LinkOwnText(wxCheckBox*) {}  // a native check box: its text is its name

void ExposeListRows(wxListCtrl*) {}  // a native list view

void ExposePickListItems(wxOwnerDrawnComboBox*) {}

}  // namespace menulark
