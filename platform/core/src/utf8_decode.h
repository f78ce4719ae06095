#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "plat/utf8.h"

// Code-point helpers shared by the text functions of this library.
namespace plat {

char32_t Cp1252ToCodePoint(unsigned char byte);
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace plat
