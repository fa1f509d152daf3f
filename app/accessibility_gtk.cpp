// GTK: labels become the mnemonic labels of their controls (the label
// relation and the access key in one), names go to the controls' ATK
// objects, and the lists that wx draws itself get ATK objects that show
// their rows.
#include <gtk/gtk-a11y.h>
#include <gtk/gtk.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/odcombo.h>
#include <wx/vlbox.h>
#include <wx/window.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/access_keys.h"
#include "app/accessibility.h"
#include "app/atk_rows_gtk.h"
#include "app/text_conversion.h"

namespace menulark {
namespace {

// --- Finding the widgets ---

void CollectDescendants(GtkWidget* widget, std::vector<GtkWidget*>& found) {
    found.push_back(widget);
    if (!GTK_IS_CONTAINER(widget)) return;
    // forall, not foreach: a combo box's button is an internal child.
    gtk_container_forall(
        GTK_CONTAINER(widget),
        [](GtkWidget* child, gpointer data) {
            CollectDescendants(child, *static_cast<std::vector<GtkWidget*>*>(data));
        },
        &found);
}

wxWindow* RowsWindowOf(wxListCtrl* list);

// The widget that takes the keyboard focus for `control`.
GtkWidget* FocusWidgetOf(wxWindow* control) {
    if (auto* list = dynamic_cast<wxListCtrl*>(control)) control = RowsWindowOf(list);
    GtkWidget* connect = control->GetConnectWidget();
    if (GTK_IS_COMBO_BOX(connect) || gtk_widget_get_can_focus(connect)) return connect;
    std::vector<GtkWidget*> all;
    CollectDescendants(static_cast<GtkWidget*>(control->GetHandle()), all);
    for (GtkWidget* widget : all)
        if (gtk_widget_get_can_focus(widget)) return widget;
    return connect;
}

template <typename Test>
GtkWidget* FindDescendant(GtkWidget* top, Test test) {
    std::vector<GtkWidget*> all;
    CollectDescendants(top, all);
    for (GtkWidget* widget : all)
        if (test(widget)) return widget;
    return nullptr;
}

GtkLabel* LabelWidgetOf(wxWindow* label) {
    GtkWidget* found = FindDescendant(static_cast<GtkWidget*>(label->GetHandle()),
                                      [](GtkWidget* w) { return GTK_IS_LABEL(w); });
    return found ? GTK_LABEL(found) : nullptr;
}

void NameWidget(GtkWidget* widget, const wxString& name) {
    atk_object_set_name(gtk_widget_get_accessible(widget), name.utf8_str());
}

// A wx text with '&' access keys as a GTK text with '_' mnemonics.
std::string MnemonicText(const wxString& text) {
    std::string in = ToCoreText(text), out;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '_')
            out += "__";
        else if (in[i] == '&' && i + 1 < in.size() && in[i + 1] == '&')
            out += in[++i];
        else if (in[i] == '&')
            out += '_';
        else
            out += in[i];
    }
    return out;
}

// The source dies with `control` (a child's destruction, which is reported
// to its parents too, does not count).
void NoteDestruction(wxWindow* control, std::shared_ptr<RowSource> source) {
    control->Bind(wxEVT_DESTROY, [control, source](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() == control) source->alive = false;
    });
}

// The window of a wxListCtrl drawn by wx that holds the rows and the focus.
wxWindow* RowsWindowOf(wxListCtrl* list) {
    for (wxWindow* child : list->GetChildren())
        if (child->AcceptsFocus()) return child;
    return list;
}

}  // namespace

void LinkLabel(wxWindow* label, wxWindow* control, const wxString& name) {
    GtkWidget* target = FocusWidgetOf(control);
    if (GtkLabel* gtkLabel = LabelWidgetOf(label)) {
        gtk_label_set_mnemonic_widget(gtkLabel, target);
        // wx gives a label's key to the outer widget of the control created
        // after it, also later on; the list that wx draws itself takes the
        // focus through wx instead.
        if (dynamic_cast<wxListCtrl*>(control))
            g_signal_connect(gtkLabel, "mnemonic-activate",
                             G_CALLBACK(+[](GtkWidget*, gboolean, gpointer window) {
                                 static_cast<wxWindow*>(window)->SetFocus();
                                 return TRUE;
                             }),
                             control);
        // GTK relates a label to the object it made for the widget; the
        // lists' own objects are related here.
        AtkObject* labelled = gtk_widget_get_accessible(target);
        AtkRelationSet* relations = atk_object_ref_relation_set(labelled);
        if (!atk_relation_set_contains(relations, ATK_RELATION_LABELLED_BY))
            atk_object_add_relationship(labelled, ATK_RELATION_LABELLED_BY,
                                        gtk_widget_get_accessible(GTK_WIDGET(gtkLabel)));
        g_object_unref(relations);
    }
    SetAccessibleName(control, name);
}

void SetAccessibleName(wxWindow* control, const wxString& name) {
    GtkWidget* target = FocusWidgetOf(control);
    NameWidget(target, name);
    // A drop-down's focus rests on its inner button: it carries the name too.
    if (GTK_IS_COMBO_BOX(target))
        if (GtkWidget* button = FindDescendant(target, [](GtkWidget* w) { return GTK_IS_TOGGLE_BUTTON(w); }))
            NameWidget(button, name);
}

void SetAccessibleDescription(wxWindow* control, const wxString& description) {
    // GTK also reads a tooltip as the description, but only from the widget
    // that carries the tooltip, which is not always the one that takes the focus.
    atk_object_set_description(gtk_widget_get_accessible(FocusWidgetOf(control)), description.utf8_str());
}

void MarkAsMenuButton(wxWindow* button) {
#if ATK_CHECK_VERSION(2, 46, 0)
    atk_object_set_role(gtk_widget_get_accessible(FocusWidgetOf(button)), ATK_ROLE_PUSH_BUTTON_MENU);
#else
    (void)button;  // older ATK has no menu-button role: it stays a push button
#endif
}

void LinkOwnText(wxCheckBox* box) {
    GtkWidget* top = static_cast<GtkWidget*>(box->GetHandle());
    GtkWidget* check = FindDescendant(top, [](GtkWidget* w) { return GTK_IS_CHECK_BUTTON(w); });
    GtkWidget* label = FindDescendant(top, [](GtkWidget* w) { return GTK_IS_LABEL(w); });
    if (!check) return;
    if (label && gtk_widget_get_parent(label) != check) {
        // The text stands beside the box in a label of its own.
        if (gtk_label_get_mnemonic_keyval(GTK_LABEL(label)) == GDK_KEY_VoidSymbol)
            gtk_label_set_text_with_mnemonic(GTK_LABEL(label), MnemonicText(box->GetLabel()).c_str());
        gtk_label_set_mnemonic_widget(GTK_LABEL(label), check);
    }
    NameWidget(check, FromCoreText(SpokenLabel(ToCoreText(box->GetLabel()))));
}

void ExposeListRows(wxListCtrl* list) {
    auto source = std::make_shared<RowSource>();
    source->count = [list] { return list->GetItemCount(); };
    source->text = [list](int row) {
        wxString text;
        for (int column = 0; column < list->GetColumnCount(); ++column)
            text += (column ? ", " : "") + list->GetItemText(row, column);
        return text;
    };
    source->selected = [list](int row) { return list->GetItemState(row, wxLIST_STATE_SELECTED) != 0; };
    source->current = [list] {
        return static_cast<int>(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED));
    };
    source->select = [list](int row, bool on) {
        list->SetItemState(row, on ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
    };
    source->multiple = !list->HasFlag(wxLC_SINGLE_SEL);
    wxWindow* rowsWindow = RowsWindowOf(list);
    RowsAccessible* rows = GiveRows(rowsWindow->GetConnectWidget(), source, ATK_ROLE_LIST);

    NoteDestruction(list, source);
    list->Bind(wxEVT_LIST_INSERT_ITEM, [rows](wxListEvent& event) {
        event.Skip();
        EmitRowsChanged(rows, "add", static_cast<int>(event.GetIndex()));
    });
    list->Bind(wxEVT_LIST_DELETE_ITEM, [rows](wxListEvent& event) {
        event.Skip();
        EmitRowsChanged(rows, "remove", static_cast<int>(event.GetIndex()));
    });
    list->Bind(wxEVT_LIST_DELETE_ALL_ITEMS, [rows](wxListEvent& event) {
        event.Skip();
        EmitRowsChanged(rows, "remove", -1);
    });
    auto selectionChanged = [rows](wxListEvent& event) {
        event.Skip();
        EmitRowSelected(rows, static_cast<int>(event.GetIndex()),
                        event.GetEventType() == wxEVT_LIST_ITEM_SELECTED);
    };
    list->Bind(wxEVT_LIST_ITEM_SELECTED, selectionChanged);
    list->Bind(wxEVT_LIST_ITEM_DESELECTED, selectionChanged);
    list->Bind(wxEVT_LIST_ITEM_FOCUSED, [rows](wxListEvent& event) {
        event.Skip();
        EmitCurrentRow(rows, static_cast<int>(event.GetIndex()));
    });
}

void ExposePickListItems(wxOwnerDrawnComboBox* list) {
    auto source = std::make_shared<RowSource>();
    // While the list is open the keys move its highlight; closed, the
    // chosen entry is the current one.
    auto highlighted = [list] {
        auto* rows =
            list->IsPopupShown() ? dynamic_cast<wxVListBox*>(list->GetPopupControl()->GetControl()) : nullptr;
        return rows ? rows->GetSelection() : list->GetSelection();
    };
    source->count = [list] { return static_cast<int>(list->GetCount()); };
    source->text = [list](int row) { return list->GetString(static_cast<unsigned>(row)); };
    source->selected = [highlighted](int row) { return highlighted() == row; };
    source->current = highlighted;
    RowsAccessible* rows = GiveRows(list->GetConnectWidget(), source, ATK_ROLE_LIST_BOX);
    NoteDestruction(list, source);
    // The entry the keys or the opening land on is announced.
    auto announce = [rows, highlighted](wxEvent& event) {
        event.Skip();
        EmitCurrentRow(rows, highlighted());
    };
    list->Bind(wxEVT_COMBOBOX_DROPDOWN, announce);
    list->Bind(wxEVT_KEY_UP, announce);
}

}  // namespace menulark
