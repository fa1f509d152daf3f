#pragma once
// The edit and move commands on the remembered row, apart from the window:
// what changes, which row holds the entry afterwards, and what to tell the user.

#include <optional>
#include <string>

#include "menu/menu_item_list.h"

namespace menulark {

enum class EditOutcome {
    Done,         ///< the list changed
    NoSelection,  ///< no row is remembered, or it is gone: nothing changes, `message` says so
    EmptyField,   ///< a text was empty: nothing changes, `message` says so
    AtEdge,       ///< already the first (up) or last (down) row: nothing changes, nothing is said
};

struct EditResult {
    EditOutcome outcome;
    int row = -1;                      ///< the remembered row afterwards; -1 for NoSelection
    std::string message;               ///< for the user; empty when there is nothing to say
    std::optional<std::string> label;  ///< the selection label's new text, when it changes
};

/// The row whose texts the edit dialog shows: the remembered row.
EditResult RowToEdit(const MenuItemList& list);

/// Replaces the remembered row's texts, with the same rule and message as
/// adding an entry. The row stays where it is and stays remembered.
EditResult ReplaceSelected(MenuItemList& list, std::string title, std::string url, std::string explanation);

/// Replaces the remembered row with `entry` (its kind, texts, new tab and
/// icon; the row keeps its depth). The texts its kind needs must not be empty.
EditResult ReplaceSelected(MenuItemList& list, MenuItem entry);

/// Inserts `entry` (a separator, or a heading with its title) after the
/// remembered row and its submenu, at the row's depth; at the end when no
/// row is remembered. The new row becomes the remembered row.
EditResult InsertEntry(MenuItemList& list, MenuItem entry);

/// Moves the remembered row, with its submenu, into the submenu of the link
/// above it at its depth (making one when there is none), or out of its
/// submenu to just after it. The remembered row follows the entry.
EditResult IndentSelected(MenuItemList& list);
EditResult OutdentSelected(MenuItemList& list);

enum class MoveDirection { Up, Down };

/// Moves the remembered row one place; the remembered row (and so the label
/// and the window's selection) follows the moved entry.
EditResult MoveSelected(MenuItemList& list, MoveDirection direction);

}  // namespace menulark
