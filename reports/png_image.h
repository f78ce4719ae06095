#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include <QImage>

// Images of HTML reports: painted on a QImage and written as 8-bit RGB PNG
// files through libpng.

// Bytes a row of a 24-bit image takes, padded to a multiple of 4.
constexpr int Dib24Stride(int width) { return ((24 * width + 31) / 32) * 4; }

// An image to paint on (32-bit RGB, black, 96 dpi); null when the size is
// not positive or too large to allocate.
QImage CreateDib24(int width, int height);

// Where the encoded bytes go; false ends the encoding with an error.
using PngSink = std::function<bool(const unsigned char* data, std::size_t length)>;

// Encodes the image as 8-bit RGB without interlace, top row first. False,
// with libpng's message in error, when the image is null or libpng or the
// sink fails ("Read Error" for a refused write).
bool EncodePng(const QImage& image, const PngSink& sink, std::string* error);

// Writes the image to path atomically: false, with the reason, when the
// directory does not exist, the encoding fails or the file cannot be
// written; no partial file is left under path.
bool SavePng(const std::string& path, const QImage& image, std::string* error);
