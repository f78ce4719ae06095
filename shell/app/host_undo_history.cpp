#include "host_undo_history.h"

#include "plat/resource_strings.h"
#include "string_ids.h"
#include "ui/prompts.h"

namespace {

void Release(std::vector<UndoEntry>& list) {
    // Moved out first: a release function that pushes or clears must not
    // find the list half walked.
    std::vector<UndoEntry> entries;
    entries.swap(list);
    for (const UndoEntry& entry : entries) {
        if (entry.release != nullptr) entry.release(entry.arg);
    }
}

}  // namespace

CHostUndoHistory::~CHostUndoHistory() { Clear(); }

void CHostUndoHistory::Clear() {
    Release(undo_);
    Release(redo_);
}

bool CHostUndoHistory::PushUndo(const UndoEntry* entry, bool clearRedo) {
    if (entry == nullptr) return false;
    undo_.push_back(*entry);
    undo_.back().name[sizeof entry->name - 1] = '\0';
    if (clearRedo) Release(redo_);
    return true;
}

bool CHostUndoHistory::PushRedo(const UndoEntry* entry) {
    if (entry == nullptr) return false;
    redo_.push_back(*entry);
    redo_.back().name[sizeof entry->name - 1] = '\0';
    return true;
}

bool CHostUndoHistory::CanUndoRedo(bool undo) const { return !(undo ? undo_ : redo_).empty(); }

std::string CHostUndoHistory::GetText(bool undo) const {
    const std::vector<UndoEntry>& list = undo ? undo_ : redo_;
    return list.empty() ? std::string() : std::string(list.back().name);
}

bool CHostUndoHistory::Undo(QWidget* parent) { return Replay(undo_, true, parent); }

bool CHostUndoHistory::Redo(QWidget* parent) { return Replay(redo_, false, parent); }

bool CHostUndoHistory::Replay(std::vector<UndoEntry>& list, bool undo, QWidget* parent) {
    if (list.empty()) return true;
    // A copy: the replay pushes onto the other list and may grow this one.
    const UndoEntry entry = list.back();
    const auto step = undo ? entry.undo : entry.redo;
    if (step == nullptr) return true;
    const std::size_t index = list.size() - 1;
    if (step(entry.arg) != 0) {
        Clear();
        ui::MessageBoxById(parent, undo ? ids::UNDO_FAILED : ids::REDO_FAILED,
                           ui::MB_OK | ui::MB_ICONSTOP);
        return false;
    }
    // The replay may have cleared the lists, which released the entry already.
    if (index < list.size() && list[index].arg == entry.arg) {
        list.erase(list.begin() + std::ptrdiff_t(index));
        if (entry.release != nullptr) entry.release(entry.arg);
    }
    return true;
}

std::string UndoRedoMenuText(const CHostUndoHistory& history, bool undo) {
    return plat::FormatChecked(plat::LoadResString(undo ? ids::MENU_UNDO : ids::MENU_REDO),
                               {history.GetText(undo)});
}
