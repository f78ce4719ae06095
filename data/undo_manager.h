#pragma once

// The open transaction, its rollback, and the undo steps it turns into.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "record_core.h"
#include "undo_history.h"

class PlanRoot;

// One committed step as the host's history holds it.
class CUndoTransaction {
public:
    CUndoTransaction(PlanRoot& root, const char* name);
    ~CUndoTransaction();

    PlanRoot& root;
    char name[256] = {};
    uint32_t mask = 0;
    // State before the step, one copy per changed record; linked to the live
    // record by kind and id.
    std::vector<std::unique_ptr<RecordCore>> changed;
    std::vector<RecordCore*> added;     // live, owned by their collections
    std::vector<RecordCore*> deleted;   // owned by the step
};

class CUndoManager {
public:
    explicit CUndoManager(PlanRoot& root) : root_(root) {}
    ~CUndoManager();

    void SetHistory(CUndoHistory* history) { history_ = history; }
    CUndoHistory* History() const { return history_; }

    bool IsOpen() const { return open_; }
    // Records of kind added, changed or deleted in the open transaction.
    bool HasPending(RecordKind kind) const {
        const KindLists& lists = lists_[kind];
        return !lists.added.empty() || !lists.changed.empty() || !lists.deleted.empty();
    }
    // 1 when a transaction is already open (the caller cancels it).
    int32_t Begin(const char* name);
    void Cancel();
    // Returns the change mask for the listeners (0: call none).
    uint32_t Commit();

    // Marks the open transaction as a document load: bit 0 is set and the
    // document ends unmodified.
    void MarkLoading();

    int32_t RegisterAdded(RecordCore& record);
    int32_t BeginChange(RecordCore& record);
    int32_t MarkDeleted(RecordCore& record);

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) {
        modified_ = modified;
        counter_ = 0;
        counterValid_ = true;
    }

    static int32_t UndoStep(void* step);
    static int32_t RedoStep(void* step);
    static int32_t ReleaseStep(void* step);

private:
    struct KindLists {
        RecordPointers added, changed, deleted;
    };
    // Where the records of one kind go when the transaction commits.
    struct Settled {
        RecordPointers joining;     // added: into the collection
        RecordPointers leaving;     // deleted: out of the collection
        RecordPointers discarded;   // added and deleted: never joined
    };
    enum class Replay { None, Undo, Redo };

    int32_t ReplayStep(CUndoTransaction& step, Replay how);
    static Settled Settle(KindLists& lists);
    // Clears the per-record transaction flags and empties the lists.
    void ForgetLists();
    void Close();
    void Push(std::unique_ptr<CUndoTransaction> step);

    PlanRoot& root_;
    CUndoHistory* history_ = nullptr;
    std::unique_ptr<CUndoTransaction> step_;
    std::array<KindLists, 8> lists_;   // by kind, 1 to 7
    bool open_ = false, loading_ = false;
    Replay replay_ = Replay::None;
    uint32_t mask_ = 0;
    bool modified_ = false;
    int32_t counter_ = 0;
    bool counterValid_ = true;
};
