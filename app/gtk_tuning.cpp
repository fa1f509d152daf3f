// GTK only: the default theme pads buttons, entries and combo boxes so much
// that the fixed layout's small controls lose their text. One application-
// wide style sheet takes the padding and minimum sizes out.
#include "app/gtk_tuning.h"

#include <wx/textctrl.h>

#ifdef __WXGTK3__
#include <gtk/gtk.h>
#endif

namespace menulark {

void ApplyCompactControlStyle() {
#ifdef __WXGTK3__
    static const char kCss[] =
        "button { padding: 0 4px; min-height: 0; min-width: 0; }\n"
        "entry { padding-top: 0; padding-bottom: 0; min-height: 0; }\n"
        "combobox button, combobox entry, combobox box { padding-top: 0; padding-bottom: 0; min-height: 0; }\n"
        "combobox arrow { min-width: 8px; min-height: 8px; }\n"
        "checkbutton { padding: 0; min-height: 0; }\n"
        "check { min-width: 12px; min-height: 12px; margin: 0 3px 0 0; }\n"
        "checkbutton.reversed check { margin: 0 0 0 3px; }\n"
        "scrolledwindow.menulark-edit undershoot, scrolledwindow.menulark-edit overshoot { background: none; }\n"
        "scrolledwindow.menulark-edit textview { padding: 2px 4px 0 4px; }\n";
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
#endif
}

long LongEditStyle() {
#ifdef __WXGTK3__
    return wxTE_MULTILINE | wxTE_DONTWRAP | wxTE_NO_VSCROLL;
#else
    return wxTE_PROCESS_ENTER;
#endif
}

void FinishLongEdit(wxTextCtrl* edit) {
#ifdef __WXGTK3__
    GtkWidget* scrolled = static_cast<GtkWidget*>(edit->GetHandle());
    if (!GTK_IS_SCROLLED_WINDOW(scrolled)) return;
    // Scroll with the cursor, but show no scroll bars and request no size.
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scrolled), GTK_POLICY_EXTERNAL, GTK_POLICY_EXTERNAL);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scrolled), GTK_SHADOW_IN);
    gtk_style_context_add_class(gtk_widget_get_style_context(scrolled), "menulark-edit");
#else
    edit->SetMaxLength(0);  // no limit of the control's own
#endif
}

}  // namespace menulark
