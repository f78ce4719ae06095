#include "support/paths.h"

#include "plat/ascii.h"
#include "plat/files.h"

namespace {

struct PathParts {
    std::string directory;  // with its trailing '/'
    std::string name;
    std::string extension;  // with its dot
};

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    parts.directory = path.substr(0, nameStart);
    const std::string file = path.substr(nameStart);
    const std::size_t dot = file.rfind('.');
    parts.name = file.substr(0, dot == std::string::npos ? file.size() : dot);
    if (dot != std::string::npos) parts.extension = file.substr(dot);
    return parts;
}

}  // namespace

bool PathExists(const std::string& path, bool wantDirectory) {
    const plat::PathKind kind = plat::GetPathKind(path);
    if (kind == plat::PathKind::Missing) return false;
    return (kind == plat::PathKind::Directory) == wantDirectory;
}

std::string GetPathDirectory(const std::string& path) {
    return SplitPath(path).directory;
}

std::string WithoutTrailingSlash(const std::string& directory) {
    return directory.size() > 1 && directory.back() == '/' ? directory.substr(0, directory.size() - 1) : directory;
}

std::size_t ListFiles(std::vector<std::string>& list, const std::string& directory,
                      const std::string& extension, bool recursive) {
    if (directory.empty()) return list.size();
    const std::string prefix = directory.back() == '/' ? directory : directory + '/';
    for (const plat::DirEntry& entry : plat::ReadDirectory(prefix)) {
        const std::string path = prefix + entry.name;
        if (entry.isDirectory && recursive) {
            ListFiles(list, path, extension, recursive);
            continue;
        }
        if (extension.empty() || plat::EqualsIgnoringAsciiCase(SplitPath(entry.name).extension, extension))
            list.push_back(path);
    }
    return list.size();
}

std::string MakePath(const std::string& directory, const std::string& name,
                     const std::string& extension) {
    std::string path = directory;
    if (!path.empty() && path.back() != '/') path += '/';
    path += name;
    if (!extension.empty() && extension.front() != '.') path += '.';
    path += extension;
    return path;
}

std::string ReplacePathFileName(const std::string& directory, const std::string& path) {
    const PathParts parts = SplitPath(path);
    return MakePath(directory, parts.name, parts.extension);
}
