// Whole-file reading with plain POSIX calls, so that a failure comes back as
// errno's reason rather than as an exception or a silent short read.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "system/read_file.h"

namespace menulark {
namespace {

ReadResult Failure(int error) {
    ReadResult result;
    result.reason = std::strerror(error);
    result.error = error;
    return result;
}

ReadResult TooLarge(size_t limit) {
    ReadResult result;
    result.reason = TooLargeReason(limit);
    result.tooLarge = true;
    return result;
}

// Reads to the end; `expected` (a regular file's size) gives the text its
// room up front, so that a large file is not copied as it grows.
ReadResult ReadUpTo(int fd, size_t limit, size_t expected) {
    ReadResult result;
    result.bytes.reserve(std::min(expected, limit) + 1);
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failure(errno);
        }
        if (static_cast<size_t>(n) > limit - result.bytes.size()) return TooLarge(limit);
        result.bytes.append(buffer, static_cast<size_t>(n));
    }
    result.ok = true;
    return result;
}

size_t RegularFileSize(int fd) {
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0) return 0;
    return static_cast<size_t>(status.st_size);
}

}  // namespace

ReadResult ReadToEnd(int fd, size_t limit) {
    return ReadUpTo(fd, limit, RegularFileSize(fd));
}

ReadResult ReadWholeFile(const std::string& path, size_t limit) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Failure(errno);
    ReadResult result = ReadToEnd(fd, limit);
    close(fd);
    return result;
}

}  // namespace menulark
