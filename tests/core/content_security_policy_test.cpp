#include "page/content_security_policy.h"

#include <gtest/gtest.h>

#include <string>

#include "page/sha256.h"

namespace menulark {
namespace {

std::string Sha256Base64(std::string_view text) {
    const Sha256Digest digest = Sha256(text);
    return Base64(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size()));
}

TEST(ContentSecurityPolicyTest, Sha256AndBase64MatchTheirStandardVectors) {
    struct Case {
        std::string text;
        const char* base64;  // of the SHA-256 digest
    };
    // FIPS 180-4 examples (one block, two blocks, a million bytes) and the
    // lengths around a block's end, where the padding takes a second block.
    const Case cases[] = {
        {"", "47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU="},
        {"abc", "ungWv48Bz+pBQUDeXa4iI7ADYaOWF3qctBD/YfIAFa0="},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "JI1qYdIGOLjlwCaTDD5gOaM85Flk/yFn9uzt1BnbBsE="},
        {std::string(1000000, 'a'), "zcduXJkU+5KBocfihNc+Z/GAmkiklyAOBG05zMcRLNA="},
        {std::string(55, 'x'), "1eKFaDzU78AtAhpcYgFGlJWJAQBdb3HongmJ+sd+QHI="},
        {std::string(64, 'x'), "fOEAlx9k5wAej+WlGXPs3+HO1Cvv5+6NX9YhlQa1OTw="},
    };
    for (const Case& c : cases) EXPECT_EQ(Sha256Base64(c.text), c.base64) << c.text.size() << " bytes";

    // RFC 4648, section 10.
    const char* const base64[][2] = {{"", ""},
                                     {"f", "Zg=="},
                                     {"fo", "Zm8="},
                                     {"foo", "Zm9v"},
                                     {"foob", "Zm9vYg=="},
                                     {"fooba", "Zm9vYmE="},
                                     {"foobar", "Zm9vYmFy"}};
    for (const auto& pair : base64) EXPECT_EQ(Base64(pair[0]), pair[1]) << pair[0];
}

TEST(ContentSecurityPolicyTest, PolicyHashesTheTextOfTheFirstScriptAndStyle) {
    const std::string page = "<style>\nb { }\n</style>\n<div>x</div>\n<script>\nrun();\n</script>\n";
    EXPECT_EQ(InlineCodePolicy(page), "script-src 'sha256-" + Sha256Base64("\nrun();\n") +
                                          "'; style-src 'sha256-" + Sha256Base64("\nb { }\n") + "'");
    EXPECT_EQ(InlineCodePolicy("<script>a</script>"), "script-src 'sha256-" + Sha256Base64("a") + "'");
    EXPECT_EQ(InlineCodePolicy("<link rel=\"stylesheet\" href=\"m.css\"><script src=\"m.js\"></script>"), "");
}

}  // namespace
}  // namespace menulark
