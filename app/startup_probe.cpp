#include "app/startup_probe.h"

#include <wx/dialog.h>

#include <chrono>
#include <cstdio>

#include "app/menulark_dlg.h"

namespace menulark {

void CloseWhenShownAndIdle(wxDialog& dialog) {
    dialog.Bind(wxEVT_IDLE, [&dialog](wxIdleEvent&) {
        if (!dialog.IsShownOnScreen() || !dialog.IsModal()) return;
        auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf(
            "shown-and-idle %lld\n",
            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        dialog.EndModal(kResultCancel);
    });
}

}  // namespace menulark
