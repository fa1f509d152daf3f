#pragma once

#include <wx/dialog.h>

#include <map>
#include <string>

#include "menu/menu_item.h"

class wxTextCtrl;

namespace menulark {

/// "Edit entry": one entry's title, URL and explanation, its kind, icon and
/// whether it opens a new tab, with OK and Cancel.
/// The window checks and applies the texts after OK.
class CEditEntryDlg : public wxDialog {
public:
    CEditEntryDlg(wxWindow* owner, const MenuItem& entry);

    /// The box with `id` (IDC_TITLE, IDC_URL, IDC_EXPLANATION, IDC_ENTRY_KIND,
    /// IDC_ENTRY_ICON, IDC_NEW_TAB), or a button.
    wxWindow* Control(int id) const;
    /// The entry as typed and chosen (its depth is the window's business).
    MenuItem Entry() const;

private:
    wxTextCtrl* Edit(int id) const;
    void OnCharHook(wxKeyEvent& event);
    void OnTextChanged(wxCommandEvent& event);

    std::map<int, wxWindow*> m_controls;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace menulark
