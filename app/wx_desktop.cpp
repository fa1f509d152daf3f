#include "app/wx_desktop.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#ifdef __WXGTK__
#include <glib.h>

#include <filesystem>
#include <system_error>
#endif

#include "app/text_conversion.h"

namespace menulark {

void WxDesktop::ShowMessage(const std::string& text) {
    wxMessageBox(FromCoreText(text), m_caption, wxOK | wxICON_EXCLAMATION, m_owner);
}

void WxDesktop::OpenWithDefaultProgram(const std::string& path) {
    // Hands the file to the desktop and returns at once; the result is the
    // desktop's business (it reports its own failures).
#ifdef __WXGTK__
    // The desktop's opener gets the file name as the system's own bytes
    // (through wxString they would depend on the locale), as an absolute
    // path, which it cannot take for an option.
    std::error_code error;
    std::string absolute = std::filesystem::absolute(std::filesystem::path(path), error).string();
    if (error) absolute = path;
    gchar* argv[] = {const_cast<gchar*>("xdg-open"), absolute.data(), nullptr};
    GError* failure = nullptr;
    if (!g_spawn_async(nullptr, argv, nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr, &failure))
        g_error_free(failure);
#else
    wxLaunchDefaultApplication(FromCoreText(path));
#endif
}

}  // namespace menulark
