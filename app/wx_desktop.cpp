#include "app/wx_desktop.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "app/text_conversion.h"
#include "page/absolute_path.h"

namespace menulark {

void WxDesktop::ShowMessage(const std::string& text) {
    wxMessageBox(FromCoreText(text), m_caption, wxOK | wxICON_EXCLAMATION, m_owner);
}

void WxDesktop::OpenWithDefaultProgram(const std::string& path) {
    // Hands the file to the desktop and returns at once; the result is the
    // desktop's business (it reports its own failures). An absolute path
    // cannot be taken for an option by the program that opens it.
    wxLaunchDefaultApplication(FromCoreText(AbsolutePath(path)));
}

}  // namespace menulark
