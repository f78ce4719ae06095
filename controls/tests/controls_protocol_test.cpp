#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <climits>

#include "control_fixture.h"
#include "plat/dynlib.h"
#include "plat/locale_info.h"
#include "plat/version_block.h"
#include "value_text.h"

namespace {

using spcc_test::ControlTest;

struct Send {
    unsigned message;
    ui::WPARAM wParam;
    ui::LPARAM lParam;
};

struct RoundTrip {
    const char* name;
    int kind;
    std::vector<Send> sends;
    Send query;
    ui::LRESULT expected;
};

ui::LPARAM Text(const char* s) { return reinterpret_cast<ui::LPARAM>(s); }

// The message numbers are written out as the dialogs use them.
const RoundTrip kRoundTrips[] = {
    {"date from", SPCC_DATEPERIOD, {{0x4FA, 0, 2451545}}, {0x4FB, 0, 0}, 2451545},
    {"date to", SPCC_DATEPERIOD, {{0x4FA, 0, 2451545}, {0x4FA, 1, 2461385}}, {0x4FB, 1, 0}, 2461385},
    {"date shown part", SPCC_DATEPERIOD, {{0x4FA, 1, 2440588}}, {0x502, 1, 0}, 2440588},
    {"date empty", SPCC_DATEPERIOD, {{0x4FA, 0, 2451545}, {0x4FA, 0, 1}}, {0x4FB, 0, 0}, 1},
    {"date invalid shows empty", SPCC_DATEPERIOD, {{0x4FA, 0, 0}}, {0x4FB, 0, 0}, 1},
    {"date no such part", SPCC_DATEPERIOD, {{0x4FA, 2, 2451545}}, {0x4FB, 0, 0}, 1},
    {"time from", SPCC_TIMEPERIOD, {{0x55E, 0, 510}}, {0x55F, 0, 0}, 510},
    {"time to", SPCC_TIMEPERIOD, {{0x55E, 0, 510}, {0x55E, 1, 1020}}, {0x55F, 1, 0}, 1020},
    {"time shown part", SPCC_TIMEPERIOD, {{0x55E, 0, 1439}}, {0x56A, 0, 0}, 1439},
    {"time empty", SPCC_TIMEPERIOD, {{0x55E, 0, 510}, {0x55E, 0, -1}}, {0x55F, 0, 0}, -1},
    {"time end of day wraps", SPCC_TIMEPERIOD, {{0x55E, 1, 1440}}, {0x55F, 1, 0}, 0},
    {"time option", SPCC_TIMEPERIOD, {{0x568, 0, 0}, {0x55E, 0, 60}}, {0x55F, 0, 0}, 60},
    {"long value", SPCC_LONGEDIT, {{0x590, 0, -5}}, {0x591, 0, 0}, -5},
    {"long whole range", SPCC_LONGEDIT, {{0x590, 0, INT_MAX}}, {0x591, 0, 0}, INT_MAX},
    {"long upper limit", SPCC_LONGEDIT, {{0x594, 0, 1}, {0x592, 0, 10}, {0x590, 0, 20}}, {0x591, 0, 0}, 10},
    {"long option", SPCC_LONGEDIT, {{0x59A, 4, 0}, {0x590, 0, 7}}, {0x591, 0, 0}, 7},
    {"long lower limit", SPCC_LONGEDIT, {{0x594, 0, 1}, {0x592, 0, 10}, {0x590, 0, -3}}, {0x591, 0, 0}, 1},
    {"colour", SPCC_COLORPICKER, {{0x5F6, 0, 0x00336699}}, {0x5F5, 0, 0}, 0x00336699},
    {"colour high byte", SPCC_COLORPICKER, {{0x5F6, 0, ui::LPARAM(0xFF336699u)}}, {0x5F5, 0, 0}, 0x00336699},
    {"check set", SPCC_CHECKGROUP,
     {{0x403, 0, Text("Mo")}, {0x403, 0, Text("Di")}, {0x405, 1, 1}}, {0x404, 1, 0}, 1},
    {"check clear", SPCC_CHECKGROUP,
     {{0x403, 0, Text("Mo")}, {0x405, 0, 1}, {0x405, 0, 0}}, {0x404, 0, 0}, 0},
    {"check no such item", SPCC_CHECKGROUP, {{0x403, 0, Text("Mo")}, {0x405, 7, 1}}, {0x404, 7, 0}, 0},
    {"calendar date", SPCC_CALENDAR, {{0x46A, 1, 0}, {0x46C, 0, 2451545}}, {0x46D, 0, 0}, 2451545},
    {"calendar keeps a day for empty", SPCC_CALENDAR, {{0x46C, 0, 2451545}, {0x46C, 0, 1}}, {0x46D, 0, 0}, 2451545},
};

class ControlProtocol : public ControlTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(ControlProtocol, RoundTrip) {
    const RoundTrip& c = GetParam();
    QWidget* control = Make(c.kind);
    for (const Send& s : c.sends)
        EXPECT_TRUE(ui::TrySendMessage(control, s.message, s.wParam, s.lParam, nullptr)) << std::hex << s.message;
    EXPECT_EQ(ui::SendMessage(control, c.query.message, c.query.wParam, c.query.lParam), c.expected);
    EXPECT_TRUE(parent.notifications.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ControlProtocol, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

struct DayCase {
    int year, month, day;
    std::int32_t julian;
};

const DayCase kDays[] = {
#include "julian_days.inc"
};

TEST_F(ControlTest, JulianDaysRoundTripThroughADatePeriod) {
    QWidget* dates = Make(SPCC_DATEPERIOD);
    QLineEdit* shown = dates->findChildren<QLineEdit*>()[0];
    for (const DayCase& c : kDays) {
        ui::SendMessage(dates, WM_SP_DATEPERIOD_SETDATE, 0, c.julian);
        EXPECT_EQ(shown->text(), QStringLiteral("%1.%2.%3").arg(c.day).arg(c.month).arg(c.year, 4, 10, QChar('0')));
        EXPECT_EQ(ui::SendMessage(dates, WM_SP_DATEPERIOD_GETDATE, 0), c.julian) << c.julian;
    }
}

TEST_F(ControlTest, ShownDatesAndTimesFollowThePicturesSetForTheLibrary) {
    QWidget* dates = Make(SPCC_DATEPERIOD);
    QWidget* times = Make(SPCC_TIMEPERIOD, 1062);
    ui::SendMessage(dates, WM_SP_DATEPERIOD_SETDATE, 0, 2451545);
    ui::SendMessage(times, WM_SP_TIMEPERIOD_SETTIME, 0, 510);
    EXPECT_EQ(dates->findChildren<QLineEdit*>()[0]->text(), "1.1.2000");
    EXPECT_EQ(times->findChildren<QLineEdit*>()[0]->text(), "08:30");

    spcc_setdateformat("yyyy-MM-dd");
    spcc_settimeformat("H.mm");
    ui::SendMessage(dates, WM_SP_DATEPERIOD_SETDATE, 1, 2461385);
    ui::SendMessage(times, WM_SP_TIMEPERIOD_SETTIME, 1, 510);
    EXPECT_EQ(dates->findChildren<QLineEdit*>()[1]->text(), "2026-12-10");
    EXPECT_EQ(times->findChildren<QLineEdit*>()[1]->text(), "8.30");
    EXPECT_EQ(ui::SendMessage(dates, WM_SP_DATEPERIOD_GETDATE, 1), 2461385);

    spcc_setdateformat(nullptr);   // the locale's short form
    ui::SendMessage(dates, WM_SP_DATEPERIOD_SETDATE, 0, 2451545);
    EXPECT_EQ(dates->findChildren<QLineEdit*>()[0]->text().toStdString(),
              spcc::FormatDay(plat::LoadSystemLocale(), 2451545, ""));
    EXPECT_EQ(ui::SendMessage(dates, WM_SP_DATEPERIOD_GETDATE, 0), 2451545);
}

TEST_F(ControlTest, SetFormatCaptionsAPartAndRefusesBadArguments) {
    for (int kind : {SPCC_DATEPERIOD, SPCC_TIMEPERIOD}) {
        QWidget* control = Make(kind);
        const unsigned setFormat = kind == SPCC_DATEPERIOD ? 0x504 : 0x56C;
        const SPFormatRecord from{"From:", 0, 12};
        const SPFormatRecord none{nullptr, 0, 12};
        EXPECT_EQ(ui::SendMessage(control, setFormat, 0, reinterpret_cast<ui::LPARAM>(&from)), 0);
        EXPECT_EQ(ui::SendMessage(control, setFormat, 2, reinterpret_cast<ui::LPARAM>(&from)), -1);
        EXPECT_EQ(ui::SendMessage(control, setFormat, 1, reinterpret_cast<ui::LPARAM>(&none)), -1);
        EXPECT_EQ(ui::SendMessage(control, setFormat, 1, 0), -1);
        bool captioned = false;
        for (QLabel* label : control->findChildren<QLabel*>()) captioned |= label->text() == "From:";
        EXPECT_TRUE(captioned);
    }
}

TEST_F(ControlTest, DoubleEditKeepsThreeDecimals) {
    QWidget* edit = Make(SPCC_DOUBLEEDIT);
    for (double value : {0.394, 1.001, 2.54, -0.5, 0.0}) {
        ui::SendMessage(edit, WM_SP_DOUBLEEDIT_SETVALUE, 0, reinterpret_cast<ui::LPARAM>(&value));
        double back = -99;
        ui::SendMessage(edit, WM_SP_DOUBLEEDIT_GETVALUE, 0, reinterpret_cast<ui::LPARAM>(&back));
        EXPECT_DOUBLE_EQ(back, value);
    }
    double lower = 0.0, below = -1.0, back = 7;
    ui::SendMessage(edit, WM_SP_DOUBLEEDIT_SETLOWER, 0, reinterpret_cast<ui::LPARAM>(&lower));
    ui::SendMessage(edit, WM_SP_DOUBLEEDIT_SETVALUE, 0, reinterpret_cast<ui::LPARAM>(&below));
    ui::SendMessage(edit, WM_SP_DOUBLEEDIT_GETVALUE, 0, reinterpret_cast<ui::LPARAM>(&back));
    EXPECT_EQ(back, 0.0);
    EXPECT_TRUE(ui::TrySendMessage(edit, WM_SP_DOUBLEEDIT_GETVALUE, 0, 0, nullptr));   // no pointer: no crash
}

TEST_F(ControlTest, ColourSwatchShowsTheColourRefAsRedGreenBlue) {
    auto* picker = static_cast<QToolButton*>(Make(SPCC_COLORPICKER));
    ui::SendMessage(picker, WM_SP_COLORPICKER_SETCOLOR, 0, 0x00336699);
    const QImage swatch = picker->icon().pixmap(picker->iconSize()).toImage();
    EXPECT_EQ(swatch.pixelColor(1, 1), QColor(0x99, 0x66, 0x33));
}

TEST_F(ControlTest, FontComboFillsWithNothingSelected) {
    QWidget* fonts = Make(SPCC_FONTCOMBO, 1026);
    auto* combo = reinterpret_cast<QComboBox*>(ui::SendMessage(fonts, WM_SP_FONTCOMBO_GETCOMBO));
    ASSERT_NE(combo, nullptr);
    ui::SendMessage(fonts, WM_SP_FONTCOMBO_FILL);
    EXPECT_GT(combo->count(), 0);
    EXPECT_EQ(combo->currentIndex(), -1);
}

TEST_F(ControlTest, TreeComboInsertsUnderParentsAndKeepsItemData) {
    QWidget* combo = Make(SPCC_TREECOMBO, 1038);
    auto* tree = reinterpret_cast<QTreeWidget*>(ui::SendMessage(combo, WM_SP_TREECOMBO_GETTREE));
    ASSERT_NE(tree, nullptr);
    ui::SendMessage(combo, WM_SP_TREECOMBO_OPTION, 400, 0);
    const SPTreeInsertRecord group{nullptr, "Group", 0};
    auto* groupItem = reinterpret_cast<void*>(
        ui::SendMessage(combo, WM_SP_TREECOMBO_INSERTITEM, 0, reinterpret_cast<ui::LPARAM>(&group)));
    const SPTreeInsertRecord task{groupItem, "Task", 4711};
    auto* taskItem = reinterpret_cast<QTreeWidgetItem*>(
        ui::SendMessage(combo, WM_SP_TREECOMBO_INSERTITEM, 0, reinterpret_cast<ui::LPARAM>(&task)));
    ui::SendMessage(combo, WM_SP_TREECOMBO_UPDATE, 1, 0);
    ASSERT_NE(taskItem, nullptr);
    EXPECT_EQ(taskItem->parent(), static_cast<QTreeWidgetItem*>(groupItem));
    EXPECT_EQ(taskItem->data(0, Qt::UserRole).value<qintptr>(), 4711);
    EXPECT_EQ(ui::SendMessage(combo, WM_SP_TREECOMBO_INSERTITEM, 0, 0), 0);
    tree->setCurrentItem(taskItem);
    EXPECT_TRUE(parent.notifications.empty());
}

TEST_F(ControlTest, AssignGridNumbersColumnEntriesAndRefusesOthers) {
    QWidget* grid = Make(SPCC_ASSIGNGRID, 31009);
    const SPAssignItemRecord name{"Name", 1, -1, 0, 0};
    const SPAssignItemRecord notes{"Notes", 0, -1, 0, 0};
    EXPECT_EQ(ui::SendMessage(grid, WM_SP_ASSIGNGRID_ADDITEM, 0, reinterpret_cast<ui::LPARAM>(&name)), 1);
    EXPECT_EQ(ui::SendMessage(grid, WM_SP_ASSIGNGRID_ADDITEM, 0, reinterpret_cast<ui::LPARAM>(&notes)), 1);
    EXPECT_EQ(ui::SendMessage(grid, WM_SP_ASSIGNGRID_ADDITEM, 0, 0), 0);
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 55), 2);
    EXPECT_EQ(ui::SendMessage(grid, WM_SP_ASSIGNGRID_GETASSIGN, 0), -1);   // no entries yet

    for (const char* column : {"", "Title", "Remark"})
        ui::SendMessage(grid, WM_SP_ASSIGNGRID_ADDCOLUMN, 0, Text(column));
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 67), 3);
    EXPECT_EQ(ui::SendMessage(grid, WM_SP_ASSIGNGRID_GETASSIGN, 1), 0);
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 62, 1, 2), 1);
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 63, 1), 2);
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 62, 1, 3), 0);   // past the last entry
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 62, 5, 1), 0);   // no such item
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 63, 1), 2);
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 63, 5), -1);

    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 64, 1), 5);
    char text[6] = "?????";
    ui::SendMessage(grid, 0x400 + 65, 1, reinterpret_cast<ui::LPARAM>(text));
    EXPECT_STREQ(text, "Notes");
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 64, 2), -1);

    ui::SendMessage(grid, 0x400 + 66);
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 67), 0);
    EXPECT_EQ(ui::SendMessage(grid, 0x400 + 63, 1), -1);

    SPAssignHeaderRecord header{};
    std::snprintf(header.text, sizeof header.text, "Field");
    header.width = 80;
    EXPECT_TRUE(ui::TrySendMessage(grid, 0x400 + 50, 0, reinterpret_cast<ui::LPARAM>(&header), nullptr));
}

TEST_F(ControlTest, CheckGroupItemsShowTheirTexts) {
    QWidget* group = Make(SPCC_CHECKGROUP, 1003);
    for (const char* day : {"Mo", "Di", "Mi"}) ui::SendMessage(group, WM_SP_CHECKGROUP_ADDITEM, 0, Text(day));
    const QList<QCheckBox*> boxes = group->findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[2]->text(), "Mi");
}

TEST_F(ControlTest, HyperlinkShowsItsAddress) {
    auto* link = Make(SPCC_HYPERLINK, 1029);
    ui::SendMessage(link, WM_SP_HYPERLINK_SETTEXT, 0, Text("https://example.org/a?b=1&c=2"));
    EXPECT_TRUE(ui::TrySendMessage(link, WM_SP_HYPERLINK_OPTION1, 0, 0, nullptr));
    EXPECT_TRUE(ui::TrySendMessage(link, WM_SP_HYPERLINK_OPTION2, 1, 0, nullptr));
    EXPECT_EQ(link->toolTip(), "https://example.org/a?b=1&c=2");
    EXPECT_TRUE(static_cast<QLabel*>(link)->text().contains("&amp;c=2"));
}

TEST_F(ControlTest, FactoryGivesControlsTheirIdAndRefusesUnknownKinds) {
    QWidget* control = Make(SPCC_LONGEDIT, 1054);
    EXPECT_EQ(ui::ControlId(control), 1054);
    EXPECT_EQ(control->parentWidget(), &parent);
    EXPECT_EQ(spcc_createcontrol(0, &parent, 1), nullptr);
    EXPECT_EQ(spcc_createcontrol(SPCC_ASSIGNGRID + 1, &parent, 1), nullptr);
}

TEST_F(ControlTest, CaptionsComeFromTheResourceLibraryWhenItHasThem) {
    void* resources = plat::LoadLibrary("libqel_controls_res_fixture.so");
    ASSERT_NE(resources, nullptr) << plat::LastLibraryError();
    spcc_setappreshandle(resources);
    QStringList captions;
    for (QPushButton* b : Make(SPCC_CALENDAR, 1000)->findChildren<QPushButton*>()) captions << b->text();
    spcc_setappreshandle(nullptr);
    EXPECT_TRUE(captions.contains("Woche"));
    EXPECT_TRUE(captions.contains("Month"));   // unknown to it: the library's own
    plat::FreeLibrary(resources);
}

TEST(ControlLibrary, ExportsItsVersionBlock) {
    void* module = plat::LoadLibrary("libControls.so");
    ASSERT_NE(module, nullptr) << plat::LastLibraryError();
    EXPECT_EQ(plat::VersionValue(module, "ProductName"), "QEL Controls");
    for (const char* symbol : {SPCC_SETAPPRESHANDLE_SYMBOL, SPCC_SETDATEFORMAT_SYMBOL,
                               SPCC_SETTIMEFORMAT_SYMBOL, SPCC_CREATECONTROL_SYMBOL})
        EXPECT_NE(plat::GetSymbol(module, symbol), nullptr) << symbol;
    plat::FreeLibrary(module);
}

}  // namespace
