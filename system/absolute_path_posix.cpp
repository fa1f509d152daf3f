#include <unistd.h>

#include <cerrno>
#include <memory>

#include "system/absolute_path.h"

namespace menulark {

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    std::string directory;
    for (size_t size = 4096; size <= (size_t{1} << 20); size *= 2) {
        std::unique_ptr<char[]> buffer(new char[size]);
        if (getcwd(buffer.get(), size)) {
            directory = buffer.get();
            break;
        }
        if (errno != ERANGE) break;
    }
    // getcwd may also answer "(unreachable)/..." for a directory outside the
    // root; only a real absolute path will do.
    if (directory.empty() || directory[0] != '/') return "./" + path;
    if (directory.back() != '/') directory += '/';
    return directory + path;
}

}  // namespace menulark
