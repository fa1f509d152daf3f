#include "page/create_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/core/expected_pages.h"
#include "tests/core/recording_desktop.h"
#include "tests/core/system_text.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

using testing_support::RecordingDesktop;

StyleSettings InLook(PageMode mode) {
    StyleSettings style;
    style.styledMode = mode == PageMode::Styled;
    return style;
}

// The entries of tests/data/entries.tsv.
MenuItemList TwoItems() {
    MenuItemList list;
    EXPECT_TRUE(list.AddItem("Home", "http://example.org/", "Go home"));
    EXPECT_TRUE(list.AddItem("News", "http://example.org/news", "Latest \"news\" & <more>"));
    return list;
}

TEST(CreatePageTest, EmptyListSaysAddTheItemsFirstAndDoesNothingElse) {
    for (PageMode mode : {PageMode::Simple, PageMode::Styled}) {
        TempDir dir;
        RecordingDesktop desktop;
        MenuItemList none;
        CreateResult result =
            CreatePage({none, InLook(mode), PageFlavor::Classic, dir / "Popup.htm"}, desktop);
        EXPECT_EQ(result.outcome, CreateOutcome::NoItems);
        EXPECT_EQ(desktop.messages, (std::vector<std::string>{"Please add the items first."}));
        EXPECT_TRUE(desktop.opened.empty());
        EXPECT_TRUE(dir.Entries().empty());
    }
}

TEST(CreatePageTest, WritesPopupHtmInTheBaseDirectoryAndOpensExactlyThatPath) {
    struct Case {
        PageMode mode;
        const char* page;
    };
    for (const Case& c : {Case{PageMode::Simple, "simple"}, Case{PageMode::Styled, "styled"}}) {
        TempDir dir;
        RecordingDesktop desktop;
        const std::string base = dir.Path() + "/";
        MenuItemList items = TwoItems();
        StyleSettings style = InLook(c.mode);
        const std::string path = base + "Popup.htm";

        CreateResult result = CreatePage({items, style, PageFlavor::Classic, path}, desktop);

        EXPECT_EQ(result.outcome, CreateOutcome::Opened);
        EXPECT_EQ(result.path, path);
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(desktop.opened, (std::vector<std::string>{testing_support::NativePath(path)}));
        EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Popup.htm"}));
        EXPECT_EQ(ReadBytes(path), expected::Page(c.page));
        EXPECT_EQ(items.RowCount(), 2);
    }
}

TEST(CreatePageTest, ReplacesAnEarlierLongerPage) {
    TempDir dir;
    RecordingDesktop desktop;
    WriteBytes(dir / "Popup.htm", std::string(100000, 'z'));
    MenuItemList items = TwoItems();
    ASSERT_EQ(CreatePage({items, StyleSettings{}, PageFlavor::Classic, dir / "Popup.htm"}, desktop).outcome,
              CreateOutcome::Opened);
    EXPECT_EQ(ReadBytes(dir / "Popup.htm"), expected::Page("simple"));
}

TEST(CreatePageTest, WriteFailureShowsOneMessageWithFileAndReasonAndOpensNothing) {
    TempDir dir;
    WriteBytes(dir / "not-a-dir", "");
    ASSERT_TRUE(std::filesystem::create_directory(dir / "locked"));
    WriteBytes(dir / "locked/Popup.htm", "old page");
    std::filesystem::permissions(dir / "locked/Popup.htm", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::group_read |
                                                               std::filesystem::perms::others_read);

    struct Case {
        const char* what;
        std::string base;
        std::string reasonPart;  // empty: any reason
    };
    const Case cases[] = {
        {"missing directory", dir / "missing/", testing_support::SystemText(ENOENT)},
        {"base is a regular file", dir / "not-a-dir/", testing_support::SystemText(ENOTDIR)},
        {"read-only page", dir / "locked/", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingDesktop desktop;
        const std::string path = c.base + "Popup.htm";
        MenuItemList items = TwoItems();
        CreateResult result = CreatePage({items, StyleSettings{}, PageFlavor::Classic, path}, desktop);
        EXPECT_EQ(result.outcome, CreateOutcome::WriteFailed);
        EXPECT_TRUE(desktop.opened.empty());
        ASSERT_EQ(desktop.messages.size(), 1u);
        const std::string& message = desktop.messages[0];
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find(c.reasonPart), std::string::npos) << message;
        EXPECT_EQ(message.find("%s"), std::string::npos) << message;
    }
    EXPECT_EQ(ReadBytes(dir / "locked/Popup.htm"), "old page");
}

TEST(CreatePageTest, WriteFailedMessageNamesFileAndReason) {
    std::string message = WriteFailedMessage("/x/Popup.htm", "Disk full");
    EXPECT_NE(message.find("/x/Popup.htm"), std::string::npos);
    EXPECT_NE(message.find("Disk full"), std::string::npos);
    EXPECT_LT(message.find("/x/Popup.htm"), message.find("Disk full"));
    // A path with percent signs or quotes is shown as it is.
    EXPECT_NE(WriteFailedMessage("/a%s\"b/Popup.htm", "r").find("/a%s\"b/Popup.htm"), std::string::npos);
}

}  // namespace
}  // namespace menulark
