// Whole-file reading with plain POSIX calls, so that a failure comes back as
// errno's reason rather than as an exception or a silent short read.
#include <fcntl.h>
#include <unistd.h>

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

}  // namespace

ReadResult ReadToEnd(int fd) {
    ReadResult result;
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failure(errno);
        }
        result.bytes.append(buffer, static_cast<size_t>(n));
    }
    result.ok = true;
    return result;
}

ReadResult ReadWholeFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Failure(errno);
    ReadResult result = ReadToEnd(fd);
    close(fd);
    return result;
}

}  // namespace menulark
