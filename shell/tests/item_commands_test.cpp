#include <gtest/gtest.h>

#include "data_status.h"
#include "item_fixture.h"
#include "testing/temp_directory.h"

namespace {

using namespace itemtest;

// Each change of the order: the lists after it and the name of its undo step.
TEST_F(ItemCommandsTest, EveryChangeKeepsTheSequencesContiguous) {
    ASSERT_EQ(Order(data), kStart);
    const struct {
        const char* what;
        std::function<bool(ItemCommandsTest&)> run;
        const char* order;
        unsigned step;
    } cases[] = {
        {"delete an ungrouped item in the middle", [](auto& t) { return t.commands.DeleteItem(t.b); },
         "A:0 G1:1(g1a:0 g1b:1 g1c:2) G2:2(g2a:0) C:3", ids::UNDO_DELETE_RESOURCE},
        {"delete the first item of the top level", [](auto& t) { return t.commands.DeleteItem(t.a); },
         "G1:0(g1a:0 g1b:1 g1c:2) B:1 G2:2(g2a:0) C:3", ids::UNDO_DELETE_RESOURCE},
        {"delete an item of a group", [](auto& t) { return t.commands.DeleteItem(t.g1b); },
         "A:0 G1:1(g1a:0 g1c:1) B:2 G2:3(g2a:0) C:4", ids::UNDO_DELETE_RESOURCE},
        {"delete a group of three: its items take its place in order",
         [](auto& t) { return t.commands.DeleteGroup(t.g1); }, "A:0 g1a:1 g1b:2 g1c:3 B:4 G2:5(g2a:0) C:6",
         ids::UNDO_DELETE_RESOURCE_GROUP},
        {"delete a group of one", [](auto& t) { return t.commands.DeleteGroup(t.g2); },
         "A:0 G1:1(g1a:0 g1b:1 g1c:2) B:2 g2a:3 C:4", ids::UNDO_DELETE_RESOURCE_GROUP},
        {"add with no place appends to the top level",
         [](auto& t) { t.Answer("N", nullptr); return t.commands.AddItem(nullptr, -1, -1) != nullptr; },
         "A:0 G1:1(g1a:0 g1b:1 g1c:2) B:2 G2:3(g2a:0) C:4 N:5", ids::UNDO_ADD_RESOURCE},
        {"add with no place into a group chosen in the dialog appends to it",
         [](auto& t) { t.Answer("N", t.g1); return t.commands.AddItem(nullptr, -1, -1) != nullptr; },
         "A:0 G1:1(g1a:0 g1b:1 g1c:2 N:3) B:2 G2:3(g2a:0) C:4", ids::UNDO_ADD_RESOURCE},
        {"add at a top-level place makes room",
         [](auto& t) { t.Answer("N", nullptr); return t.commands.AddItem(nullptr, 2, -1) != nullptr; },
         "A:0 G1:1(g1a:0 g1b:1 g1c:2) N:2 B:3 G2:4(g2a:0) C:5", ids::UNDO_ADD_RESOURCE},
        {"add at the head of the preselected group",
         [](auto& t) { t.Answer("N", t.g1); return t.commands.AddItem(t.g1, 2, 0) != nullptr; },
         "A:0 G1:1(N:0 g1a:1 g1b:2 g1c:3) B:2 G2:3(g2a:0) C:4", ids::UNDO_ADD_RESOURCE},
        {"add out of the preselected group goes to the top-level place",
         [](auto& t) { t.Answer("N", nullptr); return t.commands.AddItem(t.g1, 2, 0) != nullptr; },
         "A:0 G1:1(g1a:0 g1b:1 g1c:2) N:2 B:3 G2:4(g2a:0) C:5", ids::UNDO_ADD_RESOURCE},
        {"add into another group than the preselected one appends to it",
         [](auto& t) { t.Answer("N", t.g2); return t.commands.AddItem(t.g1, 2, 0) != nullptr; },
         "A:0 G1:1(g1a:0 g1b:1 g1c:2) B:2 G2:3(g2a:0 N:1) C:4", ids::UNDO_ADD_RESOURCE},
        {"edit into a group puts the item at its end",
         [](auto& t) { t.Answer("B", t.g1); return t.commands.EditItem(t.b); },
         "A:0 G1:1(g1a:0 g1b:1 g1c:2 B:3) G2:2(g2a:0) C:3", ids::UNDO_EDIT_RESOURCE},
        {"edit out of a group puts the item right after the group",
         [](auto& t) { t.Answer("g1b", nullptr); return t.commands.EditItem(t.g1b); },
         "A:0 G1:1(g1a:0 g1c:1) g1b:2 B:3 G2:4(g2a:0) C:5", ids::UNDO_EDIT_RESOURCE},
        {"move down inside a group", [](auto& t) { return t.commands.MoveItem(t.g1a, 2, t.g1); },
         "A:0 G1:1(g1b:0 g1c:1 g1a:2) B:2 G2:3(g2a:0) C:4", ids::UNDO_MOVE_RESOURCE},
        {"move up at the top level", [](auto& t) { return t.commands.MoveItem(t.c, 1, nullptr); },
         "A:0 C:1 G1:2(g1a:0 g1b:1 g1c:2) B:3 G2:4(g2a:0)", ids::UNDO_MOVE_RESOURCE},
        {"move into another group", [](auto& t) { return t.commands.MoveItem(t.b, 0, t.g2); },
         "A:0 G1:1(g1a:0 g1b:1 g1c:2) G2:2(B:0 g2a:1) C:3", ids::UNDO_MOVE_RESOURCE},
        {"move a group to the end", [](auto& t) { return t.commands.MoveGroup(t.g1, 4); },
         "A:0 B:1 G2:2(g2a:0) C:3 G1:4(g1a:0 g1b:1 g1c:2)", ids::UNDO_MOVE_RESOURCE_GROUP},
        {"add a group at a place", [](auto& t) {
             t.dialogs.onGroup = [](std::string& name) { name = "G3"; return true; };
             return t.commands.AddGroup(0) != nullptr;
         },
         "G3:0() A:1 G1:2(g1a:0 g1b:1 g1c:2) B:3 G2:4(g2a:0) C:5", ids::UNDO_ADD_RESOURCE_GROUP},
        {"sort by name", [](auto& t) { return t.commands.SortByName(); },
         "A:0 B:1 C:2 G1:3(g1a:0 g1b:1 g1c:2) G2:4(g2a:0)", ids::UNDO_SORT_RESOURCES},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        const std::string before = Snapshot(data);
        EXPECT_TRUE(test.run(*this));
        EXPECT_EQ(Order(data), test.order);
        EXPECT_EQ(LastStep(), plat::LoadResString(test.step));
        EXPECT_EQ(history.undoList.size(), 1u);
        ASSERT_TRUE(history.Undo());
        EXPECT_EQ(Snapshot(data), before);
        EXPECT_EQ(Order(data), kStart);
        history.Clear();
        dialogs = ScriptedItemDialogs{};
    }
}

// Deleting a resource asks with its name and takes its bookings in the same step.
TEST_F(ItemCommandsTest, DeletingAResourceTakesItsBookingsInOneStep) {
    CTask* task = plan.Task("Dig", 0);
    plan.Booking(b, task, kDay, 480, kDay, 600);
    plan.Booking(b, task, kDay + 1, 480, kDay + 1, 600);
    plan.Booking(c, task, kDay, 480, kDay, 600);
    history.Clear();
    const std::string before = Snapshot(data);

    dialogs.confirm = false;
    EXPECT_FALSE(commands.DeleteItem(b));
    EXPECT_EQ(Snapshot(data), before);
    EXPECT_TRUE(history.undoList.empty());

    dialogs.confirm = true;
    EXPECT_TRUE(commands.DeleteItem(b));
    ASSERT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(dialogs.questions[1], "Delete the resource \"B\" and its bookings?");
    EXPECT_EQ(data->bookings->GetCount(), 1);
    EXPECT_EQ(history.undoList.size(), 1u);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(Snapshot(data), before);
}

TEST_F(ItemCommandsTest, ADeclinedGroupDeleteChangesNothing) {
    dialogs.confirm = false;
    EXPECT_FALSE(commands.DeleteGroup(g1));
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Delete the resource group \"G1\"?"});
    EXPECT_EQ(Order(data), kStart);
    EXPECT_TRUE(history.undoList.empty());
}

// Of an ungrouped item and a group of the same name the item comes first;
// a sort that changes nothing is still one step.
TEST_F(ItemCommandsTest, SortPutsItemsBeforeGroupsOfTheSameNameAndAlwaysMakesAStep) {
    plan.Resource("g1", 5);
    history.Clear();
    ASSERT_TRUE(commands.SortByName());
    const std::string sorted = Order(data);
    EXPECT_EQ(sorted, "A:0 B:1 C:2 g1:3 G1:4(g1a:0 g1b:1 g1c:2) G2:5(g2a:0)");
    history.Clear();
    ASSERT_TRUE(commands.SortByName());
    EXPECT_EQ(Order(data), sorted);
    ASSERT_EQ(history.undoList.size(), 1u);
    EXPECT_EQ(LastStep(), plat::LoadResString(ids::UNDO_SORT_RESOURCES));
}

std::vector<uint32_t> heardChanges;
void HearChange(uint32_t mask) { heardChanges.push_back(mask); }

// A sort that finds everything in order still tells the listeners, of the
// kind of the first record: an item, else a group; nothing when both lists are empty.
TEST_F(ItemCommandsTest, ASortWithNothingToReorderStillTellsTheListeners) {
    CTaskCommands tasks{data, dialogs};
    ASSERT_TRUE(commands.SortByName());
    ASSERT_TRUE(data->AddListener(&HearChange));
    const struct {
        const char* what;
        std::function<void()> arrange;
        std::function<bool()> sort;
        std::vector<uint32_t> heard;
    } cases[] = {
        {"resources in order", [] {}, [&] { return commands.SortByName(); }, {kChangeResources}},
        {"no tasks at all", [] {}, [&] { return tasks.SortByName(); }, {}},
        {"task groups without tasks", [&] { plan.TaskGroup("Digging", 0); }, [&] { return tasks.SortByName(); },
         {kChangeTaskGroups}},
        {"tasks in order", [&] { plan.Task("Lift", 1); }, [&] { return tasks.SortByName(); }, {kChangeTasks}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        test.arrange();
        heardChanges.clear();
        EXPECT_TRUE(test.sort());
        EXPECT_EQ(heardChanges, test.heard);
    }
}

TEST_F(ItemCommandsTest, RenumberOrderMovesTheRangeOfOneSequence) {
    ASSERT_EQ(data->BeginTransaction("renumber"), kDataOk);
    EXPECT_EQ(commands.RenumberOrder(0, 0, nullptr, -1), kDataOk);
    EXPECT_EQ(Order(data), kStart);
    EXPECT_EQ(commands.RenumberOrder(10, 2, nullptr, -1), kDataOk);
    EXPECT_EQ(commands.RenumberOrder(5, 1, g1, 1), kDataOk);
    ASSERT_EQ(data->CommitTransaction(), kDataOk);
    EXPECT_EQ(Order(data), "A:0 G1:1(g1a:0 g1c:2 g1b:6) B:12 G2:13(g2a:0) C:14");
}

// A name past the limit is cut on a character boundary, never inside one.
TEST_F(ItemCommandsTest, LongMultiByteNamesAreCutOnACharacterBoundary) {
    for (const std::size_t letters : {49u, 50u, 60u}) {
        std::string name;
        for (std::size_t i = 0; i < letters; ++i) name += "\xC3\xA9";   // é, two bytes
        Answer(name.c_str(), nullptr);
        CResource* added = commands.AddItem(nullptr, -1, -1);
        ASSERT_NE(added, nullptr);
        const std::string stored = added->name;
        EXPECT_EQ(stored.size(), std::min<std::size_t>(letters * 2, 98u)) << letters;
        EXPECT_EQ(stored, name.substr(0, stored.size()));
    }
}

// Nothing happens, and no step is made, for moves onto the same place or for records not in the document.
TEST_F(ItemCommandsTest, RefusedChangesMakeNoStep) {
    CResourceGroup* loose = data->resourceGroups->Create();
    const struct {
        const char* what;
        std::function<bool()> run;
    } cases[] = {
        {"item onto its own place", [&] { return commands.MoveItem(g1b, 1, g1); }},
        {"group onto its own place", [&] { return commands.MoveGroup(g2, 3); }},
        {"negative place", [&] { return commands.MoveItem(a, -1, nullptr); }},
        {"a group not in the document", [&] { return commands.MoveItem(a, 0, loose); }},
        {"delete a group not in the document", [&] { return commands.DeleteGroup(loose); }},
        {"edit nothing", [&] { return commands.EditItem(nullptr); }},
        {"cancelled add", [&] { return commands.AddItem(nullptr, -1, -1) != nullptr; }},
        {"cancelled group add", [&] { return commands.AddGroup(-1) != nullptr; }},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        EXPECT_FALSE(test.run());
        EXPECT_EQ(Order(data), kStart);
        EXPECT_TRUE(history.undoList.empty());
    }
    loose->Delete();
}

// A document opened with its second password is only looked at.
TEST_F(ItemCommandsTest, WriteProtectedDocumentRefusesEveryChange) {
    testing::TempDirectory dir;
    const std::string path = dir.File("plan.qel");
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "full", "look"), kDataOk);
    ASSERT_EQ(data->Open(path.c_str(), false, "look", true), kDataReadOnly);
    ASSERT_TRUE(data->properties->IsWriteProtected());
    const auto resources = All<CResource>(data->resources);
    const auto groups = All<CResourceGroup>(data->resourceGroups);
    Answer("changed", nullptr);
    dialogs.onGroup = [](std::string& name) { name = "changed"; return true; };
    const std::string before = Snapshot(data);
    history.Clear();
    const struct {
        const char* what;
        std::function<bool()> run;
        int dialogsShown;
    } cases[] = {
        {"add", [&] { return commands.AddItem(nullptr, -1, -1) != nullptr; }, 0},
        {"edit shows the record only", [&] { return commands.EditItem(resources[0]); }, 1},
        {"delete", [&] { return commands.DeleteItem(resources[0]); }, 0},
        {"move", [&] { return commands.MoveItem(resources[0], 3, nullptr); }, 0},
        {"add group", [&] { return commands.AddGroup(-1) != nullptr; }, 0},
        {"edit group shows the group only", [&] { return commands.EditGroup(groups[0]); }, 1},
        {"move group", [&] { return commands.MoveGroup(groups[0], 0); }, 0},
        {"delete group", [&] { return commands.DeleteGroup(groups[0]); }, 0},
        {"sort", [&] { return commands.SortByName(); }, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        dialogs.resourceDialogs.clear();
        dialogs.groupDialogs = 0;
        dialogs.questions.clear();
        EXPECT_FALSE(test.run());
        EXPECT_EQ(int(dialogs.resourceDialogs.size()) + dialogs.groupDialogs, test.dialogsShown);
        if (!dialogs.resourceDialogs.empty()) { EXPECT_TRUE(dialogs.resourceDialogs[0].readOnly); }
        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_EQ(Snapshot(data), before);
        EXPECT_TRUE(history.undoList.empty());
    }
}

// Tasks share the operations; their colours go both ways.
TEST_F(ItemCommandsTest, TaskColoursReachTheDialogAndTheTask) {
    CTaskCommands tasks{data, dialogs};
    CTask* dig = plan.Task("Dig", 0, nullptr, 0x112233, 0x445566);
    dialogs.onTask = [](TaskFields& f) {
        f.color1 = 0x010203;
        f.name = "Dig deeper";
        return true;
    };
    ASSERT_TRUE(tasks.EditItem(dig));
    ASSERT_EQ(dialogs.taskDialogs.size(), 1u);
    EXPECT_EQ(dialogs.taskDialogs[0].color1, 0x112233u);
    EXPECT_EQ(dialogs.taskDialogs[0].color2, 0x445566u);
    EXPECT_EQ(dig->color1, 0x010203u);
    EXPECT_STREQ(dig->name, "Dig deeper");
    EXPECT_EQ(LastStep(), plat::LoadResString(ids::UNDO_EDIT_TASK));
}

}  // namespace
