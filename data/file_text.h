#pragma once

// Text read from a file into a fixed field.

#include <cstddef>
#include <string_view>

// Copies bytes into a field of capacity bytes: text that is not UTF-8 is
// read as Windows-1252, and the result is cut on a character boundary and
// NUL-terminated. True when the text did not fit and was cut.
bool CopyFileText(char* field, std::size_t capacity, std::string_view bytes);
