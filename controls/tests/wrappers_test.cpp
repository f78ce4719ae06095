#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "plat/resource_strings.h"
#include "spctrl/sp_ddx.h"
#include "string_ids.h"
#include "ui/scripted_prompts.h"

namespace {

// The members a dialog keeps for each kind of control, exchanged in order.
class PeriodDialog : public ui::DialogBase {
public:
    CDate from = CDate(1, 1, 2000);
    CDate to = CDate(10, 12, 2026);
    CTimeOfDay start = CTimeOfDay(8, 30);
    CTimeOfDay end = CTimeOfDay(17, 0);
    int units = 24;
    double margin = 0.394;
    ui::COLORREF colour = 0x00336699;
    std::string font = "Arial";
    bool withMissingItem = false;

    CSPDatePeriodCtrl period;
    CSPTimePeriodCtrl day;
    CSPLongEditCtrl unitsEdit;
    CSPDoubleEditCtrl marginEdit;
    CSPColorPickerCtrl colourPicker;
    CSPFontComboBoxCtrl fonts;

    PeriodDialog() {
        auto* layout = new QVBoxLayout(this);
        // The dialog's template: the library's controls by kind and id.
        const struct { int kind; int id; } items[] = {
            {SPCC_DATEPERIOD, 1016}, {SPCC_TIMEPERIOD, 1062}, {SPCC_LONGEDIT, 1054},
            {SPCC_DOUBLEEDIT, 1014}, {SPCC_COLORPICKER, 1020}, {SPCC_FONTCOMBO, 1026}};
        for (const auto& item : items) layout->addWidget(spcc_createcontrol(item.kind, this, item.id));
    }

protected:
    void DoDataExchange(ui::DataExchange& dx) override {
        DDX_Control(dx, 1016, period);
        DDX_SPDatePeriod(dx, 1016, from, 0);
        DDX_SPDatePeriod(dx, 1016, to, 1);
        DDX_Control(dx, 1062, day);
        DDX_SPTimePeriod(dx, 1062, start, 0);
        DDX_SPTimePeriod(dx, 1062, end, 1);
        DDX_Control(dx, 1054, unitsEdit);
        DDX_SPLongEdit(dx, 1054, units);
        DDX_Control(dx, 1014, marginEdit);
        DDX_SPDoubleEdit(dx, 1014, margin);
        DDX_Control(dx, 1020, colourPicker);
        DDX_SPColorPicker(dx, 1020, colour);
        DDX_Control(dx, 1026, fonts);
        DDX_SPFontComboBox(dx, 1026, font);
        if (withMissingItem) DDX_Control(dx, 4711, unitsEdit);
    }
};

class WrapperTest : public ::testing::Test {
protected:
    WrapperTest() {
        spcc_setdateformat("d.M.yyyy");
        spcc_settimeformat("HH:mm");
    }
    ~WrapperTest() override {
        spcc_setdateformat(nullptr);
        spcc_settimeformat(nullptr);
    }
    // Opening loads the controls, OK saves them back.
    void OpenAndConfirm(PeriodDialog& dlg) {
        dlg.show();
        dlg.accept();
    }
    ui::ScriptedPrompts prompts;
};

TEST_F(WrapperTest, EveryValueComesBackUnchanged) {
    PeriodDialog dlg;
    dlg.show();
    dlg.fonts.GetCombo()->addItems({"Arial", "DejaVu Sans"});
    dlg.UpdateData(false);
    dlg.accept();
    ASSERT_EQ(dlg.result(), ui::IDOK);
    EXPECT_EQ(dlg.from.GetJulianDay(), 2451545);
    EXPECT_EQ(dlg.to.GetJulianDay(), 2461385);
    EXPECT_EQ(dlg.start.GetMinutes(), 510);
    EXPECT_FALSE(dlg.start.IsEmpty());
    EXPECT_EQ(dlg.end.GetMinutes(), 1020);
    EXPECT_EQ(dlg.units, 24);
    EXPECT_DOUBLE_EQ(dlg.margin, 0.394);
    EXPECT_EQ(dlg.colour, 0x00336699u);
    EXPECT_EQ(dlg.font, "Arial");
}

const char* NumberTexts(unsigned id) {
    switch (id) {
    case ids::NUMBER_NOT_A_NUMBER: return "like %s";
    case ids::NUMBER_OUT_OF_RANGE: return "from %s to %s";
    default: return "";
    }
}

// OK with a number edit that does not hold a number within its limits says
// what the edit takes, puts the focus on it and keeps the dialog open with
// the members as they were.
TEST_F(WrapperTest, NumberEditThatHoldsNoNumberRefusesOk) {
    plat::SetResourceStringSource(NumberTexts);
    spcc_setnumberformat(",", ".");
    struct Case {
        int id;
        const char* typed;
        const char* message;
    } cases[] = {
        {1014, "1.5", "like 1.234,5"},
        {1014, "", "like 1.234,5"},
        {1054, "1,5", "like 1.234"},
        {1054, "-", "like 1.234"},
        {1054, "3000000000", "from -2.147.483.648 to 2.147.483.647"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ui::ScriptedPrompts asked;
        PeriodDialog dlg;
        dlg.show();
        QWidget* edit = dlg.GetDlgItem(c.id);
        edit->findChild<QLineEdit*>()->setText(c.typed);
        dlg.accept();
        EXPECT_TRUE(dlg.isVisible());
        ASSERT_EQ(asked.asked().size(), 1u);
        EXPECT_EQ(asked.asked()[0].text, c.message);
        EXPECT_EQ(asked.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
        EXPECT_EQ(dlg.focusWidget(), edit);
        EXPECT_EQ(dlg.units, 24);
        EXPECT_DOUBLE_EQ(dlg.margin, 0.394);

        // Once it holds a number, OK takes it.
        edit->findChild<QLineEdit*>()->setText(c.id == 1014 ? "1.500,25" : "1.500");
        dlg.accept();
        EXPECT_EQ(dlg.result(), ui::IDOK);
        EXPECT_EQ(dlg.units, c.id == 1054 ? 1500 : 24);
        EXPECT_DOUBLE_EQ(dlg.margin, c.id == 1014 ? 1500.25 : 0.394);
    }
    spcc_setnumberformat(nullptr, nullptr);
    plat::SetResourceStringSource(nullptr);
}

TEST_F(WrapperTest, EmptyDatesAndTimesStayEmptyAndTheEndOfDayComesBackAsMidnight) {
    PeriodDialog dlg;
    dlg.from.SetEmpty();
    dlg.start.SetEmpty(true);
    dlg.end = CTimeOfDay::EndOfDay();
    OpenAndConfirm(dlg);
    EXPECT_TRUE(dlg.from.IsEmpty());
    EXPECT_TRUE(dlg.start.IsEmpty());
    EXPECT_EQ(dlg.end.GetMinutes(), 0);
    EXPECT_FALSE(dlg.end.IsEmpty());
}

TEST_F(WrapperTest, UserTextIsWhatSavingReads) {
    PeriodDialog dlg;
    dlg.show();
    dlg.period.GetSafeHwnd()->findChildren<QLineEdit*>()[1]->setText("24.12.2026");
    dlg.day.GetSafeHwnd()->findChildren<QLineEdit*>()[0]->setText("7:45");
    dlg.day.GetSafeHwnd()->findChildren<QLineEdit*>()[1]->setText("later");
    dlg.accept();
    EXPECT_EQ(dlg.to.GetJulianDay(), 2461399);
    EXPECT_EQ(dlg.start.GetMinutes(), 465);
    EXPECT_TRUE(dlg.end.IsEmpty());   // text that names no time
}

TEST_F(WrapperTest, FontNameSelectsByPrefixWithoutCaseAndUnknownNamesAreKept) {
    struct Case { const char* stored; int selected; const char* saved; };
    const Case cases[] = {
        {"Arial", 0, "Arial"},
        {"dejavu", 1, "DejaVu Sans"},       // the first entry that begins with it
        {"NoSuchFont", -1, "NoSuchFont"},   // nothing selected: the name stays
        {"", 0, "Arial"},
    };
    for (const Case& c : cases) {
        PeriodDialog dlg;
        dlg.show();
        dlg.fonts.GetCombo()->addItems({"Arial", "DejaVu Sans", "DejaVu Sans Mono"});
        dlg.fonts.GetCombo()->setCurrentIndex(-1);   // as the fill leaves it
        dlg.font = c.stored;
        dlg.UpdateData(false);
        EXPECT_EQ(dlg.fonts.GetCombo()->currentIndex(), c.selected) << c.stored;
        dlg.UpdateData(true);
        EXPECT_EQ(dlg.font, c.saved) << c.stored;
    }
}

TEST_F(WrapperTest, ARefusalOnAPeriodFocusesItsFromPart) {
    PeriodDialog dlg;
    dlg.show();
    dlg.Refuse(1016, 403);
    EXPECT_EQ(dlg.focusWidget(), dlg.period.GetSafeHwnd()->findChildren<QLineEdit*>()[0]);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
}

TEST_F(WrapperTest, AMissingDialogItemFailsTheExchange) {
    PeriodDialog dlg;
    dlg.withMissingItem = true;
    dlg.show();
    dlg.accept();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_NE(dlg.result(), ui::IDOK);
}

TEST_F(WrapperTest, WrappersDriveTheirControls) {
    QWidget parent;
    CSPDatePeriodCtrl period;
    period.Create(&parent, 1016);
    EXPECT_TRUE(period.SetFormat("From:", 0));
    EXPECT_FALSE(period.SetFormat("Later:", 2));

    CSPCheckGroupCtrl days;
    days.Create(&parent, 1003);
    for (const char* day : {"Mo", "Di"}) days.AddItem(day);
    days.SetCheck(1, true);
    EXPECT_FALSE(days.GetCheck(0));
    EXPECT_TRUE(days.GetCheck(1));

    CSPTreeComboBoxCtrl tasks;
    tasks.Create(&parent, 1038);
    const auto group = tasks.InsertItem(nullptr, "Group", 0);
    const auto task = tasks.InsertItem(group, "Task", 42);
    tasks.Update();
    tasks.SelectItem(task);
    EXPECT_EQ(tasks.GetSelectedItem(), task);
    EXPECT_EQ(CSPTreeComboBoxCtrl::GetItemData(tasks.GetSelectedItem()), 42);
    EXPECT_EQ(CSPTreeComboBoxCtrl::GetItemData(nullptr), 0);
    tasks.DeleteAllItems();
    EXPECT_EQ(tasks.GetSelectedItem(), nullptr);
    EXPECT_EQ(tasks.GetTree()->topLevelItemCount(), 0);

    CSPLongEditCtrl pages;
    pages.Create(&parent, 1054);
    pages.SetLimits(1, 10);
    for (const auto& [set, kept] : {std::pair{0, 1}, {11, 10}, {7, 7}}) {
        pages.SendMessage(WM_SP_LONGEDIT_SETVALUE, 0, set);
        EXPECT_EQ(pages.SendMessage(WM_SP_LONGEDIT_GETVALUE), kept) << set;
    }

    // Page Up and the arrow keys, from below the lower limit.
    CSPDoubleEditCtrl width;
    QWidget* widthEdit = width.Create(&parent, 1014);
    width.SetLowerAndSteps(0.0, 0.1, 0.4);
    double value = -1.0;
    width.SendMessage(WM_SP_DOUBLEEDIT_SETVALUE, 0, reinterpret_cast<ui::LPARAM>(&value));
    for (const auto& [key, shown] : {std::pair{Qt::Key_PageUp, 0.4}, {Qt::Key_Up, 0.5}, {Qt::Key_PageDown, 0.1}}) {
        QTest::keyClick(widthEdit, key);
        width.SendMessage(WM_SP_DOUBLEEDIT_GETVALUE, 0, reinterpret_cast<ui::LPARAM>(&value));
        EXPECT_DOUBLE_EQ(value, shown) << key;
    }

    CSPAssignGridCtrl grid;
    grid.Create(&parent, 31009);
    EXPECT_TRUE(grid.AddItem("Start date", true));
    EXPECT_EQ(grid.GetItemText(0), "Start date");
    EXPECT_EQ(grid.GetItemText(1), "");
}

TEST_F(WrapperTest, DestroyingAWrapperDestroysItsControl) {
    QWidget parent;
    QPointer<QWidget> control;
    {
        CSPLongEditCtrl edit;
        control = edit.Create(&parent, 1054);
        ASSERT_TRUE(control);
    }
    EXPECT_FALSE(control);
    CSPLongEditCtrl detached;
    EXPECT_EQ(detached.SendMessage(WM_SP_LONGEDIT_GETVALUE), 0);   // no control: no crash
}

}  // namespace
