#include "tools/page_command.h"

#include <unistd.h>  // STDIN_FILENO

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <iterator>
#include <sstream>

#include "page/absolute_path.h"
#include "page/modern_page.h"
#include "page/read_file.h"
#include "page/text_file.h"
#include "page/url_scheme.h"
#include "page/utf8_check.h"
#include "resources/string_table.h"

namespace menulark {

std::string PageCommandUsage() {
    std::string usage =
        "Usage: menulark-page [OPTIONS] [FILE]\n"
        "\n"
        "Writes a page with a right-click menu. Reads the menu entries from FILE,\n"
        "or from standard input (no FILE, or -), one per line: title, URL and explanation,\n"
        "separated by tabs. Empty lines are skipped. Lines end in LF or CR LF.\n"
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
        "  --set FIELD=VALUE      set a style value (repeatable); FIELD is one of:\n";
    for (const StyleField& field : StyleFields()) {
        usage += "                           ";
        usage += field.name;
        usage += '\n';
    }
    usage +=
        "  -o FILE                write the page to FILE (default: Popup.htm)\n"
        "  --open                 open the written page with the default program\n"
        "  --help                 show this text\n"
        "\n"
        "Exit status: 0 written, 1 the page or the report on standard output could\n"
        "not be written, 2 bad arguments, bad input or input that cannot be read.\n";
    return usage;
}

Parsed<PageCommandOptions> ParsePageCommandArgs(const std::vector<std::string>& args) {
    PageCommandOptions options;
    auto fail = [](std::string message) {
        return Parsed<PageCommandOptions>{std::nullopt, std::move(message)};
    };
    bool onlyFiles = false;
    bool readsStandardInput = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && arg == "--help") {
            options.help = true;
        } else if (!onlyFiles && arg == "--styled") {
            options.style.styledMode = true;
        } else if (!onlyFiles && arg == "--no-scrollbar-colors") {
            options.style.scrollbarColors = false;
        } else if (!onlyFiles && arg == "--modern") {
            options.modern = true;
        } else if (!onlyFiles && arg == "--open") {
            options.open = true;
        } else if (!onlyFiles && (arg == "-o" || arg == "--set")) {
            if (i + 1 >= args.size()) return fail("option " + arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "-o") {
                if (value.empty()) return fail("option -o needs a file name");
                options.outputPath = value;
                continue;
            }
            size_t equals = value.find('=');
            if (equals == std::string::npos) return fail("--set takes FIELD=VALUE, got \"" + value + "\"");
            std::string name = value.substr(0, equals);
            std::string* field = FindStyleField(options.style, name);
            if (!field) return fail("unknown style field \"" + name + "\" (see --help for the list)");
            *field = value.substr(equals + 1);
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
    return {std::move(options), {}};
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

int RunCommandSteps(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err, FileOpener opener) {
    Parsed<PageCommandOptions> options = ParsePageCommandArgs(args);
    if (!options.value) {
        err << "menulark-page: " << options.error << "\nTry 'menulark-page --help'.\n";
        return kStatusUsage;
    }
    if (options.value->help) {
        out << PageCommandUsage();
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

    std::vector<size_t> lineNumbers;
    Parsed<MenuItemList> items = ParseMenuItems(input.bytes, &lineNumbers);
    if (!items.value) {
        err << "menulark-page: " << items.error << "\n";
        return kStatusUsage;
    }
    // Such URLs are legitimate page actions when the author wrote them, and
    // script injection when the values came from someone else.
    size_t entry = 0;
    for (const MenuItem& item : *items.value) {
        std::string scheme = UrlScheme(item.url);
        if (IsScriptScheme(scheme))
            err << "menulark-page: warning: line " << lineNumbers[entry] << ": the URL uses the " << scheme
                << ": scheme, which can run script in the page\n";
        ++entry;
    }

    const StyleSettings& style = options.value->style;
    PageMode mode = style.styledMode ? PageMode::Styled : PageMode::Simple;
    const std::string& path = options.value->outputPath;
    std::string page = options.value->modern ? BuildModernPage(*items.value, mode, style)
                                             : BuildPage(*items.value, mode, style);
    WriteResult written = WriteTextFile(path, page);
    if (!written) {
        err << "menulark-page: cannot write " << path << ": " << written.reason << "\n";
        return kStatusWriteFailed;
    }
    out << "Wrote " << path << " (" << items.value->RowCount() << " entries)\n";
    // The opener gets a path that it cannot take for an option ("-x.htm").
    if (options.value->open && !opener(AbsolutePath(path)))
        err << "menulark-page: could not open " << path << "\n";
    return kStatusOk;
}

}  // namespace

int RunPageCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, FileOpener opener) {
    int status = RunCommandSteps(args, in, out, err, opener);
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
