#pragma once

#include <cstddef>
#include <string>

namespace menulark {

/// The most any input may hold: far above any real menu, and low enough that
/// endless input (/dev/zero, say) is refused instead of eating all memory.
inline constexpr size_t kInputLimitBytes = size_t{256} << 20;

/// Outcome of a whole-file read: the bytes, or the system's reason.
struct ReadResult {
    bool ok = false;
    std::string bytes;
    std::string reason;     ///< the system's text for `error`, or the ceiling's
    int error = 0;          ///< the system's error number; 0 when the input was too large
    bool tooLarge = false;  ///< the input went past the ceiling; nothing of it is kept
    explicit operator bool() const { return ok; }
};

/// Reads every byte of the file at `path`. Any failure (opening, a directory,
/// an I/O error part-way, more than `limit` bytes) gives a reason; nothing
/// throws.
ReadResult ReadWholeFile(const std::string& path, size_t limit = kInputLimitBytes);

/// Reads an open descriptor (standard input, say) to its end, or until it
/// has given more than `limit` bytes.
ReadResult ReadToEnd(int fd, size_t limit = kInputLimitBytes);

/// The reason of a read that went past `limit`: "the input is larger than N MiB".
std::string TooLargeReason(size_t limit);

}  // namespace menulark
