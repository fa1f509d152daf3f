#pragma once

#include <string>
#include <string_view>

namespace menulark {

/// Outcome of a file write: ok, or the system's reason for the failure.
struct WriteResult {
    bool ok = false;
    std::string reason;
    int error = 0;  ///< the system's error number; 0 when the refusal is our own
    explicit operator bool() const { return ok; }
};

/// Writes `text` to `path` with every line feed as CR LF.
///
/// The text goes into a temporary file beside the target, which then takes
/// the target's place in one step: a failure part-way leaves the previous
/// file whole. A read-only target is left alone and the call fails. A
/// symbolic link keeps pointing where it did (the file it names is
/// replaced). A new file gets read and write permission (less the umask);
/// a replaced file keeps its permission bits.
WriteResult WriteTextFile(const std::string& path, std::string_view text);

/// The bytes that WriteTextFile puts on disk for `text`.
std::string WithCrLf(std::string_view text);

}  // namespace menulark
