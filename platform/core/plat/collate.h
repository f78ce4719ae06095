#pragma once

#include <string>
#include <string_view>

namespace plat {

// Name order without regard to case: the locale's collation of case-folded
// text (UTF-8; invalid bytes are read as Windows-1252). -1, 0 or 1.
int CompareNoCase(std::string_view a, std::string_view b);

// A key whose plain comparison orders as CompareNoCase does, for sorting
// many records by name without collating each pair again.
std::wstring NoCaseSortKey(std::string_view text);

}  // namespace plat
