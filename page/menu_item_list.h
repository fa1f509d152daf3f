#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "page/menu_item.h"

namespace menulark {

enum class DeleteOutcome { Removed, OutOfRange, NoSelection };

struct DeleteResult {
    DeleteOutcome outcome;
    int row;  ///< the removed row for Removed, -1 otherwise
};

/// The menu entries in the order they were added, plus the row that Delete
/// removes. The window mirrors every change into its list control.
class MenuItemList {
    using Storage = std::vector<std::unique_ptr<MenuItem>>;

public:
    /// Walks the entries in order, as const MenuItem&.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = MenuItem;
        using difference_type = std::ptrdiff_t;
        using pointer = const MenuItem*;
        using reference = const MenuItem&;

        explicit const_iterator(Storage::const_iterator at) : m_at(at) {}
        reference operator*() const { return **m_at; }
        pointer operator->() const { return m_at->get(); }
        const_iterator& operator++() {
            ++m_at;
            return *this;
        }
        bool operator==(const const_iterator& o) const { return m_at == o.m_at; }
        bool operator!=(const const_iterator& o) const { return m_at != o.m_at; }

    private:
        Storage::const_iterator m_at;
    };

    MenuItemList() = default;
    MenuItemList(MenuItemList&&) = default;
    MenuItemList& operator=(MenuItemList&&) = default;
    MenuItemList(const MenuItemList& other);
    MenuItemList& operator=(const MenuItemList& other);

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
    const MenuItem& Row(int r) const { return *m_items.at(static_cast<size_t>(r)); }
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }
    /// A copy of the entries, for checks and tools.
    std::vector<MenuItem> Items() const { return {begin(), end()}; }
    int SelectedRow() const { return m_selectedRow; }

    // Editing in place, for the edit and move commands (page/menu_edits.h).
    /// Replaces row r's texts; false (and nothing changes) when a field is empty.
    bool ReplaceRow(int r, std::string title, std::string url, std::string explanation);
    /// Exchanges rows a and b and makes `remembered` the remembered row.
    void SwapRows(int a, int b, int remembered);

private:
    // Entries are held by pointer so that removing a row moves pointers, not
    // strings: Delete stays cheap however long the list grows.
    Storage m_items;
    int m_selectedRow = -1;
};

/// The selection label's text for a remembered row: "Selected item: " + (row + 1).
std::string SelectionLabel(int row);

}  // namespace menulark
