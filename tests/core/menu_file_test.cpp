#include "menu/menu_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

const std::string kData = MENULARK_TEST_DATA_DIR;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::vector<std::string> Titles(const MenuDocument& document) {
    std::vector<std::string> titles;
    for (const MenuItem& item : document.entries) titles.push_back(item.title);
    return titles;
}

TEST(MenuFileTest, TheExampleFileReadsAndSavesBackByteForByte) {
    const std::string golden = ReadBytes(kData + "/example.menu.json");
    MenuFileRead read = ReadMenuFile(kData + "/example.menu.json");
    ASSERT_TRUE(read.document) << read.error;
    const MenuDocument& document = *read.document;

    EXPECT_EQ(Titles(document), (std::vector<std::string>{"Home", "Über uns", "Say \"hello\""}));
    EXPECT_EQ(document.entries.Row(1).url, "https://example.org/about?lang=de&view=full");
    EXPECT_EQ(document.entries.Row(1).explanation, "Who we are – in German");
    EXPECT_TRUE(document.style.styledMode);
    EXPECT_FALSE(document.style.scrollbarColors);
    EXPECT_EQ(document.style.width, "300");
    EXPECT_EQ(document.style.scrollbarShadowColor, "darkblue");
    EXPECT_EQ(document.flavor, PageFlavor::Modern);
    EXPECT_EQ(document.modernLabel, "Site menu");
    EXPECT_EQ(document.modernLanguage, "en-GB");
    EXPECT_EQ(document.extraKeys,
              (std::vector<ExtraKey>{{"comment", "\"Menu of the example.org home page\""},
                                     {"deploy", R"({"host":"www.example.org","path":"/menus/"})"}}));

    EXPECT_EQ(MenuFileText(document), golden);

    // On disk with CR LF, like every file the program writes; it reads back the same.
    TempDir dir;
    ASSERT_TRUE(SaveMenuFile(dir / "saved.menu.json", document).ok);
    EXPECT_EQ(ReadBytes(dir / "saved.menu.json"), Replaced(golden, "\n", "\r\n"));
    MenuFileRead again = ReadMenuFile(dir / "saved.menu.json");
    ASSERT_TRUE(again.document) << again.error;
    EXPECT_EQ(*again.document, document);
    EXPECT_EQ(MenuFileText(*again.document), golden);
}

TEST(MenuFileTest, TheReadmeShowsTheExampleFileAsItIs) {
    const std::string readme = ReadBytes(kData + "/../../README.md");
    for (const char* example : {"/example.menu.json", "/rich.menu.json"})
        EXPECT_NE(readme.find("```json\n" + ReadBytes(kData + example) + "```\n"), std::string::npos)
            << example;
}

TEST(MenuFileTest, AnyTextSurvivesARoundTrip) {
    MenuDocument document;
    const std::string awkward[] = {"line\nbreak",       "tab\there",   "cr\r\nlf",         "back\\slash",
                                   "\"quoted\"",        "</script>",   "\x01\x1f control", "😀 ~/ ~0 ~1",
                                   std::string(1, ' '), "{\"json\":1}"};
    for (const std::string& text : awkward)
        ASSERT_TRUE(document.entries.AddItem(text, text + "u", text + "e"));
    document.style.fontFamily = "";
    document.style.borderStyle = "\"; }";
    document.modernLabel = "Menü\n";
    document.modernLanguage = "";
    document.extraKeys = {{"z", "[1,2.5,null,true]"}, {"a/~b", R"({"nested":{"x":"ÿ"}})"}};

    const std::string text = MenuFileText(document);
    ASSERT_FALSE(text.empty());
    // Values never hold a raw line end or tab, so CR LF on disk cannot change them.
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find('\t'), std::string::npos);

    MenuFileRead read = ParseMenuFile(text);
    ASSERT_TRUE(read.document) << read.error;
    EXPECT_EQ(*read.document, document);
    EXPECT_EQ(MenuFileText(*read.document), text);
}

TEST(MenuFileTest, AnOlderFormatVersionOpensWithTheModernDefaults) {
    MenuFileRead old = ReadMenuFile(kData + "/example-v1.menu.json");
    ASSERT_TRUE(old.document) << old.error;
    EXPECT_EQ(old.document->modernLabel, "Menu");
    EXPECT_EQ(old.document->modernLanguage, "en");

    // Apart from what version 2 added, it holds what the current example holds,
    // and it is saved in the current version.
    MenuDocument current = *ReadMenuFile(kData + "/example.menu.json").document;
    current.modernLabel = "Menu";
    current.modernLanguage = "en";
    EXPECT_EQ(*old.document, current);
    EXPECT_EQ(MenuFileText(*old.document), Replaced(ReadBytes(kData + "/example.menu.json"),
                                                    "\"label\": \"Site menu\",\n    \"lang\": \"en-GB\"",
                                                    "\"label\": \"Menu\",\n    \"lang\": \"en\""));
}

// A valid file; each bad case changes one piece of it.
const std::string kValid = R"({
  "format": "menulark-menu",
  "version": 2,
  "look": "simple",
  "flavor": "classic",
  "modern": {"label": "Menu", "lang": "en"},
  "style": {"width": "200", "scrollbarColors": true},
  "entries": [
    {"title": "A", "url": "http://a/", "explanation": "a"},
    {"title": "B", "url": "http://b/", "explanation": "b"}
  ]
}
)";

struct BadCase {
    const char* name;
    std::string from, to;  // from empty: the whole text becomes `to`
    std::string message;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

std::string DeepArray(int levels) {
    return std::string(static_cast<size_t>(levels), '[') + std::string(static_cast<size_t>(levels), ']');
}

std::string DeepPointer(int arrays) {
    std::string pointer = "/deep";
    for (int i = 0; i < arrays; ++i) pointer += "/0";
    return pointer;
}

class BadMenuFileTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadMenuFileTest, GivesNoDocumentAndAMessageNamingThePlace) {
    ASSERT_TRUE(ParseMenuFile(kValid).document) << ParseMenuFile(kValid).error;
    const BadCase& c = GetParam();
    std::string text = c.to;
    if (!c.from.empty()) {
        ASSERT_NE(kValid.find(c.from), std::string::npos) << c.from;
        text = Replaced(kValid, c.from, c.to);
    }
    MenuFileRead read = ParseMenuFile(text);
    EXPECT_FALSE(read.document);
    EXPECT_EQ(read.error, c.message);
}

const std::string kStyleNames =
    "width, height, backgroundColor, itemHighlightColor, fontWeight, fontSize, fontFamily, fontColor, "
    "borderSize, borderStyle, borderColor, scrollbarArrowColor, scrollbarHighlightColor, "
    "scrollbar3dlightColor, scrollbarShadowColor, scrollbarColors";

INSTANTIATE_TEST_SUITE_P(
    Strict, BadMenuFileTest,
    ::testing::Values(
        BadCase{"Empty", "", " \r\n", "the file is empty"},
        BadCase{
            "NotJson", "\"simple\",", "simple,",
            "line 4, column 11: syntax error while parsing value - invalid literal; last read: '\"look\": s'"},
        BadCase{
            "NotJsonWithCrLf", "", Replaced(Replaced(kValid, "\"simple\",", "simple,"), "\n", "\r\n"),
            "line 4, column 11: syntax error while parsing value - invalid literal; last read: '\"look\": s'"},
        BadCase{"TrailingComma", "\"b\"}\n", "\"b\"},\n",
                "line 11, column 3: syntax error while parsing value - unexpected ']'; expected '[', '{', or "
                "a literal"},
        BadCase{"NotUtf8", "\"title\": \"B\"", "\"title\": \"Ü\xC3\"", "line 10, column 17: not UTF-8 text"},
        BadCase{"TopLevelArray", "", "[]", "top level: expected an object, found an array"},
        BadCase{"OtherFormat", "menulark-menu", "menu",
                "/format: this is not a Menulark menu file (expected \"menulark-menu\")"},
        BadCase{"NoVersion", "\"version\": 2,", "", "/version: missing"},
        BadCase{"VersionAsText", "\"version\": 2", "\"version\": \"2\"",
                "/version: expected a whole number, found a string"},
        BadCase{"VersionFraction", "\"version\": 2", "\"version\": 1.5",
                "/version: expected a whole number, found a number"},
        BadCase{"NewerVersion", "\"version\": 2", "\"version\": 4",
                "/version: format version 4 comes from a newer Menulark; this one reads versions up to 3"},
        BadCase{"VersionZero", "\"version\": 2", "\"version\": 0",
                "/version: 0 is not a format version (they start at 1)"},
        BadCase{"VersionNegative", "\"version\": 2", "\"version\": -1",
                "/version: -1 is not a format version (they start at 1)"},
        BadCase{"NoLook", "\"look\": \"simple\",", "", "/look: missing"},
        BadCase{"UnknownLook", "\"simple\"", "\"fancy\"",
                "/look: unknown look \"fancy\" (expected \"simple\" or \"styled\")"},
        BadCase{"LookAsBoolean", "\"simple\"", "true", "/look: expected a string, found true or false"},
        BadCase{"UnknownFlavor", "\"classic\"", "\"retro\"",
                "/flavor: unknown flavor \"retro\" (expected \"classic\" or \"modern\")"},
        BadCase{"UnknownStyleField", "\"width\"", "\"fontColour\"",
                "/style/fontColour: unknown style field (the fields are " + kStyleNames + ")"},
        BadCase{"StyleValueAsNumber", "\"width\": \"200\"", "\"width\": 200",
                "/style/width: expected a string, found a number"},
        BadCase{"SwitchAsText", "\"scrollbarColors\": true", "\"scrollbarColors\": \"yes\"",
                "/style/scrollbarColors: expected true or false, found a string"},
        BadCase{"StyleAsArray", "{\"width\": \"200\", \"scrollbarColors\": true}", "[]",
                "/style: expected an object, found an array"},
        BadCase{"UnknownModernKey", "\"lang\"", "\"language\"",
                "/modern/language: unknown key (the modern page takes \"label\" and \"lang\")"},
        BadCase{"ModernLabelNull", "\"label\": \"Menu\"", "\"label\": null",
                "/modern/label: expected a string, found null"},
        BadCase{"NoModernInVersion2", "\"modern\": {\"label\": \"Menu\", \"lang\": \"en\"},", "",
                "/modern: missing"},
        BadCase{
            "ModernInVersion1", "\"version\": 2", "\"version\": 1",
            "/modern: not part of format version 1 (the modern page's label and language came with version 2)"},
        BadCase{"NoEntries", "\"entries\"", "\"entires\"", "/entries: missing"},
        BadCase{"EntriesAsObject", "\"entries\": [", "\"entries\": {}, \"x\": [",
                "/entries: expected an array, found an object"},
        BadCase{"EntryAsArray", "{\"title\": \"B\", \"url\": \"http://b/\", \"explanation\": \"b\"}",
                "[\"B\"]", "/entries/1: expected an object, found an array"},
        BadCase{"EntryWithoutUrl", "\"url\": \"http://b/\", ", "", "/entries/1/url: missing"},
        BadCase{"EntryWithEmptyTitle", "\"title\": \"B\"", "\"title\": \"\"",
                "/entries/1/title: empty (every entry needs a title, a URL and an explanation)"},
        BadCase{
            "EntryWithUnknownField", "\"explanation\": \"b\"", "\"explanation\": \"b\", \"tooltip\": \"b\"",
            "/entries/1/tooltip: unknown entry field (an entry has \"title\", \"url\" and \"explanation\")"},
        BadCase{"EntryFieldAsNumber", "\"url\": \"http://b/\"", "\"url\": 7",
                "/entries/1/url: expected a string, found a number"},
        BadCase{"KeyTwiceInEntry", "\"title\": \"B\"", "\"title\": \"B\", \"title\": \"C\"",
                "/entries/1/title: given twice in the same object"},
        BadCase{"KeyTwiceAtTopLevel", "\"look\": \"simple\",", "\"look\": \"simple\", \"look\": \"styled\",",
                "/look: given twice in the same object"},
        BadCase{"NestedTooDeep", "\"version\": 2,", "\"version\": 2, \"deep\": " + DeepArray(300) + ",",
                DeepPointer(255) + ": nested deeper than 256 levels"}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return info.param.name; });

TEST(MenuFileTest, FilesThatCannotBeReadGiveTheReason) {
    TempDir dir;
    EXPECT_EQ(ReadMenuFile(dir / "missing.menu.json").error, "No such file or directory");
    EXPECT_EQ(ReadMenuFile(dir.Path()).error, "this is a folder, not a file");
    EXPECT_FALSE(ReadMenuFile(dir.Path()).document);
}

TEST(MenuFileTest, TextThatIsNotUtf8IsRefusedBeforeAnythingIsWritten) {
    TempDir dir;
    const std::string path = dir / "kept.menu.json";
    WriteBytes(path, "previous");
    MenuDocument document;
    document.entries.AddItem("fine", "http://a/", "a");
    document.entries.AddItem("bad \xC0\xAF", "http://b/", "b");

    WriteResult written = SaveMenuFile(path, document);
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.reason, "/entries/1/title: not valid UTF-8 text");
    EXPECT_EQ(ReadBytes(path), "previous");
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"kept.menu.json"}));
}

TEST(MenuFileTest, MenuFilesAreToldApartFromTabSeparatedEntries) {
    struct Case {
        std::string text;
        bool menuFile;
    };
    for (const Case& c : {Case{ReadBytes(kData + "/example.menu.json"), true}, Case{"\r\n\n  {\r\n", true},
                          Case{"\xEF\xBB\xBF{}", true}, Case{"{x}\thttp://a/\tb\n", false},
                          Case{"Home\thttp://a/\tb\n{\n", false}, Case{"", false}, Case{"\t{}", false}})
        EXPECT_EQ(LooksLikeMenuFile(c.text), c.menuFile) << c.text;
}

}  // namespace
}  // namespace menulark

namespace menulark {
namespace {

// Version 3: the rich example reads into rows with their depth and kind, and
// saves back byte for byte; without the new keys a menu is saved as version 2.
TEST(MenuFileVersion3Test, TheRichExampleReadsAsRowsAndSavesBackByteForByte) {
    const std::string golden = ReadBytes(kData + "/rich.menu.json");
    MenuFileRead read = ParseMenuFile(golden);
    ASSERT_TRUE(read.document) << read.error;
    struct Row {
        const char* title;
        EntryKind kind;
        int depth;
        bool newTab;
        const char* icon;
    };
    const Row expected[] = {
        {"Home", EntryKind::Link, 0, false, "🏠"},   {"Products", EntryKind::Link, 0, false, ""},
        {"Wear", EntryKind::Heading, 1, false, ""}, {"Shoes", EntryKind::Link, 1, false, "images/shoe.png"},
        {"Bags", EntryKind::Link, 1, false, ""},    {"Backpacks", EntryKind::Link, 2, false, ""},
        {"", EntryKind::Separator, 1, false, ""},   {"Gift cards", EntryKind::Link, 1, false, ""},
        {"", EntryKind::Separator, 0, false, ""},   {"Help", EntryKind::Link, 0, true, ""}};
    const MenuItemList& entries = read.document->entries;
    ASSERT_EQ(entries.RowCount(), static_cast<int>(std::size(expected)));
    for (int r = 0; r < entries.RowCount(); ++r) {
        const MenuItem& item = entries.Row(r);
        const Row& want = expected[r];
        EXPECT_EQ(item.title, want.title) << r;
        EXPECT_EQ(item.kind, want.kind) << r;
        EXPECT_EQ(item.depth, want.depth) << r;
        EXPECT_EQ(item.newTab, want.newTab) << r;
        EXPECT_EQ(item.icon, want.icon) << r;
    }
    EXPECT_EQ(entries.Row(1).url, "") << "a submenu's entry may leave out its URL";
    EXPECT_EQ(MenuFileVersionFor(*read.document), 3);
    EXPECT_EQ(MenuFileText(*read.document), golden);

    // Flattened to plain links, the same menu is written as version 2, as before.
    MenuDocument flat = *read.document;
    std::vector<MenuItem> links;
    for (const MenuItem& item : entries)
        if (item.kind == EntryKind::Link && !item.url.empty()) links.emplace_back(item.title, item.url, "x");
    flat.entries.ReplaceAll(links, -1);
    EXPECT_EQ(MenuFileVersionFor(flat), 2);
    EXPECT_NE(MenuFileText(flat).find("\n  \"version\": 2,\n"), std::string::npos);
    EXPECT_EQ(*ParseMenuFile(MenuFileText(flat)).document, flat);
}

const std::string kValid3 = R"({
  "format": "menulark-menu",
  "version": 3,
  "look": "simple",
  "flavor": "modern",
  "modern": {"label": "Menu", "lang": "en"},
  "style": {},
  "entries": [
    {"kind": "heading", "title": "H"},
    {"title": "P", "entries": [{"title": "A", "url": "http://a/", "explanation": "a", "newTab": true}]},
    {"kind": "separator"},
    {"title": "B", "url": "http://b/", "explanation": "b", "icon": "👍🏽"}
  ]
}
)";

class BadVersion3Test : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadVersion3Test, GivesNoDocumentAndAMessageWithItsPointer) {
    ASSERT_TRUE(ParseMenuFile(kValid3).document) << ParseMenuFile(kValid3).error;
    const BadCase& c = GetParam();
    ASSERT_NE(kValid3.find(c.from), std::string::npos) << c.from;
    MenuFileRead read = ParseMenuFile(Replaced(kValid3, c.from, c.to));
    EXPECT_FALSE(read.document);
    EXPECT_EQ(read.error, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Strict, BadVersion3Test,
    ::testing::Values(
        BadCase{"SeparatorWithTitle", "\"separator\"}", "\"separator\", \"title\": \"S\"}",
                "/entries/2/title: a separator has no other keys"},
        BadCase{"HeadingWithUrl", "\"title\": \"H\"", "\"title\": \"H\", \"url\": \"http://h/\"",
                "/entries/0/url: a heading has a title only"},
        BadCase{"HeadingWithoutTitle", ", \"title\": \"H\"", "", "/entries/0/title: missing"},
        BadCase{"EmptySubmenu",
                "\"entries\": [{\"title\": \"A\", \"url\": \"http://a/\", \"explanation\": "
                "\"a\", \"newTab\": true}]",
                "\"entries\": []", "/entries/1/entries: empty (a submenu needs at least one entry)"},
        BadCase{"UnknownKind", "\"separator\"", "\"line\"",
                "/entries/2/kind: unknown kind \"line\" (expected \"separator\" or \"heading\")"},
        BadCase{"NestedFault", "\"newTab\": true", "\"newTab\": \"yes\"",
                "/entries/1/entries/0/newTab: expected true or false, found a string"},
        BadCase{"LinkWithoutUrl", "\"url\": \"http://b/\", ", "", "/entries/3/url: missing"},
        BadCase{"LongTextIcon", "\"👍🏽\"", "\"abc\"",
                "/entries/3/icon: expected one or two characters or the URL of an image, found \"abc\""},
        BadCase{"UnknownField", "\"icon\"", "\"image\"",
                "/entries/3/image: unknown entry field (an entry has \"title\", \"url\", \"explanation\", "
                "\"kind\", \"newTab\", \"icon\" and \"entries\")"},
        BadCase{"NewKeysInVersion2", "\"version\": 3", "\"version\": 2",
                "/entries/0/kind: not part of format version 2 (kind, newTab, icon and entries came with "
                "version 3)"}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return info.param.name; });

}  // namespace
}  // namespace menulark
