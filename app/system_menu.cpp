#include "app/system_menu.h"

#include <wx/toplevel.h>
#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

namespace menulark {

void AddSystemMenuEntry(wxTopLevelWindow* window, int command, const wxString& text) {
#ifdef __WXMSW__
    if (text.empty()) return;
    if (HMENU menu = ::GetSystemMenu(window->GetHWND(), FALSE)) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, command, text.wc_str());
    }
#else
    (void)window;
    (void)command;
    (void)text;
#endif
}

}  // namespace menulark
