#include "menu/menu_item_list.h"

#include <utility>

#include "resources/string_table.h"

namespace menulark {

std::string SelectionLabel(int row) {
    std::string label(StringTableText(IDS_SELECTED_ITEM));
    label += ' ';
    label += std::to_string(row + 1);
    return label;
}

bool MenuItemList::AddItem(std::string title, std::string url, std::string explanation) {
    if (title.empty() || url.empty() || explanation.empty()) return false;
    m_items.push_back(MenuItem{std::move(title), std::move(url), std::move(explanation)});
    return true;
}

std::optional<std::string> MenuItemList::NoteSelection(int firstSelectedRow) {
    if (firstSelectedRow < 0) return std::nullopt;
    m_selectedRow = firstSelectedRow;
    return SelectionLabel(firstSelectedRow);
}

DeleteResult MenuItemList::DeleteSelected() {
    if (m_selectedRow < 0) return {DeleteOutcome::NoSelection, -1};
    if (m_selectedRow >= RowCount()) return {DeleteOutcome::OutOfRange, -1};
    // A deleted submenu's entries stay, one level up, in its place.
    const int end = SubtreeEnd(m_selectedRow);
    for (int r = m_selectedRow + 1; r < end; ++r) --m_items[static_cast<size_t>(r)].depth;
    m_items.erase(m_items.begin() + m_selectedRow);
    return {DeleteOutcome::Removed, m_selectedRow};
}

bool MenuItemList::ReplaceRow(int r, std::string title, std::string url, std::string explanation) {
    if (title.empty() || url.empty() || explanation.empty()) return false;
    m_items.at(static_cast<size_t>(r)) = MenuItem{std::move(title), std::move(url), std::move(explanation)};
    return true;
}

void MenuItemList::SwapRows(int a, int b, int remembered) {
    std::swap(m_items.at(static_cast<size_t>(a)), m_items.at(static_cast<size_t>(b)));
    m_selectedRow = remembered;
    NormalizeDepths(m_items);
}

bool MenuItemList::ReplaceEntry(int r, MenuItem entry) {
    MenuItem& row = m_items.at(static_cast<size_t>(r));
    if (!EntryIsComplete(entry, HasSubmenu(r))) return false;
    if (entry.kind == EntryKind::Separator) entry.title.clear();
    if (entry.kind != EntryKind::Link) {
        entry.url.clear();
        entry.explanation.clear();
        entry.newTab = false;
        entry.icon.clear();
    }
    entry.depth = row.depth;
    row = std::move(entry);
    NormalizeDepths(m_items);
    return true;
}

void MenuItemList::ReplaceAll(std::vector<MenuItem> rows, int remembered) {
    m_items = std::move(rows);
    m_selectedRow = remembered;
    NormalizeDepths(m_items);
}

bool MenuItemList::HasSubmenu(int r) const {
    const size_t next = static_cast<size_t>(r) + 1;
    return next < m_items.size() && m_items[next].depth > m_items.at(static_cast<size_t>(r)).depth;
}

int MenuItemList::SubtreeEnd(int r) const {
    const int depth = m_items.at(static_cast<size_t>(r)).depth;
    int end = r + 1;
    while (end < RowCount() && m_items[static_cast<size_t>(end)].depth > depth) ++end;
    return end;
}

bool EntryIsComplete(const MenuItem& entry, bool hasSubmenu) {
    switch (entry.kind) {
        case EntryKind::Separator:
            return true;
        case EntryKind::Heading:
            return !entry.title.empty();
        default:
            return !entry.title.empty() && (hasSubmenu || (!entry.url.empty() && !entry.explanation.empty()));
    }
}

void NormalizeDepths(std::vector<MenuItem>& rows) {
    int allowed = 0;
    for (MenuItem& row : rows) {
        if (row.depth > allowed) row.depth = allowed;
        if (row.depth < 0) row.depth = 0;
        allowed = row.kind == EntryKind::Link ? row.depth + 1 : row.depth;
    }
}

}  // namespace menulark
