#include "copy_file.h"

#include <sys/stat.h>

#include "plat/files.h"

std::string CopyTargetPath(const std::string& source, const std::string& directory) {
    const std::size_t slash = source.rfind('/');
    return directory + (slash == std::string::npos ? source : source.substr(slash + 1));
}

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

bool CopyFileInto(const std::string& source, const std::string& target, std::string* error) {
    const auto fail = [error](std::string text) {
        if (error != nullptr) *error = std::move(text);
        return false;
    };
    if (IsSameFile(source, target)) return fail(target + " is the file itself");
    plat::File file;
    std::string bytes;
    if (file.Open(source, false) != 0 || !file.ReadAll(bytes)) return fail("cannot read " + source);
    return plat::WriteFileAtomic(target, bytes, error);
}
