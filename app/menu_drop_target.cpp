#include "app/menu_drop_target.h"

#include "app/text_conversion.h"

namespace menulark {

bool MenuFileDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) {
    if (files.empty()) return false;
    return m_open(PathBytes(files[0]));
}

}  // namespace menulark
