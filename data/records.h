#pragma once

// The Data library's side of the public records.

#include <memory>

#include "plan_records.h"
#include "pointer_set.h"
#include "record_core.h"

class PlanRoot;
PlanRoot& RootOf(CPlanData* root);

// Ties a public record class to its bookkeeping. Derived is the final class.
template <class Derived, class Pub, RecordKind K>
class RecordImpl : public Pub, public RecordCore {
public:
    RecordImpl(CPlanData* planRoot, CRecordList* list) : RecordCore(K) {
        this->root = planRoot;
        this->owner = list;
    }

    int32_t RecordId() const override { return this->id; }
    CRecordList* List() const override { return this->owner; }
    std::unique_ptr<RecordCore> Clone() const override {
        auto copy = std::make_unique<Derived>(this->root, this->owner);
        copy->AssignFrom(*this);
        return copy;
    }
    void AssignFrom(const RecordCore& other) override {
        Pub::operator=(static_cast<const Derived&>(other));
        static_cast<Derived*>(this)->AssignExtra(static_cast<const Derived&>(other));
    }
    void AssignExtra(const Derived&) {}
    int32_t DeleteWithCascades() override { return static_cast<Derived*>(this)->Delete(); }

    PlanRoot& Root() const { return RootOf(this->root); }

    static Derived* From(Pub* record) { return static_cast<Derived*>(record); }
    static const Derived* From(const Pub* record) { return static_cast<const Derived*>(record); }
};

class ResourceGroupRecord final
    : public RecordImpl<ResourceGroupRecord, CResourceGroup, kKindResourceGroup> {
public:
    using RecordImpl::RecordImpl;
    bool IsValid() const override { return name[0] != '\0'; }
    void Write(CMemArchive& archive) const override;
    int32_t Read(CMemArchive& archive, LoadContext& context) override;

    int32_t GetResourceCount() override;
    int32_t GetResources(CResource** buffer) override;
    int32_t BeginChange() override;
    int32_t Delete() override;
};

class TaskGroupRecord final : public RecordImpl<TaskGroupRecord, CTaskGroup, kKindTaskGroup> {
public:
    using RecordImpl::RecordImpl;
    bool IsValid() const override { return name[0] != '\0'; }
    void Write(CMemArchive& archive) const override;
    int32_t Read(CMemArchive& archive, LoadContext& context) override;

    int32_t GetTaskCount() override;
    int32_t GetTasks(CTask** buffer) override;
    int32_t BeginChange() override;
    int32_t Delete() override;
};

class ResourceRecord final : public RecordImpl<ResourceRecord, CResource, kKindResource> {
public:
    using RecordImpl::RecordImpl;
    bool IsValid() const override { return name[0] != '\0'; }
    void Write(CMemArchive& archive) const override;
    int32_t Read(CMemArchive& archive, LoadContext& context) override;

    int32_t GetBookingCount(int32_t startDay, int16_t startMinutes, int32_t endDay,
                            int16_t endMinutes) override;
    int32_t GetBookings(CBooking** buffer, int32_t startDay, int16_t startMinutes,
                        int32_t endDay, int16_t endMinutes) override;
    int32_t BeginChange() override;
    int32_t Delete() override;
};

class TaskRecord final : public RecordImpl<TaskRecord, CTask, kKindTask> {
public:
    using RecordImpl::RecordImpl;
    bool IsValid() const override { return name[0] != '\0'; }
    void Write(CMemArchive& archive) const override;
    int32_t Read(CMemArchive& archive, LoadContext& context) override;

    int32_t GetBookingCount(int32_t startDay, int16_t startMinutes, int32_t endDay,
                            int16_t endMinutes) override;
    int32_t GetBookings(CBooking** buffer, int32_t startDay, int16_t startMinutes,
                        int32_t endDay, int16_t endMinutes) override;
    int32_t BeginChange() override;
    int32_t Delete() override;
};

class BookingRecord final : public RecordImpl<BookingRecord, CBooking, kKindBooking> {
public:
    using RecordImpl::RecordImpl;
    bool IsValid() const override { return resource != nullptr && task != nullptr; }
    void Write(CMemArchive& archive) const override;
    int32_t Read(CMemArchive& archive, LoadContext& context) override;

    int32_t CopyFrom(const CBooking* other) override;
    int32_t BeginChange() override;
    int32_t Delete() override;

    // Where the booking collection keeps it: the start it was ordered by and
    // its place among equal starts.
    int64_t sortKey = 0;
    uint64_t sequence = 0;
    // The owners the collection's owner indexes hold it under.
    CResource* indexedResource = nullptr;
    CTask* indexedTask = nullptr;

    // Bookings come by the million: they live in a record pool.
    static void* operator new(std::size_t bytes);
    static void operator delete(void* booking);
};

class FilterRecord final : public RecordImpl<FilterRecord, CFilter, kKindFilter> {
public:
    using RecordImpl::RecordImpl;
    bool IsValid() const override { return name[0] != '\0'; }
    void Write(CMemArchive& archive) const override;
    int32_t Read(CMemArchive& archive, LoadContext& context) override;
    void AssignExtra(const FilterRecord& other);

    void RemoveMissing() override;
    void Clear() override;
    int32_t FilterBookings(CBooking** in, int32_t count, CBooking** out) override;
    bool IsTaskExcluded(const CTask* task) override { return tasks_.Contains(task); }
    bool IsTaskGroupExcluded(const CTaskGroup* group) override { return taskGroups_.Contains(group); }
    bool IsResourceExcluded(const CResource* resource) override { return resources_.Contains(resource); }
    bool IsResourceGroupExcluded(const CResourceGroup* group) override {
        return resourceGroups_.Contains(group);
    }
    int32_t GetExcludedResourceGroupCount() override { return resourceGroups_.Count(); }
    int32_t GetExcludedResourceGroups(CResourceGroup** buffer) override {
        return resourceGroups_.CopyTo(buffer);
    }
    int32_t GetExcludedResourceCount() override { return resources_.Count(); }
    int32_t GetExcludedResources(CResource** buffer) override { return resources_.CopyTo(buffer); }
    int32_t GetExcludedTaskGroupCount() override { return taskGroups_.Count(); }
    int32_t GetExcludedTaskGroups(CTaskGroup** buffer) override { return taskGroups_.CopyTo(buffer); }
    int32_t GetExcludedTaskCount() override { return tasks_.Count(); }
    int32_t GetExcludedTasks(CTask** buffer) override { return tasks_.CopyTo(buffer); }
    void SetExcludedResourceGroups(CResourceGroup* const* items, int32_t count) override {
        resourceGroups_.Assign(items, count);
    }
    void SetExcludedResources(CResource* const* items, int32_t count) override {
        resources_.Assign(items, count);
    }
    void SetExcludedTaskGroups(CTaskGroup* const* items, int32_t count) override {
        taskGroups_.Assign(items, count);
    }
    void SetExcludedTasks(CTask* const* items, int32_t count) override { tasks_.Assign(items, count); }
    int32_t BeginChange() override;
    int32_t Delete() override;

    // Deletion cascades: a saved filter that names the record loses it.
    void Forget(const CResourceGroup* group);
    void Forget(const CResource* resource);
    void Forget(const CTaskGroup* group);
    void Forget(const CTask* task);

private:
    PointerSet<CResourceGroup> resourceGroups_;
    PointerSet<CResource> resources_;
    PointerSet<CTaskGroup> taskGroups_;
    PointerSet<CTask> tasks_;
};

class PropertiesRecord final : public CPlanProperties, public RecordCore {
public:
    explicit PropertiesRecord(CPlanData* planRoot);

    int32_t RecordId() const override { return 0; }
    CRecordList* List() const override { return nullptr; }
    std::unique_ptr<RecordCore> Clone() const override;
    void AssignFrom(const RecordCore& other) override {
        CPlanProperties::operator=(static_cast<const PropertiesRecord&>(other));
    }
    bool IsValid() const override { return true; }
    void Write(CMemArchive& archive) const override;
    int32_t Read(CMemArchive& archive, LoadContext& context) override;

    int32_t DeleteWithCascades() override { return kDataRefused; }
    bool IsWriteProtected() override;
    int32_t BeginChange() override;

    // Close keeps the period and working time and drops the rest.
    void ClearProtection();

    PlanRoot& Root() const { return RootOf(root); }
};
