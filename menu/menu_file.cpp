#include "menu/menu_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <unordered_set>

#include "menu/json_text.h"
#include "menu/language_code.h"
#include "system/read_file.h"
#include "system/text_place.h"
#include "system/utf8_check.h"

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

// One reference token of a JSON pointer; a long key shows as an excerpt.
std::string Token(std::string_view key) {
    std::string token;
    for (char c : Excerpt(key)) {
        if (c == '~')
            token += "~0";
        else if (c == '/')
            token += "~1";
        else
            token += c;
    }
    return token;
}

// The parser's own description of a fault, short: without the library's
// "[json.exception...]" and place prefix, and with the text it quotes (the
// last part of the message, between single quotes) cut to an excerpt.
std::string ParserProblem(const std::exception& e) {
    std::string_view what = e.what();
    if (size_t end = what.find("] "); what.substr(0, 1) == "[" && end != what.npos)
        what.remove_prefix(end + 2);
    if (size_t end = what.find(": ", what.find("column "));
        what.substr(0, 12) == "parse error " && end != what.npos)
        what.remove_prefix(end + 2);
    size_t lastRead = what.find("; last read: '");
    size_t open = lastRead == what.npos ? what.find('\'') : lastRead + 13;
    if (open == what.npos || what.size() < open + 2 || what.back() != '\'') return std::string(what);
    return std::string(what.substr(0, open + 1)) + Excerpt(what.substr(open + 1, what.size() - open - 2)) +
           "'";
}

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

std::string String(Json& value, const std::string& pointer) {
    if (!value.is_string()) Fail(pointer, "expected a string, " + Found(value));
    std::string& text = value.get_ref<std::string&>();
    if (text.find('\0') != std::string::npos) Fail(pointer, kNulProblem);
    return std::move(text);
}

void ExpectObject(const Json& value, const std::string& pointer) {
    if (!value.is_object()) Fail(pointer, "expected an object, " + Found(value));
}

std::string Quoted(const std::string& text) {
    return "\"" + Excerpt(text) + "\"";
}

constexpr const char* kVersion3Keys = "kind, newTab, icon and entries";

// Checks one element of an "entries" array, at `pointer`, and appends it
// and its submenu to `entries` at `depth`. `version` is the file's, so that a
// version 2 file keeps to what version 2 had.
void ReadEntry(Json& entry, const std::string& pointer, int depth, int version, MenuItemList& entries) {
    static const char* const kFields[] = {"title", "url", "explanation"};
    ExpectObject(entry, pointer);
    MenuItem item;
    item.depth = depth;
    Json* submenu = nullptr;
    for (auto& [key, member] : entry.items()) {
        const std::string keyPointer = pointer + "/" + Token(key);
        const bool plain = key == kFields[0] || key == kFields[1] || key == kFields[2];
        const bool rich = key == "kind" || key == "newTab" || key == "icon" || key == "entries";
        if (!plain && !(rich && version >= 3))
            Fail(keyPointer, version >= 3 ? "unknown entry field (an entry has \"title\", \"url\", "
                                            "\"explanation\", \"kind\", \"newTab\", \"icon\" and \"entries\")"
                             : rich       ? "not part of format version " + std::to_string(version) + " (" +
                                          kVersion3Keys + " came with version 3)"
                                    : "unknown entry field (an entry has \"title\", \"url\" and "
                                      "\"explanation\")");
        if (key == "kind") {
            std::string kind = String(member, keyPointer);
            if (kind != "separator" && kind != "heading")
                Fail(keyPointer, "unknown kind " + Quoted(kind) + " (expected \"separator\" or \"heading\")");
            item.kind = kind == "separator" ? EntryKind::Separator : EntryKind::Heading;
        } else if (key == "newTab") {
            if (!member.is_boolean()) Fail(keyPointer, "expected true or false, " + Found(member));
            item.newTab = member.get<bool>();
        } else if (key == "icon") {
            item.icon = String(member, keyPointer);
            if (!IsValidIcon(item.icon))
                Fail(keyPointer,
                     "expected one or two characters or the URL of an image, found " + Quoted(item.icon));
        } else if (key == "entries") {
            if (!member.is_array()) Fail(keyPointer, "expected an array, " + Found(member));
            if (member.empty()) Fail(keyPointer, "empty (a submenu needs at least one entry)");
            submenu = &member;
        }
    }
    if (item.kind != EntryKind::Link) {
        const bool heading = item.kind == EntryKind::Heading;
        for (auto& [key, member] : entry.items())
            if (key != "kind" && !(heading && key == "title"))
                Fail(pointer + "/" + Token(key),
                     heading ? "a heading has a title only" : "a separator has no other keys");
    }
    std::string* texts[3] = {&item.title, &item.url, &item.explanation};
    for (int f = 0; f < 3; ++f) {
        if (item.kind == EntryKind::Separator || (item.kind == EntryKind::Heading && f > 0)) break;
        const std::string fieldPointer = pointer + "/" + kFields[f];
        auto it = entry.find(kFields[f]);
        // A submenu's entry may leave out its URL and explanation.
        if (it == entry.end() && submenu && f > 0) continue;
        if (it == entry.end()) Fail(fieldPointer, "missing");
        *texts[f] = String(*it, fieldPointer);
        if (texts[f]->empty())
            Fail(fieldPointer, "empty (every entry needs a title, a URL and an explanation)");
    }
    entries.AppendEntry(std::move(item));
    if (!submenu) return;
    for (size_t i = 0; i < submenu->size(); ++i)
        ReadEntry((*submenu)[i], pointer + "/entries/" + std::to_string(i), depth + 1, version, entries);
}

// Builds the tree from the parser's events. Beyond what the library's own
// builder does, it refuses a key given twice in one object (a tree keeps
// only one of them) and nesting beyond kMaxDepth, and it appends keys without
// searching, so that no object makes reading slow however many keys it has.
//
// The elements of the top-level "entries" array are not kept in the tree:
// each is checked and made a menu entry as soon as it is complete, so that
// a menu of a million entries needs no tree of a million objects. The first
// fault among them is kept for its turn after the other keys are checked.
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
        return Refuse(LineAndColumn(m_text, position > 0 ? position - 1 : 0) + ": " + ParserProblem(e));
    }

    Json& Root() { return m_root; }
    const std::string& Error() const { return m_error; }
    /// Whether "entries" was an array, read into Entries() or EntriesFault().
    bool EntriesStreamed() const { return m_entriesStreamed; }
    MenuItemList& Entries() { return m_entries; }
    const std::string& EntriesFault() const { return m_entriesFault; }

private:
    static constexpr size_t kSearchLimit = 16;  // objects beyond this size get a key set

    struct Frame {
        Json* node;
        std::string key;                       // of the value to come, in an object
        std::unordered_set<std::string> keys;  // filled for large objects only
        bool streamed = false;                 // the entries array: elements go to m_slot
        size_t count = 0;                      // elements begun, in the entries array
    };

    // Stores `value` where the parser is; returns where it went.
    Json* Place(Json&& value) {
        if (m_frames.empty()) {
            m_root = std::move(value);
            return &m_root;
        }
        Frame& frame = m_frames.back();
        if (frame.streamed) {
            ++frame.count;
            m_slot = std::move(value);
            return &m_slot;
        }
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
        TakeEntry();
        return true;
    }

    bool Enter(Json&& container) {
        if (m_frames.size() >= kMaxDepth)
            return Refuse(Pointer() + ": nested deeper than " + std::to_string(kMaxDepth) + " levels");
        const bool entries = m_frames.size() == 1 && container.is_array() && m_frames[0].key == "entries";
        Json* node = Place(std::move(container));
        m_frames.push_back({node, {}, {}, entries, 0});
        m_entriesStreamed = m_entriesStreamed || entries;
        return true;
    }

    bool Leave() {
        m_frames.pop_back();
        TakeEntry();
        return true;
    }

    // A complete element of the entries array becomes a menu entry.
    void TakeEntry() {
        if (m_frames.empty() || !m_frames.back().streamed) return;
        if (m_entriesFault.empty()) {
            try {
                ReadEntry(m_slot, "/entries/" + std::to_string(m_frames.back().count - 1), 0, VersionSoFar(),
                          m_entries);
            } catch (const Fault& fault) {
                m_entriesFault = fault.message;
            }
        }
        m_slot = nullptr;
    }

    bool Refuse(std::string message) {
        if (m_error.empty()) m_error = std::move(message);
        return false;
    }

    // The file's version when it stands before the entries (as this program
    // writes it), else the newest: the entries' fields depend on it.
    int VersionSoFar() const {
        auto it = m_root.find("version");
        if (it == m_root.end() || !it->is_number_unsigned() || it->get<uint64_t>() > kMenuFileVersion)
            return kMenuFileVersion;
        return static_cast<int>(it->get<uint64_t>());
    }

    // Where the parser is: inner frames name the element being built, the
    // innermost names the element to come.
    std::string Pointer() const {
        std::string pointer;
        for (size_t i = 0; i < m_frames.size(); ++i) {
            const Frame& frame = m_frames[i];
            const bool innermost = i + 1 == m_frames.size();
            if (frame.node->is_array()) {
                const size_t size = frame.streamed ? frame.count : frame.node->size();
                pointer += "/" + std::to_string(size - (innermost ? 0 : 1));
            } else {
                pointer += "/" + Token(innermost ? frame.key
                                                 : frame.node->get_ref<const Json::object_t&>().back().first);
            }
        }
        return pointer;
    }

    std::string_view m_text;
    Json m_root;
    std::vector<Frame> m_frames;
    std::string m_error;
    Json m_slot;  // the element of the entries array being built
    bool m_entriesStreamed = false;
    MenuItemList m_entries;
    std::string m_entriesFault;
};

const Json& Member(const Json& object, const std::string& pointer, const char* key) {
    auto it = object.find(key);
    if (it == object.end()) Fail(pointer + "/" + key, "missing");
    return *it;
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
        if (key == "label") {
            document.modernLabel = String(member, pointer);
        } else if (key == "lang") {
            document.modernLanguage = String(member, pointer);
            // Empty leaves the page's language unnamed; anything else is a code, as --lang takes.
            if (!document.modernLanguage.empty() && !IsLanguageCode(document.modernLanguage))
                Fail(pointer, std::string("expected ") + kLanguageCodeExample + ", found " +
                                  Quoted(document.modernLanguage));
        } else {
            Fail(pointer, "unknown key (the modern page takes \"label\" and \"lang\")");
        }
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

void ReadEntries(TreeBuilder& builder, MenuDocument& document) {
    if (!builder.EntriesStreamed()) {
        const Json& value = builder.Root()["entries"];
        Fail("/entries", "expected an array, " + Found(value));
    }
    if (!builder.EntriesFault().empty()) throw Fault{builder.EntriesFault()};
    document.entries = std::move(builder.Entries());
}

// `text` is the file's text, for the other top-level keys' values as written.
MenuDocument ReadDocument(TreeBuilder& builder, std::string_view text) {
    Json& root = builder.Root();
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
    ReadEntries(builder, document);
    if (version < 3)
        for (const MenuItem& item : document.entries)
            if (item.IsRich())
                Fail("/version", "format version " + std::to_string(version) + " has no " + kVersion3Keys +
                                     " in its entries (they came with version 3)");

    // Kept as written, so that a number keeps every digit.
    const std::vector<std::string_view> written = TopLevelValues(text);
    size_t index = 0;
    for (auto& [key, value] : root.items()) {
        const std::string_view source = written.at(index++);
        if (key == "format" || key == "version" || key == "look" || key == "flavor" || key == "style" ||
            key == "entries" || (hasModern && key == "modern"))
            continue;
        if (key == "modern")
            Fail("/modern", "not part of format version " + std::to_string(version) +
                                " (the modern page's label and language came with version 2)");
        std::string json;
        AppendRelaidJson(json, source, -1, 0);
        document.extraKeys.push_back({key, std::move(json)});
    }
    return document;
}

// Checks every text before writing, so that a fault names its place.
void CheckUtf8(std::string_view text, const std::string& pointer) {
    if (FirstInvalidUtf8(text)) Fail(pointer, "not valid UTF-8 text");
}

// Writes the file text as nlohmann-json's pretty printing with two spaces
// would (the format's first writer), without building a tree of the menu.
class FileWriter {
public:
    explicit FileWriter(std::string& out) : m_out(out) {}

    void Key(int depth, std::string_view key) {
        m_out.append(static_cast<size_t>(2 * depth), ' ');
        AppendJsonString(m_out, key);
        m_out += ": ";
    }
    void String(int depth, std::string_view key, std::string_view value, bool last = false) {
        Key(depth, key);
        AppendJsonString(m_out, value);
        m_out += last ? "\n" : ",\n";
    }
    void Raw(int depth, std::string_view key, std::string_view json, bool last = false) {
        Key(depth, key);
        m_out += json;
        m_out += last ? "\n" : ",\n";
    }
    void Open(int depth, std::string_view key, char bracket) {
        Key(depth, key);
        m_out += bracket;
        m_out += '\n';
    }
    void Close(int depth, char bracket, bool last = false) {
        m_out.append(static_cast<size_t>(2 * depth), ' ');
        m_out += bracket;
        m_out += last ? "\n" : ",\n";
    }
    std::string& Out() { return m_out; }

private:
    std::string& m_out;
};

// Writes rows [row, end of its level) of `entries`, the elements of one
// "entries" array whose objects stand at `depth` levels; returns the row
// after them. Keys of version 3 are written only where they are used.
int WriteEntryObjects(FileWriter& writer, const MenuItemList& entries, int row, int depth,
                      const std::string& arrayPointer) {
    const int level = entries.Row(row).depth;
    const std::string indent(static_cast<size_t>(2 * depth), ' ');
    size_t index = 0;
    while (row < entries.RowCount() && entries.Row(row).depth >= level) {
        const MenuItem& item = entries.Row(row);
        const std::string pointer = arrayPointer + "/" + std::to_string(index++);
        const bool submenu = entries.HasSubmenu(row);
        if (!EntryIsComplete(item, submenu))
            Fail(pointer + (item.title.empty() ? "/title"
                            : item.url.empty() ? "/url"
                                               : "/explanation"),
                 "empty (every entry needs a title, a URL and an explanation)");
        writer.Out() += indent + "{\n";
        const int inner = depth + 1;
        // Each key with its value as JSON text, in the order written.
        std::vector<std::pair<const char*, std::string>> members;
        auto text = [&](const char* key, const std::string& value) {
            CheckUtf8(value, pointer + "/" + key);
            std::string json;
            AppendJsonString(json, value);
            members.emplace_back(key, std::move(json));
        };
        if (item.kind == EntryKind::Separator) members.emplace_back("kind", "\"separator\"");
        if (item.kind == EntryKind::Heading) members.emplace_back("kind", "\"heading\"");
        if (item.kind != EntryKind::Separator) text("title", item.title);
        if (item.kind == EntryKind::Link) {
            if (!item.url.empty()) text("url", item.url);
            if (!item.explanation.empty()) text("explanation", item.explanation);
            if (item.newTab) members.emplace_back("newTab", "true");
            if (!item.icon.empty()) text("icon", item.icon);
        }
        for (size_t m = 0; m < members.size(); ++m)
            writer.Raw(inner, members[m].first, members[m].second, m + 1 == members.size() && !submenu);
        ++row;
        if (submenu) {
            writer.Open(inner, "entries", '[');
            row = WriteEntryObjects(writer, entries, row, inner + 1, pointer + "/entries");
            writer.Close(inner, ']', true);
        }
        const bool lastOfLevel = row >= entries.RowCount() || entries.Row(row).depth < level;
        writer.Out() += indent + (lastOfLevel ? "}\n" : "},\n");
    }
    return row;
}

void WriteEntries(FileWriter& writer, const MenuItemList& entries, bool last) {
    if (entries.size() == 0) {
        writer.Raw(1, "entries", "[]", last);
        return;
    }
    writer.Open(1, "entries", '[');
    WriteEntryObjects(writer, entries, 0, 2, "/entries");
    writer.Close(1, ']', last);
}

// The other top-level keys: the first of a name where it stands, with the
// value of its last; never one of this program's own (the reader sees to that).
std::vector<const ExtraKey*> ExtraKeysToWrite(const std::vector<ExtraKey>& extraKeys) {
    static const std::unordered_set<std::string> kOwn = {"format", "version", "look",   "flavor",
                                                         "modern", "style",   "entries"};
    std::vector<const ExtraKey*> chosen;
    std::unordered_set<std::string> seen;
    for (const ExtraKey& extra : extraKeys) {
        CheckUtf8(extra.name, "/" + Token(extra.name));
        if (kOwn.count(extra.name) || !seen.insert(extra.name).second) continue;
        const ExtraKey* lastOfName = &extra;
        for (const ExtraKey& later : extraKeys)
            if (later.name == extra.name) lastOfName = &later;
        if (!Json::accept(lastOfName->json)) Fail("/" + Token(extra.name), "not JSON text");
        chosen.push_back(lastOfName);
    }
    return chosen;
}

void WriteFileText(const MenuDocument& document, std::string& text) {
    FileWriter writer(text);
    text += "{\n";
    writer.String(1, "format", kFormatName);
    writer.Raw(1, "version", std::to_string(MenuFileVersionFor(document)));
    writer.String(1, "look", document.style.styledMode ? "styled" : "simple");
    writer.String(1, "flavor", document.flavor == PageFlavor::Modern ? "modern" : "classic");

    CheckUtf8(document.modernLabel, "/modern/label");
    CheckUtf8(document.modernLanguage, "/modern/lang");
    writer.Open(1, "modern", '{');
    writer.String(2, "label", document.modernLabel);
    writer.String(2, "lang", document.modernLanguage, true);
    writer.Close(1, '}');

    writer.Open(1, "style", '{');
    for (const StyleField& field : StyleFields()) {
        const std::string& value = document.style.*field.member;
        CheckUtf8(value, "/style/" + std::string(field.name));
        writer.String(2, field.name, value);
    }
    writer.Raw(2, "scrollbarColors", document.style.scrollbarColors ? "true" : "false", true);
    writer.Close(1, '}');

    const std::vector<const ExtraKey*> extras = ExtraKeysToWrite(document.extraKeys);
    WriteEntries(writer, document.entries, extras.empty());
    for (const ExtraKey* extra : extras) {
        writer.Key(1, extra->name);
        AppendRelaidJson(text, extra->json, 2, 1);
        text += extra == extras.back() ? "\n" : ",\n";
    }
    text += "}\n";
}

// A little more than the file text's length for `document`.
size_t SizeHint(const MenuDocument& document) {
    size_t size = 2048 + document.modernLabel.size() + document.modernLanguage.size();
    for (const MenuItem& item : document.entries)
        size += 96 + item.title.size() + item.url.size() + item.explanation.size();
    for (const ExtraKey& extra : document.extraKeys) size += 2 * (extra.name.size() + extra.json.size());
    return size;
}

}  // namespace

int MenuFileVersionFor(const MenuDocument& document) {
    for (const MenuItem& item : document.entries)
        if (item.IsRich()) return kMenuFileVersion;
    return 2;
}

bool MenuDocument::operator==(const MenuDocument& o) const {
    if (entries.RowCount() != o.entries.RowCount()) return false;
    for (int r = 0; r < entries.RowCount(); ++r)
        if (!(entries.Row(r) == o.entries.Row(r))) return false;
    return style == o.style && flavor == o.flavor && modernLabel == o.modernLabel &&
           modernLanguage == o.modernLanguage && extraKeys == o.extraKeys;
}

MenuFileRead ParseMenuFile(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (std::optional<size_t> bad = FirstInvalidUtf8(text))
        return {std::nullopt, LineAndColumn(text, *bad) + ": not UTF-8 text"};
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return {std::nullopt, kEmptyFileProblem};
    TreeBuilder builder(text);
    if (!Json::sax_parse(text.begin(), text.end(), &builder)) return {std::nullopt, builder.Error()};
    try {
        return {ReadDocument(builder, text), {}};
    } catch (const Fault& fault) {
        return {std::nullopt, fault.message};
    }
}

MenuFileRead ReadMenuFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return {std::nullopt, "this is a folder, not a file"};
    ReadResult read = ReadWholeFile(path);
    // The C library's words for the system's reason, as on every platform.
    if (!read) return {std::nullopt, read.tooLarge ? read.reason : std::strerror(read.error)};
    return ParseMenuFile(read.bytes);
}

std::string MenuFileText(const MenuDocument& document, std::string* error) {
    std::string text;
    try {
        text.reserve(SizeHint(document));
        WriteFileText(document, text);
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
