#include "records.h"

#include <cstring>

#include "plan_root.h"
#include "record_pool.h"
#include "support/calendar_values.h"

namespace {

// The cases of Delete that touch no transaction: a record never added is
// the caller's and is freed at once, a deleted one stays deleted, and
// outside a transaction nothing changes.
template <class Rec>
bool DeleteOutsideTransaction(Rec& record, int32_t& status) {
    status = kDataOk;
    if (record.id == 0) {
        DestroyRecord(&record);
        return true;
    }
    if (record.deleted) return true;
    if (record.Root().Undo().IsOpen()) return false;
    status = kDataRefused;
    return true;
}

// A resource's or task's bookings in a period, through the booking collection's cache.
// The cache is keyed by the public pointer the bookings hold.
template <class Owner>
int32_t OwnerBookings(PlanRoot& root, const Owner* owner, bool byResource, CBooking** buffer,
                      int32_t startDay, int16_t startMinutes, int32_t endDay, int16_t endMinutes) {
    const auto& found = root.BookingList().OwnerBookings(
        owner, byResource, PeriodKey(startDay, startMinutes), PeriodKey(endDay, endMinutes));
    if (buffer) std::copy(found.begin(), found.end(), buffer);
    return static_cast<int32_t>(found.size());
}

// The owner's bookings over all time (deletion cascades).
template <class Owner>
std::vector<BookingRecord*> BookingsOf(PlanRoot& root, const Owner* owner) {
    std::vector<BookingRecord*> result;
    for (BookingRecord* booking : root.BookingList().Items()) {
        const void* bookingOwner;
        if constexpr (std::is_same_v<Owner, CResource>)
            bookingOwner = booking->resource;
        else
            bookingOwner = booking->task;
        if (bookingOwner == owner && !booking->deleted) result.push_back(booking);
    }
    return result;
}

template <class Rec, class Owner>
int32_t DeleteOwner(Rec& record, const Owner* owner) {
    int32_t status = kDataOk;
    if (DeleteOutsideTransaction(record, status)) return status;
    PlanRoot& root = record.Root();
    for (BookingRecord* booking : BookingsOf(root, owner)) {
        int32_t result = booking->Delete();
        if (result != kDataOk && status == kDataOk) status = result;
    }
    root.ForgetInFilters(owner);
    int32_t result = root.Undo().MarkDeleted(record);
    return status != kDataOk ? status : result;
}

template <class Rec, class Members, class Group>
int32_t DeleteGroup(Rec& record, Members& members, const Group* group) {
    int32_t status = kDataOk;
    if (DeleteOutsideTransaction(record, status)) return status;
    for (auto* member : members.Items()) {
        if (member->group != group || member->deleted) continue;
        member->BeginChange();
        member->group = nullptr;
    }
    record.Root().ForgetInFilters(group);
    return record.Root().Undo().MarkDeleted(record);
}

}  // namespace

// Resource groups and task groups

int32_t ResourceGroupRecord::GetResourceCount() { return GetResources(nullptr); }
int32_t ResourceGroupRecord::GetResources(CResource** buffer) {
    return Root().ResourceList().GetByGroup(this, buffer);
}
int32_t ResourceGroupRecord::BeginChange() { return Root().Undo().BeginChange(*this); }
int32_t ResourceGroupRecord::Delete() { return DeleteGroup(*this, Root().ResourceList(), this); }

int32_t TaskGroupRecord::GetTaskCount() { return GetTasks(nullptr); }
int32_t TaskGroupRecord::GetTasks(CTask** buffer) { return Root().TaskList().GetByGroup(this, buffer); }
int32_t TaskGroupRecord::BeginChange() { return Root().Undo().BeginChange(*this); }
int32_t TaskGroupRecord::Delete() { return DeleteGroup(*this, Root().TaskList(), this); }

// Resources and tasks

int32_t ResourceRecord::GetBookingCount(int32_t startDay, int16_t startMinutes, int32_t endDay,
                                        int16_t endMinutes) {
    return GetBookings(nullptr, startDay, startMinutes, endDay, endMinutes);
}
int32_t ResourceRecord::GetBookings(CBooking** buffer, int32_t startDay, int16_t startMinutes,
                                    int32_t endDay, int16_t endMinutes) {
    return OwnerBookings<CResource>(Root(), this, true, buffer, startDay, startMinutes, endDay, endMinutes);
}
int32_t ResourceRecord::BeginChange() { return Root().Undo().BeginChange(*this); }
int32_t ResourceRecord::Delete() { return DeleteOwner<ResourceRecord, CResource>(*this, this); }

int32_t TaskRecord::GetBookingCount(int32_t startDay, int16_t startMinutes, int32_t endDay,
                                    int16_t endMinutes) {
    return GetBookings(nullptr, startDay, startMinutes, endDay, endMinutes);
}
int32_t TaskRecord::GetBookings(CBooking** buffer, int32_t startDay, int16_t startMinutes,
                                int32_t endDay, int16_t endMinutes) {
    return OwnerBookings<CTask>(Root(), this, false, buffer, startDay, startMinutes, endDay, endMinutes);
}
int32_t TaskRecord::BeginChange() { return Root().Undo().BeginChange(*this); }
int32_t TaskRecord::Delete() { return DeleteOwner<TaskRecord, CTask>(*this, this); }

// Bookings

void* BookingRecord::operator new(std::size_t bytes) {
    static RecordPool* const pool = new RecordPool(sizeof(BookingRecord));
    return pool->Allocate(bytes);
}

void BookingRecord::operator delete(void* booking) { RecordPool::Free(booking); }

int32_t BookingRecord::CopyFrom(const CBooking* other) {
    if (!other || other == this) return kDataOk;
    startDay = other->startDay;
    endDay = other->endDay;
    startMinutes = other->startMinutes;
    endMinutes = other->endMinutes;
    resource = other->resource;
    task = other->task;
    color1 = other->color1;
    color2 = other->color2;
    flag = other->flag;
    std::memcpy(text, other->text, sizeof text);
    std::memcpy(reserved, other->reserved, sizeof reserved);
    return kDataOk;
}
int32_t BookingRecord::BeginChange() { return Root().Undo().BeginChange(*this); }
int32_t BookingRecord::Delete() {
    int32_t status = kDataOk;
    if (DeleteOutsideTransaction(*this, status)) return status;
    return Root().Undo().MarkDeleted(*this);
}

// Filters

void FilterRecord::AssignExtra(const FilterRecord& other) {
    resourceGroups_ = other.resourceGroups_;
    resources_ = other.resources_;
    taskGroups_ = other.taskGroups_;
    tasks_ = other.tasks_;
}

void FilterRecord::RemoveMissing() {
    PlanRoot& planRoot = Root();
    resourceGroups_.KeepIf([&](CResourceGroup* g) { return planRoot.ResourceGroupList().Contains(g); });
    resources_.KeepIf([&](CResource* r) { return planRoot.ResourceList().Contains(r); });
    taskGroups_.KeepIf([&](CTaskGroup* g) { return planRoot.TaskGroupList().Contains(g); });
    tasks_.KeepIf([&](CTask* t) { return planRoot.TaskList().Contains(t); });
}

void FilterRecord::Clear() {
    resourceGroups_.Clear();
    resources_.Clear();
    taskGroups_.Clear();
    tasks_.Clear();
}

int32_t FilterRecord::FilterBookings(CBooking** in, int32_t count, CBooking** out) {
    int32_t passed = 0;
    for (int32_t i = 0; in && i < count; ++i) {
        CBooking* booking = in[i];
        if (!booking) continue;
        if (resources_.Contains(booking->resource) || tasks_.Contains(booking->task)) continue;
        if (mode == kFilterFlagged && booking->flag == 0) continue;
        if (mode == kFilterUnflagged && booking->flag != 0) continue;
        if (out) out[passed] = booking;
        ++passed;
    }
    return passed;
}

int32_t FilterRecord::BeginChange() { return Root().Undo().BeginChange(*this); }
int32_t FilterRecord::Delete() {
    int32_t status = kDataOk;
    if (DeleteOutsideTransaction(*this, status)) return status;
    return Root().Undo().MarkDeleted(*this);
}

namespace {
template <class Set, class Record>
void ForgetIn(FilterRecord& filter, Set& set, const Record* record) {
    if (!set.Contains(record)) return;
    filter.BeginChange();
    set.Erase(record);
}
}  // namespace

void FilterRecord::Forget(const CResourceGroup* group) { ForgetIn(*this, resourceGroups_, group); }
void FilterRecord::Forget(const CResource* resource) { ForgetIn(*this, resources_, resource); }
void FilterRecord::Forget(const CTaskGroup* group) { ForgetIn(*this, taskGroups_, group); }
void FilterRecord::Forget(const CTask* task) { ForgetIn(*this, tasks_, task); }

// Properties

PropertiesRecord::PropertiesRecord(CPlanData* planRoot) : RecordCore(kKindProperties) {
    root = planRoot;
    int year = CDate::Today().GetYear();
    periodStart = CDate(1, 1, year).GetJulianDay();
    periodEnd = CDate(31, 12, year).GetJulianDay();
}

std::unique_ptr<RecordCore> PropertiesRecord::Clone() const {
    auto copy = std::make_unique<PropertiesRecord>(root);
    copy->AssignFrom(*this);
    return copy;
}

bool PropertiesRecord::IsWriteProtected() { return Root().File().IsSecondPassword(); }
int32_t PropertiesRecord::BeginChange() { return Root().Undo().BeginChange(*this); }

void PropertiesRecord::ClearProtection() {
    passwordFlag = 0;
    std::memset(password1, 0, sizeof password1);
    std::memset(password2, 0, sizeof password2);
    std::memset(reserved, 0, sizeof reserved);
}
