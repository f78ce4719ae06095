#include "plat/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace plat {
namespace {

std::atomic<std::int64_t> g_failWritesAfter{-1};

std::string ErrorText(const std::string& what, const std::string& path, int error) {
    return what + " " + path + ": " + std::strerror(error);
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Writes everything, honouring the failure hook; errno is set on failure.
bool WriteAll(int fd, std::string_view bytes) {
    const std::int64_t limit = g_failWritesAfter.load();
    std::size_t allowed = bytes.size();
    if (limit >= 0 && static_cast<std::uint64_t>(limit) < bytes.size()) allowed = static_cast<std::size_t>(limit);
    std::size_t done = 0;
    while (done < allowed) {
        const ssize_t n = ::write(fd, bytes.data() + done, allowed - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (allowed < bytes.size()) {
        errno = EIO;
        return false;
    }
    return true;
}

}  // namespace

PathKind GetPathKind(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return PathKind::Missing;
    return S_ISDIR(st.st_mode) ? PathKind::Directory : PathKind::File;
}

std::vector<DirEntry> ReadDirectory(const std::string& path) {
    std::vector<DirEntry> entries;
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) return entries;
    const std::string prefix = path.empty() || path.back() == '/' ? path : path + "/";
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        bool isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            isDirectory = ::lstat((prefix + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        }
        entries.push_back(DirEntry{name, isDirectory});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return entries;
}

std::string ProgramPath() {
    char resolved[PATH_MAX];
    if (::realpath("/proc/self/exe", resolved) == nullptr) return {};
    return resolved;
}

std::string ProgramDirectory() {
    const std::string path = ProgramPath();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "./";
    return path.substr(0, slash + 1);
}

File::~File() { Close(); }

File::File(File&& other) noexcept : fd_(other.fd_), writable_(other.writable_) {
    other.fd_ = -1;
    other.writable_ = false;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        writable_ = other.writable_;
        other.fd_ = -1;
        other.writable_ = false;
    }
    return *this;
}

int File::Open(const std::string& path, bool writable) {
    Close();
    // Non-blocking, so that a named pipe cannot hang the open; only regular
    // files are kept.
    const int fd = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    struct stat st {};
    int kindError = 0;
    if (::fstat(fd, &st) != 0) {
        kindError = errno;
    } else if (S_ISDIR(st.st_mode)) {
        kindError = EISDIR;
    } else if (!S_ISREG(st.st_mode)) {
        kindError = EINVAL;
    }
    if (kindError != 0) {
        ::close(fd);
        return kindError;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fd_ = fd;
    writable_ = writable;
    return 0;
}

void File::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    writable_ = false;
}

bool File::TryLockWrite() {
    if (fd_ < 0) return false;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    return ::fcntl(fd_, F_OFD_SETLK, &lock) == 0;
}

void File::Unlock() {
    if (fd_ < 0) return;
    struct flock lock {};
    lock.l_type = F_UNLCK;
    lock.l_whence = SEEK_SET;
    ::fcntl(fd_, F_OFD_SETLK, &lock);
}

std::int64_t File::Size() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return -1;
    return st.st_size;
}

bool File::ReadAll(std::string& out) const {
    out.clear();
    if (fd_ < 0) return false;
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(fd_, buffer, sizeof buffer, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        out.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
}

bool File::ReadAt(std::int64_t offset, void* out, std::size_t n) const {
    if (fd_ < 0) return false;
    auto* bytes = static_cast<char*>(out);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd_, bytes + done, n - done, static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

unsigned NewFileMode(const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error) {
    const auto fail = [&](const std::string& text) {
        if (error != nullptr) *error = text;
        return false;
    };
    // Replace the file a symbolic link points to, not the link.
    std::string target = path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) target = resolved;

    const std::string directory = DirectoryOf(target);
    const auto mode = static_cast<mode_t>(NewFileMode(target));

    // The new file is written unnamed, so a write killed half way leaves
    // nothing behind. It gets a name only to be renamed over the target; that
    // name is the same for every save of the target, so the file a kill
    // between the two steps would leave is taken over by the next save. Where
    // the file system has no unnamed files, the file is written under that
    // name from the start.
    const std::size_t slash = target.rfind('/');
    const std::string staging = directory + "/." + target.substr(slash == std::string::npos ? 0 : slash + 1) + ".saving";
    int fd = ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    const bool unnamed = fd >= 0;
    if (!unnamed) fd = ::open(staging.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return fail(ErrorText("cannot create a temporary file in", directory, errno));
    ::fchmod(fd, mode);

    const auto abandon = [&](const char* what) {
        const int saved = errno;
        ::close(fd);
        if (!unnamed) ::unlink(staging.c_str());
        return fail(ErrorText(what, staging, saved));
    };
    if (!WriteAll(fd, bytes)) return abandon("cannot write");
    if (::fsync(fd) != 0) return abandon("cannot flush");
    if (unnamed) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        const auto link = [&] {
            return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, staging.c_str(), AT_SYMLINK_FOLLOW) == 0;
        };
        if (!link() && !(errno == EEXIST && ::unlink(staging.c_str()) == 0 && link()))
            return abandon("cannot name");
    }
    if (::close(fd) != 0) {
        const int saved = errno;
        ::unlink(staging.c_str());
        return fail(ErrorText("cannot close", staging, saved));
    }
    if (::rename(staging.c_str(), target.c_str()) != 0) {
        const int saved = errno;
        ::unlink(staging.c_str());
        return fail(ErrorText("cannot replace", target, saved));
    }
    const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

void SetWriteFailureForTesting(std::int64_t afterBytes) { g_failWritesAfter.store(afterBytes); }

}  // namespace plat
