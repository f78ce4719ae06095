#pragma once

// A growable byte buffer on large-block memory (large_memory.h), for whole
// file images: bytes added by Resize are left as they are, so reading a
// file into it touches each page once.

#include <cstddef>
#include <cstring>
#include <string_view>
#include <utility>

#include "large_memory.h"

class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(std::string_view bytes) { Append(bytes.data(), bytes.size()); }
    ~ByteBuffer() { FreeLarge(data_, capacity_); }
    ByteBuffer(ByteBuffer&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)),
          size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    ByteBuffer& operator=(ByteBuffer&& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        return *this;
    }
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    char* data() { return data_; }
    const char* data() const { return data_; }
    std::size_t size() const { return size_; }
    std::string_view View() const { return {data_, size_}; }

    void Reserve(std::size_t capacity) {
        if (capacity <= capacity_) return;
        data_ = static_cast<char*>(ResizeLarge(data_, capacity_, capacity));
        capacity_ = capacity;
    }
    // Bytes beyond the old size are not initialised.
    void Resize(std::size_t size) {
        if (size > capacity_) Reserve(size > 2 * capacity_ ? size : 2 * capacity_);
        size_ = size;
    }
    void Append(const void* bytes, std::size_t n) {
        std::size_t at = size_;
        Resize(size_ + n);
        if (n) std::memcpy(data_ + at, bytes, n);
    }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};
