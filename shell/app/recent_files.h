#pragma once

// The recent-file list of the File menu: newest first, no repeats (paths are
// compared exactly), at most a fixed number of entries. It lives in the
// framework's profile, not in the INI file.

#include <string>
#include <vector>

class CRecentFileList {
public:
    explicit CRecentFileList(std::size_t size = 4) : size_(size) {}

    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Entries() const { return entries_; }
    // The first entry, or "".
    std::string First() const { return entries_.empty() ? std::string() : entries_.front(); }

    // The profile: organisation and application name pick its file.
    void Load(const std::string& organisation, const std::string& application);
    void Save(const std::string& organisation, const std::string& application) const;

private:
    std::size_t size_;
    std::vector<std::string> entries_;
};
