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
}

}  // namespace menulark
