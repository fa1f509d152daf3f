// POSIX implementation of the whole-file replacement (text_file_win.cpp is
// the Windows one); nothing else in the core touches files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "page/line_feeds.h"
#include "page/text_file.h"

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

    std::string temporary = DirectoryOf(target) + "/.menulark-XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0) return Failure(errno);
    temporary = name.data();

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
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temporary.c_str());
        return Failure(error);
    }
    return {true, {}};
}

}  // namespace menulark
