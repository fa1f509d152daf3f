#include "page/contrast.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "page/page_templates.h"
#include "resources/string_table.h"

namespace menulark {
namespace {

std::string Normalised(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<Rgb> ParseHex(std::string_view digits) {
    for (char c : digits)
        if (HexDigit(c) < 0) return std::nullopt;
    const size_t n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8) return std::nullopt;
    const bool shortForm = n <= 4;
    auto channel = [&](size_t i) {
        if (shortForm) return HexDigit(digits[i]) * 17;
        return HexDigit(digits[2 * i]) * 16 + HexDigit(digits[2 * i + 1]);
    };
    if ((n == 4 || n == 8) && channel(3) != 255)
        return std::nullopt;  // see-through: depends on what lies below
    return Rgb{static_cast<std::uint8_t>(channel(0)), static_cast<std::uint8_t>(channel(1)),
               static_cast<std::uint8_t>(channel(2))};
}

// One number of rgb(): 0-255, or a percentage; nothing when out of range.
std::optional<double> ParseChannel(const std::string& text, double full) {
    if (text.empty()) return std::nullopt;
    const bool percent = text.back() == '%';
    const std::string number = percent ? text.substr(0, text.size() - 1) : text;
    if (number.empty() || number.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(number.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    if (percent) value = value * full / 100.0;
    if (value < 0 || value > full) return std::nullopt;
    return value;
}

std::optional<Rgb> ParseFunction(const std::string& value) {
    size_t open = value.find('(');
    if (open == std::string::npos || value.back() != ')') return std::nullopt;
    const std::string name = Normalised(value.substr(0, open));
    if (name != "rgb" && name != "rgba") return std::nullopt;
    std::vector<std::string> parts(1);
    for (char c : value.substr(open + 1, value.size() - open - 2)) {
        if (c == ',' || c == ' ' || c == '/') {
            if (!parts.back().empty()) parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    if (parts.back().empty()) parts.pop_back();
    if (parts.size() != 3 && parts.size() != 4) return std::nullopt;
    if (parts.size() == 4) {
        std::optional<double> alpha = ParseChannel(parts[3], parts[3].back() == '%' ? 100.0 : 1.0);
        if (!alpha || *alpha < (parts[3].back() == '%' ? 100.0 : 1.0)) return std::nullopt;
    }
    std::uint8_t channels[3];
    for (int i = 0; i < 3; ++i) {
        std::optional<double> v = ParseChannel(parts[i], 255.0);
        if (!v) return std::nullopt;
        channels[i] = static_cast<std::uint8_t>(std::lround(*v));
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

std::optional<Rgb> ParseCssColor(std::string_view value) {
    const std::string v = Normalised(value);
    if (v.empty()) return std::nullopt;
    if (v[0] == '#') return ParseHex(std::string_view(v).substr(1));
    if (v.find('(') != std::string::npos) return ParseFunction(v);
    return CssColor(v);
}

double RelativeLuminance(Rgb color) {
    return 0.2126 * Linear(color.r) + 0.7152 * Linear(color.g) + 0.0722 * Linear(color.b);
}

double ContrastRatio(Rgb a, Rgb b) {
    double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

std::vector<LowContrast> FindLowContrast(const StyleSettings& style) {
    const std::string text = style.fontColor.empty() ? "black" : style.fontColor;
    const std::string background = style.backgroundColor.empty() ? "white" : style.backgroundColor;
    std::vector<LowContrast> found;
    const std::optional<Rgb> textRgb = ParseCssColor(text);
    if (!textRgb) return found;
    auto judge = [&](bool onHighlight, const std::string& under) {
        const std::optional<Rgb> underRgb = ParseCssColor(under);
        if (!underRgb) return;
        const double ratio = ContrastRatio(*textRgb, *underRgb);
        if (ratio < kMinimumTextContrast) found.push_back({onHighlight, text, under, ratio});
    };
    judge(false, background);
    if (!style.itemHighlightColor.empty()) judge(true, style.itemHighlightColor);
    return found;
}

std::string LowContrastMessage(const LowContrast& problem) {
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2f", std::floor(problem.ratio * 100.0) / 100.0);
    return PageTemplates::Format(
        problem.onHighlight ? IDS_LOW_CONTRAST_HIGHLIGHT : IDS_LOW_CONTRAST_BACKGROUND,
        {problem.text, problem.background, std::string(ratio)});
}

std::vector<std::string> LowContrastNotes(const StyleSettings& style) {
    std::vector<std::string> notes;
    if (!style.styledMode) return notes;
    for (const LowContrast& problem : FindLowContrast(style)) notes.push_back(LowContrastMessage(problem));
    return notes;
}

}  // namespace menulark
