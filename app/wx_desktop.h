#pragma once

#include <wx/window.h>

#include <string>

#include "page/create_page.h"

namespace menulark {

/// The program's desktop: message boxes captioned with the application's
/// name, and the default-application launcher.
class WxDesktop : public Desktop {
public:
    WxDesktop(wxWindow* owner, wxString applicationName)
        : m_owner(owner), m_caption(std::move(applicationName)) {}

    void ShowMessage(const std::string& text) override;
    bool OpenWithDefaultProgram(const std::string& path) override;

private:
    wxWindow* m_owner;
    wxString m_caption;
};

}  // namespace menulark
