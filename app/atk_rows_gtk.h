#pragma once
// GTK: ATK objects for the rows of a list that wx draws itself, so that
// assistive technology reads them and their selection.

#include <gtk/gtk.h>
#include <wx/string.h>

#include <functional>
#include <memory>

namespace menulark {

// What a list shows, read when assistive technology asks.
struct RowSource {
    std::function<int()> count;
    std::function<wxString(int)> text;
    std::function<bool(int)> selected;
    std::function<int()> current;  // the row the keys are on; -1 for none
    std::function<void(int, bool)> select;
    bool multiple = false;
    bool alive = true;  // false once the control is gone
};

/// A list widget's own ATK object, which shows the rows of its source.
struct RowsAccessible;

/// Makes `widget`'s ATK object one that reads its rows from `source`, with `role`.
RowsAccessible* GiveRows(GtkWidget* widget, std::shared_ptr<RowSource> source, AtkRole role);

/// Tells assistive technology that a row came ("add") or went ("remove") at `index`.
void EmitRowsChanged(RowsAccessible* rows, const char* detail, int index);

/// Tells assistive technology that row `index` was selected or deselected.
void EmitRowSelected(RowsAccessible* rows, int index, bool selected);

/// Tells assistive technology that the keys are now on row `index`.
void EmitCurrentRow(RowsAccessible* rows, int index);

}  // namespace menulark
