// The resource list in the real program, opened from its menu command over
// a plan with more resources than the list shows: which entry is selected
// after a delete and after a move, and a drag that rests against an edge
// of the list to reach a line out of sight.

#include <gtest/gtest.h>

#include <cstdlib>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>

#include "app_fixture.h"
#include "app_ids.h"
#include "item_ids.h"
#include "item_list_dialog.h"
#include "main_app.h"
#include "main_frame.h"
#include "plan_builder.h"
#include "plan_data.h"
#include "settings_store.h"
#include "ui/message.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"

namespace {

constexpr int kLooseResources = 30;

class ItemListProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Substitute("Views.plugin", QEL_VIEWS_PLUGIN);
        app = apptest::StartShown(dir, 900, 600);
        ASSERT_TRUE(app);
        frame = app->MainFrame();
        BuildPlan();
    }
    void TearDown() override { apptest::EndUnsaved(app); }

    // Cranes (Crane A, B, C), then R00 to R29 without a group, then Trucks (Truck A).
    void BuildPlan() {
        dlgtest::PlanBuilder plan(frame->Data());
        CResourceGroup* cranes = plan.ResourceGroup("Cranes", 0);
        for (int i = 0; i < 3; ++i) plan.Resource(("Crane " + std::string(1, char('A' + i))).c_str(), i, cranes);
        for (int i = 0; i < kLooseResources; ++i) {
            const std::string name = (i < 10 ? "R0" : "R") + std::to_string(i);
            plan.Resource(name.c_str(), i + 1);
        }
        plan.Resource("Truck A", 0, plan.ResourceGroup("Trucks", kLooseResources + 1));
    }

    // The Resources dialog from its menu command; act runs in it, then it is closed.
    void RunList(std::function<void(CItemListDlg*, CImageDragListBox*)> act) {
        bool ran = false;
        dlgtest::WhenModal<CItemListDlg>([&](CItemListDlg* dialog) {
            auto* list = static_cast<CImageDragListBox*>(dialog->GetDlgItem(IDC_ITEM_LIST));
            act(dialog, list);
            ran = true;
            static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDCANCEL))->click();
        });
        frame->OnCommand(app_ids::ID_RESOURCE_LIST);
        EXPECT_TRUE(ran);
    }

    // An entry as "group/item": "Cranes/" for the group, "/R00" for an ungrouped item.
    static std::string Describe(const ListEntry& entry) {
        return std::string(entry.group != nullptr ? entry.group->name : "") + "/" +
               (entry.item != nullptr ? entry.item->name : "");
    }
    static std::string SelectedEntry(const CItemListDlg* dialog) {
        const int selected = dialog->Selected();
        return selected >= 0 && selected < int(dialog->Entries().size())
                   ? Describe(dialog->Entries()[std::size_t(selected)])
                   : "none";
    }
    static int RowOf(const QListWidget* list, const QString& text) {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        return found.size() == 1 ? list->row(found.front()) : -1;
    }
    // The plan's resource list as the dialog shows it.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        RunList([&](CItemListDlg* dialog, CImageDragListBox*) {
            for (const ListEntry& entry : dialog->Entries()) lines.push_back(Describe(entry));
        });
        return lines;
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
};

// A delete selects the entry that was above the deleted one (the first
// entry when the first was deleted).
TEST_F(ItemListProgramTest, ADeleteSelectsTheEntryAbove) {
    const std::vector<std::string> start = Lines();
    const struct {
        const char* what;
        const char* deleted;
        const char* selected;
    } cases[] = {
        {"an item of a group: the item above", "Crane B", "Cranes/Crane A"},
        {"the first item of a group: its group", "Crane A", "Cranes/"},
        {"an item after a group: the group's last item", "R00", "Cranes/Crane C"},
        {"a group: the entry above it", "Trucks", "/R29"},
        {"the first entry: the new first", "Cranes", "/Crane A"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        prompts.AnswerMessage(ui::IDYES);
        RunList([&](CItemListDlg* dialog, CImageDragListBox* list) {
            list->setCurrentRow(RowOf(list, test.deleted));
            static_cast<QAbstractButton*>(dialog->GetDlgItem(IDC_ITEM_LIST_DELETE))->click();
            EXPECT_EQ(RowOf(list, test.deleted), -1);
            EXPECT_EQ(SelectedEntry(dialog), test.selected);
        });
        EXPECT_TRUE(prompts.allAnswered());
        frame->OnCommand(app_ids::ID_UNDO);
        EXPECT_EQ(Lines(), start);
    }
}

// After a move by button, by Alt and an arrow key or by a drop, the moved
// entry is selected where it went, in its new group.
TEST_F(ItemListProgramTest, AMoveSelectsTheMovedEntry) {
    const std::vector<std::string> start = Lines();
    const auto button = [](int id) {
        return [id](CItemListDlg* dialog, CImageDragListBox*) {
            static_cast<QAbstractButton*>(dialog->GetDlgItem(id))->click();
        };
    };
    const auto altKey = [](Qt::Key key) {
        return [key](CItemListDlg*, CImageDragListBox* list) { QTest::keyClick(list, key, Qt::AltModifier); };
    };
    const auto dropOn = [](const char* target) {
        return [target](CItemListDlg*, CImageDragListBox* list) {
            const QPoint from = list->visualItemRect(list->currentItem()).center();
            const QPoint to = list->visualItemRect(list->item(RowOf(list, target))).center();
            QTest::mousePress(list->viewport(), Qt::LeftButton, {}, from);
            QTest::mouseMove(list->viewport(), to);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, to);
        };
    };
    const struct {
        const char* what;
        const char* moved;
        std::function<void(CItemListDlg*, CImageDragListBox*)> gesture;
        int row;
        const char* selected;
    } cases[] = {
        {"up inside its group", "Crane B", button(IDC_ITEM_LIST_UP), 1, "Cranes/Crane B"},
        {"up out of its group", "Crane A", button(IDC_ITEM_LIST_UP), 0, "/Crane A"},
        {"a group down past an item", "Cranes", altKey(Qt::Key_Down), 1, "Cranes/"},
        {"down into the group below", "R29", altKey(Qt::Key_Right), 34, "Trucks/R29"},
        {"dropped into a group", "R01", dropOn("Crane C"), 3, "Cranes/R01"},
        {"dropped out of a group", "Crane C", dropOn("R02"), 5, "/Crane C"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        RunList([&](CItemListDlg* dialog, CImageDragListBox* list) {
            list->setCurrentRow(RowOf(list, test.moved));
            test.gesture(dialog, list);
            EXPECT_EQ(dialog->Selected(), test.row);
            EXPECT_EQ(SelectedEntry(dialog), test.selected);
        });
        frame->OnCommand(app_ids::ID_UNDO);
        EXPECT_EQ(Lines(), start);
    }
}

// A drag that rests at or past the bottom (top) edge scrolls the list down
// (up), and stops scrolling when the pointer moves back into the list. The
// entry dropped on a line that was out of sight goes right above that line,
// and stays selected; released past the edge, it stays where it was.
TEST_F(ItemListProgramTest, ADragRestingAgainstAnEdgeScrollsToLinesOutOfSight) {
    const struct {
        const char* what;
        const char* dragged;
        bool down;
        int restY;         // from the viewport's top (down: from its bottom)
        bool dropAtRest;   // else in the middle of the list
    } cases[] = {
        {"at the bottom edge", "R01", true, -2, false},
        {"past the bottom edge, released there", "R02", true, 30, true},
        {"at the top edge, dropped there", "R28", false, 1, true},
        {"past the top edge", "R27", false, -30, false},
    };
    const std::vector<std::string> start = Lines();
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        bool dropped = false;
        RunList([&](CItemListDlg* dialog, CImageDragListBox* list) {
            QScrollBar* bar = list->verticalScrollBar();
            ASSERT_GT(bar->maximum(), 6) << "every line is in sight";
            if (!test.down) list->scrollToBottom();
            QWidget* viewport = list->viewport();
            const int firstInSight = list->indexAt(QPoint(4, 1)).row();
            // Scrolled to the end, the last line may stop short of the bottom.
            const int below = list->indexAt(QPoint(4, viewport->height() - 1)).row();
            const int lastInSight = below >= 0 ? below : list->count() - 1;
            const int source = RowOf(list, test.dragged);
            ASSERT_TRUE(source >= firstInSight && source <= lastInSight);

            QTest::mousePress(viewport, Qt::LeftButton, {}, list->visualItemRect(list->item(source)).center());
            const QPoint rest(viewport->width() / 2, test.down ? viewport->height() + test.restY : test.restY);
            const QPoint middle(viewport->width() / 2, viewport->height() / 2);
            const int from = bar->value();
            QTest::mouseMove(viewport, rest);
            EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(bar->value() - from) >= 3; }, 5000)) << bar->value();
            QTest::mouseMove(viewport, middle);
            const int stopped = bar->value();
            QTest::qWait(400);
            EXPECT_EQ(bar->value(), stopped);

            QTest::mouseMove(viewport, rest);
            if (test.dropAtRest && !viewport->rect().contains(rest)) {
                // Lines lie beyond the edge yet, but none is under the pointer.
                QTest::mouseRelease(viewport, Qt::LeftButton, {}, rest);
                EXPECT_EQ(RowOf(list, test.dragged), source);
                return;
            }
            const int end = test.down ? bar->maximum() : bar->minimum();
            EXPECT_TRUE(QTest::qWaitFor([&] { return bar->value() == end; }, 10000)) << bar->value();
            const QPoint dropAt = test.dropAtRest ? rest : middle;
            if (!test.dropAtRest) QTest::mouseMove(viewport, middle);
            const int target = list->indexAt(dropAt).row();
            EXPECT_TRUE(test.down ? target > lastInSight : target < firstInSight) << target;
            ASSERT_GE(target, 0);
            const std::string targetName = list->item(target)->text().toStdString();
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, dropAt);

            EXPECT_EQ(SelectedEntry(dialog), "/" + std::string(test.dragged));
            const int moved = RowOf(list, test.dragged);
            ASSERT_GE(moved, 0);
            EXPECT_EQ(list->item(moved + 1)->text().toStdString(), targetName);
            dropped = true;
        });
        if (dropped) frame->OnCommand(app_ids::ID_UNDO);
        EXPECT_EQ(Lines(), start);
    }
}

}  // namespace
