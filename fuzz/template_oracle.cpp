#include "fuzz/template_oracle.h"

#include <fstream>
#include <iterator>
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

namespace {

// The expected template texts are kept once, as files beside the tests'
// expected pages, written independently of the string table.
const char* TemplateFileName(int id) {
    switch (id) {
        case IDS_SIMPLE_HEAD:
            return "simple_head";
        case IDS_SIMPLE_ENTRY:
            return "simple_entry";
        case IDS_SIMPLE_TAIL:
            return "simple_tail";
        case IDS_STYLED_HEAD:
            return "styled_head";
        case IDS_STYLED_ENTRY:
            return "styled_entry";
        case IDS_STYLED_CLOSE:
            return "styled_close";
        case IDS_STYLED_FRAME:
            return "styled_frame";
        case IDS_STYLED_TAIL:
            return "styled_tail";
        case IDS_STYLED_FRAME_PLAIN:
            return "styled_frame_plain";
        case IDS_SWATCH_PAGE:
            return "swatch_page";
        default:
            return nullptr;
    }
}

std::string ExpectedTemplateText(int id) {
    const char* name = TemplateFileName(id);
    Require(name != nullptr, "oracle: no expected text for template " + std::to_string(id));
    std::ifstream in(std::string(MENULARK_TEST_DATA_DIR) + "/templates/" + name + ".txt", std::ios::binary);
    Require(static_cast<bool>(in), std::string("oracle: cannot read templates/") + name + ".txt");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::string FillTableTemplate(int id, const std::vector<std::string>& values) {
    static std::map<int, TemplatePieces> split;  // each expected text is read once
    auto found = split.find(id);
    if (found == split.end()) found = split.emplace(id, SplitTemplate(ExpectedTemplateText(id))).first;
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
