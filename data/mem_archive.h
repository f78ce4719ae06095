#pragma once

// The payload byte stream: little-endian fields written one by one, and a
// reader that checks every length against what is left before using it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CMemArchive {
public:
    // A writing archive.
    CMemArchive();
    // A reading archive over bytes (the payload area of a file image).
    explicit CMemArchive(std::string bytes);

    // Appends n bytes; returns the new length.
    int64_t Write(const void* data, std::size_t n);
    void WriteI32(int32_t value);
    void WriteI16(int16_t value);
    void WriteU8(uint8_t value);
    // i32 length, then the text without its NUL.
    void WriteString(const char* text);
    // i32 length with trailing zero bytes cut, then those bytes.
    void WriteFixedText(const void* block, std::size_t size);

    // Readers return false, reading nothing, when the bytes are not there.
    bool Read(void* data, std::size_t n);
    bool ReadI32(int32_t& value);
    bool ReadI16(int16_t& value);
    bool ReadU8(uint8_t& value);
    // Into a field of capacity bytes: a length below 0 or above capacity - 1,
    // or past the end, is refused. Text that is not UTF-8 is read as
    // Windows-1252 and cut to the field on a character boundary; such a cut
    // is remembered (TextsShortened).
    bool ReadString(char* field, std::size_t capacity);
    // The same checks, but the bytes are kept as stored: passwords are
    // cipher keys, and a converted key would no longer open the file.
    bool ReadKeyString(char* field, std::size_t capacity);
    // A text read so far grew past its field when converted to UTF-8.
    bool TextsShortened() const { return textsShortened_; }
    // Zeroes the block, then reads at most size bytes into its start.
    bool ReadFixedText(void* block, std::size_t size);

    std::size_t Remaining() const { return bytes_.size() - readPosition_; }
    const std::string& Bytes() const { return bytes_; }
    std::string TakeBytes() { return std::move(bytes_); }

private:
    std::string bytes_;
    std::size_t readPosition_ = 0;
    bool textsShortened_ = false;

    bool ReadStringBytes(std::size_t capacity, std::string_view& raw);
};
