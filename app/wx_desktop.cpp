#include "app/wx_desktop.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "app/text_conversion.h"
#include "page/absolute_path.h"

namespace menulark {

void WxDesktop::ShowMessage(const std::string& text) {
    wxMessageBox(FromCoreText(text), m_caption, wxOK | wxICON_EXCLAMATION, m_owner);
}

bool WxDesktop::OpenWithDefaultProgram(const std::string& path) {
    // wx's launcher hands the file over and returns at once, where waiting
    // for a helper program could hold the window; failures after the
    // hand-over are the desktop's business (it reports its own). An absolute
    // path cannot be taken for an option by the program that opens it.
    return wxLaunchDefaultApplication(FromCoreText(AbsolutePath(path)));
}

}  // namespace menulark
