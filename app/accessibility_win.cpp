// Windows: the window system names a control from the label just before it
// in the tab order and gives the label's access key to it, and its list view
// shows its rows to assistive technology by itself. What remains are the
// names of controls without a label, given through wx's accessibility
// support where the wx build has it.
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
// Answers the name; everything else comes from the system's own object.
class NamedAccessible : public wxAccessible {
public:
    NamedAccessible(wxWindow* window, const wxString& name) : wxAccessible(window), m_name(name) {}

    wxAccStatus GetName(int childId, wxString* name) override {
        if (childId != wxACC_SELF) return wxACC_NOT_IMPLEMENTED;
        *name = m_name;
        return wxACC_OK;
    }

private:
    wxString m_name;
};
#endif

}  // namespace

void LinkLabel(wxWindow*, wxWindow* control, const wxString& name) {
    SetAccessibleName(control, name);
}

void SetAccessibleName(wxWindow* control, const wxString& name) {
#if wxUSE_ACCESSIBILITY
    control->SetAccessible(new NamedAccessible(control, name));
#else
    (void)control;
    (void)name;
#endif
}

void LinkOwnText(wxCheckBox*) {}  // a native check box: its text is its name

void ExposeListRows(wxListCtrl*) {}  // a native list view

void ExposePickListItems(wxOwnerDrawnComboBox*) {}

}  // namespace menulark
