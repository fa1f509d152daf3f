// The window with its real folder and its real desktop opener, wherever this
// program is put: it fills in one entry and presses "&Create/Finish" and
// "Help!" with the mouse. Messages go to standard output instead of a box,
// so that nothing waits for a person.
#include <wx/app.h>
#include <wx/init.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <cstdio>

#include "app/gtk_tuning.h"
#include "app/menulark_dlg.h"
#include "app/wx_desktop.h"

namespace {

using namespace menulark;

class PrintingDesktop : public Desktop {
public:
    void ShowMessage(const std::string& text) override { std::printf("message: %s\n", text.c_str()); }
    bool OpenWithDefaultProgram(const std::string& path) override {
        return m_real.OpenWithDefaultProgram(path);
    }

private:
    WxDesktop m_real{nullptr, "probe"};
};

void Settle() {
    for (int i = 0; i < 5; ++i) {
        wxMilliSleep(5);
        wxYield();
    }
}

void ClickOn(wxWindow* control) {
    wxUIActionSimulator person;
    person.MouseMove(control->GetScreenRect().GetLeftTop() + control->GetSize() / 2);
    Settle();
    person.MouseClick();
    Settle();
}

void TypeInto(wxWindow* box, const char* text) {
    ClickOn(box);
    wxUIActionSimulator().Text(text);
    Settle();
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) return 1;
    wxTheApp->CallOnInit();
    ApplyCompactControlStyle();
    {
        PrintingDesktop desktop;
        DialogEnvironment environment;
        environment.desktop = &desktop;
        auto* dialog = new CMenularkDlg(environment);
        dialog->Show();
        dialog->Raise();
        Settle();
        TypeInto(dialog->Control(IDC_TITLE), "Home");
        TypeInto(dialog->Control(IDC_EXPLANATION), "Start");
        for (int id : {IDC_ADD_MENU, IDC_CREATE, IDC_HELP_BUTTON}) ClickOn(dialog->Control(id));
        dialog->Destroy();
        Settle();
    }
    std::fflush(stdout);
    wxEntryCleanup();
    return 0;
}
