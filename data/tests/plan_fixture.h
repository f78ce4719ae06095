#pragma once

// A root with a history that behaves like the host's, and helpers to build
// small plans in one transaction each.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plan_root.h"

class FakeHistory : public CUndoHistory {
public:
    ~FakeHistory() override { Clear(); }

    void Clear() override {
        ++clears;
        Release(undoList);
        Release(redoList);
    }
    bool PushUndo(const UndoEntry* entry, bool clearRedo) override {
        if (!entry) return false;
        undoList.push_back(*entry);
        if (clearRedo) Release(redoList);
        return true;
    }
    bool PushRedo(const UndoEntry* entry) override {
        if (!entry) return false;
        redoList.push_back(*entry);
        return true;
    }

    // The host's Undo and Redo: replay the last entry, then release it.
    bool Undo() { return Replay(undoList, true); }
    bool Redo() { return Replay(redoList, false); }

    std::vector<UndoEntry> undoList, redoList;
    int clears = 0;

private:
    static void Release(std::vector<UndoEntry>& list) {
        std::vector<UndoEntry> entries;
        entries.swap(list);
        for (UndoEntry& entry : entries)
            if (entry.release) entry.release(entry.arg);
    }
    bool Replay(std::vector<UndoEntry>& list, bool undo) {
        if (list.empty()) return true;
        std::size_t index = list.size() - 1;
        UndoEntry entry = list[index];
        int32_t result = undo ? entry.undo(entry.arg) : entry.redo(entry.arg);
        if (result != 0) {
            Clear();
            return false;
        }
        if (entry.release) entry.release(entry.arg);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
        return true;
    }
};

class PlanTest : public ::testing::Test {
protected:
    PlanTest() { masks().clear(); root.AddListener(&PlanTest::Listen); }

    static std::vector<uint32_t>& masks() {
        static std::vector<uint32_t> received;
        return received;
    }
    static void Listen(uint32_t mask) { masks().push_back(mask); }

    template <class Collection, class Fill = void (*)(void*)>
    auto Added(Collection* collection, const char* name, Fill fill = [](void*) {}) {
        Begin();
        auto* record = collection->Create();
        record->SetName(name);
        fill(record);
        EXPECT_EQ(collection->Add(record), kDataOk);
        root.CommitTransaction();
        return record;
    }

    CResourceGroup* AddResourceGroup(const char* name) {
        return Added(root.resourceGroups, name);
    }
    CTaskGroup* AddTaskGroup(const char* name) { return Added(root.taskGroups, name); }
    template <class Collection, class Group>
    auto AddMember(Collection* collection, const char* name, Group* group) {
        return Added(collection, name, [&](auto* r) { r->group = group; });
    }
    CResource* AddResource(const char* name, CResourceGroup* group = nullptr) {
        return AddMember(root.resources, name, group);
    }
    CTask* AddTask(const char* name, CTaskGroup* group = nullptr) {
        return AddMember(root.tasks, name, group);
    }
    // Times as (day, minutes); one booking per transaction.
    CBooking* AddBooking(CResource* resource, CTask* task, int32_t startDay, int16_t startMinutes,
                         int32_t endDay, int16_t endMinutes, const char* text = "") {
        Begin();
        CBooking* booking = NewBooking(resource, task, startDay, startMinutes, endDay, endMinutes);
        booking->SetText(text);
        EXPECT_EQ(root.bookings->Add(booking), kDataOk);
        root.CommitTransaction();
        return booking;
    }
    CBooking* NewBooking(CResource* resource, CTask* task, int32_t startDay, int16_t startMinutes,
                         int32_t endDay, int16_t endMinutes) {
        CBooking* booking = root.bookings->Create();
        booking->resource = resource;
        booking->task = task;
        booking->startDay = startDay;
        booking->startMinutes = startMinutes;
        booking->endDay = endDay;
        booking->endMinutes = endMinutes;
        return booking;
    }
    void Begin(const char* name = "Edit") { ASSERT_EQ(root.BeginTransaction(name), kDataOk); }

    std::vector<CBooking*> Period(int32_t startDay, int16_t startMinutes, int32_t endDay,
                                  int16_t endMinutes) {
        std::vector<CBooking*> found(static_cast<std::size_t>(
            root.bookings->GetCountInPeriod(startDay, startMinutes, endDay, endMinutes)));
        int32_t n = root.bookings->GetInPeriod(found.data(), startDay, startMinutes, endDay, endMinutes);
        EXPECT_EQ(static_cast<std::size_t>(n), found.size());
        return found;
    }
    std::vector<CBooking*> AllBookings() {
        std::vector<CBooking*> all(static_cast<std::size_t>(root.bookings->GetCount()));
        root.bookings->GetAll(all.data());
        return all;
    }

    FakeHistory history;
    PlanRoot root{&history};
};
