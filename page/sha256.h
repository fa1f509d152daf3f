#pragma once
// SHA-256 (FIPS 180-4) and base64, for the hashes a Content-Security-Policy
// names inline code by.

#include <array>
#include <string>
#include <string_view>

namespace menulark {

using Sha256Digest = std::array<unsigned char, 32>;

/// The SHA-256 digest of `bytes`.
Sha256Digest Sha256(std::string_view bytes);

/// `bytes` in base64 with padding (RFC 4648, the standard alphabet).
std::string Base64(std::string_view bytes);

}  // namespace menulark
