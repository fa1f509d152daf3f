#include "app/menulark_app.h"

#include <wx/utils.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/gtk_tuning.h"
#include "app/menulark_dlg.h"

namespace menulark {

bool CMenularkApp::OnInit() {
    ApplyCompactControlStyle();
    return true;
}

int CMenularkApp::OnRun() {
    CMenularkDlg dialog;
    SetTopWindow(&dialog);
    // Start-up measurements: report the moment the window is shown and
    // idle (on the system-wide monotonic clock), then close.
    if (std::getenv("MENULARK_CLOSE_WHEN_IDLE")) {
        dialog.Bind(wxEVT_IDLE, [&dialog](wxIdleEvent&) {
            if (!dialog.IsShownOnScreen() || !dialog.IsModal()) return;
            auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("shown-and-idle %lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            dialog.EndModal(2);
        });
    }
    dialog.ShowModal();
    return 0;
}

}  // namespace menulark
