#include "page/content_security_policy.h"

#include "page/sha256.h"

namespace menulark {
namespace {

// The text between `open` and the `close` after it, or nothing.
bool ElementText(std::string_view page, std::string_view open, std::string_view close,
                 std::string_view& text) {
    const size_t start = page.find(open);
    if (start == std::string_view::npos) return false;
    const size_t end = page.find(close, start + open.size());
    if (end == std::string_view::npos) return false;
    text = page.substr(start + open.size(), end - start - open.size());
    return true;
}

std::string HashSource(std::string_view text) {
    const Sha256Digest digest = Sha256(text);
    return "'sha256-" +
           Base64(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size())) + "'";
}

}  // namespace

std::string InlineCodePolicy(std::string_view page) {
    std::string policy;
    std::string_view text;
    if (ElementText(page, "<script>", "</script>", text)) policy += "script-src " + HashSource(text);
    if (ElementText(page, "<style>", "</style>", text))
        policy += (policy.empty() ? "" : "; ") + std::string("style-src ") + HashSource(text);
    return policy;
}

}  // namespace menulark
