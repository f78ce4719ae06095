#pragma once

// Files for the document tests: crafted payloads wrapped in a valid file
// (checksum recomputed), golden files, and a temporary directory.

#include <string>

#include "document_format.h"
#include "plan_fixture.h"
#include "testing/temp_directory.h"

// Little-endian fields, as the payload stores them.
class Bytes {
public:
    Bytes& I32(int32_t v) {
        for (int i = 0; i < 4; ++i) data.push_back(static_cast<char>(static_cast<uint32_t>(v) >> (8 * i)));
        return *this;
    }
    Bytes& I16(int16_t v) {
        data.push_back(static_cast<char>(v & 0xFF));
        data.push_back(static_cast<char>((v >> 8) & 0xFF));
        return *this;
    }
    Bytes& U8(uint8_t v) {
        data.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& Str(const std::string& text) {
        I32(static_cast<int32_t>(text.size()));
        data += text;
        return *this;
    }
    Bytes& Raw(const std::string& bytes) {
        data += bytes;
        return *this;
    }
    // Properties with empty passwords and reserved bytes.
    Bytes& Properties() {
        I32(2461101).I32(2461406).I16(480).I16(1020);
        for (int i = 0; i < 7; ++i) U8(i < 5);
        return U8(0).Str("").Str("").I32(0);
    }
    std::string data;
};

inline std::string GoldenPath(const char* name) { return std::string(QEL_GOLDEN_DIR) + "/" + name; }

inline std::string ReadGolden(const char* name) { return testing::ReadFile(GoldenPath(name)); }

// A whole unprotected file around a payload.
inline std::string DocumentFile(const std::string& payload) {
    static const struct : CPlanProperties {
        bool IsWriteProtected() override { return false; }
        int32_t BeginChange() override { return 0; }
    } unprotected;
    return BuildDocumentImage(unprotected, payload);
}

class FileTest : public PlanTest {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        return dir.Write(name, bytes);
    }
    testing::TempDirectory dir;
};
