#pragma once

// The texts the date and time controls show and read back, by the pictures
// of the date and time formatter (d dd M MM MMM MMMM y yy yyyy, h hh H HH
// m mm s ss t tt, quoted literals). Reading is lenient: the numbers of a
// text are taken in the order the picture names them, month and weekday
// names by their beginning, without regard to case.

#include <cstdint>
#include <string>
#include <string_view>

#include "plat/locale_info.h"

namespace spcc {

inline constexpr std::int32_t kInvalidDay = 0;
inline constexpr std::int32_t kEmptyDay = 1;
inline constexpr int kEmptyTime = -1;

// An empty picture takes the locale's short date form.
std::string FormatDay(const plat::LocaleInfo& locale, std::int32_t julianDay,
                      const std::string& picture);
// "" reads as empty (1), text that names no day as invalid (0). A missing
// year is the reference year; two-digit years fall in 1950..2049.
std::int32_t ParseDay(const plat::LocaleInfo& locale, std::string_view text,
                      const std::string& picture, int referenceYear);

// Negative minutes give ""; 1440 and above wrap into the day. An empty
// picture takes the locale's time form without seconds.
std::string FormatMinutes(const plat::LocaleInfo& locale, int minutes, const std::string& picture);
// "" and text that names no time read as empty (-1); "24:00" reads as 0.
int ParseMinutes(const plat::LocaleInfo& locale, std::string_view text);

}  // namespace spcc
