// ResolvePageFolder on the real file system, as an ordinary user (the
// super-user writes anywhere, so the child process becomes "nobody").
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "system/page_folder.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::TempDir;

// The chosen folder's path as the child saw it, "!" when the child failed.
std::string ResolveAsOrdinaryUser(const std::string& programFolder, const std::string& xdgDataHome) {
    int fds[2];
    if (pipe(fds) != 0) return "!";
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody || setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
                setuid(nobody->pw_uid) != 0)
                _exit(3);
        }
        setenv("XDG_DATA_HOME", xdgDataHome.c_str(), 1);
        std::string path = ResolvePageFolder(programFolder).path;
        _exit(write(fds[1], path.data(), path.size()) == static_cast<ssize_t>(path.size()) ? 0 : 4);
    }
    close(fds[1]);
    std::string path;
    char buffer[512];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        path.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? path : "!";
}

TEST(PageFolderPosixTest, ReadOnlyProgramFolderMovesPagesToNewPrivateUserFolder) {
    if (geteuid() == 0 && !getpwnam("nobody"))
        GTEST_SKIP() << "running as root and there is no user 'nobody'";
    TempDir dir;
    ASSERT_EQ(chmod(dir.Path().c_str(), 0777), 0);  // the child makes the data folder here
    ASSERT_EQ(mkdir((dir / "system").c_str(), 0555), 0);
    ASSERT_EQ(mkdir((dir / "own").c_str(), 0777), 0);
    ASSERT_EQ(chmod((dir / "own").c_str(), 0777), 0);

    // Writable, or missing (the write then reports that): as ever, and no
    // data folder is made.
    EXPECT_EQ(ResolveAsOrdinaryUser(dir / "own/", dir / "data"), dir / "own/");
    EXPECT_EQ(ResolveAsOrdinaryUser(dir / "gone/", dir / "data"), dir / "gone/");
    EXPECT_FALSE(std::filesystem::exists(dir / "data"));

    // Read-only: the data folder, its missing parents made for the user alone.
    EXPECT_EQ(ResolveAsOrdinaryUser(dir / "system/", dir / "data/deeper"), dir / "data/deeper/menulark/");
    struct stat info {};
    ASSERT_EQ(stat((dir / "data/deeper/menulark").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

}  // namespace
}  // namespace menulark
