#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text pieces of HTML pages. Everything here works on UTF-8; the page is
// turned into the bytes of its charset only when it is written
// (EncodeHtmlPage).

// "\"#rrggbb\"" (quotes included) from a colour 0x00BBGGRR.
std::string FormatHtmlColor(std::uint32_t colour);

// An HTML colour text: six hexadecimal digits, or "#" and six, as red,
// green and blue pairs. False (colour untouched) for any other text.
bool ParseHtmlColor(std::string_view text, std::uint32_t& colour);

// Text as HTML content or attribute value: "&" becomes "&amp;" (an entity
// already in the text is escaped again), "<" "&lt;", ">" "&gt;" and '"'
// "&quot;"; with nonBreaking every blank becomes "&#160;"; with newlines
// every line feed becomes "<br>" (a carriage return before it is dropped).
// Text that is not valid UTF-8 is read as Windows-1252 first.
std::string EscapeHtml(std::string_view text, bool nonBreaking, bool newlines);

// For the TITLE element, which holds no markup: escaped, line breaks as
// blanks.
std::string EscapeHtmlTitle(std::string_view text);

// A file name as a relative URL: every byte but letters, digits and
// "-._~" as %XX.
std::string PercentEncode(std::string_view name);

// The bytes of a page for its charset: with utf8 the text as it is,
// otherwise ISO-8859-1 with every character above U+00FF as a decimal
// character reference. Control characters that HTML does not allow (all
// below U+0020 but tab, line feed and carriage return, and U+007F to
// U+009F) become "&#65533;", so they show instead of breaking the page.
// Every line feed is written as carriage return and line feed.
std::string EncodeHtmlPage(std::string_view text, bool utf8);

// True when a meta line declares the page as UTF-8.
bool DeclaresUtf8(std::string_view metaLine);
