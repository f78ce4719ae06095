#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "booking_fixture.h"
#include "booking_ids.h"
#include "booking_list.h"

namespace {

using namespace booking_ids;

constexpr int32_t kMonday = 2460556;

class BookingListTest : public dlgtest::BookingFixture {
protected:
    void SetUp() override {
        BookingFixture::SetUp();
        crane = plan.Resource("crane", 0);
        digger = plan.Resource("Digger", 1);
        van = plan.Resource("Van", 2);
        roof = plan.Task("Roof", 0);
        wall = plan.Task("Wall", 1);
        vanRoof = plan.Booking(van, roof, kMonday, 480, kMonday, 600);
        craneWall = plan.Booking(crane, wall, kMonday + 1, 420, kMonday + 1, 540);
        diggerRoof = plan.Booking(digger, roof, kMonday, 540, kMonday, 720);
    }
    template <class Dialog>
    void Open(Dialog& dialog, std::vector<CBooking*> list) {
        dialog.bookings = std::move(list);
        dialog.show();
    }
    static QTreeWidget* List(ui::DialogBase& dialog) {
        return static_cast<QTreeWidget*>(dialog.GetDlgItem(IDC_BOOKING_LIST));
    }
    // The first column of each row.
    static std::vector<std::string> Rows(ui::DialogBase& dialog) {
        std::vector<std::string> rows;
        QTreeWidget* list = List(dialog);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows.push_back(list->topLevelItem(i)->text(0).toStdString());
        return rows;
    }
    static void ClickHeader(ui::DialogBase& dialog, int column) {
        emit List(dialog)->header()->sectionClicked(column);
    }
    std::vector<int> EnabledButtons(ui::DialogBase& dialog) {
        std::vector<int> ids;
        for (int id : {IDC_BOOKING_LIST_EDIT, IDC_BOOKING_LIST_DELETE, IDC_BOOKING_LIST_DELETE_ALL,
                       IDC_BOOKING_LIST_COPY, IDC_BOOKING_LIST_CUT})
            if (dialog.GetDlgItem(id)->isEnabled()) ids.push_back(id);
        return ids;
    }

    CResource *crane, *digger, *van;
    CTask *roof, *wall;
    CBooking *vanRoof, *craneWall, *diggerRoof;
    dlgtest::BookingCommands commands{data};
};

TEST_F(BookingListTest, ColumnClicksSortAndTheSecondClickReversesKeepingTheSelection) {
    struct Step {
        int column;   // -1: as opened
        std::uint8_t key;
        bool ascending;
        std::vector<std::string> rows;
    };
    struct Case {
        bool taskFirst;
        std::vector<std::string> headers;
        std::vector<Step> steps;
    } cases[] = {
        {false, {"Resource", "Task", "Start", "End"},
         {{-1, kSortByResource, true, {"crane", "Digger", "Van"}},
          {0, kSortByResource, false, {"Van", "Digger", "crane"}},
          {2, kSortByStart, true, {"Van", "Digger", "crane"}},
          {2, kSortByStart, false, {"crane", "Digger", "Van"}},
          {3, kSortByEnd, true, {"Van", "Digger", "crane"}},
          {1, kSortByTask, true, {"Digger", "Van", "crane"}},   // equal tasks: by resource
          {1, kSortByTask, false, {"crane", "Van", "Digger"}}}},
        {true, {"Task", "Resource", "Start", "End"},
         {{-1, kSortByTask, true, {"Roof", "Roof", "Wall"}},
          {0, kSortByTask, false, {"Wall", "Roof", "Roof"}},
          {1, kSortByResource, true, {"Wall", "Roof", "Roof"}}}},
    };
    for (const Case& c : cases) {
        CBookingListDlg dialog(false, c.taskFirst, &commands);
        Open(dialog, {vanRoof, craneWall, diggerRoof});
        std::vector<std::string> headers;
        for (int i = 0; i < 4; ++i) headers.push_back(List(dialog)->headerItem()->text(i).toStdString());
        EXPECT_EQ(headers, c.headers);
        List(dialog)->setCurrentItem(List(dialog)->topLevelItem(1));
        CBooking* selected = dialog.Selected();
        for (const Step& s : c.steps) {
            if (s.column >= 0) ClickHeader(dialog, s.column);
            EXPECT_EQ(dialog.sortKey(), s.key) << s.column;
            EXPECT_EQ(dialog.ascending(), s.ascending) << s.column;
            EXPECT_EQ(Rows(dialog), s.rows) << s.column;
            EXPECT_EQ(dialog.Selected(), selected) << s.column;
        }
    }
}

TEST_F(BookingListTest, DeletingTheLastListedBookingClosesTheList) {
    CBookingListDlg dialog(false, false, &commands);
    Open(dialog, {vanRoof, craneWall});
    EXPECT_EQ(EnabledButtons(dialog), (std::vector<int>{IDC_BOOKING_LIST_EDIT, IDC_BOOKING_LIST_DELETE,
                                                        IDC_BOOKING_LIST_DELETE_ALL, IDC_BOOKING_LIST_COPY,
                                                        IDC_BOOKING_LIST_CUT}));
    Click(&dialog, IDC_BOOKING_LIST_DELETE);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Rows(dialog), (std::vector<std::string>{"Van"}));
    Click(&dialog, IDC_BOOKING_LIST_DELETE);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), ui::IDOK);
    EXPECT_EQ(commands.calls, (std::vector<std::string>{"delete 1", "delete 1"}));
    EXPECT_EQ(data->bookings->GetCount(), 1);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(BookingListTest, DeleteAllAsksOnlyForMoreThanOneBooking) {
    struct Case {
        std::vector<CBooking*> listed;
        std::vector<int> answers;
        bool deleted;
    } cases[] = {
        {{diggerRoof}, {}, true},
        {{vanRoof, craneWall}, {ui::IDNO}, false},
        {{vanRoof, craneWall}, {ui::IDYES}, true},
    };
    std::size_t asked = 0;
    for (const Case& c : cases) {
        for (int answer : c.answers) prompts.AnswerMessage(answer);
        const int32_t before = data->bookings->GetCount();
        CBookingListDlg dialog(false, false, &commands);
        Open(dialog, c.listed);
        Click(&dialog, IDC_BOOKING_LIST_DELETE_ALL);
        EXPECT_EQ(prompts.asked().size(), asked + c.answers.size());
        for (; asked < prompts.asked().size(); ++asked) {
            EXPECT_EQ(prompts.asked()[asked].text, Text(CONFIRM_DELETE_ALL));
            EXPECT_EQ(prompts.asked()[asked].type,
                      ui::MB_YESNO | ui::MB_ICONEXCLAMATION | ui::MB_DEFBUTTON2);
        }
        EXPECT_EQ(dialog.isVisible(), !c.deleted);
        EXPECT_EQ(data->bookings->GetCount(), before - (c.deleted ? int32_t(c.listed.size()) : 0));
    }
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(BookingListTest, ReadOnlyListOnlyViews) {
    CBookingListDlg dialog(true, false, &commands);
    Open(dialog, {vanRoof, craneWall});
    EXPECT_EQ(EnabledButtons(dialog), (std::vector<int>{IDC_BOOKING_LIST_EDIT}));
    EXPECT_EQ(static_cast<QPushButton*>(dialog.GetDlgItem(IDC_BOOKING_LIST_EDIT))->text().toStdString(),
              Text(VIEW_BUTTON));
    Click(&dialog, IDC_BOOKING_LIST_EDIT);
    EXPECT_EQ(commands.calls, (std::vector<std::string>{"edit crane"}));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(BookingListTest, ChangedBookingStaysSelectedCopyAndCutClose) {
    {
        CBookingListDlg dialog(false, false, &commands);
        Open(dialog, {vanRoof, craneWall, diggerRoof});
        ClickHeader(dialog, 2);   // by start
        List(dialog)->setCurrentItem(List(dialog)->topLevelItem(2));
        EXPECT_EQ(dialog.Selected(), craneWall);
        commands.editChanges = true;
        emit List(dialog)->itemDoubleClicked(List(dialog)->topLevelItem(2), 0);
        EXPECT_EQ(Rows(dialog), (std::vector<std::string>{"crane", "Van", "Digger"}));
        EXPECT_EQ(dialog.Selected(), craneWall);
        EXPECT_EQ(List(dialog)->topLevelItem(0)->text(2).toStdString(),
                  BookingDateTimeText(craneWall->startDay, craneWall->startMinutes));
    }
    for (const int id : {IDC_BOOKING_LIST_COPY, IDC_BOOKING_LIST_CUT}) {
        CBookingListDlg dialog(false, false, &commands);
        Open(dialog, {vanRoof});
        Click(&dialog, id);
        EXPECT_EQ(dialog.result(), ui::IDOK);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(commands.calls, (std::vector<std::string>{"edit crane", "copy Van", "cut Van"}));
    EXPECT_FALSE(data->bookings->Contains(vanRoof));
}

TEST_F(BookingListTest, EmptyOrNullEntriesGiveAnEmptyList) {
    CBookingListDlg dialog(false, false, &commands);
    Open(dialog, {nullptr});
    EXPECT_TRUE(Rows(dialog).empty());
    EXPECT_TRUE(EnabledButtons(dialog).empty());
    Click(&dialog, IDC_BOOKING_LIST_DELETE_ALL);
    EXPECT_TRUE(commands.calls.empty());
}

TEST_F(BookingListTest, ConflictsAreListedSortedAndAnsweredWithOkOrCancel) {
    for (const int button : {ui::IDOK, ui::IDCANCEL}) {
        CBookingConflictsDlg dialog;
        Open(dialog, {vanRoof, craneWall});
        EXPECT_EQ(Rows(dialog), (std::vector<std::string>{"crane", "Van"}));
        ClickHeader(dialog, 0);
        EXPECT_EQ(Rows(dialog), (std::vector<std::string>{"Van", "crane"}));
        Click(&dialog, button);
        EXPECT_EQ(dialog.result(), button);
    }
}

TEST_F(BookingListTest, DeleteDialogShowsTheBooking) {
    CBookingDeleteDlg dialog;
    dialog.resourceName = "Van";
    dialog.taskName = "<b>Roof</b>";
    dialog.startText = BookingDateTimeText(kMonday, 480);
    dialog.endText = BookingDateTimeText(kMonday, 600);
    dialog.show();
    const auto text = [&](int id) { return static_cast<QLabel*>(dialog.GetDlgItem(id))->text().toStdString(); };
    EXPECT_EQ(text(IDC_BOOKING_DELETE_RESOURCE), "Van");
    EXPECT_EQ(text(IDC_BOOKING_DELETE_TASK), "<b>Roof</b>");
    EXPECT_EQ(text(IDC_BOOKING_DELETE_START), dialog.startText);
    EXPECT_NE(dialog.startText.find(' '), std::string::npos);
    Click(&dialog, ui::IDOK);
    EXPECT_EQ(dialog.result(), ui::IDOK);
}

}  // namespace
