#pragma once

// The ranges numeric settings are brought into where they are read. Each
// holds every value a user could want and keeps the arithmetic on the
// value, and on the sizes made from it, within an int.

// Font sizes in tenths of a point: up to 72 points.
inline constexpr int kMaxFontSizeSetting = 720;
// Heights and sizes in percent of a font's height: up to five times it.
inline constexpr int kMaxPercentSetting = 500;
// Widths, indents and distances in pixels, on the screen or in an image.
inline constexpr int kMaxPixelsSetting = 10000;
// The area of an image in pixels.
inline constexpr int kMaxImagePixelsSetting = 4096 * 4096;

// On a printed page, in hundredths of a centimetre:
// indents, spaces and distances, up to 2.5 cm, so that a page header or
// footer made of the largest of them still leaves room for the body of a
// landscape page;
inline constexpr int kMaxPrintedLengthSetting = 250;
// widths of lines and rules, up to 1 cm;
inline constexpr int kMaxPrintedLineSetting = 100;
// margins, up to 5 cm, so that the largest of them still leave the page a
// body;
inline constexpr int kMaxMarginSetting = 500;
// widths of columns, which the layout cuts to the page.
inline constexpr int kMaxPrintedWidthSetting = 1000000;
