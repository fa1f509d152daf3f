#pragma once
// The headless page command's parsing and its run, apart from main() so that
// tests and fuzzers can drive it.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "page/default_program.h"
#include "page/menu_item_list.h"
#include "page/page_generator.h"
#include "style/style_settings.h"

namespace menulark {

struct PageCommandOptions {
    StyleSettings style;  // styledMode and scrollbarColors included
    std::string outputPath = "Popup.htm";
    std::optional<std::string> inputPath;  // standard input when empty
    bool modern = false;                   // the page for current browsers instead of the classic one
    bool open = false;
    bool help = false;
};

/// Result of a parse: either the value or a message for the user.
template <typename T>
struct Parsed {
    std::optional<T> value;
    std::string error;
};

/// Parses the arguments after the program name.
Parsed<PageCommandOptions> ParsePageCommandArgs(const std::vector<std::string>& args);

/// Parses tab-separated lines "title<TAB>url<TAB>explanation". Empty lines
/// are skipped and a carriage return before a line feed is dropped. With
/// `lineNumbers`, the input line (from 1) of each entry is added there.
Parsed<MenuItemList> ParseMenuItems(const std::string& text, std::vector<size_t>* lineNumbers = nullptr);

/// The usage text of --help.
std::string PageCommandUsage();

/// Exit statuses of the command.
enum PageCommandStatus { kStatusOk = 0, kStatusWriteFailed = 1, kStatusUsage = 2 };

/// Opens a file with the desktop's default program; replaced by tests.
using FileOpener = bool (*)(const std::string& path);

/// Runs the whole command; messages go to `out` and `err`.
int RunPageCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, FileOpener opener = OpenWithDefaultProgram);

}  // namespace menulark
