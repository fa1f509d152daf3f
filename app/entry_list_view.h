#pragma once
// The list control that shows the menu's entries, kept in step with them,
// and the window-menu commands that change entries in place: edit one, move
// one up or down. The decisions are menu/menu_edits.h's.

#include <string>

#include "menu/menu_edits.h"
#include "menu/menu_item_list.h"

class wxListCtrl;
class wxWindow;

namespace menulark {

class Desktop;

class EntryListView {
public:
    /// `items` is shown in `list`; `selectedLabel` shows the remembered row.
    /// The entry editor opens over `window`.
    EntryListView(wxWindow& window, MenuItemList& items, wxListCtrl& list, wxWindow& selectedLabel,
                  Desktop& desktop);

    /// Row `row` of the list shows entry `row`, added when it is new.
    void ShowEntry(int row);
    /// Every entry, in place of what the list showed.
    void ShowAll();
    /// "Edit entry": the selected entry in the entry editor.
    void EditSelected();
    /// "Move entry up/down": the selected entry one row on, still selected.
    void MoveEntry(MoveDirection direction);
    /// "Insert separator" / "Insert heading" (titled `title`) after the selected entry.
    void Insert(EntryKind kind, const std::string& title);
    /// "Indent" (into the submenu of the entry above) or "Outdent" (out of its submenu).
    void Indent(bool in);

private:
    void SelectOnly(int row);
    /// Shows the outcome of a structure command: every row again, the entry selected.
    void ShowStructureChange(const EditResult& result);

    wxWindow& m_window;
    MenuItemList& m_items;
    wxListCtrl& m_list;
    wxWindow& m_selectedLabel;
    Desktop& m_desktop;
};

}  // namespace menulark
