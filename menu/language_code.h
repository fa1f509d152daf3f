#pragma once

#include <string_view>

namespace menulark {

/// Whether `value` has a language tag's form (BCP 47): letters, digits and
/// hyphens, starting with a letter, not ending in a hyphen, at most 35
/// characters. The modern page takes it as its lang attribute, from a menu
/// file and from the command line alike.
bool IsLanguageCode(std::string_view value);

/// What a refused language value is told: "a language code such as en or pt-BR".
inline constexpr const char* kLanguageCodeExample = "a language code such as en or pt-BR";

}  // namespace menulark
