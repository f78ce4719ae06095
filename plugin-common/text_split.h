#pragma once

// Splitting and word-wrapping of texts (booking notes and tooltips). Texts
// are UTF-8; every position and width counts characters, never bytes, so no
// character is ever split.

#include <string>
#include <string_view>
#include <vector>

// Replaces list with the fields of text between the characters of
// delimiters. A delimiter where a field would start gives an empty field; a
// delimiter that ends the text gives none after it; an empty text gives one
// empty field. Returns the count.
int SplitAny(std::vector<std::string>& list, std::string_view text, std::string_view delimiters);

// Replaces list with the pieces of text between occurrences of separator,
// keeping empty ones (a trailing separator gives a trailing empty piece).
// An empty separator gives the whole text as one piece. Returns the count.
int SplitString(std::vector<std::string>& list, std::string_view text, std::string_view separator);

// Replaces list with the lines of text (at "\n", a "\r" before it dropped),
// each cut into pieces of at most width characters. A piece ends before the
// trailing letters and digits of its window, unless all of its last
// lookBack characters are letters or digits, where it is cut hard; the
// blanks after a piece are left out. A width below 1 leaves the lines
// whole. Returns the count.
int WrapText(std::vector<std::string>& list, std::string_view text, int width, int lookBack);
