#pragma once

// Little-endian fields of the document formats, and a cursor that reads
// them from a byte range, checking every length against what is left.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

inline uint32_t LoadLe32(const void* bytes) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
           static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
}

inline uint16_t LoadLe16(const void* bytes) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

inline void StoreLe32(void* out, uint32_t value) {
    auto* b = static_cast<unsigned char*>(out);
    b[0] = static_cast<unsigned char>(value);
    b[1] = static_cast<unsigned char>(value >> 8);
    b[2] = static_cast<unsigned char>(value >> 16);
    b[3] = static_cast<unsigned char>(value >> 24);
}

inline void StoreLe16(void* out, uint16_t value) {
    auto* b = static_cast<unsigned char*>(out);
    b[0] = static_cast<unsigned char>(value);
    b[1] = static_cast<unsigned char>(value >> 8);
}

// Readers return false, reading nothing, when the bytes are not there.
class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - position_; }

    bool Take(std::size_t n, std::string_view& out) {
        if (n > Remaining()) return false;
        out = bytes_.substr(position_, n);
        position_ += n;
        return true;
    }
    bool Copy(void* out, std::size_t n) {
        if (n > Remaining()) return false;
        if (n) std::memcpy(out, bytes_.data() + position_, n);
        position_ += n;
        return true;
    }
    bool I32(int32_t& value) {
        if (Remaining() < 4) return false;
        value = static_cast<int32_t>(LoadLe32(bytes_.data() + position_));
        position_ += 4;
        return true;
    }
    bool I16(int16_t& value) {
        if (Remaining() < 2) return false;
        value = static_cast<int16_t>(LoadLe16(bytes_.data() + position_));
        position_ += 2;
        return true;
    }
    bool U8(uint8_t& value) { return Copy(&value, 1); }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};
