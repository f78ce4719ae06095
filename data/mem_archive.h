#pragma once

// The payload byte stream: little-endian fields written one by one, and a
// reader that checks every length against what is left before using it.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "byte_buffer.h"
#include "byte_reader.h"

class CMemArchive {
public:
    // A writing archive. headerRoom bytes are kept free in front of the
    // payload, so that the file can be assembled around it in place.
    explicit CMemArchive(std::size_t headerRoom = 0);
    // A reading archive over bytes that outlive it (the payload area of a
    // file image).
    explicit CMemArchive(std::string_view bytes);

    // Appends n bytes; returns the new length.
    int64_t Write(const void* data, std::size_t n);
    void WriteI32(int32_t value) { StoreLe32(Grow(4), static_cast<uint32_t>(value)); }
    void WriteI16(int16_t value) { StoreLe16(Grow(2), static_cast<uint16_t>(value)); }
    void WriteU8(uint8_t value) { *Grow(1) = static_cast<char>(value); }
    // i32 length, then the text without its NUL.
    void WriteString(const char* text);
    // i32 length with trailing zero bytes cut, then those bytes.
    void WriteFixedText(const void* block, std::size_t size);

    // Readers return false, reading nothing, when the bytes are not there.
    bool Read(void* data, std::size_t n) { return reader_.Copy(data, n); }
    bool ReadI32(int32_t& value) { return reader_.I32(value); }
    bool ReadI16(int16_t& value) { return reader_.I16(value); }
    bool ReadU8(uint8_t& value) { return reader_.U8(value); }
    // Into a field of capacity bytes: a length below 0 or above capacity - 1,
    // or past the end, is refused. Text that is not UTF-8 is read as
    // Windows-1252 and cut to the field on a character boundary; such a cut
    // is remembered (TextsShortened).
    bool ReadString(char* field, std::size_t capacity);
    // The same checks, but the bytes are kept as stored: passwords are
    // cipher keys, and a converted key would no longer open the file.
    bool ReadKeyString(char* field, std::size_t capacity);
    // Zeroes the block, then reads at most size bytes into its start.
    bool ReadFixedText(void* block, std::size_t size);
    // A text read so far grew past its field when converted to UTF-8.
    bool TextsShortened() const { return textsShortened_; }

    std::size_t Remaining() const { return reader_.Remaining(); }
    // What was written, without the header room.
    std::string_view Bytes() const { return buffer_.View().substr(headerRoom_); }
    // The whole buffer, header room first.
    ByteBuffer TakeBuffer() { return std::move(buffer_); }

private:
    char* Grow(std::size_t n) {
        std::size_t at = buffer_.size();
        buffer_.Resize(at + n);
        return buffer_.data() + at;
    }
    bool ReadStringBytes(std::size_t capacity, std::string_view& raw);

    ByteBuffer buffer_;
    std::size_t headerRoom_ = 0;
    ByteReader reader_;
    bool textsShortened_ = false;
};
