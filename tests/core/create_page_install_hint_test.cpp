// "Create/Finish" in a program folder the user may not write into: the
// message adds where to install the program. The super-user writes anywhere,
// so each case runs in a child process that first becomes an ordinary user.
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "page/create_page.h"
#include "resources/string_table.h"
#include "tests/core/recording_desktop.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

struct ChildReport {
    bool ran = false;
    std::string messages;  // each followed by a record separator
    std::string opened;
};

std::string Joined(const std::vector<std::string>& records) {
    std::string joined;
    for (const std::string& record : records) joined += record + '\x1e';
    return joined;
}

bool WriteAllTo(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Runs CreatePage for `base` in a child process, as "nobody" when we are the
// super-user, and reports what it asked of the desktop.
ChildReport CreatePageAsOrdinaryUser(const std::string& base) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    pid_t child = fork();
    if (child < 0) return {};
    if (child == 0) {
        close(pipeFds[0]);
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody || setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
                setuid(nobody->pw_uid) != 0)
                _exit(3);
        }
        MenuItemList items;
        if (!items.AddItem("Home", "http://example.org/", "Go home")) _exit(4);
        testing_support::RecordingDesktop desktop;
        CreatePage({items, StyleSettings{}, PageFlavor::Classic, base + kPageFileName}, desktop);
        std::string report = Joined(desktop.messages) + '\x1d' + Joined(desktop.opened);
        _exit(WriteAllTo(pipeFds[1], report) ? 0 : 5);
    }
    close(pipeFds[1]);
    std::string report;
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) report.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ChildReport result;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return result;
    size_t split = report.find('\x1d');
    if (split == std::string::npos) return result;
    result.ran = true;
    result.messages = report.substr(0, split);
    result.opened = report.substr(split + 1);
    return result;
}

TEST(CreatePageInstallHintTest, UnwritableProgramFolderMessageSaysWhereToInstall) {
    if (geteuid() == 0 && !getpwnam("nobody"))
        GTEST_SKIP() << "running as root and there is no user 'nobody'";
    const std::string hint(StringTableText(IDS_INSTALL_HINT));
    ASSERT_FALSE(hint.empty());
    ASSERT_NE(hint.find("make install"), std::string::npos);

    TempDir dir;
    // Everyone may look inside; only the named folders differ.
    ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
    ASSERT_EQ(mkdir((dir / "system").c_str(), 0555), 0);
    ASSERT_EQ(mkdir((dir / "own").c_str(), 0777), 0);
    ASSERT_EQ(chmod((dir / "own").c_str(), 0777), 0);  // past the umask
    ASSERT_EQ(mkdir((dir / "kept").c_str(), 0777), 0);
    ASSERT_EQ(chmod((dir / "kept").c_str(), 0777), 0);
    WriteBytes(dir / "kept/Popup.htm", "old page");
    ASSERT_EQ(chmod((dir / "kept/Popup.htm").c_str(), 0444), 0);

    struct Case {
        const char* what;
        std::string base;
        bool written;
        bool hinted;
        std::string reasonPart;
    };
    const Case cases[] = {
        {"folder without write permission", dir / "system/", false, true, std::strerror(EACCES)},
        {"writable folder", dir / "own/", true, false, ""},
        {"read-only page in a writable folder", dir / "kept/", false, false, ""},
        {"missing folder", dir / "missing/", false, false, std::strerror(ENOENT)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChildReport report = CreatePageAsOrdinaryUser(c.base);
        ASSERT_TRUE(report.ran);
        const std::string path = c.base + "Popup.htm";
        if (c.written) {
            EXPECT_EQ(report.messages, "");
            EXPECT_EQ(report.opened, path + '\x1e');
            continue;
        }
        EXPECT_EQ(report.opened, "");
        const std::string expected = WriteFailedMessage(path, c.reasonPart) + "\n\n" + hint + '\x1e';
        if (c.hinted) {
            EXPECT_EQ(report.messages, expected);
        } else {
            EXPECT_EQ(report.messages.find(hint), std::string::npos) << report.messages;
            EXPECT_NE(report.messages.find(path), std::string::npos) << report.messages;
            EXPECT_NE(report.messages.find(c.reasonPart), std::string::npos) << report.messages;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "system/Popup.htm"));
    EXPECT_EQ(ReadBytes(dir / "kept/Popup.htm"), "old page");
}

}  // namespace
}  // namespace menulark
