// The views plugin in the real program: the program directory holds the
// built libraries and Views.plugin, the main window stays hidden.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "app_fixture.h"
#include "host_messages.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_toolbar.h"
#include "main_view.h"
#include "plan_data.h"
#include "plugin_api.h"
#include "settings_store.h"
#include "support/calendar_values.h"
#include "support/time_bar_labels.h"
#include "ui/message.h"
#include "ui/scripted_menu_chooser.h"
#include "ui/scripted_prompts.h"
#include "ui/scroll_bar.h"

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
        if (c.header != nullptr) EXPECT_EQ(Find("CScheduleLabelWnd")->accessibleName(), c.header);
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
    Edit([](CPlanData& data) {
        data.properties->BeginChange();
        data.properties->periodStart = CDate::Today().GetJulianDay() - 100;
        data.properties->periodEnd = CDate::Today().GetJulianDay() + 100;
    });
    ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
    ui::SendMessage(app->MainFrame(), WM_COMMAND, 32779, 0);
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
        if (unit < 7) EXPECT_LT(major, minor) << "unit " << unit;
        EXPECT_EQ(Find("CScheduleGridWnd")->y(), 2 * band) << unit;
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
        if (c.columns != 0) EXPECT_EQ(bar->maximum() + bar->pageStep(), c.columns) << c.unit;
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

TEST_F(ViewsProgramTest, BadSettingsAreClamped) {
    const char* settings[][2] = {
        {"ViewScheduleUnitsOnScreen", "0 0 0 0 0 0 0 0"},
        {"ViewScheduleUnitsOnScreen", "40000 40000 40000 40000 40000 40000 40000 40000"},
        {"ViewScheduleColumnWidthMin", "0"},
        {"ViewScheduleLabelWidth", "-5"},
        {"ViewScheduleHeightRowFactor", "0"},
        {"ViewScheduleLabelHeightRowFactor", "0"},
        {"ViewScheduleBookingHeightRowFactor", "0"},
        {"ViewScheduleTimeBarHeightRowFactor", "0"},
    };
    for (int unit : {0, 4, 7}) {
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

}  // namespace
