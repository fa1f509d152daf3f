#pragma once
// A file: URL for a path, made from the path's own bytes.

#include <string>

namespace menulark {

/// "file://" and `path` (absolute, '/'-separated) with every byte other than
/// letters, digits, "/-._~" percent-encoded, so that the URL names the same
/// bytes the system does: no text conversion, whatever the locale and
/// whether or not the name is UTF-8.
inline std::string FileUrlOf(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    url.reserve(url.size() + path.size() * 3);
    for (unsigned char c : path) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
                     c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

}  // namespace menulark
