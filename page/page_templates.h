#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace menulark {

/// One value for a template placeholder: a text for "%s", a number for "%i".
/// A text marked as an attribute value has each double quote written as
/// &quot; so that it cannot end the attribute it lands in.
class TemplateArg {
public:
    TemplateArg(std::string_view text) : m_text(text) {}
    TemplateArg(const std::string& text) : m_text(text) {}
    TemplateArg(const char* text) : m_text(text) {}
    TemplateArg(int number) : m_number(number), m_isNumber(true) {}

    static TemplateArg Attribute(std::string_view text) {
        TemplateArg arg(text);
        arg.m_quoteEscaped = true;
        return arg;
    }

    /// Bytes that `text` takes once marked as an attribute value.
    static size_t AttributeLength(std::string_view text);

    bool IsNumber() const { return m_isNumber; }
    void AppendTo(std::string& out) const;

private:
    std::string_view m_text;
    int m_number = 0;
    bool m_isNumber = false;
    bool m_quoteEscaped = false;
};

/// A template split once into literal runs and placeholders, so that filling
/// it is a series of appends.
class ParsedTemplate {
public:
    enum class Slot { Text, Number };

    explicit ParsedTemplate(std::string_view text);

    size_t PlaceholderCount() const { return m_slots.size(); }
    Slot SlotKind(size_t i) const { return m_slots[i]; }
    size_t LiteralLength() const { return m_literalLength; }

    /// Appends the template filled left to right with `args`.
    /// Throws std::invalid_argument when the values do not fit the placeholders.
    void AppendTo(std::string& out, const TemplateArg* args, size_t count) const;

private:
    std::vector<std::string_view> m_literals;  // one more than m_slots
    std::vector<Slot> m_slots;
    size_t m_literalLength = 0;
};

/// The fixed page texts of the string table, addressed by number.
class PageTemplates {
public:
    /// The whole text of template `id`, never cut.
    static std::string_view Text(int id);

    /// Template `id` split into runs; throws std::out_of_range for an id
    /// that the string table does not hold.
    static const ParsedTemplate& Parsed(int id);

    /// Template `id` with its placeholders filled by `args`.
    static std::string Format(int id, std::initializer_list<TemplateArg> args);
};

}  // namespace menulark
