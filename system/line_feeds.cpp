#include "system/line_feeds.h"

#include <algorithm>
#include <cstring>

#include "system/text_file.h"

namespace menulark {

char* TranslateLineFeeds(const char* text, size_t size, char* out) {
    const char* end = text + size;
    while (text != end) {
        const char* lf = static_cast<const char*>(std::memchr(text, '\n', static_cast<size_t>(end - text)));
        const char* runEnd = lf ? lf : end;
        std::memcpy(out, text, static_cast<size_t>(runEnd - text));
        out += runEnd - text;
        if (!lf) break;
        *out++ = '\r';
        *out++ = '\n';
        text = lf + 1;
    }
    return out;
}

std::string WithCrLf(std::string_view text) {
    std::string out(text.size() + static_cast<size_t>(std::count(text.begin(), text.end(), '\n')), '\0');
    TranslateLineFeeds(text.data(), text.size(), out.data());
    return out;
}

}  // namespace menulark
