#include "password_check.h"

#include <cstring>
#include <string>

#include "data/crypto/md5.h"
#include "plat/utf8.h"

namespace {

PasswordMatch MatchBytes(std::string_view bytes, const std::uint8_t (&digests)[32]) {
    const MD5DigestBytes digest = MD5Digest(bytes.data(), bytes.size());
    if (std::memcmp(digest.data(), digests, 16) == 0) return PasswordMatch::First;
    if (!bytes.empty() && std::memcmp(digest.data(), digests + 16, 16) == 0) return PasswordMatch::Second;
    return PasswordMatch::None;
}

}  // namespace

PasswordMatch MatchPassword(std::string_view entry, const std::uint8_t (&digests)[32]) {
    const PasswordMatch match = MatchBytes(entry, digests);
    if (match != PasswordMatch::None) return match;
    std::string legacy;
    if (plat::Utf8ToCp1252(entry, legacy) && legacy != entry) return MatchBytes(legacy, digests);
    return PasswordMatch::None;
}
