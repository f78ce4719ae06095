#pragma once

// The root data object of a planning document and the two exports of the
// Data library. The root is shared by pointer across all deliverables.

#include <cstdint>
#include <string>

#include "plan_collections.h"
#include "plan_records.h"
#include "qel_export.h"
#include "undo_history.h"

class CMemArchive;   // the payload archive, opaque outside Data

// Called after each commit that changed something, with the change mask
// (data_status.h). With kChangeDocumentReplaced every record of the
// previous document is gone and its memory may hold new records: pointers
// kept across it, such as the public filter's sets, are dropped (Clear),
// since RemoveMissing cannot tell a freed record from a new one at the same
// address.
using DataListener = void (*)(uint32_t mask);

// Control codes.
inline constexpr int32_t kControlPasswordDigests = 0;   // out: 32 bytes
inline constexpr int32_t kControlOlderFormat = 1;       // out: 1 byte
// out: 1 byte, 1 when names or texts of the document last opened or re-read
// were cut to fit their fields (text of the older platform grows when
// converted to UTF-8). The host tells the user once after the open.
inline constexpr int32_t kControlTextsShortened = 2;

class CPlanData {
public:
    CPlanProperties* properties = nullptr;
    CResourceGroupCollection* resourceGroups = nullptr;
    CResourceCollection* resources = nullptr;
    CTaskGroupCollection* taskGroups = nullptr;
    CTaskCollection* tasks = nullptr;
    CBookingCollection* bookings = nullptr;
    CFilterCollection* filters = nullptr;

    // 0, or 6 when opened read-only; 8, 9, 10, 11 and load statuses on failure,
    // after which the previous document stays open.
    virtual int32_t Open(const char* path, bool readOnly, const char* password,
                         bool havePassword) = 0;
    // A null or empty path saves to the open file. Refused (1) while a
    // transaction is open.
    virtual int32_t Save(const char* path) = 0;
    virtual int32_t Reload(const char* password, bool havePassword) = 0;
    virtual void Close() = 0;
    // The open file's path, or "".
    virtual std::string GetFileName() = 0;
    virtual bool IsReadOnly() = 0;
    virtual bool IsModified() = 0;
    // 0 opened; 1 when one is already open (and that one is cancelled too).
    // An empty name opens an unnamed transaction, which clears the undo history.
    virtual int32_t BeginTransaction(const char* name) = 0;
    virtual int32_t CancelTransaction() = 0;
    virtual int32_t CommitTransaction() = 0;
    virtual bool AddListener(DataListener listener) = 0;
    virtual int32_t Control(int32_t code, void* out) = 0;

protected:
    virtual ~CPlanData() = default;

public:
    virtual void Write(CMemArchive* archive) = 0;
    virtual int32_t Read(CMemArchive* archive) = 0;

    // Typed forms of Control.
    // The MD5 digests of password 1 and password 2 of the file examined last.
    int32_t GetPasswordDigests(uint8_t (&out)[32]) { return Control(kControlPasswordDigests, out); }
    bool IsOlderFormatOpen() {
        uint8_t older = 0;
        return Control(kControlOlderFormat, &older) == kDataOk && older != 0;
    }
    bool TextsWereShortened() {
        uint8_t shortened = 0;
        return Control(kControlTextsShortened, &shortened) == kDataOk && shortened != 0;
    }
};

QEL_API CPlanData* DllGetData(CUndoHistory* history);
QEL_API void DllFreeData();

using DllGetDataFn = CPlanData* (*)(CUndoHistory*);
using DllFreeDataFn = void (*)();
