#pragma once

#include <wx/app.h>

#include <optional>
#include <string>
#include <vector>

namespace menulark {

/// What `menulark [MENU_FILE]` was asked for.
struct WindowArguments {
    std::optional<std::string> menuFile;  ///< opened in the window once it shows
    bool help = false;
    bool version = false;  ///< --version: print it, open no window
    std::string error;  ///< for the user; the window does not open
};

/// Reads the arguments after the program name (the toolkit's own options
/// already taken out).
WindowArguments ParseWindowArguments(const std::vector<std::string>& args);

/// The usage text of --help.
std::string WindowUsage();

class CMenularkDlg;

/// Opens `path` in `dialog` once its event loop runs, so that a message
/// about the file has the window behind it.
void OpenMenuFileWhenShown(CMenularkDlg& dialog, const std::string& path);

/// Runs the main window once, modally; the process ends when it closes.
class CMenularkApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;

private:
    WindowArguments m_arguments;
};

}  // namespace menulark
