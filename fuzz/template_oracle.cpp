#include "fuzz/template_oracle.h"

#include <map>

#include "fuzz/fuzz_check.h"
#include "resources/string_table.h"

namespace menulark::fuzz {

TemplatePieces SplitTemplate(std::string_view text) {
    TemplatePieces pieces;
    std::string run;
    size_t i = 0;
    while (i < text.size()) {
        std::string_view two = text.substr(i, 2);
        if (two == "%s" || two == "%i") {
            pieces.literals.push_back(run);
            pieces.kinds += two[1];
            run.clear();
            i += 2;
        } else {
            run += text[i];
            ++i;
        }
    }
    pieces.literals.push_back(run);
    return pieces;
}

std::string Interleave(const TemplatePieces& pieces, const std::vector<std::string>& values) {
    Require(values.size() == pieces.kinds.size(), "oracle: value count does not match the template");
    std::string out = pieces.literals[0];
    for (size_t i = 0; i < values.size(); ++i) out += values[i] + pieces.literals[i + 1];
    return out;
}

std::string FillTableTemplate(int id, const std::vector<std::string>& values) {
    static std::map<int, TemplatePieces> split;  // each table text is read once
    auto found = split.find(id);
    if (found == split.end()) {
        std::string_view text = StringTableText(id);
        Require(!text.empty(), "template " + std::to_string(id) + " is missing from the string table");
        found = split.emplace(id, SplitTemplate(text)).first;
    }
    return Interleave(found->second, values);
}

std::string QuoteEscaped(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

}  // namespace menulark::fuzz
