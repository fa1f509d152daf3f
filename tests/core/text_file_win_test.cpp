// File-writing promises as Windows keeps them: the replacement fails whole
// when the target is held open, links are written through, a replaced file
// keeps its attributes, and a failure carries the system's own text.
// text_file_posix_test.cpp holds the POSIX counterparts.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "system/text_file.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

std::wstring Wide(const std::string& utf8) {
    return std::filesystem::u8path(utf8).wstring();
}

TEST(WriteTextFileWindowsTest, TargetHeldOpenKeepsThePreviousFileWholeAndNoTemporaryFile) {
    // Another program holds the page open without letting it be deleted or
    // renamed: the replacement step fails, which is the last step that can.
    TempDir dir;
    const std::string path = dir / "Popup.htm";
    WriteBytes(path, "previous page\r\n");
    HANDLE held = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    WriteResult result = WriteTextFile(path, std::string(300000, 'n') + "\n");
    CloseHandle(held);

    EXPECT_FALSE(result);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBytes(path), "previous page\r\n");
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Popup.htm"})) << "no temporary file left behind";
}

TEST(WriteTextFileWindowsTest, FailuresCarryTheSystemsText) {
    TempDir dir;
    // The system's own words, as FormatMessageW gives them, without the
    // trailing period and line end.
    wchar_t expected[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_PATH_NOT_FOUND,
                   0, expected, 512, nullptr);
    std::string text = std::filesystem::path(expected).u8string();
    while (!text.empty() &&
           (text.back() == '\n' || text.back() == '\r' || text.back() == '.' || text.back() == ' '))
        text.pop_back();
    ASSERT_FALSE(text.empty());

    WriteResult result = WriteTextFile(dir / "no-such-folder/Popup.htm", "x");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, text);
    EXPECT_EQ(result.error, ENOENT);
}

TEST(WriteTextFileWindowsTest, ReplacedFileKeepsItsAttributes) {
    for (DWORD attribute : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}}) {
        TempDir dir;
        const std::string path = dir / "Popup.htm";
        WriteBytes(path, "old");
        ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), attribute));
        // Wine keeps these attributes only where the host file system has
        // extended attributes.
        if (!(GetFileAttributesW(Wide(path).c_str()) & attribute))
            GTEST_SKIP() << "the file system does not keep attribute " << attribute;
        ASSERT_TRUE(WriteTextFile(path, "new\n")) << attribute;
        DWORD after = GetFileAttributesW(Wide(path).c_str());
        ASSERT_NE(after, INVALID_FILE_ATTRIBUTES);
        EXPECT_TRUE(after & attribute) << attribute;
        EXPECT_FALSE(after & FILE_ATTRIBUTE_READONLY) << attribute;
        EXPECT_EQ(ReadBytes(path), "new\r\n");
    }
}

TEST(WriteTextFileWindowsTest, NewFileIsAPlainWritableFile) {
    TempDir dir;
    ASSERT_TRUE(WriteTextFile(dir / "Popup.htm", "x"));
    DWORD attributes = GetFileAttributesW(Wide(dir / "Popup.htm").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY |
                               FILE_ATTRIBUTE_DIRECTORY));
}

TEST(WriteTextFileWindowsTest, SymbolicLinkKeepsPointingAtItsTarget) {
    TempDir dir;
    ASSERT_TRUE(std::filesystem::create_directory(std::filesystem::u8path(dir / "pages")));
    struct Case {
        const char* what;
        std::string linkTarget;  // as stored in the link
        std::string realFile;    // where the text must land
    };
    const Case cases[] = {
        {"relative", "real.htm", dir / "real.htm"},
        {"into a subdirectory", "pages\\inner.htm", dir / "pages/inner.htm"},
        {"absolute", dir / "pages/absolute.htm", dir / "pages/absolute.htm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string link = dir / "Popup.htm";
        WriteBytes(c.realFile, "old target text");
        DeleteFileW(Wide(link).c_str());
        // Unprivileged creation needs developer mode; without it, or where the
        // system only pretends to make links, there is nothing to check.
        CreateSymbolicLinkW(Wide(link).c_str(), Wide(c.linkTarget).c_str(),
                            SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
        DWORD attributes = GetFileAttributesW(Wide(link).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            GTEST_SKIP() << "this system made no symbolic link (Wine's CreateSymbolicLinkW is a stub)";

        ASSERT_TRUE(WriteTextFile(link, "new\ntext"));

        EXPECT_TRUE(GetFileAttributesW(Wide(link).c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
        EXPECT_EQ(ReadBytes(c.realFile), "new\r\ntext");
    }
}

}  // namespace
}  // namespace menulark
