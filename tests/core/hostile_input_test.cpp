// menulark-page and menu files under hostile input: endless input, huge
// values, numbers beyond double precision, CR-only line ends, empty input,
// NUL characters and values the window and the command must agree on.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "menu/menu_file.h"
#include "system/read_file.h"
#include "tests/core/temp_dir.h"
#include "tools/page_command.h"

namespace menulark {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

const std::string kData = MENULARK_TEST_DATA_DIR;
constexpr size_t kLowLimit = size_t{1} << 20;  // what the tests lower the ceiling to

const std::string kMenu = R"({"format": "menulark-menu", "version": 2, "look": "simple", "flavor": "classic",
 "modern": {"label": "Menu", "lang": "en"}, "style": {}, "entries": [ENTRIES]})";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string MenuWith(const std::string& entries) {
    std::string text = kMenu;
    return text.replace(text.find("ENTRIES"), 7, entries);
}

// The command never opens anything here.
class QuietDesktop : public CommandDesktop {
public:
    using CommandDesktop::CommandDesktop;
    bool OpenWithDefaultProgram(const std::string&) override { return false; }
};

struct CommandRun {
    int status;
    std::string out, err;
};

CommandRun RunCommand(const std::vector<std::string>& args, const std::string& input,
                      size_t limit = kInputLimitBytes) {
    std::istringstream in(input);
    std::ostringstream out, err;
    QuietDesktop desktop(out, err);
    int status = RunPageCommand(args, in, desktop, limit);
    return {status, out.str(), err.str()};
}

// A refused input: exit status 2, exactly `message` on standard error,
// nothing on standard output and no file written.
struct Refusal {
    const char* what;
    std::vector<std::string> args;  // "DIR/" starts a name in the test's folder
    std::string input;              // standard input, or the file "DIR/in"
    std::string message;
};

void ExpectRefusals(const std::vector<Refusal>& cases, size_t limit = kInputLimitBytes) {
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteBytes(dir / "in", c.input);
        std::vector<std::string> args;
        for (const std::string& arg : c.args)
            args.push_back(arg.rfind("DIR/", 0) == 0 ? dir / arg.substr(4) : arg);
        args.insert(args.end(), {"-o", dir / "page.htm"});
        CommandRun run = RunCommand(args, c.input, limit);
        EXPECT_EQ(run.status, kStatusUsage);
        std::string message = c.message;
        if (message.find("DIR/") != std::string::npos)
            message.replace(message.find("DIR/"), 4, dir.Path() + "/");
        EXPECT_EQ(run.err, "menulark-page: " + message + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(dir.Entries(), (std::set<std::string>{"in"}));
    }
}

TEST(HostileInputTest, InputPastTheCeilingIsRefusedAndNothingIsWritten) {
    const std::string over(kLowLimit + 1, '\n');
    ExpectRefusals(
        {{"standard input", {}, over, "cannot read standard input: the input is larger than 1 MiB"},
         {"entry file", {"DIR/in"}, over, "cannot read DIR/in: the input is larger than 1 MiB"},
         {"menu file", {"--menu", "DIR/in"}, over, "cannot read DIR/in: the input is larger than 1 MiB"}},
        kLowLimit);
    // Exactly at the ceiling is still read.
    EXPECT_EQ(RunCommand({"--help"}, std::string(kLowLimit, '\n'), kLowLimit).status, kStatusOk);
#ifndef _WIN32
    // A pipe fed just past the ceiling, as endless input would be.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::thread writer([&] {
        const std::string chunk(4096, 'x');
        for (size_t sent = 0; sent <= kLowLimit;) {
            ssize_t n = write(fds[1], chunk.data(), chunk.size());
            if (n <= 0) break;
            sent += static_cast<size_t>(n);
        }
        close(fds[1]);
    });
    ReadResult piped = ReadToEnd(fds[0], kLowLimit);
    close(fds[0]);  // the writer, if still writing, stops at the broken pipe
    writer.join();
    EXPECT_FALSE(piped.ok);
    EXPECT_TRUE(piped.tooLarge);
    EXPECT_EQ(piped.reason, "the input is larger than 1 MiB");
    EXPECT_TRUE(piped.bytes.empty());
    // The window's Open reads through the same ceiling (256 MiB of zeros).
    EXPECT_EQ(ReadMenuFile("/dev/zero").error, "the input is larger than 256 MiB");
#endif
}

TEST(HostileInputTest, MessagesQuoteOnlyAShortExcerpt) {
    const std::string huge(10 << 20, 'v');
    const std::string excerpt = std::string(40, 'v') + "…";
    // The entry below starts at column 70 of line 2.
    ExpectRefusals({
        {"unknown option",
         {"--" + huge},
         "",
         "unknown option --" + std::string(38, 'v') + "…\nTry 'menulark-page --help'."},
        {"--set without =",
         {"--set", huge},
         "",
         "--set takes FIELD=VALUE, got \"" + excerpt + "\"\nTry 'menulark-page --help'."},
        {"--lang",
         {"--modern", "--lang", huge + "!"},
         "",
         "--lang takes a language code such as en or pt-BR, got \"" + excerpt +
             "\"\nTry 'menulark-page --help'."},
        {"title with a raw line feed",
         {},
         MenuWith("{\"title\": \"" + huge + "\n\"}"),
         "standard input: line 2, column " + std::to_string(huge.size() + 81) +
             ": syntax error while parsing value - invalid string: control character U+000A (LF) must be "
             "escaped to \\u000A or \\n; last read: '\"" +
             std::string(39, 'v') + "…'"},
        {"string without its end",
         {},
         MenuWith("{\"title\": \"" + huge),
         "standard input: line 2, column " + std::to_string(huge.size() + 83) +
             ": syntax error while parsing value - invalid string: missing closing quote; last read: '\"" +
             std::string(39, 'v') + "…'"},
        {"number of 100,000 digits",
         {},
         MenuWith("{\"title\": " + std::string(100000, '9') + "}"),
         "standard input: line 2, column " + std::to_string(100000 + 79) + ": number overflow parsing '" +
             std::string(40, '9') + "…'"},
        {"look",
         {"--menu"},
         Replaced(MenuWith(""), "\"simple\"", "\"" + huge + "\""),
         "standard input: /look: unknown look \"" + excerpt + "\" (expected \"simple\" or \"styled\")"},
        {"entry field name",
         {},
         MenuWith("{\"" + huge + "\": 1}"),
         "standard input: /entries/0/" + excerpt +
             ": unknown entry field (an entry has \"title\", \"url\" and \"explanation\")"},
    });
}

TEST(HostileInputTest, NumbersOfOtherKeysAreWrittenBackExactlyAsWritten) {
    const std::string golden = ReadBytes(kData + "/kept-numbers.menu.json");
    MenuFileRead read = ReadMenuFile(kData + "/kept-numbers.menu.json");
    ASSERT_TRUE(read.document) << read.error;
    EXPECT_EQ(MenuFileText(*read.document), golden);
    // Through the command as well, from a compact file.
    TempDir dir;
    std::string compact;
    for (char c : golden)
        if (c != '\n') compact += c;
    CommandRun run = RunCommand({"--menu", "--save-menu", dir / "saved.menu.json"}, compact);
    ASSERT_EQ(run.status, kStatusOk) << run.err;
    EXPECT_EQ(ReadBytes(dir / "saved.menu.json"), Replaced(golden, "\n", "\r\n"));
}

TEST(HostileInputTest, CrOnlyLineEndsAreCountedAsLines) {
    ExpectRefusals({
        {"menu file",
         {"--menu"},
         Replaced(MenuWith("\r{\"title\": \"A\",\r\"url\": x}"), "\n", "\r"),
         "standard input: line 4, column 8: syntax error while parsing value - invalid literal; "
         "last read: '\"url\": x'"},
        {"entry list", {}, "A\tu\te\rB\tv\xc3\tf\r", "line 2: not valid UTF-8 at byte 4 of the line"},
    });
}

TEST(HostileInputTest, EmptyInputAndMenusWithoutEntriesNameTheFileAndTheFault) {
    const std::string noEntries = MenuWith("");
    ExpectRefusals({
        {"empty entry file", {"DIR/in"}, "", "DIR/in: the file is empty"},
        {"blank entry file", {"DIR/in"}, " \r\n\n", "DIR/in: the file is empty"},
        {"empty menu file", {"--menu", "DIR/in"}, "", "DIR/in: the file is empty"},
        {"no entries, page", {"DIR/in"}, noEntries, "DIR/in: /entries: no entries"},
        {"no entries, menu file",
         {"DIR/in", "--save-menu", "DIR/saved.menu.json"},
         noEntries,
         "DIR/in: /entries: no entries"},
    });
    // The window may save a menu before it has entries, and open it again.
    MenuFileRead read = ParseMenuFile(noEntries);
    ASSERT_TRUE(read.document) << read.error;
    EXPECT_EQ(read.document->entries.size(), 0u);
}

TEST(HostileInputTest, NulCharactersAndLanguageValuesFollowOneRule) {
    ExpectRefusals({
        {"NUL in an entry line",
         {},
         std::string("A\tu\te\nB\0\tv\tf\n", 13),
         "line 2: a NUL character (U+0000) cannot go into a page"},
        {"NUL in a menu file's title",
         {},
         MenuWith(R"({"title": "A\u0000", "url": "u", "explanation": "e"})"),
         "standard input: /entries/0/title: a NUL character (U+0000) cannot go into a page"},
        {"markup as language",
         {},
         Replaced(MenuWith(R"({"title": "A", "url": "u", "explanation": "e"})"), "\"en\"",
                  R"("en\"><b>x</b>")"),
         "standard input: /modern/lang: expected a language code such as en or pt-BR, "
         "found \"en\"><b>x</b>\""},
        {"same value as --lang",
         {"--modern", "--lang", "en\"><b>x</b>"},
         "A\tu\te\n",
         "--lang takes a language code such as en or pt-BR, got \"en\"><b>x</b>\"\n"
         "Try 'menulark-page --help'."},
    });
}

}  // namespace
}  // namespace menulark
