#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

enum class PathKind { Missing, File, Directory };
PathKind GetPathKind(const std::string& path);   // follows symbolic links

struct DirEntry {
    std::string name;
    bool isDirectory = false;   // false for a symbolic link to a directory
};
// The entries of a directory without "." and "..", sorted by name (bytewise),
// symbolic links to directories reported as plain entries so that no search
// follows them. Empty when the directory cannot be read.
std::vector<DirEntry> ReadDirectory(const std::string& path);

// The directory of the running program, with a trailing '/'.
std::string ProgramDirectory();
// The full path of the running program (/proc/self/exe, resolved).
std::string ProgramPath();

// A file descriptor with the OFD write lock of the document writer.
class File {
public:
    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // errno on failure (ENOENT, EACCES, EISDIR; EINVAL for anything but a
    // regular file), 0 on success.
    int Open(const std::string& path, bool writable);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    bool IsWritable() const { return writable_; }
    // Takes an OFD write lock over the whole file without waiting; false
    // when another open file description holds a conflicting lock.
    bool TryLockWrite();
    void Unlock();
    // -1 on failure.
    std::int64_t Size() const;
    // Reads the whole file from offset 0; false on a read error.
    bool ReadAll(std::string& out) const;
    // Reads exactly n bytes at offset into out; false on a read error or
    // when the file ends first.
    bool ReadAt(std::int64_t offset, void* out, std::size_t n) const;

private:
    int fd_ = -1;
    bool writable_ = false;
};

// The permissions a file written to path gets: those of the file it
// replaces, else 0666 less the process's umask.
unsigned NewFileMode(const std::string& path);

// Writes bytes to a new file in the directory of path, flushes it to disk,
// renames it over path and flushes the directory. On failure the old file
// is untouched and error says why. The new file has no name until it is
// complete (O_TMPFILE), so a writer killed at any moment leaves no stray
// file; only where the file system lacks unnamed files, or in the instant
// between naming and renaming, can one named ".<name>.saving" remain, and
// the next write of path takes it over.
bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error);

// Test hook: makes the next WriteFileAtomic calls fail after writing
// this many bytes (-1 turns it off).
void SetWriteFailureForTesting(std::int64_t afterBytes);

}  // namespace plat
