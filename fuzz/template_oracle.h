#pragma once
// An independent reading of the template texts, to check filled templates
// against: a template is literal runs with a "%s" or "%i" between each two.

#include <string>
#include <string_view>
#include <vector>

namespace menulark::fuzz {

struct TemplatePieces {
    std::vector<std::string> literals;  // one more than kinds
    std::string kinds;                  // 's' or 'i' for each placeholder, in order
};

TemplatePieces SplitTemplate(std::string_view text);

/// The runs of `pieces` with `values` (already rendered) between them.
std::string Interleave(const TemplatePieces& pieces, const std::vector<std::string>& values);

/// The expected text of template `id` (from tests/data/templates/, not from
/// the string table) filled with rendered `values`.
std::string FillTableTemplate(int id, const std::vector<std::string>& values);

/// `value` with each double quote written as &quot;.
std::string QuoteEscaped(std::string_view value);

}  // namespace menulark::fuzz
