// The yardstick for start-up: a bare wx dialog with the same controls,
// font and style sheet as the main window, and none of its logic.
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/icon.h>

#include "app/control_builder.h"
#include "app/gtk_tuning.h"
#include "app/startup_probe.h"
#include "resources/dialog_layout.h"

namespace {

class BareApp : public wxApp {
public:
    bool OnInit() override {
        menulark::ApplyCompactControlStyle();
        return true;
    }
    int OnRun() override {
        const menulark::DialogLayout& layout = menulark::MainWindowLayout();
        wxDialog dialog(nullptr, wxID_ANY, layout.caption, wxDefaultPosition, wxDefaultSize,
                        wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
        menulark::DialogUnitScale scale;
        dialog.SetFont(menulark::LayoutFont());
        menulark::CreateControls(&dialog, layout, scale, dialog.GetFont(), wxIcon());
        dialog.SetClientSize(menulark::LayoutClientSize(layout, scale));
        dialog.Centre();
        menulark::CloseWhenShownAndIdle(dialog);
        dialog.ShowModal();
        return 0;
    }
};

}  // namespace

wxIMPLEMENT_APP(BareApp);
