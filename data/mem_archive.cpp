#include "mem_archive.h"

#include <cstring>

#include "file_text.h"

namespace {
constexpr std::size_t kInitialCapacity = 1000000;
}

CMemArchive::CMemArchive() { bytes_.reserve(kInitialCapacity); }

CMemArchive::CMemArchive(std::string bytes) : bytes_(std::move(bytes)) {}

int64_t CMemArchive::Write(const void* data, std::size_t n) {
    // Doubling keeps a large plan from being copied once per growth step.
    if (bytes_.size() + n > bytes_.capacity()) bytes_.reserve(2 * (bytes_.size() + n));
    bytes_.append(static_cast<const char*>(data), n);
    return static_cast<int64_t>(bytes_.size());
}

void CMemArchive::WriteI32(int32_t value) {
    auto v = static_cast<uint32_t>(value);
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 24)};
    Write(b, 4);
}

void CMemArchive::WriteI16(int16_t value) {
    auto v = static_cast<uint16_t>(value);
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    Write(b, 2);
}

void CMemArchive::WriteU8(uint8_t value) { Write(&value, 1); }

void CMemArchive::WriteString(const char* text) {
    std::size_t n = text ? std::strlen(text) : 0;
    WriteI32(static_cast<int32_t>(n));
    Write(text, n);
}

void CMemArchive::WriteFixedText(const void* block, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(block);
    std::size_t n = size;
    while (n > 0 && bytes[n - 1] == 0) --n;
    WriteI32(static_cast<int32_t>(n));
    Write(bytes, n);
}

bool CMemArchive::Read(void* data, std::size_t n) {
    if (n > Remaining()) return false;
    if (n) std::memcpy(data, bytes_.data() + readPosition_, n);
    readPosition_ += n;
    return true;
}

bool CMemArchive::ReadI32(int32_t& value) {
    unsigned char b[4];
    if (!Read(b, 4)) return false;
    value = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                 static_cast<uint32_t>(b[2]) << 16 |
                                 static_cast<uint32_t>(b[3]) << 24);
    return true;
}

bool CMemArchive::ReadI16(int16_t& value) {
    unsigned char b[2];
    if (!Read(b, 2)) return false;
    value = static_cast<int16_t>(static_cast<uint16_t>(b[0] | b[1] << 8));
    return true;
}

bool CMemArchive::ReadU8(uint8_t& value) { return Read(&value, 1); }

bool CMemArchive::ReadStringBytes(std::size_t capacity, std::string_view& raw) {
    int32_t n = 0;
    if (!ReadI32(n)) return false;
    if (n < 0 || static_cast<std::size_t>(n) >= capacity || static_cast<std::size_t>(n) > Remaining())
        return false;
    raw = std::string_view(bytes_.data() + readPosition_, static_cast<std::size_t>(n));
    readPosition_ += static_cast<std::size_t>(n);
    return true;
}

bool CMemArchive::ReadString(char* field, std::size_t capacity) {
    std::string_view raw;
    if (!ReadStringBytes(capacity, raw)) return false;
    if (CopyFileText(field, capacity, raw)) textsShortened_ = true;
    return true;
}

bool CMemArchive::ReadKeyString(char* field, std::size_t capacity) {
    std::string_view raw;
    if (!ReadStringBytes(capacity, raw)) return false;
    std::memcpy(field, raw.data(), raw.size());
    std::memset(field + raw.size(), 0, capacity - raw.size());
    return true;
}

bool CMemArchive::ReadFixedText(void* block, std::size_t size) {
    int32_t n = 0;
    if (!ReadI32(n)) return false;
    if (n < 0 || static_cast<std::size_t>(n) > size || static_cast<std::size_t>(n) > Remaining())
        return false;
    std::memset(block, 0, size);
    return Read(block, static_cast<std::size_t>(n));
}
