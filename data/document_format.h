#pragma once

// The bytes of a document file: header, password block, enciphered payload
// and CRC-32 trailer. Pure functions over a file image, shared by the file,
// the fuzz targets and the tests.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "byte_buffer.h"

class CPlanProperties;

inline constexpr char kDocumentMagic[] = "Tovima2";
inline constexpr char kOlderMagic[] = "Tovima";
inline constexpr double kFormatVersion = 2.0;

inline constexpr std::size_t kHeaderBytes = 40;
inline constexpr std::size_t kPasswordBlockBytes = 49;
inline constexpr std::size_t kPayloadOffset = kHeaderBytes + kPasswordBlockBytes;   // 89
inline constexpr std::size_t kTrailerBytes = 4;
// The smallest real file: one 8-byte block of payload.
inline constexpr std::size_t kMinDocumentBytes = kPayloadOffset + 8 + kTrailerBytes;   // 101
inline constexpr int64_t kMaxDocumentBytes = INT32_MAX;

struct DecodedDocument {
    bool older = false;
    bool secondPassword = false;   // unlocked with password 2: read-only access
    ByteBuffer image;              // the file image, deciphered in place
    std::string_view payload;      // in image: the payload area, or the older body
    bool haveBlock = false;
    uint8_t block[kPasswordBlockBytes] = {};
};

// Checks and unlocks a file image: 8 when it is not a document, too short,
// not a whole number of cipher blocks or damaged; 11 when a password is
// needed or wrong. An empty entry never unlocks through an empty password 2.
// Passwords are tried as UTF-8 bytes, then as the Windows-1252 bytes of the
// same text. out.block is filled as soon as the checksum holds, even when
// the password is refused.
int32_t DecodeDocument(ByteBuffer image, const char* password, bool havePassword,
                       DecodedDocument& out);

// The password block for the properties: zero when not protected, else both
// digests and password 1 enciphered under password 2.
void BuildPasswordBlock(const CPlanProperties& properties, uint8_t (&block)[kPasswordBlockBytes]);

// A whole file around a payload (the reserved word included) that follows
// kPayloadOffset free bytes in framed: header and password block in front,
// padding, enciphering when protected, checksum; all in place.
ByteBuffer BuildDocumentImage(const CPlanProperties& properties, ByteBuffer framed);
// The same from a payload alone.
std::string BuildDocumentImage(const CPlanProperties& properties, std::string_view payload);
