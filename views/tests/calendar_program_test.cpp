// The calendar view inside the real program, offscreen: a booking dragged
// three days on is one undo step that undo takes back whole, and the
// schedule shows it at its new place; keys, the wheel, go-to, selections
// scrolled away and bad cell sizes.

#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <climits>

#include "app_fixture.h"
#include "app_ids.h"
#include "booking_times.h"
#include "host_messages.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_view.h"
#include "delete_key.h"
#include "period_tip_text.h"
#include "plan_data.h"
#include "plat/checked_format.h"
#include "plat/dynlib.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "resource_library.h"
#include "settings_store.h"
#include "string_ids.h"
#include "support/calendar_values.h"
#include "support/time_bar_labels.h"
#include "ui/message.h"
#include "ui/scripted_menu_chooser.h"
#include "ui/scripted_prompts.h"
#include "ui/scroll_bar.h"
#include "wheel_event.h"

namespace {

constexpr unsigned kVScroll = 0x0115;
constexpr QRgb kRed = 0xFF0000;    // 0x0000FF, blue first
constexpr QRgb kBlue = 0x0000FF;   // 0xFF0000

int Day(int day, int month = 1, int year = 2025) { return DateToJulianDay(month, day, year); }

// True when first starts the week (of the locale's weeks) that holds day.
bool StartsWeekOf(int first, int day) { return first <= day && day - first < 7; }

struct PixelBox {
    int left = -1, right = -1, top = -1, bottom = -1;
    bool Found() const { return left >= 0; }
};

// Where pixels of a colour lie in an image, in the band of rows from top to bottom.
PixelBox FindColour(const QImage& image, QRgb colour, int top = 0, int bottom = 1 << 20) {
    PixelBox run;
    for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != colour) continue;
            if (!run.Found()) run = {x, x, y, y};
            run.left = std::min(run.left, x);
            run.right = std::max(run.right, x);
            run.bottom = y;
        }
    return run;
}

// A booking of A from Tuesday 14 January 10:00 to Wednesday 15:00 in red,
// and one of B from Friday the 17th 10:00 in blue: three days on, red starts
// where blue does.
class CalendarProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        dir.Substitute("Views.plugin", QEL_VIEWS_PLUGIN);
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        app->MainFrame()->resize(900, 700);
        View()->resize(800, 600);
        Edit([](CPlanData& data) {
            data.properties->BeginChange();
            data.properties->periodStart = Day(1);
            data.properties->periodEnd = Day(30, 6);
            CTask* task = data.tasks->Create();
            task->SetName("Work");
            data.tasks->Add(task);
        });
        CTask* task = Data()->tasks->GetAt(0);
        moved = Booking("A", task, Day(14), 600, Day(15), 900, 0x0000FF);
        reference = Booking("B", task, Day(17), 600, Day(17), 900, 0xFF0000);
        Activate(2);
    }
    void TearDown() override {
        prompts.AnswerMessage(ui::IDNO);
        app->MainFrame()->close();
        app->ExitInstance();
        app.reset();
        SettingsStore().Clear();
    }

    CPlanData* Data() const { return app->MainFrame()->Data(); }
    CQEL2View* View() const { return app->MainFrame()->View(); }
    QWidget* Find(const char* name) const { return View()->findChild<QWidget*>(name); }
    QWidget* Calendar() const { return Find("CCalendarViewWnd"); }

    void Activate(int view) {
        SetSetting("ViewActive", std::to_string(view));
        QELA_OnViewChanged();
    }
    template <class Fill>
    void Edit(Fill fill) {
        ASSERT_EQ(Data()->BeginTransaction("Edit"), kDataOk);
        fill(*Data());
        Data()->CommitTransaction();
    }
    CBooking* Booking(const char* resourceName, CTask* task, int startDay, int startMinutes, int endDay,
                      int endMinutes, uint32_t color2) {
        CBooking* booking = nullptr;
        Edit([&](CPlanData& data) {
            CResource* resource = data.resources->Create();
            resource->SetName(resourceName);
            data.resources->Add(resource);
            booking = data.bookings->Create();
            booking->resource = resource;
            booking->task = task;
            booking->startDay = startDay;
            booking->startMinutes = static_cast<int16_t>(startMinutes);
            booking->endDay = endDay;
            booking->endMinutes = static_cast<int16_t>(endMinutes);
            booking->color2 = color2;
            data.bookings->Add(booking);
        });
        return booking;
    }
    void GoTo(QWidget* view, int day) {
        CDateTime target(CDate::FromJulianDay(day));
        ui::SendMessage(view, WM_PLUGIN_GOTO_DATE, 1, reinterpret_cast<ui::LPARAM>(&target));
    }
    int FirstVisible() {
        CDateTime at(CDate::FromJulianDay(0));
        ui::SendMessage(View()->VisibleView(), WM_PLUGIN_GOTO_DATE, 0, reinterpret_cast<ui::LPARAM>(&at));
        return at.date.GetJulianDay();
    }
    std::string UndoText() const { return app->MainFrame()->Action(app_ids::ID_UNDO)->text().toStdString(); }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    std::unique_ptr<CMainApp> app;
    CBooking* moved = nullptr;
    CBooking* reference = nullptr;
};

TEST_F(CalendarProgramTest, DragThreeDaysOnIsOneUndoStepAndTheScheduleFollows) {
    GoTo(Calendar(), Day(13));
    ASSERT_TRUE(StartsWeekOf(FirstVisible(), Day(13)));
    const PixelBox red = FindColour(Calendar()->grab().toImage(), kRed);
    ASSERT_TRUE(red.Found());
    const PixelBox blue = FindColour(Calendar()->grab().toImage(), kBlue);
    ASSERT_TRUE(blue.Found());
    const int threeDays = blue.left - red.left;   // Tuesday to Friday in the same week row
    ASSERT_GT(threeDays, 0);
    const QPoint from(red.left + 10, (red.top + red.bottom) / 2);
    const QPoint to = from + QPoint(threeDays, 0);

    const std::string undoBefore = UndoText();
    QTest::mousePress(Calendar(), Qt::LeftButton, {}, from);
    apptest::PassDragDelay();
    QTest::mouseMove(Calendar(), to);
    QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, to);

    // Three days on, keeping the working time: Friday 10:00 to Monday 15:00.
    EXPECT_EQ(moved->startDay, Day(17));
    EXPECT_EQ(moved->startMinutes, 600);
    EXPECT_EQ(moved->endDay, Day(20));
    EXPECT_EQ(moved->endMinutes, 900);
    EXPECT_EQ(moved->resource->name, std::string("A"));
    EXPECT_EQ(UndoText(), plat::FormatChecked(plat::LoadResString(ids::MENU_UNDO),
                                              {plat::LoadResString(ids::UNDO_MOVE_BOOKING)}));
    // In the first week row (cells of 100 pixels) the bar now starts on Friday.
    const PixelBox after = FindColour(Calendar()->grab().toImage(), kRed, red.top, red.top + 70);
    EXPECT_EQ(after.left, blue.left) << "the calendar shows it on Friday";

    Activate(0);
    GoTo(Find("CScheduleViewWnd"), Day(13));
    const QImage schedule = Find("CScheduleGridWnd")->grab().toImage();
    const PixelBox redBar = FindColour(schedule, kRed), blueBar = FindColour(schedule, kBlue);
    ASSERT_TRUE(redBar.Found());
    ASSERT_TRUE(blueBar.Found());
    EXPECT_EQ(redBar.left, blueBar.left) << "the schedule shows it from Friday 10:00";

    app->MainFrame()->OnCommand(app_ids::ID_UNDO);
    EXPECT_EQ(moved->startDay, Day(14));
    EXPECT_EQ(moved->startMinutes, 600);
    EXPECT_EQ(moved->endDay, Day(15));
    EXPECT_EQ(moved->endMinutes, 900);
    EXPECT_EQ(reference->startDay, Day(17));
    EXPECT_EQ(UndoText(), undoBefore);
}

TEST_F(CalendarProgramTest, RightButtonSelectsAndRunsTheChosenMenuItem) {
    GoTo(Calendar(), Day(13));
    const PixelBox red = FindColour(Calendar()->grab().toImage(), kRed);
    ASSERT_TRUE(red.Found());
    const QPoint onBar(red.left + 10, (red.top + red.bottom) / 2);
    ui::ScriptedMenuChooser chooser;
    // Monday, the day before the bar, holds no booking: the day is selected
    // and the host's items act on it.
    QTest::mouseClick(Calendar(), Qt::RightButton, {}, QPoint(red.left - 40, red.bottom + 20));
    ASSERT_EQ(chooser.shown().size(), 1u);
    const std::vector<ui::MenuItem>& dayItems = chooser.shown()[0];
    ASSERT_GE(dayItems.size(), 7u);
    EXPECT_EQ(dayItems[0].flags, 0u);              // new booking: a period is selected
    EXPECT_EQ(dayItems[1].flags, ui::MF_GRAYED);   // edit: no booking
    // On the bar: the booking is selected and the chosen item (cut) takes it.
    chooser.Pick(5);
    QTest::mouseClick(Calendar(), Qt::RightButton, {}, onBar);
    ASSERT_EQ(chooser.shown().size(), 2u);
    EXPECT_EQ(chooser.shown()[1][1].flags, 0u);   // edit
    EXPECT_EQ(chooser.shown()[1][4].text, "Cu&t Booking");
    EXPECT_EQ(Data()->bookings->GetCount(), 1);
    EXPECT_EQ(Data()->bookings->GetAt(0)->resource->name, std::string("B"));
}

TEST_F(CalendarProgramTest, RestingOnABarShowsTheBookingTooltip) {
    // Tooltips show only while the program's window is the active one.
    app->MainFrame()->show();
    app->MainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->MainFrame()));
    GoTo(Calendar(), Day(13));
    const PixelBox red = FindColour(Calendar()->grab().toImage(), kRed);
    ASSERT_TRUE(red.Found());
    QTest::mouseMove(Calendar(), QPoint(red.left + 10, (red.top + red.bottom) / 2));
    QWidget* tip = Calendar()->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly);
    ASSERT_NE(tip, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tip->isVisible(); }, 3000));
    const QString text = tip->accessibleName();
    EXPECT_TRUE(text.contains("A")) << text.toStdString();
    EXPECT_TRUE(text.contains("Work")) << text.toStdString();
    QTest::mouseMove(Calendar(), QPoint(red.left - 40, red.bottom + 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tip->isVisible(); }, 2000));
}

// While the button extends a day selection, a tooltip at the first day's
// bottom right names the days' period; it goes with the button.
TEST_F(CalendarProgramTest, SelectingDaysShowsTheirPeriod) {
    GoTo(Calendar(), Day(13));
    const QImage image = Calendar()->grab().toImage();
    const PixelBox red = FindColour(image, kRed), blue = FindColour(image, kBlue);
    ASSERT_TRUE(red.Found() && blue.Found());
    const int day = (blue.left - red.left) / 3;
    QWidget* tip = Calendar()->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly);
    ASSERT_NE(tip, nullptr);
    // From Monday the 13th, below the bars, on to Thursday.
    const QPoint from(red.left - day / 2, red.bottom + 20);
    QTest::mousePress(Calendar(), Qt::LeftButton, {}, from);
    for (int n = 1; n <= 3; ++n) QTest::mouseMove(Calendar(), from + QPoint(n * day, 0));
    ASSERT_TRUE(tip->isVisible());
    const auto at = [](int d, int minutes) { return CDateTime(CDate::FromJulianDay(Day(d)), CTimeOfDay(minutes)); };
    EXPECT_EQ(tip->accessibleName().toStdString(), ReadablePeriodTip(at(13, 480), at(16, 1020), "36:00 h"));
    // Right of Monday's cell: Tuesday's bar has its frame on Tuesday's left
    // edge, one pixel of grid line after the end of Monday's cell.
    const int tuesdayLeft = red.left - 1;
    const QPoint corner = Calendar()->mapFromGlobal(tip->pos());
    EXPECT_EQ(corner.x(), tuesdayLeft - 1 + 3);
    EXPECT_GT(corner.y(), from.y());
    QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, from + QPoint(3 * day, 0));
    EXPECT_FALSE(tip->isVisible());
}

TEST_F(CalendarProgramTest, ReleaseBeforeTheDelayOnlySelects) {
    GoTo(Calendar(), Day(13));
    const PixelBox red = FindColour(Calendar()->grab().toImage(), kRed);
    ASSERT_TRUE(red.Found());
    const QPoint from(red.left + 20, (red.top + red.bottom) / 2);
    QTest::mousePress(Calendar(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Calendar(), from + QPoint(300, 0));
    QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, from + QPoint(300, 0));
    EXPECT_EQ(moved->startDay, Day(14));
    // The selected booking is what the host reads.
    CBooking* selected[4] = {};
    SelectionRecord record{};
    record.bookings = selected;
    record.bookingCapacity = 4;
    ui::SendMessage(Calendar(), WM_PLUGIN_GET_SELECTION, 0, reinterpret_cast<ui::LPARAM>(&record));
    EXPECT_EQ(record.bookingCount, 1);
    EXPECT_EQ(selected[0], moved);
}

// A change of the plan while a booking is dragged ends the drag: the
// release writes nothing into a booking that may be gone.
TEST_F(CalendarProgramTest, DataChangeEndsARunningMove) {
    GoTo(Calendar(), Day(13));
    const PixelBox red = FindColour(Calendar()->grab().toImage(), kRed);
    const PixelBox blue = FindColour(Calendar()->grab().toImage(), kBlue);
    ASSERT_TRUE(red.Found() && blue.Found());
    const QPoint from(red.left + 10, (red.top + red.bottom) / 2);
    const QPoint to = from + QPoint(blue.left - red.left, 0);
    QTest::mousePress(Calendar(), Qt::LeftButton, {}, from);
    apptest::PassDragDelay();
    QTest::mouseMove(Calendar(), to);
    Edit([&](CPlanData&) { reference->BeginChange(); reference->color1 = 0x00FF00; });
    QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, to);
    EXPECT_EQ(moved->startDay, Day(14));
    EXPECT_EQ(moved->endDay, Day(15));
}

TEST_F(CalendarProgramTest, ScrollByWeeksAndGoToWhileHidden) {
    ui::SendMessage(Calendar(), kVScroll, ui::SB_TOP, 0);
    const int top = FirstVisible();
    EXPECT_TRUE(StartsWeekOf(top, Day(1)));
    ui::SendMessage(Calendar(), kVScroll, ui::SB_LINEDOWN, 0);
    EXPECT_EQ(FirstVisible(), top + 7);
    ui::SendMessage(Calendar(), kVScroll, ui::SB_THUMBTRACK | (10 << 16), 0);
    EXPECT_EQ(FirstVisible(), top + 7) << "the thumb scrolls only when released";
    ui::SendMessage(Calendar(), kVScroll, ui::SB_THUMBPOSITION | (10 << 16), 0);
    EXPECT_EQ(FirstVisible(), top + 70);
    // Hidden, the request waits for the next activation, once.
    Activate(0);
    GoTo(Calendar(), Day(5, 5));
    Activate(2);
    EXPECT_TRUE(StartsWeekOf(FirstVisible(), Day(5, 5)));
    EXPECT_EQ((FirstVisible() - top) % 7, 0);
    ui::SendMessage(Calendar(), kVScroll, ui::SB_TOP, 0);
    Activate(0);
    Activate(2);
    EXPECT_EQ(FirstVisible(), top);
}

// The wheel over the calendar and over either of its scroll bars scrolls it
// by weeks as the main view does: a notch of 120 a week, less than a notch
// kept for more the same way, any delta within the weeks there are. The
// thumb always shows the week the calendar shows.
TEST_F(CalendarProgramTest, WheelScrollsByWeeksOverTheViewAndItsBars) {
    SetSetting("ViewCalendarDayWidth", "150");   // not every weekday fits: both bars show
    QELA_OnSettingsChanged();
    QScrollBar* vertical = nullptr;
    QScrollBar* horizontal = nullptr;
    for (QScrollBar* bar : Calendar()->findChildren<QScrollBar*>())
        (bar->orientation() == Qt::Vertical ? vertical : horizontal) = bar;
    ASSERT_TRUE(vertical != nullptr && horizontal != nullptr);
    ASSERT_TRUE(horizontal->isVisibleTo(Calendar()));
    ui::SendMessage(Calendar(), kVScroll, ui::SB_BOTTOM, 0);
    const int last = vertical->value();
    ASSERT_GT(last, 4);
    ui::SendMessage(Calendar(), kVScroll, ui::SB_TOP, 0);
    const int top = FirstVisible();
    const struct {
        int delta, week;
    } turns[] = {{-120, 1}, {-60, 1}, {-60, 2}, {1, 2},       {-1, 2},   {-240, 4}, {-30, 4},  {-30, 4},
                 {-30, 4},  {-30, 5}, {-10000, last}, {10000, 0}, {120, 0}, {-360, 3}, {60, 3}, {60, 2},
                 {INT_MIN, last}, {INT_MIN, last}, {INT_MAX, 0}};
    for (QWidget* target : {static_cast<QWidget*>(Calendar()), static_cast<QWidget*>(vertical),
                            static_cast<QWidget*>(horizontal)}) {
        for (const auto& turn : turns) {
            SCOPED_TRACE(::testing::Message() << target->metaObject()->className() << " " << turn.delta);
            TurnWheel(target, turn.delta);
            EXPECT_EQ(vertical->value(), turn.week);
            EXPECT_EQ(vertical->sliderPosition(), turn.week);
            EXPECT_EQ(FirstVisible(), top + 7 * turn.week);
            EXPECT_EQ(horizontal->value(), 0);
        }
        ui::SendMessage(Calendar(), kVScroll, ui::SB_TOP, 0);
    }
}

// What the calendar selected stays the host's selection while the weeks
// scroll it away: the booking (Del then deletes it) and the days.
TEST_F(CalendarProgramTest, SelectionsStayWhileScrolledAway) {
    app->MainFrame()->show();
    app->MainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->MainFrame()));
    const auto query = [&](CBooking** booking) {
        SelectionRecord record{};
        record.bookings = booking;
        record.bookingCapacity = booking != nullptr ? 1 : 0;
        QELA_GetCurrentSelection(&record);
        return record;
    };
    GoTo(Calendar(), Day(13));
    const QImage image = Calendar()->grab().toImage();
    const PixelBox red = FindColour(image, kRed), blue = FindColour(image, kBlue);
    ASSERT_TRUE(red.Found() && blue.Found());
    // Monday 13 to Thursday 16 January, below the bars.
    const int day = (blue.left - red.left) / 3;
    const QPoint from(red.left - day / 2, red.bottom + 20);
    QTest::mousePress(Calendar(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Calendar(), from + QPoint(3 * day, 0));
    QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, from + QPoint(3 * day, 0));
    SelectionRecord days = query(nullptr);
    ASSERT_EQ(days.startDate, Day(13));
    ASSERT_EQ(days.endDate, Day(17));
    for (int code : {ui::SB_BOTTOM, ui::SB_TOP}) {
        ui::SendMessage(Calendar(), kVScroll, code, 0);
        days = query(nullptr);
        EXPECT_EQ(days.startDate, Day(13)) << code;
        EXPECT_EQ(days.endDate, Day(17)) << code;
    }

    GoTo(Calendar(), Day(13));
    QTest::mouseClick(Calendar(), Qt::LeftButton, {}, QPoint(red.left + 10, (red.top + red.bottom) / 2));
    ui::SendMessage(Calendar(), kVScroll, ui::SB_BOTTOM, 0);
    ASSERT_FALSE(FindColour(Calendar()->grab().toImage(), kRed).Found());
    CBooking* selected = nullptr;
    EXPECT_EQ(query(&selected).bookingCount, 1);
    EXPECT_EQ(selected, moved);
    EXPECT_TRUE(PressDeleteAndConfirm(app->MainFrame()));
    EXPECT_EQ(Data()->bookings->GetCount(), 1);
    EXPECT_EQ(query(nullptr).bookingCount, 0);
}

TEST_F(CalendarProgramTest, BadCellSizesAndPeriodsAreClamped) {
    const char* sizes[] = {"0", "-50", "100000", "5"};
    for (const char* width : sizes)
        for (const char* height : sizes) {
            SetSetting("ViewCalendarDayWidth", width);
            SetSetting("ViewCalendarDayHeight", height);
            QELA_OnSettingsChanged();
            Calendar()->grab();
            ui::SendMessage(Calendar(), kVScroll, ui::SB_BOTTOM, 0);
            ui::SendMessage(Calendar(), kVScroll, ui::SB_PAGEUP, 0);
        }
    struct Period {
        int first, last;
    } periods[] = {{Day(8), Day(8)}, {CDate::kFirstDay, CDate::kLastDay}};
    SetSetting("ViewScheduleNonWorkingTimeHide", "1");
    for (const Period& p : periods) {
        Edit([&](CPlanData& data) {
            data.properties->BeginChange();
            data.properties->periodStart = p.first;
            data.properties->periodEnd = p.last;
            for (auto& day : data.properties->workingDays) day = 0;
        });
        QELA_OnSettingsChanged();
        Calendar()->grab();
        ui::SendMessage(Calendar(), kVScroll, ui::SB_BOTTOM, 0);
        Calendar()->grab();
        EXPECT_GT(FirstVisible(), 0);
    }
}

// The public filter hides resource A: its red booking leaves the calendar,
// B's blue one stays; the filter switched off brings red back.
TEST_F(CalendarProgramTest, TheFilterLeavesHiddenBookingsOut) {
    GoTo(Calendar(), Day(13));
    ASSERT_TRUE(FindColour(Calendar()->grab().toImage(), kRed).Found());
    CFilter* filter = nullptr;
    ASSERT_EQ(QELA_GetPublicFilter(&filter), 1);
    ASSERT_NE(filter, nullptr);
    CResource* hidden = moved->resource;
    filter->SetExcludedResources(&hidden, 1);
    SetSetting("ViewFilterActive", "1");
    QELA_OnFilterChanged(1);
    const QImage filtered = Calendar()->grab().toImage();
    EXPECT_FALSE(FindColour(filtered, kRed).Found());
    EXPECT_TRUE(FindColour(filtered, kBlue).Found());

    SetSetting("ViewFilterActive", "0");
    QELA_OnFilterChanged(0);
    EXPECT_TRUE(FindColour(Calendar()->grab().toImage(), kRed).Found());
}

// A go-to under a resting mouse: the status pane names the day now under it.
TEST_F(CalendarProgramTest, StatusBarFollowsAGoToUnderARestingMouse) {
    app->MainFrame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->MainFrame()));
    GoTo(Calendar(), Day(13));
    const QPoint at(60, 80);
    QTest::mouseMove(Calendar(), at);
    const QString before = app->MainFrame()->PaneText(1);
    EXPECT_FALSE(before.isEmpty());
    GoTo(Calendar(), Day(5, 5));
    const QString after = app->MainFrame()->PaneText(1);
    EXPECT_NE(after, before);
    QTest::mouseMove(Calendar(), at + QPoint(200, 200));
    QTest::mouseMove(Calendar(), at);
    EXPECT_EQ(app->MainFrame()->PaneText(1), after);
}

// The red bar: Tuesday 14 January 10:00 to Wednesday 15:00 in the first
// week row, and how wide a day is.
class CalendarDragTest : public CalendarProgramTest {
protected:
    void SetUp() override {
        CalendarProgramTest::SetUp();
        GoTo(Calendar(), Day(13));
        const QImage image = Calendar()->grab().toImage();
        red = FindColour(image, kRed);
        const PixelBox blue = FindColour(image, kBlue);
        ASSERT_TRUE(red.Found() && blue.Found());
        day = (blue.left - red.left) / 3;
        ASSERT_GT(day, 20);
    }
    QPoint RedCentre() const { return {(red.left + red.right) / 2, (red.top + red.bottom) / 2}; }
    QWidget* Tip() const { return Calendar()->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly); }
    // Press, wait for the drag, move on to the point and stop there.
    void StartDrag(QPoint from, QPoint to) {
        QTest::mousePress(Calendar(), Qt::LeftButton, {}, from);
        apptest::PassDragDelay();
        QTest::mouseMove(Calendar(), (from + to) / 2);
        QTest::mouseMove(Calendar(), to);
    }
    BookingTimes Times() const { return TimesOf(moved); }
    static CDateTime At(int d, int minutes) { return CDateTime(CDate::FromJulianDay(Day(d)), CTimeOfDay(minutes)); }

    PixelBox red;
    int day = 0;
};

// Grabbed on its second day, the booking goes as many days as the pointer
// does: straight up it stays; a week row lower is a week later.
TEST_F(CalendarDragTest, AMoveKeepsTheDayGrabbedUnderThePointer) {
    const QPoint wednesday(red.right - day / 2, (red.top + red.bottom) / 2);
    struct Case {
        const char* name;
        QPoint by;
        BookingTimes times;
    } cases[] = {
        {"straight up", QPoint(0, -(red.bottom - red.top)), {Day(14), 600, Day(15), 900}},
        {"a day on, keeping the working time", QPoint(day, 0), {Day(15), 600, Day(16), 900}},
        {"a day back", QPoint(-day, 0), {Day(13), 600, Day(14), 900}},
        {"a week row lower", QPoint(0, 100), {Day(21), 600, Day(22), 900}},
    };
    const std::string undoBefore = UndoText();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartDrag(wednesday, wednesday + c.by);
        QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, wednesday + c.by);
        EXPECT_EQ(Times(), c.times);
        if (UndoText() != undoBefore) {
            EXPECT_EQ(UndoText(), plat::FormatChecked(plat::LoadResString(ids::MENU_UNDO),
                                                      {plat::LoadResString(ids::UNDO_MOVE_BOOKING)}));
            app->MainFrame()->OnCommand(app_ids::ID_UNDO);
        }
        EXPECT_EQ(Times(), (BookingTimes{Day(14), 600, Day(15), 900}));
    }
}

// The window's resize path: a press on a grip, the drag delay, the border
// held at the booking's other end, one step named as a resize.
TEST_F(CalendarDragTest, ABorderDragIsOneResizeStepAndStopsAtTheOtherEnd) {
    const int y = (red.top + red.bottom) / 2;
    const QPoint startGrip(red.left, y), endGrip(red.right, y);
    struct Case {
        const char* name;
        QPoint grip;
        int days;
        BookingTimes times;
    } cases[] = {
        {"the end two days on, to the working day's end", endGrip, 2, {Day(14), 600, Day(17), 1020}},
        {"the end before the start stops on the start's day", endGrip, -3, {Day(14), 600, Day(14), 1020}},
        {"the start a day earlier, from the working day's start", startGrip, -1, {Day(13), 480, Day(15), 900}},
        {"the start past the end stops on the end's day", startGrip, 3, {Day(15), 480, Day(15), 900}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartDrag(c.grip, c.grip + QPoint(c.days * day, 0));
        QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, c.grip + QPoint(c.days * day, 0));
        EXPECT_EQ(Times(), c.times);
        EXPECT_EQ(UndoText(), plat::FormatChecked(plat::LoadResString(ids::MENU_UNDO),
                                                  {plat::LoadResString(ids::UNDO_RESIZE_BOOKING)}));
        app->MainFrame()->OnCommand(app_ids::ID_UNDO);
        EXPECT_EQ(Times(), (BookingTimes{Day(14), 600, Day(15), 900}));
    }
}

// The drag tooltips are the schedule's: resource, task, start and end of a
// move; start, end and duration of a resize.
TEST_F(CalendarDragTest, DragTooltipsReadAsTheSchedules) {
    const QPoint wednesday(red.right - day / 2, (red.top + red.bottom) / 2);
    StartDrag(wednesday, wednesday + QPoint(day, 0));
    ASSERT_TRUE(Tip()->isVisible());
    EXPECT_EQ(Tip()->accessibleName().toStdString(), ReadableMoveTip("A", "Work", At(15, 600), At(16, 900)));
    QTest::mouseClick(Calendar(), Qt::RightButton, {}, wednesday + QPoint(day, 0));   // cancels
    QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, wednesday + QPoint(day, 0));
    EXPECT_EQ(Times(), (BookingTimes{Day(14), 600, Day(15), 900}));

    // Tuesday 10:00 to Friday 17:00: seven working hours, then three days of nine.
    const QPoint endGrip(red.right, wednesday.y());
    StartDrag(endGrip, endGrip + QPoint(2 * day, 0));
    ASSERT_TRUE(Tip()->isVisible());
    EXPECT_EQ(Tip()->accessibleName().toStdString(), ReadablePeriodTip(At(14, 600), At(17, 1020), "34:00 h"));
    QTest::mouseClick(Calendar(), Qt::RightButton, {}, endGrip + QPoint(2 * day, 0));
    QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, endGrip + QPoint(2 * day, 0));
    EXPECT_EQ(Times(), (BookingTimes{Day(14), 600, Day(15), 900}));
}

// True when the cursor is the resource library's cursor id: the same hot
// spot and its black pixels where the image has them.
bool IsResCursor(const QCursor& cursor, unsigned id) {
    static void* const library = plat::LoadLibrary(QEL_RES_LIBRARY);
    const auto get = reinterpret_cast<QELResGetCursorFn>(plat::GetSymbol(library, QELRES_GETCURSOR_SYMBOL));
    const ResCursor* record = get != nullptr ? get(id) : nullptr;
    if (record == nullptr || cursor.shape() != Qt::BitmapCursor || cursor.hotSpot() != QPoint(record->hotX, record->hotY))
        return false;
    const QImage bits = cursor.bitmap().toImage();
    int black = -1;
    for (int y = 0; y < kCursorSize; ++y)
        for (int x = 0; x < kCursorSize; ++x) {
            const bool isBlack = record->rows[y][x] == 'X';
            if (black < 0 && isBlack) black = bits.pixelIndex(x, y);
            if (black >= 0 && (bits.pixelIndex(x, y) == black) != isBlack) return false;
        }
    return black >= 0;
}

// Over a bar's body and its border, over a column and a row border, and
// while moving: the cursors of the resource library.
TEST_F(CalendarDragTest, CursorsComeFromTheResourceLibrary) {
    // Moves without a button reach the view through the window system: shown.
    app->MainFrame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->MainFrame()));
    red = FindColour(Calendar()->grab().toImage(), kRed);
    ASSERT_TRUE(red.Found());
    const int y = (red.top + red.bottom) / 2;
    const auto cursorAt = [&](QPoint at) {
        QTest::mouseMove(Calendar(), at);
        return Calendar()->cursor();
    };
    EXPECT_TRUE(IsResCursor(cursorAt({red.left + day / 2, y}), kCursorOverBooking));
    EXPECT_TRUE(IsResCursor(cursorAt({red.right, y}), kCursorOverBorder));
    // Monday's right border, below the bars.
    EXPECT_TRUE(IsResCursor(cursorAt({red.left - 2, red.bottom + 30}), kCursorOverColumnBorder));
    // The first week row's bottom border lies somewhere in the next hundred pixels.
    bool rowBorder = false;
    for (int below = red.bottom; below < red.bottom + 100 && !rowBorder; ++below)
        rowBorder = IsResCursor(cursorAt({red.left + day / 2, below}), kCursorOverRowBorder);
    EXPECT_TRUE(rowBorder);
    StartDrag({red.left + day / 2, y}, {red.left + day, y});
    EXPECT_TRUE(IsResCursor(Calendar()->cursor(), kCursorMoving));
    QTest::mouseClick(Calendar(), Qt::RightButton, {}, {red.left + day, y});
    QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, {red.left + day, y});
}

}  // namespace
