// Ctrl-C, SIGTERM or SIGHUP while the page is written: the temporary file
// goes, the previous page stays, and the process ends with the signal.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "system/text_file.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

int g_interrupt = 0;

// A file-size limit stops the child's write part-way; the limit's own signal
// then delivers the interrupt from inside the write, without any timing.
void RaiseInterrupt(int) {
    raise(g_interrupt);
}

TEST(WriteTextFileInterruptTest, RemovesTheTemporaryFileAndEndsWithTheSignal) {
    struct Case {
        int signal;
        bool ignored;  // an ignored signal (nohup) changes nothing
    };
    const Case cases[] = {{SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGHUP, true}};
    std::string text;  // 4 MB, four times the limit below
    for (int line = 0; line < 4096; ++line) text += std::string(1023, 'x') + '\n';
    for (const Case& c : cases) {
        SCOPED_TRACE(strsignal(c.signal) + std::string(c.ignored ? " (ignored)" : ""));
        TempDir dir;
        const std::string path = dir / "Popup.htm";
        WriteBytes(path, "previous page");

        pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            g_interrupt = c.signal;
            signal(c.signal, c.ignored ? SIG_IGN : SIG_DFL);
            signal(SIGXFSZ, RaiseInterrupt);
            rlimit limit;
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 1 << 20;
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(WriteTextFile(path, text) ? 0 : 3);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (c.ignored) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << "status " << status;
        } else {
            EXPECT_TRUE(WIFSIGNALED(status)) << "status " << status;
            EXPECT_EQ(WTERMSIG(status), c.signal);
        }
        EXPECT_EQ(dir.Entries(), std::set<std::string>{"Popup.htm"});
        EXPECT_EQ(ReadBytes(path), "previous page");
    }
}

void SomeHandler(int) {}

TEST(WriteTextFileInterruptTest, PreviousHandlersComeBackAfterTheWrite) {
    const int signals[] = {SIGINT, SIGTERM, SIGHUP};
    void (*const handlers[])(int) = {SomeHandler, SIG_IGN, SIG_DFL};
    struct sigaction saved[3];
    for (int i = 0; i < 3; ++i) {
        sigaction(signals[i], nullptr, &saved[i]);
        signal(signals[i], handlers[i]);
    }
    TempDir dir;
    EXPECT_TRUE(WriteTextFile(dir / "Popup.htm", "page\n"));
    for (int i = 0; i < 3; ++i) {
        struct sigaction now;
        sigaction(signals[i], nullptr, &now);
        EXPECT_EQ(now.sa_handler, handlers[i]) << strsignal(signals[i]);
        sigaction(signals[i], &saved[i], nullptr);
    }
}

}  // namespace
}  // namespace menulark
