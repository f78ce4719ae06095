#include "data/crypto/blowfish.h"

#include <cstring>
#include <utility>

#include "data/crypto/tables.h"

namespace {

std::uint32_t LoadBigEndian(const std::uint8_t* b) {
    return (std::uint32_t(b[0]) << 24) | (std::uint32_t(b[1]) << 16) | (std::uint32_t(b[2]) << 8) |
           std::uint32_t(b[3]);
}

void StoreBigEndian(std::uint32_t v, std::uint8_t* b) {
    b[0] = std::uint8_t(v >> 24);
    b[1] = std::uint8_t(v >> 16);
    b[2] = std::uint8_t(v >> 8);
    b[3] = std::uint8_t(v);
}

}  // namespace

CBlowfish::CBlowfish() {
    std::memcpy(p_, qel_crypto_tables::kPiP, sizeof p_);
    std::memcpy(s_, qel_crypto_tables::kPiS, sizeof s_);
}

bool CBlowfish::SetKey(const void* key, std::size_t keyLength, const std::uint8_t* iv) {
    std::memcpy(p_, qel_crypto_tables::kPiP, sizeof p_);
    std::memcpy(s_, qel_crypto_tables::kPiS, sizeof s_);
    if (iv)
        std::memcpy(iv_, iv, sizeof iv_);
    else
        std::memset(iv_, 0, sizeof iv_);
    keyed_ = key != nullptr && keyLength > 0;
    if (!keyed_)
        return false;
    if (keyLength > kMaxKeyLength)
        keyLength = kMaxKeyLength;

    const auto* k = static_cast<const std::uint8_t*>(key);
    std::size_t next = 0;
    for (std::uint32_t& word : p_) {
        std::uint32_t data = 0;
        for (int i = 0; i < 4; ++i) {
            data = (data << 8) | k[next];
            next = (next + 1) % keyLength;
        }
        word ^= data;
    }

    Block b{0, 0};
    for (std::size_t i = 0; i < 18; i += 2) {
        EncipherBlock(b);
        p_[i] = b.left;
        p_[i + 1] = b.right;
    }
    for (auto& box : s_) {
        for (std::size_t i = 0; i < 256; i += 2) {
            EncipherBlock(b);
            box[i] = b.left;
            box[i + 1] = b.right;
        }
    }
    return true;
}

std::uint32_t CBlowfish::F(std::uint32_t x) const {
    return ((s_[0][x >> 24] + s_[1][(x >> 16) & 0xFF]) ^ s_[2][(x >> 8) & 0xFF]) + s_[3][x & 0xFF];
}

// Sixteen rounds taking the P-array words from `first` onwards in steps of
// `step`; deciphering is the same walk backwards.
void CBlowfish::Rounds(Block& b, int first, int step) const {
    std::uint32_t l = b.left, r = b.right;
    for (int i = 0; i < 16; ++i) {
        l ^= p_[first + step * i];
        r ^= F(l);
        std::swap(l, r);
    }
    b.left = r ^ p_[first + step * 17];
    b.right = l ^ p_[first + step * 16];
}

void CBlowfish::EncipherBlock(Block& b) const {
    Rounds(b, 0, 1);
}

void CBlowfish::DecipherBlock(Block& b) const {
    Rounds(b, 17, -1);
}

bool CBlowfish::CanRun(std::size_t n, Mode mode) const {
    const bool knownMode = mode == Mode::ECB || mode == Mode::CBC || mode == Mode::CFB;
    return keyed_ && knownMode && n > 0 && n % kBlockSize == 0;
}

bool CBlowfish::Encrypt(void* buffer, std::size_t n, Mode mode) const {
    return Run(buffer, buffer, n, mode, true);
}

bool CBlowfish::Decrypt(void* buffer, std::size_t n, Mode mode) const {
    return Run(buffer, buffer, n, mode, false);
}

bool CBlowfish::Encrypt(const void* in, void* out, std::size_t n, Mode mode) const {
    return Run(in, out, n, mode, true);
}

bool CBlowfish::Decrypt(const void* in, void* out, std::size_t n, Mode mode) const {
    return Run(in, out, n, mode, false);
}

CBlowfish::Block CBlowfish::Step(Block in, Block& chain, Mode mode, bool encrypt) const {
    switch (mode) {
    case Mode::ECB:
        if (encrypt)
            EncipherBlock(in);
        else
            DecipherBlock(in);
        return in;
    case Mode::CBC:
        if (encrypt) {
            chain = in ^ chain;
            EncipherBlock(chain);
            return chain;
        } else {
            Block plain = in;
            DecipherBlock(plain);
            plain = plain ^ chain;
            chain = in;
            return plain;
        }
    case Mode::CFB: {
        Block keystream = chain;
        EncipherBlock(keystream);
        const Block out = in ^ keystream;
        chain = encrypt ? out : in;
        return out;
    }
    }
    return in;
}

bool CBlowfish::Run(const void* in, void* out, std::size_t n, Mode mode, bool encrypt) const {
    if (!CanRun(n, mode))
        return false;
    const auto* src = static_cast<const std::uint8_t*>(in);
    auto* dst = static_cast<std::uint8_t*>(out);
    Block chain{LoadBigEndian(iv_), LoadBigEndian(iv_ + 4)};
    for (std::size_t at = 0; at < n; at += kBlockSize) {
        const Block b = Step({LoadBigEndian(src + at), LoadBigEndian(src + at + 4)}, chain, mode, encrypt);
        StoreBigEndian(b.left, dst + at);
        StoreBigEndian(b.right, dst + at + 4);
    }
    return true;
}
