#include "app/wx_desktop.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#ifdef __WXGTK__
#include <glib.h>
#endif

#include "app/text_conversion.h"
#include "system/absolute_path.h"
#include "system/default_program.h"

namespace menulark {

void WxDesktop::ShowMessage(const std::string& text) {
    wxMessageBox(FromCoreText(text), m_caption, wxOK | wxICON_EXCLAMATION, m_owner);
}

bool WxDesktop::OpenWithDefaultProgram(const std::string& path) {
    // Hands the file to the desktop and returns at once, where waiting for
    // the opener could hold the window; failures after the hand-over are the
    // desktop's business (it reports its own). An absolute path cannot be
    // taken for an option by the program that opens it.
    std::string absolute = AbsolutePath(path);
#ifdef __WXGTK__
    // The desktop's opener gets the file name as the system's own bytes;
    // through wxString they would depend on the locale.
    gchar* argv[] = {const_cast<gchar*>("xdg-open"), absolute.data(), nullptr};
    GError* failure = nullptr;
    if (!g_spawn_async(nullptr, argv, nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr, &failure)) {
        g_error_free(failure);
        return false;
    }
    return true;
#elif defined(__WXMSW__)
    // The shell's "open" verb, with the path in wide characters.
    return ::menulark::OpenWithDefaultProgram(absolute);
#else
    return wxLaunchDefaultApplication(FromCoreText(absolute));
#endif
}

}  // namespace menulark
