#pragma once

#include <cstddef>
#include <cstdint>

// The Blowfish block cipher: 64-bit blocks, keys of 1 to 56 bytes, 16 rounds.
// Each 8-byte block is two 32-bit halves, most significant byte first.
class CBlowfish {
public:
    enum class Mode : int { ECB = 0, CBC = 1, CFB = 2 };  // CFB feeds back 64 bits

    static constexpr std::size_t kMaxKeyLength = 56;
    static constexpr std::size_t kBlockSize = 8;

    CBlowfish();

    // Resets the tables to pi and runs the key schedule. A key longer than 56
    // bytes is cut to 56. An empty (or null) key leaves the object unkeyed and
    // returns false. A null iv is eight zero bytes. The iv starts every call
    // of Encrypt and Decrypt, so each call is a message of its own.
    bool SetKey(const void* key, std::size_t keyLength, const std::uint8_t* iv = nullptr);
    bool IsKeyed() const { return keyed_; }

    // In place, or from `in` to `out` (the same buffer or disjoint ones).
    // False, with nothing written, when the object is unkeyed, when n is not
    // a non-zero multiple of 8, or when the mode is not one of the three.
    [[nodiscard]] bool Encrypt(void* buffer, std::size_t n, Mode mode = Mode::ECB) const;
    [[nodiscard]] bool Decrypt(void* buffer, std::size_t n, Mode mode = Mode::ECB) const;
    [[nodiscard]] bool Encrypt(const void* in, void* out, std::size_t n, Mode mode = Mode::ECB) const;
    [[nodiscard]] bool Decrypt(const void* in, void* out, std::size_t n, Mode mode = Mode::ECB) const;

private:
    struct Block {
        std::uint32_t left;
        std::uint32_t right;
        friend Block operator^(Block a, Block b) { return {a.left ^ b.left, a.right ^ b.right}; }
    };

    bool CanRun(std::size_t n, Mode mode) const;
    bool Run(const void* in, void* out, std::size_t n, Mode mode, bool encrypt) const;
    // One block of the mode; `chain` carries the previous cipher block, at first the vector.
    Block Step(Block in, Block& chain, Mode mode, bool encrypt) const;
    std::uint32_t F(std::uint32_t x) const;
    void Rounds(Block& b, int first, int step) const;
    void EncipherBlock(Block& b) const;
    void DecipherBlock(Block& b) const;

    std::uint32_t p_[18];
    std::uint32_t s_[4][256];
    std::uint8_t iv_[kBlockSize] = {};
    bool keyed_ = false;
};
