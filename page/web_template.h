#pragma once
// Filling in the named placeholders of a web file under page/web/ (see the
// note at the top of page/web/menu.css for the rules a file follows).

#include <map>
#include <string>
#include <string_view>

namespace menulark {

/// Values by name. Each is written as it is, so each must already be escaped
/// for the place it lands in (page/web_escape.h).
using WebTemplateValues = std::map<std::string, std::string, std::less<>>;

/// `text` with, line by line:
/// - notes (a comment "/* ... */" that starts a line, over as many lines as it
///   takes) and blank lines left out;
/// - the lines from "{{#name}}" to "{{/name}}" (each alone on its line) kept
///   only when the value `name` is not empty;
/// - every "{{name}}" replaced by its value, except that a declaration
///   " property: {{name}};" whose value is empty is left out whole.
/// Values are never read for placeholders. Throws std::logic_error for a
/// name without a value or an unbalanced "{{#name}}": faults of the file,
/// not of the author's values.
std::string FillWebTemplate(std::string_view text, const WebTemplateValues& values);

}  // namespace menulark
