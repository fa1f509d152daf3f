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

// --- Rows as ATK objects ---

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

struct RowsAccessible {
    GtkWidgetAccessible parent;
    std::shared_ptr<RowSource>* source;
    std::map<int, AtkObject*>* rows;  // created when first asked for, by index
};
struct RowsAccessibleClass {
    GtkWidgetAccessibleClass parent_class;
};

struct RowAccessible {
    AtkObject parent;
    std::shared_ptr<RowSource>* source;
    int index;
    AtkObject* list;  // not a reference: the list holds its rows, not the other way round
};
struct RowAccessibleClass {
    AtkObjectClass parent_class;
};

GType RowAccessibleType();
GType RowsAccessibleType();

RowAccessible* AsRow(gpointer object) {
    return G_TYPE_CHECK_INSTANCE_CAST(object, RowAccessibleType(), RowAccessible);
}
RowsAccessible* AsRows(gpointer object) {
    return G_TYPE_CHECK_INSTANCE_CAST(object, RowsAccessibleType(), RowsAccessible);
}

bool SourceAlive(std::shared_ptr<RowSource>* source) {
    return source && *source && (*source)->alive;
}

const gchar* RowName(AtkObject* object) {
    RowAccessible* row = AsRow(object);
    if (!SourceAlive(row->source) || row->index >= (*row->source)->count()) return "";
    // Kept in the object so that the pointer stays valid for the caller.
    g_object_set_data_full(G_OBJECT(object), "menulark-name",
                           g_strdup((*row->source)->text(row->index).utf8_str()), g_free);
    return static_cast<const gchar*>(g_object_get_data(G_OBJECT(object), "menulark-name"));
}

AtkStateSet* RowStates(AtkObject* object) {
    AtkStateSet* states = atk_state_set_new();
    RowAccessible* row = AsRow(object);
    if (!SourceAlive(row->source) || row->index >= (*row->source)->count()) {
        atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
        return states;
    }
    const RowSource& source = **row->source;
    for (AtkStateType state : {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE, ATK_STATE_SHOWING,
                               ATK_STATE_SELECTABLE, ATK_STATE_FOCUSABLE})
        atk_state_set_add_state(states, state);
    if (source.selected(row->index)) atk_state_set_add_state(states, ATK_STATE_SELECTED);
    if (source.current() == row->index) {
        atk_state_set_add_state(states, ATK_STATE_ACTIVE);
        AtkObject* list = atk_object_get_parent(object);
        AtkStateSet* listStates = list ? atk_object_ref_state_set(list) : nullptr;
        if (listStates && atk_state_set_contains_state(listStates, ATK_STATE_FOCUSED))
            atk_state_set_add_state(states, ATK_STATE_FOCUSED);
        if (listStates) g_object_unref(listStates);
    }
    return states;
}

gint RowIndex(AtkObject* object) {
    return AsRow(object)->index;
}

AtkObject* RowList(AtkObject* object) {
    return AsRow(object)->list;
}

void RowFinalize(GObject* object) {
    delete AsRow(object)->source;
    G_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(object)))->finalize(object);
}

void RowClassInit(gpointer klass, gpointer) {
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->get_name = RowName;
    atk->ref_state_set = RowStates;
    atk->get_index_in_parent = RowIndex;
    atk->get_parent = RowList;
    G_OBJECT_CLASS(klass)->finalize = RowFinalize;
}

GType RowAccessibleType() {
    static GType type =
        g_type_register_static_simple(ATK_TYPE_OBJECT, "MenularkRowAccessible", sizeof(RowAccessibleClass),
                                      RowClassInit, sizeof(RowAccessible), nullptr, GTypeFlags(0));
    return type;
}

AtkObject* RowAt(RowsAccessible* rows, int index) {
    if (index < 0 || index >= (*rows->source)->count()) return nullptr;
    AtkObject*& row = (*rows->rows)[index];
    if (!row) {
        row = ATK_OBJECT(g_object_new(RowAccessibleType(), nullptr));
        AsRow(row)->source = new std::shared_ptr<RowSource>(*rows->source);
        AsRow(row)->index = index;
        AsRow(row)->list = ATK_OBJECT(rows);
        atk_object_set_role(row, ATK_ROLE_LIST_ITEM);
    }
    return row;
}

// After rows came or went: the cached objects no longer match their rows.
void ForgetRows(RowsAccessible* rows) {
    for (auto& entry : *rows->rows)
        if (AtkObject* row = entry.second) {
            AsRow(row)->index = G_MAXINT;  // reads as gone
            AsRow(row)->list = nullptr;
            atk_object_notify_state_change(row, ATK_STATE_DEFUNCT, TRUE);
            g_object_unref(row);
        }
    rows->rows->clear();
}

gint RowsCount(AtkObject* object) {
    RowsAccessible* rows = AsRows(object);
    return SourceAlive(rows->source) ? (*rows->source)->count() : 0;
}

AtkObject* RowsChild(AtkObject* object, gint index) {
    RowsAccessible* rows = AsRows(object);
    if (!SourceAlive(rows->source)) return nullptr;
    AtkObject* row = RowAt(rows, index);
    return row ? ATK_OBJECT(g_object_ref(row)) : nullptr;
}

AtkStateSet* RowsStates(AtkObject* object) {
    auto* parentClass = ATK_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(object)));
    AtkStateSet* states = parentClass->ref_state_set(object);
    RowsAccessible* rows = AsRows(object);
    if (SourceAlive(rows->source) && (*rows->source)->multiple)
        atk_state_set_add_state(states, ATK_STATE_MULTISELECTABLE);
    return states;
}

void RowsFinalize(GObject* object) {
    RowsAccessible* rows = AsRows(object);
    ForgetRows(rows);
    delete rows->rows;
    delete rows->source;
    G_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(object)))->finalize(object);
}

void RowsInstanceInit(GTypeInstance* instance, gpointer) {
    RowsAccessible* rows = reinterpret_cast<RowsAccessible*>(instance);
    rows->source = new std::shared_ptr<RowSource>();
    rows->rows = new std::map<int, AtkObject*>();
}

std::vector<int> SelectedRows(AtkSelection* selection) {
    std::vector<int> selected;
    RowsAccessible* rows = AsRows(selection);
    if (!SourceAlive(rows->source)) return selected;
    const RowSource& source = **rows->source;
    for (int i = 0, n = source.count(); i < n; ++i)
        if (source.selected(i)) selected.push_back(i);
    return selected;
}

void RowsSelectionInit(gpointer iface, gpointer) {
    auto* selection = static_cast<AtkSelectionIface*>(iface);
    selection->get_selection_count = [](AtkSelection* s) {
        return static_cast<gint>(SelectedRows(s).size());
    };
    selection->is_child_selected = [](AtkSelection* s, gint i) -> gboolean {
        RowsAccessible* rows = AsRows(s);
        return SourceAlive(rows->source) && i >= 0 && i < (*rows->source)->count() &&
               (*rows->source)->selected(i);
    };
    selection->ref_selection = [](AtkSelection* s, gint i) -> AtkObject* {
        std::vector<int> selected = SelectedRows(s);
        if (i < 0 || i >= static_cast<gint>(selected.size())) return nullptr;
        return RowsChild(ATK_OBJECT(s), selected[static_cast<size_t>(i)]);
    };
    selection->add_selection = [](AtkSelection* s, gint i) -> gboolean {
        RowsAccessible* rows = AsRows(s);
        if (!SourceAlive(rows->source) || !(*rows->source)->select || i < 0 || i >= (*rows->source)->count())
            return FALSE;
        (*rows->source)->select(i, true);
        return TRUE;
    };
    selection->clear_selection = [](AtkSelection* s) -> gboolean {
        RowsAccessible* rows = AsRows(s);
        if (!SourceAlive(rows->source) || !(*rows->source)->select) return FALSE;
        for (int i : SelectedRows(s)) (*rows->source)->select(i, false);
        return TRUE;
    };
}

void RowsClassInit(gpointer klass, gpointer) {
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->get_n_children = RowsCount;
    atk->ref_child = RowsChild;
    atk->ref_state_set = RowsStates;
    G_OBJECT_CLASS(klass)->finalize = RowsFinalize;
}

GType RowsAccessibleType() {
    static GType type = [] {
        GType t = g_type_register_static_simple(GTK_TYPE_WIDGET_ACCESSIBLE, "MenularkRowsAccessible",
                                                sizeof(RowsAccessibleClass), RowsClassInit,
                                                sizeof(RowsAccessible), RowsInstanceInit, GTypeFlags(0));
        static const GInterfaceInfo selection{RowsSelectionInit, nullptr, nullptr};
        g_type_add_interface_static(t, ATK_TYPE_SELECTION, &selection);
        return t;
    }();
    return type;
}

// GTK asks a widget's class for its ATK object; wx's own widgets share one
// class, so the class's answer is replaced by one that first looks for an
// object made for this widget.
const char kOwnAccessible[] = "menulark-accessible";
std::map<GtkWidgetClass*, AtkObject* (*)(GtkWidget*)> g_classAccessible;

AtkObject* OwnOrClassAccessible(GtkWidget* widget) {
    if (auto* own = static_cast<AtkObject*>(g_object_get_data(G_OBJECT(widget), kOwnAccessible))) return own;
    for (GType type = G_OBJECT_TYPE(widget); type; type = g_type_parent(type)) {
        auto found = g_classAccessible.find(static_cast<GtkWidgetClass*>(g_type_class_peek(type)));
        if (found != g_classAccessible.end()) return found->second(widget);
    }
    return nullptr;
}

RowsAccessible* GiveRows(GtkWidget* widget, std::shared_ptr<RowSource> source, AtkRole role) {
    auto* klass = GTK_WIDGET_GET_CLASS(widget);
    if (klass->get_accessible != OwnOrClassAccessible) {
        g_classAccessible[klass] = klass->get_accessible;
        klass->get_accessible = OwnOrClassAccessible;
    }
    AtkObject* object = ATK_OBJECT(g_object_new(RowsAccessibleType(), "widget", widget, nullptr));
    *AsRows(object)->source = source;
    atk_object_initialize(object, widget);
    atk_object_set_role(object, role);
    // The object lives as long as the widget; the rows' source dies with the control.
    g_object_set_data_full(G_OBJECT(widget), kOwnAccessible, object, g_object_unref);
    return AsRows(object);
}

void EmitRowsChanged(RowsAccessible* rows, const char* detail, int index) {
    ForgetRows(rows);
    AtkObject* row = detail[0] == 'a' ? RowAt(rows, index) : nullptr;
    g_signal_emit_by_name(rows, detail[0] == 'a' ? "children-changed::add" : "children-changed::remove",
                          index, row);
}

void EmitCurrentRow(RowsAccessible* rows, int index) {
    AtkObject* row = RowAt(rows, index);
    if (!row) return;
    g_signal_emit_by_name(rows, "active-descendant-changed", row);
    atk_object_notify_state_change(row, ATK_STATE_FOCUSED, TRUE);
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
        if (AtkObject* row = RowAt(rows, static_cast<int>(event.GetIndex())))
            atk_object_notify_state_change(row, ATK_STATE_SELECTED,
                                           event.GetEventType() == wxEVT_LIST_ITEM_SELECTED);
        g_signal_emit_by_name(rows, "selection-changed");
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
