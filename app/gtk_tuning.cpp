// GTK only: the default theme pads buttons, entries and combo boxes so much
// that the fixed layout's small controls lose their text. One application-
// wide style sheet takes the padding and minimum sizes out.
#include "app/gtk_tuning.h"

#include <wx/defs.h>

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
        "checkbutton.reversed check { margin: 0 0 0 3px; }\n";
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
#endif
}

}  // namespace menulark
