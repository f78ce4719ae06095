#pragma once

#include <cstdint>

// One undoable step as the host keeps it; copied by value into its lists.
struct UndoEntry {
    char name[256];                 // NUL-terminated, shown in the Undo/Redo menu items
    int32_t (*undo)(void* arg);     // nonzero: undoing the step failed
    int32_t (*redo)(void* arg);     // nonzero: redoing the step failed
    int32_t (*release)(void* arg);  // frees what arg owns; may be null
    void* arg;
};

// The host's undo and redo lists. The data store calls the first three
// operations; the host implements the class and hands it to DllGetData.
class CUndoHistory {
public:
    // Releases every entry of the undo list, then of the redo list, and empties both.
    virtual void Clear() = 0;
    // Appends a copy to the undo list; clearRedo releases and empties the redo list.
    // A null entry gives false.
    virtual bool PushUndo(const UndoEntry* entry, bool clearRedo) = 0;
    // Appends a copy to the redo list; a null entry gives false.
    virtual bool PushRedo(const UndoEntry* entry) = 0;
    virtual ~CUndoHistory() = default;
};
