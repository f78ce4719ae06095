#include <gtest/gtest.h>

#include <dlfcn.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTimer>

#include "app_fixture.h"
#include "app_ids.h"
#include "booking_dialog.h"
#include "booking_ids.h"
#include "booking_list.h"
#include "controls_api.h"
#include "item_dialogs.h"
#include "item_ids.h"
#include "main_app.h"
#include "main_frame.h"
#include "plan_builder.h"
#include "plan_dump.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "settings_store.h"
#include "string_ids.h"
#include "ui/message.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"
#include "working_time_dialog.h"
#include "working_time_ids.h"

namespace {

using namespace app_ids;
using dlgtest::Dump;
using dlgtest::WhenModal;

constexpr std::int32_t kMonday = 2460556;   // 2 September 2024

CDateTime At(std::int32_t day, int minutes) { return {CDate::FromJulianDay(day), CTimeOfDay(minutes)}; }

// What the fixture plugin exports for the test.
struct FixturePlugin {
    void (*setSelection)(const SelectionRecord*) = nullptr;
    void (*setShownDate)(const CDateTime*) = nullptr;
    void (*wentTo)(CDateTime*) = nullptr;
    std::int32_t (*readAndWriteInt)(const char*, std::int32_t) = nullptr;
    std::int32_t (*setStatus)(const char*, const char*) = nullptr;
    std::int32_t (*checkConflict)(CResource*, const CDateTime*, const CDateTime*, CBooking*) = nullptr;
};

// A selection the fixture view reports; the arrays live as long as the script.
struct ScriptedSelection {
    std::vector<CBooking*> bookings;
    std::vector<CResource*> resources;
    std::vector<CTask*> tasks;
    std::vector<CTaskGroup*> taskGroups;
    SelectionRecord record{};

    const SelectionRecord* Record(CDateTime start = {CDate::FromJulianDay(0), CTimeOfDay(0)},
                                  CDateTime end = {CDate::FromJulianDay(0), CTimeOfDay(0)}) {
        record = {};
        record.bookings = bookings.data();
        record.bookingCount = std::int32_t(bookings.size());
        record.resources = resources.data();
        record.resourceCount = std::int32_t(resources.size());
        record.tasks = tasks.data();
        record.taskCount = std::int32_t(tasks.size());
        record.taskGroups = taskGroups.data();
        record.taskGroupCount = std::int32_t(taskGroups.size());
        record.startDate = start.date.GetJulianDay();
        record.startTime = std::int16_t(start.time.GetMinutes());
        record.endDate = end.date.GetJulianDay();
        record.endTime = std::int16_t(end.time.GetMinutes());
        return &record;
    }
};

class BookingWiringTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        dir.Substitute("booking.plugin", QEL_BOOKING_PLUGIN);
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        data = app->Data();
        void* module = dlopen(QEL_BOOKING_PLUGIN, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(module, nullptr) << "the fixture plugin was not loaded";
        plugin.setSelection = reinterpret_cast<decltype(plugin.setSelection)>(dlsym(module, "Fixture_SetSelection"));
        plugin.readAndWriteInt =
            reinterpret_cast<decltype(plugin.readAndWriteInt)>(dlsym(module, "Fixture_ReadAndWriteInt"));
        plugin.setStatus = reinterpret_cast<decltype(plugin.setStatus)>(dlsym(module, "Fixture_SetStatus"));
        plugin.checkConflict = reinterpret_cast<decltype(plugin.checkConflict)>(dlsym(module, "Fixture_CheckConflict"));
        plugin.setShownDate = reinterpret_cast<decltype(plugin.setShownDate)>(dlsym(module, "Fixture_SetShownDate"));
        plugin.wentTo = reinterpret_cast<decltype(plugin.wentTo)>(dlsym(module, "Fixture_WentTo"));
        dlclose(module);
        ASSERT_NE(plugin.checkConflict, nullptr);
        ASSERT_NE(plugin.wentTo, nullptr);

        dlgtest::PlanBuilder plan(data);
        site = plan.ResourceGroup("Site", 0);
        crane = plan.Resource("Crane", 0, site);
        digger = plan.Resource("Digger", 1, site);
        van = plan.Resource("Van", 1);
        wall = plan.Task("Wall", 0);
        roof = plan.Task("Roof", 1);
        craneWall = plan.Booking(crane, wall, kMonday, 480, kMonday, 720);
        vanRoof = plan.Booking(van, roof, kMonday + 1, 600, kMonday + 1, 900);
    }
    void TearDown() override {
        // A dialog a test waited for and never saw must not be answered in the next test.
        for (QTimer* waiting : qApp->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
            if (!waiting->isActive()) continue;
            ADD_FAILURE() << "a dialog the test waited for never came";
            delete waiting;
        }
        if (plugin.setSelection != nullptr) plugin.setSelection(nullptr);
        app->ExitInstance();
        SettingsStore().Clear();
    }
    void Select(const SelectionRecord* record) { plugin.setSelection(record); }
    std::string UndoText() const { return frame->Action(ID_UNDO)->text().toStdString(); }
    static std::string UndoTextFor(unsigned nameId) {
        return plat::FormatChecked(plat::LoadResString(ids::MENU_UNDO), {plat::LoadResString(nameId)});
    }
    static void ClickOk(ui::DialogBase* dialog) {
        static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK))->click();
    }
    static void SetTime(CBookingDlg* dialog, int part, const char* text) {
        dialog->GetDlgItem(IDC_BOOKING_TIMES)->findChildren<QLineEdit*>().at(part)->setText(text);
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
    CPlanData* data = nullptr;
    FixturePlugin plugin;
    CDateTime WentTo() const {
        CDateTime at;
        plugin.wentTo(&at);
        return at;
    }

    CResourceGroup* site = nullptr;
    CResource *crane = nullptr, *digger = nullptr, *van = nullptr;
    CTask *wall = nullptr, *roof = nullptr;
    CBooking *craneWall = nullptr, *vanRoof = nullptr;
};

TEST_F(BookingWiringTest, PluginOnThePluginBaseReachesTheHost) {
    EXPECT_EQ(plugin.readAndWriteInt("FixtureCount", 7), -1);
    EXPECT_EQ(GetSetting("FixtureCount"), "7");
    EXPECT_EQ(plugin.readAndWriteInt("FixtureCount", 8), 7);

    EXPECT_EQ(plugin.setStatus("Crane", "Monday"), 1);
    EXPECT_EQ(frame->PaneText(0).toStdString(), "Crane");
    EXPECT_EQ(frame->PaneText(1).toStdString(), "Monday");

    // The check is off: the host agrees without looking.
    const CDateTime nine = At(kMonday, 540);
    const CDateTime ten = At(kMonday, 600);
    EXPECT_EQ(plugin.checkConflict(crane, &nine, &ten, nullptr), 1);

    SetSetting("CheckBookingConflicts", "1");
    const std::string before = Dump(data);
    struct Case {
        CResource* resource;
        CBooking* moved;
        bool dialog;
        bool accept;
        std::int32_t expected;
    } cases[] = {
        {crane, nullptr, true, false, 0},
        {crane, nullptr, true, true, 1},
        {crane, craneWall, false, false, 1},   // the booking itself is no conflict
        {digger, nullptr, false, false, 1},
    };
    for (const Case& c : cases) {
        int shown = 0;
        if (c.dialog) {
            WhenModal<CBookingConflictsDlg>([&](CBookingConflictsDlg* d) {
                ++shown;
                EXPECT_EQ(d->bookings, std::vector<CBooking*>{craneWall});
                c.accept ? d->accept() : d->reject();
            });
        }
        EXPECT_EQ(plugin.checkConflict(c.resource, &nine, &ten, c.moved), c.expected);
        EXPECT_EQ(shown, c.dialog ? 1 : 0);
    }

    // The request as the host answers it.
    CResource* resources[] = {crane};
    std::int32_t startDays[] = {kMonday}, startMinutes[] = {540}, endDays[] = {kMonday}, endMinutes[] = {600};
    BookingConflictRequest request{1, resources, 1, startDays, startMinutes, endDays, endMinutes, 0, nullptr, -1};
    WhenModal<CBookingConflictsDlg>([](CBookingConflictsDlg* d) { d->reject(); });
    EXPECT_EQ(QELA_Command("CheckbookingConflicts", &request), 1);
    EXPECT_EQ(request.result, BOOKING_CONFLICTS_REFUSED);
    request.resourceCount = 2;   // more than the array holds: refused unasked
    request.resources = nullptr;
    EXPECT_EQ(QELA_Command("CheckbookingConflicts", &request), 0);
    EXPECT_EQ(request.result, BOOKING_CONFLICTS_REFUSED);
    EXPECT_EQ(Dump(data), before);
}

TEST_F(BookingWiringTest, WithoutASelectionTheBookingCommandsStayDisabled) {
    for (unsigned id : {ID_BOOKING_NEW, ID_BOOKING_EDIT, ID_BOOKING_DELETE, ID_BOOKING_CUT, ID_BOOKING_COPY,
                        ID_BOOKING_PASTE}) {
        EXPECT_FALSE(frame->FrameCommands().IsEnabled(id)) << id;
    }
    EXPECT_EQ(QELA_Command("ShowBookingListSelection", nullptr), 1);   // nothing to list
}

TEST_F(BookingWiringTest, NewBookingsAndAnEditAreOneUndoStepEachAndUndoRestoresAll) {
    SetSetting("ViewActive", "0");
    SetSetting("ViewScheduleBaseUnit", "2");
    const std::string initial = Dump(data);
    ScriptedSelection selection;
    selection.resources = {crane, digger, van};
    selection.tasks = {roof};
    Select(selection.Record(At(kMonday + 2, 480), At(kMonday + 2, 600)));
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(ID_BOOKING_NEW)->isEnabled());
    EXPECT_FALSE(frame->Action(ID_BOOKING_EDIT)->isEnabled());

    WhenModal<CBookingDlg>([](CBookingDlg* d) { ClickOk(d); });
    frame->OnCommand(ID_BOOKING_NEW);
    ASSERT_EQ(data->bookings->GetCount(), 5);
    EXPECT_EQ(UndoText(), UndoTextFor(ids::UNDO_NEW_BOOKINGS));
    const std::string afterNew = Dump(data);
    std::vector<CBooking*> made = dlgtest::All<CBooking>(data->bookings);
    made.erase(std::remove_if(made.begin(), made.end(), [&](CBooking* b) { return b == craneWall || b == vanRoof; }),
               made.end());
    ASSERT_EQ(made.size(), 3u);
    std::set<CResource*> bookedResources;
    for (CBooking* b : made) {
        bookedResources.insert(b->resource);
        EXPECT_EQ(b->task, roof);
        EXPECT_EQ(b->startDay, kMonday + 2);
        EXPECT_EQ(b->startMinutes, 480);
        EXPECT_EQ(b->endMinutes, 600);
    }
    EXPECT_EQ(bookedResources, (std::set<CResource*>{crane, digger, van}));

    selection = {};
    selection.bookings = {made[0]};
    Select(selection.Record());
    WhenModal<CBookingDlg>([](CBookingDlg* d) {
        SetTime(d, 1, "11:00");
        ClickOk(d);
    });
    frame->OnCommand(ID_BOOKING_EDIT);
    EXPECT_EQ(made[0]->endMinutes, 660);
    EXPECT_EQ(UndoText(), UndoTextFor(ids::UNDO_EDIT_BOOKING));

    frame->OnCommand(ID_UNDO);
    EXPECT_EQ(Dump(data), afterNew);
    frame->OnCommand(ID_UNDO);
    EXPECT_EQ(Dump(data), initial);
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(BookingWiringTest, RefusedConflictChangesNothing) {
    SetSetting("CheckBookingConflicts", "1");
    SetSetting("ViewActive", "0");
    SetSetting("ViewScheduleBaseUnit", "2");
    const std::string before = Dump(data);
    const std::string undoBefore = UndoText();
    ScriptedSelection selection;
    selection.resources = {crane};
    Select(selection.Record(At(kMonday, 600), At(kMonday, 660)));

    int conflictsShown = 0;
    WhenModal<CBookingDlg>([&](CBookingDlg* d) {
        WhenModal<CBookingConflictsDlg>([&](CBookingConflictsDlg* conflicts) {
            ++conflictsShown;
            EXPECT_EQ(conflicts->bookings, std::vector<CBooking*>{craneWall});
            // The booking dialog stays open after the refusal; then it is cancelled.
            WhenModal<CBookingDlg>([](CBookingDlg* again) { again->reject(); });
            conflicts->reject();
        });
        ClickOk(d);
    });
    frame->OnCommand(ID_BOOKING_NEW);
    EXPECT_EQ(conflictsShown, 1);
    EXPECT_EQ(Dump(data), before);
    EXPECT_EQ(UndoText(), undoBefore);
}

TEST_F(BookingWiringTest, OneSelectedBookingOpensItsDialogSeveralOpenTheList) {
    struct Case {
        unsigned command;
        std::vector<CBooking*> selected;
        bool list;
    } cases[] = {
        {ID_BOOKING_EDIT, {craneWall}, false},
        {ID_BOOKING_EDIT, {craneWall, vanRoof}, true},
        {ID_BOOKING_DELETE, {craneWall, vanRoof}, true},
        {ID_BOOKING_CUT, {craneWall, vanRoof}, true},
        {ID_BOOKING_COPY, {craneWall, vanRoof}, true},
    };
    const std::string before = Dump(data);
    for (const Case& c : cases) {
        ScriptedSelection selection;
        selection.bookings = c.selected;
        Select(selection.Record());
        std::vector<CBooking*> listed;
        CBooking* edited = nullptr;
        if (c.list) {
            WhenModal<CBookingListDlg>([&](CBookingListDlg* d) {
                listed = d->bookings;
                d->reject();
            });
        } else {
            WhenModal<CBookingDlg>([&](CBookingDlg* d) {
                edited = d->booking;
                d->reject();
            });
        }
        EXPECT_TRUE(frame->FrameCommands().IsEnabled(c.command));
        frame->OnCommand(c.command);
        if (c.list) EXPECT_EQ(listed.size(), c.selected.size()) << c.command;
        else EXPECT_EQ(edited, c.selected.front()) << c.command;
    }
    EXPECT_EQ(Dump(data), before);
}

TEST_F(BookingWiringTest, NamedCommandsOpenTheDialogsForReal) {
    CBooking* edited = nullptr;
    WhenModal<CBookingDlg>([&](CBookingDlg* d) {
        edited = d->booking;
        d->reject();
    });
    EXPECT_EQ(QELA_Command("EditBooking", vanRoof), 1);
    EXPECT_EQ(edited, vanRoof);
    EXPECT_EQ(QELA_Command("EditBooking", reinterpret_cast<CBooking*>(&edited)), 0);   // not a booking of the plan

    std::vector<CBooking*> listed;
    const auto listOnce = [&] {
        listed.clear();
        WhenModal<CBookingListDlg>([&](CBookingListDlg* d) {
            listed = d->bookings;
            d->reject();
        });
    };
    CBooking* items[] = {vanRoof, craneWall, vanRoof};
    BookingList list{items, 3};
    listOnce();
    EXPECT_EQ(QELA_Command("ShowBookingList", &list), 1);
    EXPECT_EQ(listed.size(), 2u);   // listed once each

    ScriptedSelection selection;
    selection.bookings = {craneWall, vanRoof};
    Select(selection.Record());
    listOnce();
    EXPECT_EQ(QELA_Command("ShowBookingListSelection", nullptr), 1);
    EXPECT_EQ(listed.size(), 2u);

    for (BookingList bad : {BookingList{items, 0}, BookingList{nullptr, 2}, BookingList{items, -1}}) {
        EXPECT_EQ(QELA_Command("ShowBookingList", &bad), 0);
    }
}

// The booking dialog's new-task button runs the add-task command: cancelled
// it adds nothing and keeps the task chosen; confirmed the new task is
// chosen and booked.
TEST_F(BookingWiringTest, NewTaskButtonAddsTheTaskAndChoosesIt) {
    ScriptedSelection selection;
    selection.resources = {crane};
    selection.tasks = {roof};
    Select(selection.Record(At(kMonday + 2, 480), At(kMonday + 2, 600)));
    QString cancelledChoice, addedChoice;
    int tasksAfterCancel = -1;
    WhenModal<CBookingDlg>([&](CBookingDlg* d) {
        auto* newTask = static_cast<QAbstractButton*>(d->GetDlgItem(IDC_BOOKING_NEW_TASK));
        if (!newTask->isEnabled()) {
            ADD_FAILURE() << "the new-task button is disabled";
            d->reject();
            return;
        }
        const auto* combo = static_cast<QAbstractButton*>(d->GetDlgItem(IDC_BOOKING_TASK));
        WhenModal<CItemDlg>([](CItemDlg* task) { task->reject(); });
        newTask->click();
        tasksAfterCancel = data->tasks->GetCount();
        cancelledChoice = combo->text();
        WhenModal<CItemDlg>([](CItemDlg* task) {
            static_cast<QLineEdit*>(task->GetDlgItem(IDC_ITEM_NAME))->setText("Fence");
            ClickOk(task);
        });
        newTask->click();
        addedChoice = combo->text();
        ClickOk(d);
    });
    frame->OnCommand(ID_BOOKING_NEW);
    EXPECT_EQ(tasksAfterCancel, 2);
    EXPECT_EQ(cancelledChoice, "Roof");
    EXPECT_EQ(addedChoice, "Fence");
    ASSERT_EQ(data->tasks->GetCount(), 3);
    ASSERT_EQ(data->bookings->GetCount(), 3);
    std::vector<CBooking*> bookings = dlgtest::All<CBooking>(data->bookings);
    const auto made = std::find_if(bookings.begin(), bookings.end(),
                                   [&](CBooking* b) { return b != craneWall && b != vanRoof; });
    ASSERT_NE(made, bookings.end());
    EXPECT_STREQ((*made)->task->name, "Fence");
    EXPECT_EQ((*made)->resource, crane);
}

TEST_F(BookingWiringTest, CalendarViewProposesWorkingDays) {
    ASSERT_EQ(data->properties->dayStartMinutes, 480);
    ASSERT_EQ(data->properties->dayEndMinutes, 1020);
    SetSetting("ViewActive", "2");
    ScriptedSelection selection;
    selection.resources = {van};
    Select(selection.Record(At(kMonday, 0), At(kMonday + 3, 0)));
    CDateTime from, to;
    WhenModal<CBookingDlg>([&](CBookingDlg* d) {
        from = {d->fromDate, d->fromTime};
        to = {d->toDate, d->toTime};
        d->reject();
    });
    frame->OnCommand(ID_BOOKING_NEW);
    EXPECT_EQ(from, At(kMonday, 480));
    EXPECT_EQ(to, At(kMonday + 2, 1020));
}

// The copied booking once per selected resource, or, with tasks alone
// selected, once per task on the copied booking's resource; its four hours
// kept from the selected start.
TEST_F(BookingWiringTest, CopiedBookingPastesOncePerSelectedResourceOrTask) {
    SetSetting("ViewActive", "0");
    SetSetting("ViewScheduleBaseUnit", "2");
    using Pasted = std::set<std::pair<CResource*, CTask*>>;
    struct Case {
        const char* what;
        std::vector<CResource*> resources;
        std::vector<CTask*> tasks;
        Pasted pasted;
    } cases[] = {
        {"resources", {digger, van}, {}, {{digger, wall}, {van, wall}}},
        {"tasks", {}, {wall, roof}, {{crane, wall}, {crane, roof}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedSelection selection;
        selection.bookings = {craneWall};
        Select(selection.Record());
        frame->OnCommand(ID_BOOKING_COPY);

        selection = {};
        selection.resources = c.resources;
        selection.tasks = c.tasks;
        Select(selection.Record(At(kMonday + 7, 540), At(kMonday + 7, 600)));
        ASSERT_TRUE(frame->FrameCommands().IsEnabled(ID_BOOKING_PASTE));
        frame->OnCommand(ID_BOOKING_PASTE);
        EXPECT_EQ(data->bookings->GetCount(), 4);
        EXPECT_EQ(UndoText(), UndoTextFor(ids::UNDO_PASTE_BOOKINGS));
        Pasted pasted;
        for (CBooking* b : dlgtest::All<CBooking>(data->bookings)) {
            if (b->startDay != kMonday + 7) continue;
            pasted.emplace(b->resource, b->task);
            EXPECT_EQ(b->startMinutes, 540);
            EXPECT_EQ(b->endMinutes, 540 + 240);
        }
        EXPECT_EQ(pasted, c.pasted);
        frame->OnCommand(ID_UNDO);
    }
}

// A task group selected without a task: the new booking starts on the
// group's first task by order index, and OK books it.
TEST_F(BookingWiringTest, NewBookingOnATaskGroupStartsWithItsFirstTask) {
    dlgtest::PlanBuilder plan(data);
    CTaskGroup* finish = plan.TaskGroup("Finish", 2);
    plan.Task("Paint", 1, finish);
    CTask* sand = plan.Task("Sand", 0, finish);
    SetSetting("ViewActive", "0");
    SetSetting("ViewScheduleBaseUnit", "2");
    ScriptedSelection selection;
    selection.resources = {van};
    selection.taskGroups = {finish};
    Select(selection.Record(At(kMonday + 2, 480), At(kMonday + 2, 600)));
    CTask* offered = nullptr;
    WhenModal<CBookingDlg>([&offered](CBookingDlg* d) {
        offered = d->task;
        ClickOk(d);
    });
    frame->OnCommand(ID_BOOKING_NEW);
    EXPECT_EQ(offered, sand);
    ASSERT_EQ(data->bookings->GetCount(), 3);
    std::vector<CBooking*> found(2);
    ASSERT_EQ(van->GetBookings(found.data(), kMonday + 2, 0, kMonday + 3, 0), 1);
    EXPECT_EQ(found[0]->task, sand);
    EXPECT_TRUE(prompts.asked().empty());
}

// Go to today shows the day at the working day's start when the views hide
// the non-working time, else at midnight.
TEST_F(BookingWiringTest, GoToTodayStartsTheDayWhereTheViewsDo) {
    for (const bool hide : {false, true}) {
        SCOPED_TRACE(hide);
        SetSetting("ViewScheduleNonWorkingTimeHide", hide ? "1" : "0");
        frame->UpdateCommandStates();
        ASSERT_TRUE(frame->Action(ID_GO_TO_TODAY)->isEnabled());
        frame->OnCommand(ID_GO_TO_TODAY);
        EXPECT_EQ(WentTo(), At(CDate::Today().GetJulianDay(), hide ? data->properties->dayStartMinutes : 0));
    }
}

// Choose period starts on the day the view shows and sends the view the day picked.
TEST_F(BookingWiringTest, ChoosePeriodStartsFromTheViewsDate) {
    SetSetting("ViewScheduleNonWorkingTimeHide", "1");
    const CDateTime shown = At(kMonday + 30, 0);
    plugin.setShownDate(&shown);
    CDate offered;
    WhenModal<CPeriodChoiceDlg>([&offered](CPeriodChoiceDlg* d) {
        offered = CDate::FromJulianDay(std::int32_t(ui::SendMessage(d->GetDlgItem(IDC_PERIOD_CALENDAR),
                                                                    WM_SP_CALENDAR_GETDATE, 0, 0)));
        d->accept();   // Enter picks the day
    });
    frame->OnCommand(ID_CHOOSE_PERIOD);
    EXPECT_EQ(offered, shown.date);
    EXPECT_EQ(WentTo(), At(kMonday + 30, data->properties->dayStartMinutes));
}

}  // namespace
