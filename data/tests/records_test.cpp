#include <cstring>
#include <functional>

#include "plan_fixture.h"
#include "support/calendar_values.h"

namespace {

using RecordsTest = PlanTest;

TEST_F(RecordsTest, NewRecordsCarryTheirDefaults) {
    CTask* task = root.tasks->Create();
    CBooking* booking = root.bookings->Create();
    CResource* resource = root.resources->Create();
    EXPECT_EQ(task->color2, 0x0080FFFFu);
    EXPECT_EQ(task->orderIndex, -1);
    EXPECT_EQ(booking->color2, 0x00FFFFFFu);
    EXPECT_EQ(booking->flag, 1);
    EXPECT_EQ(resource->group, nullptr);
    EXPECT_EQ(resource->id, 0);
    for (auto* record : {static_cast<CRecord*>(task), static_cast<CRecord*>(booking),
                         static_cast<CRecord*>(resource)})
        EXPECT_EQ(record->root, &root);
    task->Delete();
    booking->Delete();
    resource->Delete();

    CPlanProperties* properties = root.properties;
    int year = CDate::Today().GetYear();
    EXPECT_EQ(properties->periodStart, CDate(1, 1, year).GetJulianDay());
    EXPECT_EQ(properties->periodEnd, CDate(31, 12, year).GetJulianDay());
    EXPECT_EQ(properties->dayStartMinutes, 480);
    EXPECT_EQ(properties->dayEndMinutes, 1020);
    const uint8_t workdays[7] = {1, 1, 1, 1, 1, 0, 0};
    EXPECT_EQ(std::memcmp(properties->workingDays, workdays, 7), 0);
    EXPECT_EQ(properties->passwordFlag, 0);
    EXPECT_FALSE(properties->IsWriteProtected());
}

TEST_F(RecordsTest, TextSettersCutOnACharacterBoundary) {
    CResource* resource = root.resources->Create();
    std::string longName(98, 'a');
    longName += "\xC3\xA9";   // a two-byte character that would end at byte 100
    resource->SetName(longName);
    EXPECT_EQ(std::strlen(resource->name), 98u);
    resource->SetName(std::string(150, 'x'));
    EXPECT_EQ(std::strlen(resource->name), 99u);
    resource->Delete();
}

TEST_F(RecordsTest, InvalidRecordsAreRefusedAndRollTheTransactionBack) {
    CResource* kept = AddResource("Anna");
    CTask* task = AddTask("Build");
    // Each case makes a record Add must refuse, adds it, and frees it.
    struct Case {
        const char* what;
        std::function<int32_t()> addInvalid;
    };
    auto refuse = [](auto* collection, auto* record) {
        int32_t status = collection->Add(record);
        EXPECT_EQ(record->id, 0);
        record->Delete();   // still the caller's: never added, freed at once
        return status;
    };
    const Case cases[] = {
        {"booking without task",
         [&] { return refuse(root.bookings, NewBooking(kept, nullptr, 1, 0, 2, 0)); }},
        {"booking without resource",
         [&] { return refuse(root.bookings, NewBooking(nullptr, task, 1, 0, 2, 0)); }},
        {"unnamed resource", [&] { return refuse(root.resources, root.resources->Create()); }},
        {"unnamed task group", [&] { return refuse(root.taskGroups, root.taskGroups->Create()); }},
        {"unnamed filter", [&] { return refuse(root.filters, root.filters->Create()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        masks().clear();
        Begin();
        ASSERT_EQ(kept->BeginChange(), kDataOk);
        kept->SetName("Changed");
        CResource* extra = root.resources->Create();
        extra->SetName("Extra");
        ASSERT_EQ(root.resources->Add(extra), kDataOk);
        EXPECT_EQ(c.addInvalid(), kDataInvalidRecord);
        root.CommitTransaction();   // does nothing after the cancel
        EXPECT_STREQ(kept->name, "Anna");
        EXPECT_EQ(root.resources->GetCount(), 1);
        EXPECT_TRUE(masks().empty());
        EXPECT_TRUE(history.undoList.size() == 2u);   // Anna and Build only
    }
}

TEST_F(RecordsTest, ChangesOutsideATransactionAreRefused) {
    CResource* resource = AddResource("Anna");
    EXPECT_EQ(resource->BeginChange(), kDataRefused);
    EXPECT_EQ(resource->Delete(), kDataRefused);
    EXPECT_EQ(root.properties->BeginChange(), kDataRefused);
    CTask* task = root.tasks->Create();
    task->SetName("Loose");
    EXPECT_EQ(root.tasks->Add(task), kDataRefused);
    EXPECT_EQ(task->id, 0);
    EXPECT_EQ(task->Delete(), kDataOk);   // never added: freed at once
    EXPECT_EQ(root.resources->GetCount(), 1);
}

TEST_F(RecordsTest, DeletingAResourceTakesItsBookingsOfEveryDate) {
    CResource* anna = AddResource("Anna");
    CResource* ben = AddResource("Ben");
    CTask* task = AddTask("Build");
    AddBooking(anna, task, 100, 0, 101, 0);
    AddBooking(anna, task, 900000, 0, 900001, 0);
    CBooking* bens = AddBooking(ben, task, 100, 0, 101, 0);
    Begin("Delete");
    EXPECT_EQ(anna->Delete(), kDataOk);
    root.CommitTransaction();
    EXPECT_EQ(root.resources->GetCount(), 1);
    EXPECT_EQ(AllBookings(), std::vector<CBooking*>{bens});
}

TEST_F(RecordsTest, DeletingAGroupLeavesItsMembersUngrouped) {
    CResourceGroup* group = AddResourceGroup("Crew");
    CResource* anna = AddResource("Anna", group);
    CResource* ben = AddResource("Ben", group);
    EXPECT_EQ(group->GetResourceCount(), 2);
    Begin("Delete");
    EXPECT_EQ(group->Delete(), kDataOk);
    root.CommitTransaction();
    EXPECT_EQ(root.resourceGroups->GetCount(), 0);
    EXPECT_EQ(anna->group, nullptr);
    EXPECT_EQ(ben->group, nullptr);
    EXPECT_EQ(root.resources->GetCount(), 2);
}

TEST_F(RecordsTest, CopyFromKeepsTheTargetsId) {
    CResource* anna = AddResource("Anna");
    CTask* task = AddTask("Build");
    CBooking* source = AddBooking(anna, task, 10, 60, 11, 120, "note");
    CBooking* target = AddBooking(anna, task, 20, 0, 21, 0);
    Begin();
    target->BeginChange();
    source->reserved[3] = 7;
    EXPECT_EQ(target->CopyFrom(source), 0);
    root.CommitTransaction();
    EXPECT_NE(target->id, source->id);
    EXPECT_EQ(target->startDay, 10);
    EXPECT_EQ(target->endMinutes, 120);
    EXPECT_STREQ(target->text, "note");
    EXPECT_EQ(target->reserved[3], 7);
}

TEST_F(RecordsTest, GroupMembersComeInCollectionOrder) {
    CTaskGroup* group = AddTaskGroup("Phase");
    CTask* first = AddTask("One", group);
    AddTask("Loose");
    CTask* second = AddTask("Two", group);
    CTask* members[2] = {};
    EXPECT_EQ(group->GetTasks(members), 2);
    EXPECT_EQ(members[0], first);
    EXPECT_EQ(members[1], second);
}

}  // namespace
