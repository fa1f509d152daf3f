// Windows implementation of the whole-file replacement: wide-character paths
// from UTF-8, a temporary file beside the target, then ReplaceFileW (which
// keeps the target's attributes and security) or MoveFileExW for a new file.
#include <windows.h>

#include <cerrno>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "system/line_feeds.h"
#include "system/text_file.h"
#include "system/windows_system.h"

namespace menulark {
namespace {

using namespace windows_system;

WriteResult Failure(DWORD code) {
    return {false, SystemMessage(code), ErrnoFor(code)};
}

std::wstring DirectoryOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L".";
    if (slash == 0 || (slash == 2 && path[1] == L':')) return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

// A link (symbolic link, or a link the file system follows by itself) is
// written through: an existing file is opened and asked for its final name,
// and that file is replaced. A link whose target is missing is refused
// rather than replaced by a plain file.
bool ResolveLinks(const std::wstring& path, std::wstring& resolved, DWORD& error) {
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        resolved = path;  // nothing there yet (or an error the caller reports)
        return true;
    }
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD length;
    while ((length = GetFinalPathNameByHandleW(file, buffer.data(), static_cast<DWORD>(buffer.size()),
                                               FILE_NAME_NORMALIZED | VOLUME_NAME_DOS)) >= buffer.size())
        buffer.resize(length + 1);
    if (length == 0) error = GetLastError();
    CloseHandle(file);
    if (length == 0) return false;
    resolved.assign(buffer.data(), length);
    return true;
}

bool WriteAll(HANDLE file, const char* data, size_t size, DWORD& error) {
    while (size > 0) {
        DWORD chunk = static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr)) {
            error = GetLastError();
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// Writes chunk by chunk, so memory stays small for any size.
bool WriteTranslated(HANDLE file, std::string_view text, DWORD& error) {
    constexpr size_t kChunk = size_t{1} << 18;
    std::unique_ptr<char[]> buffer(new char[2 * kChunk]);
    for (size_t pos = 0; pos < text.size(); pos += kChunk) {
        const std::string_view chunk = text.substr(pos, kChunk);
        char* end = TranslateLineFeeds(chunk.data(), chunk.size(), buffer.get());
        if (!WriteAll(file, buffer.get(), static_cast<size_t>(end - buffer.get()), error)) return false;
    }
    return true;
}

// Creates a new, uniquely named file in `directory`.
HANDLE CreateTemporary(const std::wstring& directory, std::wstring& name, DWORD& error) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t suffix[16];
        swprintf(suffix, 16, L"%06x", static_cast<unsigned>(random() & 0xFFFFFF));
        wchar_t last = directory.back();
        name = directory + (last == L'\\' || last == L'/' ? L"" : L"\\") + L".menulark-" + suffix;
        HANDLE file =
            CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

WriteResult WriteTextFile(const std::string& path, std::string_view text) {
    std::wstring wide;
    if (!WideFromUtf8(path, wide)) return Failure(ERROR_INVALID_NAME);
    std::wstring target;
    DWORD error = 0;
    if (!ResolveLinks(wide, target, error)) return Failure(error);

    DWORD attributes = GetFileAttributesW(target.c_str());
    bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {false, "Not a regular file"};
        if (attributes & FILE_ATTRIBUTE_READONLY) return {false, "The file is read-only"};
        // Another program may hold the file open without letting it be
        // replaced; find out before anything is made (ReplaceFileW can leave
        // a file of its own behind when it fails).
        HANDLE probe =
            CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe == INVALID_HANDLE_VALUE) return Failure(GetLastError());
        CloseHandle(probe);
    } else if ((error = GetLastError()) != ERROR_FILE_NOT_FOUND) {
        return Failure(error);
    }

    std::wstring temporary;
    HANDLE file = CreateTemporary(DirectoryOf(target), temporary, error);
    if (file == INVALID_HANDLE_VALUE) return Failure(error);
    bool ok = WriteTranslated(file, text, error);
    // On disk before it takes the page's name, as on POSIX systems.
    if (ok && !FlushFileBuffers(file)) {
        ok = false;
        error = GetLastError();
    }
    if (!CloseHandle(file) && ok) {
        ok = false;
        error = GetLastError();
    }
    // A replaced file keeps its attributes whichever way it is replaced.
    constexpr DWORD kKept =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (ok && exists && (attributes & kKept) && !SetFileAttributesW(temporary.c_str(), attributes & kKept)) {
        ok = false;
        error = GetLastError();
    }
    if (ok) {
        // ReplaceFileW keeps the target's attributes, owner and permissions;
        // where it cannot (another volume's rules, an old file system), a plain
        // replacing move is still one step.
        ok = (exists && ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) ||
             MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!ok) error = GetLastError();
    }
    if (!ok) {
        DeleteFileW(temporary.c_str());
        return Failure(error);
    }
    return {true, {}};
}

}  // namespace menulark
