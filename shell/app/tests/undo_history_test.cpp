#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data_library.h"
#include "host_undo_history.h"
#include "plan_data.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "ui/scripted_prompts.h"

namespace {

const char* Texts(unsigned id) {
    switch (id) {
    case ids::UNDO_FAILED: return "undo failed";
    case ids::REDO_FAILED: return "redo failed";
    case ids::MENU_UNDO: return "&Undo %s";
    case ids::MENU_REDO: return "&Redo %s";
    default: return "";
    }
}

// Steps that log what is done with them; a step's replay pushes the
// matching entry onto the other list, as the data store does.
struct Journal {
    CHostUndoHistory* history = nullptr;
    std::vector<std::string> log;
    bool failNext = false;
};

struct Step {
    Journal* journal;
    std::string name;
};

std::vector<Step*> g_steps;

UndoEntry Entry(Step* step, bool canReplay = true);

int32_t Replay(void* arg, bool undo) {
    auto* step = static_cast<Step*>(arg);
    Journal& j = *step->journal;
    j.log.push_back((undo ? "undo " : "redo ") + step->name);
    if (j.failNext) return 1;
    auto* mirror = new Step{&j, step->name};
    g_steps.push_back(mirror);
    const UndoEntry e = Entry(mirror);
    if (undo) j.history->PushRedo(&e);
    else j.history->PushUndo(&e, false);
    return 0;
}
int32_t UndoStep(void* arg) { return Replay(arg, true); }
int32_t RedoStep(void* arg) { return Replay(arg, false); }
int32_t ReleaseStep(void* arg) {
    auto* step = static_cast<Step*>(arg);
    step->journal->log.push_back("release " + step->name);
    return 0;
}

UndoEntry Entry(Step* step, bool canReplay) {
    UndoEntry e{};
    std::strncpy(e.name, step->name.c_str(), sizeof e.name - 1);
    e.undo = canReplay ? &UndoStep : nullptr;
    e.redo = canReplay ? &RedoStep : nullptr;
    e.release = &ReleaseStep;
    e.arg = step;
    return e;
}

class UndoHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetResourceStringSource(Texts);
        journal.history = &history;
    }
    void TearDown() override {
        history.Clear();
        for (Step* s : g_steps) delete s;
        g_steps.clear();
        plat::SetResourceStringSource(nullptr);
    }
    void Push(const std::string& name, bool canReplay = true) {
        auto* step = new Step{&journal, name};
        g_steps.push_back(step);
        const UndoEntry e = Entry(step, canReplay);
        ASSERT_TRUE(history.PushUndo(&e, true));
    }

    ui::ScriptedPrompts prompts;
    CHostUndoHistory history;
    Journal journal;
};

TEST_F(UndoHistoryTest, EmptyListsDoNothing) {
    EXPECT_TRUE(history.Undo());
    EXPECT_TRUE(history.Redo());
    for (bool undo : {true, false}) {
        EXPECT_FALSE(history.CanUndoRedo(undo));
        EXPECT_EQ(history.GetText(undo), "");
    }
    EXPECT_EQ(UndoRedoMenuText(history, true), "&Undo ");
    EXPECT_TRUE(journal.log.empty());
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(UndoHistoryTest, NullEntriesAreRefused) {
    EXPECT_FALSE(history.PushUndo(nullptr, true));
    EXPECT_FALSE(history.PushRedo(nullptr));
    EXPECT_FALSE(history.CanUndoRedo(true));
}

TEST_F(UndoHistoryTest, UndoAndRedoWalkTheStepsAndNameTheNextOne) {
    Push("Add task");
    Push("Move booking");
    EXPECT_EQ(UndoRedoMenuText(history, true), "&Undo Move booking");

    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(history.GetText(true), "Add task");
    EXPECT_EQ(history.GetText(false), "Move booking");
    EXPECT_EQ(UndoRedoMenuText(history, false), "&Redo Move booking");

    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(history.GetText(true), "Move booking");
    EXPECT_FALSE(history.CanUndoRedo(false));
    EXPECT_EQ(journal.log, (std::vector<std::string>{"undo Move booking", "release Move booking",
                                                     "redo Move booking", "release Move booking"}));
}

TEST_F(UndoHistoryTest, NewStepReleasesTheRedoListOldestFirst) {
    Push("one");
    Push("two");
    history.Undo();
    history.Undo();
    journal.log.clear();
    Push("three");
    EXPECT_EQ(journal.log, (std::vector<std::string>{"release two", "release one"}));
    EXPECT_FALSE(history.CanUndoRedo(false));
    EXPECT_EQ(history.GetText(true), "three");
}

TEST_F(UndoHistoryTest, ClearReleasesTheUndoListThenTheRedoList) {
    Push("a");
    Push("b");
    Push("c");
    history.Undo();
    journal.log.clear();
    history.Clear();
    EXPECT_EQ(journal.log, (std::vector<std::string>{"release a", "release b", "release c"}));
    EXPECT_FALSE(history.CanUndoRedo(true));
    EXPECT_FALSE(history.CanUndoRedo(false));
}

TEST_F(UndoHistoryTest, FailedReplayEmptiesBothListsAndReports) {
    for (bool undo : {true, false}) {
        SCOPED_TRACE(undo ? "undo" : "redo");
        Push("a");
        Push("b");
        Push("c");
        history.Undo();   // c moves to the redo list
        journal.log.clear();
        journal.failNext = true;
        const std::size_t before = prompts.asked().size();

        EXPECT_FALSE(undo ? history.Undo() : history.Redo());
        EXPECT_FALSE(history.CanUndoRedo(true));
        EXPECT_FALSE(history.CanUndoRedo(false));
        EXPECT_EQ(journal.log, (std::vector<std::string>{undo ? "undo b" : "redo c", "release a",
                                                         "release b", "release c"}));
        ASSERT_EQ(prompts.asked().size(), before + 1);
        EXPECT_EQ(prompts.asked().back().text, undo ? "undo failed" : "redo failed");
        EXPECT_EQ(prompts.asked().back().type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
        journal.failNext = false;
    }
}

TEST_F(UndoHistoryTest, StepWithoutReplayStaysInTheList) {
    Push("fixed", false);
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(history.GetText(true), "fixed");
    EXPECT_TRUE(journal.log.empty());
}

TEST_F(UndoHistoryTest, UnterminatedNameIsCutAtTheBuffer) {
    auto* step = new Step{&journal, "x"};
    g_steps.push_back(step);
    UndoEntry e = Entry(step);
    std::memset(e.name, 'n', sizeof e.name);
    history.PushUndo(&e, true);
    EXPECT_EQ(history.GetText(true), std::string(sizeof e.name - 1, 'n'));
}

TEST(UndoHistoryLifetimeTest, DestroyingTheHistoryReleasesEveryEntry) {
    Journal journal;
    Step a{&journal, "a"};
    Step b{&journal, "b"};
    {
        auto* history = new CHostUndoHistory;
        journal.history = history;
        const UndoEntry ea = Entry(&a);
        const UndoEntry eb = Entry(&b);
        history->PushUndo(&ea, true);
        history->PushRedo(&eb);
        delete static_cast<CUndoHistory*>(history);   // as the program deletes it at exit
    }
    EXPECT_EQ(journal.log, (std::vector<std::string>{"release a", "release b"}));
}

}  // namespace

namespace {

// The history as the data store drives it.
TEST(UndoHistoryWithDataTest, TransactionsOfTheDataStoreUndoAndRedo) {
    auto* history = new CHostUndoHistory;
    dlgtest::DataLibrary library(history);
    CPlanData* data = library.data();
    ASSERT_NE(data, nullptr) << library.error();
    ASSERT_EQ(data->BeginTransaction("Add resource"), 0);
    CResource* resource = data->resources->Create();
    resource->SetName("Crane");
    ASSERT_EQ(data->resources->Add(resource), 0);
    ASSERT_EQ(data->CommitTransaction(), 0);
    EXPECT_EQ(history->GetText(true), "Add resource");

    EXPECT_TRUE(history->Undo());
    EXPECT_EQ(data->resources->GetCount(), 0);
    EXPECT_EQ(history->GetText(false), "Add resource");
    EXPECT_TRUE(history->Redo());
    EXPECT_EQ(data->resources->GetCount(), 1);
    EXPECT_EQ(history->GetText(true), "Add resource");
    EXPECT_FALSE(history->CanUndoRedo(false));

    data->Close();   // a replaced document empties the lists
    EXPECT_FALSE(history->CanUndoRedo(true));

    delete static_cast<CUndoHistory*>(history);   // before the library goes, as at exit
}

}  // namespace
