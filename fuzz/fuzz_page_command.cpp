// Feeds the headless command's parsers arbitrary input: the bytes as the
// tab-separated entry list, the bytes cut at NUL as the argument list, and
// byte 0 / the rest as one "--set FIELD=VALUE". Each parse must either accept
// exactly what the input says or refuse it with a clear message (naming the
// line, the option or the field at fault); nothing may throw or crash.

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "resources/string_table.h"
#include "system/text_place.h"
#include "tools/page_command.h"

using namespace menulark;
using namespace menulark::fuzz;

namespace {

// --- entry list ---------------------------------------------------------

struct ExpectedItems {
    std::vector<MenuItem> items;
    size_t badLine = 0;  // 1-based; 0 when every line is good
    bool emptyField = false;
};

// One entry per non-empty line: exactly three tab-separated, non-empty
// fields; a CR before the line's end does not count.
ExpectedItems ReadEntries(std::string_view text) {
    ExpectedItems expected;
    std::vector<std::string> lines = SplitBytes(text, '\n');
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> fields = SplitBytes(line, '\t');
        // A NUL character cannot go into a page: its line is refused too.
        if (fields.size() != 3 || fields[0].empty() || fields[1].empty() || fields[2].empty() ||
            line.find('\0') != std::string::npos) {
            expected.badLine = i + 1;
            expected.emptyField = fields.size() == 3 && line.find('\0') == std::string::npos;
            return expected;
        }
        expected.items.push_back({fields[0], fields[1], fields[2]});
    }
    return expected;
}

std::string Serialise(const std::vector<MenuItem>& items, std::string_view lineEnd) {
    std::string text;
    for (const MenuItem& item : items)
        text += item.title + '\t' + item.url + '\t' + item.explanation + std::string(lineEnd);
    return text;
}

void CheckEntryList(const std::string& text) {
    const Parsed<MenuItemList> parsed = ParseMenuItems(text);
    const ExpectedItems expected = ReadEntries(text);

    if (expected.badLine != 0) {
        Require(!parsed.value,
                "a list with a bad line " + std::to_string(expected.badLine) + " was accepted");
        const std::string prefix = "line " + std::to_string(expected.badLine) + ": ";
        Require(parsed.error.compare(0, prefix.size(), prefix) == 0,
                "the error does not start with \"" + prefix + "\": " + Printable(parsed.error));
        Require(parsed.error.size() > prefix.size() + 10, "the line error says nothing more than the line");
        if (expected.emptyField)
            Require(
                parsed.error.find(StringTableText(IDS_FILL_ALL_BOXES)) != std::string::npos,
                "an empty field is not reported with the fill-all-boxes message: " + Printable(parsed.error));
        return;
    }
    if (expected.items.empty()) {
        Require(!parsed.value, "a list without entries was accepted");
        RequireEqual(StringTableText(IDS_ADD_ITEMS_FIRST), parsed.error,
                     "the error for a list without entries");
        return;
    }
    if (!parsed.value) Fail("a good list was refused: " + Printable(parsed.error));
    Require(parsed.error.empty(), "an accepted list came with an error message");

    const std::vector<MenuItem>& items = parsed.value->Items();
    Require(items == expected.items, "the accepted entries are not the lines' fields in order");
    for (const MenuItem& item : items) {
        for (const std::string* field : {&item.title, &item.url, &item.explanation}) {
            Require(!field->empty(), "an accepted entry has an empty field");
            Require(field->find_first_of("\t\n") == std::string::npos,
                    "an accepted field holds a tab or line feed");
        }
    }

    // Written back with CR LF, the entries read the same again; with LF, only
    // an explanation's own final CR is taken for part of the line end.
    const Parsed<MenuItemList> again = ParseMenuItems(Serialise(items, "\r\n"));
    Require(again.value && again.value->Items() == items,
            "entries written back with CR LF do not read the same");
    std::vector<MenuItem> lfExpected = items;
    for (MenuItem& item : lfExpected)
        if (item.explanation.back() == '\r') item.explanation.pop_back();
    const Parsed<MenuItemList> lfAgain = ParseMenuItems(Serialise(items, "\n"));
    if (std::find_if(lfExpected.begin(), lfExpected.end(),
                     [](const MenuItem& i) { return i.explanation.empty(); }) == lfExpected.end()) {
        Require(lfAgain.value && lfAgain.value->Items() == lfExpected,
                "entries written back with LF do not read the same");
    } else {
        Require(!lfAgain.value, "an entry whose explanation was only a CR was accepted when written back");
    }
}

// --- arguments ----------------------------------------------------------

// What the usage text promises for an argument list: either the options, or
// the argument that an error has to name.
struct ExpectedOptions {
    PageCommandOptions options;
    bool ok = true;
    std::string culprit;  // text the error message must contain
};

// A language tag as --lang takes it: letters, digits and inner hyphens,
// starting with a letter, at most 35 characters.
bool LooksLikeLanguageTag(const std::string& value) {
    if (value.size() > 35 || !std::isalpha(static_cast<unsigned char>(value.front())) || value.back() == '-')
        return false;
    return std::all_of(value.begin(), value.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; });
}

ExpectedOptions ReadArguments(const std::vector<std::string>& args) {
    ExpectedOptions e;
    auto refuse = [&](std::string culprit) {
        e.ok = false;
        e.culprit = std::move(culprit);
        return e;
    };
    std::string modernOnly;  // the first option that needs --modern
    bool targetGiven = false;
    bool inputNamed = false;  // a file, or "-" for standard input
    auto input = [&](const std::string& name, bool standardInput) {
        if (inputNamed) return false;
        inputNamed = true;
        if (!standardInput) e.options.inputPath = name;
        return true;
    };
    size_t i = 0;
    for (; i < args.size() && args[i] != "--"; ++i) {
        const std::string& a = args[i];
        if (a == "--help")
            e.options.help = true;
        else if (a == "--version")
            e.options.version = true;
        else if (a == "--csp") {
            e.options.csp = true;
            if (modernOnly.empty()) modernOnly = a;
        } else if (a == "--assets" || a == "--assets-url") {
            if (i + 1 == args.size()) return refuse(a);
            const std::string& value = args[++i];
            if (value.empty()) return refuse(a);
            (a == "--assets" ? e.options.assetsFolder : e.options.assetsUrl) = value;
        } else if (a == "--styled")
            e.options.style.styledMode = true;
        else if (a == "--no-scrollbar-colors")
            e.options.style.scrollbarColors = false;
        else if (a == "--modern")
            e.options.modern = true;
        else if (a == "--open")
            e.options.open = true;
        else if (a == "--snippet")
            e.options.page.snippet = true;
        else if (a == "--menu")
            e.options.menuInput = true;
        else if (a == "--save-menu") {
            if (i + 1 == args.size()) return refuse(a);
            const std::string& value = args[++i];
            if (value.empty()) return refuse(a);
            e.options.saveMenuPath = value;
        } else if (a == "--target" || a == "--label" || a == "--lang") {
            if (i + 1 == args.size()) return refuse(a);
            const std::string& value = args[++i];
            if (value.empty()) return refuse(a);
            if (a == "--lang" && !LooksLikeLanguageTag(value)) return refuse(Excerpt(value));
            if (modernOnly.empty()) modernOnly = a;
            if (a == "--target") e.options.page.target = value;
            if (a == "--label") e.options.page.label = value;
            if (a == "--lang") e.options.page.lang = value;
            targetGiven = targetGiven || a == "--target";
        } else if (a == "-o" || a == "--set") {
            if (i + 1 == args.size()) return refuse(a);
            const std::string& value = args[++i];
            if (a == "-o") {
                if (value.empty()) return refuse("-o");
                e.options.outputPath = value;
                continue;
            }
            const size_t equals = value.find('=');
            if (equals == std::string::npos) return refuse(Excerpt(value));
            std::string* field = FindStyleField(e.options.style, value.substr(0, equals));
            if (!field) return refuse(Excerpt(value.substr(0, equals)));
            *field = value.substr(equals + 1);
        } else if (a.size() >= 2 && a[0] == '-') {
            return refuse(Excerpt(a));  // messages quote long values in part
        } else if (a.empty()) {
            return refuse("empty input file name");
        } else if (!input(a, a == "-")) {
            return refuse("more than one input file");
        }
    }
    for (++i; i < args.size(); ++i) {  // after "--" everything is a file name, "-" too
        if (args[i].empty()) return refuse("empty input file name");
        if (!input(args[i], false)) return refuse("more than one input file");
    }
    if (e.options.page.snippet && modernOnly.empty()) modernOnly = "--snippet";
    if (!modernOnly.empty() && !e.options.modern) return refuse(modernOnly);
    if (targetGiven && !e.options.page.snippet) return refuse("--target");
    if (e.options.assetsFolder && !e.options.page.snippet) return refuse("--assets");
    if (e.options.assetsUrl && !e.options.assetsFolder) return refuse("--assets-url");
    if (e.options.csp && e.options.assetsFolder) return refuse("--csp");
    if (e.options.assetsFolder)
        e.options.page.assetsUrl = e.options.assetsUrl.value_or(*e.options.assetsFolder);
    return e;
}

void CheckArguments(const std::vector<std::string>& args) {
    const Parsed<PageCommandOptions> parsed = ParsePageCommandArgs(args);
    const ExpectedOptions expected = ReadArguments(args);
    if (!expected.ok) {
        Require(!parsed.value,
                "arguments that should be refused (" + Printable(expected.culprit) + ") were accepted");
        Require(parsed.error.find(expected.culprit) != std::string::npos,
                "the error does not name " + Printable(expected.culprit) + ": " + Printable(parsed.error));

        // The command reports it on standard error, with the usage hint.
        std::istringstream in;
        std::ostringstream out, err;
        CommandDesktop desktop(out, err);
        Require(RunPageCommand(args, in, desktop) == kStatusUsage,
                "refused arguments do not give exit status 2");
        Require(out.str().empty(), "refused arguments wrote to standard output");
        Require(err.str().find(parsed.error) != std::string::npos, "the error is not on standard error");
        return;
    }
    if (!parsed.value) Fail("good arguments were refused: " + Printable(parsed.error));
    const PageCommandOptions& got = *parsed.value;
    const PageCommandOptions& want = expected.options;
    for (const StyleField& field : StyleFields())
        RequireEqual(want.style.*field.member, got.style.*field.member,
                     "style field " + std::string(field.name) + " is not the last value given for it");
    Require(got.style == want.style, "the style switches are not what the options say");
    RequireEqual(want.outputPath, got.outputPath, "the output path");
    Require(got.inputPath == want.inputPath, "the input file");
    Require(got.modern == want.modern && got.open == want.open && got.help == want.help &&
                got.version == want.version && got.csp == want.csp,
            "--modern, --open, --help, --version or --csp is not what the options say");
    Require(got.assetsFolder == want.assetsFolder && got.page.assetsUrl == want.page.assetsUrl,
            "--assets or --assets-url is not what the options say");
    Require(got.page.snippet == want.page.snippet && got.page.target == want.page.target &&
                got.page.label == want.page.label && got.page.lang == want.page.lang,
            "--snippet, --target, --label or --lang is not what the options say");
}

// One --set with an arbitrary value lands in its field and nowhere else.
void CheckOneSet(unsigned char fieldByte, std::string_view value) {
    const StyleField& field = StyleFields()[fieldByte % StyleFields().size()];
    const std::string argument = std::string(field.name) + "=" + std::string(value);
    const Parsed<PageCommandOptions> parsed = ParsePageCommandArgs({"--set", argument});
    if (!parsed.value) Fail("--set " + Printable(argument) + " was refused: " + Printable(parsed.error));
    StyleSettings expected;
    expected.*field.member = std::string(value);
    RequireEqual(value, parsed.value->style.*field.member, "--set " + std::string(field.name) + " value");
    Require(parsed.value->style == expected, "--set " + std::string(field.name) + " changed another field");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    CheckEntryList(input);
    CheckArguments(SplitBytes(input, '\0'));
    if (size > 0) CheckOneSet(data[0], std::string_view(input).substr(1));
    return 0;
}
