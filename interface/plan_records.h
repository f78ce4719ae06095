#pragma once

// The records of a planning document. All of them are created, owned and
// freed by the Data library; other deliverables hold plain pointers and call
// the virtual operations, so member order and virtual slot order are an
// interface between deliverables. A change is made inside an open transaction
// of the root: BeginTransaction, the record's BeginChange, write the public
// members, CommitTransaction.
//
// Days are Julian day numbers (the value a CDate holds), times of day are
// minutes since midnight, colours are 0x00BBGGRR.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "data_status.h"

class CPlanData;
class CRecordList;   // the collection behind a record, opaque outside Data
class CResourceGroup;
class CResource;
class CTaskGroup;
class CTask;
class CBooking;

// Writes text into a fixed field, cut to the field's byte limit on a
// character boundary and NUL-terminated. Use it instead of writing the
// arrays directly. (Self-contained: every deliverable includes it.)
template <std::size_t N>
inline void SetTextField(char (&field)[N], std::string_view text) {
    static_assert(N > 0);
    std::size_t length = text.size() < N ? text.size() : N - 1;
    // A UTF-8 character cut in two loses its head too: step back from the
    // first byte left out over at most three continuation bytes to the
    // character's lead byte, and cut there when its sequence runs past the cut.
    auto continuation = [&](std::size_t i) { return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80; };
    if (length < text.size()) {
        std::size_t lead = length;
        while (lead > 0 && length - lead < 3 && continuation(lead)) --lead;
        const auto byte = static_cast<unsigned char>(text[lead]);
        const std::size_t sequence = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (lead < length && !continuation(lead) && sequence > length - lead) length = lead;
    }
    if (length > 0) std::memcpy(field, text.data(), length);   // an empty view may hold null
    field[length] = '\0';
}

// Head shared by kinds 2 to 7.
class CRecord {
public:
    CPlanData* root = nullptr;
    CRecordList* owner = nullptr;   // the collection that created the record
    int32_t id = 0;                 // 0 until the collection assigns one
};

// Head of the named kinds (groups, resources, tasks, filters).
class CNamedRecord : public CRecord {
public:
    char name[100] = {};            // at most 99 bytes of UTF-8
    int32_t orderIndex = -1;        // the user's position in the record's list

    void SetName(std::string_view text) { SetTextField(name, text); }
};

class CPlanProperties {
public:
    CPlanData* root = nullptr;
    int32_t periodStart = 0;        // Julian day numbers
    int32_t periodEnd = 0;
    int16_t dayStartMinutes = 480;
    int16_t dayEndMinutes = 1020;
    uint8_t workingDays[7] = {1, 1, 1, 1, 1, 0, 0};   // Monday first
    uint8_t passwordFlag = 0;
    char password1[16] = {};        // at most 15 bytes
    char password2[16] = {};
    uint8_t reserved[100] = {};

    // True while the open file was unlocked with the second password.
    virtual bool IsWriteProtected() = 0;
    virtual int32_t BeginChange() = 0;

    void SetPassword1(std::string_view text) { SetTextField(password1, text); }
    void SetPassword2(std::string_view text) { SetTextField(password2, text); }

protected:
    virtual ~CPlanProperties() = default;
};

// Members shared by resource groups and task groups.
class CGroupRecord : public CNamedRecord {
public:
    char description[200] = {};
    uint8_t reserved[200] = {};

    void SetDescription(std::string_view text) { SetTextField(description, text); }
};

class CResourceGroup : public CGroupRecord {
public:
    virtual int32_t GetResourceCount() = 0;
    // Fills buffer (when not null) with the members in collection order; returns the count.
    virtual int32_t GetResources(CResource** buffer) = 0;
    virtual int32_t BeginChange() = 0;
    // Members lose their group; saved filters forget the group.
    virtual int32_t Delete() = 0;

protected:
    virtual ~CResourceGroup() = default;
};

class CTaskGroup : public CGroupRecord {
public:
    virtual int32_t GetTaskCount() = 0;
    virtual int32_t GetTasks(CTask** buffer) = 0;
    virtual int32_t BeginChange() = 0;
    virtual int32_t Delete() = 0;

protected:
    virtual ~CTaskGroup() = default;
};

class CResource : public CNamedRecord {
public:
    CResourceGroup* group = nullptr;
    char description[200] = {};
    uint8_t reserved[100] = {};

    // The resource's bookings overlapping the period, by the booking
    // collection's period rule and in its start order.
    virtual int32_t GetBookingCount(int32_t startDay, int16_t startMinutes, int32_t endDay,
                                    int16_t endMinutes) = 0;
    virtual int32_t GetBookings(CBooking** buffer, int32_t startDay, int16_t startMinutes,
                                int32_t endDay, int16_t endMinutes) = 0;
    virtual int32_t BeginChange() = 0;
    // Deletes the resource's bookings of every date as well.
    virtual int32_t Delete() = 0;

    void SetDescription(std::string_view text) { SetTextField(description, text); }

protected:
    virtual ~CResource() = default;
};

class CTask : public CNamedRecord {
public:
    uint32_t color1 = 0;
    uint32_t color2 = 0x0080FFFF;
    CTaskGroup* group = nullptr;
    char description[200] = {};
    uint8_t reserved[100] = {};

    virtual int32_t GetBookingCount(int32_t startDay, int16_t startMinutes, int32_t endDay,
                                    int16_t endMinutes) = 0;
    virtual int32_t GetBookings(CBooking** buffer, int32_t startDay, int16_t startMinutes,
                                int32_t endDay, int16_t endMinutes) = 0;
    virtual int32_t BeginChange() = 0;
    virtual int32_t Delete() = 0;

    void SetDescription(std::string_view text) { SetTextField(description, text); }

protected:
    virtual ~CTask() = default;
};

class CBooking : public CRecord {
public:
    int32_t startDay = 0;
    int32_t endDay = 0;
    int16_t startMinutes = 0;
    int16_t endMinutes = 0;
    CResource* resource = nullptr;
    CTask* task = nullptr;
    uint32_t color1 = 0;
    uint32_t color2 = 0x00FFFFFF;
    uint8_t flag = 1;
    char text[200] = {};
    uint8_t reserved[50] = {};

    // Copies period, resource, task, colours, flag, text and reserved bytes;
    // keeps this booking's id. Returns 0.
    virtual int32_t CopyFrom(const CBooking* other) = 0;
    virtual int32_t BeginChange() = 0;
    virtual int32_t Delete() = 0;

    void SetText(std::string_view value) { SetTextField(text, value); }

protected:
    virtual ~CBooking() = default;
};

// Says which bookings are shown. Saved filters live in the filter
// collection; the host's public filter is created by the collection's
// Create, never added, and destroyed with Delete.
class CFilter : public CNamedRecord {
public:
    int16_t mode = kFilterAll;      // FilterMode
    uint8_t reserved[100] = {};

    // Drops from each set every record no longer in its collection.
    virtual void RemoveMissing() = 0;
    virtual void Clear() = 0;
    // The bookings of in that pass, in input order, into out (when not null).
    virtual int32_t FilterBookings(CBooking** in, int32_t count, CBooking** out) = 0;
    virtual bool IsTaskExcluded(const CTask* task) = 0;
    virtual bool IsTaskGroupExcluded(const CTaskGroup* group) = 0;
    virtual bool IsResourceExcluded(const CResource* resource) = 0;
    virtual bool IsResourceGroupExcluded(const CResourceGroup* group) = 0;
    virtual int32_t GetExcludedResourceGroupCount() = 0;
    virtual int32_t GetExcludedResourceGroups(CResourceGroup** buffer) = 0;
    virtual int32_t GetExcludedResourceCount() = 0;
    virtual int32_t GetExcludedResources(CResource** buffer) = 0;
    virtual int32_t GetExcludedTaskGroupCount() = 0;
    virtual int32_t GetExcludedTaskGroups(CTaskGroup** buffer) = 0;
    virtual int32_t GetExcludedTaskCount() = 0;
    virtual int32_t GetExcludedTasks(CTask** buffer) = 0;
    // Setters replace the set (duplicates dropped); they register no change.
    virtual void SetExcludedResourceGroups(CResourceGroup* const* items, int32_t count) = 0;
    virtual void SetExcludedResources(CResource* const* items, int32_t count) = 0;
    virtual void SetExcludedTaskGroups(CTaskGroup* const* items, int32_t count) = 0;
    virtual void SetExcludedTasks(CTask* const* items, int32_t count) = 0;
    virtual int32_t BeginChange() = 0;
    // A filter never added (the public filter) is destroyed at once.
    virtual int32_t Delete() = 0;

protected:
    virtual ~CFilter() = default;
};
