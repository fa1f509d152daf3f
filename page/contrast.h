#pragma once
// Contrast of text against its background, as WCAG measures it, for the
// colours an author types into the styled look.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menu/style_settings.h"
#include "page/css_colors.h"

namespace menulark {

/// The least contrast ratio that body text needs (WCAG 2, 1.4.3).
inline constexpr double kMinimumTextContrast = 4.5;

/// The opaque colour a CSS colour value gives: a colour keyword, #rgb,
/// #rrggbb, #rgba or #rrggbbaa with full alpha, or rgb()/rgba() of three
/// numbers 0-255 (percentages too) with full alpha. Case and surrounding
/// blanks do not matter. Nothing for any other value: such a colour cannot
/// be judged here (transparent, system colours, var(), typos).
std::optional<Rgb> ParseCssColor(std::string_view value);

/// Relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(Rgb color);

/// (lighter + 0.05) / (darker + 0.05), from 1 to 21.
double ContrastRatio(Rgb a, Rgb b);

/// One place where the styled look's text stands on too little contrast.
struct LowContrast {
    bool onHighlight;        ///< on the highlight colour, else on the background colour
    std::string text;        ///< the font colour as typed ("black" when empty)
    std::string background;  ///< the background or highlight colour as typed ("white" when empty)
    double ratio;
};

/// The font colour against the background colour and against the highlight
/// colour of the modern styled look, each pair below 4.5:1. An empty font
/// colour is the browser's black and an empty background the page's white;
/// an empty highlight leaves the background, already judged. Colours that
/// ParseCssColor cannot read are not judged.
std::vector<LowContrast> FindLowContrast(const StyleSettings& style);

/// The user's message for `problem`, the ratio rounded down to two decimals
/// so that it never reads as enough when it is not.
std::string LowContrastMessage(const LowContrast& problem);

/// The notes a written or copied page gets: a message for each pair of
/// FindLowContrast in the styled look; none in the simple look, whose
/// colours are fixed.
std::vector<std::string> LowContrastNotes(const StyleSettings& style);

}  // namespace menulark
