#include "menu/menu_item_list.h"

#include <utility>

#include "resources/string_table.h"

namespace menulark {
namespace {

bool IsCombining(char32_t c) {
    return c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0x1F3FB && c <= 0x1F3FF) ||
           (c >= 0x0300 && c <= 0x036F) || (c >= 0xE0020 && c <= 0xE007F) || c == 0x20E3;
}

// An icon is the URL of an image when it holds one of these; otherwise it is
// text of one or two characters, where a character is what a reader sees:
// joined emoji, skin tones, variation selectors and combining marks count
// with the character they follow.
size_t VisibleCharacters(std::string_view text) {
    size_t count = 0;
    bool joined = false;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        if (!IsCombining(c) && !joined) ++count;
        joined = c == 0x200D;
    }
    return count;
}

}  // namespace

bool IsImageIcon(std::string_view icon) {
    return icon.find_first_of("/.:") != std::string_view::npos;
}

bool IsValidIcon(std::string_view icon) {
    return !icon.empty() && (IsImageIcon(icon) || VisibleCharacters(icon) <= 2);
}

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
