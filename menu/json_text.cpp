#include "menu/json_text.h"

#include <nlohmann/json.hpp>

namespace menulark {
namespace {

size_t SkipSpace(std::string_view json, size_t pos) {
    while (pos < json.size() &&
           (json[pos] == ' ' || json[pos] == '\t' || json[pos] == '\r' || json[pos] == '\n'))
        ++pos;
    return pos;
}

// The end of the string that starts at the quote at `pos`.
size_t StringEnd(std::string_view json, size_t pos) {
    for (++pos; pos < json.size() && json[pos] != '"'; ++pos)
        if (json[pos] == '\\') ++pos;
    return pos + 1;
}

// The end of a number or literal (true, false, null) at `pos`.
size_t ScalarEnd(std::string_view json, size_t pos) {
    while (pos < json.size() && std::string_view(",:]} \t\r\n").find(json[pos]) == std::string_view::npos)
        ++pos;
    return pos;
}

size_t ValueEnd(std::string_view json, size_t pos) {
    if (json[pos] == '"') return StringEnd(json, pos);
    if (json[pos] != '{' && json[pos] != '[') return ScalarEnd(json, pos);
    int depth = 0;
    do {
        if (json[pos] == '"') {
            pos = StringEnd(json, pos);
            continue;
        }
        if (json[pos] == '{' || json[pos] == '[') ++depth;
        if (json[pos] == '}' || json[pos] == ']') --depth;
        ++pos;
    } while (depth > 0 && pos < json.size());
    return pos;
}

void Indent(std::string& out, int indent, int depth) {
    if (indent >= 0) out.append(static_cast<size_t>(indent * depth), ' ');
}

// Lays out the value at `pos` and returns the position after it.
size_t Relay(std::string& out, std::string_view json, size_t pos, int indent, int depth) {
    pos = SkipSpace(json, pos);
    const char open = json[pos];
    if (open == '"') {
        size_t end = StringEnd(json, pos);
        // Decoded and escaped again, so that a string reads as the writer writes it.
        AppendJsonString(out,
                         nlohmann::json::parse(json.substr(pos, end - pos)).get_ref<const std::string&>());
        return end;
    }
    if (open != '{' && open != '[') {
        size_t end = ScalarEnd(json, pos);
        out.append(json.substr(pos, end - pos));
        return end;
    }
    const char close = open == '{' ? '}' : ']';
    pos = SkipSpace(json, pos + 1);
    out += open;
    if (json[pos] == close) {
        out += close;
        return pos + 1;
    }
    if (indent >= 0) out += '\n';
    for (;;) {
        Indent(out, indent, depth + 1);
        if (open == '{') {
            pos = Relay(out, json, pos, indent, depth + 1);  // the key
            pos = SkipSpace(json, pos) + 1;                  // past the colon
            out += indent >= 0 ? ": " : ":";
        }
        pos = SkipSpace(json, Relay(out, json, pos, indent, depth + 1));
        if (json[pos] == ',') {
            out += ',';
            if (indent >= 0) out += '\n';
            pos = SkipSpace(json, pos + 1);
            continue;
        }
        if (indent >= 0) out += '\n';
        Indent(out, indent, depth);
        out += close;
        return pos + 1;
    }
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    size_t runStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(text.substr(runStart, i - runStart));
        runStart = i + 1;
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0xF];
        }
    }
    out.append(text.substr(runStart));
    out += '"';
}

std::vector<std::string_view> TopLevelValues(std::string_view json) {
    std::vector<std::string_view> values;
    size_t pos = SkipSpace(json, 0) + 1;  // past the opening brace
    for (;;) {
        pos = SkipSpace(json, pos);
        if (pos >= json.size() || json[pos] == '}') break;
        pos = SkipSpace(json, StringEnd(json, pos)) + 1;  // the key and the colon
        pos = SkipSpace(json, pos);
        size_t end = ValueEnd(json, pos);
        values.push_back(json.substr(pos, end - pos));
        pos = SkipSpace(json, end);
        if (pos < json.size() && json[pos] == ',') ++pos;
    }
    return values;
}

void AppendRelaidJson(std::string& out, std::string_view json, int indent, int depth) {
    Relay(out, json, 0, indent, depth);
}

}  // namespace menulark
