#pragma once

// A document with nothing but counts, for the host's menu and clipboard logic.

#include <algorithm>
#include <string>
#include <vector>

#include "plan_data.h"

namespace shelltest {

class FakeBooking : public CBooking {
public:
    int32_t CopyFrom(const CBooking* other) override {
        startDay = other->startDay;
        resource = other->resource;
        task = other->task;
        return 0;
    }
    int32_t BeginChange() override { return 0; }
    int32_t Delete() override { return 0; }
};

template <class Base, class Record>
class FakeCollection : public Base {
public:
    Record* Create() override { return nullptr; }
    int32_t Add(Record*) override { return 0; }
    int32_t GetCount() override { return static_cast<int32_t>(members.size()); }
    int32_t GetAll(Record** buffer) override {
        if (buffer != nullptr) std::copy(members.begin(), members.end(), buffer);
        return GetCount();
    }
    Record* GetAt(uint32_t index) override { return index < members.size() ? members[index] : nullptr; }
    bool Contains(const Record* record) override {
        return std::find(members.begin(), members.end(), record) != members.end();
    }
    std::vector<Record*> members;
};

template <class Base, class Record, class Group>
class FakeGroupedCollection : public FakeCollection<Base, Record> {
public:
    int32_t GetGroupMemberCount(const Group*) override { return 0; }
    int32_t GetByGroup(const Group*, Record**) override { return 0; }
};

class FakeBookings : public CBookingCollection {
public:
    CBooking* Create() override { return nullptr; }
    int32_t Add(CBooking*) override { return 0; }
    int32_t GetCountInPeriod(int32_t, int16_t, int32_t, int16_t) override { return 0; }
    int32_t GetCount() override { return count; }
    int32_t GetInPeriod(CBooking**, int32_t, int16_t, int32_t, int16_t) override { return 0; }
    int32_t GetAll(CBooking**) override { return count; }
    CBooking* GetAt(int32_t) override { return nullptr; }
    bool Contains(const CBooking*) override { return false; }
    int32_t count = 0;
};

class FakeProperties : public CPlanProperties {
public:
    bool IsWriteProtected() override { return writeProtected; }
    int32_t BeginChange() override { return 0; }
    bool writeProtected = false;
};

class FakePlan : public CPlanData {
public:
    FakePlan() {
        properties = &props;
        resourceGroups = &groupsOfResources;
        resources = &resourceList;
        taskGroups = &groupsOfTasks;
        tasks = &taskList;
        bookings = &bookingList;
    }
    int32_t Open(const char*, bool, const char*, bool) override { return 0; }
    int32_t Save(const char*) override { return 0; }
    int32_t Reload(const char*, bool) override { return 0; }
    void Close() override {}
    std::string GetFileName() override { return {}; }
    bool IsReadOnly() override { return false; }
    bool IsModified() override { return false; }
    int32_t BeginTransaction(const char*) override { return 0; }
    int32_t CancelTransaction() override { return 0; }
    int32_t CommitTransaction() override { return 0; }
    bool AddListener(DataListener) override { return true; }
    int32_t Control(int32_t, void*) override { return 0; }
    void Write(CMemArchive*) override {}
    int32_t Read(CMemArchive*) override { return 0; }

    FakeProperties props;
    FakeCollection<CResourceGroupCollection, CResourceGroup> groupsOfResources;
    FakeGroupedCollection<CResourceCollection, CResource, CResourceGroup> resourceList;
    FakeCollection<CTaskGroupCollection, CTaskGroup> groupsOfTasks;
    FakeGroupedCollection<CTaskCollection, CTask, CTaskGroup> taskList;
    FakeBookings bookingList;
};

}  // namespace shelltest
