// File-writing promises that rest on POSIX: a write failing part-way (the
// file-size limit stands in for a full disk), symbolic links, the umask and
// mode bits. text_file_win_test.cpp holds the Windows counterparts.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "system/text_file.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::ModeBits;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

// Lowers the limit on file size so that the next write fails part-way, as on a
// full disk. SIGXFSZ is ignored so that write() reports EFBIG instead of the
// process ending. Restore() runs before any assertion writes output.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        m_applied = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() { Restore(); }
    bool Applied() const { return m_applied; }
    void Restore() {
        if (m_restored) return;
        setrlimit(RLIMIT_FSIZE, &m_saved);
        signal(SIGXFSZ, m_savedHandler);
        m_restored = true;
    }

private:
    rlimit m_saved{};
    sighandler_t m_savedHandler = SIG_DFL;
    bool m_applied = false;
    bool m_restored = false;
};

TEST(WriteTextFileTest, WriteFailingPartWayKeepsThePreviousFileWhole) {
    TempDir dir;
    const std::string path = dir / "Popup.htm";
    const std::string previous = "<HTML>\r\nprevious page\r\n</HTML>";
    WriteBytes(path, previous);
    const std::string bigPage = std::string(1 << 20, 'x') + "\n</HTML>";

    FileSizeLimit limit(64 * 1024);
    bool applied = limit.Applied();
    WriteResult result = WriteTextFile(path, bigPage);
    limit.Restore();

    ASSERT_TRUE(applied);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Popup.htm"})) << "no temporary file left behind";
}

TEST(WriteTextFileTest, WriteFailingPartWayOnANewFileLeavesNothing) {
    TempDir dir;
    FileSizeLimit limit(4096);
    bool applied = limit.Applied();
    WriteResult result = WriteTextFile(dir / "Popup.htm", std::string(100000, 'y'));
    limit.Restore();

    ASSERT_TRUE(applied);
    EXPECT_FALSE(result);
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(WriteTextFileTest, SymbolicLinkKeepsPointingAtItsTarget) {
    TempDir dir;
    ASSERT_EQ(mkdir((dir / "pages").c_str(), 0755), 0);
    struct Case {
        const char* what;
        std::string linkTarget;  // as stored in the link
        std::string realFile;    // where the text must land
        bool targetExists;
    };
    const Case cases[] = {
        {"relative", "real.htm", dir / "real.htm", true},
        {"into a subdirectory", "pages/inner.htm", dir / "pages/inner.htm", true},
        {"absolute", dir / "pages/absolute.htm", dir / "pages/absolute.htm", true},
        {"dangling", "pages/not-yet.htm", dir / "pages/not-yet.htm", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string link = dir / "Popup.htm";
        if (c.targetExists) WriteBytes(c.realFile, "old target text");
        unlink(link.c_str());
        ASSERT_EQ(symlink(c.linkTarget.c_str(), link.c_str()), 0);

        ASSERT_TRUE(WriteTextFile(link, "new\ntext"));

        struct stat st;
        ASSERT_EQ(lstat(link.c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        char stored[4096];
        ssize_t n = readlink(link.c_str(), stored, sizeof stored);
        ASSERT_GT(n, 0);
        EXPECT_EQ(std::string(stored, static_cast<size_t>(n)), c.linkTarget);
        EXPECT_EQ(ReadBytes(c.realFile), "new\r\ntext");
    }
}

TEST(WriteTextFileTest, LinkToALinkIsFollowedToTheEnd) {
    TempDir dir;
    WriteBytes(dir / "final.htm", "old");
    ASSERT_EQ(symlink("final.htm", (dir / "middle.htm").c_str()), 0);
    ASSERT_EQ(symlink("middle.htm", (dir / "Popup.htm").c_str()), 0);
    ASSERT_TRUE(WriteTextFile(dir / "Popup.htm", "x\n"));
    EXPECT_EQ(ReadBytes(dir / "final.htm"), "x\r\n");
    struct stat st;
    ASSERT_EQ(lstat((dir / "middle.htm").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(WriteTextFileTest, LinkLoopFailsInsteadOfHanging) {
    TempDir dir;
    ASSERT_EQ(symlink("b.htm", (dir / "a.htm").c_str()), 0);
    ASSERT_EQ(symlink("a.htm", (dir / "b.htm").c_str()), 0);
    WriteResult result = WriteTextFile(dir / "a.htm", "x");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.reason.empty());
}

class UmaskGuard {
public:
    explicit UmaskGuard(mode_t mask) : m_saved(umask(mask)) {}
    ~UmaskGuard() { umask(m_saved); }

private:
    mode_t m_saved;
};

TEST(WriteTextFileTest, NewFileGetsReadAndWriteLessTheUmask) {
    struct Case {
        mode_t mask;
        mode_t mode;
    };
    for (const Case& c :
         {Case{022, 0644}, Case{027, 0640}, Case{077, 0600}, Case{0, 0666}, Case{002, 0664}}) {
        TempDir dir;
        UmaskGuard guard(c.mask);
        ASSERT_TRUE(WriteTextFile(dir / "Popup.htm", "x"));
        EXPECT_EQ(ModeBits(dir / "Popup.htm"), c.mode) << "umask " << std::oct << c.mask;
    }
}

TEST(WriteTextFileTest, ReplacedFileKeepsItsModeBits) {
    for (mode_t mode : {mode_t{0640}, mode_t{0600}, mode_t{0755}, mode_t{0666}, mode_t{0200}}) {
        TempDir dir;
        UmaskGuard guard(022);
        const std::string path = dir / "Popup.htm";
        WriteBytes(path, "old");
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(WriteTextFile(path, "new\n")) << std::oct << mode;
        EXPECT_EQ(ModeBits(path), mode) << std::oct << mode;
        ASSERT_EQ(chmod(path.c_str(), 0600), 0);
        EXPECT_EQ(ReadBytes(path), "new\r\n");
    }
}

}  // namespace
}  // namespace menulark
