#pragma once

// The texts of the number edits. A number is read only as the locale writes
// it: ASCII digits, a sign in front, group separators only between groups of
// three digits (the first group one to three digits), and the decimal
// separator between digits. Nothing else is guessed at, so a text is never
// taken for a number other than the one the user meant: "1.5" under de_DE is
// no number at all, not 15.

#include <optional>
#include <string>
#include <string_view>

namespace spcc {

struct NumberSeparators {
    std::string decimal = ".";
    std::string group;   // empty when the locale groups no digits
};

// The longest text that can be a number; the edits refuse longer texts whole.
inline constexpr std::size_t kNumberTextMax = 64;

// The number the text writes, nothing when it writes none. decimals: the
// most digits after the decimal separator, 0 for whole numbers. Blanks
// around the number are allowed.
std::optional<double> ReadNumber(std::string_view text, const NumberSeparators& separators, int decimals);

// The value with exactly decimals digits after the decimal separator; grouped
// puts the group separator between groups of three digits.
std::string ShowNumber(double value, const NumberSeparators& separators, int decimals, bool grouped = false);

// A limit in a message: grouped, without zeros at the end of the fraction
// ("1.000", "0,5").
std::string ShowLimit(double value, const NumberSeparators& separators, int decimals);

// A number for the user to copy: one with a group and, when the edit takes
// decimals, a fraction ("1.234,5" under de_DE).
std::string ExampleNumber(const NumberSeparators& separators, int decimals);

}  // namespace spcc
