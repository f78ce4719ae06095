#pragma once

#include <cstddef>
#include <cstdint>

// The reflected CRC-32 of polynomial 0xEDB88320, register starting at
// 0xFFFFFFFF, result complemented ("123456789" gives 0xCBF43926).
// `previous` is the CRC of the bytes before these, so a long stream can be
// checked a buffer at a time: Crc32(b, nb, Crc32(a, na)) == Crc32 of a then b.
std::uint32_t Crc32(const void* data, std::size_t n, std::uint32_t previous = 0);
