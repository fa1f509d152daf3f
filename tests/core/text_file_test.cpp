#include "system/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "tests/core/expected_pages.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

struct OnDiskCase {
    const char* name;
    std::string text;
    std::string bytes;
};

void PrintTo(const OnDiskCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteTextFileBytesTest : public ::testing::TestWithParam<OnDiskCase> {};

TEST_P(WriteTextFileBytesTest, WritesEveryLineFeedAsCrLfAndNothingElse) {
    TempDir dir;
    const std::string path = dir / "Popup.htm";
    WriteResult result = WriteTextFile(path, GetParam().text);
    ASSERT_TRUE(result) << result.reason;
    EXPECT_EQ(ReadBytes(path), GetParam().bytes);
    EXPECT_EQ(WithCrLf(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WriteTextFileBytesTest,
    ::testing::Values(OnDiskCase{"Empty", "", ""}, OnDiskCase{"NoLineFeed", "abc", "abc"},
                      OnDiskCase{"OneLine", "a\nb", "a\r\nb"},
                      OnDiskCase{"OnlyLineFeeds", "\n\n", "\r\n\r\n"},
                      OnDiskCase{"EndsWithHtml", "<HTML>\n</BODY>\n</HTML>", "<HTML>\r\n</BODY>\r\n</HTML>"},
                      OnDiskCase{"TrailingLineFeed", "x\n", "x\r\n"},
                      OnDiskCase{"CarriageReturnKept", "a\r\nb\rc", "a\r\r\nb\rc"},
                      OnDiskCase{"TabsAndNul", std::string("a\tb\0c\n", 6), std::string("a\tb\0c\r\n", 7)},
                      OnDiskCase{"Utf8Cafe", "Caf\xC3\xA9\n", "Caf\xC3\xA9\r\n"}),
    [](const ::testing::TestParamInfo<OnDiskCase>& info) { return info.param.name; });

TEST(WriteTextFileTest, SizeIsTextLengthPlusLineFeedsAcrossChunkBoundaries) {
    // Long enough to span several write chunks whatever their size, with line
    // feeds on both sides of every power-of-two mark and a run of them.
    std::string text;
    for (size_t i = 0; i < 1100000; ++i) text += static_cast<char>('a' + i % 26);
    for (size_t mark = 4096; mark < text.size(); mark *= 2) {
        text[mark - 1] = '\n';
        text[mark] = '\n';
    }
    for (size_t at : {size_t{0}, size_t{7}, size_t{200000}, size_t{200001}, size_t{200002}, size_t{1099999}})
        text[at] = '\n';
    text += "</HTML>";

    TempDir dir;
    const std::string path = dir / "Popup.htm";
    ASSERT_TRUE(WriteTextFile(path, text));
    std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes.size(), text.size() + static_cast<size_t>(std::count(text.begin(), text.end(), '\n')));
    EXPECT_TRUE(bytes == expected::OnDisk(text)) << "contents differ";
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "\r\n</HTML>");
}

TEST(WriteTextFileTest, ShorterRewriteLeavesNothingOfTheLongerFile) {
    TempDir dir;
    const std::string path = dir / "Popup.htm";
    ASSERT_TRUE(WriteTextFile(path, std::string(5000, 'L') + "\n</HTML>"));
    ASSERT_TRUE(WriteTextFile(path, "short\n</HTML>"));
    EXPECT_EQ(ReadBytes(path), "short\r\n</HTML>");
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Popup.htm"}));
}

TEST(WriteTextFileTest, SameTextTwiceGivesTheSameBytes) {
    TempDir dir;
    const std::string path = dir / "Popup.htm";
    ASSERT_TRUE(WriteTextFile(path, "a\nb"));
    std::string first = ReadBytes(path);
    ASSERT_TRUE(WriteTextFile(path, "a\nb"));
    EXPECT_EQ(ReadBytes(path), first);
}

TEST(WriteTextFileTest, ReadOnlyTargetStaysUnchanged) {
    TempDir dir;
    const std::string path = dir / "Popup.htm";
    WriteBytes(path, "old page\r\n");
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::perms before = fs::status(path).permissions();
    ASSERT_EQ(before & fs::perms::owner_write, fs::perms::none);

    WriteResult result = WriteTextFile(path, "new page\n");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBytes(path), "old page\r\n");
    EXPECT_EQ(fs::status(path).permissions(), before);
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Popup.htm"}));
}

TEST(WriteTextFileTest, UnusablePlacesFailWithAReason) {
    TempDir dir;
    WriteBytes(dir / "plain-file", "x");
    ASSERT_TRUE(std::filesystem::create_directory(dir / "Popup.htm"));
    struct Case {
        const char* what;
        std::string path;
    };
    const Case cases[] = {
        {"missing directory", dir / "no-such-dir/Popup.htm"},
        {"directory is a regular file", dir / "plain-file/Popup.htm"},
        {"target is a directory", dir / "Popup.htm"},
        {"empty path", ""},
    };
    for (const Case& c : cases) {
        WriteResult result = WriteTextFile(c.path, "page\n");
        EXPECT_FALSE(result) << c.what;
        EXPECT_FALSE(result.reason.empty()) << c.what;
    }
    EXPECT_EQ(ReadBytes(dir / "plain-file"), "x");
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"plain-file", "Popup.htm"}));
}

TEST(WriteTextFileTest, RelativePathInTheWorkingDirectory) {
    TempDir dir;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    WriteResult result = WriteTextFile("Popup.htm", "a\nb");
    std::filesystem::current_path(previous);
    ASSERT_TRUE(result) << result.reason;
    EXPECT_EQ(ReadBytes(dir / "Popup.htm"), "a\r\nb");
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Popup.htm"}));
}

TEST(WriteTextFileTest, AnyFileNameInUtf8) {
    // Accents, a dash, CJK and a character outside the Basic Multilingual
    // Plane (a surrogate pair in UTF-16), in the folder and in the file name.
    const std::string folder = "Caf\xC3\xA9 \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC";
    const std::string name = "Popup \xF0\x9F\x8C\x8D.htm";
    TempDir dir;
    ASSERT_TRUE(std::filesystem::create_directory(std::filesystem::u8path(dir / folder)));
    const std::string path = dir / folder + "/" + name;
    for (const char* text : {"first\n", "second\n"}) {  // a new file, then a replaced one
        WriteResult result = WriteTextFile(path, text);
        ASSERT_TRUE(result) << result.reason;
        EXPECT_EQ(ReadBytes(path), WithCrLf(text));
    }
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::u8path(dir / folder)))
        names.insert(entry.path().filename().u8string());
    EXPECT_EQ(names, (std::set<std::string>{name}));
}

}  // namespace
}  // namespace menulark
