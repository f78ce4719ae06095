#include "data_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "mem_archive.h"
#include "older_format.h"
#include "plan_root.h"

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa{}, sb{};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Opens for writing with the writer's lock, else for reading only.
// Returns errno of the read-only open, 0 on success.
int OpenForDocument(plat::File& file, const std::string& path, bool readOnly, bool& gotReadOnly) {
    gotReadOnly = true;
    if (!readOnly && file.Open(path, true) == 0) {
        if (file.TryLockWrite()) {
            gotReadOnly = false;
            return 0;
        }
        file.Close();
    }
    return file.Open(path, false);
}

}  // namespace

// Read once into a buffer of its final size.
int32_t CDataFile::ReadImage(const plat::File& file, ByteBuffer& image) const {
    int64_t size = file.Size();
    if (size < 0) return kDataIoError;
    if (size > kMaxDocumentBytes) return kDataBadFile;
    image.Resize(static_cast<std::size_t>(size));
    if (!file.ReadAt(0, image.data(), image.size())) return kDataIoError;
    return kDataOk;
}

void CDataFile::TakeBlock(const DecodedDocument& decoded) {
    if (decoded.haveBlock) std::memcpy(block_, decoded.block, sizeof block_);
}

void CDataFile::CopyDigests(uint8_t (&out)[32]) const { std::memcpy(out, block_ + 1, sizeof out); }

int32_t LoadDecodedDocument(PlanRoot& root, DecodedDocument& decoded, LoadOutcome& outcome) {
    LoadOutcome found;
    auto readBody = [&]() -> int32_t {
        if (decoded.older) return ReadOlderBody(root, decoded.payload, found.textsShortened);
        CMemArchive archive(decoded.payload);
        int32_t result = root.Read(&archive);
        if (result != kDataOk) return result;
        int32_t word = 0;
        if (!archive.ReadI32(word)) return kDataBadFile;
        found.reservedWord = static_cast<uint32_t>(word);
        found.textsShortened = archive.TextsShortened();
        return kDataOk;
    };
    int32_t status = root.LoadDocument([&] {
        int32_t result = readBody();
        // The image is read; it need not stay beside the records while they
        // are committed.
        decoded.payload = {};
        decoded.image = ByteBuffer();
        return result;
    });
    if (status == kDataOk) outcome = found;
    return status;
}

int32_t CDataFile::Load(DecodedDocument& decoded) { return LoadDecodedDocument(root_, decoded, loaded_); }

int32_t CDataFile::Open(const char* path, bool readOnly, const char* password, bool havePassword) {
    if (!path || !*path) return kDataBadFile;
    std::string target = path;
    // Our own lock on the file would make the reopened document read-only.
    bool reopening = file_.IsOpen() && SameFile(target, path_);
    if (reopening && !readOnly_) file_.Unlock();
    auto restoreLock = [&] {
        if (reopening && !readOnly_) file_.TryLockWrite();
    };

    plat::File next;
    bool gotReadOnly = true;
    if (OpenForDocument(next, target, readOnly, gotReadOnly) != 0) {
        restoreLock();
        return kDataCannotOpen;
    }
    ByteBuffer image;
    DecodedDocument decoded;
    int32_t status = ReadImage(next, image);
    if (status == kDataOk) status = DecodeDocument(std::move(image), password, havePassword, decoded);
    TakeBlock(decoded);
    if (status == kDataOk && decoded.secondPassword && !gotReadOnly) {
        next.Unlock();
        gotReadOnly = true;
    }
    if (status == kDataOk) status = Load(decoded);
    if (status != kDataOk) {
        next.Close();   // its lock would keep ours from coming back
        restoreLock();
        return status;
    }
    file_ = std::move(next);
    path_ = target;
    readOnly_ = gotReadOnly;
    // The read-only access the second password gives was not the user's
    // request: the first password, given on a reload, may take the file.
    requestedReadOnly_ = readOnly && !decoded.secondPassword;
    secondPassword_ = decoded.secondPassword;
    olderFormat_ = decoded.older;
    return readOnly_ ? kDataReadOnly : kDataOk;
}

int32_t CDataFile::Reload(const char* password, bool havePassword) {
    if (!file_.IsOpen()) return kDataBadFile;
    ByteBuffer image;
    DecodedDocument decoded;
    int32_t status = ReadImage(file_, image);
    if (status == kDataOk) status = DecodeDocument(std::move(image), password, havePassword, decoded);
    TakeBlock(decoded);
    if (status == kDataOk) status = Load(decoded);
    if (status != kDataOk) return status;

    // The access follows the password just given, as on open.
    if (decoded.secondPassword && !readOnly_) {
        file_.Unlock();
        readOnly_ = true;
    } else if (!decoded.secondPassword && readOnly_ && !requestedReadOnly_) {
        plat::File writable;
        bool gotReadOnly = true;
        if (OpenForDocument(writable, path_, false, gotReadOnly) == 0 && !gotReadOnly) {
            file_ = std::move(writable);
            readOnly_ = false;
        }
    }
    secondPassword_ = decoded.secondPassword;
    olderFormat_ = decoded.older;
    return readOnly_ ? kDataReadOnly : kDataOk;
}

int32_t CDataFile::Save(const char* path) {
    bool inPlace = !path || !*path;
    if (inPlace && !file_.IsOpen()) return kDataBadFile;
    if (IsSecondPassword()) return kDataReadOnly;
    if (inPlace && readOnly_) return kDataReadOnly;
    std::string target = inPlace ? path_ : std::string(path);
    bool ownFile = inPlace || (file_.IsOpen() && SameFile(target, path_));
    // Saving onto the open file by name is refused when another program
    // holds it for writing; a read-only open the user asked for holds no
    // lock and stands in nobody's way, so the file is opened for writing.
    bool asked = requestedReadOnly_ && !inPlace;
    if (ownFile && readOnly_ && !asked) return kDataReadOnly;
    if (!ownFile || asked) {
        // A file another program holds for writing is not replaced under it.
        plat::File probe;
        int error = probe.Open(target, true);
        if ((error == 0 && !probe.TryLockWrite()) || (error != 0 && error != ENOENT))
            return kDataIoError;
    }

    // One buffer from payload to file: the header goes in front of the
    // payload, the padding and checksum after it.
    CMemArchive archive(kPayloadOffset);
    root_.Write(&archive);
    archive.WriteI32(static_cast<int32_t>(loaded_.reservedWord));
    ByteBuffer image = BuildDocumentImage(root_.Properties(), archive.TakeBuffer());
    std::string error;
    if (!plat::WriteFileAtomic(target, image.View(), &error)) return kDataIoError;

    plat::File next;
    bool gotReadOnly = true;
    if (OpenForDocument(next, target, false, gotReadOnly) != 0) return kDataIoError;
    file_ = std::move(next);
    path_ = target;
    readOnly_ = gotReadOnly;
    requestedReadOnly_ = false;
    secondPassword_ = false;
    olderFormat_ = false;
    std::memcpy(block_, image.data() + kHeaderBytes, sizeof block_);
    return kDataOk;
}

void CDataFile::Close() {
    file_.Close();
    path_.clear();
    readOnly_ = requestedReadOnly_ = secondPassword_ = olderFormat_ = false;
    loaded_ = {};
}
