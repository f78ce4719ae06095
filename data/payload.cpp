// The payload: every record's fields in file order, and the root's sections.


#include "load_context.h"
#include "mem_archive.h"
#include "plan_root.h"

namespace {

constexpr int32_t kBad = kDataBadFile;

// Smallest encoding of one record per section, so a count can be checked
// against the bytes left before anything is allocated.
constexpr std::size_t kMinGroupBytes = 20;
constexpr std::size_t kMinResourceBytes = 24;
constexpr std::size_t kMinTaskBytes = 32;
constexpr std::size_t kMinBookingBytes = 41;
constexpr std::size_t kMinFilterBytes = 34;

int32_t ReadHead(CMemArchive& archive, CNamedRecord& record) {
    if (!archive.ReadI32(record.id) || !IsUsableFileId(record.id)) return kBad;
    if (!archive.ReadI32(record.orderIndex)) return kBad;
    if (!archive.ReadString(record.name, sizeof record.name)) return kBad;
    return kDataOk;
}

void WriteHead(CMemArchive& archive, const CNamedRecord& record) {
    archive.WriteI32(record.id);
    archive.WriteI32(record.orderIndex);
    archive.WriteString(record.name);
}

template <class Record>
int32_t IdOf(const Record* record) {
    return record ? record->id : 0;
}

template <class Set>
void WriteIds(CMemArchive& archive, int32_t count, const Set& items) {
    archive.WriteI32(count);
    for (auto* item : items) archive.WriteI32(item->id);
}

template <class Record>
int32_t ReadIds(CMemArchive& archive, const IdTable<Record>& known, std::vector<Record*>& out) {
    int32_t count = 0;
    if (!archive.ReadI32(count) || count < 0 || static_cast<std::size_t>(count) > archive.Remaining() / 4)
        return kBad;
    for (int32_t i = 0; i < count; ++i) {
        int32_t id = 0;
        archive.ReadI32(id);
        if (Record* record = known.Find(id)) out.push_back(record);
    }
    return kDataOk;
}

template <class Records>
void WriteSection(CMemArchive& archive, const Records& records) {
    archive.WriteI32(static_cast<int32_t>(records.size()));
    for (const auto* record : records) record->Write(archive);
}

// Create, Read and Add per record; a refused record is released. Every
// record read goes into known, which refuses a second record of one id.
template <class Record, class Collection, class Known>
int32_t ReadSection(CMemArchive& archive, LoadContext& context, Collection& collection,
                    std::size_t minBytes, Known& known) {
    int32_t count = 0;
    if (!archive.ReadI32(count) || count < 0 ||
        static_cast<std::size_t>(count) > archive.Remaining() / minBytes)
        return kBad;
    known.Expect(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        auto* record = Record::From(collection.Create());
        int32_t status = record->Read(archive, context);
        if (status == kDataOk) status = collection.Add(record);
        if (status != kDataOk) {
            DestroyRecord(record);
            return status;
        }
        if (!known.Insert(record->id, record)) return kBad;
    }
    return kDataOk;
}

}  // namespace

namespace {

template <class Group>
void WriteGroup(CMemArchive& archive, const Group& group) {
    WriteHead(archive, group);
    archive.WriteString(group.description);
    archive.WriteFixedText(group.reserved, sizeof group.reserved);
}

template <class Group>
int32_t ReadGroup(CMemArchive& archive, Group& group) {
    if (ReadHead(archive, group) != kDataOk ||
        !archive.ReadString(group.description, sizeof group.description) ||
        !archive.ReadFixedText(group.reserved, sizeof group.reserved))
        return kBad;
    return kDataOk;
}

}  // namespace

void ResourceGroupRecord::Write(CMemArchive& archive) const { WriteGroup(archive, *this); }
int32_t ResourceGroupRecord::Read(CMemArchive& archive, LoadContext&) { return ReadGroup(archive, *this); }
void TaskGroupRecord::Write(CMemArchive& archive) const { WriteGroup(archive, *this); }
int32_t TaskGroupRecord::Read(CMemArchive& archive, LoadContext&) { return ReadGroup(archive, *this); }

void ResourceRecord::Write(CMemArchive& archive) const {
    WriteHead(archive, *this);
    archive.WriteString(description);
    archive.WriteI32(IdOf(group));
    archive.WriteFixedText(reserved, sizeof reserved);
}

int32_t ResourceRecord::Read(CMemArchive& archive, LoadContext& context) {
    int32_t groupId = 0;
    if (ReadHead(archive, *this) != kDataOk || !archive.ReadString(description, sizeof description) ||
        !archive.ReadI32(groupId) || !archive.ReadFixedText(reserved, sizeof reserved))
        return kBad;
    group = context.resourceGroups.Find(groupId);
    return kDataOk;
}

void TaskRecord::Write(CMemArchive& archive) const {
    archive.WriteI32(id);
    archive.WriteI32(orderIndex);
    archive.WriteI32(static_cast<int32_t>(color1));
    archive.WriteI32(static_cast<int32_t>(color2));
    archive.WriteString(name);
    archive.WriteString(description);
    archive.WriteI32(IdOf(group));
    archive.WriteFixedText(reserved, sizeof reserved);
}

int32_t TaskRecord::Read(CMemArchive& archive, LoadContext& context) {
    int32_t c1 = 0, c2 = 0, groupId = 0;
    if (!archive.ReadI32(id) || !IsUsableFileId(id) || !archive.ReadI32(orderIndex) ||
        !archive.ReadI32(c1) || !archive.ReadI32(c2) || !archive.ReadString(name, sizeof name) ||
        !archive.ReadString(description, sizeof description) || !archive.ReadI32(groupId) ||
        !archive.ReadFixedText(reserved, sizeof reserved))
        return kBad;
    color1 = static_cast<uint32_t>(c1);
    color2 = static_cast<uint32_t>(c2);
    group = context.taskGroups.Find(groupId);
    return kDataOk;
}

void BookingRecord::Write(CMemArchive& archive) const {
    archive.WriteI32(id);
    archive.WriteI32(startDay);
    archive.WriteI32(endDay);
    archive.WriteI16(startMinutes);
    archive.WriteI16(endMinutes);
    archive.WriteI32(static_cast<int32_t>(color1));
    archive.WriteI32(static_cast<int32_t>(color2));
    archive.WriteU8(flag);
    archive.WriteString(text);
    archive.WriteI32(IdOf(resource));
    archive.WriteI32(IdOf(task));
    archive.WriteFixedText(reserved, sizeof reserved);
}

int32_t BookingRecord::Read(CMemArchive& archive, LoadContext& context) {
    int32_t c1 = 0, c2 = 0, resourceId = 0, taskId = 0;
    if (!archive.ReadI32(id) || !IsUsableFileId(id) || !archive.ReadI32(startDay) ||
        !archive.ReadI32(endDay) || !archive.ReadI16(startMinutes) || !archive.ReadI16(endMinutes) ||
        !archive.ReadI32(c1) || !archive.ReadI32(c2) || !archive.ReadU8(flag) ||
        !archive.ReadString(text, sizeof text) || !archive.ReadI32(resourceId) ||
        !archive.ReadI32(taskId) || !archive.ReadFixedText(reserved, sizeof reserved))
        return kBad;
    color1 = static_cast<uint32_t>(c1);
    color2 = static_cast<uint32_t>(c2);
    resource = context.resources.Find(resourceId);
    task = context.tasks.Find(taskId);
    return kDataOk;
}

void FilterRecord::Write(CMemArchive& archive) const {
    WriteHead(archive, *this);
    archive.WriteI16(mode);
    WriteIds(archive, resourceGroups_.Count(), resourceGroups_.Items());
    WriteIds(archive, resources_.Count(), resources_.Items());
    WriteIds(archive, taskGroups_.Count(), taskGroups_.Items());
    WriteIds(archive, tasks_.Count(), tasks_.Items());
    archive.WriteFixedText(reserved, sizeof reserved);
}

int32_t FilterRecord::Read(CMemArchive& archive, LoadContext& context) {
    if (ReadHead(archive, *this) != kDataOk || !archive.ReadI16(mode)) return kBad;
    std::vector<CResourceGroup*> groups;
    std::vector<CResource*> members;
    std::vector<CTaskGroup*> taskGroups;
    std::vector<CTask*> tasks;
    if (ReadIds(archive, context.resourceGroups, groups) != kDataOk ||
        ReadIds(archive, context.resources, members) != kDataOk ||
        ReadIds(archive, context.taskGroups, taskGroups) != kDataOk ||
        ReadIds(archive, context.tasks, tasks) != kDataOk ||
        !archive.ReadFixedText(reserved, sizeof reserved))
        return kBad;
    SetExcludedResourceGroups(groups.data(), static_cast<int32_t>(groups.size()));
    SetExcludedResources(members.data(), static_cast<int32_t>(members.size()));
    SetExcludedTaskGroups(taskGroups.data(), static_cast<int32_t>(taskGroups.size()));
    SetExcludedTasks(tasks.data(), static_cast<int32_t>(tasks.size()));
    return kDataOk;
}

void PropertiesRecord::Write(CMemArchive& archive) const {
    archive.WriteI32(periodStart);
    archive.WriteI32(periodEnd);
    archive.WriteI16(dayStartMinutes);
    archive.WriteI16(dayEndMinutes);
    archive.Write(workingDays, sizeof workingDays);
    archive.WriteU8(passwordFlag);
    archive.WriteString(password1);
    archive.WriteString(password2);
    archive.WriteFixedText(reserved, sizeof reserved);
}

int32_t PropertiesRecord::Read(CMemArchive& archive, LoadContext&) {
    int32_t status = BeginChange();
    if (status != kDataOk) return status;
    if (!archive.ReadI32(periodStart) || !archive.ReadI32(periodEnd) ||
        !archive.ReadI16(dayStartMinutes) || !archive.ReadI16(dayEndMinutes) ||
        !archive.Read(workingDays, sizeof workingDays) || !archive.ReadU8(passwordFlag) ||
        !archive.ReadKeyString(password1, sizeof password1) ||
        !archive.ReadKeyString(password2, sizeof password2) ||
        !archive.ReadFixedText(reserved, sizeof reserved))
        return kBad;
    return kDataOk;
}

void PlanRoot::Write(CMemArchive* archive) {
    if (!archive) return;
    properties_->Write(*archive);
    WriteSection(*archive, resourceGroups_->Items());
    WriteSection(*archive, resources_->Items());
    WriteSection(*archive, taskGroups_->Items());
    WriteSection(*archive, tasks_->Items());
    WriteSection(*archive, bookings_->Items());
    WriteSection(*archive, filters_->Items());
}

int32_t PlanRoot::Read(CMemArchive* archive) {
    if (!archive) return kDataRefused;
    LoadContext context;
    IdTable<BookingRecord> bookingIds;
    IdTable<FilterRecord> filterIds;
    int32_t status = properties_->Read(*archive, context);
    if (status == kDataOk)
        status = ReadSection<ResourceGroupRecord>(*archive, context, *resourceGroups_, kMinGroupBytes,
                                                  context.resourceGroups);
    if (status == kDataOk)
        status = ReadSection<ResourceRecord>(*archive, context, *resources_, kMinResourceBytes,
                                             context.resources);
    if (status == kDataOk)
        status = ReadSection<TaskGroupRecord>(*archive, context, *taskGroups_, kMinGroupBytes,
                                              context.taskGroups);
    if (status == kDataOk)
        status = ReadSection<TaskRecord>(*archive, context, *tasks_, kMinTaskBytes, context.tasks);
    if (status == kDataOk)
        status = ReadSection<BookingRecord>(*archive, context, *bookings_, kMinBookingBytes, bookingIds);
    if (status == kDataOk)
        status = ReadSection<FilterRecord>(*archive, context, *filters_, kMinFilterBytes, filterIds);
    return status;
}
