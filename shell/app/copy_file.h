#pragma once

// Copying a file into the program's own directory. The copy is written
// under a temporary name and renamed into place, so a library the running
// program has loaded, or an open document, is never truncated.

#include <string>

// The path the file lands at: the directory (with its trailing '/') and
// the source's file name.
std::string CopyTargetPath(const std::string& source, const std::string& directory);

// Both paths name one file (by inode, whatever the paths say).
bool IsSameFile(const std::string& a, const std::string& b);

// Copies source to target, replacing what is there; a copy onto the source
// itself is refused. False, with the reason, when nothing was copied.
bool CopyFileInto(const std::string& source, const std::string& target, std::string* error);
