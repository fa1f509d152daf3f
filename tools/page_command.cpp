#include "tools/page_command.h"

#include <unistd.h>  // STDIN_FILENO

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <iterator>
#include <sstream>

#include "page/contrast.h"
#include "system/default_program.h"
#include "page/modern_page.h"
#include "system/read_file.h"
#include "page/url_scheme.h"
#include "system/utf8_check.h"
#include "resources/string_table.h"
#include "resources/version.h"

namespace menulark {

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
        "Options:\n"
        "  --styled               use the styled look (default: the simple look)\n"
        "  --no-scrollbar-colors  styled look without scroll-bar colours\n"
        "  --modern               write the menu as a page for current browsers\n"
        "                         (default: the classic page)\n"
        "  --snippet              with --modern: write only what goes into a page of\n"
        "                         your own: one style element, the menu, one script\n"
        "  --target SELECTOR      with --snippet: open the menu on the elements that\n"
        "                         match this CSS selector (default: the whole page)\n"
        "  --label TEXT           with --modern: the menu's accessible name (default: Menu)\n"
        "  --lang CODE            with --modern: the language of the page (default: en)\n"
        "  --menu                 read the input as a menu file, whatever it looks like\n"
        "  --save-menu FILE       write the menu file for the entries and options read\n"
        "                         to FILE instead of a page (give -o or --open to write\n"
        "                         the page as well)\n"
        "  --set FIELD=VALUE      set a style value (repeatable); FIELD is one of:\n";
    for (const StyleField& field : StyleFields()) {
        usage += "                           ";
        usage += field.name;
        usage += '\n';
    }
    usage +=
        "  -o FILE                write the page to FILE (default: ";
    usage += kPageFileName;
    usage +=
        ")\n"
        "  --open                 open the written page with the default program\n"
        "  --help                 show this text\n"
        "  --version              show the version\n"
        "\n"
        "Exit status: 0 written, 1 the page, the menu file or the report on standard\n"
        "output could not be written, 2 bad arguments, bad input or input that cannot\n"
        "be read.\n";
    return usage;
}

namespace {

// A language tag's form (BCP 47): letters, digits and hyphens, starting with
// a letter; the page takes it as its lang attribute.
bool IsLanguageCode(const std::string& value) {
    if (value.size() > 35 || !std::isalpha(static_cast<unsigned char>(value[0]))) return false;
    for (char c : value)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
    return value.back() != '-';
}

}  // namespace

Parsed<PageCommandOptions> ParsePageCommandArgs(const std::vector<std::string>& args) {
    PageCommandOptions options;
    auto fail = [](std::string message) {
        return Parsed<PageCommandOptions>{std::nullopt, std::move(message)};
    };
    bool onlyFiles = false;
    bool readsStandardInput = false;
    std::string modernOnly;  // the first option that only the modern page knows
    bool targetGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && arg == "--help") {
            options.help = true;
        } else if (!onlyFiles && arg == "--version") {
            options.version = true;
        } else if (!onlyFiles && arg == "--styled") {
            options.style.styledMode = true;
        } else if (!onlyFiles && arg == "--no-scrollbar-colors") {
            options.style.scrollbarColors = false;
        } else if (!onlyFiles && arg == "--modern") {
            options.modern = true;
        } else if (!onlyFiles && arg == "--open") {
            options.open = true;
        } else if (!onlyFiles && arg == "--menu") {
            options.menuInput = true;
        } else if (!onlyFiles && arg == "--snippet") {
            options.page.snippet = true;
        } else if (!onlyFiles && (arg == "-o" || arg == "--set" || arg == "--target" || arg == "--label" ||
                                  arg == "--lang" || arg == "--save-menu")) {
            if (i + 1 >= args.size()) return fail("option " + arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--target" || arg == "--label" || arg == "--lang") {
                if (value.empty()) return fail("option " + arg + " needs a value");
                if (arg == "--lang" && !IsLanguageCode(value))
                    return fail("--lang takes a language code such as en or pt-BR, got \"" + value + "\"");
                if (arg == "--target") options.page.target = value;
                if (arg == "--label") options.page.label = value;
                if (arg == "--lang") options.page.lang = value;
                options.labelGiven = options.labelGiven || arg == "--label";
                options.langGiven = options.langGiven || arg == "--lang";
                if (modernOnly.empty()) modernOnly = arg;
                targetGiven = targetGiven || arg == "--target";
                continue;
            }
            if (arg == "-o" || arg == "--save-menu") {
                if (value.empty()) return fail("option " + arg + " needs a file name");
                if (arg == "-o") {
                    options.outputPath = value;
                    options.outputGiven = true;
                } else {
                    options.saveMenuPath = value;
                }
                continue;
            }
            size_t equals = value.find('=');
            if (equals == std::string::npos) return fail("--set takes FIELD=VALUE, got \"" + value + "\"");
            std::string name = value.substr(0, equals);
            std::string* field = FindStyleField(options.style, name);
            if (!field) return fail("unknown style field \"" + name + "\" (see --help for the list)");
            *field = value.substr(equals + 1);
            options.setValues.emplace_back(name, *field);
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            return fail("unknown option " + arg);
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
    if (options.page.snippet && modernOnly.empty()) modernOnly = "--snippet";
    if (!modernOnly.empty() && !options.modern) return fail("option " + modernOnly + " needs --modern");
    if (targetGiven && !options.page.snippet) return fail("option --target needs --snippet");
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

void CommandDesktop::ReportOpenFailed(const std::string& path) {
    m_err << "menulark-page: could not open " << path << "\n";
}

namespace {

// Reads the named file, or standard input. The process's own standard input
// is read with read(2), so that a failure brings errno's reason.
ReadResult ReadInput(const std::optional<std::string>& path, std::istream& in) {
    if (path) return ReadWholeFile(*path);
    if (&in == &std::cin) return ReadToEnd(STDIN_FILENO);
    ReadResult result;
    result.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    result.ok = true;
    return result;
}

// Where the first byte that is not UTF-8 is: "line L: ... byte B ...", both
// counted from 1, B within the line.
std::string InvalidUtf8Message(const std::string& text, size_t offset) {
    size_t lineStart = 0;
    if (offset > 0) {
        size_t lineFeed = text.rfind('\n', offset - 1);
        if (lineFeed != std::string::npos) lineStart = lineFeed + 1;
    }
    size_t line = 1 + static_cast<size_t>(std::count(
                          text.begin(), text.begin() + static_cast<std::ptrdiff_t>(lineStart), '\n'));
    return "line " + std::to_string(line) + ": not valid UTF-8 at byte " +
           std::to_string(offset - lineStart + 1) + " of the line";
}

int RunCommandSteps(const std::vector<std::string>& args, std::istream& in, CommandDesktop& desktop) {
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

    ReadResult input = ReadInput(options.value->inputPath, in);
    if (!input) {
        err << "menulark-page: cannot read " << options.value->inputPath.value_or("standard input") << ": "
            << input.reason << "\n";
        return kStatusUsage;
    }
    if (std::optional<size_t> bad = FirstInvalidUtf8(input.bytes)) {
        err << "menulark-page: " << InvalidUtf8Message(input.bytes, *bad) << "\n";
        return kStatusUsage;
    }

    const PageCommandOptions& chosen = *options.value;
    MenuDocument menu;
    // Where each entry came from, for the warnings below.
    std::vector<std::string> places;
    if (chosen.menuInput || LooksLikeMenuFile(input.bytes)) {
        MenuFileRead read = ParseMenuFile(input.bytes);
        if (!read.document) {
            err << "menulark-page: " << chosen.inputPath.value_or("standard input") << ": " << read.error << "\n";
            return kStatusUsage;
        }
        menu = std::move(*read.document);
        ApplyOptionsToMenu(chosen, menu);
        for (int row = 0; row < menu.entries.RowCount(); ++row)
            places.push_back("/entries/" + std::to_string(row) + "/url");
    } else {
        std::vector<size_t> lineNumbers;
        Parsed<MenuItemList> items = ParseMenuItems(input.bytes, &lineNumbers);
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
            err << "menulark-page: cannot write " << *chosen.saveMenuPath << ": " << written.reason << "\n";
            return kStatusWriteFailed;
        }
        out << "Wrote " << *chosen.saveMenuPath << " (" << menu.entries.size() << " entries)\n";
        if (!chosen.outputGiven && !chosen.open) return kStatusOk;
    }
    if (menu.entries.RowCount() == 0) {
        err << "menulark-page: " << StringTableText(IDS_ADD_ITEMS_FIRST) << "\n";
        return kStatusUsage;
    }
    PageRequest request{menu.entries, menu.style, menu.flavor, chosen.outputPath, chosen.open, chosen.page};
    request.modernPage.label = menu.modernLabel;
    request.modernPage.lang = menu.modernLanguage;
    // Colours that are hard to read do not stop the page: the author decides.
    if (request.flavor == PageFlavor::Modern && PageModeOf(request.style) == PageMode::Styled)
        for (const LowContrast& problem : FindLowContrast(request.style))
            err << "menulark-page: warning: " << LowContrastMessage(problem) << "\n";
    CreateResult result = CreatePage(request, desktop);
    return result.outcome == CreateOutcome::Opened ? kStatusOk : kStatusWriteFailed;
}

}  // namespace

int RunPageCommand(const std::vector<std::string>& args, std::istream& in, CommandDesktop& desktop) {
    int status = RunCommandSteps(args, in, desktop);
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
