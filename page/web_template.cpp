#include "page/web_template.h"

#include <stdexcept>
#include <vector>

namespace menulark {
namespace {

const std::string& ValueOf(const WebTemplateValues& values, std::string_view name) {
    auto found = values.find(name);
    if (found == values.end())
        throw std::logic_error("no value for the placeholder {{" + std::string(name) + "}}");
    return found->second;
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The name in `line` when the line is "{{" `mark` name "}}", else empty.
std::string_view SectionTag(std::string_view line, char mark) {
    if (line.size() < 6 || !StartsWith(line, "{{") || line[2] != mark || !EndsWith(line, "}}")) return {};
    return line.substr(3, line.size() - 5);
}

// Appends one line with its placeholders filled in. A declaration starts at
// the blank after "{" or ";"; one whose whole value is a placeholder that
// comes out empty is taken back out, its semicolon with it.
void AppendFilledLine(std::string& out, std::string_view line, const WebTemplateValues& values) {
    size_t declarationStart = out.size();
    for (size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, "{{") != 0) {
            if (line[i] == ' ' && i > 0 && (line[i - 1] == '{' || line[i - 1] == ';'))
                declarationStart = out.size();
            out += line[i];
            continue;
        }
        const size_t close = line.find("}}", i + 2);
        if (close == std::string_view::npos) throw std::logic_error("a placeholder without its closing }}");
        const std::string& value = ValueOf(values, line.substr(i + 2, close - i - 2));
        const size_t after = close + 2;
        const bool wholeValue =
            i >= 2 && line.compare(i - 2, 2, ": ") == 0 && after < line.size() && line[after] == ';';
        if (value.empty() && wholeValue) {
            out.resize(declarationStart);
            i = after;
        } else {
            out += value;
            i = after - 1;
        }
    }
}

struct Section {
    std::string_view name;
    bool kept;
};

}  // namespace

std::string FillWebTemplate(std::string_view text, const WebTemplateValues& values) {
    std::string out;
    out.reserve(text.size());
    std::vector<Section> sections;
    bool inNote = false;
    for (size_t start = 0; start < text.size();) {
        const size_t lineFeed = text.find('\n', start);
        const size_t next = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
        const std::string_view withEnd = text.substr(start, next - start);
        const std::string_view line =
            text.substr(start, (lineFeed == std::string_view::npos ? next : lineFeed) - start);
        start = next;
        if (inNote) {
            inNote = !EndsWith(line, "*/");
            continue;
        }
        if (StartsWith(line, "/*")) {
            inNote = line.size() < 4 || !EndsWith(line, "*/");
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
        if (std::string_view name = SectionTag(line, '#'); !name.empty()) {
            const bool outerKept = sections.empty() || sections.back().kept;
            sections.push_back({name, outerKept && !ValueOf(values, name).empty()});
            continue;
        }
        if (std::string_view name = SectionTag(line, '/'); !name.empty()) {
            if (sections.empty() || sections.back().name != name)
                throw std::logic_error("{{/" + std::string(name) + "}} closes no section");
            sections.pop_back();
            continue;
        }
        if (!sections.empty() && !sections.back().kept) continue;
        AppendFilledLine(out, withEnd, values);
    }
    if (inNote) throw std::logic_error("a note without its closing */");
    if (!sections.empty())
        throw std::logic_error("{{#" + std::string(sections.back().name) + "}} is never closed");
    return out;
}

}  // namespace menulark
