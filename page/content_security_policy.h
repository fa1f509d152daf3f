#pragma once
// The Content-Security-Policy sources that let a modern page's inline style
// and script run on a site that allows neither inline code nor eval.

#include <string>
#include <string_view>

namespace menulark {

/// "script-src 'sha256-…'; style-src 'sha256-…'" for the first inline
/// <script> and <style> element of `page` (a modern page or snippet as
/// BuildModernPage writes it). Each hash is taken over the element's text
/// with single line feeds, as a browser sees it once it has read the CR LF
/// of the written file. An element that is missing gives no source.
std::string InlineCodePolicy(std::string_view page);

}  // namespace menulark
