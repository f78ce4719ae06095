#include "fuzz_entries.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data/crypto/crc32.h"
#include "data_file.h"
#include "mem_archive.h"
#include "plan_root.h"

namespace {

struct Protection : CPlanProperties {
    Protection(bool protect) {
        passwordFlag = protect ? 1 : 0;
        if (protect) {
            SetPassword1("alpha");
            SetPassword2("beta");
        }
    }
    bool IsWriteProtected() override { return false; }
    int32_t BeginChange() override { return 0; }
};

std::string Payload(PlanRoot& root) {
    CMemArchive archive;
    root.Write(&archive);
    return std::string(archive.Bytes());
}

int Load(PlanRoot& root, std::string image, const char* password) {
    DecodedDocument decoded;
    int32_t status = DecodeDocument(ByteBuffer(image), password, password != nullptr, decoded);
    LoadOutcome outcome;
    if (status == kDataOk) status = LoadDecodedDocument(root, decoded, outcome);
    return status;
}

// What loads must save and load back to the same payload.
void CheckRoundTrip(PlanRoot& root) {
    std::string first = Payload(root);
    PlanRoot again(nullptr);
    Protection plain(false);
    first.append(4, '\0');
    if (Load(again, BuildDocumentImage(plain, first), nullptr) != kDataOk ||
        Payload(again) + std::string(4, '\0') != first) {
        std::fprintf(stderr, "a loaded document did not survive a save and load\n");
        std::abort();
    }
}

}  // namespace

int FuzzDocumentInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string image;
    const char* password = nullptr;
    switch (data[0] % 4) {
        case 0:
            image = BuildDocumentImage(Protection(false), rest);
            break;
        case 1:
            image = BuildDocumentImage(Protection(true), rest);
            password = "alpha";
            break;
        case 2:
            image = BuildDocumentImage(Protection(true), rest);
            password = "beta";
            break;
        default:
            image = rest;
            if (image.size() >= 4) {
                uint32_t crc = Crc32(image.data(), image.size() - 4);
                for (int i = 0; i < 4; ++i) image[image.size() - 4 + i] = static_cast<char>(crc >> (8 * i));
            }
            password = "alpha";
            break;
    }
    PlanRoot root(nullptr);
    int status = Load(root, std::move(image), password);
    if (status == kDataOk) CheckRoundTrip(root);
    return status;
}

int FuzzOlderInput(const uint8_t* data, std::size_t size) {
    std::string image(kOlderMagic);
    image.resize(kHeaderBytes, '\0');
    image.append(reinterpret_cast<const char*>(data), size);
    PlanRoot root(nullptr);
    int status = Load(root, std::move(image), nullptr);
    if (status == kDataOk) CheckRoundTrip(root);
    return status;
}
