#include "app/edit_entry_dlg.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include "app/control_builder.h"
#include "app/one_line_edit.h"
#include "app/text_conversion.h"
#include "resources/dialog_layout.h"
#include "resources/string_table.h"

namespace menulark {

wxBEGIN_EVENT_TABLE(CEditEntryDlg, wxDialog)
    EVT_TEXT(wxID_ANY, CEditEntryDlg::OnTextChanged)
    EVT_CHAR_HOOK(CEditEntryDlg::OnCharHook)
wxEND_EVENT_TABLE()

CEditEntryDlg::CEditEntryDlg(wxWindow* owner, const MenuItem& entry) {
    const DialogLayout& layout = EditEntryLayout();
    Create(owner, wxID_ANY, FromCoreText(layout.caption), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    DialogUnitScale scale;
    scale.contentScale = FromDIP(1000) / 1000.0;
    SetFont(LayoutFont());
    m_controls = CreateControls(this, layout, scale, GetFont(), wxIcon());
    SetClientSize(LayoutClientSize(layout, scale));
    Edit(IDC_TITLE)->ChangeValue(FromCoreText(entry.title));
    Edit(IDC_URL)->ChangeValue(FromCoreText(entry.url));
    Edit(IDC_EXPLANATION)->ChangeValue(FromCoreText(entry.explanation));
    auto* kind = static_cast<wxChoice*>(Control(IDC_ENTRY_KIND));
    for (int text : {IDS_KIND_LINK, IDS_KIND_SEPARATOR, IDS_KIND_HEADING})
        kind->Append(FromCoreText(std::string(StringTableText(text))));
    kind->SetSelection(static_cast<int>(entry.kind));
    Edit(IDC_ENTRY_ICON)->ChangeValue(FromCoreText(entry.icon));
    static_cast<wxCheckBox*>(Control(IDC_NEW_TAB))->SetValue(entry.newTab);
    SetAffirmativeId(IDC_OK);
    SetEscapeId(IDC_CANCEL);
    Edit(IDC_TITLE)->SetFocus();
    CentreOnParent();
}

wxWindow* CEditEntryDlg::Control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

wxTextCtrl* CEditEntryDlg::Edit(int id) const {
    return static_cast<wxTextCtrl*>(Control(id));
}

MenuItem CEditEntryDlg::Entry() const {
    MenuItem entry{ToCoreText(Edit(IDC_TITLE)->GetValue()), ToCoreText(Edit(IDC_URL)->GetValue()),
                   ToCoreText(Edit(IDC_EXPLANATION)->GetValue())};
    const int kind = static_cast<wxChoice*>(Control(IDC_ENTRY_KIND))->GetSelection();
    entry.kind = kind == 1 ? EntryKind::Separator : kind == 2 ? EntryKind::Heading : EntryKind::Link;
    entry.icon = ToCoreText(Edit(IDC_ENTRY_ICON)->GetValue());
    entry.newTab = static_cast<wxCheckBox*>(Control(IDC_NEW_TAB))->GetValue();
    return entry;
}

void CEditEntryDlg::OnCharHook(wxKeyEvent& event) {
    // The boxes hold one line: Enter in one means OK, as in any small dialog.
    int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && wxDynamicCast(wxWindow::FindFocus(), wxTextCtrl)) {
        wxCommandEvent ok(wxEVT_BUTTON, IDC_OK);
        ok.SetEventObject(Control(IDC_OK));
        ProcessWindowEvent(ok);
        return;
    }
    event.Skip();
}

void CEditEntryDlg::OnTextChanged(wxCommandEvent& event) {
    if (auto* edit = wxDynamicCast(event.GetEventObject(), wxTextCtrl)) KeepOneLine(edit);
}

}  // namespace menulark
