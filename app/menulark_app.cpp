#include "app/menulark_app.h"

#include <wx/cmdline.h>
#include <wx/msgout.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/gtk_tuning.h"
#include "app/menulark_dlg.h"
#include "app/startup_probe.h"
#include "app/text_conversion.h"
#include "resources/version.h"

namespace menulark {

// The parser names a fault through wxMessageOutput; while one of these
// lives, that text is kept here instead, for the program's own message.
class KeptMessages : public wxMessageOutput {
public:
    KeptMessages() : m_previous(wxMessageOutput::Set(this)) {}
    ~KeptMessages() override { wxMessageOutput::Set(m_previous); }
    KeptMessages(const KeptMessages&) = delete;
    KeptMessages& operator=(const KeptMessages&) = delete;

    std::string Text() const {
        std::string text = ToCoreText(m_text);
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        return text;
    }

protected:
    void Output(const wxString& text) override { m_text += text; }

private:
    wxMessageOutput* m_previous;
    wxString m_text;
};

void DescribeWindowCommandLine(wxCmdLineParser& parser) {
    static const wxCmdLineEntryDesc kOptions[] = {
        {wxCMD_LINE_SWITCH, "h", "help", "show this help and end", wxCMD_LINE_VAL_NONE,
         wxCMD_LINE_OPTION_HELP},
        {wxCMD_LINE_SWITCH, nullptr, "version", "show the version and end", wxCMD_LINE_VAL_NONE, 0},
        {wxCMD_LINE_PARAM, nullptr, nullptr, "MENU_FILE", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL},
        wxCMD_LINE_DESC_END,
    };
    parser.SetDesc(kOptions);
    parser.SetSwitchChars("-");
    parser.SetLogo("Opens the Menulark window; with MENU_FILE, a menu file (.menu.json) opens in it.\n");
}

WindowArguments WindowArgumentsOf(const wxCmdLineParser& parser, int outcome, const std::string& message) {
    WindowArguments arguments;
    if (outcome == -1) {
        arguments.help = true;
    } else if (outcome != 0) {
        arguments.error = message;
    } else if (parser.Found("version")) {
        arguments.version = true;
    } else if (parser.GetParamCount() > 0) {
        std::string file = PathBytes(parser.GetParam(0));
        if (file.empty())
            arguments.error = "an empty menu file name was given";
        else
            arguments.menuFile = file;
    }
    return arguments;
}

WindowArguments ParseWindowArguments(const std::vector<std::string>& args) {
    std::vector<std::wstring> words{L"menulark"};
    for (const std::string& arg : args) words.push_back(PathText(arg).ToStdWstring());
    std::vector<wxChar*> argv;
    for (std::wstring& word : words) argv.push_back(word.data());
    wxCmdLineParser parser(static_cast<int>(argv.size()), argv.data());
    DescribeWindowCommandLine(parser);
    KeptMessages messages;
    int outcome = parser.Parse(false);
    return WindowArgumentsOf(parser, outcome, messages.Text());
}

std::string WindowVersion() {
    return std::string("Menulark ") + MENULARK_VERSION;
}

void OpenMenuFileWhenShown(CMenularkDlg& dialog, const std::string& path) {
    dialog.CallAfter([&dialog, path] { dialog.OpenMenuFile(path); });
}

CMenularkApp::CMenularkApp() = default;
CMenularkApp::~CMenularkApp() = default;

bool CMenularkApp::OnInit() {
    if (!wxApp::OnInit()) return false;
    ApplyCompactControlStyle();
    return true;
}

void CMenularkApp::OnInitCmdLine(wxCmdLineParser& parser) {
    DescribeWindowCommandLine(parser);
    m_usage = ToCoreText(parser.GetUsageString());
    m_parserMessages = std::make_unique<KeptMessages>();
}

std::string CMenularkApp::TakeParserMessages() {
    std::string text = m_parserMessages ? m_parserMessages->Text() : std::string();
    m_parserMessages.reset();
    return text;
}

// Each outcome lets the start-up go on: OnRun answers help, version and
// faults with the program's own exit status.
bool CMenularkApp::OnCmdLineParsed(wxCmdLineParser& parser) {
    m_arguments = WindowArgumentsOf(parser, 0, TakeParserMessages());
    return true;
}

bool CMenularkApp::OnCmdLineHelp(wxCmdLineParser& parser) {
    m_arguments = WindowArgumentsOf(parser, -1, TakeParserMessages());
    return true;
}

bool CMenularkApp::OnCmdLineError(wxCmdLineParser& parser) {
    m_arguments = WindowArgumentsOf(parser, 1, TakeParserMessages());
    return true;
}

int CMenularkApp::OnRun() {
    if (!m_arguments.error.empty()) {
        std::fprintf(stderr, "menulark: %s\n%s", m_arguments.error.c_str(), m_usage.c_str());
        return 2;
    }
    if (m_arguments.help || m_arguments.version) {
        std::fputs((m_arguments.help ? m_usage : WindowVersion() + "\n").c_str(), stdout);
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
