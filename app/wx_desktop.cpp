#include "app/wx_desktop.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "app/text_conversion.h"
#include "page/default_program.h"

namespace menulark {

void WxDesktop::ShowMessage(const std::string& text) {
    wxMessageBox(FromCoreText(text), m_caption, wxOK | wxICON_EXCLAMATION, m_owner);
}

void WxDesktop::OpenWithDefaultProgram(const std::string& path) {
    // Hands the file to the desktop and returns at once; the result is the
    // desktop's business (it reports its own failures).
#ifdef __WXMSW__
    // The shell's "open" verb, with the path in wide characters.
    ::menulark::OpenWithDefaultProgram(path);
#else
    wxLaunchDefaultApplication(FromCoreText(path));
#endif
}

}  // namespace menulark
