#include "undo_manager.h"

#include <algorithm>

#include "plan_root.h"
#include "plat/utf8.h"

CUndoTransaction::CUndoTransaction(PlanRoot& owner, const char* stepName) : root(owner) {
    plat::CopyBounded(name, sizeof name, stepName ? stepName : "");
}

CUndoTransaction::~CUndoTransaction() {
    for (RecordCore* record : deleted) DestroyRecord(record);
}

CUndoManager::~CUndoManager() = default;

int32_t CUndoManager::Begin(const char* name) {
    if (open_) return kDataRefused;
    for (KindLists& lists : lists_) lists = {};
    mask_ = 0;
    open_ = true;
    loading_ = false;
    replay_ = Replay::None;
    if (name && *name && history_) step_ = std::make_unique<CUndoTransaction>(root_, name);
    return kDataOk;
}

void CUndoManager::MarkLoading() {
    loading_ = true;
    mask_ |= kChangeDocumentReplaced;
}

int32_t CUndoManager::RegisterAdded(RecordCore& record) {
    if (!open_) return kDataRefused;
    record.added = true;
    record.registered = true;
    lists_[record.Kind()].added.push_back(&record);
    if (CRecordList* list = record.List()) list->DocumentChanged();
    return kDataOk;
}

int32_t CUndoManager::BeginChange(RecordCore& record) {
    if (!open_) return kDataRefused;
    if (record.registered || record.deleted) return kDataOk;
    // A record outside the document (the public filter, a record not yet
    // added) has nothing to undo.
    if (record.Kind() != kKindProperties && !record.inCollection) return kDataOk;
    if (record.backup)
        record.backup->AssignFrom(record);
    else
        record.backup = record.Clone();
    record.registered = true;
    lists_[record.Kind()].changed.push_back(&record);
    if (CRecordList* list = record.List()) list->DocumentChanged();
    return kDataOk;
}

int32_t CUndoManager::MarkDeleted(RecordCore& record) {
    if (!open_) return kDataRefused;
    if (record.deleted || (!record.inCollection && !record.added)) return kDataOk;
    record.deleted = true;
    lists_[record.Kind()].deleted.push_back(&record);
    if (CRecordList* list = record.List()) list->DocumentChanged();
    return kDataOk;
}

void CUndoManager::ForgetLists() {
    for (KindLists& lists : lists_) {
        for (RecordCore* record : lists.changed) record->registered = false;
        for (RecordCore* record : lists.added) record->registered = record->added = false;
        lists = {};
    }
}

void CUndoManager::Close() {
    ForgetLists();
    step_.reset();
    open_ = false;
    loading_ = false;
    replay_ = Replay::None;
}

void CUndoManager::Cancel() {
    if (!open_) return;
    bool touched = false;
    for (const KindLists& lists : lists_)
        touched = touched || !lists.added.empty() || !lists.changed.empty() || !lists.deleted.empty();
    for (KindLists& lists : lists_) {
        for (RecordCore* record : lists.changed) {
            record->RestoreFromBackup();
            record->registered = false;
        }
        for (RecordCore* record : lists.deleted) record->deleted = false;
        lists.changed.clear();
    }
    for (KindLists& lists : lists_) {
        for (RecordCore* record : lists.added) DestroyRecord(record);
        lists.added.clear();
    }
    Close();
    if (touched)
        for (CRecordList* list : root_.Lists()) list->DocumentChanged();
}

CUndoManager::Settled CUndoManager::Settle(KindLists& lists) {
    // A record changed and then deleted goes away with the state it had
    // before the transaction, so undo brings back its original values.
    std::erase_if(lists.changed, [](RecordCore* record) {
        if (!record->deleted) return false;
        record->RestoreFromBackup();
        record->registered = false;
        return true;
    });
    Settled settled;
    settled.joining.reserve(lists.added.size());
    for (RecordCore* record : lists.added)
        if (!record->deleted) settled.joining.push_back(record);
    for (RecordCore* record : lists.deleted)
        (record->inCollection ? settled.leaving : settled.discarded).push_back(record);
    return settled;
}

uint32_t CUndoManager::Commit() {
    if (!open_) return 0;
    std::array<Settled, 8> settled;
    for (int kind = kKindProperties; kind <= kKindFilter; ++kind) {
        KindLists& lists = lists_[kind];
        if (!lists.added.empty() || !lists.changed.empty() || !lists.deleted.empty())
            mask_ |= 1u << kind;
        settled[kind] = Settle(lists);
    }
    for (int kind = kKindProperties; kind <= kKindFilter; ++kind) {
        const Settled& s = settled[kind];
        if (CRecordList* list = root_.ListOf(static_cast<RecordKind>(kind)))
            list->ApplyCommit(s.joining, lists_[kind].changed, s.leaving);
        if (step_) {
            step_->added.insert(step_->added.end(), s.joining.begin(), s.joining.end());
            for (RecordCore* record : lists_[kind].changed) step_->changed.push_back(record->backup->Clone());
        }
    }
    if (mask_ != 0)
        for (CRecordList* list : root_.Lists()) list->DocumentChanged();
    ForgetLists();

    // Ownership from here on: joining records belong to their collections;
    // records that left them belong to the step, or to nobody without one;
    // records added and deleted in this transaction never joined and go.
    for (int kind = kKindFilter; kind >= kKindProperties; --kind) {
        for (RecordCore* record : settled[kind].leaving) {
            if (step_)
                step_->deleted.push_back(record);
            else
                DestroyRecord(record);
        }
        for (RecordCore* record : settled[kind].discarded) DestroyRecord(record);
    }

    Replay replay = replay_;
    bool named = step_ != nullptr;
    if (step_) {
        step_->mask = mask_;
        Push(std::move(step_));
    } else if (history_) {
        history_->Clear();
    }

    modified_ = true;
    if (!named) counterValid_ = false;
    if (counterValid_) {
        counter_ += replay == Replay::Undo ? -1 : 1;
        if (counter_ == 0) modified_ = false;
    }
    if (loading_) SetModified(false);

    uint32_t mask = mask_;
    Close();
    return mask;
}

void CUndoManager::Push(std::unique_ptr<CUndoTransaction> step) {
    UndoEntry entry{};
    plat::CopyBounded(entry.name, sizeof entry.name, step->name);
    entry.undo = &CUndoManager::UndoStep;
    entry.redo = &CUndoManager::RedoStep;
    entry.release = &CUndoManager::ReleaseStep;
    entry.arg = step.get();
    bool kept = replay_ == Replay::Undo ? history_->PushRedo(&entry)
                                        : history_->PushUndo(&entry, replay_ != Replay::Redo);
    if (kept) step.release();
}

int32_t CUndoManager::ReplayStep(CUndoTransaction& step, Replay how) {
    int32_t status = root_.BeginTransaction(nullptr);
    if (status != kDataOk) return status;
    replay_ = how;
    if (history_) step_ = std::make_unique<CUndoTransaction>(root_, step.name);

    auto live = [&](const RecordCore& record) -> RecordCore* {
        if (record.Kind() == kKindProperties) return &root_.Properties();
        CRecordList* list = root_.ListOf(record.Kind());
        return list ? list->FindById(record.RecordId()) : nullptr;
    };
    for (const auto& copy : step.changed) {
        RecordCore* record = live(*copy);
        if (!record) {
            root_.CancelTransaction();
            return kDataRefused;
        }
        BeginChange(*record);
        record->AssignFrom(*copy);
    }
    for (RecordCore* record : step.added) {
        if (live(*record) != record) {
            root_.CancelTransaction();
            return kDataRefused;
        }
    }
    for (RecordCore* record : step.added) {
        int32_t result = record->DeleteWithCascades();
        if (result != kDataOk && status == kDataOk) status = result;
    }
    for (RecordCore* record : step.deleted) {
        record->deleted = false;
        RegisterAdded(*record);
    }
    step.deleted.clear();
    root_.CommitTransaction();
    return status;
}

int32_t CUndoManager::UndoStep(void* step) {
    auto* transaction = static_cast<CUndoTransaction*>(step);
    return transaction->root.Undo().ReplayStep(*transaction, Replay::Undo);
}

int32_t CUndoManager::RedoStep(void* step) {
    auto* transaction = static_cast<CUndoTransaction*>(step);
    return transaction->root.Undo().ReplayStep(*transaction, Replay::Redo);
}

int32_t CUndoManager::ReleaseStep(void* step) {
    delete static_cast<CUndoTransaction*>(step);
    return 0;
}
