#include "tools/page_command.h"

#include <unistd.h>  // STDIN_FILENO

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <iterator>
#include <sstream>

#include "menu/language_code.h"
#include "page/content_security_policy.h"
#include "page/contrast.h"
#include "page/modern_page.h"
#include "page/url_scheme.h"
#include "resources/string_table.h"
#include "resources/version.h"
#include "system/default_program.h"
#include "system/read_file.h"
#include "system/text_place.h"
#include "system/utf8_check.h"

namespace menulark {

namespace {

// What an option does with the command's options; a non-empty result is
// the message that refuses the arguments.
struct ParseState {
    PageCommandOptions options;
    std::string modernOnly;  // the first option that only the modern page knows
    bool targetGiven = false;
};
using OptionAction = std::string (*)(ParseState& state, const std::string& value);

// How an option takes an empty value.
enum class EmptyValue { Taken, NeedsValue, NeedsFileName };

// One option: its name, the name of its value (none for a switch), its
// lines of --help text, and what it does. Parsing and --help both come
// from kOptions, in its order.
struct OptionRow {
    const char* name;
    const char* valueName;  // nullptr: a switch
    std::vector<std::string> help;
    EmptyValue empty;
    OptionAction apply;
};

// A value that only the modern page takes: --target, --label and --lang.
std::string ModernValue(ParseState& state, const char* option, std::string& field, const std::string& value) {
    field = value;
    if (state.modernOnly.empty()) state.modernOnly = option;
    return {};
}

std::string SetStyleValue(ParseState& state, const std::string& value) {
    size_t equals = value.find('=');
    if (equals == std::string::npos) return "--set takes FIELD=VALUE, got \"" + Excerpt(value) + "\"";
    std::string name = value.substr(0, equals);
    std::string* field = FindStyleField(state.options.style, name);
    if (!field) return "unknown style field \"" + Excerpt(name) + "\" (see --help for the list)";
    *field = value.substr(equals + 1);
    state.options.setValues.emplace_back(name, *field);
    return {};
}

std::vector<std::string> StyleFieldLines() {
    std::vector<std::string> lines = {"set a style value (repeatable); FIELD is one of:"};
    for (const StyleField& field : StyleFields()) lines.push_back("  " + std::string(field.name));
    return lines;
}

const std::vector<OptionRow>& Options() {
    static const std::vector<OptionRow> kOptions = {
        {"--styled",
         nullptr,
         {"use the styled look (default: the simple look)"},
         EmptyValue::Taken,
         [](ParseState& s, const std::string&) {
             s.options.style.styledMode = true;
             return std::string();
         }},
        {"--no-scrollbar-colors",
         nullptr,
         {"styled look without scroll-bar colours"},
         EmptyValue::Taken,
         [](ParseState& s, const std::string&) {
             s.options.style.scrollbarColors = false;
             return std::string();
         }},
        {"--modern",
         nullptr,
         {"write the menu as a page for current browsers", "(default: the classic page)"},
         EmptyValue::Taken,
         [](ParseState& s, const std::string&) {
             s.options.modern = true;
             return std::string();
         }},
        {"--snippet",
         nullptr,
         {"with --modern: write only what goes into a page of",
          "your own: one style element, the menu, one script"},
         EmptyValue::Taken,
         [](ParseState& s, const std::string&) {
             s.options.page.snippet = true;
             return std::string();
         }},
        {"--target",
         "SELECTOR",
         {"with --snippet: open the menu on the elements that",
          "match this CSS selector (default: the whole page)"},
         EmptyValue::NeedsValue,
         [](ParseState& s, const std::string& value) {
             s.targetGiven = true;
             return ModernValue(s, "--target", s.options.page.target, value);
         }},
        {"--assets",
         "DIR",
         {"with --snippet: write the style sheet and the script",
          "as two files in DIR (named after the menu's class),",
          "for sites whose Content-Security-Policy allows no",
          "inline code; the snippet refers to them as DIR/NAME"},
         EmptyValue::NeedsFileName,
         [](ParseState& s, const std::string& value) {
             s.options.assetsFolder = value;
             return std::string();
         }},
        {"--assets-url",
         "URL",
         {"with --assets: the snippet refers to the files as", "URL/NAME instead"},
         EmptyValue::NeedsValue,
         [](ParseState& s, const std::string& value) {
             s.options.assetsUrl = value;
             return std::string();
         }},
        {"--csp",
         nullptr,
         {"with --modern: print the Content-Security-Policy",
          "sources the page's inline style and script need"},
         EmptyValue::Taken,
         [](ParseState& s, const std::string&) {
             s.options.csp = true;
             if (s.modernOnly.empty()) s.modernOnly = "--csp";
             return std::string();
         }},
        {"--label",
         "TEXT",
         {"with --modern: the menu's accessible name (default: Menu)"},
         EmptyValue::NeedsValue,
         [](ParseState& s, const std::string& value) {
             s.options.labelGiven = true;
             return ModernValue(s, "--label", s.options.page.label, value);
         }},
        {"--lang",
         "CODE",
         {"with --modern: the language of the page (default: en)"},
         EmptyValue::NeedsValue,
         [](ParseState& s, const std::string& value) {
             if (!IsLanguageCode(value))
                 return std::string("--lang takes ") + kLanguageCodeExample + ", got \"" + Excerpt(value) +
                        "\"";
             s.options.langGiven = true;
             return ModernValue(s, "--lang", s.options.page.lang, value);
         }},
        {"--menu",
         nullptr,
         {"read the input as a menu file, whatever it looks like"},
         EmptyValue::Taken,
         [](ParseState& s, const std::string&) {
             s.options.menuInput = true;
             return std::string();
         }},
        {"--save-menu",
         "FILE",
         {"write the menu file for the entries and options read",
          "to FILE instead of a page (give -o or --open to write", "the page as well)"},
         EmptyValue::NeedsFileName,
         [](ParseState& s, const std::string& value) {
             s.options.saveMenuPath = value;
             return std::string();
         }},
        {"--set", "FIELD=VALUE", StyleFieldLines(), EmptyValue::Taken, SetStyleValue},
        {"-o",
         "FILE",
         {std::string("write the page to FILE (default: ") + kPageFileName + ")"},
         EmptyValue::NeedsFileName,
         [](ParseState& s, const std::string& value) {
             s.options.outputPath = value;
             s.options.outputGiven = true;
             return std::string();
         }},
        {"--open",
         nullptr,
         {"open the written page with the default program"},
         EmptyValue::Taken,
         [](ParseState& s, const std::string&) {
             s.options.open = true;
             return std::string();
         }},
        {"--help",
         nullptr,
         {"show this text"},
         EmptyValue::Taken,
         [](ParseState& s, const std::string&) {
             s.options.help = true;
             return std::string();
         }},
        {"--version",
         nullptr,
         {"show the version"},
         EmptyValue::Taken,
         [](ParseState& s, const std::string&) {
             s.options.version = true;
             return std::string();
         }},
    };
    return kOptions;
}

const OptionRow* FindOption(const std::string& arg) {
    for (const OptionRow& row : Options())
        if (arg == row.name) return &row;
    return nullptr;
}

}  // namespace

std::string PageCommandUsage() {
    std::string usage =
        "Usage: menulark-page [OPTIONS] [FILE]\n"
        "\n"
        "Writes a page with a right-click menu. Reads the menu entries from FILE,\n"
        "or from standard input (no FILE, or -), one per line: title, URL and explanation,\n"
        "separated by tabs. Empty lines are skipped. Lines end in LF or CR LF.\n"
        "FILE may also be a menu file (.menu.json, as the window saves it): its\n"
        "entries and settings are used, and the options given here override them.\n"
        "Input whose first line starts with { and holds no tab is read as a menu file.\n"
        "The input must be UTF-8; otherwise nothing is written and the message names\n"
        "the line and the first bad byte, counted from 1 within that line.\n"
        "An entry whose URL uses the javascript:, vbscript: or data: scheme can run\n"
        "script in the page: each one gets a warning on standard error, and the page\n"
        "is written all the same.\n"
        "\n"
        "Options:\n";
    constexpr size_t kHelpColumn = 25;  // where the option texts start
    for (const OptionRow& row : Options()) {
        std::string head = std::string("  ") + row.name;
        if (row.valueName) head += std::string(" ") + row.valueName;
        head.resize(std::max(kHelpColumn, head.size() + 1), ' ');
        for (size_t line = 0; line < row.help.size(); ++line)
            usage += (line == 0 ? head : std::string(kHelpColumn, ' ')) + row.help[line] + "\n";
    }
    usage +=
        "\n"
        "Exit status: 0 written, 1 the page, the menu file or the report on standard\n"
        "output could not be written, 2 bad arguments, bad input or input that cannot\n"
        "be read.\n";
    return usage;
}

Parsed<PageCommandOptions> ParsePageCommandArgs(const std::vector<std::string>& args) {
    ParseState state;
    PageCommandOptions& options = state.options;
    auto fail = [](std::string message) {
        return Parsed<PageCommandOptions>{std::nullopt, std::move(message)};
    };
    bool onlyFiles = false;
    bool readsStandardInput = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const OptionRow* option = onlyFiles ? nullptr : FindOption(arg);
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (option) {
            std::string value;
            if (option->valueName) {
                if (i + 1 >= args.size()) return fail("option " + arg + " needs a value");
                value = args[++i];
                if (value.empty() && option->empty == EmptyValue::NeedsValue)
                    return fail("option " + arg + " needs a value");
                if (value.empty() && option->empty == EmptyValue::NeedsFileName)
                    return fail("option " + arg + " needs a file name");
            }
            std::string error = option->apply(state, value);
            if (!error.empty()) return fail(error);
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            return fail("unknown option " + Excerpt(arg));
        } else if (!onlyFiles && arg == "-") {
            if (readsStandardInput || options.inputPath) return fail("more than one input file given");
            readsStandardInput = true;  // the usual name for standard input
        } else {
            if (arg.empty()) return fail("an empty input file name was given");
            if (readsStandardInput) return fail("more than one input file given");
            if (options.inputPath) return fail("more than one input file given");
            options.inputPath = arg;
        }
    }
    if (options.page.snippet && state.modernOnly.empty()) state.modernOnly = "--snippet";
    if (!state.modernOnly.empty() && !options.modern)
        return fail("option " + state.modernOnly + " needs --modern");
    if (state.targetGiven && !options.page.snippet) return fail("option --target needs --snippet");
    if (options.assetsFolder && !options.page.snippet) return fail("option --assets needs --snippet");
    if (options.assetsUrl && !options.assetsFolder) return fail("option --assets-url needs --assets");
    if (options.csp && options.assetsFolder)
        return fail("option --csp needs inline code, and --assets leaves none in the snippet");
    if (options.assetsFolder) options.page.assetsUrl = options.assetsUrl.value_or(*options.assetsFolder);
    return {std::move(options), {}};
}

void ApplyOptionsToMenu(const PageCommandOptions& options, MenuDocument& menu) {
    if (options.style.styledMode) menu.style.styledMode = true;
    if (!options.style.scrollbarColors) menu.style.scrollbarColors = false;
    if (options.modern) menu.flavor = PageFlavor::Modern;
    if (options.labelGiven) menu.modernLabel = options.page.label;
    if (options.langGiven) menu.modernLanguage = options.page.lang;
    for (const auto& [name, value] : options.setValues) *FindStyleField(menu.style, name) = value;
}

Parsed<MenuItemList> ParseMenuItems(const std::string& text, std::vector<size_t>* lineNumbers) {
    MenuItemList items;
    size_t lineNumber = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;

        size_t firstTab = line.find('\t');
        size_t secondTab = firstTab == std::string_view::npos ? firstTab : line.find('\t', firstTab + 1);
        if (secondTab == std::string_view::npos || line.find('\t', secondTab + 1) != std::string_view::npos) {
            // Lines ended by a lone CR run together into one: say so rather
            // than count their tabs.
            if (line.find('\r') != std::string_view::npos)
                return {std::nullopt, "line " + std::to_string(lineNumber) +
                                          ": the line ends are CR only (carriage returns without line "
                                          "feeds); end the lines with LF or CR LF"};
            return {std::nullopt, "line " + std::to_string(lineNumber) +
                                      ": expected title, URL and explanation separated by two tabs"};
        }
        if (line.find('\0') != std::string_view::npos)
            return {std::nullopt, "line " + std::to_string(lineNumber) + ": " + kNulProblem};
        std::string title(line.substr(0, firstTab));
        std::string url(line.substr(firstTab + 1, secondTab - firstTab - 1));
        std::string explanation(line.substr(secondTab + 1));
        if (!items.AddItem(std::move(title), std::move(url), std::move(explanation))) {
            return {std::nullopt, "line " + std::to_string(lineNumber) + ": " +
                                      std::string(StringTableText(IDS_FILL_ALL_BOXES))};
        }
        if (lineNumbers) lineNumbers->push_back(lineNumber);
    }
    if (items.RowCount() == 0) return {std::nullopt, std::string(StringTableText(IDS_ADD_ITEMS_FIRST))};
    return {std::move(items), {}};
}

void CommandDesktop::ShowMessage(const std::string& text) {
    m_err << "menulark-page: " << text << "\n";
}

bool CommandDesktop::OpenWithDefaultProgram(const std::string& path) {
    return menulark::OpenWithDefaultProgram(path);
}

void CommandDesktop::ReportWriteFailed(const std::string& path, const WriteResult& written) {
    m_err << "menulark-page: cannot write " << path << ": " << written.reason << "\n";
}

void CommandDesktop::ReportWritten(const std::string& path, size_t entries) {
    m_out << "Wrote " << path << " (" << entries << " entries)\n";
}

void CommandDesktop::ReportFileWritten(const std::string& path) {
    m_out << "Wrote " << path << "\n";
}

void CommandDesktop::ReportOpenFailed(const std::string& path) {
    m_err << "menulark-page: could not open " << path << "\n";
}

namespace {

// Reads the named file, or standard input, up to `limit` bytes. The
// process's own standard input is read with read(2), so that a failure
// brings errno's reason.
ReadResult ReadInput(const std::optional<std::string>& path, std::istream& in, size_t limit) {
    if (path) return ReadWholeFile(*path, limit);
    if (&in == &std::cin) return ReadToEnd(STDIN_FILENO, limit);
    ReadResult result;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        if (static_cast<size_t>(in.gcount()) > limit - result.bytes.size()) {
            result.bytes.clear();
            result.reason = TooLargeReason(limit);
            result.tooLarge = true;
            return result;
        }
        result.bytes.append(buffer, static_cast<size_t>(in.gcount()));
    }
    result.ok = true;
    return result;
}

// Where the first byte that is not UTF-8 is: "line L: ... byte B ...", both
// counted from 1, B within the line.
std::string InvalidUtf8Message(const std::string& text, size_t offset) {
    TextPlace place = PlaceOf(text, offset);
    return "line " + std::to_string(place.line) + ": not valid UTF-8 at byte " + std::to_string(place.byte) +
           " of the line";
}

int RunCommandSteps(const std::vector<std::string>& args, std::istream& in, CommandDesktop& desktop,
                    size_t inputLimit) {
    std::ostream& out = desktop.Out();
    std::ostream& err = desktop.Err();
    Parsed<PageCommandOptions> options = ParsePageCommandArgs(args);
    if (!options.value) {
        err << "menulark-page: " << options.error << "\nTry 'menulark-page --help'.\n";
        return kStatusUsage;
    }
    if (options.value->help) {
        out << PageCommandUsage();
        return kStatusOk;
    }
    if (options.value->version) {
        out << "menulark-page " MENULARK_VERSION "\n";
        return kStatusOk;
    }

    const PageCommandOptions& chosen = *options.value;
    const std::string inputName = chosen.inputPath.value_or("standard input");
    ReadResult input = ReadInput(chosen.inputPath, in, inputLimit);
    if (!input) {
        err << "menulark-page: cannot read " << inputName << ": " << input.reason << "\n";
        return kStatusUsage;
    }
    if (std::optional<size_t> bad = FirstInvalidUtf8(input.bytes)) {
        err << "menulark-page: " << InvalidUtf8Message(input.bytes, *bad) << "\n";
        return kStatusUsage;
    }
    if (input.bytes.find_first_not_of(" \t\r\n") == std::string::npos) {
        err << "menulark-page: " << inputName << ": " << kEmptyFileProblem << "\n";
        return kStatusUsage;
    }

    MenuDocument menu;
    // Where each entry came from, for the warnings below.
    std::vector<std::string> places;
    if (chosen.menuInput || LooksLikeMenuFile(input.bytes)) {
        MenuFileRead read = ParseMenuFile(input.bytes);
        std::string().swap(input.bytes);  // the entries hold what is needed now
        if (!read.document) {
            err << "menulark-page: " << inputName << ": " << read.error << "\n";
            return kStatusUsage;
        }
        // A menu file may be saved without entries (the window does); the
        // command makes a page or a menu file from entries only.
        if (read.document->entries.size() == 0) {
            err << "menulark-page: " << inputName << ": /entries: no entries\n";
            return kStatusUsage;
        }
        menu = std::move(*read.document);
        ApplyOptionsToMenu(chosen, menu);
        for (int row = 0; row < menu.entries.RowCount(); ++row)
            places.push_back("/entries/" + std::to_string(row) + "/url");
    } else {
        std::vector<size_t> lineNumbers;
        Parsed<MenuItemList> items = ParseMenuItems(input.bytes, &lineNumbers);
        std::string().swap(input.bytes);
        if (!items.value) {
            err << "menulark-page: " << items.error << "\n";
            return kStatusUsage;
        }
        menu.entries = std::move(*items.value);
        menu.style = chosen.style;
        menu.flavor = chosen.modern ? PageFlavor::Modern : PageFlavor::Classic;
        menu.modernLabel = chosen.page.label;
        menu.modernLanguage = chosen.page.lang;
        for (size_t line : lineNumbers) places.push_back("line " + std::to_string(line));
    }
    // Such URLs are legitimate page actions when the author wrote them, and
    // script injection when the values came from someone else.
    size_t entry = 0;
    for (const MenuItem& item : menu.entries) {
        std::string scheme = UrlScheme(item.url);
        if (IsScriptScheme(scheme))
            err << "menulark-page: warning: " << places[entry] << ": the URL uses the " << scheme
                << ": scheme, which can run script in the page\n";
        ++entry;
    }

    if (chosen.saveMenuPath) {
        WriteResult written = SaveMenuFile(*chosen.saveMenuPath, menu);
        if (!written) {
            desktop.ReportWriteFailed(*chosen.saveMenuPath, written);
            return kStatusWriteFailed;
        }
        desktop.ReportWritten(*chosen.saveMenuPath, menu.entries.size());
        if (!chosen.outputGiven && !chosen.open) return kStatusOk;
    }
    PageRequest request{menu.entries, menu.style, menu.flavor, chosen.outputPath, chosen.open, chosen.page};
    request.modernPage.label = menu.modernLabel;
    request.modernPage.lang = menu.modernLanguage;
    // Colours that are hard to read do not stop the page: the author decides.
    if (request.flavor == PageFlavor::Modern && PageModeOf(request.style) == PageMode::Styled)
        for (const LowContrast& problem : FindLowContrast(request.style))
            err << "menulark-page: warning: " << LowContrastMessage(problem) << "\n";
    // The classic page is a flat list of links: it says what it leaves out.
    if (request.flavor == PageFlavor::Classic)
        if (std::string flattened = ClassicFlatteningWarning(ClassicPageLosses(menu.entries));
            !flattened.empty())
            err << "menulark-page: warning: " << flattened << "\n";
    request.assetsFolder = chosen.assetsFolder.value_or("");
    CreateResult result = CreatePage(request, desktop);
    if (result.outcome != CreateOutcome::Opened) return kStatusWriteFailed;
    if (chosen.csp)
        out << "Content-Security-Policy: " << InlineCodePolicy(BuildRequestedPage(request)) << "\n";
    return kStatusOk;
}

}  // namespace

int RunPageCommand(const std::vector<std::string>& args, std::istream& in, CommandDesktop& desktop,
                   size_t inputLimit) {
    int status = RunCommandSteps(args, in, desktop, inputLimit);
    std::ostream& out = desktop.Out();
    std::ostream& err = desktop.Err();
    // A report that never reached standard output (a full disk, say) is a
    // failure like any other write.
    errno = 0;
    out.flush();
    if (!out) {
        int error = errno;
        err << "menulark-page: cannot write to standard output";
        if (error != 0) err << ": " << std::strerror(error);
        err << "\n";
        if (status == kStatusOk) status = kStatusWriteFailed;
    }
    return status;
}

}  // namespace menulark
