#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Code-point helpers shared by the text functions of this library.
namespace plat {

char32_t Cp1252ToCodePoint(unsigned char byte);
void AppendUtf8(std::string& out, char32_t cp);
// Length of the valid UTF-8 sequence at pos (its value in cp), 0 when invalid.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp);
// As DecodeUtf8, but a byte that starts no valid sequence is read as
// Windows-1252 and counts as one.
std::size_t DecodeLenient(std::string_view text, std::size_t pos, char32_t& cp);

}  // namespace plat
