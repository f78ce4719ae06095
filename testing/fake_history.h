#pragma once

// An undo history that behaves like the host's: it keeps the entries the
// data store pushes, with their names, and replays them on request.

#include <cstddef>
#include <vector>

#include "undo_history.h"

class FakeHistory : public CUndoHistory {
public:
    ~FakeHistory() override { Clear(); }

    void Clear() override {
        ++clears;
        Release(undoList);
        Release(redoList);
    }
    bool PushUndo(const UndoEntry* entry, bool clearRedo) override {
        if (!entry) return false;
        undoList.push_back(*entry);
        if (clearRedo) Release(redoList);
        return true;
    }
    bool PushRedo(const UndoEntry* entry) override {
        if (!entry) return false;
        redoList.push_back(*entry);
        return true;
    }

    // The host's Undo and Redo: replay the last entry, then release it.
    bool Undo() { return Replay(undoList, true); }
    bool Redo() { return Replay(redoList, false); }

    std::vector<UndoEntry> undoList, redoList;
    int clears = 0;

private:
    static void Release(std::vector<UndoEntry>& list) {
        std::vector<UndoEntry> entries;
        entries.swap(list);
        for (UndoEntry& entry : entries)
            if (entry.release) entry.release(entry.arg);
    }
    bool Replay(std::vector<UndoEntry>& list, bool undo) {
        if (list.empty()) return true;
        std::size_t index = list.size() - 1;
        UndoEntry entry = list[index];
        int32_t result = undo ? entry.undo(entry.arg) : entry.redo(entry.arg);
        if (result != 0) {
            Clear();
            return false;
        }
        if (entry.release) entry.release(entry.arg);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
        return true;
    }
};
