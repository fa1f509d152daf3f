#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "menu/menu_item.h"

namespace menulark {

enum class DeleteOutcome { Removed, OutOfRange, NoSelection };

struct DeleteResult {
    DeleteOutcome outcome;
    int row;  ///< the removed row for Removed, -1 otherwise
};

/// The menu entries in the order they were added, plus the row that Delete
/// removes. The window mirrors every change into its list control.
class MenuItemList {
public:
    /// Appends the entry; false (and nothing changes) when a field is empty.
    bool AddItem(std::string title, std::string url, std::string explanation);

    /// Remembers the lowest selected row (-1: none selected, which changes
    /// nothing). Returns the new text of the selection label, if any.
    std::optional<std::string> NoteSelection(int firstSelectedRow);

    /// Removes the remembered row. The remembered row itself never changes
    /// here, so a second Delete removes the row that moved up into its place.
    DeleteResult DeleteSelected();

    int RowCount() const { return static_cast<int>(m_items.size()); }
    size_t size() const { return m_items.size(); }
    const MenuItem& Row(int r) const { return m_items.at(static_cast<size_t>(r)); }
    std::vector<MenuItem>::const_iterator begin() const { return m_items.begin(); }
    std::vector<MenuItem>::const_iterator end() const { return m_items.end(); }
    /// A copy of the entries, for checks and tools.
    std::vector<MenuItem> Items() const { return m_items; }
    int SelectedRow() const { return m_selectedRow; }

    // Editing in place, for the edit and move commands (page/menu_edits.h).
    /// Replaces row r's texts; false (and nothing changes) when a field is empty.
    bool ReplaceRow(int r, std::string title, std::string url, std::string explanation);
    /// Exchanges rows a and b and makes `remembered` the remembered row.
    /// Depths are then kept within what the rows above allow (NormalizeDepths).
    void SwapRows(int a, int b, int remembered);

    // Structure: separators, headings and submenus (menu/menu_edits.h).
    /// Appends an entry as read from a menu file, which has checked it.
    void AppendEntry(MenuItem item) { m_items.push_back(std::move(item)); }
    /// Replaces row r with `entry` at the row's own depth; false (and nothing
    /// changes) when `entry` lacks a text its kind needs (EntryIsComplete).
    bool ReplaceEntry(int r, MenuItem entry);
    /// Puts `rows` in place of every row and makes `remembered` the
    /// remembered row; depths are kept within what the rows above allow.
    void ReplaceAll(std::vector<MenuItem> rows, int remembered);
    /// Whether row r holds a submenu: the row after it is deeper.
    bool HasSubmenu(int r) const;
    /// The first row after row r and its submenu, to any depth.
    int SubtreeEnd(int r) const;

private:
    std::vector<MenuItem> m_items;
    int m_selectedRow = -1;
};

/// Whether `entry` has the texts its kind needs: a heading its title, a link
/// all three (its URL and explanation may be empty when it holds a submenu).
bool EntryIsComplete(const MenuItem& entry, bool hasSubmenu);

/// Whether an icon is the URL of an image (it holds "/", "." or ":") rather
/// than text.
bool IsImageIcon(std::string_view icon);
/// Whether `icon` is an icon: the URL of an image, or text of one or two
/// characters as a reader sees them (joined emoji, skin tones, variation
/// selectors and combining marks count with the character they follow).
bool IsValidIcon(std::string_view icon);

/// Keeps each row's depth within what the row above allows: the first row at
/// the top, and a row at most one deeper than a link above it, never deeper
/// than a separator or heading above it.
void NormalizeDepths(std::vector<MenuItem>& rows);

/// The selection label's text for a remembered row: "Selected item: " + (row + 1).
std::string SelectionLabel(int row);

}  // namespace menulark
