// GTK: the ATK objects of a list's rows. GTK asks a widget's class for its
// ATK object, so the class's answer is wrapped to give the list its own.
#include "app/atk_rows_gtk.h"

#include <gtk/gtk-a11y.h>

#include <map>
#include <vector>

namespace menulark {

struct RowsAccessible {
    GtkWidgetAccessible parent;
    std::shared_ptr<RowSource>* source;
    std::map<int, AtkObject*>* rows;  // created when first asked for, by index
};

namespace {

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

}  // namespace

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

void EmitRowSelected(RowsAccessible* rows, int index, bool selected) {
    if (AtkObject* row = RowAt(rows, index))
        atk_object_notify_state_change(row, ATK_STATE_SELECTED, selected);
    g_signal_emit_by_name(rows, "selection-changed");
}

}  // namespace menulark
