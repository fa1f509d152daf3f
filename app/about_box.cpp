#include "app/about_box.h"

#include <wx/button.h>

#include "app/control_builder.h"
#include "app/text_conversion.h"
#include "resources/dialog_layout.h"

namespace menulark {

CAboutBox::CAboutBox(wxWindow* owner, const wxIcon& icon) {
    const DialogLayout& layout = AboutBoxLayout();
    Create(owner, wxID_ANY, FromCoreText(layout.caption), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    DialogUnitScale scale;
    scale.contentScale = FromDIP(1000) / 1000.0;
    SetFont(LayoutFont());
    auto controls = CreateControls(this, layout, scale, GetFont(), icon);
    SetClientSize(LayoutClientSize(layout, scale));
    // OK, Enter, Esc and the close box all close it.
    SetAffirmativeId(IDC_OK);
    SetEscapeId(IDC_OK);
    controls[IDC_OK]->SetFocus();
    CentreOnParent();
}

}  // namespace menulark
