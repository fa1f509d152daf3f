// POSIX implementation of the whole-file replacement (text_file_win.cpp is
// the Windows one); nothing else in the core touches files.
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "system/line_feeds.h"
#include "system/text_file.h"

namespace menulark {
namespace {

WriteResult Failure(int error) {
    return {false, std::strerror(error), error};
}

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Follows symbolic links to the file they finally name (which may not exist
// yet), so that the link itself survives the replacement.
bool ResolveLinks(std::string path, std::string& resolved, int& error) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            resolved = path;
            return true;
        }
        std::vector<char> buffer(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        ssize_t n;
        while ((n = readlink(path.c_str(), buffer.data(), buffer.size())) ==
               static_cast<ssize_t>(buffer.size()))
            buffer.resize(buffer.size() * 2);
        if (n < 0) {
            error = errno;
            return false;
        }
        std::string target(buffer.data(), static_cast<size_t>(n));
        path = (!target.empty() && target[0] == '/') ? target : DirectoryOf(path) + "/" + target;
    }
    error = ELOOP;
    return false;
}

bool WriteAll(int fd, const char* data, size_t size, int& error) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Translates and writes chunk by chunk, so memory stays small for any size.
bool WriteTranslated(int fd, std::string_view text, int& error) {
    constexpr size_t kChunk = size_t{1} << 18;
    std::unique_ptr<char[]> buffer(new char[2 * kChunk]);
    for (size_t pos = 0; pos < text.size(); pos += kChunk) {
        size_t size = std::min(kChunk, text.size() - pos);
        const char* end = TranslateLineFeeds(text.data() + pos, size, buffer.get());
        if (!WriteAll(fd, buffer.get(), static_cast<size_t>(end - buffer.get()), error)) return false;
    }
    return true;
}

// --- removal of the temporary file when the process is interrupted ---
//
// Ctrl-C, SIGTERM or SIGHUP during a write would otherwise leave a partial
// temporary file behind. While a temporary file exists, a handler removes
// it and then lets the signal take its usual course. The handler may only
// use async-signal-safe calls, so the path lives in a static buffer.

const int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr size_t kSignalCount = sizeof kInterruptSignals / sizeof kInterruptSignals[0];

char g_temporaryPath[PATH_MAX];
volatile sig_atomic_t g_temporaryExists = 0;
struct sigaction g_previousActions[kSignalCount];

void RemoveTemporaryAndRaiseAgain(int signalNumber) {
    if (g_temporaryExists) unlink(g_temporaryPath);
    g_temporaryExists = 0;
    // The disposition from before the write (normally the default, which
    // ends the process with the signal's status) handles the signal once
    // this handler returns.
    for (size_t i = 0; i < kSignalCount; ++i)
        if (kInterruptSignals[i] == signalNumber) sigaction(signalNumber, &g_previousActions[i], nullptr);
    raise(signalNumber);
}

// Installs the handler for the duration of one write; ignored signals stay
// ignored (a process started with nohup keeps running on SIGHUP).
class InterruptCleanup {
public:
    InterruptCleanup() {
        struct sigaction action {};
        action.sa_handler = RemoveTemporaryAndRaiseAgain;
        sigemptyset(&action.sa_mask);
        for (int signalNumber : kInterruptSignals) sigaddset(&action.sa_mask, signalNumber);
        for (size_t i = 0; i < kSignalCount; ++i) {
            sigaction(kInterruptSignals[i], nullptr, &g_previousActions[i]);
            if (g_previousActions[i].sa_handler != SIG_IGN) sigaction(kInterruptSignals[i], &action, nullptr);
        }
    }
    ~InterruptCleanup() {
        for (size_t i = 0; i < kSignalCount; ++i)
            sigaction(kInterruptSignals[i], &g_previousActions[i], nullptr);
    }
    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;
};

// Holds the interrupt signals back while the temporary file comes into being
// or takes the target's place, so that the handler never sees a path that is
// not (or no longer) the temporary file.
class SignalsHeldBack {
public:
    SignalsHeldBack() {
        sigset_t held;
        sigemptyset(&held);
        for (int signalNumber : kInterruptSignals) sigaddset(&held, signalNumber);
        pthread_sigmask(SIG_BLOCK, &held, &m_previous);
    }
    ~SignalsHeldBack() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    SignalsHeldBack(const SignalsHeldBack&) = delete;
    SignalsHeldBack& operator=(const SignalsHeldBack&) = delete;

private:
    sigset_t m_previous;
};

// One write at a time: the handler knows one temporary file.
std::mutex g_writeMutex;

}  // namespace

WriteResult WriteTextFile(const std::string& path, std::string_view text) {
    std::string target;
    int error = 0;
    if (!ResolveLinks(path, target, error)) return Failure(error);

    struct stat existing;
    bool exists = stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (!S_ISREG(existing.st_mode)) return {false, "Not a regular file"};
        // Write bits are checked as such: the super-user passes access(), but
        // a file without write permission is meant to stay as it is.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return {false, "The file is read-only"};
        if (access(target.c_str(), W_OK) != 0) return Failure(errno);
    } else if (errno != ENOENT) {
        return Failure(errno);
    }

    const std::string temporary = DirectoryOf(target) + "/.menulark-XXXXXX";
    if (temporary.size() >= sizeof g_temporaryPath) return Failure(ENAMETOOLONG);
    std::lock_guard<std::mutex> oneWriteAtATime(g_writeMutex);
    InterruptCleanup cleanup;
    int fd;
    {
        SignalsHeldBack held;
        std::memcpy(g_temporaryPath, temporary.c_str(), temporary.size() + 1);
        fd = mkstemp(g_temporaryPath);
        if (fd < 0) return Failure(errno);
        g_temporaryExists = 1;
    }

    mode_t mode;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = fchmod(fd, mode) == 0 || (error = errno, false);
    if (ok && exists && (existing.st_uid != geteuid() || existing.st_gid != getegid())) {
        // Keep the owner where we may (the super-user replacing a user's file);
        // an ordinary user cannot give files away, which is fine.
        if (fchown(fd, existing.st_uid, existing.st_gid) != 0) { /* best effort */
        }
    }
    ok = ok && WriteTranslated(fd, text, error);
    // On disk before it takes the page's name: a crash just after the
    // rename must not leave an empty page where the old one was.
    if (ok && fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) {
        ok = false;
        error = errno;
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    SignalsHeldBack held;
    if (ok && rename(g_temporaryPath, target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) unlink(g_temporaryPath);
    g_temporaryExists = 0;
    if (!ok) return Failure(error);
    return {true, {}};
}

}  // namespace menulark
