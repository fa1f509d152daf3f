// Fills templates with arbitrary values: every template of the string table,
// and arbitrary template texts. The filled text must be the template's
// literal runs with the values in order between them, each value byte for
// byte ("%s" or "%n" in a value stays text), attribute values with every
// double quote as &quot;. Values that do not fit the placeholders must be
// refused with std::invalid_argument before anything is written.
//
// Input: a four-byte header, then the rest. Byte 0 picks the template
// (0x00-0x7e: a table template; 0x7f: no filling, the first four bytes of
// the rest are an id to look up; 0x80-0xff: the rest up to its first NUL is
// the template). Bytes 1-2 mark which values are attribute values; byte 3
// from 0xc0 on misfits the values (too many, too few, wrong kind). What
// follows are the values, separated by 0x1f; a "%i" value is its first four
// bytes as a little-endian integer.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/template_oracle.h"
#include "page/page_templates.h"
#include "resources/string_table.h"

using namespace menulark;
using namespace menulark::fuzz;

namespace {

constexpr std::string_view kPrefix = "text already there|";

enum class Misfit { None, OneMore, OneLess, WrongKind };

bool InTable(int id) {
    int count = 0;
    const int* ids = StringTableIds(&count);
    for (int i = 0; i < count; ++i)
        if (ids[i] == id) return true;
    return false;
}

void CheckTableOnce() {
    static bool checked = false;
    if (checked) return;
    checked = true;
    int count = 0;
    const int* ids = StringTableIds(&count);
    Require(count > 0, "the string table lists no ids");
    for (int i = 0; i < count; ++i) {
        Require(i == 0 || ids[i - 1] < ids[i], "string table ids are not ascending");
        std::string_view text = PageTemplates::Text(ids[i]);
        Require(!text.empty(), "string " + std::to_string(ids[i]) + " has no text");
        for (unsigned char c : text)
            Require(c < 0x80, "string " + std::to_string(ids[i]) + " is not 7-bit ASCII");
    }
}

void CheckUnknownId(int id) {
    if (InTable(id)) return;
    Require(PageTemplates::Text(id).empty(), "an id outside the table has a text");
    bool threw = false;
    try {
        PageTemplates::Parsed(id);
    } catch (const std::out_of_range&) {
        threw = true;
    }
    Require(threw, "Parsed() of an id outside the table did not throw std::out_of_range");
}

int NumberFrom(const std::string& piece) {
    uint32_t bits = 0;
    std::memcpy(&bits, piece.data(), std::min<size_t>(4, piece.size()));
    int32_t number;
    std::memcpy(&number, &bits, sizeof number);
    return number;
}

void CheckParsedShape(const ParsedTemplate& parsed, const TemplatePieces& pieces) {
    Require(parsed.PlaceholderCount() == pieces.kinds.size(),
            "placeholder count differs from the template text");
    for (size_t i = 0; i < pieces.kinds.size(); ++i) {
        auto expected = pieces.kinds[i] == 'i' ? ParsedTemplate::Slot::Number : ParsedTemplate::Slot::Text;
        Require(parsed.SlotKind(i) == expected,
                "placeholder " + std::to_string(i + 1) + " has the wrong kind");
    }
    size_t literalBytes = 0;
    for (const std::string& literal : pieces.literals) literalBytes += literal.size();
    Require(parsed.LiteralLength() == literalBytes, "LiteralLength() is not the sum of the literal runs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckTableOnce();
    if (size < 4) return 0;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const unsigned char selector = data[0];
    const unsigned attributeMask = data[1] | (data[2] << 8);
    const unsigned char misfitByte = data[3];
    std::string_view rest = input.substr(4);

    if (selector == 0x7f) {
        int32_t id = 0;
        std::memcpy(&id, rest.data(), std::min<size_t>(4, rest.size()));
        CheckUnknownId(id);
        return 0;
    }

    std::string templateText;
    const ParsedTemplate* parsed = nullptr;
    std::optional<ParsedTemplate> ownTemplate;
    if (selector & 0x80) {
        size_t nul = rest.find('\0');
        templateText = std::string(rest.substr(0, nul));
        rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
        ownTemplate.emplace(templateText);
        parsed = &*ownTemplate;
    } else {
        int count = 0;
        const int id = StringTableIds(&count)[selector % count];
        templateText = std::string(PageTemplates::Text(id));
        parsed = &PageTemplates::Parsed(id);
    }
    const TemplatePieces pieces = SplitTemplate(templateText);
    CheckParsedShape(*parsed, pieces);

    const Misfit misfit = misfitByte < 0xc0 ? Misfit::None : static_cast<Misfit>(1 + misfitByte % 3);
    const size_t slots = pieces.kinds.size();
    size_t valueCount = slots;
    if (misfit == Misfit::OneMore) valueCount = slots + 1;
    if (misfit == Misfit::OneLess && slots > 0) valueCount = slots - 1;

    std::vector<std::string> pieceTexts =
        rest.empty() ? std::vector<std::string>() : SplitBytes(rest, '\x1f');
    pieceTexts.resize(valueCount);

    // The values, and what each must become in the filled text.
    std::vector<TemplateArg> args;
    std::vector<std::string> rendered;
    std::vector<bool> isAttribute;
    size_t wrongKindAt = misfit == Misfit::WrongKind && slots > 0 ? misfitByte % slots : slots;
    for (size_t i = 0; i < valueCount; ++i) {
        bool number = i < slots && pieces.kinds[i] == 'i';
        if (i == wrongKindAt) number = !number;
        const std::string& text = pieceTexts[i];
        Require(TemplateArg::AttributeLength(text) == QuoteEscaped(text).size(),
                "AttributeLength() differs from the length of the escaped value");
        if (number) {
            int value = NumberFrom(text);
            args.emplace_back(value);
            rendered.push_back(std::to_string(value));
            isAttribute.push_back(false);
        } else if (i < 16 && (attributeMask >> i) & 1) {
            args.push_back(TemplateArg::Attribute(text));
            rendered.push_back(QuoteEscaped(text));
            isAttribute.push_back(true);
        } else {
            args.emplace_back(std::string_view(text));
            rendered.push_back(text);
            isAttribute.push_back(false);
        }
    }

    std::string out(kPrefix);
    const bool fits = valueCount == slots && wrongKindAt == slots;
    try {
        parsed->AppendTo(out, args.data(), args.size());
    } catch (const std::invalid_argument& e) {
        Require(!fits, std::string("values that fit were refused: ") + e.what());
        Require(*e.what() != '\0', "the refusal gives no reason");
        RequireEqual(kPrefix, out, "a refused fill wrote into the text");
        return 0;
    }
    Require(fits, "values that do not fit the placeholders were accepted");

    RequireEqual(std::string(kPrefix) + Interleave(pieces, rendered), out,
                 "filled template differs from its runs with the values in order");

    // Each value's stretch of the output. (A typed "&quot;" stays as it is, so
    // only the absence of raw quotes is a property of the stretch itself.)
    size_t at = kPrefix.size() + pieces.literals[0].size();
    for (size_t i = 0; i < valueCount; ++i) {
        std::string_view stretch(out.data() + at, rendered[i].size());
        if (isAttribute[i]) {
            Require(stretch.find('"') == std::string_view::npos, "a raw double quote in an attribute value");
        }
        at += rendered[i].size() + pieces.literals[i + 1].size();
    }
    return 0;
}
