#include "page/page_templates.h"

#include <charconv>
#include <cstring>
#include <map>
#include <stdexcept>

#include "resources/string_table.h"

namespace menulark {

namespace {
constexpr std::string_view kEscapedQuote = "&quot;";
}  // namespace

size_t TemplateArg::AttributeLength(std::string_view text) {
    size_t length = text.size();
    const char* p = text.data();
    const char* end = p + text.size();
    while (const void* hit = std::memchr(p, '"', static_cast<size_t>(end - p))) {
        length += kEscapedQuote.size() - 1;
        p = static_cast<const char*>(hit) + 1;
    }
    return length;
}

void TemplateArg::AppendTo(std::string& out) const {
    if (m_isNumber) {
        char digits[16];
        auto result = std::to_chars(digits, digits + sizeof digits, m_number);
        out.append(digits, result.ptr);
        return;
    }
    if (!m_quoteEscaped) {
        out.append(m_text);
        return;
    }
    const char* p = m_text.data();
    const char* end = p + m_text.size();
    while (p != end) {
        const void* hit = std::memchr(p, '"', static_cast<size_t>(end - p));
        if (!hit) {
            out.append(p, end);
            break;
        }
        const char* quote = static_cast<const char*>(hit);
        out.append(p, quote);
        out.append(kEscapedQuote);
        p = quote + 1;
    }
}

ParsedTemplate::ParsedTemplate(std::string_view text) {
    size_t runStart = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        char conversion = text[i + 1];
        if (conversion != 's' && conversion != 'i') continue;
        m_literals.push_back(text.substr(runStart, i - runStart));
        m_slots.push_back(conversion == 's' ? Slot::Text : Slot::Number);
        runStart = i + 2;
        ++i;
    }
    m_literals.push_back(text.substr(runStart));
    for (std::string_view literal : m_literals) m_literalLength += literal.size();
}

void ParsedTemplate::AppendTo(std::string& out, const TemplateArg* args, size_t count) const {
    if (count != m_slots.size())
        throw std::invalid_argument("template needs " + std::to_string(m_slots.size()) + " values, got " +
                                    std::to_string(count));
    for (size_t i = 0; i < count; ++i) {
        if (args[i].IsNumber() != (m_slots[i] == Slot::Number))
            throw std::invalid_argument("template value " + std::to_string(i + 1) + " is of the wrong kind");
    }
    out.append(m_literals[0]);
    for (size_t i = 0; i < count; ++i) {
        args[i].AppendTo(out);
        out.append(m_literals[i + 1]);
    }
}

std::string_view PageTemplates::Text(int id) {
    return StringTableText(id);
}

const ParsedTemplate& PageTemplates::Parsed(int id) {
    static const std::map<int, ParsedTemplate> parsed = [] {
        std::map<int, ParsedTemplate> table;
        int count = 0;
        const int* ids = StringTableIds(&count);
        for (int i = 0; i < count; ++i) table.emplace(ids[i], ParsedTemplate(StringTableText(ids[i])));
        return table;
    }();
    return parsed.at(id);
}

std::string PageTemplates::Format(int id, std::initializer_list<TemplateArg> args) {
    const ParsedTemplate& parsed = Parsed(id);
    std::string out;
    out.reserve(parsed.LiteralLength() + 64);
    parsed.AppendTo(out, args.begin(), args.size());
    return out;
}

}  // namespace menulark
