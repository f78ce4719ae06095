#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plat {

bool IsValidUtf8(std::string_view bytes);

// Text that is valid UTF-8 stays as it is; anything else is read as
// Windows-1252 (files made on the original platform).
std::string ToUtf8(std::string_view bytes);
std::string Cp1252ToUtf8(std::string_view bytes);
// UTF-16 code units (without a byte-order mark) as UTF-8; unpaired
// surrogates and an odd last byte become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// The Windows-1252 bytes of UTF-8 text; false when a character has none.
bool Utf8ToCp1252(std::string_view text, std::string& out);

// The longest prefix of at most maxBytes bytes that ends on a character boundary.
std::string_view CutUtf8(std::string_view text, std::size_t maxBytes);

// Copies text into a fixed buffer of capacity bytes, cut on a character
// boundary and always NUL-terminated (nothing is written when capacity is 0).
void CopyBounded(char* dest, std::size_t capacity, std::string_view text);

// Length of the valid UTF-8 sequence at pos (its value in cp), 0 when invalid.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp);
// As DecodeUtf8, but a byte that starts no valid sequence is read as
// Windows-1252 and counts as one.
std::size_t DecodeLenient(std::string_view text, std::size_t pos, char32_t& cp);

// The first code point of text, as UTF-8 ("" for an empty text).
std::string_view FirstCodePoint(std::string_view text);

}  // namespace plat
