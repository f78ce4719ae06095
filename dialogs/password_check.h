#pragma once

#include <cstdint>
#include <string_view>

// Which stored password an entry matches. The digests are those of the
// document's password block: the first password's, then the second's.
enum class PasswordMatch { None, First, Second };

// The entry is tried as typed (UTF-8), then as the Windows-1252 bytes of the
// same text, so files made on the original platform open. An empty entry
// never matches the second password: an empty second password must not open
// every protected document read-only.
PasswordMatch MatchPassword(std::string_view entry, const std::uint8_t (&digests)[32]);
