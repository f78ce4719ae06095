#pragma once

// The recent-file list of the File menu: newest first, no repeats (paths are
// compared exactly), at most a fixed number of entries. It lives in the
// user's profile, not in the INI file.

#include <string>
#include <vector>

class QSettings;

class CRecentFileList {
public:
    explicit CRecentFileList(std::size_t size = 4) : size_(size) {}

    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Entries() const { return entries_; }
    // The first entry, or "".
    std::string First() const { return entries_.empty() ? std::string() : entries_.front(); }

    void Load(QSettings& profile);
    void Save(QSettings& profile) const;

private:
    std::size_t size_;
    std::vector<std::string> entries_;
};
