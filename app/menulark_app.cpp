#include "app/menulark_app.h"

#include <cstdio>
#include <cstdlib>

#include "app/gtk_tuning.h"
#include "app/menulark_dlg.h"
#include "app/startup_probe.h"
#include "app/text_conversion.h"
#include "resources/version.h"

namespace menulark {

WindowArguments ParseWindowArguments(const std::vector<std::string>& args) {
    WindowArguments parsed;
    auto fail = [](std::string message) {
        WindowArguments failed;
        failed.error = std::move(message);
        return failed;
    };
    bool onlyFiles = false;
    for (const std::string& arg : args) {
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && (arg == "--help" || arg == "-h")) {
            parsed.help = true;
        } else if (!onlyFiles && arg == "--version") {
            parsed.version = true;
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            return fail("unknown option " + arg);
        } else if (arg.empty()) {
            return fail("an empty menu file name was given");
        } else if (parsed.menuFile) {
            return fail("more than one menu file given");
        } else {
            parsed.menuFile = arg;
        }
    }
    return parsed;
}

std::string WindowUsage() {
    return "Usage: menulark [MENU_FILE]\n"
           "\n"
           "Opens the Menulark window; with MENU_FILE, a menu file (.menu.json)\n"
           "opens in it.\n"
           "\n"
           "  --help     show this text\n"
           "  --version  show the version\n";
}

void OpenMenuFileWhenShown(CMenularkDlg& dialog, const std::string& path) {
    dialog.CallAfter([&dialog, path] { dialog.OpenMenuFile(path); });
}

bool CMenularkApp::OnInit() {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(PathBytes(argv[i]));
    m_arguments = ParseWindowArguments(args);
    ApplyCompactControlStyle();
    return true;
}

int CMenularkApp::OnRun() {
    if (!m_arguments.error.empty()) {
        std::fprintf(stderr, "menulark: %s\n%s", m_arguments.error.c_str(), WindowUsage().c_str());
        return 2;
    }
    if (m_arguments.help) {
        std::fputs(WindowUsage().c_str(), stdout);
        return 0;
    }
    if (m_arguments.version) {
        std::fputs("menulark " MENULARK_VERSION "\n", stdout);
        return 0;
    }
    CMenularkDlg dialog;
    SetTopWindow(&dialog);
    if (m_arguments.menuFile) OpenMenuFileWhenShown(dialog, *m_arguments.menuFile);
    // Start-up measurements close the window as soon as it is shown and idle.
    if (std::getenv("MENULARK_CLOSE_WHEN_IDLE")) CloseWhenShownAndIdle(dialog);
    dialog.ShowModal();
    return 0;
}

}  // namespace menulark
