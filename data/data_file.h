#pragma once

// The open document file: opens, saves and re-reads it and keeps it locked
// against other writers while the document is open read-write.

#include <cstdint>
#include <string>

#include "document_format.h"
#include "plat/files.h"

class PlanRoot;

// What a load found beside the records.
struct LoadOutcome {
    uint32_t reservedWord = 0;
    // A name or text grew past its field when converted to UTF-8 and was cut.
    bool textsShortened = false;
};

// Replaces the root's document by a decoded file image (payload and
// reserved word, or an older body), releasing the image once it is read.
// The fuzz targets load through it too.
int32_t LoadDecodedDocument(PlanRoot& root, DecodedDocument& decoded, LoadOutcome& outcome);

class CDataFile {
public:
    explicit CDataFile(PlanRoot& root) : root_(root) {}

    int32_t Open(const char* path, bool readOnly, const char* password, bool havePassword);
    // A null or empty path saves to the open file. Atomic: a failed save
    // leaves the old file as it was and the document open.
    int32_t Save(const char* path);
    int32_t Reload(const char* password, bool havePassword);
    void Close();

    bool IsOpen() const { return file_.IsOpen(); }
    const std::string& Path() const { return path_; }
    bool IsReadOnly() const { return file_.IsOpen() && readOnly_; }
    bool IsSecondPassword() const { return file_.IsOpen() && secondPassword_; }
    bool IsOlderFormat() const { return file_.IsOpen() && olderFormat_; }
    // The document last opened or re-read had texts cut to fit their fields.
    bool TextsShortened() const { return file_.IsOpen() && loaded_.textsShortened; }
    // The two digests of the password block examined last.
    void CopyDigests(uint8_t (&out)[32]) const;

private:
    int32_t ReadImage(const plat::File& file, ByteBuffer& image) const;
    int32_t Load(DecodedDocument& decoded);
    void TakeBlock(const DecodedDocument& decoded);

    PlanRoot& root_;
    plat::File file_;
    std::string path_;
    bool readOnly_ = false;
    bool requestedReadOnly_ = false;
    bool secondPassword_ = false;
    bool olderFormat_ = false;
    uint8_t block_[kPasswordBlockBytes] = {};
    LoadOutcome loaded_;
};
