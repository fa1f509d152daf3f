#pragma once

#include <wx/app.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class wxCmdLineParser;

namespace menulark {

/// What `menulark [MENU_FILE]` was asked for.
struct WindowArguments {
    std::optional<std::string> menuFile;  ///< opened in the window once it shows
    bool help = false;
    bool version = false;
    std::string error;  ///< for the user; the window does not open
};

/// The window's command line for wxCmdLineParser: --help, --version and
/// one optional menu file ("--" ends the options).
void DescribeWindowCommandLine(wxCmdLineParser& parser);

/// What a command line described so asks for, from the outcome of the
/// parser's Parse(): -1 help, 0 parsed, otherwise a fault that `message`
/// (the parser's own) names.
WindowArguments WindowArgumentsOf(const wxCmdLineParser& parser, int outcome, const std::string& message);

/// Parses the arguments after the program name (the toolkit's own options
/// already taken out) as the program does.
WindowArguments ParseWindowArguments(const std::vector<std::string>& args);

/// "Menulark <version>", the answer to --version.
std::string WindowVersion();

class CMenularkDlg;
class KeptMessages;

/// Opens `path` in `dialog` once its event loop runs, so that a message
/// about the file has the window behind it.
void OpenMenuFileWhenShown(CMenularkDlg& dialog, const std::string& path);

/// Runs the main window once, modally; the process ends when it closes.
/// wxApp's start-up parses the command line through the OnCmdLine hooks.
class CMenularkApp : public wxApp {
public:
    CMenularkApp();
    ~CMenularkApp() override;

    bool OnInit() override;
    int OnRun() override;

    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;
    bool OnCmdLineHelp(wxCmdLineParser& parser) override;
    bool OnCmdLineError(wxCmdLineParser& parser) override;

private:
    std::string TakeParserMessages();

    WindowArguments m_arguments;
    std::string m_usage;
    std::unique_ptr<KeptMessages> m_parserMessages;  // from OnInitCmdLine to the parser's outcome
};

}  // namespace menulark
