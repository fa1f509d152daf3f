#pragma once

#include <wx/dialog.h>
#include <wx/icon.h>

namespace menulark {

/// "About Menulark": the icon, the version and an OK button.
class CAboutBox : public wxDialog {
public:
    CAboutBox(wxWindow* owner, const wxIcon& icon);
};

}  // namespace menulark
