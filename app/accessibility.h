#pragma once
// What screen readers learn about the window's controls: names, the labels
// that name them, access keys, and the rows of lists drawn by wx itself.
// One file per platform carries it out (accessibility_gtk.cpp, _win.cpp).

#include <wx/string.h>

class wxCheckBox;
class wxListCtrl;
class wxOwnerDrawnComboBox;
class wxWindow;

namespace menulark {

/// Links `label` to `control`: a screen reader reads the control by `name`
/// and says which label names it, and the label's access key moves the
/// focus to the control.
void LinkLabel(wxWindow* label, wxWindow* control, const wxString& name);

/// Names a control that has no label, such as a ">" picker.
void SetAccessibleName(wxWindow* control, const wxString& name);

/// Gives `control` a description that screen readers read after its name
/// (the text of its tooltip).
void SetAccessibleDescription(wxWindow* control, const wxString& description);

/// Tells screen readers that the push button `button` opens a menu.
void MarkAsMenuButton(wxWindow* button);

/// A check box whose text stands left of its box: the text names the box,
/// and its access key toggles it.
void LinkOwnText(wxCheckBox* box);

/// Lets assistive technology read the entry list's rows and selection.
void ExposeListRows(wxListCtrl* list);

/// Lets assistive technology read a pick list's entries and the chosen one.
void ExposePickListItems(wxOwnerDrawnComboBox* list);

}  // namespace menulark
