#include "app/entry_list_view.h"

#include <wx/listctrl.h>

#include <utility>
#include <vector>

#include "app/edit_entry_dlg.h"
#include "app/text_conversion.h"
#include "page/create_page.h"
#include "resources/dialog_layout.h"

namespace menulark {

EntryListView::EntryListView(wxWindow& window, MenuItemList& items, wxListCtrl& list, wxWindow& selectedLabel,
                             Desktop& desktop)
    : m_window(window), m_items(items), m_list(list), m_selectedLabel(selectedLabel), m_desktop(desktop) {}

namespace {

// The title column shows the structure: depth by indentation, a separator as
// a line. A flat menu's titles show as they are.
wxString TitleShown(const MenuItem& item) {
    wxString title = wxString(' ', static_cast<size_t>(4 * item.depth));
    if (item.kind == EntryKind::Separator) return title + wxString(wxUniChar(0x2500), 12);
    return title + FromCoreText(item.title);
}

}  // namespace

void EntryListView::ShowEntry(int row) {
    const MenuItem& item = m_items.Row(row);
    if (row >= m_list.GetItemCount()) m_list.InsertItem(row, TitleShown(item));
    m_list.SetItem(row, 0, TitleShown(item));
    // Headings stand apart in bold; other rows keep the list's font.
    const bool heading = item.kind == EntryKind::Heading;
    const wxFont shown = m_list.GetItemFont(row);  // not OK while the row has no font of its own
    if (heading || (shown.IsOk() && shown.GetWeight() == wxFONTWEIGHT_BOLD))
        m_list.SetItemFont(row, heading ? m_list.GetFont().Bold() : m_list.GetFont());
    m_list.SetItem(row, 1, FromCoreText(item.url));
    m_list.SetItem(row, 2, FromCoreText(item.explanation));
}

void EntryListView::ShowAll() {
    m_list.Freeze();
    m_list.DeleteAllItems();
    for (int row = 0; row < m_items.RowCount(); ++row) ShowEntry(row);
    m_list.Thaw();
}

// Selects `row` alone and shows it; the list's selection events keep the
// remembered row and its label in step.
void EntryListView::SelectOnly(int row) {
    for (long r = m_list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); r != -1;
         r = m_list.GetNextItem(r, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        if (r != row) m_list.SetItemState(r, 0, wxLIST_STATE_SELECTED);
    m_list.SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                        wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    m_list.EnsureVisible(row);
}

void EntryListView::EditSelected() {
    EditResult target = RowToEdit(m_items);
    if (target.outcome != EditOutcome::Done) {
        m_desktop.ShowMessage(target.message);
        return;
    }
    CEditEntryDlg editor(&m_window, m_items.Row(target.row));
    // A refused text keeps the editor open with what was typed.
    while (editor.ShowModal() == IDC_OK) {
        const std::vector<MenuItem> before = m_items.Items();
        EditResult result = ReplaceSelected(m_items, editor.Entry());
        if (result.outcome == EditOutcome::Done) {
            // A new kind may move the rows below it out of a submenu.
            bool depthsKept = true;
            for (int r = 0; r < m_items.RowCount(); ++r)
                depthsKept = depthsKept && m_items.Row(r).depth == before[static_cast<size_t>(r)].depth;
            if (depthsKept)
                ShowEntry(result.row);
            else
                ShowStructureChange(result);
            return;
        }
        m_desktop.ShowMessage(result.message);
        if (result.outcome != EditOutcome::EmptyField) return;
    }
}

void EntryListView::MoveEntry(MoveDirection direction) {
    const int from = m_items.SelectedRow();
    EditResult result = MoveSelected(m_items, direction);
    switch (result.outcome) {
        case EditOutcome::NoSelection:
        case EditOutcome::EmptyField:
            m_desktop.ShowMessage(result.message);
            return;
        case EditOutcome::AtEdge:
            return;
        case EditOutcome::Done:
            break;
    }
    ShowEntry(from);
    ShowEntry(result.row);
    SelectOnly(result.row);
    if (result.label) m_selectedLabel.SetLabel(FromCoreText(*result.label));
}

void EntryListView::Insert(EntryKind kind, const std::string& title) {
    MenuItem entry;
    entry.kind = kind;
    entry.title = title;
    ShowStructureChange(InsertEntry(m_items, std::move(entry)));
}

void EntryListView::Indent(bool in) {
    ShowStructureChange(in ? IndentSelected(m_items) : OutdentSelected(m_items));
}

void EntryListView::ShowStructureChange(const EditResult& result) {
    if (result.outcome == EditOutcome::AtEdge) return;
    if (result.outcome != EditOutcome::Done) {
        m_desktop.ShowMessage(result.message);
        return;
    }
    ShowAll();
    SelectOnly(result.row);
    if (result.label) m_selectedLabel.SetLabel(FromCoreText(*result.label));
}

}  // namespace menulark
