#pragma once

#include <string>

namespace menulark {

/// Outcome of a whole-file read: the bytes, or the system's reason.
struct ReadResult {
    bool ok = false;
    std::string bytes;
    std::string reason;  ///< the system's text for `error`
    int error = 0;       ///< the system's error number
    explicit operator bool() const { return ok; }
};

/// Reads every byte of the file at `path`. Any failure (opening, a directory,
/// an I/O error part-way) gives the system's reason; nothing throws.
ReadResult ReadWholeFile(const std::string& path);

/// Reads an open descriptor (standard input, say) to its end.
ReadResult ReadToEnd(int fd);

}  // namespace menulark
