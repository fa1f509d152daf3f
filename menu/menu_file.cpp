#include "menu/menu_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <streambuf>
#include <unordered_set>

namespace menulark {
namespace {

// Objects keep their keys in file order, so that kept keys come back as
// they were.
using Json = nlohmann::ordered_json;

constexpr const char* kFormatName = "menulark-menu";
constexpr size_t kMaxDepth = 256;  // deeper nesting is refused: nothing here needs it

// A fault found while reading; the message names its place.
struct Fault {
    std::string message;
};

[[noreturn]] void Fail(const std::string& pointer, const std::string& problem) {
    throw Fault{(pointer.empty() ? std::string("top level") : pointer) + ": " + problem};
}

// One reference token of a JSON pointer.
std::string Token(std::string_view key) {
    std::string token;
    for (char c : key) {
        if (c == '~')
            token += "~0";
        else if (c == '/')
            token += "~1";
        else
            token += c;
    }
    return token;
}

// Position of the first byte that is not part of well-formed UTF-8, or npos.
size_t InvalidUtf8At(std::string_view text) {
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t length;
        unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0) low = 0xA0;   // no overlong forms
            if (c == 0xED) high = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0) low = 0x90;
            if (c == 0xF4) high = 0x8F;  // nothing above U+10FFFF
        } else {
            return i;
        }
        if (i + 1 >= n || s[i + 1] < low || s[i + 1] > high) return i;
        for (size_t k = 2; k < length; ++k)
            if (i + k >= n || (s[i + k] & 0xC0) != 0x80) return i;
        i += length;
    }
    return std::string_view::npos;
}

// "line L, column C" of byte `offset`, columns counted in characters.
std::string LineAndColumn(std::string_view text, size_t offset) {
    offset = std::min(offset, text.size());
    size_t line = 1, lineStart = 0;
    for (size_t i = 0; i < offset; ++i)
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    size_t column = 1;
    for (size_t i = lineStart; i < offset; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++column;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The parser's own description of a syntax error, without its prefix.
std::string SyntaxProblem(const std::exception& e) {
    std::string what = e.what();
    size_t column = what.find("column ");
    size_t colon = column == std::string::npos ? column : what.find(": ", column);
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

// Builds the tree from the parser's events. Beyond what the library's own
// builder does, it refuses a key given twice in one object (a tree keeps
// only one of them) and nesting beyond kMaxDepth, and it appends keys without
// searching, so that no object makes reading slow however many keys it has.
class TreeBuilder : public nlohmann::json_sax<Json> {
public:
    explicit TreeBuilder(std::string_view text) : m_text(text) {}

    bool null() override { return Add(nullptr); }
    bool boolean(bool value) override { return Add(value); }
    bool number_integer(number_integer_t value) override { return Add(value); }
    bool number_unsigned(number_unsigned_t value) override { return Add(value); }
    bool number_float(number_float_t value, const string_t&) override { return Add(value); }
    bool string(string_t& value) override { return Add(std::move(value)); }
    bool binary(binary_t& value) override { return Add(Json::binary(std::move(value))); }
    bool start_object(std::size_t) override { return Enter(Json::object()); }
    bool start_array(std::size_t) override { return Enter(Json::array()); }
    bool end_object() override { return Leave(); }
    bool end_array() override { return Leave(); }

    bool key(string_t& key) override {
        Frame& frame = m_frames.back();
        const Json::object_t& object = frame.node->get_ref<const Json::object_t&>();
        bool twice = false;
        if (frame.keys.empty() && object.size() < kSearchLimit) {
            for (const auto& member : object) twice = twice || member.first == key;
        } else {
            if (frame.keys.empty())
                for (const auto& member : object) frame.keys.insert(member.first);
            twice = !frame.keys.insert(key).second;
        }
        frame.key = std::move(key);
        if (twice) return Refuse(Pointer() + ": given twice in the same object");
        return true;
    }

    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception& e) override {
        // The position counts from 1 and points at the character that did not fit.
        return Refuse(LineAndColumn(m_text, position > 0 ? position - 1 : 0) + ": " + SyntaxProblem(e));
    }

    Json& Root() { return m_root; }
    const std::string& Error() const { return m_error; }

private:
    static constexpr size_t kSearchLimit = 16;  // objects beyond this size get a key set

    struct Frame {
        Json* node;
        std::string key;                       // of the value to come, in an object
        std::unordered_set<std::string> keys;  // filled for large objects only
    };

    // Stores `value` where the parser is; returns where it went.
    Json* Place(Json&& value) {
        if (m_frames.empty()) {
            m_root = std::move(value);
            return &m_root;
        }
        Frame& frame = m_frames.back();
        if (frame.node->is_array()) {
            frame.node->get_ref<Json::array_t&>().push_back(std::move(value));
            return &frame.node->get_ref<Json::array_t&>().back();
        }
        // A plain append: the key was checked against the others already.
        Json::object_t& object = frame.node->get_ref<Json::object_t&>();
        object.Container::emplace_back(std::move(frame.key), std::move(value));
        return &object.back().second;
    }

    bool Add(Json&& value) {
        Place(std::move(value));
        return true;
    }

    bool Enter(Json&& container) {
        if (m_frames.size() >= kMaxDepth)
            return Refuse(Pointer() + ": nested deeper than " + std::to_string(kMaxDepth) + " levels");
        m_frames.push_back({Place(std::move(container)), {}, {}});
        return true;
    }

    bool Leave() {
        m_frames.pop_back();
        return true;
    }

    bool Refuse(std::string message) {
        if (m_error.empty()) m_error = std::move(message);
        return false;
    }

    // Where the parser is: inner frames name the element being built, the
    // innermost names the element to come.
    std::string Pointer() const {
        std::string pointer;
        for (size_t i = 0; i < m_frames.size(); ++i) {
            const Json& node = *m_frames[i].node;
            const bool innermost = i + 1 == m_frames.size();
            if (node.is_array())
                pointer += "/" + std::to_string(node.size() - (innermost ? 0 : 1));
            else
                pointer += "/" + Token(innermost ? m_frames[i].key
                                                 : node.get_ref<const Json::object_t&>().back().first);
        }
        return pointer;
    }

    std::string_view m_text;
    Json m_root;
    std::vector<Frame> m_frames;
    std::string m_error;
};

std::string Found(const Json& value) {
    switch (value.type()) {
        case Json::value_t::object:
            return "found an object";
        case Json::value_t::array:
            return "found an array";
        case Json::value_t::string:
            return "found a string";
        case Json::value_t::boolean:
            return "found true or false";
        case Json::value_t::null:
            return "found null";
        default:
            return "found a number";
    }
}

const Json& Member(const Json& object, const std::string& pointer, const char* key) {
    auto it = object.find(key);
    if (it == object.end()) Fail(pointer + "/" + key, "missing");
    return *it;
}

std::string String(Json& value, const std::string& pointer) {
    if (!value.is_string()) Fail(pointer, "expected a string, " + Found(value));
    return std::move(value.get_ref<std::string&>());
}

void ExpectObject(const Json& value, const std::string& pointer) {
    if (!value.is_object()) Fail(pointer, "expected an object, " + Found(value));
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

int Version(const Json& root) {
    const Json& format = Member(root, "", "format");
    if (!format.is_string() || format.get_ref<const std::string&>() != kFormatName)
        Fail("/format", "this is not a Menulark menu file (expected \"" + std::string(kFormatName) + "\")");
    const Json& version = Member(root, "", "version");
    if (!version.is_number_integer()) Fail("/version", "expected a whole number, " + Found(version));
    const std::string current = std::to_string(kMenuFileVersion);
    if (version.is_number_unsigned() ? version.get<uint64_t>() > kMenuFileVersion
                                     : version.get<int64_t>() > kMenuFileVersion)
        Fail("/version", "format version " + version.dump() +
                             " comes from a newer Menulark; this one reads versions up to " + current);
    if (!version.is_number_unsigned() || version.get<uint64_t>() < 1)
        Fail("/version", version.dump() + " is not a format version (they start at 1)");
    return version.get<int>();
}

void ReadLook(Json& value, MenuDocument& document) {
    std::string look = String(value, "/look");
    if (look != "simple" && look != "styled")
        Fail("/look", "unknown look " + Quoted(look) + " (expected \"simple\" or \"styled\")");
    document.style.styledMode = look == "styled";
}

void ReadFlavor(Json& value, MenuDocument& document) {
    std::string flavor = String(value, "/flavor");
    if (flavor != "classic" && flavor != "modern")
        Fail("/flavor", "unknown flavor " + Quoted(flavor) + " (expected \"classic\" or \"modern\")");
    document.flavor = flavor == "modern" ? PageFlavor::Modern : PageFlavor::Classic;
}

void ReadModern(Json& value, MenuDocument& document) {
    ExpectObject(value, "/modern");
    for (auto& [key, member] : value.items()) {
        std::string pointer = "/modern/" + Token(key);
        if (key == "label")
            document.modernLabel = String(member, pointer);
        else if (key == "lang")
            document.modernLanguage = String(member, pointer);
        else
            Fail(pointer, "unknown key (the modern page takes \"label\" and \"lang\")");
    }
}

std::string StyleFieldNames() {
    std::string names;
    for (const StyleField& field : StyleFields()) names += std::string(field.name) + ", ";
    return names + "scrollbarColors";
}

// Style fields left out keep their defaults; a name that is not a style
// field is refused, so that a misspelt one cannot go unnoticed.
void ReadStyle(Json& value, MenuDocument& document) {
    ExpectObject(value, "/style");
    for (auto& [key, member] : value.items()) {
        std::string pointer = "/style/" + Token(key);
        if (key == "scrollbarColors") {
            if (!member.is_boolean()) Fail(pointer, "expected true or false, " + Found(member));
            document.style.scrollbarColors = member.get<bool>();
        } else if (std::string* field = FindStyleField(document.style, key)) {
            *field = String(member, pointer);
        } else {
            Fail(pointer, "unknown style field (the fields are " + StyleFieldNames() + ")");
        }
    }
}

void ReadEntries(Json& value, MenuDocument& document) {
    if (!value.is_array()) Fail("/entries", "expected an array, " + Found(value));
    static const char* const kFields[] = {"title", "url", "explanation"};
    size_t index = 0;
    for (Json& entry : value) {
        const std::string pointer = "/entries/" + std::to_string(index++);
        ExpectObject(entry, pointer);
        for (auto& [key, member] : entry.items())
            if (key != kFields[0] && key != kFields[1] && key != kFields[2])
                Fail(pointer + "/" + Token(key),
                     "unknown entry field (an entry has \"title\", \"url\" and \"explanation\")");
        std::string texts[3];
        for (int f = 0; f < 3; ++f) {
            const std::string fieldPointer = pointer + "/" + kFields[f];
            auto it = entry.find(kFields[f]);
            if (it == entry.end()) Fail(fieldPointer, "missing");
            texts[f] = String(*it, fieldPointer);
            if (texts[f].empty())
                Fail(fieldPointer, "empty (every entry needs a title, a URL and an explanation)");
        }
        document.entries.AddItem(std::move(texts[0]), std::move(texts[1]), std::move(texts[2]));
    }
}

MenuDocument ReadDocument(Json& root) {
    ExpectObject(root, "");
    const int version = Version(root);

    MenuDocument document;
    const bool hasModern = version >= 2;
    for (const char* key : {"look", "flavor", "style", "entries"}) Member(root, "", key);
    if (hasModern) Member(root, "", "modern");
    ReadLook(root["look"], document);
    ReadFlavor(root["flavor"], document);
    ReadStyle(root["style"], document);
    if (hasModern) ReadModern(root["modern"], document);
    ReadEntries(root["entries"], document);

    for (auto& [key, value] : root.items()) {
        if (key == "format" || key == "version" || key == "look" || key == "flavor" || key == "style" ||
            key == "entries" || (hasModern && key == "modern"))
            continue;
        if (key == "modern")
            Fail("/modern", "not part of format version " + std::to_string(version) +
                                " (the modern page's label and language came with version 2)");
        document.extraKeys.push_back({key, value.dump()});
    }
    return document;
}

// Checks every text before writing, so that a fault names its place.
void CheckUtf8(const std::string& text, const std::string& pointer) {
    if (InvalidUtf8At(text) != std::string_view::npos) Fail(pointer, "not valid UTF-8 text");
}

Json Tree(const MenuDocument& document) {
    Json root;
    root["format"] = kFormatName;
    root["version"] = kMenuFileVersion;
    root["look"] = document.style.styledMode ? "styled" : "simple";
    root["flavor"] = document.flavor == PageFlavor::Modern ? "modern" : "classic";

    CheckUtf8(document.modernLabel, "/modern/label");
    CheckUtf8(document.modernLanguage, "/modern/lang");
    root["modern"] = {{"label", document.modernLabel}, {"lang", document.modernLanguage}};

    Json& style = root["style"] = Json::object();
    for (const StyleField& field : StyleFields()) {
        const std::string& text = document.style.*field.member;
        CheckUtf8(text, "/style/" + std::string(field.name));
        style[std::string(field.name)] = text;
    }
    style["scrollbarColors"] = document.style.scrollbarColors;

    Json::array_t& entries = (root["entries"] = Json::array()).get_ref<Json::array_t&>();
    entries.reserve(document.entries.size());
    size_t index = 0;
    for (const MenuItem& item : document.entries) {
        const std::string pointer = "/entries/" + std::to_string(index++);
        CheckUtf8(item.title, pointer + "/title");
        CheckUtf8(item.url, pointer + "/url");
        CheckUtf8(item.explanation, pointer + "/explanation");
        // Built member by member: a braced list would copy every text twice.
        Json entry = Json::object();
        Json::object_t& members = entry.get_ref<Json::object_t&>();
        members.reserve(3);
        members.Container::emplace_back("title", item.title);
        members.Container::emplace_back("url", item.url);
        members.Container::emplace_back("explanation", item.explanation);
        entries.push_back(std::move(entry));
    }

    for (const ExtraKey& extra : document.extraKeys) {
        const std::string pointer = "/" + Token(extra.name);
        CheckUtf8(extra.name, pointer);
        if (root.contains(extra.name)) continue;  // never one of ours (the reader sees to that)
        try {
            root[extra.name] = Json::parse(extra.json);
        } catch (const Json::exception&) {
            Fail(pointer, "not JSON text");
        }
    }
    return root;
}

// Appends what is written to a string that was given its room up front:
// letting a text of megabytes grow step by step costs more than making it.
class AppendBuffer : public std::streambuf {
public:
    explicit AppendBuffer(std::string& text) : m_text(text) {}

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        m_text.append(s, static_cast<size_t>(n));
        return n;
    }
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) m_text += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }

private:
    std::string& m_text;
};

// A little more than the file text's length for `document`.
size_t SizeHint(const MenuDocument& document) {
    size_t size = 2048 + document.modernLabel.size() + document.modernLanguage.size();
    for (const MenuItem& item : document.entries)
        size += 96 + item.title.size() + item.url.size() + item.explanation.size();
    for (const ExtraKey& extra : document.extraKeys) size += 2 * (extra.name.size() + extra.json.size());
    return size;
}

}  // namespace

bool MenuDocument::operator==(const MenuDocument& o) const {
    if (entries.RowCount() != o.entries.RowCount()) return false;
    for (int r = 0; r < entries.RowCount(); ++r)
        if (!(entries.Row(r) == o.entries.Row(r))) return false;
    return style == o.style && flavor == o.flavor && modernLabel == o.modernLabel &&
           modernLanguage == o.modernLanguage && extraKeys == o.extraKeys;
}

MenuFileRead ParseMenuFile(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (size_t bad = InvalidUtf8At(text); bad != std::string_view::npos)
        return {std::nullopt, LineAndColumn(text, bad) + ": not UTF-8 text"};
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return {std::nullopt, "the file is empty"};
    TreeBuilder builder(text);
    if (!Json::sax_parse(text.begin(), text.end(), &builder)) return {std::nullopt, builder.Error()};
    try {
        return {ReadDocument(builder.Root()), {}};
    } catch (const Fault& fault) {
        return {std::nullopt, fault.message};
    }
}

MenuFileRead ReadMenuFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return {std::nullopt, "this is a folder, not a file"};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, std::strerror(errno)};
    std::string text;
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0) {
        text.resize(static_cast<size_t>(size));
        in.read(text.data(), size);
    }
    if (!in) return {std::nullopt, "the file could not be read"};
    return ParseMenuFile(text);
}

std::string MenuFileText(const MenuDocument& document, std::string* error) {
    try {
        const Json tree = Tree(document);
        std::string text;
        text.reserve(SizeHint(document));
        AppendBuffer buffer(text);
        std::ostream out(&buffer);
        out << std::setw(2) << tree << '\n';  // the library's pretty printing, two spaces
        return text;
    } catch (const Fault& fault) {
        if (error) *error = fault.message;
        return {};
    }
}

WriteResult SaveMenuFile(const std::string& path, const MenuDocument& document) {
    std::string error;
    std::string text = MenuFileText(document, &error);
    if (text.empty()) return {false, error, 0};
    return WriteTextFile(path, text);
}

bool LooksLikeMenuFile(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    size_t start = text.find_first_not_of(" \r\n");
    if (start == std::string_view::npos || text[start] != '{') return false;
    std::string_view line = text.substr(start, text.find('\n', start) - start);
    return line.find('\t') == std::string_view::npos;
}

}  // namespace menulark
