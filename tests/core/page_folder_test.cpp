// Where the window's pages go: beside the program when it may write there,
// else in the user's data folder.
#include "system/page_folder.h"

#include <gtest/gtest.h>

namespace menulark {
namespace {

TEST(PageFolderTest, ProgramFolderUnlessReadOnlyAndUserFolderKnown) {
    struct Case {
        bool writable;
        const char* userFolder;
        const char* expected;
        bool inUserFolder;
    };
    const Case cases[] = {
        {true, "/home/a/.local/share/menulark/", "/usr/lib/menulark/", false},
        {true, "", "/usr/lib/menulark/", false},
        {false, "/home/a/.local/share/menulark/", "/home/a/.local/share/menulark/", true},
        {false, "", "/usr/lib/menulark/", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.writable ? "writable, " : "read-only, ") + c.userFolder);
        PageFolder folder = ChoosePageFolder("/usr/lib/menulark/", c.writable, c.userFolder);
        EXPECT_EQ(folder.path, c.expected);
        EXPECT_EQ(folder.inUserFolder, c.inUserFolder);
        EXPECT_EQ(folder.programFolder, c.inUserFolder ? "/usr/lib/menulark/" : "");
    }
}

TEST(PageFolderTest, XdgDataHomeIsAbsoluteSettingOrHomeLocalShare) {
    struct Case {
        const char* xdgDataHome;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/a", "/home/a", "/data/a"},
        {nullptr, "/home/a", "/home/a/.local/share"},
        {"", "/home/a/", "/home/a/.local/share"},
        {"relative/data", "/home/a", "/home/a/.local/share"},  // invalid, so ignored
        {nullptr, nullptr, ""},
        {"relative", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.xdgDataHome ? c.xdgDataHome : "(unset)") + " | " +
                     (c.home ? c.home : "(unset)"));
        EXPECT_EQ(XdgDataHome(c.xdgDataHome, c.home), c.expected);
    }
}

}  // namespace
}  // namespace menulark
