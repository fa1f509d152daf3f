#pragma once
// A private scratch directory per test, and small file helpers that use
// plain std::filesystem / iostreams rather than the code under test. Paths
// are UTF-8, as in the code under test.

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <stdexcept>
#include <string>

namespace menulark::testing_support {

class TempDir {
public:
    TempDir() {
        // create_directory is false when the name is taken: try another.
        std::random_device seed;
        std::mt19937 random(seed());
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            std::filesystem::path candidate =
                base / ("menulark-test-" + std::to_string(random() % 1000000000));
            if (!std::filesystem::create_directory(candidate)) continue;
            // Private to the user, as mkdtemp would make it.
            std::filesystem::permissions(candidate, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::replace);
            m_path = candidate.generic_string();
        }
        if (m_path.empty()) throw std::runtime_error("cannot make a temporary directory");
    }
    ~TempDir() {
        std::error_code ignored;
        // Read-only files inside must not stop the clean-up (on Windows a
        // read-only file cannot be deleted at all).
        const std::filesystem::path root = std::filesystem::u8path(m_path);
        std::filesystem::permissions(root, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        for (std::filesystem::recursive_directory_iterator it(root, ignored), end; !ignored && it != end;
             it.increment(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    /// `name` inside the directory.
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

    /// The names of the entries in the directory.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.insert(entry.path().filename().u8string());
        return names;
    }

private:
    std::string m_path;
};

/// `path` with the system's own separators ('\\' on Windows), as the
/// absolute path handed to the opener has them.
inline std::string NativePath(const std::string& path) {
    return std::filesystem::path(path).make_preferred().string();
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

#ifndef _WIN32
inline mode_t ModeBits(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) throw std::runtime_error("cannot stat " + path);
    return st.st_mode & 07777;
}
#endif

}  // namespace menulark::testing_support
