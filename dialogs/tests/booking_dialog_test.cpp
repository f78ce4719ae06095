#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "booking_check.h"
#include "booking_dialog.h"
#include "booking_fixture.h"
#include "booking_ids.h"
#include "check_tree.h"
#include "controls_api.h"

namespace {

using namespace booking_ids;

constexpr int32_t kMonday = 2460556;   // 2 September 2024
const CDate kMondayDate = CDate::FromJulianDay(kMonday);

CTimeOfDay Empty() {
    CTimeOfDay t(0);
    t.SetEmpty(true);
    return t;
}

TEST(BookingCheckTest, RulesInTheirOrder) {
    const CDate tuesday = AddDays(kMondayDate, 1);
    const BookingPeriodInput good{kMondayDate, kMondayDate, CTimeOfDay(8, 0), CTimeOfDay(9, 0)};
    struct Case {
        const char* what;
        BookingChoice choice;
        BookingRefusal expected;
    } cases[] = {
        {"no task, no tasks at all", {false, true, false, true, good}, {NO_TASKS, IDC_BOOKING_TASK}},
        {"no task chosen", {false, false, false, true, good}, {NO_TASK_CHOSEN, IDC_BOOKING_TASK}},
        {"task before resource", {false, false, true, false, good}, {NO_TASK_CHOSEN, IDC_BOOKING_TASK}},
        {"editing without resource", {true, false, true, false, good},
         {NO_RESOURCE_CHOSEN, IDC_BOOKING_RESOURCE_TREE}},
        {"new without resource", {true, false, false, false, good},
         {NO_RESOURCE_CHECKED, IDC_BOOKING_RESOURCE_CHECKS}},
        {"end before start", {true, false, false, true, {kMondayDate, kMondayDate, CTimeOfDay(9, 0), CTimeOfDay(8, 59)}},
         {PERIOD_REVERSED, IDC_BOOKING_DATES}},
        {"later date first", {true, false, false, true, {tuesday, kMondayDate, CTimeOfDay(8, 0), CTimeOfDay(23, 0)}},
         {PERIOD_REVERSED, IDC_BOOKING_DATES}},
        {"0:00 the next day", {true, false, false, true, {kMondayDate, tuesday, CTimeOfDay(8, 0), CTimeOfDay(0, 0)}}, {}},
        {"end equal to start", {true, false, false, true, {kMondayDate, kMondayDate, CTimeOfDay(8, 0), CTimeOfDay(8, 0)}}, {}},
        {"invalid date", {true, false, false, true, {CDate::FromJulianDay(0), kMondayDate, CTimeOfDay(8, 0), CTimeOfDay(9, 0)}},
         {DATE_MISSING, IDC_BOOKING_DATES}},
        {"empty date", {true, false, false, true, {kMondayDate, CDate::FromJulianDay(1), CTimeOfDay(8, 0), CTimeOfDay(9, 0)}},
         {DATE_MISSING, IDC_BOOKING_DATES}},
        {"empty time", {true, false, false, true, {kMondayDate, kMondayDate, CTimeOfDay(8, 0), Empty()}},
         {TIME_MISSING, IDC_BOOKING_TIMES}},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckBookingChoice(c.choice), c.expected) << c.what;
}

TEST(BookingCheckTest, DurationInWorkingOrRealTime) {
    plat::SetResourceStringSource(QELRes_GetString);
    const WorkingTime wt;   // 8:00 to 17:00, Monday to Friday
    const CDate tuesday = AddDays(kMondayDate, 1);
    struct Case {
        BookingPeriodInput period;
        bool realTime;
        int style;
        const char* expected;
    } cases[] = {
        {{kMondayDate, kMondayDate, CTimeOfDay(10, 0), CTimeOfDay(12, 0)}, false, kDurationMinutes, "120 min"},
        {{kMondayDate, tuesday, CTimeOfDay(16, 0), CTimeOfDay(9, 0)}, false, kDurationHoursMinutes, "2:00 h"},
        {{kMondayDate, tuesday, CTimeOfDay(16, 0), CTimeOfDay(9, 0)}, true, kDurationHoursMinutes, "17:00 h"},
        {{kMondayDate, tuesday, CTimeOfDay(8, 0), CTimeOfDay(0, 0)}, true, kDurationMinutes, "960 min"},
        {{tuesday, kMondayDate, CTimeOfDay(8, 0), CTimeOfDay(9, 0)}, false, kDurationMinutes, "Invalid period"},
        {{kMondayDate, kMondayDate, Empty(), CTimeOfDay(9, 0)}, false, kDurationMinutes, "Invalid period"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BookingDurationText(wt, c.period, c.realTime, c.style), c.expected) << c.expected;
    }
    plat::SetResourceStringSource(nullptr);
}

class BookingDialogTest : public dlgtest::BookingFixture {
protected:
    void SetUp() override {
        BookingFixture::SetUp();
        BookingDialogState() = BookingDialogMemory{};
        BookingDialogState().skipFirstTaskColors = false;
        site = plan.ResourceGroup("Site", 1);
        crane = plan.Resource("Crane", 2, site);
        digger = plan.Resource("Digger", 3, site);
        van = plan.Resource("Van", 0);
        build = plan.TaskGroup("Build", 1);
        wall = plan.Task("Wall", 2, build, 0x000000FF, 0x0000FF00);
        roof = plan.Task("Roof", 0, nullptr, 0x00FF0000, 0x00FFFFFF);
    }

    // A new booking on Monday 8:00 to 10:00, shown.
    void OpenNew(CBookingDlg& dialog, std::vector<CResource*> checked, CTask* task) {
        Prepare(dialog, std::move(checked), task);
        dialog.show();
    }
    void OpenEdit(CBookingDlg& dialog, CBooking* booking) {
        Prepare(dialog, {booking->resource}, booking->task);
        dialog.booking = booking;
        dialog.fromDate = CDate::FromJulianDay(booking->startDay);
        dialog.toDate = CDate::FromJulianDay(booking->endDay);
        dialog.fromTime = CTimeOfDay(booking->startMinutes);
        dialog.toTime = CTimeOfDay(booking->endMinutes);
        dialog.show();
    }
    void Prepare(CBookingDlg& dialog, std::vector<CResource*> checked, CTask* task) {
        dialog.task = task;
        dialog.resources = std::move(checked);
        dialog.fromDate = dialog.toDate = kMondayDate;
        dialog.fromTime = CTimeOfDay(8, 0);
        dialog.toTime = CTimeOfDay(10, 0);
        dialog.checkConflicts = [this](BookingConflictRequest& r) {
            requests.push_back(r);
            ignored.push_back(r.ignoreCount > 0 ? r.ignore[0] : nullptr);
            std::vector<CResource*> rs(r.resources, r.resources + r.resourceCount);
            requestResources.push_back(rs);
            if (r.periodCount > 0)
                periods.push_back({r.startDays[0], r.startMinutes[0], r.endDays[0], r.endMinutes[0]});
            r.result = conflictAnswer;
        };
    }
    static QLineEdit* Part(CBookingDlg& dialog, int id, int part) {
        return dialog.GetDlgItem(id)->findChildren<QLineEdit*>().at(part);
    }
    static std::vector<std::string> TreeTexts(QTreeWidget* tree) {
        std::vector<std::string> texts;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            const int depth = (*it)->parent() ? 1 : 0;
            std::string text = std::string(depth * 2, ' ') + (*it)->text(0).toStdString();
            if (qobject_cast<CCheckTreeCtrl*>(tree) != nullptr)
                text += "[" + std::to_string(CCheckTreeCtrl::GetCheckState(*it)) + "]";
            texts.push_back(text);
        }
        return texts;
    }
    static QTreeWidget* TaskTree(CBookingDlg& dialog) {
        return reinterpret_cast<QTreeWidget*>(ui::SendMessage(dialog.GetDlgItem(IDC_BOOKING_TASK), WM_SP_TREECOMBO_GETTREE));
    }
    CCheckTreeCtrl* Checks(CBookingDlg& dialog) {
        return static_cast<CCheckButtonTreeCtrl*>(dialog.GetDlgItem(IDC_BOOKING_RESOURCE_CHECKS))->tree();
    }
    std::string Duration(CBookingDlg& dialog) {
        return static_cast<QLabel*>(dialog.GetDlgItem(IDC_BOOKING_DURATION))->text().toStdString();
    }

    CResourceGroup* site;
    CResource *crane, *digger, *van;
    CTaskGroup* build;
    CTask *wall, *roof;
    std::vector<BookingConflictRequest> requests;
    std::vector<std::vector<CResource*>> requestResources;
    std::vector<CBooking*> ignored;
    std::vector<std::array<int32_t, 4>> periods;   // start day and minutes, end day and minutes
    int32_t conflictAnswer = BOOKING_CONFLICTS_NONE;
};

TEST_F(BookingDialogTest, NewBookingOffersTreesInTheUsersOrderAndTakesTheCheckedResources) {
    CBookingDlg dialog(false, data, Settings());
    OpenNew(dialog, {digger, van}, wall);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "New Booking");
    EXPECT_EQ(TreeTexts(TaskTree(dialog)), (std::vector<std::string>{"Roof", "Build", "  Wall"}));
    EXPECT_EQ(TreeTexts(Checks(dialog)), (std::vector<std::string>{"Van[2]", "Site[0]", "  Crane[1]", "  Digger[2]"}));
    EXPECT_EQ(Checks(dialog)->currentItem()->text(0), "Van");
    EXPECT_TRUE(dialog.GetDlgItem(IDC_BOOKING_RESOURCE_CHECKS)->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.GetDlgItem(IDC_BOOKING_RESOURCE_TREE)->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.GetDlgItem(ui::IDOK)->isEnabled());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_BOOKING_NEW_TASK)->isEnabled());
    EXPECT_EQ(Duration(dialog), "2:00 h");

    Checks(dialog)->SetCheck(Checks(dialog)->topLevelItem(1)->child(0), true, false);   // Crane
    Click(&dialog, ui::IDOK);
    EXPECT_EQ(dialog.result(), ui::IDOK);
    EXPECT_EQ(dialog.task, wall);
    EXPECT_EQ(dialog.resources, (std::vector<CResource*>{van, crane, digger}));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requestResources[0], dialog.resources);
    EXPECT_EQ(requests[0].periodCount, 1);
    EXPECT_EQ(requests[0].ignoreCount, 0);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(BookingDialogTest, RefusalsKeepTheDialogOpenOnTheWrongField) {
    struct Case {
        const char* what;
        std::vector<CResource*> checked;
        const char* fromDate;   // typed, or null to keep
        const char* toTime;
        unsigned expected;
        int focusId;
    } cases[] = {
        {"nothing checked", {}, nullptr, nullptr, NO_RESOURCE_CHECKED, IDC_BOOKING_RESOURCE_CHECKS},
        {"invalid typed date", {van}, "31.13.2024x", nullptr, DATE_MISSING, IDC_BOOKING_DATES},
        {"emptied date", {van}, "", nullptr, DATE_MISSING, IDC_BOOKING_DATES},
        {"invalid typed time", {van}, nullptr, "25:99", TIME_MISSING, IDC_BOOKING_TIMES},
        {"end before start", {van}, nullptr, "07:00", PERIOD_REVERSED, IDC_BOOKING_DATES},
    };
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        CBookingDlg dialog(false, data, Settings());
        OpenNew(dialog, c.checked, roof);
        if (c.fromDate) Part(dialog, IDC_BOOKING_DATES, 0)->setText(c.fromDate);
        if (c.toTime) Part(dialog, IDC_BOOKING_TIMES, 1)->setText(c.toTime);
        Click(&dialog, ui::IDOK);
        expected.push_back(Text(c.expected));
        EXPECT_EQ(Shown(), expected) << c.what;
        EXPECT_TRUE(dialog.isVisible()) << c.what;
        QWidget* control = dialog.GetDlgItem(c.focusId);
        EXPECT_TRUE(control->isAncestorOf(dialog.focusWidget())) << c.what;
        EXPECT_TRUE(requests.empty()) << c.what;
        EXPECT_EQ(prompts.asked().back().type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
    }
    EXPECT_EQ(data->bookings->GetCount(), 0);
}

TEST_F(BookingDialogTest, TaskMissingGivesItsOwnTextForAnEmptyTaskList) {
    {
        // Only a group chosen.
        CBookingDlg dialog(false, data, Settings());
        OpenNew(dialog, {van}, nullptr);
        auto* tree = TaskTree(dialog);
        tree->setCurrentItem(tree->topLevelItem(1));
        Click(&dialog, ui::IDOK);
        EXPECT_TRUE(dialog.isVisible());
    }
    ASSERT_EQ(data->BeginTransaction("Clear"), kDataOk);
    ASSERT_EQ(wall->Delete(), kDataOk);
    ASSERT_EQ(roof->Delete(), kDataOk);
    ASSERT_EQ(build->Delete(), kDataOk);
    ASSERT_EQ(data->CommitTransaction(), kDataOk);
    CBookingDlg dialog(false, data, Settings());
    OpenNew(dialog, {van}, nullptr);
    Click(&dialog, ui::IDOK);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Shown(), (std::vector<std::string>{Text(NO_TASK_CHOSEN), Text(NO_TASKS)}));
    EXPECT_TRUE(dialog.GetDlgItem(IDC_BOOKING_TASK)->hasFocus() ||
                dialog.focusWidget() == dialog.GetDlgItem(IDC_BOOKING_TASK));
}

TEST_F(BookingDialogTest, EditingWithoutChangesClosesWithoutTheConflictCheck) {
    CBooking* booking = plan.Booking(crane, wall, kMonday, 480, kMonday + 1, 0);
    CBookingDlg dialog(false, data, Settings());
    OpenEdit(dialog, booking);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Edit Booking");
    auto* tree = static_cast<QTreeWidget*>(dialog.GetDlgItem(IDC_BOOKING_RESOURCE_TREE));
    EXPECT_TRUE(tree->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.GetDlgItem(IDC_BOOKING_RESOURCE_CHECKS)->isVisibleTo(&dialog));
    EXPECT_EQ(tree->currentItem()->text(0), "Crane");
    Click(&dialog, ui::IDOK);
    EXPECT_EQ(dialog.result(), ui::IDOK);
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(dialog.resources, (std::vector<CResource*>{crane}));
    EXPECT_TRUE(BookingDialogState().haveLastColors);
}

TEST_F(BookingDialogTest, ChangedEditIsCheckedAndARefusedConflictKeepsItOpen) {
    CBooking* booking = plan.Booking(crane, wall, kMonday, 480, kMonday, 600);
    CBookingDlg dialog(false, data, Settings());
    OpenEdit(dialog, booking);
    auto* tree = static_cast<QTreeWidget*>(dialog.GetDlgItem(IDC_BOOKING_RESOURCE_TREE));
    tree->setCurrentItem(tree->topLevelItem(0));   // Van
    conflictAnswer = BOOKING_CONFLICTS_REFUSED;
    Click(&dialog, ui::IDOK);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(ignored[0], booking);
    EXPECT_EQ(requestResources[0], (std::vector<CResource*>{van}));

    // A group chosen is no resource.
    tree->setCurrentItem(tree->topLevelItem(1));
    Click(&dialog, ui::IDOK);
    EXPECT_EQ(Shown(), (std::vector<std::string>{Text(NO_RESOURCE_CHOSEN)}));

    tree->setCurrentItem(tree->topLevelItem(0));
    conflictAnswer = BOOKING_CONFLICTS_ACCEPTED;
    Click(&dialog, ui::IDOK);
    EXPECT_EQ(dialog.result(), ui::IDOK);
    EXPECT_EQ(booking->resource, crane);   // the dialog writes nothing itself
}

// A change of the period alone, the resource kept, is checked as well:
// each date and time, with the edited booking left out of the check.
TEST_F(BookingDialogTest, EditThatChangesOnlyThePeriodIsChecked) {
    CBooking* booking = plan.Booking(crane, wall, kMonday, 480, kMonday, 600);
    struct Case {
        const char* what;
        unsigned message;   // of the date or time period control
        int part;
        int value;
        std::array<int32_t, 4> period;   // start day, start minutes, end day, end minutes checked
    } cases[] = {
        {"start day", WM_SP_DATEPERIOD_SETDATE, 0, kMonday - 1, {kMonday - 1, 480, kMonday, 600}},
        {"end day", WM_SP_DATEPERIOD_SETDATE, 1, kMonday + 1, {kMonday, 480, kMonday + 1, 600}},
        {"start time", WM_SP_TIMEPERIOD_SETTIME, 0, 420, {kMonday, 420, kMonday, 600}},
        {"end time", WM_SP_TIMEPERIOD_SETTIME, 1, 660, {kMonday, 480, kMonday, 660}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        requests.clear();
        requestResources.clear();
        ignored.clear();
        periods.clear();
        CBookingDlg dialog(false, data, Settings());
        OpenEdit(dialog, booking);
        const int control = c.message == WM_SP_DATEPERIOD_SETDATE ? IDC_BOOKING_DATES : IDC_BOOKING_TIMES;
        ui::SendMessage(dialog.GetDlgItem(control), c.message, ui::WPARAM(c.part), c.value);
        conflictAnswer = BOOKING_CONFLICTS_REFUSED;
        Click(&dialog, ui::IDOK);
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(periods.size(), 1u);
        EXPECT_EQ(periods[0], c.period);
        EXPECT_EQ(requestResources[0], (std::vector<CResource*>{crane}));
        EXPECT_EQ(ignored[0], booking);
    }
}

TEST_F(BookingDialogTest, ReadOnlyDialogOnlyShows) {
    CBooking* booking = plan.Booking(crane, wall, kMonday, 480, kMonday, 600);
    CBookingDlg dialog(true, data, Settings());
    OpenEdit(dialog, booking);
    EXPECT_FALSE(dialog.GetDlgItem(ui::IDOK)->isEnabled());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_BOOKING_NEW_TASK)->isEnabled());
    dialog.accept();   // Enter
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();
    EXPECT_EQ(dialog.result(), ui::IDCANCEL);
}

TEST_F(BookingDialogTest, NoteIsCutOnACharacterBoundaryWithLineBreaksAsLf) {
    std::string longNote = "line one\r\nline two\n";
    while (longNote.size() < 260) longNote += "\xC3\xA4";   // ä, two bytes each
    struct Case {
        std::string note;
        std::string expected;
    } cases[] = {
        {"a\r\nb\nc", "a\nb\nc"},
        {std::string(199, 'x'), std::string(199, 'x')},
        {std::string(200, 'x'), std::string(199, 'x')},
        {longNote, std::string("line one\nline two\n") + [] {
             std::string umlauts;
             while (umlauts.size() + 2 <= 199 - 18) umlauts += "\xC3\xA4";
             return umlauts;
         }()},
    };
    for (const Case& c : cases) {
        CBookingDlg dialog(false, data, Settings());
        dialog.note = c.note;
        OpenNew(dialog, {van}, roof);
        Click(&dialog, ui::IDOK);
        EXPECT_EQ(dialog.result(), ui::IDOK);
        EXPECT_EQ(dialog.note, c.expected);
        EXPECT_LE(dialog.note.size(), kBookingNoteMaxBytes);
    }
}

TEST_F(BookingDialogTest, DurationFollowsTheTypedPeriod) {
    settings["ViewFormatDuration"] = "1";
    CBookingDlg dialog(false, data, Settings());
    OpenNew(dialog, {van}, roof);
    EXPECT_EQ(Duration(dialog), "120 min");
    QLineEdit* to = Part(dialog, IDC_BOOKING_TIMES, 1);
    to->setFocus();
    to->selectAll();
    QTest::keyClicks(to, "12:00");
    EXPECT_EQ(Duration(dialog), "240 min");
    to->selectAll();
    QTest::keyClicks(to, "07:00");
    EXPECT_EQ(Duration(dialog), Text(DURATION_INVALID));
}

TEST_F(BookingDialogTest, ColoursOfTheTaskOrOfTheLastBooking) {
    struct Case {
        const char* what;
        bool keepLast;
        bool haveLast;
        bool follow;
        bool skipFirst;
        ui::COLORREF color1;
    } cases[] = {
        {"task colours", false, false, true, false, 0x000000FF},
        {"not following the task", false, false, false, false, 0},
        {"first run after start applies nothing", false, false, true, true, 0},
        {"last colours kept", true, true, true, false, 0x00123456},
        {"keep last, but none yet", true, false, true, false, 0x000000FF},
    };
    for (const Case& c : cases) {
        settings["DlgBookingsColorsKeepLast"] = c.keepLast ? "1" : "0";
        settings["DlgBookingsColorsFollowSelectedTask"] = c.follow ? "1" : "0";
        BookingDialogState() = {c.haveLast, 0x00123456, 0x00654321, c.skipFirst};
        CBookingDlg dialog(false, data, Settings());
        OpenNew(dialog, {van}, wall);
        Click(&dialog, ui::IDOK);
        EXPECT_EQ(dialog.color1, c.color1) << c.what;
        EXPECT_FALSE(BookingDialogState().skipFirstTaskColors) << c.what;
        EXPECT_EQ(BookingDialogState().lastColor1, c.color1) << c.what;
    }

    // A task the user picks brings its colours; an edit opens with its own.
    CBooking* booking = plan.Booking(crane, wall, kMonday, 480, kMonday, 600);
    CBookingDlg dialog(false, data, Settings());
    OpenEdit(dialog, booking);
    EXPECT_EQ(ui::SendMessage(dialog.GetDlgItem(IDC_BOOKING_COLOR1), WM_SP_COLORPICKER_GETCOLOR), 0);
    QWidget* combo = dialog.GetDlgItem(IDC_BOOKING_TASK);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);   // from Wall up to Build
    QTest::keyClick(combo, Qt::Key_Up);   // Roof
    EXPECT_EQ(ui::SendMessage(dialog.GetDlgItem(IDC_BOOKING_COLOR1), WM_SP_COLORPICKER_GETCOLOR), 0x00FF0000);
}

}  // namespace

// The new-task button runs the add-task command; a task it adds is chosen, with its colours.
TEST_F(BookingDialogTest, NewTaskButtonAddsATaskAndChoosesIt) {
    CBookingDlg dialog(false, data, Settings());
    int runs = 0;
    CTask* added = nullptr;
    dialog.addTask = [&]() -> CTask* {
        ++runs;
        if (runs == 1) return nullptr;   // the user cancelled
        added = plan.Task("Paint", 3, nullptr, 0x00123456, 0x00654321);
        return added;
    };
    OpenNew(dialog, {van}, wall);
    ASSERT_TRUE(dialog.GetDlgItem(IDC_BOOKING_NEW_TASK)->isEnabled());
    Click(&dialog, IDC_BOOKING_NEW_TASK);
    EXPECT_EQ(TreeTexts(TaskTree(dialog)), (std::vector<std::string>{"Roof", "Build", "  Wall"}));
    Click(&dialog, IDC_BOOKING_NEW_TASK);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(TreeTexts(TaskTree(dialog)), (std::vector<std::string>{"Roof", "Build", "  Wall", "Paint"}));
    Click(&dialog, ui::IDOK);
    EXPECT_EQ(dialog.result(), ui::IDOK);
    EXPECT_EQ(dialog.task, added);
    EXPECT_EQ(dialog.color1, 0x00123456u);
    EXPECT_EQ(dialog.color2, 0x00654321u);
}
