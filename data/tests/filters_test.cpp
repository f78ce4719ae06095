#include "plan_fixture.h"

namespace {

class FiltersTest : public PlanTest {
protected:
    void SetUp() override {
        group = AddTaskGroup("Phase");
        anna = AddResource("Anna");
        ben = AddResource("Ben");
        grouped = AddTask("Grouped", group);
        plain = AddTask("Plain");
        flagged = AddBooking(anna, grouped, 1, 0, 2, 0);
        Begin();
        unflagged = NewBooking(ben, plain, 1, 0, 2, 0);
        unflagged->flag = 0;
        ASSERT_EQ(root.bookings->Add(unflagged), kDataOk);
        root.CommitTransaction();
        filter = root.filters->Create();   // like the host's public filter: never added
    }
    void TearDown() override { filter->Delete(); }

    std::vector<CBooking*> Passing() {
        CBooking* in[2] = {flagged, unflagged};
        std::vector<CBooking*> out(2);
        out.resize(static_cast<std::size_t>(filter->FilterBookings(in, 2, out.data())));
        EXPECT_EQ(filter->FilterBookings(in, 2, nullptr), static_cast<int32_t>(out.size()));
        return out;
    }

    CTaskGroup* group = nullptr;
    CResource *anna = nullptr, *ben = nullptr;
    CTask *grouped = nullptr, *plain = nullptr;
    CBooking *flagged = nullptr, *unflagged = nullptr;
    CFilter* filter = nullptr;
};

TEST_F(FiltersTest, ModesSelectByFlag) {
    filter->mode = kFilterAll;
    EXPECT_EQ(Passing(), (std::vector<CBooking*>{flagged, unflagged}));
    filter->mode = kFilterFlagged;
    EXPECT_EQ(Passing(), std::vector<CBooking*>{flagged});
    filter->mode = kFilterUnflagged;
    EXPECT_EQ(Passing(), std::vector<CBooking*>{unflagged});
}

TEST_F(FiltersTest, OnlyTheResourceAndTaskSetsLeaveBookingsOut) {
    filter->SetExcludedTaskGroups(&group, 1);
    EXPECT_EQ(Passing().size(), 2u);   // the group set is not consulted
    filter->SetExcludedTasks(&grouped, 1);
    EXPECT_EQ(Passing(), std::vector<CBooking*>{unflagged});
    filter->SetExcludedResources(&ben, 1);
    EXPECT_TRUE(Passing().empty());
    filter->Clear();
    EXPECT_EQ(Passing().size(), 2u);
}

TEST_F(FiltersTest, SettersDropDuplicatesAndKeepOrder) {
    CResource* items[] = {ben, anna, ben};
    filter->SetExcludedResources(items, 3);
    CResource* got[2] = {};
    EXPECT_EQ(filter->GetExcludedResourceCount(), 2);
    EXPECT_EQ(filter->GetExcludedResources(got), 2);
    EXPECT_EQ(got[0], ben);
    EXPECT_EQ(got[1], anna);
    EXPECT_TRUE(filter->IsResourceExcluded(anna));
    EXPECT_FALSE(filter->IsTaskExcluded(plain));
}

TEST_F(FiltersTest, RemoveMissingDropsDeletedRecords) {
    filter->SetExcludedResources(&anna, 1);
    filter->SetExcludedTasks(&plain, 1);
    Begin("Delete");
    anna->Delete();
    root.CommitTransaction();
    filter->RemoveMissing();
    EXPECT_EQ(filter->GetExcludedResourceCount(), 0);
    EXPECT_EQ(filter->GetExcludedTaskCount(), 1);
}

TEST_F(FiltersTest, DeletingARecordTakesItOutOfSavedFiltersUndoably) {
    CFilter* saved = Added(root.filters, "Saved");
    Begin();
    saved->BeginChange();
    saved->SetExcludedTasks(&plain, 1);
    saved->SetExcludedTaskGroups(&group, 1);
    root.CommitTransaction();

    masks().clear();
    Begin("Delete");
    plain->Delete();
    group->Delete();
    root.CommitTransaction();
    EXPECT_EQ(masks(), std::vector<uint32_t>{kChangeTaskGroups | kChangeTasks | kChangeBookings |
                                             kChangeFilters});
    EXPECT_EQ(saved->GetExcludedTaskCount(), 0);
    EXPECT_EQ(saved->GetExcludedTaskGroupCount(), 0);
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(saved->IsTaskExcluded(plain));
    EXPECT_TRUE(saved->IsTaskGroupExcluded(group));
    EXPECT_EQ(grouped->group, group);
}

}  // namespace
