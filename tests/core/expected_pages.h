#pragma once
// The expected pages, kept once as files under tests/data/ and written
// independently of the string table: the page templates (templates/) and
// whole pages for the entries in entries.tsv (pages/). Tests compare what
// the program produces with these, so a slip in the table or in the
// generator shows up as a difference.

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace menulark::expected {

/// The bytes of `name` under tests/data/.
inline std::string DataFile(const std::string& name) {
    std::ifstream in(std::string(MENULARK_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    if (!in) throw std::runtime_error("missing test data file " + name);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// The bytes of `path` in the source tree.
inline std::string SourceFile(const std::string& path) {
    return DataFile("../../" + path);
}

/// A page template as the program must hold it, "%s" and "%i" included.
inline std::string Template(const std::string& name) {
    return DataFile("templates/" + name + ".txt");
}

/// A whole page for the entries of entries.tsv, as it must be on disk.
inline std::string Page(const std::string& name) {
    return DataFile("pages/" + name + ".htm");
}

inline const std::string kSimpleHead = Template("simple_head");
inline const std::string kSimpleEntry = Template("simple_entry");
inline const std::string kSimpleTail = Template("simple_tail");
inline const std::string kStyledHead = Template("styled_head");
inline const std::string kStyledFrame = Template("styled_frame");
inline const std::string kStyledFramePlain = Template("styled_frame_plain");
inline const std::string kStyledEntry = Template("styled_entry");
inline const std::string kStyledClose = Template("styled_close");
inline const std::string kStyledTail = Template("styled_tail");
inline const std::string kSwatchPage = Template("swatch_page");

/// `text` with its "%s" / "%i" placeholders replaced, left to right, by
/// `values` (numbers already written in decimal). Deliberately naive.
inline std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    auto value = values.begin();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'i') &&
            value != values.end()) {
            out += *value++;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

/// `text` as it must be on disk: every line feed preceded by a carriage return.
inline std::string OnDisk(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

}  // namespace menulark::expected
