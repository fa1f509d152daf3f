#pragma once
// JSON text written the way the menu file writes it (two-space indentation,
// strings escaped as nlohmann-json escapes them), and values taken from a
// menu file's text as they stand there, so that numbers keep every digit.

#include <string>
#include <string_view>
#include <vector>

namespace menulark {

/// Appends `text` as a JSON string: quotes, backslashes and control
/// characters escaped, everything else (UTF-8 included) as it is.
void AppendJsonString(std::string& out, std::string_view text);

/// The text of each value of the top-level object in `json`, in order.
/// `json` must be valid JSON text whose top level is an object.
std::vector<std::string_view> TopLevelValues(std::string_view json);

/// Appends the valid JSON value `json` laid out again: compact when `indent`
/// is negative, else `indent` spaces per level starting at `depth` levels.
/// Numbers keep their text as written; strings are escaped as above.
void AppendRelaidJson(std::string& out, std::string_view json, int indent, int depth);

}  // namespace menulark
