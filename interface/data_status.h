#pragma once

#include <cstdint>

// Status codes of the data store (0 is success).
enum DataStatus : int32_t {
    kDataOk = 0,
    kDataRefused = 1,          // missing output, a transaction already open, no transaction, damaged older file
    kDataInvalidRecord = 2,    // record not valid; the open transaction is cancelled
    kDataUnknownControl = 5,
    kDataReadOnly = 6,         // opened read-only, or save refused on a read-only document
    kDataBadFile = 8,          // no path, not a document file, too short, damaged
    kDataCannotOpen = 9,
    kDataIoError = 10,         // read, write or seek failure
    kDataPassword = 11,        // password required or wrong
};

// Record kinds; the kind is also its bit number in the change mask.
enum RecordKind : int32_t {
    kKindProperties = 1,
    kKindResourceGroup = 2,
    kKindResource = 3,
    kKindTaskGroup = 4,
    kKindTask = 5,
    kKindBooking = 6,
    kKindFilter = 7,
};

// Change mask bits handed to the data listeners.
inline constexpr uint32_t kChangeDocumentReplaced = 1u << 0;
inline constexpr uint32_t ChangeBit(RecordKind kind) { return 1u << kind; }
inline constexpr uint32_t kChangeProperties = ChangeBit(kKindProperties);
inline constexpr uint32_t kChangeResourceGroups = ChangeBit(kKindResourceGroup);
inline constexpr uint32_t kChangeResources = ChangeBit(kKindResource);
inline constexpr uint32_t kChangeTaskGroups = ChangeBit(kKindTaskGroup);
inline constexpr uint32_t kChangeTasks = ChangeBit(kKindTask);
inline constexpr uint32_t kChangeBookings = ChangeBit(kKindBooking);
inline constexpr uint32_t kChangeFilters = ChangeBit(kKindFilter);

// Filter modes.
enum FilterMode : int16_t {
    kFilterAll = 0,
    kFilterFlagged = 1,
    kFilterUnflagged = 2,
};

// Byte limits of the text fields, without the terminating NUL.
inline constexpr int kMaxNameBytes = 99;
inline constexpr int kMaxDescriptionBytes = 199;
inline constexpr int kMaxPasswordBytes = 15;
