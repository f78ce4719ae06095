#include "document_format.h"

#include <cstring>
#include <vector>

#include "byte_reader.h"
#include "data/crypto/blowfish.h"
#include "data/crypto/crc32.h"
#include "data/crypto/md5.h"
#include "data_status.h"
#include "plan_records.h"
#include "plat/utf8.h"

namespace {

constexpr std::size_t kFlagOffset = 40;
constexpr std::size_t kDigest1Offset = 41;
constexpr std::size_t kDigest2Offset = 57;
constexpr std::size_t kCipheredPasswordOffset = 73;
constexpr std::size_t kMagicCompared = 19;

using Key = uint8_t[16];

void MakeKey(std::string_view text, Key& key) {
    std::memset(key, 0, sizeof key);
    std::memcpy(key, text.data(), std::min(text.size(), sizeof key));
}

bool RunBlowfish(const Key& key, void* data, std::size_t n, bool encrypt) {
    CBlowfish cipher;
    if (!cipher.SetKey(key, sizeof key)) return false;
    return encrypt ? cipher.Encrypt(data, n) : cipher.Decrypt(data, n);
}

// The image holds at least the header, so the compare stays inside it.
bool MagicIs(std::string_view image, const char* magic) {
    return std::strncmp(image.data(), magic, kMagicCompared) == 0;
}

// The byte forms an entry is tried in: as typed (UTF-8), then Windows-1252.
std::vector<std::string> PasswordCandidates(std::string_view entry) {
    std::vector<std::string> candidates{std::string(entry)};
    std::string legacy;
    if (plat::Utf8ToCp1252(entry, legacy) && legacy != entry) candidates.push_back(legacy);
    return candidates;
}

}  // namespace

int32_t DecodeDocument(ByteBuffer image, const char* password, bool havePassword,
                       DecodedDocument& out) {
    out = {};
    out.image = std::move(image);
    std::string_view bytes = out.image.View();
    if (bytes.size() < kHeaderBytes) return kDataBadFile;
    if (bytes.size() > static_cast<std::size_t>(kMaxDocumentBytes)) return kDataBadFile;
    if (MagicIs(bytes, kOlderMagic)) {
        out.older = true;
        out.payload = bytes.substr(kHeaderBytes);
        return kDataOk;
    }
    if (!MagicIs(bytes, kDocumentMagic)) return kDataBadFile;
    std::size_t body = bytes.size() - kTrailerBytes;
    if (Crc32(bytes.data(), body) != LoadLe32(bytes.data() + body)) return kDataBadFile;
    if (bytes.size() < kMinDocumentBytes) return kDataBadFile;
    std::size_t area = bytes.size() - kPayloadOffset - kTrailerBytes;
    if (area % CBlowfish::kBlockSize != 0) return kDataBadFile;

    std::memcpy(out.block, bytes.data() + kFlagOffset, kPasswordBlockBytes);
    out.haveBlock = true;
    out.payload = bytes.substr(kPayloadOffset, area);
    if (out.block[0] == 0) return kDataOk;
    if (!havePassword || !password) return kDataPassword;

    const uint8_t* digest1 = out.block + (kDigest1Offset - kFlagOffset);
    const uint8_t* digest2 = out.block + (kDigest2Offset - kFlagOffset);
    Key key;
    bool unlocked = false;
    for (const std::string& candidate : PasswordCandidates(password)) {
        MD5DigestBytes digest = MD5Digest(candidate.data(), candidate.size());
        if (std::memcmp(digest.data(), digest1, 16) == 0) {
            MakeKey(candidate, key);
            unlocked = true;
            break;
        }
        // The read-only access of password 2 needs a real entry: an empty
        // password 2 would otherwise open every protected file for anyone.
        if (!candidate.empty() && std::memcmp(digest.data(), digest2, 16) == 0) {
            Key key2;
            MakeKey(candidate, key2);
            std::memcpy(key, out.block + (kCipheredPasswordOffset - kFlagOffset), sizeof key);
            if (!RunBlowfish(key2, key, sizeof key, false)) return kDataBadFile;
            out.secondPassword = true;
            unlocked = true;
            break;
        }
    }
    if (!unlocked) return kDataPassword;
    if (!RunBlowfish(key, out.image.data() + kPayloadOffset, area, false)) return kDataBadFile;
    return kDataOk;
}

void BuildPasswordBlock(const CPlanProperties& properties, uint8_t (&block)[kPasswordBlockBytes]) {
    std::memset(block, 0, sizeof block);
    if (properties.passwordFlag == 0) return;
    block[0] = properties.passwordFlag;
    std::string_view password1(properties.password1, strnlen(properties.password1, 16));
    std::string_view password2(properties.password2, strnlen(properties.password2, 16));
    MD5DigestBytes digest1 = MD5Digest(password1.data(), password1.size());
    MD5DigestBytes digest2 = MD5Digest(password2.data(), password2.size());
    std::memcpy(block + 1, digest1.data(), 16);
    std::memcpy(block + 17, digest2.data(), 16);
    Key plain, key2;
    MakeKey(password1, plain);
    MakeKey(password2, key2);
    RunBlowfish(key2, plain, sizeof plain, true);
    std::memcpy(block + 33, plain, sizeof plain);
}

ByteBuffer BuildDocumentImage(const CPlanProperties& properties, ByteBuffer framed) {
    std::size_t payload = framed.size() - kPayloadOffset;
    std::size_t padding = CBlowfish::kBlockSize - payload % CBlowfish::kBlockSize;
    framed.Resize(framed.size() + padding + kTrailerBytes);
    char* image = framed.data();
    std::memset(image + kPayloadOffset + payload, 0, padding);
    std::size_t area = payload + padding;
    if (properties.passwordFlag != 0) {
        Key key;
        MakeKey(std::string_view(properties.password1, strnlen(properties.password1, 16)), key);
        RunBlowfish(key, image + kPayloadOffset, area, true);
    }

    std::memset(image, 0, kHeaderBytes);
    std::memcpy(image, kDocumentMagic, sizeof kDocumentMagic);
    uint64_t version;
    std::memcpy(&version, &kFormatVersion, sizeof version);
    for (int i = 0; i < 8; ++i) image[24 + i] = static_cast<char>(version >> (8 * i));
    uint8_t block[kPasswordBlockBytes];
    BuildPasswordBlock(properties, block);
    std::memcpy(image + kHeaderBytes, block, sizeof block);
    std::size_t body = kPayloadOffset + area;
    StoreLe32(image + body, Crc32(image, body));
    return framed;
}

std::string BuildDocumentImage(const CPlanProperties& properties, std::string_view payload) {
    ByteBuffer framed;
    framed.Resize(kPayloadOffset);
    framed.Append(payload.data(), payload.size());
    return std::string(BuildDocumentImage(properties, std::move(framed)).View());
}
