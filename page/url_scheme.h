#pragma once

#include <string>
#include <string_view>

namespace menulark {

/// The scheme of `url` as a browser reads it, in lower case: leading blanks
/// and control characters are skipped and tabs, line feeds and carriage
/// returns inside are dropped. Empty when the URL has no scheme (a relative
/// URL, say).
std::string UrlScheme(std::string_view url);

/// Whether a link with this scheme can run script or carry a page of its own
/// (javascript:, vbscript:, data:).
bool IsScriptScheme(std::string_view scheme);

}  // namespace menulark
