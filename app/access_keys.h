#pragma once
// Access keys and the names screen readers hear, from a control's text.

#include <cctype>
#include <string>
#include <string_view>

namespace menulark {

/// The access key of `text`: the character after its single '&', lower
/// case; 0 when it has none ("&&" is a plain ampersand).
inline char AccessKeyOf(std::string_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&')
            return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        ++i;
    }
    return 0;
}

/// What a label says, read aloud: without the access-key marks, with its
/// lines joined and without the colon that ends it ("Bac&kground-\ncolor:"
/// is "Background-color").
inline std::string SpokenLabel(std::string_view text) {
    std::string spoken;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        if (text[i] == '\n') continue;
        spoken += text[i];
    }
    while (!spoken.empty() && (spoken.back() == ':' || spoken.back() == ' ')) spoken.pop_back();
    return spoken;
}

}  // namespace menulark
