#include "app/menulark_app.h"

#include <cstdlib>

#include "app/gtk_tuning.h"
#include "app/menulark_dlg.h"
#include "app/startup_probe.h"

namespace menulark {

bool CMenularkApp::OnInit() {
    ApplyCompactControlStyle();
    return true;
}

int CMenularkApp::OnRun() {
    CMenularkDlg dialog;
    SetTopWindow(&dialog);
    // Start-up measurements close the window as soon as it is shown and idle.
    if (std::getenv("MENULARK_CLOSE_WHEN_IDLE")) CloseWhenShownAndIdle(dialog);
    dialog.ShowModal();
    return 0;
}

}  // namespace menulark
