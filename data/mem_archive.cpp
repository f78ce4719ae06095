#include "mem_archive.h"

#include <cstring>

#include "file_text.h"

namespace {
// Small, so that the many small documents cost little: a large one grows
// by doubling, and once past 2 MiB its pages are remapped, not copied.
constexpr std::size_t kInitialCapacity = 65536;
}

CMemArchive::CMemArchive(std::size_t headerRoom) : headerRoom_(headerRoom) {
    buffer_.Reserve(headerRoom + kInitialCapacity);
    buffer_.Resize(headerRoom);
}

CMemArchive::CMemArchive(std::string_view bytes) : reader_(bytes) {}

int64_t CMemArchive::Write(const void* data, std::size_t n) {
    if (n) std::memcpy(Grow(n), data, n);
    return static_cast<int64_t>(buffer_.size() - headerRoom_);
}

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

bool CMemArchive::ReadStringBytes(std::size_t capacity, std::string_view& raw) {
    ByteReader start = reader_;
    int32_t n = 0;
    if (reader_.I32(n) && n >= 0 && static_cast<std::size_t>(n) < capacity &&
        reader_.Take(static_cast<std::size_t>(n), raw))
        return true;
    reader_ = start;
    return false;
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
    ByteReader start = reader_;
    int32_t n = 0;
    if (!reader_.I32(n) || n < 0 || static_cast<std::size_t>(n) > size || static_cast<std::size_t>(n) > Remaining()) {
        reader_ = start;
        return false;
    }
    std::memset(block, 0, size);
    return Read(block, static_cast<std::size_t>(n));
}
