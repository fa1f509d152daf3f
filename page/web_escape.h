#pragma once
// Escaping of the author's values for the places they land in a page written
// for current browsers. Each function gives text that cannot end the context
// it is written into, whatever bytes the value holds; bytes of 0x80 and above
// (UTF-8 sequences) pass through unchanged.

#include <string>
#include <string_view>

namespace menulark {

/// Text between tags: & < > become character references.
std::string EscapeHtmlText(std::string_view value);

/// A double-quoted attribute value: & < > " ' become character references,
/// and tab, line feed and carriage return numeric references, so that a value
/// keeps its characters and the page keeps its lines.
std::string EscapeHtmlAttribute(std::string_view value);

/// A CSS property value inside a style element. Letters, digits, bytes from
/// 0x80, the blank and # . , % + - _ * stay as they are; round brackets stay
/// when they pair up and the value calls no url(); every other byte becomes a
/// CSS hex escape "\hh " (so ; { } < > " ' \ / : and line ends can neither
/// end the declaration, the rule or the style element, nor open a comment or
/// a string: with / escaped, a * cannot start or end a comment). A value that was never meant as CSS
/// therefore turns into an unknown word, and the browser drops that one declaration.
std::string EscapeCssValue(std::string_view value);

/// A length: a plain number (digits with at most one decimal point) gets
/// "px" appended, anything else goes through EscapeCssValue.
std::string CssLength(std::string_view value);

/// A font-family list from a comma-separated value. Each name is stripped of
/// surrounding blanks and quotes; the generic families stay bare keywords,
/// every other name becomes a quoted CSS string with " \ < > and control
/// characters hex-escaped. When the list names no generic family,
/// `fallbackGeneric` is appended. Empty names are dropped.
std::string CssFontFamilyList(std::string_view value, std::string_view fallbackGeneric);

/// True when `value` is a plain number as CssLength understands it.
bool IsPlainNumber(std::string_view value);

}  // namespace menulark
