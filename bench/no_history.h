#pragma once

// An undo history that keeps nothing: every entry is released at once, so
// a benchmark's generated plan holds no undo data.

#include "undo_history.h"

class NoHistory : public CUndoHistory {
public:
    void Clear() override {}
    bool PushUndo(const UndoEntry* entry, bool) override { return Release(entry); }
    bool PushRedo(const UndoEntry* entry) override { return Release(entry); }

private:
    static bool Release(const UndoEntry* entry) {
        if (entry != nullptr && entry->release != nullptr) entry->release(entry->arg);
        return true;
    }
};
