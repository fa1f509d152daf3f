#include "menu/language_code.h"

#include <cctype>

namespace menulark {

bool IsLanguageCode(std::string_view value) {
    if (value.empty() || value.size() > 35 || !std::isalpha(static_cast<unsigned char>(value[0])))
        return false;
    for (char c : value)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
    return value.back() != '-';
}

}  // namespace menulark
