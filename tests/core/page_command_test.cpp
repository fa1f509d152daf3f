#include "tools/page_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "page/content_security_policy.h"
#include "tests/core/expected_pages.h"
#include "tests/core/system_text.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using expected::Fill;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

// ---- arguments ----

struct ArgsCase {
    const char* name;
    std::vector<std::string> args;
    std::function<void(const PageCommandOptions&)> check;
};

void PrintTo(const ArgsCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseArgsTest : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(ParseArgsTest, Accepts) {
    Parsed<PageCommandOptions> parsed = ParsePageCommandArgs(GetParam().args);
    ASSERT_TRUE(parsed.value.has_value()) << parsed.error;
    EXPECT_TRUE(parsed.error.empty());
    GetParam().check(*parsed.value);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ParseArgsTest,
    ::testing::Values(ArgsCase{"Nothing",
                               {},
                               [](const PageCommandOptions& o) {
                                   EXPECT_EQ(o.style, StyleSettings{});
                                   EXPECT_EQ(o.outputPath, "Popup.htm");
                                   EXPECT_FALSE(o.inputPath.has_value());
                                   EXPECT_FALSE(o.open);
                                   EXPECT_FALSE(o.help);
                               }},
                      ArgsCase{"Styled",
                               {"--styled"},
                               [](const PageCommandOptions& o) {
                                   EXPECT_TRUE(o.style.styledMode);
                                   EXPECT_TRUE(o.style.scrollbarColors);
                               }},
                      ArgsCase{"NoScrollbarColours",
                               {"--no-scrollbar-colors"},
                               [](const PageCommandOptions& o) {
                                   EXPECT_FALSE(o.style.scrollbarColors);
                                   EXPECT_FALSE(o.style.styledMode);
                               }},
                      ArgsCase{"SetRepeatedLastWins",
                               {"--set", "fontSize=12", "--set", "fontColor=navy", "--set", "fontSize=20"},
                               [](const PageCommandOptions& o) {
                                   StyleSettings expectedStyle;
                                   expectedStyle.fontSize = "20";
                                   expectedStyle.fontColor = "navy";
                                   EXPECT_EQ(o.style, expectedStyle);
                               }},
                      ArgsCase{"SetEmptyValue",
                               {"--set", "fontSize="},
                               [](const PageCommandOptions& o) { EXPECT_EQ(o.style.fontSize, ""); }},
                      ArgsCase{"SetValueWithEqualsAndBlanks",
                               {"--set", "fontFamily=A = B "},
                               [](const PageCommandOptions& o) { EXPECT_EQ(o.style.fontFamily, "A = B "); }},
                      ArgsCase{"OutputAndOpen",
                               {"-o", "out/page.htm", "--open"},
                               [](const PageCommandOptions& o) {
                                   EXPECT_EQ(o.outputPath, "out/page.htm");
                                   EXPECT_TRUE(o.outputGiven);
                                   EXPECT_TRUE(o.open);
                               }},
                      ArgsCase{"Help", {"--help"}, [](const PageCommandOptions& o) { EXPECT_TRUE(o.help); }},
                      ArgsCase{"MenuFileOptions",
                               {"--menu", "--save-menu", "shop.menu.json", "--set", "fontSize=9"},
                               [](const PageCommandOptions& o) {
                                   EXPECT_TRUE(o.menuInput);
                                   EXPECT_EQ(o.saveMenuPath, std::optional<std::string>("shop.menu.json"));
                                   EXPECT_FALSE(o.outputGiven);
                                   using Set = std::pair<std::string, std::string>;
                                   EXPECT_EQ(o.setValues, (std::vector<Set>{{"fontSize", "9"}}));
                               }},
                      ArgsCase{"InputFile",
                               {"items.tsv", "--styled"},
                               [](const PageCommandOptions& o) {
                                   EXPECT_EQ(o.inputPath, std::optional<std::string>("items.tsv"));
                                   EXPECT_TRUE(o.style.styledMode);
                               }},
                      ArgsCase{"AfterDoubleDashOnlyFiles",
                               {"--", "--styled"},
                               [](const PageCommandOptions& o) {
                                   EXPECT_EQ(o.inputPath, std::optional<std::string>("--styled"));
                                   EXPECT_FALSE(o.style.styledMode);
                               }}),
    [](const ::testing::TestParamInfo<ArgsCase>& info) { return info.param.name; });

TEST(ParseArgsTest, EveryStyleFieldCanBeSet) {
    for (const StyleField& field : StyleFields()) {
        std::string value = "value-of-" + std::string(field.name);
        Parsed<PageCommandOptions> parsed =
            ParsePageCommandArgs({"--set", std::string(field.name) + "=" + value});
        ASSERT_TRUE(parsed.value.has_value()) << field.name << ": " << parsed.error;
        StyleSettings expectedStyle;
        expectedStyle.*field.member = value;
        EXPECT_EQ(parsed.value->style, expectedStyle) << field.name;
    }
}

TEST(ParseArgsTest, RefusesWithAMessage) {
    struct Case {
        std::vector<std::string> args;
        const char* messagePart;
    };
    const Case cases[] = {
        {{"--set", "colour=red"}, "unknown style field \"colour\""},
        {{"--set", "Width=100"}, "unknown style field \"Width\""},
        {{"--set", "=red"}, "unknown style field \"\""},
        {{"--set", "width"}, "FIELD=VALUE"},
        {{"--set"}, "--set needs a value"},
        {{"-o"}, "-o needs a value"},
        {{"-o", ""}, "-o needs a file name"},
        {{"--save-menu"}, "--save-menu needs a value"},
        {{"--save-menu", ""}, "--save-menu needs a file name"},
        {{"--bogus"}, "unknown option --bogus"},
        {{"-x"}, "unknown option -x"},
        {{"a.tsv", "b.tsv"}, "more than one input file"},
    };
    for (const Case& c : cases) {
        Parsed<PageCommandOptions> parsed = ParsePageCommandArgs(c.args);
        EXPECT_FALSE(parsed.value.has_value()) << c.messagePart;
        EXPECT_NE(parsed.error.find(c.messagePart), std::string::npos) << parsed.error;
    }
}

// ---- menu items ----

struct ItemsCase {
    const char* name;
    std::string text;
    std::vector<MenuItem> items;  // empty: refused with `error`
    std::string error;
};

void PrintTo(const ItemsCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseMenuItemsTest : public ::testing::TestWithParam<ItemsCase> {};

TEST_P(ParseMenuItemsTest, ReadsTabSeparatedLines) {
    const ItemsCase& c = GetParam();
    Parsed<MenuItemList> parsed = ParseMenuItems(c.text);
    if (c.items.empty()) {
        EXPECT_FALSE(parsed.value.has_value());
        EXPECT_EQ(parsed.error, c.error);
        return;
    }
    ASSERT_TRUE(parsed.value.has_value()) << parsed.error;
    EXPECT_EQ(parsed.value->Items(), c.items);
    EXPECT_EQ(parsed.value->SelectedRow(), -1);
}

const std::string kFillAllBoxes = "Please make sure that all text boxes are filled out.";
const std::string kTabsMessage = ": expected title, URL and explanation separated by two tabs";
const std::string kCrOnlyMessage =
    ": the line ends are CR only (carriage returns without line feeds); end the lines with LF or CR LF";

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseMenuItemsTest,
    ::testing::Values(
        ItemsCase{"OneLine", "Home\thttp://a/\tGo home", {{"Home", "http://a/", "Go home"}}, ""},
        ItemsCase{"OrderKeptAndFinalLineFeedOptional",
                  "A\thttp://a/\ta\nB\thttp://b/\tb\n",
                  {{"A", "http://a/", "a"}, {"B", "http://b/", "b"}},
                  ""},
        ItemsCase{"CrLfLines", "A\tu\te\r\nB\tv\tf\r\n", {{"A", "u", "e"}, {"B", "v", "f"}}, ""},
        ItemsCase{"EmptyLinesSkipped", "\n\nA\tu\te\n\r\n\nB\tv\tf", {{"A", "u", "e"}, {"B", "v", "f"}}, ""},
        ItemsCase{"BlanksKeptAsTyped", " \t u \t\"q\" ", {{" ", " u ", "\"q\" "}}, ""},
        ItemsCase{"EmptyTitle", "A\tu\te\n\tu\te\n", {}, "line 2: " + kFillAllBoxes},
        ItemsCase{"EmptyUrlAfterSkippedLines", "\n\nA\t\te\n", {}, "line 3: " + kFillAllBoxes},
        ItemsCase{"EmptyExplanation", "A\tu\t\n", {}, "line 1: " + kFillAllBoxes},
        ItemsCase{"OnlyTabs", "\t\t", {}, "line 1: " + kFillAllBoxes},
        ItemsCase{"NoTab", "A\tu\te\njust a title\n", {}, "line 2" + kTabsMessage},
        ItemsCase{"OneTab", "A\tu\n", {}, "line 1" + kTabsMessage},
        ItemsCase{"ThreeTabs", "A\tu\te\tx\n", {}, "line 1" + kTabsMessage},
        ItemsCase{"CrOnlyLineEnds", "A\tu\te\rB\tv\tf\rC\tw\tg\r", {}, "line 1" + kCrOnlyMessage},
        ItemsCase{"CrOnlyAfterGoodLines", "A\tu\te\r\nB\tv\tf\rC\tw\tg", {}, "line 2" + kCrOnlyMessage},
        ItemsCase{"CrInsideAFieldKept", "A\tu\rv\te\r\n", {{"A", "u\rv", "e"}}, ""},
        ItemsCase{"NothingAtAll", "", {}, "Please add the items first."},
        ItemsCase{"OnlyEmptyLines", "\n\r\n\n", {}, "Please add the items first."}),
    [](const ::testing::TestParamInfo<ItemsCase>& info) { return info.param.name; });

// ---- the whole command ----

std::vector<std::string> g_opened;
bool g_openerSucceeds = true;

// The command's own reports, with the opening recorded instead of done.
class RecordingCommandDesktop : public CommandDesktop {
public:
    using CommandDesktop::CommandDesktop;
    bool OpenWithDefaultProgram(const std::string& path) override {
        g_opened.push_back(path);
        return g_openerSucceeds;
    }
};

struct CommandRun {
    int status;
    std::string out, err;
};

CommandRun RunCommand(const std::vector<std::string>& args, const std::string& input = "") {
    g_opened.clear();
    std::istringstream in(input);
    std::ostringstream out, err;
    RecordingCommandDesktop desktop(out, err);
    int status = RunPageCommand(args, in, desktop);
    return {status, out.str(), err.str()};
}

const std::string kTwoItems = expected::DataFile("entries.tsv");

class PageCommandTest : public ::testing::Test {
protected:
    void TearDown() override { g_openerSucceeds = true; }
    TempDir dir;
};

TEST_F(PageCommandTest, ItemsFromStandardInputGiveTheSimplePage) {
    const std::string path = dir / "page.htm";
    CommandRun run = RunCommand({"-o", path}, kTwoItems);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Wrote " + path + " (2 entries)\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(path), expected::Page("simple"));
    EXPECT_TRUE(g_opened.empty());
}

TEST_F(PageCommandTest, ItemsFromAFileGiveTheSamePage) {
    WriteBytes(dir / "items.tsv", kTwoItems);
    const std::string path = dir / "page.htm";
    CommandRun run = RunCommand({dir / "items.tsv", "-o", path}, "ignored\tstandard\tinput\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(path), expected::Page("simple"));
}

TEST_F(PageCommandTest, DashReadsStandardInputAndCountsAsTheOneInput) {
    const std::string path = dir / "page.htm";
    CommandRun run = RunCommand({"-", "-o", path}, kTwoItems);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(path), expected::Page("simple"));

    WriteBytes(dir / "items.tsv", kTwoItems);
    for (std::vector<std::string> args : {std::vector<std::string>{"-", dir / "items.tsv"},
                                          std::vector<std::string>{dir / "items.tsv", "-"}}) {
        args.push_back("-o");
        args.push_back(dir / "other.htm");
        CommandRun twice = RunCommand(args, kTwoItems);
        EXPECT_EQ(twice.status, 2);
        EXPECT_NE(twice.err.find("more than one input file"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "other.htm"));

    CommandRun empty = RunCommand({"", "-o", dir / "other.htm"}, kTwoItems);
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("empty input file name"), std::string::npos) << empty.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "other.htm"));
}

TEST_F(PageCommandTest, StyledWithValuesAndWithoutScrollbarColours) {
    const std::string path = dir / "page.htm";
    CommandRun run = RunCommand(
        {"--styled", "--no-scrollbar-colors", "--set", "fontColor=navy", "--set", "fontSize=", "--set",
         "borderStyle=dotted", "--set", "scrollbarArrowColor=unused", "-o", path},
        "A\thttp://a/\ta\n");
    ASSERT_EQ(run.status, 0) << run.err;
    std::string page = std::string(expected::kStyledHead) +
                       Fill(expected::kStyledFramePlain, {"200", "75", "lightsteelblue", "navy", "600", "",
                                                          "MS Sans Serif", "1", "dotted", "lightsteelblue"}) +
                       Fill(expected::kStyledEntry, {"a", "http://a/", "2", "red", "lightsteelblue", "1",
                                                     "dotted", "lightsteelblue", "A"}) +
                       std::string(expected::kStyledClose) + std::string(expected::kStyledTail);
    EXPECT_EQ(ReadBytes(path), expected::OnDisk(page));
}

TEST_F(PageCommandTest, StyleValuesWithoutStyledChangeNothing) {
    CommandRun plain = RunCommand({"-o", dir / "plain.htm"}, kTwoItems);
    CommandRun set =
        RunCommand({"--set", "fontColor=navy", "--no-scrollbar-colors", "-o", dir / "set.htm"}, kTwoItems);
    ASSERT_EQ(plain.status, 0);
    ASSERT_EQ(set.status, 0);
    EXPECT_EQ(ReadBytes(dir / "set.htm"), ReadBytes(dir / "plain.htm"));
}

TEST_F(PageCommandTest, OpenAsksTheOpenerForTheWrittenPath) {
    const std::string path = dir / "page.htm";
    CommandRun run = RunCommand({"--open", "-o", path}, kTwoItems);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(g_opened, (std::vector<std::string>{testing_support::NativePath(path)}));
    EXPECT_EQ(run.err, "");
}

TEST_F(PageCommandTest, FailedOpenIsReportedButThePageStays) {
    g_openerSucceeds = false;
    const std::string path = dir / "page.htm";
    CommandRun run = RunCommand({"--open", "-o", path}, kTwoItems);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(g_opened, (std::vector<std::string>{testing_support::NativePath(path)}));
    EXPECT_NE(run.err.find("could not open " + path), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(path), expected::Page("simple"));
}

TEST_F(PageCommandTest, DefaultOutputIsPopupHtmInTheWorkingDirectory) {
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    CommandRun run = RunCommand({}, kTwoItems);
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Wrote Popup.htm (2 entries)\n");
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Popup.htm"}));
}

TEST_F(PageCommandTest, HelpPrintsUsageWithEveryFieldAndWritesNothing) {
    CommandRun run = RunCommand({"--help", "-o", dir / "page.htm"}, kTwoItems);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("Usage: menulark-page", 0), 0u);
    for (const char* option : {"--styled", "--no-scrollbar-colors", "--set FIELD=VALUE", "-o FILE", "--open",
                               "--menu", "--save-menu FILE"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    for (const StyleField& field : StyleFields())
        EXPECT_NE(run.out.find(" " + std::string(field.name) + "\n"), std::string::npos) << field.name;
    EXPECT_TRUE(dir.Entries().empty());
}

TEST_F(PageCommandTest, BadInputExitsWithTwoAndWritesNothing) {
    struct Case {
        const char* what;
        std::vector<std::string> extraArgs;
        std::string input;
        std::string errorPart;
    };
    const Case cases[] = {
        {"empty field",
         {},
         "A\tu\te\nB\t\tf\n",
         "line 2: Please make sure that all text boxes are filled out."},
        {"wrong tab count", {}, "A\tu\te\nB\tu\n", "line 2: expected title, URL and explanation"},
        {"no items", {}, "\n\n", "menulark-page: standard input: the file is empty"},
        {"nothing on input", {}, "", "menulark-page: standard input: the file is empty"},
        {"unknown field", {"--set", "size=1"}, kTwoItems, "unknown style field \"size\""},
        {"unknown option", {"--fancy"}, kTwoItems, "unknown option --fancy"},
#ifndef _WIN32  // the reasons are strerror's; Windows gives its own texts
        {"missing input file",
         {dir / "absent.tsv"},
         kTwoItems,
         "cannot read " + (dir / "absent.tsv") + ": " + std::strerror(ENOENT)},
        {"directory as input",
         {dir.Path()},
         kTwoItems,
         "cannot read " + dir.Path() + ": " + std::strerror(EISDIR)},
        {"I/O error while reading",
         {"/proc/self/mem"},
         kTwoItems,
         "cannot read /proc/self/mem: " + std::string(std::strerror(EIO))},
        {"symbolic link loop",
         {dir / "loop"},
         kTwoItems,
         "cannot read " + (dir / "loop") + ": " + std::strerror(ELOOP)},
#endif
        // The byte is counted from 1 within its line.
        {"bytes FF FE", {}, "a\xff\xfe\tb\tc\n", "line 1: not valid UTF-8 at byte 2 of the line"},
        {"cut-short sequence", {}, "A\tu\te\nB\tv\xc3\tf\n", "line 2: not valid UTF-8 at byte 4 of the line"},
        {"surrogate",
         {},
         "A\tu\te\n\nB\tv\tf\xed\xa0\x80\n",
         "line 3: not valid UTF-8 at byte 6 of the line"},
        {"overlong",
         {},
         "\xc0\xaf"
         "A\tu\te\n",
         "line 1: not valid UTF-8 at byte 1 of the line"},
        {"above U+10FFFF",
         {},
         "A\tu\te\r\nB\tv\tf\xf4\x90\x80\x80",
         "line 2: not valid UTF-8 at byte 6 of the line"},
        {"cut short at the end", {}, "A\tu\te\xe2\x82", "line 1: not valid UTF-8 at byte 6 of the line"},
        {"CR-only line ends", {}, "A\tu\te\rB\tv\tf\r", "line 1: the line ends are CR only"},
    };
#ifndef _WIN32
    ASSERT_EQ(symlink("loop", (dir / "loop").c_str()), 0);
#endif
    const std::string previous = "previous page";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (bool exists : {false, true}) {
            const std::string path = dir / "page.htm";
            std::filesystem::remove(std::filesystem::u8path(path));
            if (exists) WriteBytes(path, previous);
            std::vector<std::string> args = c.extraArgs;
            args.insert(args.end(), {"-o", path, "--open"});

            CommandRun run = RunCommand(args, c.input);
            EXPECT_EQ(run.status, 2);
            EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << run.err;
            EXPECT_EQ(run.err.rfind("menulark-page: ", 0), 0u) << run.err;
            EXPECT_EQ(run.out, "");
            EXPECT_TRUE(g_opened.empty());
            if (exists) {
                EXPECT_EQ(ReadBytes(path), previous);
            } else {
                EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(path)));
            }
        }
    }
}

TEST_F(PageCommandTest, UnwritableFileExitsWithOneAndTheReason) {
    WriteBytes(dir / "locked.htm", "old");
    std::filesystem::permissions(dir / "locked.htm", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::others_read);
    struct Case {
        const char* what;
        std::string path;
        std::string reasonPart;
    };
    const Case cases[] = {
        {"missing directory", dir / "missing/page.htm", testing_support::SystemText(ENOENT)},
        {"read-only file", dir / "locked.htm", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CommandRun run = RunCommand({"-o", c.path, "--open"}, kTwoItems);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("menulark-page: cannot write " + c.path + ": ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.reasonPart), std::string::npos) << run.err;
        EXPECT_GT(run.err.size(), ("menulark-page: cannot write " + c.path + ": \n").size())
            << "a reason is given";
        EXPECT_TRUE(g_opened.empty());
    }
    EXPECT_EQ(ReadBytes(dir / "locked.htm"), "old");
}

TEST_F(PageCommandTest, ScriptUrlsAreWrittenWithAWarningNamingTheLine) {
    const std::string input =
        "A\tjavascript:alert(1)\ta\n"      // 1
        "B\thttp://example.org/\tb\n"      // 2
        "\n"                               // 3
        "C\t \x01 JavaScript:go()\tc\n"    // 4: leading blanks and controls, upper case
        "D\tjava\rscript:go()\td\r\n"      // 5: a CR inside the scheme is dropped
        "E\tVBScript:msgbox\te\n"          // 6
        "F\tdata:text/html,<b>x</b>\tf\n"  // 7
        "G\tjavascript.htm\tg\n"           // 8: a relative URL
        "H\tjava script:x\th\n"            // 9: a blank inside: no scheme
        "I\thttp://a/?javascript:x\ti\n";  // 10
    const std::string path = dir / "page.htm";
    CommandRun run = RunCommand({"--modern", "-o", path}, input);
    EXPECT_EQ(run.status, 0);
    std::string expectedWarnings;
    for (auto [line, scheme] :
         {std::pair{1, "javascript"}, {4, "javascript"}, {5, "javascript"}, {6, "vbscript"}, {7, "data"}})
        expectedWarnings += "menulark-page: warning: line " + std::to_string(line) + ": the URL uses the " +
                            scheme + ": scheme, which can run script in the page\n";
    EXPECT_EQ(run.err, expectedWarnings);
    EXPECT_EQ(run.out, "Wrote " + path + " (9 entries)\n");
    EXPECT_NE(ReadBytes(path).find("javascript:alert(1)"), std::string::npos);
}

TEST_F(PageCommandTest, OpenerGetsAnAbsolutePathThatCannotBeAnOption) {
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    CommandRun run = RunCommand({"--open", "-o", "-dash.htm"}, kTwoItems);
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Wrote -dash.htm (2 entries)\n");
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_TRUE(std::filesystem::path(g_opened[0]).is_absolute()) << g_opened[0];
    EXPECT_TRUE(std::filesystem::equivalent(g_opened[0], dir / "-dash.htm")) << g_opened[0];
}

// ---- menu files ----

TEST_F(PageCommandTest, SavedMenuGivesThePageItsEntriesAndOptionsGive) {
    const std::vector<std::string> options = {"--styled", "--modern", "--set", "fontColor=navy"};
    std::vector<std::string> save = options;
    save.insert(save.end(), {"--save-menu", dir / "shop.menu.json"});
    CommandRun saved = RunCommand(save, kTwoItems);
    ASSERT_EQ(saved.status, 0) << saved.err;
    // Only the menu file: no page without -o or --open.
    EXPECT_EQ(saved.out, "Wrote " + (dir / "shop.menu.json") + " (2 entries)\n");

    // Told apart by its content, from a file or from standard input.
    CommandRun fromFile = RunCommand({dir / "shop.menu.json", "-o", dir / "page.htm"});
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(ReadBytes(dir / "page.htm"), expected::Page("modern_styled_font_navy"));
    CommandRun fromInput = RunCommand({"-o", dir / "input.htm"}, ReadBytes(dir / "shop.menu.json"));
    ASSERT_EQ(fromInput.status, 0) << fromInput.err;
    EXPECT_EQ(ReadBytes(dir / "input.htm"), expected::Page("modern_styled_font_navy"));

    // Saving the menu and writing the page in one run.
    CommandRun both =
        RunCommand({dir / "shop.menu.json", "--save-menu", dir / "copy.menu.json", "-o", dir / "both.htm"});
    ASSERT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(ReadBytes(dir / "copy.menu.json"), ReadBytes(dir / "shop.menu.json"));
    EXPECT_EQ(ReadBytes(dir / "both.htm"), expected::Page("modern_styled_font_navy"));
}

// The classic page lists a rich menu's links in order, submenus' entries
// included, and says on standard error what it leaves out; the modern page
// leaves out nothing and says nothing.
TEST_F(PageCommandTest, TheClassicPageFlattensARichMenuWithAWarning) {
    const std::string rich = expected::DataFile("rich.menu.json");
    std::string classic = rich;
    classic.replace(classic.find("\"modern\","), 9, "\"classic\",");
    const std::string links =
        "Home\thttps://example.org/\tBack to the start page\n"
        "Shoes\thttps://example.org/shoes\tAll our shoes\n"
        "Bags\thttps://example.org/bags\tBags and cases\n"
        "Backpacks\thttps://example.org/bags/back\tFor the trail\n"
        "Gift cards\thttps://example.org/gift\tGive a choice\n"
        "Help\thttps://help.example.org/\tQuestions and answers, in a new tab\n";
    for (const char* look : {"simple", "styled"}) {
        SCOPED_TRACE(look);
        std::vector<std::string> flatArgs = {"-o", dir / "flat.htm", "--set", "width=300"};
        if (std::string(look) == "styled") flatArgs.push_back("--styled");
        // The flat list with the rich file's style values.
        for (const char* value : {"height=100", "backgroundColor=ivory", "itemHighlightColor=gold",
                                  "fontWeight=bold", "fontSize=13", "fontFamily=Verdana", "fontColor=navy",
                                  "borderSize=2", "borderStyle=solid", "borderColor=steelblue",
                                  "scrollbarArrowColor=steelblue", "scrollbarHighlightColor=lightsteelblue",
                                  "scrollbar3dlightColor=lightslategray", "scrollbarShadowColor=darkblue"})
            flatArgs.insert(flatArgs.end(), {"--set", value});
        ASSERT_EQ(RunCommand(flatArgs, links).err, "");
        std::vector<std::string> richArgs = {"--menu", "-o", dir / "rich.htm"};
        if (std::string(look) == "styled") richArgs.push_back("--styled");
        CommandRun run = RunCommand(richArgs, classic);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err,
                  "menulark-page: warning: the classic page cannot show all of this menu: it leaves out 2 "
                  "separators, 1 heading, 2 icons and the new tab of 1 link, and lists the entries of 2 "
                  "submenus in order with the others (the modern page shows them)\n");
        EXPECT_EQ(ReadBytes(dir / "rich.htm"), ReadBytes(dir / "flat.htm"));
    }
    CommandRun modern = RunCommand({"-o", dir / "modern.htm"}, rich);
    EXPECT_EQ(modern.status, 0);
    EXPECT_EQ(modern.err, "");
}

TEST_F(PageCommandTest, OptionsOverrideTheMenuFilesValues) {
    // Each file is saved with some options; each run adds more. The page must
    // be the one the same entries give, as tab-separated input, with the
    // file's options and then the added ones.
    struct File {
        std::vector<std::string> options;
        std::vector<std::vector<std::string>> added;
        std::string kept;  // a text of the file's own that a run without options shows
    };
    const File files[] = {
        {{"--styled", "--set", "fontColor=navy", "--set", "fontSize=9"},
         {{},
          {"--modern"},
          {"--no-scrollbar-colors"},
          {"--set", "fontColor=red"},
          {"--set", "fontSize=20", "--set", "borderStyle=dotted", "--set", "fontSize=12"}},
         "color:navy"},
        {{"--modern", "--label", "Site menu", "--lang", "de"},
         {{}, {"--modern", "--label", "Links"}, {"--modern", "--lang", "pt-BR"}},
         "aria-label=\"Site menu\""},
    };
    for (const File& f : files) {
        std::vector<std::string> save = f.options;
        save.insert(save.end(), {"--save-menu", dir / "file.menu.json"});
        ASSERT_EQ(RunCommand(save, kTwoItems).status, 0);
        for (const std::vector<std::string>& extra : f.added) {
            SCOPED_TRACE(::testing::PrintToString(f.options) + " + " + ::testing::PrintToString(extra));
            std::vector<std::string> fromFile = {dir / "file.menu.json", "-o", dir / "file.htm"};
            fromFile.insert(fromFile.end(), extra.begin(), extra.end());
            std::vector<std::string> fromItems = f.options;
            fromItems.insert(fromItems.end(), extra.begin(), extra.end());
            fromItems.insert(fromItems.end(), {"-o", dir / "items.htm"});
            CommandRun file = RunCommand(fromFile);
            CommandRun items = RunCommand(fromItems, kTwoItems);
            ASSERT_EQ(file.status, 0) << file.err;
            ASSERT_EQ(items.status, 0) << items.err;
            EXPECT_EQ(ReadBytes(dir / "file.htm"), ReadBytes(dir / "items.htm"));
            if (extra.empty()) {
                EXPECT_NE(ReadBytes(dir / "file.htm").find(f.kept), std::string::npos);
            }
        }
    }
}

TEST_F(PageCommandTest, MenuFlagAndBadMenuFilesAreReportedWithThePlace) {
    std::string menu = expected::DataFile("example.menu.json");
    std::string tabbed = menu;
    tabbed.insert(1, "\t");  // a tab on the first line: looks like entries
    std::string emptyTitle = menu;
    emptyTitle.replace(emptyTitle.find("\"Home\""), 6, "\"\"");
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string errorPart;  // empty: written
    };
    const Case cases[] = {
        {"tab on the first line read as entries",
         {},
         tabbed,
         2,
         "line 1: expected title, URL and explanation"},
        {"the same with --menu", {"--menu"}, tabbed, 0, ""},
        {"entries read as a menu file",
         {"--menu"},
         kTwoItems,
         2,
         "menulark-page: standard input: line 1, column 1"},
        {"empty entry title", {}, emptyTitle, 2, "menulark-page: standard input: /entries/0/title"},
        {"menu file to an unwritable place",
         {"--save-menu", dir / "missing/x.menu.json"},
         menu,
         1,
         "menulark-page: cannot write " + (dir / "missing/x.menu.json") + ": " +
             testing_support::SystemText(ENOENT)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(dir / "page.htm");
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"-o", dir / "page.htm"});
        CommandRun run = RunCommand(args, c.input);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (c.errorPart.empty()) {
            EXPECT_EQ(run.err, "");
            EXPECT_TRUE(std::filesystem::exists(dir / "page.htm"));
        } else {
            EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << run.err;
            EXPECT_FALSE(std::filesystem::exists(dir / "page.htm"));
        }
    }
    // The file's own name is given when it is one.
    WriteBytes(dir / "bad.menu.json", emptyTitle);
    CommandRun named = RunCommand({dir / "bad.menu.json", "-o", dir / "page.htm"});
    EXPECT_NE(named.err.find("menulark-page: " + (dir / "bad.menu.json") + ": /entries/0/title"),
              std::string::npos)
        << named.err;
}

// Standard output that takes nothing, like a full disk.
class RefusingBuffer : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
};

TEST_F(PageCommandTest, UnwritableStandardOutputExitsWithOne) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        bool writesPage;
    };
    const Case cases[] = {
        {"report of a written page", {"-o", dir / "page.htm"}, true},
        {"usage text", {"--help"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(dir / "page.htm");
        RefusingBuffer refusing;
        std::ostream out(&refusing);
        std::istringstream in(kTwoItems);
        std::ostringstream err;
        RecordingCommandDesktop desktop(out, err);
        EXPECT_EQ(RunPageCommand(c.args, in, desktop), 1);
        EXPECT_EQ(err.str().rfind("menulark-page: cannot write to standard output", 0), 0u) << err.str();
        EXPECT_EQ(std::filesystem::exists(dir / "page.htm"), c.writesPage);
    }
}

// ---- strict Content-Security-Policy ----

// `bytes` as a browser reads them: CR LF line ends as single line feeds.
std::string AsBrowserReads(std::string bytes) {
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at))
        bytes.erase(at, 1);
    return bytes;
}

TEST_F(PageCommandTest, AssetsGoIntoTheirFolderFirstAndCspNamesTheInlineCode) {
    const std::string web = dir / "web";
    std::filesystem::create_directory(web);
    const std::string snippet = dir / "snippet.htm";
    CommandRun run = RunCommand({"--modern", "--snippet", "--assets", web, "-o", snippet}, kTwoItems);
    ASSERT_EQ(run.status, 0) << run.err;
    MenuItemList items = *ParseMenuItems(kTwoItems).value;
    ModernPageOptions options;
    options.snippet = true;
    options.assetsUrl = web;
    const std::vector<SnippetFile> files = SnippetFiles(items, PageMode::Simple, {}, options);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(run.out, "Wrote " + web + "/" + files[0].name + "\nWrote " + web + "/" + files[1].name +
                           "\nWrote " + snippet + " (2 entries)\n");
    for (const SnippetFile& file : files)
        EXPECT_EQ(ReadBytes(web + "/" + file.name), expected::OnDisk(file.text));
    EXPECT_EQ(ReadBytes(snippet), expected::OnDisk(BuildModernPage(items, PageMode::Simple, {}, options)));

    // A folder that is not there: neither the files nor a snippet that
    // would refer to them.
    CommandRun missing =
        RunCommand({"--modern", "--snippet", "--assets", dir / "none", "-o", dir / "s2.htm"}, kTwoItems);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(dir / ("none/" + files[0].name)), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "s2.htm"));

    // --csp: the hashes of the inline code as the browser reads the file;
    // the script's is the same for every menu.
    std::vector<std::string> policies;
    for (const std::vector<std::string>& look : {std::vector<std::string>{"--snippet"}, {"--styled"}}) {
        std::vector<std::string> args = {"--modern", "--csp", "-o", dir / "inline.htm"};
        args.insert(args.end(), look.begin(), look.end());
        CommandRun hashed = RunCommand(args, kTwoItems);
        ASSERT_EQ(hashed.status, 0) << hashed.err;
        const std::string policy = InlineCodePolicy(AsBrowserReads(ReadBytes(dir / "inline.htm")));
        EXPECT_EQ(hashed.out, "Wrote " + (dir / "inline.htm") +
                                  " (2 entries)\nContent-Security-Policy: " + policy + "\n");
        policies.push_back(policy);
    }
    const size_t scriptEnd = policies[0].find(';');
    EXPECT_EQ(policies[0].substr(0, scriptEnd), policies[1].substr(0, scriptEnd));
    EXPECT_NE(policies[0], policies[1]);
}

}  // namespace
}  // namespace menulark
