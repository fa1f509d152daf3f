#include "menu/menu_edits.h"

#include <utility>
#include <vector>

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

EditResult EmptyField(int row) {
    return {EditOutcome::EmptyField, row, std::string(StringTableText(IDS_FILL_ALL_BOXES)), std::nullopt};
}

}  // namespace

EditResult RowToEdit(const MenuItemList& list) {
    if (!HasSelection(list)) return NoSelection();
    return {EditOutcome::Done, list.SelectedRow(), {}, std::nullopt};
}

EditResult ReplaceSelected(MenuItemList& list, std::string title, std::string url, std::string explanation) {
    if (!HasSelection(list)) return NoSelection();
    MenuItem entry = list.Row(list.SelectedRow());
    entry.title = std::move(title);
    entry.url = std::move(url);
    entry.explanation = std::move(explanation);
    return ReplaceSelected(list, std::move(entry));
}

EditResult ReplaceSelected(MenuItemList& list, MenuItem entry) {
    if (!HasSelection(list)) return NoSelection();
    const int row = list.SelectedRow();
    if (entry.kind == EntryKind::Link && !entry.icon.empty() && !IsValidIcon(entry.icon))
        return {EditOutcome::EmptyField, row, std::string(StringTableText(IDS_BAD_ICON)), std::nullopt};
    if (!list.ReplaceEntry(row, std::move(entry))) return EmptyField(row);
    return {EditOutcome::Done, row, {}, std::nullopt};
}

EditResult InsertEntry(MenuItemList& list, MenuItem entry) {
    const bool selected = HasSelection(list);
    if (!EntryIsComplete(entry, false)) return EmptyField(selected ? list.SelectedRow() : -1);
    std::vector<MenuItem> rows = list.Items();
    const int at = selected ? list.SubtreeEnd(list.SelectedRow()) : list.RowCount();
    entry.depth = selected ? list.Row(list.SelectedRow()).depth : 0;
    rows.insert(rows.begin() + at, std::move(entry));
    list.ReplaceAll(std::move(rows), at);
    return {EditOutcome::Done, at, {}, SelectionLabel(at)};
}

EditResult IndentSelected(MenuItemList& list) {
    if (!HasSelection(list)) return NoSelection();
    const int row = list.SelectedRow();
    const int depth = list.Row(row).depth;
    int above = row - 1;  // the entry above at the same depth, past its own submenu
    while (above >= 0 && list.Row(above).depth > depth) --above;
    if (above < 0 || list.Row(above).depth < depth || list.Row(above).kind != EntryKind::Link)
        return {EditOutcome::AtEdge, row, {}, std::nullopt};
    std::vector<MenuItem> rows = list.Items();
    const int end = list.SubtreeEnd(row);
    for (int r = row; r < end; ++r) ++rows[static_cast<size_t>(r)].depth;
    list.ReplaceAll(std::move(rows), row);
    return {EditOutcome::Done, row, {}, std::nullopt};
}

EditResult OutdentSelected(MenuItemList& list) {
    if (!HasSelection(list)) return NoSelection();
    const int row = list.SelectedRow();
    const int depth = list.Row(row).depth;
    int parent = row - 1;
    while (parent >= 0 && list.Row(parent).depth >= depth) --parent;
    const MenuItem* parentEntry = parent >= 0 ? &list.Row(parent) : nullptr;
    const int end = list.SubtreeEnd(row);
    // A submenu left empty by its only entry would leave a link without a URL behind.
    if (depth == 0 || !parentEntry ||
        (parent + 1 == row && list.SubtreeEnd(parent) == end && !EntryIsComplete(*parentEntry, false)))
        return {EditOutcome::AtEdge, row, {}, std::nullopt};
    const int parentEnd = list.SubtreeEnd(parent);
    std::vector<MenuItem> all = list.Items();
    std::vector<MenuItem> block(all.begin() + row, all.begin() + end);
    for (MenuItem& moved : block) --moved.depth;
    all.erase(all.begin() + row, all.begin() + end);
    const int target = parentEnd - (end - row);
    all.insert(all.begin() + target, block.begin(), block.end());
    list.ReplaceAll(std::move(all), target);
    return {
        EditOutcome::Done, target, {}, target == row ? std::nullopt : std::optional(SelectionLabel(target))};
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
