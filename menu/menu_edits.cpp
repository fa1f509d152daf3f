#include "menu/menu_edits.h"

#include "resources/string_table.h"

namespace menulark {
namespace {

// A remembered row that Delete has left past the end counts as none.
bool HasSelection(const MenuItemList& list) {
    return list.SelectedRow() >= 0 && list.SelectedRow() < list.RowCount();
}

EditResult NoSelection() {
    return {EditOutcome::NoSelection, -1, std::string(StringTableText(IDS_SELECT_MENU)), std::nullopt};
}

}  // namespace

EditResult RowToEdit(const MenuItemList& list) {
    if (!HasSelection(list)) return NoSelection();
    return {EditOutcome::Done, list.SelectedRow(), {}, std::nullopt};
}

EditResult ReplaceSelected(MenuItemList& list, std::string title, std::string url, std::string explanation) {
    if (!HasSelection(list)) return NoSelection();
    const int row = list.SelectedRow();
    if (!list.ReplaceRow(row, std::move(title), std::move(url), std::move(explanation)))
        return {EditOutcome::EmptyField, row, std::string(StringTableText(IDS_FILL_ALL_BOXES)), std::nullopt};
    return {EditOutcome::Done, row, {}, std::nullopt};
}

EditResult MoveSelected(MenuItemList& list, MoveDirection direction) {
    if (!HasSelection(list)) return NoSelection();
    const int row = list.SelectedRow();
    const int target = direction == MoveDirection::Up ? row - 1 : row + 1;
    if (target < 0 || target >= list.RowCount()) return {EditOutcome::AtEdge, row, {}, std::nullopt};
    list.SwapRows(row, target, target);
    return {EditOutcome::Done, target, {}, SelectionLabel(target)};
}

}  // namespace menulark
