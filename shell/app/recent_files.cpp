#include "recent_files.h"

#include <algorithm>

#include <QSettings>

namespace {

constexpr char kGroup[] = "Recent File List";

QString EntryKey(std::size_t index) { return QStringLiteral("File%1").arg(index + 1); }

}  // namespace

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    Remove(path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > size_) entries_.resize(size_);
}

void CRecentFileList::Remove(const std::string& path) {
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
}

void CRecentFileList::Load(QSettings& profile) {
    profile.beginGroup(kGroup);
    entries_.clear();
    for (std::size_t i = 0; i < size_; ++i) {
        const std::string path = profile.value(EntryKey(i)).toString().toStdString();
        if (!path.empty() && std::find(entries_.begin(), entries_.end(), path) == entries_.end()) {
            entries_.push_back(path);
        }
    }
    profile.endGroup();
}

void CRecentFileList::Save(QSettings& profile) const {
    profile.beginGroup(kGroup);
    profile.remove(QString());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        profile.setValue(EntryKey(i), QString::fromStdString(entries_[i]));
    }
    profile.endGroup();
}
