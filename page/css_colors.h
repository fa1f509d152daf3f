#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace menulark {

struct Rgb {
    std::uint8_t r, g, b;
};

/// The RGB value of a named CSS colour (any of ColorList), or nothing.
std::optional<Rgb> CssColor(std::string_view name);

}  // namespace menulark
