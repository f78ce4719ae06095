// The views plugin in the real program: the program directory holds the
// built libraries and Views.plugin, the main window stays hidden.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QScrollBar>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <sstream>

#include "app_fixture.h"
#include "app_ids.h"
#include "booking_list.h"
#include "booking_times.h"
#include "data_library.h"
#include "host_messages.h"
#include "host_objects.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_toolbar.h"
#include "main_view.h"
#include "password_dialogs.h"
#include "delete_key.h"
#include "period_tip_text.h"
#include "plan_dump.h"
#include "plan_data.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "settings_store.h"
#include "string_ids.h"
#include "support/calendar_values.h"
#include "support/time_bar_labels.h"
#include "ui/message.h"
#include "ui/scripted_menu_chooser.h"
#include "ui/scripted_prompts.h"
#include "ui/scroll_bar.h"
#include "wheel_event.h"
#include "when_modal.h"

namespace {

constexpr unsigned kVScroll = 0x0115;
constexpr unsigned kHScroll = 0x0114;

int Day(int day, int month = 1, int year = 2025) { return DateToJulianDay(month, day, year); }

class ViewsProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        dir.Substitute("Views.plugin", QEL_VIEWS_PLUGIN);
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        app->MainFrame()->resize(900, 500);
        View()->resize(800, 400);
        BuildPlan();
        Activate(2);
        Activate(0);
    }
    void TearDown() override {
        prompts.AnswerMessage(ui::IDNO);   // the plan built here is not saved
        app->MainFrame()->close();
        app->ExitInstance();
        app.reset();
        SettingsStore().Clear();
    }

    CQEL2View* View() const { return app->MainFrame()->View(); }
    QWidget* Schedule() const { return View()->findChild<QWidget*>("CScheduleViewWnd"); }
    QWidget* Find(const char* name) const { return View()->findChild<QWidget*>(name); }

    void Activate(int view) {
        SetSetting("ViewActive", std::to_string(view));
        QELA_OnViewChanged();
    }

    template <class Fill>
    void Edit(Fill fill) {
        CPlanData* data = app->MainFrame()->Data();
        ASSERT_EQ(data->BeginTransaction("Edit"), kDataOk);
        fill(*data);
        data->CommitTransaction();
    }

    // A half-year period; a group "Team" with A (three overlapping bookings
    // on 6 January: three lines) and B, then 30 resources without a group.
    void BuildPlan() {
        Edit([](CPlanData& data) {
            data.properties->BeginChange();
            data.properties->periodStart = Day(1);
            data.properties->periodEnd = Day(30, 6);
        });
        CResourceGroup* team = nullptr;
        Edit([&](CPlanData& data) {
            team = data.resourceGroups->Create();
            team->SetName("Team");
            data.resourceGroups->Add(team);
        });
        CTask* task = nullptr;
        Edit([&](CPlanData& data) {
            task = data.tasks->Create();
            task->SetName("Work");
            data.tasks->Add(task);
        });
        for (int i = 0; i < 32; ++i) {
            Edit([&](CPlanData& data) {
                CResource* resource = data.resources->Create();
                resource->SetName(i == 0 ? "A" : i == 1 ? "B" : ("R" + std::to_string(i)).c_str());
                resource->orderIndex = i;
                resource->group = i < 2 ? team : nullptr;
                data.resources->Add(resource);
                for (int n = 0; n < (i == 0 ? 3 : 1); ++n) {
                    CBooking* booking = data.bookings->Create();
                    booking->resource = resource;
                    booking->task = task;
                    booking->startDay = Day(6);
                    booking->startMinutes = 480;
                    booking->endDay = Day(6);
                    booking->endMinutes = 1020;
                    data.bookings->Add(booking);
                }
            });
        }
    }

    // A period of 100 days on each side of today, shown from its start.
    void ShowPeriodAroundToday() {
        Edit([](CPlanData& data) {
            data.properties->BeginChange();
            data.properties->periodStart = CDate::Today().GetJulianDay() - 100;
            data.properties->periodEnd = CDate::Today().GetJulianDay() + 100;
        });
        ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    }
    CDateTime FirstVisible() {
        CDateTime at(CDate::FromJulianDay(0));
        ui::SendMessage(View()->VisibleView(), WM_PLUGIN_GOTO_DATE, 0, reinterpret_cast<ui::LPARAM>(&at));
        return at;
    }
    void GoTo(QWidget* view, int day) {
        CDateTime target(CDate::FromJulianDay(day));
        ui::SendMessage(view, WM_PLUGIN_GOTO_DATE, 1, reinterpret_cast<ui::LPARAM>(&target));
    }
    QScrollBar* VerticalBar() const {
        for (QScrollBar* bar : Schedule()->findChildren<QScrollBar*>())
            if (bar->orientation() == Qt::Vertical) return bar;
        return nullptr;
    }
    int VScroll(int code, int thumb = 0) {
        ui::SendMessage(Schedule(), kVScroll, ui::MakeWParam(code, thumb), 0);
        return VerticalBar()->value();
    }

    // Tooltips show only while the program's window is the active one.
    void ShowActive() {
        app->MainFrame()->show();
        app->MainFrame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app->MainFrame()));
    }
    // The text of the tooltip owner shows after the mouse rested at at; empty
    // when none showed.
    QString Hover(QWidget* owner, QPoint at, int waitMs = 3000) {
        QTest::mouseMove(owner, at);
        QWidget* tip = owner->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly);
        if (tip == nullptr || !QTest::qWaitFor([&] { return tip->isVisible(); }, waitMs)) return {};
        return tip->accessibleName();
    }
    void DragDividerTo(int x) {
        const int from = Find("CScheduleLabelWnd")->width() + 2;
        QTest::mousePress(Schedule(), Qt::LeftButton, {}, QPoint(from, 200));
        QTest::mouseMove(Schedule(), QPoint(x, 200));
        QTest::mouseRelease(Schedule(), Qt::LeftButton, {}, QPoint(x, 200));
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    std::unique_ptr<CMainApp> app;
};

TEST_F(ViewsProgramTest, ViewActiveShowsItsView) {
    struct Case {
        int active;
        const char* shown;
        const char* header;   // the label column's title in the schedule
    } cases[] = {{0, "CScheduleViewWnd", "Resources"}, {1, "CScheduleViewWnd", "Tasks"},
                 {2, "CCalendarViewWnd", nullptr},     {5, "CCalendarViewWnd", nullptr},
                 {0, "CScheduleViewWnd", "Resources"}};
    for (const Case& c : cases) {
        Activate(c.active);
        ASSERT_NE(View()->VisibleView(), nullptr) << c.active;
        EXPECT_EQ(View()->VisibleView()->objectName(), c.shown) << c.active;
        EXPECT_EQ(View()->VisibleView()->geometry(), View()->rect()) << c.active;
        if (c.header != nullptr) {
            EXPECT_EQ(Find("CScheduleLabelWnd")->accessibleName(), c.header);
        }
    }
}

TEST_F(ViewsProgramTest, GoToDateWhileHiddenIsAppliedOnceOnActivation) {
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    EXPECT_EQ(FirstVisible().date.GetJulianDay(), Day(1));
    Activate(2);
    GoTo(Schedule(), Day(10, 2));
    Activate(0);
    EXPECT_EQ(FirstVisible().date.GetJulianDay(), Day(10, 2));
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    Activate(2);
    Activate(0);
    EXPECT_EQ(FirstVisible().date.GetJulianDay(), Day(1));
    // Shown: the go-to scrolls at once; a date past the end shows the last page.
    GoTo(Schedule(), Day(3, 3));
    EXPECT_EQ(FirstVisible().date.GetJulianDay(), Day(3, 3));
    GoTo(Schedule(), Day(1, 1, 2030));
    EXPECT_GT(FirstVisible().date.GetJulianDay(), Day(3, 3));
    EXPECT_LE(FirstVisible().date.GetJulianDay(), Day(30, 6));
}

TEST_F(ViewsProgramTest, GoToTodayCommandScrollsTheVisibleView) {
    ShowPeriodAroundToday();
    ui::SendMessage(app->MainFrame(), WM_COMMAND, 32779, 0);
    EXPECT_EQ(FirstVisible().date.GetJulianDay(), CDate::Today().GetJulianDay());
}

// The time bar's menu offers the host's commands of the time axis, each
// under the host's own menu text; the chosen one runs in the host.
TEST_F(ViewsProgramTest, TimeBarMenuRunsTheChosenHostCommand) {
    ShowPeriodAroundToday();
    const int first = FirstVisible().date.GetJulianDay();
    ASSERT_NE(first, CDate::Today().GetJulianDay());
    QWidget* bar = Find("CTimeBarWnd");
    ui::ScriptedMenuChooser chooser;
    QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(5, bar->height() / 2));
    ASSERT_EQ(chooser.shown().size(), 1u);
    const std::vector<ui::MenuItem>& items = chooser.shown()[0];
    const unsigned commands[] = {app_ids::ID_GO_TO_TODAY, app_ids::ID_CHOOSE_PERIOD, app_ids::ID_UNITS_ON_SCREEN,
                                 app_ids::ID_SCHEDULE_OPTIONS};
    ASSERT_EQ(items.size(), std::size(commands));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].id, commands[i]) << i;
        EXPECT_EQ(items[i].flags, 0u) << i;
        const QString hostText = app->MainFrame()->Action(commands[i])->text().section('\t', 0, 0);
        EXPECT_EQ(items[i].text, hostText.toStdString()) << i;
    }
    EXPECT_EQ(FirstVisible().date.GetJulianDay(), first) << "a dismissed menu runs nothing";

    chooser.Pick(app_ids::ID_GO_TO_TODAY);
    QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(5, bar->height() / 2));
    ASSERT_EQ(chooser.shown().size(), 2u);
    EXPECT_EQ(FirstVisible().date.GetJulianDay(), CDate::Today().GetJulianDay());
}

TEST_F(ViewsProgramTest, DividerDragClampsAndSavesTheLabelWidth) {
    QWidget* view = Schedule();
    const int client = view->width() - VerticalBar()->width();
    struct Case {
        int to;
        int width;
    } cases[] = {{-50, 0}, {100, 100}, {5000, client - 20}, {150, 150}};
    for (const Case& c : cases) {
        const int from = Find("CScheduleLabelWnd")->width() + 2;
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(from, 200));
        QTest::mouseMove(view, QPoint(c.to, 200));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(c.to, 200));
        EXPECT_EQ(GetSetting("ViewScheduleLabelWidth"), std::to_string(c.width)) << c.to;
        EXPECT_EQ(Find("CScheduleLabelWnd")->width(), c.width) << c.to;
        EXPECT_EQ(Find("CScheduleChartWnd")->x(), c.width + 5) << c.to;
    }
    // A double click ends the drag without applying it.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(152, 200));
    QTest::mouseMove(view, QPoint(300, 200));
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(GetSetting("ViewScheduleLabelWidth"), "150");
}

// The wheel over the schedule, its label column and either of its scroll
// bars scrolls its rows: a notch of 120 is a line, down for a negative
// delta; less than a notch waits for more the same way; any delta stays
// within the rows. The thumb shows the line the rows start at, which the
// status pane names under a resting mouse.
TEST_F(ViewsProgramTest, WheelScrollsTheRowsByLines) {
    ShowActive();
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    QWidget* grid = Find("CScheduleGridWnd");
    QScrollBar* horizontal = Find("CScheduleChartWnd")->findChild<QScrollBar*>();
    ASSERT_TRUE(horizontal->isVisibleTo(grid->parentWidget()));
    const auto wheel = [&](QWidget* target, int delta) {
        TurnWheel(target, delta);
        return VerticalBar()->value();
    };
    // Lines: Team 0, A 1..3, B 4, R2.. 5..34.
    const auto nameOfLine = [](int line) -> std::string {
        if (line == 0) return "Team";
        if (line <= 3) return "A";
        return line == 4 ? "B" : "R" + std::to_string(line - 3);
    };
    const int last = VScroll(ui::SB_BOTTOM);
    const struct {
        int delta, line;
    } turns[] = {{-240, 2}, {60, 2},  {60, 1},  {-100, 1}, {100, 1},   {-360, 4},     {-30, 4}, {-30, 4},
                 {-30, 4},  {-30, 5}, {480, 1}, {-1, 1},   {1, 1},     {-10000, last}, {10000, 0}};
    for (QWidget* target : {grid, static_cast<QWidget*>(VerticalBar()), static_cast<QWidget*>(horizontal),
                            Find("CScheduleLabelWnd")}) {
        VScroll(ui::SB_TOP);
        QTest::mouseMove(grid, QPoint(50, 2));
        for (const auto& turn : turns) {
            SCOPED_TRACE(::testing::Message() << target->metaObject()->className() << " " << turn.delta);
            EXPECT_EQ(wheel(target, turn.delta), turn.line);
            EXPECT_EQ(VerticalBar()->sliderPosition(), turn.line);
            EXPECT_EQ(app->MainFrame()->PaneText(0).toStdString(), nameOfLine(turn.line));
            EXPECT_EQ(horizontal->value(), 0);
        }
    }
}

TEST_F(ViewsProgramTest, VerticalScrollCodesAndTheThumbsSnap) {
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    // Lines: Team 0, A 1..3, B 4, R2.. 5..34.
    QScrollBar* bar = VerticalBar();
    ASSERT_TRUE(bar->isEnabled());
    const int page = bar->pageStep();
    const int last = bar->maximum();
    EXPECT_EQ(last, 35 - page);
    EXPECT_EQ(VScroll(ui::SB_LINEDOWN), 1);
    EXPECT_EQ(VScroll(ui::SB_LINEUP), 0);
    EXPECT_EQ(VScroll(ui::SB_LINEUP), 0);
    EXPECT_EQ(VScroll(ui::SB_PAGEDOWN), page);
    EXPECT_EQ(VScroll(ui::SB_BOTTOM), last);
    EXPECT_EQ(VScroll(ui::SB_PAGEDOWN), last);
    EXPECT_EQ(VScroll(ui::SB_TOP), 0);
    // Inside A's three lines the thumb moves back to A's first line.
    EXPECT_EQ(VScroll(ui::SB_THUMBPOSITION, 3), 1);
    EXPECT_EQ(VScroll(ui::SB_THUMBPOSITION, 2), 1);
    EXPECT_EQ(VScroll(ui::SB_THUMBPOSITION, 4), 4);
    EXPECT_EQ(VScroll(ui::SB_THUMBTRACK, 9), 4);   // tracking only shows the row's name
    EXPECT_EQ(VScroll(ui::SB_THUMBPOSITION, last), last);

    // Collapsing the group hides A and B: three lines fewer.
    ui::SendMessage(Schedule(), WM_PLUGIN_VIEW_COMMAND, 0, 0);
    EXPECT_EQ(VerticalBar()->maximum(), 31 - page);
    ui::SendMessage(Schedule(), WM_PLUGIN_VIEW_COMMAND, 0, 0);
    EXPECT_EQ(VerticalBar()->maximum(), last);
}

int DaySetting(const char* key) {
    const std::string text = GetSetting(key);
    if (text.size() != 8) return -1;
    return DateToJulianDay(std::stoi(text.substr(4, 2)), std::stoi(text.substr(6, 2)), std::stoi(text.substr(0, 4)));
}

TEST_F(ViewsProgramTest, PrepareReportWritesTheVisiblePeriodAndCollapsedGroups) {
    SetSetting("ViewScheduleBaseUnit", "4");
    QELA_OnSettingsChanged();
    GoTo(Schedule(), Day(3, 3));
    ASSERT_EQ(FirstVisible().date.GetJulianDay(), Day(3, 3));
    ui::SendMessage(Schedule(), WM_PLUGIN_VIEW_COMMAND, 0, 0);   // collapse the group
    EXPECT_EQ(QELA_PrepareReport(), 1);

    // Whole days between working hours, a partly shown last column counted.
    const int wholeColumns = Find("CScheduleChartWnd")->findChild<QScrollBar*>()->pageStep();
    EXPECT_EQ(DaySetting("ViewVisibleDateFirst"), Day(3, 3));
    const int shown = DaySetting("ViewVisibleDateLast") - Day(3, 3) + 1;
    EXPECT_GE(shown, wholeColumns);
    EXPECT_LE(shown, wholeColumns + 1);
    EXPECT_EQ(GetSetting("ViewVisibleTimeFirst"), "480");
    EXPECT_EQ(GetSetting("ViewVisibleTimeLast"), "1020");
    EXPECT_FALSE(GetSetting("ViewGroupsCollapsedResources").empty());
    EXPECT_EQ(GetSetting("ViewGroupsCollapsedTasks"), "");

    ui::SendMessage(Schedule(), WM_PLUGIN_VIEW_COMMAND, 0, 0);
    GoTo(Schedule(), Day(10, 3));
    QELA_PrepareReport();
    EXPECT_EQ(DaySetting("ViewVisibleDateFirst"), Day(10, 3));
    EXPECT_EQ(GetSetting("ViewGroupsCollapsedResources"), "");
}

// Full-height lines of colour in the band from top to bottom.
int BoundaryCount(const QImage& image, int top, int bottom, QRgb colour) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        bool full = true;
        for (int y = top; y < bottom && full; ++y) full = (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        count += full ? 1 : 0;
    }
    return count;
}

TEST_F(ViewsProgramTest, TimeBarHasTwoBandsForEveryBaseUnit) {
    for (int unit = 0; unit < 8; ++unit) {
        SetSetting("ViewScheduleBaseUnit", std::to_string(unit));
        QELA_OnSettingsChanged();
        QWidget* bar = Find("CTimeBarWnd");
        ASSERT_EQ(bar->height() % 2, 0) << unit;
        const int band = bar->height() / 2;
        ASSERT_GT(band, 4);
        const QImage image = bar->grab().toImage();
        // The lower band has one grey boundary per column; the upper one fewer black ones.
        const int minor = BoundaryCount(image, band + 1, 2 * band - 1, qRgb(0x80, 0x80, 0x80));
        const int major = BoundaryCount(image, 1, band - 1, qRgb(0, 0, 0));
        EXPECT_GE(minor, 3) << "unit " << unit;
        if (unit < 7) {
            EXPECT_LT(major, minor) << "unit " << unit;
        }
        EXPECT_EQ(Find("CScheduleGridWnd")->y(), 2 * band) << unit;
    }
}

// Hours with the nights and the weekend hidden: nine columns a working day.
// Monday's segment after Friday's reads as it does when the bar starts with
// Monday, not as the hidden weekend before it.
TEST_F(ViewsProgramTest, HoursAfterAHiddenWeekendAreLabelledMonday) {
    SetSetting("ViewScheduleBaseUnit", "3");
    SetSetting("ViewScheduleNonWorkingTimeHide", "1");
    SetSetting("ViewScheduleUnitsOnScreen", "30 30 30 24 31 13 12 3");
    QELA_OnSettingsChanged();
    QWidget* bar = Find("CTimeBarWnd");
    const auto upperBandFrom = [&](int day) {
        CDateTime target(CDate::FromJulianDay(Day(day)), CTimeOfDay(480));
        ui::SendMessage(Schedule(), WM_PLUGIN_GOTO_DATE, 1, reinterpret_cast<ui::LPARAM>(&target));
        EXPECT_EQ(FirstVisible(), target);
        return bar->grab().toImage();
    };
    const int band = bar->height() / 2;
    const QImage afterFriday = upperBandFrom(10);
    const QImage fromMonday = upperBandFrom(13);
    // Friday's segment ends with the first boundary line across the band.
    int day = 0;
    for (int x = 1; x < afterFriday.width() && day == 0; ++x) {
        bool line = true;
        for (int y = 0; y < band - 1 && line; ++y) line = (afterFriday.pixel(x, y) & 0xFFFFFF) == 0;
        if (line) day = x;
    }
    ASSERT_GT(day, 0);
    const QImage monday = fromMonday.copy(0, 0, day, band - 1);
    EXPECT_NE(afterFriday.copy(0, 0, day, band - 1), monday);   // Friday has its own label
    EXPECT_EQ(afterFriday.copy(day + 1, 0, day, band - 1), monday);
    // The plugin stays loaded and keeps what it read.
    SetSetting("ViewScheduleNonWorkingTimeHide", "0");
    SetSetting("ViewScheduleBaseUnit", "4");
    QELA_OnSettingsChanged();
}

// A double click zooms out on the upper band and in on the lower one, by the
// tables of units (a list in the settings replaces only its first entries);
// with zooming off it opens the host's schedule options instead.
TEST_F(ViewsProgramTest, TimeBarDoubleClickChangesTheBaseUnit) {
    struct Case {
        const char* zoom;    // "ViewScheduleTimeBarChangeBaseOnDoubleClick"
        const char* major;   // "ViewScheduleTimeBarChangeBaseOnDoubleClickMajor"
        int unit;
        bool upper;
        int after;
        bool options;        // the schedule options dialog opened
    } cases[] = {
        {"1", "", 3, true, 4, false},    {"1", "", 4, false, 3, false},   {"1", "", 3, false, 1, false},
        {"1", "", 0, false, 0, false},
        {"1", "5 5", 0, true, 5, false}, {"1", "5 5", 3, true, 4, false}, {"0", "", 3, true, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.zoom << " '" << c.major << "' unit " << c.unit << " upper " << c.upper);
        SetSetting("ViewScheduleTimeBarChangeBaseOnDoubleClick", c.zoom);
        SetSetting("ViewScheduleTimeBarChangeBaseOnDoubleClickMajor", c.major);
        SetSetting("ViewScheduleBaseUnit", std::to_string(c.unit));
        QELA_OnSettingsChanged();
        QWidget* bar = Find("CTimeBarWnd");
        const int band = bar->height() / 2;
        std::string dialog;
        if (c.options)
            dlgtest::WhenModal<QDialog>([&](QDialog* d) {
                dialog = d->metaObject()->className();
                d->reject();
            });
        QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(5, c.upper ? band / 2 : band + band / 2));
        EXPECT_EQ(GetSetting("ViewScheduleBaseUnit"), std::to_string(c.after));
        EXPECT_EQ(dialog, c.options ? "CScheduleOptionsDlg" : "");
    }
}

TEST_F(ViewsProgramTest, ToolbarBaseUnitRelaysTheChart) {
    QScrollBar* bar = Find("CScheduleChartWnd")->findChild<QScrollBar*>();
    QComboBox* combo = app->MainFrame()->ToolBar()->BaseUnitCombo();
    struct Case {
        int unit;
        int columns;   // in the half-year period; 0: they all fit and the bar goes
    } cases[] = {{3, 181 * 24}, {6, 0}, {4, 181}, {7, 0}};
    for (const Case& c : cases) {
        emit combo->activated(c.unit);
        EXPECT_EQ(GetSetting("ViewScheduleBaseUnit"), std::to_string(c.unit));
        EXPECT_EQ(bar->isHidden(), c.columns == 0) << c.unit;
        // The last position plus the page covers every column.
        if (c.columns != 0) {
            EXPECT_EQ(bar->maximum() + bar->pageStep(), c.columns) << c.unit;
        }
    }
}

TEST_F(ViewsProgramTest, HoveringATimeBarCellShowsItsFullDate) {
    SetSetting("ViewScheduleBaseUnit", "4");
    QELA_OnSettingsChanged();
    GoTo(Schedule(), Day(6));
    ShowActive();
    QWidget* bar = Find("CTimeBarWnd");
    const int band = bar->height() / 2;
    const CDateTime monday(CDate::FromJulianDay(Day(6)));
    // Lower band: the day; upper band over days: the month.
    EXPECT_EQ(Hover(bar, QPoint(1, band + band / 2)).toStdString(), FormatDateForUnit(monday, 4));
    QWidget* tip = bar->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly);
    EXPECT_EQ(tip->geometry().topLeft(), bar->mapToGlobal(QPoint(1 + 16, 2 * band + 2)));
    EXPECT_FALSE(tip->isActiveWindow());
    QTest::mouseMove(Find("CScheduleGridWnd"), QPoint(5, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(bar, &leave);
    EXPECT_TRUE(tip->isHidden());
    EXPECT_EQ(Hover(bar, QPoint(1, band / 2)).toStdString(), FormatDateForUnit(monday, 6));
}

TEST_F(ViewsProgramTest, HoveringACutOffLabelShowsTheWholeName) {
    ShowActive();
    QWidget* labels = Find("CScheduleLabelWnd");
    const QPoint team(5, Find("CTimeBarWnd")->height() + 2);
    DragDividerTo(150);
    EXPECT_EQ(Hover(labels, team, 1000), "");   // "Team" fits
    DragDividerTo(20);
    EXPECT_EQ(Hover(labels, team + QPoint(1, 0)), "Team");
}

TEST_F(ViewsProgramTest, LabelMenuRunsTheHostCommandForTheRow) {
    ShowActive();
    QWidget* labels = Find("CScheduleLabelWnd");
    const int header = Find("CTimeBarWnd")->height();
    ui::ScriptedMenuChooser chooser;   // the program's: the plugin's menus ask it
    // In the header there is no row: edit and delete are grey, nothing runs.
    chooser.Pick(32787);
    QTest::mouseClick(labels, Qt::RightButton, {}, QPoint(5, header / 2));
    ASSERT_EQ(chooser.shown().size(), 1u);
    const std::vector<ui::MenuItem>& items = chooser.shown()[0];
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, "New &Resource...");
    EXPECT_EQ(items[0].flags, 0u);
    EXPECT_EQ(items[1].flags, ui::MF_GRAYED);
    EXPECT_EQ(items[2].id, 32787u);
    EXPECT_EQ(items[2].flags, ui::MF_GRAYED);
    EXPECT_EQ(app->MainFrame()->Data()->resourceGroups->GetCount(), 1);

    // On the group row "Team": delete it.
    const int before = app->MainFrame()->Data()->resourceGroups->GetCount();
    prompts.AnswerMessage(ui::IDYES);
    chooser.Pick(32787);
    QTest::mouseClick(labels, Qt::RightButton, {}, QPoint(5, header + 2));
    ASSERT_EQ(chooser.shown().size(), 2u);
    EXPECT_EQ(chooser.shown()[1][2].flags, 0u);
    EXPECT_EQ(app->MainFrame()->Data()->resourceGroups->GetCount(), before - 1);
    EXPECT_EQ(chooser.unscripted(), 0);
}

// On a write-protected plan the host refuses a new or deleted row without a
// word of its own; the row menu says why. Editing only shows, so nothing
// needs saying.
TEST_F(ViewsProgramTest, LabelMenuOnAWriteProtectedPlanSaysWhy) {
    CPlanData* data = app->MainFrame()->Data();
    const std::string path = dir.Path() + "site.qel";
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "alpha", "beta"), kDataOk);
    prompts.AnswerMessage(ui::IDNO);
    app->MainFrame()->OnCommand(app_ids::ID_FILE_NEW);
    dlgtest::WhenModal<CPasswordEntryDlg>([](CPasswordEntryDlg* dialog) {
        static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_ENTRY))->setText("beta");
        dialog->accept();
    });
    prompts.AnswerMessage(ui::IDOK);   // the read-only note
    ASSERT_TRUE(app->MainFrame()->Files().OpenDocument(path));
    ASSERT_TRUE(data->properties->IsWriteProtected());
    ShowActive();
    QWidget* labels = Find("CScheduleLabelWnd");
    const int header = Find("CTimeBarWnd")->height();
    const std::string refused = plat::LoadResString(ids::ITEM_READ_ONLY);
    const std::string before = dlgtest::Dump(data);
    ui::ScriptedMenuChooser chooser;
    const std::pair<unsigned, int> choices[] = {
        {32785, header / 2},   // new resource
        {32787, header + 2},   // delete the group "Team"
    };
    for (const auto& [item, y] : choices) {
        SCOPED_TRACE(item);
        const std::size_t asked = prompts.asked().size();
        chooser.Pick(item);
        QTest::mouseClick(labels, Qt::RightButton, {}, QPoint(5, y));
        ASSERT_EQ(prompts.asked().size(), asked + 1);
        EXPECT_EQ(prompts.asked().back().text, refused);
    }
    EXPECT_EQ(dlgtest::Dump(data), before);
    EXPECT_EQ(chooser.unscripted(), 0);
}

TEST_F(ViewsProgramTest, BadSettingsAreClamped) {
    const char* settings[][2] = {
        {"ViewScheduleUnitsOnScreen", "0 0 0 0 0 0 0 0"},
        {"ViewScheduleUnitsOnScreen", "40000 40000 40000 40000 40000 40000 40000 40000"},
        {"ViewScheduleColumnWidthMin", "0"},
        {"ViewScheduleColumnWidthMin", "-2147483648"},
        {"ViewScheduleColumnWidthMin", "2147483647"},
        {"ViewScheduleLabelWidth", "-5"},
        {"ViewScheduleHeightRowFactor", "0"},
        {"ViewScheduleLabelHeightRowFactor", "0"},
        {"ViewScheduleBookingHeightRowFactor", "0"},
        {"ViewScheduleTimeBarHeightRowFactor", "0"},
    };
    for (int unit : {0, 4, 5, 6, 7}) {
        SetSetting("ViewScheduleBaseUnit", std::to_string(unit));
        for (const auto& s : settings) {
            SetSetting(s[0], s[1]);
            QELA_OnSettingsChanged();
            Schedule()->grab();
            EXPECT_GE(Find("CScheduleLabelWnd")->width(), 0);
        }
    }
    EXPECT_EQ(Find("CScheduleLabelWnd")->width(), 0);
    // A plan with no working weekday, a day start after its end, hidden non-working time.
    SetSetting("ViewScheduleNonWorkingTimeHide", "1");
    Edit([](CPlanData& data) {
        data.properties->BeginChange();
        data.properties->dayStartMinutes = 1000;
        data.properties->dayEndMinutes = 600;
        for (auto& day : data.properties->workingDays) day = 0;
    });
    for (int unit : {0, 3, 4}) {
        SetSetting("ViewScheduleBaseUnit", std::to_string(unit));
        QELA_OnSettingsChanged();
        Schedule()->grab();
        ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_RIGHT, 0);
        ui::SendMessage(Schedule(), kVScroll, ui::SB_BOTTOM, 0);
    }
}

// --- The booking grid ----------------------------------------------------------

// B's booking (6 January, 8:00 to 17:00) painted in a colour of its own, so
// that the tests find its bar on the screen.
class GridProgramTest : public ViewsProgramTest {
protected:
    static constexpr std::uint32_t kMarked = 0x0000C0;   // 0x00BBGGRR

    void SetUp() override {
        ViewsProgramTest::SetUp();
        Edit([&](CPlanData&) {
            CBooking* b = BookingOf("B");
            b->BeginChange();
            b->color2 = kMarked;
        });
        // Days, 31 on the screen, weekends shown. (The plugin stays loaded
        // between the tests and keeps what earlier ones set.)
        SetSetting("ViewScheduleBaseUnit", "4");
        SetSetting("ViewScheduleNonWorkingTimeHide", "0");
        SetSetting("ViewScheduleUnitsOnScreen", "30 30 30 24 31 13 12 3");
        QELA_OnSettingsChanged();
        ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
        Grid()->grab();
    }

    CPlanData* Data() const { return app->MainFrame()->Data(); }
    QWidget* Grid() const { return Find("CScheduleGridWnd"); }
    CResource* ResourceNamed(const std::string& name) const {
        for (CResource* r : dlgtest::All<CResource>(Data()->resources))
            if (name == r->name) return r;
        return nullptr;
    }
    CBooking* BookingOf(const std::string& resource) const {
        for (CBooking* b : dlgtest::All<CBooking>(Data()->bookings))
            if (b->resource != nullptr && resource == b->resource->name) return b;
        return nullptr;
    }
    // The marked bar on the screen.
    QRect MarkedBar() const { return BarOf(0xC00000); }
    // The pixels of a bar filled with colour (RGB).
    QRect BarOf(QRgb colour) const {
        const QImage image = Grid()->grab().toImage();
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == colour) box |= QRect(x, y, 1, 1);
        return box;
    }
    QWidget* GridTip() const { return Grid()->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly); }
    // Pixels of a day column: the units on screen share the grid's width.
    int ColumnWidth() const { return Grid()->width() / 31; }

    // Press, wait past the drag delay (or not), move by dx and dy, release.
    void Drag(QPoint from, int dx, int dy, bool pastDelay = true) {
        QTest::mousePress(Grid(), Qt::LeftButton, {}, from);
        if (pastDelay) apptest::PassDragDelay();
        const QPoint to = from + QPoint(dx, dy);
        QTest::mouseMove(Grid(), from + QPoint(dx / 2, dy / 2));
        QTest::mouseMove(Grid(), to);
        QTest::mouseRelease(Grid(), Qt::LeftButton, {}, to);
    }
    // Every record, in an order that a move does not change.
    std::vector<std::string> Records() const {
        std::vector<std::string> lines;
        std::istringstream in(dlgtest::Dump(Data()));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        std::sort(lines.begin(), lines.end());
        return lines;
    }
    std::string UndoText() const { return app->MainFrame()->Action(app_ids::ID_UNDO)->text().toStdString(); }
    void Undo() const { app->MainFrame()->Action(app_ids::ID_UNDO)->trigger(); }
    static CDateTime At(int day, int minutes) { return CDateTime(CDate::FromJulianDay(Day(day)), CTimeOfDay(minutes)); }
};

TEST_F(GridProgramTest, DragMovesResizesAndUndoRestoresEveryRecord) {
    const QRect bar = MarkedBar();
    ASSERT_FALSE(bar.isEmpty());
    const int column = ColumnWidth();
    ASSERT_TRUE(app->MainFrame()->Files().SaveDocumentTo(dir.Path() + "plan.qel"));
    const std::vector<std::string> before = Records();
    CBooking* booking = BookingOf("B");
    const std::string title = app->MainFrame()->windowTitle().toStdString();
    EXPECT_EQ(title.find(" *"), std::string::npos);

    // Two columns to the right: two days later, same clock times, same row.
    Drag(bar.center(), 2 * column, 0);
    EXPECT_EQ(TimesOf(booking), (BookingTimes{Day(8), 480, Day(8), 1020}));
    EXPECT_EQ(booking->resource, ResourceNamed("B"));
    EXPECT_EQ(UndoText(), "&Undo " + plat::LoadResString(ids::UNDO_MOVE_BOOKING) + "\tCtrl+Z");
    EXPECT_NE(app->MainFrame()->windowTitle().toStdString(), title);
    EXPECT_NE(app->MainFrame()->windowTitle().toStdString().find(" *"), std::string::npos);
    Undo();
    EXPECT_EQ(Records(), before);

    // One line down and one column on: R2's row, 7 January.
    Drag(bar.center(), column, bar.height() + 6);
    EXPECT_EQ(TimesOf(booking), (BookingTimes{Day(7), 480, Day(7), 1020}));
    EXPECT_EQ(booking->resource, ResourceNamed("R2"));
    Undo();
    EXPECT_EQ(Records(), before);

    // The end border one column on: the end moves to the working day's end.
    Drag(QPoint(bar.right() - 1, bar.center().y()), column, 0);
    EXPECT_EQ(TimesOf(booking), (BookingTimes{Day(6), 480, Day(7), 1020}));
    EXPECT_EQ(UndoText(), "&Undo " + plat::LoadResString(ids::UNDO_RESIZE_BOOKING) + "\tCtrl+Z");
    Undo();
    EXPECT_EQ(Records(), before);

    // Released before the drag delay: selected, not moved.
    Drag(bar.center(), 2 * column, 0, false);
    EXPECT_EQ(Records(), before);
}

TEST_F(GridProgramTest, DropOnAGroupRowChangesNothing) {
    const QRect bar = MarkedBar();
    const std::vector<std::string> before = Records();
    prompts.AnswerMessage(ui::IDOK);
    // The group row "Team" is the first line.
    Drag(bar.center(), 0, -bar.center().y() + 2);
    ASSERT_FALSE(prompts.asked().empty());
    EXPECT_EQ(prompts.asked().back().text, plat::LoadResString(ids::SCHEDULE_DROP_ON_GROUP));
    EXPECT_EQ(Records(), before);
}

TEST_F(GridProgramTest, DoubleClickAsksTheHostToEditTheBooking) {
    void* edited = nullptr;
    app->MainFrame()->NamedCommands().Set(HostCommand::EditBooking, [&](void* arg) {
        edited = arg;
        return true;
    });
    QTest::mouseDClick(Grid(), Qt::LeftButton, {}, MarkedBar().center());
    EXPECT_EQ(edited, BookingOf("B"));
}

TEST_F(GridProgramTest, CurrentSelectionReportsTheBookingAndTheCells) {
    const QRect bar = MarkedBar();
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, bar.center());
    CBooking* bookings[4] = {};
    SelectionRecord record{};
    record.bookings = bookings;
    record.bookingCapacity = 4;
    QELA_GetCurrentSelection(&record);
    EXPECT_EQ(record.bookingCount, 1);
    EXPECT_EQ(bookings[0], BookingOf("B"));
    EXPECT_EQ(record.startDate, 0);

    // Cells from 2 to 4 January over B's and R2's rows: no booking there.
    const int column = ColumnWidth();
    const QPoint from(column + column / 2, bar.center().y());
    QTest::mousePress(Grid(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Grid(), from + QPoint(2 * column, bar.height() + 6));
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, from + QPoint(2 * column, bar.height() + 6));
    CResource* resources[4] = {};
    record = {};
    record.resources = resources;
    record.resourceCapacity = 4;
    QELA_GetCurrentSelection(&record);
    EXPECT_EQ(record.bookingCount, 0);
    EXPECT_EQ(record.startDate, Day(2));
    EXPECT_EQ(record.endDate, Day(4));
    ASSERT_EQ(record.resourceCount, 2);
    EXPECT_EQ(resources[0], ResourceNamed("B"));
    EXPECT_EQ(resources[1], ResourceNamed("R2"));
    // Stretched over 6 January, B's and R2's bookings are in it.
    QTest::mousePress(Grid(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Grid(), from + QPoint(5 * column, bar.height() + 6));
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, from + QPoint(5 * column, bar.height() + 6));
    record = {};
    QELA_GetCurrentSelection(&record);
    EXPECT_EQ(record.bookingCount, 2);
}

// While the button extends a cell selection, a tooltip below and right of
// the first cell names the cells' period; it goes with the button or Escape.
TEST_F(GridProgramTest, SelectingCellsShowsTheirPeriod) {
    ShowActive();
    const QRect bar = MarkedBar();
    const int column = ColumnWidth();
    QWidget* tip = Grid()->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly);
    ASSERT_NE(tip, nullptr);
    // B's row is empty from Wednesday 1 January; on to Saturday the 4th.
    const QPoint from(column / 2, bar.center().y());
    QTest::mousePress(Grid(), Qt::LeftButton, {}, from);
    for (int n = 1; n <= 3; ++n) QTest::mouseMove(Grid(), from + QPoint(n * column, 0));
    ASSERT_TRUE(tip->isVisible());
    // Three working days; Saturday has no working time.
    EXPECT_EQ(tip->accessibleName().toStdString(), ReadablePeriodTip(At(1, 480), At(4, 1020), "27:00 h"));
    const QPoint corner = Grid()->mapFromGlobal(tip->pos());
    EXPECT_EQ(corner.x(), column + 3);
    EXPECT_GT(corner.y(), bar.bottom());
    EXPECT_LT(corner.y(), bar.bottom() + bar.height());
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, from + QPoint(3 * column, 0));
    EXPECT_FALSE(tip->isVisible());

    // Escape: the tooltip goes and the mouse no longer extends the cells.
    QTest::mousePress(Grid(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Grid(), from + QPoint(2 * column, 0));
    ASSERT_TRUE(tip->isVisible());
    QTest::keyClick(Grid(), Qt::Key_Escape);
    EXPECT_FALSE(tip->isVisible());
    QTest::mouseMove(Grid(), from + QPoint(4 * column, 0));
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, from + QPoint(4 * column, 0));
    EXPECT_FALSE(tip->isVisible());
    SelectionRecord record{};
    QELA_GetCurrentSelection(&record);
    EXPECT_EQ(record.startDate, Day(1));
    EXPECT_EQ(record.endDate, Day(3));
}

// The cells stand for the period and the rows they were selected on:
// scrolling them partly or wholly away, even while the button still
// extends them, changes neither.
TEST_F(GridProgramTest, ScrollingLeavesTheSelectedCellsAsSelected) {
    const QRect bar = MarkedBar();
    const int column = ColumnWidth();
    const auto selected = [&] {
        CResource* resources[4] = {};
        SelectionRecord record{};
        record.resources = resources;
        record.resourceCapacity = 4;
        QELA_GetCurrentSelection(&record);
        std::string rows;
        for (int i = 0; i < std::min(record.resourceCount, 4); ++i) rows += std::string(resources[i]->name) + " ";
        // Days of January.
        return ::testing::Message() << record.startDate - Day(1) + 1 << " " << record.startTime << " - "
                                    << record.endDate - Day(1) + 1 << " " << record.endTime << ": " << rows;
    };
    const auto text = [](const ::testing::Message& m) { return m.GetString(); };
    // 2 to 4 January over B's and R2's rows.
    const QPoint from(column + column / 2, bar.center().y());
    const QPoint to = from + QPoint(2 * column, bar.height() + 6);
    QTest::mousePress(Grid(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Grid(), to);
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, to);
    const std::string chosen = text(selected());
    ASSERT_EQ(chosen, "2 480 - 4 1020: B R2 ");
    const struct {
        const char* name;
        unsigned message;
        int code;
    } steps[] = {
        {"a column on", kHScroll, ui::SB_LINEDOWN}, {"two columns on: partly away", kHScroll, ui::SB_LINEDOWN},
        {"a page on: wholly away", kHScroll, ui::SB_PAGEDOWN}, {"rows a page down", kVScroll, ui::SB_PAGEDOWN},
        {"back to the first rows", kVScroll, ui::SB_TOP}, {"back to the first day", kHScroll, ui::SB_LEFT},
    };
    for (const auto& step : steps) {
        ui::SendMessage(step.message == kHScroll ? Find("CScheduleChartWnd") : Schedule(), step.message, step.code, 0);
        EXPECT_EQ(text(selected()), chosen) << step.name;
    }

    // Scrolled on by three columns while the button is down: the anchor, now
    // out of view, keeps 2 January; the end is the day under the mouse.
    QTest::mouseMove(Grid(), from);
    QTest::mousePress(Grid(), Qt::LeftButton, {}, from);
    for (int n = 0; n < 3; ++n) ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LINEDOWN, 0);
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, from);
    EXPECT_EQ(text(selected()), "2 480 - 5 1020: B ");
}

// Where the rows or the columns are numbered afresh, the cells would name
// other rows or another period: the selection goes.
TEST_F(GridProgramTest, TheSelectedCellsGoWhereRowsOrColumnsAreNumberedAfresh) {
    QWidget* labels = Find("CScheduleLabelWnd");
    const int header = Find("CTimeBarWnd")->height();
    const auto clickExpander = [&] { QTest::mouseClick(labels, Qt::LeftButton, {}, QPoint(5, header + 3)); };
    const auto toggleAll = [&] { ui::SendMessage(Schedule(), WM_PLUGIN_VIEW_COMMAND, 0, 0); };
    const auto baseUnit = [&](const char* unit) {
        SetSetting("ViewScheduleBaseUnit", unit);
        QELA_OnSettingsChanged();
        ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    };
    const auto filter = [] { QELA_OnFilterChanged(0); };
    const struct {
        const char* name;
        std::function<void()> change, undo;
    } cases[] = {
        {"a group collapsed", clickExpander, clickExpander},
        {"all groups collapsed", toggleAll, toggleAll},
        {"hours instead of days", [&] { baseUnit("3"); }, [&] { baseUnit("4"); }},
        {"a go-to past the last page",
         [&] {
             ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_RIGHT, 0);
             GoTo(Schedule(), Day(1, 1, 2030));
         },
         [&] { ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0); }},
        {"a change of the plan",
         [&] {
             Edit([&](CPlanData&) {
                 BookingOf("R2")->BeginChange();
                 BookingOf("R2")->color1 = 0x00FF00;
             });
         },
         [] {}},
        {"a change of the filter", filter, [] {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect bar = MarkedBar();
        const int column = ColumnWidth();
        // 2 to 4 January over R2's and R3's rows (in every case on the screen).
        const QPoint from(column + column / 2, bar.center().y() + bar.height() + 6);
        const QPoint to = from + QPoint(2 * column, bar.height() + 6);
        QTest::mousePress(Grid(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Grid(), to);
        QTest::mouseRelease(Grid(), Qt::LeftButton, {}, to);
        SelectionRecord record{};
        QELA_GetCurrentSelection(&record);
        ASSERT_EQ(record.startDate, Day(2));
        ASSERT_EQ(record.resourceCount, 2);
        c.change();
        record = {};
        QELA_GetCurrentSelection(&record);
        EXPECT_EQ(record.startDate, 0);
        EXPECT_EQ(record.endDate, 0);
        EXPECT_EQ(record.resourceCount, 0);
        c.undo();
    }
}

// A selected booking stays the host's selection while the view scrolls it
// away (Del then deletes it); a click elsewhere, a filter that leaves it
// out, a go-to, a toggle of the groups or its deletion drop it.
TEST_F(GridProgramTest, ASelectedBookingStaysSelectedWhileScrolledAway) {
    ShowActive();
    CFilter* filter = nullptr;
    ASSERT_EQ(QELA_GetPublicFilter(&filter), 1);
    const auto selected = [&]() -> CBooking* {
        CBooking* bookings[2] = {};
        SelectionRecord record{};
        record.bookings = bookings;
        record.bookingCapacity = 2;
        QELA_GetCurrentSelection(&record);
        return record.bookingCount == 1 ? bookings[0] : nullptr;
    };
    const auto scroll = [&](unsigned message, int code) {
        return [this, message, code] {
            ui::SendMessage(message == kHScroll ? Find("CScheduleChartWnd") : Schedule(), message, code, 0);
        };
    };
    const auto filterOut = [&](const char* name) {
        return [this, filter, name] {
            CResource* resource = ResourceNamed(name);
            filter->SetExcludedResources(&resource, 1);
            SetSetting("ViewFilterActive", "1");
            QELA_OnFilterChanged(1);
        };
    };
    const auto filterOff = [filter] {
        filter->Clear();
        SetSetting("ViewFilterActive", "0");
        QELA_OnFilterChanged(0);
    };
    const struct {
        const char* name;
        std::function<void()> change;
        bool kept;
    } cases[] = {
        {"a page on", scroll(kHScroll, ui::SB_PAGEDOWN), true},
        {"to the last day", scroll(kHScroll, ui::SB_RIGHT), true},
        {"to the last rows", scroll(kVScroll, ui::SB_BOTTOM), true},
        {"another booking changed",
         [&] {
             Edit([&](CPlanData&) {
                 BookingOf("R2")->BeginChange();
                 BookingOf("R2")->color1 = 0x00FF00;
             });
         },
         true},
        {"a filter that lets it through", filterOut("A"), true},
        {"a filter that leaves it out", filterOut("B"), false},
        {"a click on a cell", [&] { QTest::mouseClick(Grid(), Qt::LeftButton, {}, QPoint(ColumnWidth() / 2, 5)); },
         false},
        {"a go-to", [&] { GoTo(Schedule(), Day(20)); }, false},
        {"the groups toggled", [&] { ui::SendMessage(Schedule(), WM_PLUGIN_VIEW_COMMAND, 0, 0); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        filterOff();
        ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
        VScroll(ui::SB_TOP);
        QTest::mouseClick(Grid(), Qt::LeftButton, {}, MarkedBar().center());
        ASSERT_EQ(selected(), BookingOf("B"));
        c.change();
        EXPECT_EQ(selected(), c.kept ? BookingOf("B") : nullptr);
    }
    filterOff();
    ui::SendMessage(Schedule(), WM_PLUGIN_VIEW_COMMAND, 0, 0);   // the groups open again

    // Scrolled away, Del asks and deletes it; then nothing is selected.
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, MarkedBar().center());
    ASSERT_EQ(selected(), BookingOf("B"));
    VScroll(ui::SB_BOTTOM);
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_PAGEDOWN, 0);
    ASSERT_TRUE(MarkedBar().isEmpty());
    EXPECT_TRUE(PressDeleteAndConfirm(app->MainFrame()));
    EXPECT_EQ(BookingOf("B"), nullptr);
    EXPECT_EQ(selected(), nullptr);
}

// A double click on the label column: the header opens the list of the
// rows' kind, an empty area adds one, an item row edits its item, a group
// row opens or closes (once, also on its expander); in either mode.
TEST_F(GridProgramTest, LabelDoubleClickRunsTheHostCommandForWhereItIs) {
    View()->resize(800, 1200);   // every row fits, with room below them
    QWidget* labels = Find("CScheduleLabelWnd");
    const int header = Find("CTimeBarWnd")->height();
    std::vector<std::string> ran;
    for (unsigned id : {app_ids::ID_RESOURCE_LIST, app_ids::ID_TASK_LIST})
        app->MainFrame()->FrameCommands().Set(id, {[&ran, id] { ran.push_back("command " + std::to_string(id)); }, {}, {}});
    const auto record = [&](HostCommand command, const char* name) {
        app->MainFrame()->NamedCommands().Set(command, [&ran, name](void* arg) {
            std::string item;
            if (std::string_view(name) == "EditResource") item = static_cast<CResource*>(arg)->name;
            if (std::string_view(name) == "EditTask") item = static_cast<CTask*>(arg)->name;
            ran.push_back(std::string(name) + (arg == nullptr ? "" : " " + item));
            return true;
        });
    };
    record(HostCommand::AddResource, "AddResource");
    record(HostCommand::AddTask, "AddTask");
    record(HostCommand::EditResource, "EditResource");
    record(HostCommand::EditTask, "EditTask");
    const int bRow = header + MarkedBar().center().y();   // B's row, its bar's height
    const struct {
        const char* name;
        int view;   // 0 resources, 1 tasks
        QPoint at;
        const char* command;      // what ran, "" for nothing
        const char* collapsed;    // "ViewGroupsCollapsedResources" afterwards
    } cases[] = {
        {"header, resources", 0, {40, header / 2}, "command 32775", ""},
        {"header, tasks", 1, {40, header / 2}, "command 32776", ""},
        {"below the rows, resources", 0, {40, labels->height() - 5}, "AddResource", ""},
        {"below the rows, tasks", 1, {40, labels->height() - 5}, "AddTask", ""},
        {"a resource's row", 0, {40, bRow}, "EditResource B", ""},
        {"a task's row", 1, {40, header + 3}, "EditTask Work", ""},
        {"a group's name", 0, {40, header + 3}, "", "x"},
        {"a group's expander", 0, {5, header + 3}, "", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Activate(c.view);
        ran.clear();
        // As the window system sends a double click: a click, then the second press as the double click.
        QTest::mouseClick(labels, Qt::LeftButton, {}, c.at);
        QTest::mouseDClick(labels, Qt::LeftButton, {}, c.at);
        QTest::mouseRelease(labels, Qt::LeftButton, {}, c.at);
        EXPECT_EQ(ran, *c.command != '\0' ? std::vector<std::string>{c.command} : std::vector<std::string>{});
        QELA_PrepareReport();
        EXPECT_EQ(GetSetting("ViewGroupsCollapsedResources").empty(), *c.collapsed == '\0');
        if (*c.collapsed != '\0') ui::SendMessage(Schedule(), WM_PLUGIN_VIEW_COMMAND, 0, 0);
    }
}

TEST_F(GridProgramTest, WriteProtectedDocumentRefusesTheDrag) {
    const std::string path = dir.Path() + "site.qel";
    ASSERT_EQ(dlgtest::SaveProtected(Data(), path, "alpha", "beta"), kDataOk);
    prompts.AnswerMessage(ui::IDNO);
    app->MainFrame()->OnCommand(app_ids::ID_FILE_NEW);
    dlgtest::WhenModal<CPasswordEntryDlg>([&](CPasswordEntryDlg* dialog) {
        static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_ENTRY))->setText("beta");
        dialog->accept();
    });
    ASSERT_TRUE(app->MainFrame()->Files().OpenDocument(path));
    ASSERT_TRUE(Data()->properties->IsWriteProtected());
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    const QRect bar = MarkedBar();
    ASSERT_FALSE(bar.isEmpty());
    const std::vector<std::string> before = Records();
    Drag(bar.center(), 2 * ColumnWidth(), 0);
    Drag(QPoint(bar.right() - 1, bar.center().y()), ColumnWidth(), 0);
    EXPECT_EQ(Records(), before);
}

// The dragged booking deleted, or the document replaced, while the button
// is down: the drop writes nothing and nothing breaks.
TEST_F(GridProgramTest, ChangesDuringADragEndIt) {
    const QRect bar = MarkedBar();
    const int column = ColumnWidth();
    // Deleted by another command after the drag began.
    QTest::mousePress(Grid(), Qt::LeftButton, {}, bar.center());
    apptest::PassDragDelay();
    QTest::mouseMove(Grid(), bar.center() + QPoint(column, 0));
    Edit([&](CPlanData&) { BookingOf("B")->Delete(); });
    const std::vector<std::string> afterDelete = Records();
    QTest::mouseMove(Grid(), bar.center() + QPoint(2 * column, 0));
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, bar.center() + QPoint(2 * column, 0));
    EXPECT_EQ(Records(), afterDelete);

    // Hovered, then deleted: the hover timer finds nothing to show.
    CBooking* a = BookingOf("A");
    ASSERT_NE(a, nullptr);
    QTest::mouseMove(Grid(), bar.center() - QPoint(0, bar.height() * 3));
    Edit([&](CPlanData&) { a->Delete(); });
    QTest::qWait(700);

    // The document replaced in the middle of a drag of R2's booking.
    const QPoint r2 = bar.center() + QPoint(0, bar.height() + 6);
    QTest::mousePress(Grid(), Qt::LeftButton, {}, r2);
    apptest::PassDragDelay();
    QTest::mouseMove(Grid(), r2 + QPoint(column, 0));
    prompts.AnswerMessage(ui::IDNO);
    app->MainFrame()->OnCommand(app_ids::ID_FILE_NEW);
    const std::vector<std::string> fresh = Records();
    QTest::mouseMove(Grid(), r2 + QPoint(2 * column, 0));
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, r2 + QPoint(2 * column, 0));
    EXPECT_EQ(Records(), fresh);
    EXPECT_EQ(Data()->bookings->GetCount(), 0);
}

// Any change of the document while the button is down ends the drag: the
// drop writes nothing, even when the dragged booking was not touched.
TEST_F(GridProgramTest, AnyChangeDuringADragEndsIt) {
    const QRect bar = MarkedBar();
    const int column = ColumnWidth();
    CBooking* booking = BookingOf("B");
    const BookingTimes before = TimesOf(booking);
    QTest::mousePress(Grid(), Qt::LeftButton, {}, bar.center());
    apptest::PassDragDelay();
    QTest::mouseMove(Grid(), bar.center() + QPoint(column, 0));
    Edit([&](CPlanData&) {
        CBooking* other = BookingOf("R2");
        other->BeginChange();
        other->color1 = 0x00FF00;
    });
    QTest::mouseMove(Grid(), bar.center() + QPoint(2 * column, 0));
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, bar.center() + QPoint(2 * column, 0));
    EXPECT_EQ(TimesOf(booking), before);
    EXPECT_EQ(UndoText().find(plat::LoadResString(ids::UNDO_MOVE_BOOKING)), std::string::npos);
}

TEST_F(GridProgramTest, RightButtonSelectsAndRunsTheChosenMenuItem) {
    ShowActive();
    const QRect bar = MarkedBar();
    ui::ScriptedMenuChooser chooser;
    // Off a bar: a cell is selected; the host's items act on it.
    QTest::mouseClick(Grid(), Qt::RightButton, {}, QPoint(ColumnWidth() / 2, bar.center().y()));
    ASSERT_EQ(chooser.shown().size(), 1u);
    const std::vector<ui::MenuItem>& cellItems = chooser.shown()[0];
    ASSERT_GE(cellItems.size(), 7u);
    EXPECT_EQ(cellItems[0].flags, 0u);                 // new booking: a period is selected
    EXPECT_EQ(cellItems[1].flags, ui::MF_GRAYED);      // edit: no booking
    // On the bar: the booking is selected and the chosen item (cut) takes it.
    chooser.Pick(5);
    QTest::mouseClick(Grid(), Qt::RightButton, {}, bar.center());
    ASSERT_EQ(chooser.shown().size(), 2u);
    EXPECT_EQ(chooser.shown()[1][1].flags, 0u);   // edit
    EXPECT_EQ(chooser.shown()[1][4].text, "Cu&t Booking");
    EXPECT_EQ(BookingOf("B"), nullptr);
    EXPECT_EQ(UndoText(), "&Undo " + plat::LoadResString(ids::UNDO_CUT_BOOKING) + "\tCtrl+Z");
}

TEST_F(GridProgramTest, RestingOnABarShowsItsTooltip) {
    ShowActive();
    const QRect bar = MarkedBar();
    const QString text = Hover(Grid(), bar.center());
    EXPECT_TRUE(text.contains("B")) << text.toStdString();
    EXPECT_TRUE(text.contains("Work")) << text.toStdString();
    // Off the bar it goes.
    QTest::mouseMove(Grid(), bar.center() + QPoint(0, 3 * bar.height()));
    QWidget* tip = Grid()->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly);
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tip->isVisible(); }, 2000));
}

// Scrolling moves the bars from under the mouse: the booking's tooltip goes
// at once, and the bar that comes to rest under the mouse shows its own.
TEST_F(GridProgramTest, ScrollingHidesTheBookingTooltipAndHoversAfresh) {
    ShowActive();
    QWidget* tip = Grid()->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly);
    ASSERT_NE(tip, nullptr);
    const struct {
        const char* name;
        unsigned message;
        int code;
        const char* next;   // the booking under the mouse afterwards, none: ""
    } cases[] = {
        {"a line down", kVScroll, ui::SB_LINEDOWN, "R2"},
        {"a column on", kHScroll, ui::SB_LINEDOWN, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VScroll(ui::SB_TOP);
        ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
        // From elsewhere onto B's bar, so that the mouse comes to rest there.
        QTest::mouseMove(Grid(), QPoint(5, Grid()->height() - 5));
        ASSERT_TRUE(Hover(Grid(), MarkedBar().center()).startsWith("Resource: B\n"));
        ui::SendMessage(c.message == kHScroll ? Find("CScheduleChartWnd") : Schedule(), c.message, c.code, 0);
        EXPECT_FALSE(tip->isVisible());
        if (*c.next != '\0') {
            ASSERT_TRUE(QTest::qWaitFor([&] { return tip->isVisible(); }, 3000));
            EXPECT_TRUE(tip->accessibleName().startsWith(QString("Resource: ") + c.next + "\n"))
                << tip->accessibleName().toStdString();
        } else {
            QTest::qWait(800);
            EXPECT_FALSE(tip->isVisible());
        }
    }
}

// Dragging the horizontal thumb scrolls nothing until it is let go: the
// pane's tooltip names the first day it would show, centred on the
// pointer's x, its bottom 20 pixels above the pane's; letting go scrolls
// there and hides it.
TEST_F(GridProgramTest, TrackingTheHorizontalThumbNamesTheDayItWouldShow) {
    ShowActive();
    QWidget* chart = Find("CScheduleChartWnd");
    QWidget* tip = chart->findChild<QWidget*>("CViewTooltipWnd", Qt::FindDirectChildrenOnly);
    ASSERT_NE(tip, nullptr);
    const QPoint pointer(Grid()->width() / 3, Grid()->height() / 2);
    QTest::mouseMove(Grid(), pointer);
    const int pointerX = Grid()->mapToGlobal(pointer).x();
    const int bottom = chart->mapToGlobal(QPoint(0, chart->height() - 20)).y();
    const auto from = [](int day) {
        return plat::FormatChecked(plat::LoadResString(ids::SCHEDULE_COLUMN_TRACK_TIP),
                                   {FormatDateForUnit(CDateTime(CDate::FromJulianDay(Day(day))), 4)});
    };
    EXPECT_EQ(from(11), "From " + FormatDateForUnit(CDateTime(CDate::FromJulianDay(Day(11))), 4));
    for (int column : {10, 20}) {
        ui::SendMessage(chart, kHScroll, ui::MakeWParam(ui::SB_THUMBTRACK, column), 0);
        ASSERT_TRUE(tip->isVisible()) << column;
        EXPECT_EQ(tip->accessibleName().toStdString(), from(1 + column));
        EXPECT_LE(std::abs(tip->geometry().center().x() - pointerX), 1) << column;
        EXPECT_EQ(tip->geometry().bottom() + 1, bottom) << column;
        EXPECT_EQ(FirstVisible().date.GetJulianDay(), Day(1)) << "tracking scrolls nothing";
    }
    ui::SendMessage(chart, kHScroll, ui::MakeWParam(ui::SB_THUMBPOSITION, 20), 0);
    EXPECT_FALSE(tip->isVisible());
    EXPECT_EQ(FirstVisible().date.GetJulianDay(), Day(21));
}

// The status panes name the row and the day under the mouse; when the rows
// or columns scroll beneath a resting mouse they name what is under it now,
// as a fresh move there would.
TEST_F(GridProgramTest, StatusBarFollowsScrollingUnderARestingMouse) {
    ShowActive();
    const QPoint at(3 * ColumnWidth() + ColumnWidth() / 2, MarkedBar().center().y());
    const auto panes = [&] { return app->MainFrame()->PaneText(0) + "|" + app->MainFrame()->PaneText(1); };
    const auto freshMove = [&] {
        QTest::mouseMove(Grid(), at + QPoint(0, 200));
        QTest::mouseMove(Grid(), at);
        return panes();
    };
    QTest::mouseMove(Grid(), at);
    const QString start = panes();
    EXPECT_TRUE(start.startsWith("B|")) << start.toStdString();
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LINEDOWN, 0);
    const QString right = panes();
    EXPECT_NE(right, start);
    EXPECT_EQ(right, freshMove());
    VScroll(ui::SB_LINEDOWN);
    const QString down = panes();
    EXPECT_TRUE(down.startsWith("R2|")) << down.toStdString();
    EXPECT_EQ(down, freshMove());
    // Resting on the label column, the row's name follows too.
    QWidget* labels = Find("CScheduleLabelWnd");
    QTest::mouseMove(labels, QPoint(20, labels->mapFromGlobal(Grid()->mapToGlobal(at)).y()));
    EXPECT_EQ(app->MainFrame()->PaneText(0), "R2");
    VScroll(ui::SB_LINEUP);
    EXPECT_EQ(app->MainFrame()->PaneText(0), "B");
}

// The main window's editing keys act on the booking selected in the view:
// Del asks and deletes, Ctrl+X cuts, Ctrl+V pastes into the selected cell.
TEST_F(GridProgramTest, EditingKeysActOnTheSelectedBooking) {
    ShowActive();
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : app->MainFrame(), key, modifiers);
    };
    const QRect bar = MarkedBar();
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, bar.center());
    EXPECT_TRUE(PressDeleteAndConfirm(app->MainFrame()));
    EXPECT_EQ(BookingOf("B"), nullptr);
    EXPECT_EQ(UndoText(), "&Undo " + plat::LoadResString(ids::UNDO_DELETE_BOOKING) + "\tCtrl+Z");
    Undo();
    ASSERT_NE(BookingOf("B"), nullptr);

    QTest::mouseClick(Grid(), Qt::LeftButton, {}, bar.center());
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(BookingOf("B"), nullptr);
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, QPoint(10 * ColumnWidth() + ColumnWidth() / 2, bar.center().y()));
    press(Qt::Key_V, Qt::ControlModifier);
    ASSERT_NE(BookingOf("B"), nullptr);
    EXPECT_EQ(BookingOf("B")->startDay, Day(11));
    EXPECT_EQ(UndoText(), "&Undo " + plat::LoadResString(ids::UNDO_PASTE_BOOKINGS) + "\tCtrl+Z");
}

// With notes on bookings a bar holds two lines of text: it is twice as high,
// and its line holds it whole.
// With notes the bar holds the task's name in its upper half and the note
// in its lower half: both leave ink on the bar's colour.
TEST_F(GridProgramTest, NotesOnBookingsMakeTheBarsTwoLinesHigh) {
    Edit([&](CPlanData&) {
        CBooking* b = BookingOf("B");
        b->BeginChange();
        b->SetText("Note\nmore");
    });
    const QRect plain = MarkedBar();
    SetSetting("ViewShowNotesOnBookings", "1");
    QELA_OnSettingsChanged();
    const QRect withNotes = MarkedBar();
    const QImage image = Grid()->grab().toImage();
    const auto inkIn = [&](int top, int bottom) {
        int ink = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = withNotes.left(); x <= withNotes.right(); ++x) ink += (image.pixel(x, y) & 0xFFFFFF) != 0xC00000;
        return ink;
    };
    EXPECT_GT(inkIn(withNotes.top(), withNotes.center().y() - 1), 0) << "the name";
    EXPECT_GT(inkIn(withNotes.center().y() + 1, withNotes.bottom()), 0) << "the note";
    SetSetting("ViewShowNotesOnBookings", "0");
    QELA_OnSettingsChanged();
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_GE(withNotes.height(), 2 * plain.height());
    EXPECT_LE(withNotes.height(), 2 * plain.height() + 2);
    const QRect next = MarkedBar();
    EXPECT_EQ(next.height(), plain.height());
}

// A one-day booking in week and month columns of one pixel a day or none
// keeps a bar as wide as "ViewScheduleColumnWidthMin" (less its frame).
TEST_F(GridProgramTest, ShortBookingsKeepABarInWeeksAndMonths) {
    struct Case {
        int unit;
        int columnWidth;   // about: the grid's width shared by the units on screen
        const char* widthMin;
        int barWidth;      // the colour inside the frame
    };
    const Case cases[] = {
        {5, 10, "", 2}, {5, 5, "", 2}, {6, 40, "", 2}, {6, 20, "", 2}, {6, 20, "12", 11}, {5, 10, "8", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "unit " << c.unit << " column " << c.columnWidth << " least '"
                                          << c.widthMin << "'");
        const int count = Grid()->width() / c.columnWidth;
        const std::string units = c.unit == 5 ? "30 30 30 24 31 " + std::to_string(count) + " 12 3"
                            : "30 30 30 24 31 13 " + std::to_string(count) + " 3";
        SetSetting("ViewScheduleBaseUnit", std::to_string(c.unit));
        SetSetting("ViewScheduleUnitsOnScreen", units);
        SetSetting("ViewScheduleColumnWidthMin", c.widthMin);
        QELA_OnSettingsChanged();
        ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
        EXPECT_EQ(MarkedBar().width(), c.barWidth);
    }
}

// "ViewScheduleColorBookingGrid" frames the bars.
TEST_F(GridProgramTest, BarsAreFramedInTheBookingGridColour) {
    struct Case {
        const char* setting;
        QRgb frame;
    } cases[] = {{"", qRgb(0, 0, 0)}, {"65280", qRgb(0, 0xFF, 0)}, {"16711680", qRgb(0, 0, 0xFF)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        SetSetting("ViewScheduleColorBookingGrid", c.setting);
        QELA_OnSettingsChanged();
        const QRect bar = MarkedBar();
        ASSERT_FALSE(bar.isEmpty());
        const QImage image = Grid()->grab().toImage();
        const QPoint sides[] = {{bar.left() - 1, bar.center().y()}, {bar.right() + 1, bar.center().y()},
                                {bar.center().x(), bar.top() - 1}, {bar.center().x(), bar.bottom() + 1}};
        for (const QPoint& side : sides) EXPECT_EQ(image.pixel(side) & 0xFFFFFF, c.frame & 0xFFFFFF) << side.x() << "," << side.y();
    }
}

// R2's five working days from Monday 13 January, in green: wider than a
// column in every unit up to months.
class WideBookingProgramTest : public GridProgramTest {
protected:
    static constexpr QRgb kGreen = 0x00C000;

    void SetUp() override {
        GridProgramTest::SetUp();
        Edit([&](CPlanData& data) {
            wide = data.bookings->Create();
            wide->resource = ResourceNamed("R2");
            wide->task = Data()->tasks->GetAt(0);
            wide->startDay = Day(13);
            wide->startMinutes = 480;
            wide->endDay = Day(17);
            wide->endMinutes = 1020;
            wide->color2 = kGreen;   // 0x00BBGGRR: the same green
            data.bookings->Add(wide);
        });
    }
    // Shows the unit with units columns on the screen from the day.
    void ShowUnit(int unit, int units, bool hide, int from) {
        int onScreen[8] = {30, 30, 30, 24, 31, 13, 12, 3};
        onScreen[unit] = units;
        std::string text;
        for (int n : onScreen) text += (text.empty() ? "" : " ") + std::to_string(n);
        SetSetting("ViewScheduleBaseUnit", std::to_string(unit));
        SetSetting("ViewScheduleNonWorkingTimeHide", hide ? "1" : "0");
        SetSetting("ViewScheduleUnitsOnScreen", text);
        QELA_OnSettingsChanged();
        GoTo(Schedule(), from);
        Grid()->grab();
    }

    CBooking* wide = nullptr;
};

// Grabbed anywhere on the bar, the booking goes as far as the pointer goes
// and the grabbed place stays under it: a drag straight up changes only the
// resource, in every unit; cells are days in week and month columns.
TEST_F(WideBookingProgramTest, AMoveKeepsThePlaceGrabbedUnderThePointer) {
    struct Case {
        const char* name;
        int unit, units;
        bool hide;
        int first;                    // the first day shown
        int daysPerColumn;            // 0: a cell is a column
        int pressCell, targetCell;    // cells from the first visible one
        bool up;                      // onto B's row, the line above
        BookingTimes times;
        const char* resource;
    } cases[] = {
        {"days: grabbed on the second day, straight up", 4, 31, false, Day(13), 0, 1, 1, true,
         {Day(13), 480, Day(17), 1020}, "B"},
        // Five working days from Wednesday 8:00 end on Tuesday 17:00.
        {"days: two on", 4, 31, false, Day(13), 0, 1, 3, false, {Day(15), 480, Day(21), 1020}, "R2"},
        {"days: a start before the shown days, a day on", 4, 31, false, Day(15), 0, 1, 2, false,
         {Day(14), 480, Day(20), 1020}, "R2"},
        // Nine shown hours a day: twelve on is Tuesday 11:00; five working days on, Tuesday 11:00.
        {"hours with hidden time: twelve on", 3, 24, true, Day(13), 0, 2, 14, false, {Day(14), 660, Day(21), 660},
         "R2"},
        {"hours with hidden time: straight up", 3, 24, true, Day(13), 0, 4, 4, true, {Day(13), 480, Day(17), 1020},
         "B"},
        {"weeks: two days on", 5, 13, false, Day(13), 7, 1, 3, false, {Day(15), 480, Day(21), 1020}, "R2"},
        {"weeks: into the next week, straight up", 5, 13, false, Day(13), 7, 1, 8, true,
         {Day(20), 480, Day(24), 1020}, "B"},
        {"months: three days on", 6, 4, false, Day(13), 31, 13, 16, false, {Day(16), 480, Day(22), 1020}, "R2"},
        {"months: straight up", 6, 4, false, Day(13), 31, 14, 14, true, {Day(13), 480, Day(17), 1020}, "B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowUnit(c.unit, c.units, c.hide, c.first);
        const QRect bar = BarOf(kGreen);
        ASSERT_FALSE(bar.isEmpty());
        const int column = Grid()->width() / c.units;
        const int day = c.daysPerColumn > 0 ? column / c.daysPerColumn : 0;
        // The pixel in the middle of a cell counted from the first visible one.
        const auto xOf = [&](int cell) {
            if (c.daysPerColumn == 0) return cell * column + column / 2;
            return cell / c.daysPerColumn * column + cell % c.daysPerColumn * day + day / 2;
        };
        const QPoint from(xOf(c.pressCell), bar.center().y());
        ASSERT_TRUE(bar.contains(from)) << from.x() << " in " << bar.left() << ".." << bar.right();
        const QPoint to(xOf(c.targetCell), bar.center().y() - (c.up ? bar.height() + 6 : 0));
        Drag(from, to.x() - from.x(), to.y() - from.y());
        EXPECT_EQ(TimesOf(wide), c.times);
        EXPECT_EQ(std::string(wide->resource->name), c.resource);
        Undo();
        EXPECT_EQ(TimesOf(wide), (BookingTimes{Day(13), 480, Day(17), 1020}));
    }
}

// During the drag the frame and the tooltip show where the booking would go.
TEST_F(WideBookingProgramTest, TheFrameAndTheTooltipShowTheMovedRange) {
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    const QRect bar = BarOf(kGreen);
    ASSERT_FALSE(bar.isEmpty());
    const int column = ColumnWidth();
    const QPoint from(bar.left() + column + column / 2, bar.center().y());   // its second day
    const QPoint up = from - QPoint(0, bar.height() + 6);                     // B's row
    QTest::mousePress(Grid(), Qt::LeftButton, {}, from);
    const QImage before = Grid()->grab().toImage();
    apptest::PassDragDelay();
    QTest::mouseMove(Grid(), up);
    QWidget* tip = GridTip();
    ASSERT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->accessibleName().toStdString(), ReadableMoveTip("B", "Work", At(13, 480), At(17, 1020)));
    // The frame's two-pixel sides, inverted on B's row, stand where the bar does.
    const QImage during = Grid()->grab().toImage();
    const int y = up.y() + 2;
    int left = -1, right = -1;
    for (int x = 0; x < during.width(); ++x) {
        if (during.pixel(x, y) == before.pixel(x, y)) continue;
        if (left < 0) left = x;
        right = x;
    }
    EXPECT_NEAR(left, bar.left(), 2);
    EXPECT_NEAR(right, bar.right(), 2);
    // A day on: the tooltip moves with it.
    QTest::mouseMove(Grid(), up + QPoint(column, 0));
    EXPECT_EQ(tip->accessibleName().toStdString(), ReadableMoveTip("B", "Work", At(14, 480), At(20, 1020)));
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, up + QPoint(column, 0));
    EXPECT_EQ(TimesOf(wide), (BookingTimes{Day(14), 480, Day(20), 1020}));
    EXPECT_EQ(std::string(wide->resource->name), "B");
}

// The resize path of the window: a press on a grip, the drag delay, the
// border held at the bar's other end, one named undo step.
TEST_F(WideBookingProgramTest, BordersAreDraggedAndStopAtTheOtherEnd) {
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    const QRect bar = BarOf(kGreen);
    ASSERT_FALSE(bar.isEmpty());
    const int column = ColumnWidth();
    const QPoint startGrip(bar.left(), bar.center().y()), endGrip(bar.right(), bar.center().y());
    struct Case {
        const char* name;
        QPoint grip;
        int columns;
        BookingTimes times;
    } cases[] = {
        {"the start a day earlier", startGrip, -1, {Day(12), 480, Day(17), 1020}},
        {"the start past the end stops on the end's day", startGrip, 8, {Day(17), 480, Day(17), 1020}},
        {"the end two days on", endGrip, 2, {Day(13), 480, Day(19), 1020}},
        {"the end before the start stops on the start's day", endGrip, -9, {Day(13), 480, Day(13), 1020}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drag(c.grip, c.columns * column, 0);
        EXPECT_EQ(TimesOf(wide), c.times);
        EXPECT_EQ(UndoText(), "&Undo " + plat::LoadResString(ids::UNDO_RESIZE_BOOKING) + "\tCtrl+Z");
        Undo();
    }
    EXPECT_EQ(TimesOf(wide), (BookingTimes{Day(13), 480, Day(17), 1020}));
}

// The host's conflict check is asked before the drop: refused, nothing is
// written; accepted, the booking moves.
TEST_F(GridProgramTest, ADropIntoAConflictIsWrittenOnlyWhenAccepted) {
    SetSetting("CheckBookingConflicts", "1");
    const QRect bar = MarkedBar();
    const std::vector<std::string> before = Records();
    CBooking* booking = BookingOf("B");
    for (const bool accept : {false, true}) {
        SCOPED_TRACE(accept ? "accepted" : "refused");
        bool asked = false;
        dlgtest::WhenModal<CBookingConflictsDlg>([&](CBookingConflictsDlg* dialog) {
            asked = true;
            if (accept) dialog->accept();
            else dialog->reject();
        });
        // Onto R2's row, where R2 has a booking on the same day.
        Drag(bar.center(), 0, bar.height() + 6);
        EXPECT_TRUE(asked);
        EXPECT_EQ(booking->resource, ResourceNamed(accept ? "R2" : "B"));
        if (!accept) {
            EXPECT_EQ(Records(), before);
        }
    }
    SetSetting("CheckBookingConflicts", "0");
}

// A drop outside the window lands where the frame last stood: the pointer
// held inside the grid, as a release at the grid's edge.
TEST_F(GridProgramTest, ADropOutsideTheWindowLandsAtTheClampedPlace) {
    const QRect bar = MarkedBar();
    const QPoint corner(Grid()->width() - 1, Grid()->height() - 1);
    CBooking* booking = BookingOf("B");
    const auto drop = [&](QPoint release) {
        QTest::mousePress(Grid(), Qt::LeftButton, {}, bar.center());
        apptest::PassDragDelay();
        QTest::mouseMove(Grid(), corner);
        QTest::mouseMove(Grid(), release);
        QTest::mouseRelease(Grid(), Qt::LeftButton, {}, release);
        const std::pair<BookingTimes, std::string> place{TimesOf(booking), booking->resource->name};
        Undo();
        return place;
    };
    const auto atCorner = drop(corner);
    EXPECT_NE(atCorner.first, TimesOf(booking));
    EXPECT_NE(atCorner.second, "B");
    EXPECT_EQ(drop(corner + QPoint(300, 300)), atCorner);
    EXPECT_EQ(drop(corner + QPoint(300, 0)), atCorner);
    EXPECT_EQ(drop(corner + QPoint(0, 300)), atCorner);
}

}  // namespace
