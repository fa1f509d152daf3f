#pragma once
// The headless page command's parsing and its run, apart from main() so that
// tests and fuzzers can drive it.

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "menu/menu_file.h"
#include "menu/menu_item_list.h"
#include "menu/style_settings.h"
#include "page/create_page.h"
#include "page/modern_page.h"
#include "system/read_file.h"

namespace menulark {

struct PageCommandOptions {
    StyleSettings style;  // styledMode and scrollbarColors included
    std::string outputPath = kPageFileName;
    std::optional<std::string> inputPath;  // standard input when empty
    bool modern = false;                   // the page for current browsers instead of the classic one
    ModernPageOptions page;                // modern only: label, language, snippet and its target
    bool open = false;
    bool help = false;
    bool version = false;                     // --version: print the version, write nothing
    bool outputGiven = false;                 // -o was given
    bool labelGiven = false;                  // --label was given (it overrides a menu file's label)
    bool langGiven = false;                   // --lang was given (it overrides a menu file's language)
    bool menuInput = false;                   // --menu: the input is a menu file, whatever it looks like
    std::optional<std::string> saveMenuPath;  // --save-menu: where the menu file goes
    std::optional<std::string> assetsFolder;  // --assets: the snippet's style sheet and script go there
    std::optional<std::string> assetsUrl;     // --assets-url: the snippet finds them there instead
    bool csp = false;                         // --csp: print the policy sources of the inline code
    // The --set values in the order given, laid over a menu file's style.
    std::vector<std::pair<std::string, std::string>> setValues;
};

/// Result of a parse: either the value or a message for the user.
template <typename T>
struct Parsed {
    std::optional<T> value;
    std::string error;
};

/// Parses the arguments after the program name.
Parsed<PageCommandOptions> ParsePageCommandArgs(const std::vector<std::string>& args);

/// Lays the options given over a menu file's values: --styled,
/// --no-scrollbar-colors, --modern and each --set.
void ApplyOptionsToMenu(const PageCommandOptions& options, MenuDocument& menu);

/// Parses tab-separated lines "title<TAB>url<TAB>explanation". Empty lines
/// are skipped and a carriage return before a line feed is dropped. With
/// `lineNumbers`, the input line (from 1) of each entry is added there.
Parsed<MenuItemList> ParseMenuItems(const std::string& text, std::vector<size_t>* lineNumbers = nullptr);

/// The usage text of --help.
std::string PageCommandUsage();

/// Exit statuses of the command.
enum PageCommandStatus { kStatusOk = 0, kStatusWriteFailed = 1, kStatusUsage = 2 };

/// The command's desktop: reports go to its output streams ("Wrote ..." to
/// `out`, faults to `err`), and pages open with the system's default
/// program. Tests replace the opening.
class CommandDesktop : public Desktop {
public:
    CommandDesktop(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    std::ostream& Out() { return m_out; }
    std::ostream& Err() { return m_err; }

    void ShowMessage(const std::string& text) override;
    bool OpenWithDefaultProgram(const std::string& path) override;
    void ReportWriteFailed(const std::string& path, const WriteResult& written) override;
    void ReportWritten(const std::string& path, size_t entries) override;
    void ReportFileWritten(const std::string& path) override;
    void ReportOpenFailed(const std::string& path) override;

private:
    std::ostream& m_out;
    std::ostream& m_err;
};

/// Runs the whole command, reading entries from `in` when no file is named.
/// Input beyond `inputLimit` bytes is refused (tests lower it).
int RunPageCommand(const std::vector<std::string>& args, std::istream& in, CommandDesktop& desktop,
                   size_t inputLimit = kInputLimitBytes);

}  // namespace menulark
