#pragma once

// Bookkeeping every record carries behind its public members, and the
// collection side that commits, cancels and loads work against.

#include <cstdint>
#include <memory>
#include <vector>

#include "data_status.h"
#include "large_memory.h"

class CMemArchive;
class CRecordList;
struct LoadContext;

class RecordCore;
// Record lists that may hold every record of a large plan.
using RecordPointers = LargeVector<RecordCore*>;

class RecordCore {
public:
    explicit RecordCore(RecordKind kind) : kind_(kind) {}
    virtual ~RecordCore() = default;
    RecordCore(const RecordCore&) = delete;
    RecordCore& operator=(const RecordCore&) = delete;

    RecordKind Kind() const { return kind_; }
    virtual int32_t RecordId() const = 0;
    virtual CRecordList* List() const = 0;   // null for the properties
    // A new record of the same kind holding a copy of this one's members.
    virtual std::unique_ptr<RecordCore> Clone() const = 0;
    // Copies every member of another record of the same kind, id and owner included.
    virtual void AssignFrom(const RecordCore& other) = 0;
    virtual bool IsValid() const = 0;
    virtual void Write(CMemArchive& archive) const = 0;
    virtual int32_t Read(CMemArchive& archive, LoadContext& context) = 0;
    // The public Delete, with its cascades.
    virtual int32_t DeleteWithCascades() = 0;

    void RestoreFromBackup() {
        if (backup) AssignFrom(*backup);
    }

    // Registered as changed (or added) in the open transaction.
    bool registered = false;
    bool added = false;           // listed as added in the open transaction
    bool deleted = false;
    bool inCollection = false;    // committed into its collection
    std::unique_ptr<RecordCore> backup;

private:
    RecordKind kind_;
};

// The collection behind each record kind but the properties.
class CRecordList {
public:
    virtual RecordKind Kind() const = 0;
    // Applies a committed transaction: added records join, changed ones keep
    // their place (bookings move to their new start), removed ones leave.
    virtual void ApplyCommit(const RecordPointers& added, const RecordPointers& changed,
                             const RecordPointers& removed) = 0;
    // The live record with this id, or null.
    virtual RecordCore* FindById(int32_t id) = 0;
    // Drops caches; the document changed or a change may be under way.
    virtual void DocumentChanged() = 0;
    // Frees every record (close and load).
    virtual void FreeAll() = 0;
    // Gives the record an id, or moves the next id past one read from a file.
    virtual void AssignId(RecordCore& record) = 0;

protected:
    ~CRecordList() = default;
};

inline void DestroyRecord(RecordCore* record) { delete record; }
