// GTK only: the default theme pads buttons, entries and combo boxes so much
// that the fixed layout's small controls lose their text. One application-
// wide style sheet takes the padding and minimum sizes out.
#include "app/gtk_tuning.h"

#include <wx/textctrl.h>

#ifdef __WXGTK3__
#include <gtk/gtk.h>

#include <string>
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
        "scrolledwindow.menulark-edit undershoot, scrolledwindow.menulark-edit overshoot { background: none; }\n";
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
#endif
}

#ifdef __WXGTK3__
namespace {

// Runs before the buffer takes a text in (typing, paste, middle-click paste,
// drop, setting the value) and puts the text in with every line break as a
// blank. Changing the buffer after the insert instead, while GTK is still
// inside it, leaves GTK with invalid iterators and crashes it.
void InsertAsOneLine(GtkTextBuffer* buffer, GtkTextIter* location, gchar* text, gint length, gpointer) {
    std::string line(text, length < 0 ? std::char_traits<char>::length(text) : static_cast<size_t>(length));
    if (line.find_first_of("\r\n") == std::string::npos) return;
    std::string oneLine;
    oneLine.reserve(line.size());
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n') continue;  // CR LF: one blank
        oneLine += (line[i] == '\r' || line[i] == '\n') ? ' ' : line[i];
    }
    // The nested insert keeps `location` valid for GTK's own code after it.
    g_signal_handlers_block_by_func(buffer, reinterpret_cast<gpointer>(InsertAsOneLine), nullptr);
    gtk_text_buffer_insert(buffer, location, oneLine.data(), static_cast<gint>(oneLine.size()));
    g_signal_handlers_unblock_by_func(buffer, reinterpret_cast<gpointer>(InsertAsOneLine), nullptr);
    g_signal_stop_emission_by_name(buffer, "insert-text");
}

}  // namespace
#endif

long LongEditStyle() {
#ifdef __WXGTK3__
    return wxTE_MULTILINE | wxTE_DONTWRAP | wxTE_NO_VSCROLL;
#else
    return 0;
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
    GtkWidget* view = gtk_bin_get_child(GTK_BIN(scrolled));
    if (!GTK_IS_TEXT_VIEW(view)) return;
    // The room around the text as margins, not as CSS padding: once the view
    // has scrolled sideways GTK leaves the padding unpainted, a black bar.
    gtk_text_view_set_left_margin(GTK_TEXT_VIEW(view), 4);
    gtk_text_view_set_right_margin(GTK_TEXT_VIEW(view), 4);
    gtk_text_view_set_top_margin(GTK_TEXT_VIEW(view), 2);
    g_signal_connect(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)), "insert-text",
                     G_CALLBACK(InsertAsOneLine), nullptr);
#else
    edit->SetMaxLength(0);  // no limit of the control's own
#endif
}

}  // namespace menulark
