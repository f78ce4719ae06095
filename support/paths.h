#pragma once

#include <string>
#include <vector>

// File-system paths with '/' as the separator.

// False for a missing path; with wantDirectory true when it is a directory,
// otherwise true when it is not one. Symbolic links are followed.
bool PathExists(const std::string& path, bool wantDirectory);
// The directory part with its trailing '/' ("" for a bare file name).
std::string GetPathDirectory(const std::string& path);
// A directory as it is shown: without its trailing '/', but "/" for the root.
std::string WithoutTrailingSlash(const std::string& directory);
// Appends the full paths of the files in directory whose extension (with
// its dot) equals extension without regard to case, or of every file when
// extension is empty; with recursive, subdirectories too (symbolic links to
// directories are not followed). Sorted by name per directory. Returns the
// list's length; an empty directory text leaves the list unchanged.
std::size_t ListFiles(std::vector<std::string>& list, const std::string& directory,
                      const std::string& extension, bool recursive);
// directory + '/' (when missing) + name + extension (its dot added when missing).
std::string MakePath(const std::string& directory, const std::string& name,
                     const std::string& extension);
// The file name and extension of path, placed in directory.
std::string ReplacePathFileName(const std::string& directory, const std::string& path);
