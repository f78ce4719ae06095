#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "controls_api.h"
#include "option_dialogs.h"
#include "option_ids.h"
#include "option_values.h"
#include "plat/resource_strings.h"
#include "support/time_bar_labels.h"
#include "ui/message.h"
#include "ui/scripted_prompts.h"
#include "working_time_ids.h"

namespace {

// A settings store of its own.
struct Settings {
    std::map<std::string, std::string, std::less<>> values;
    SettingGetter Getter() {
        return [this](std::string_view key) {
            const auto it = values.find(key);
            return it == values.end() ? std::string() : it->second;
        };
    }
    SettingSetter Setter() {
        return [this](std::string_view key, std::string_view value) { values[std::string(key)] = value; };
    }
};

TEST(AllowedLabelCodesTest, EachUnitOffersItsFormats) {
    const std::vector<int> dayCodes = {7, 8, 9, 10, 11, 4, 12, 13, 17, 18, 3, 19, 20, 21};
    std::vector<int> weekWithNumbers = dayCodes;
    weekWithNumbers.insert(weekWithNumbers.end(), {37, 38});
    std::vector<int> day = dayCodes;
    day.insert(day.end(), {14, 15, 16});
    struct Case {
        int unit;
        bool weekNumbers;
        std::vector<int> codes;
    } cases[] = {
        {0, false, {33, 36}}, {2, true, {33, 36}}, {3, false, {2, 31, 32, 33, 35}},
        {4, true, day},       {5, false, dayCodes}, {5, true, weekWithNumbers},
        {6, false, {23, 24, 25, 26, 27, 28}}, {7, false, {30, 29}},
        {-1, false, {}}, {8, true, {}}, {9, false, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(AllowedLabelCodes(c.unit, c.weekNumbers), c.codes) << c.unit;
    EXPECT_EQ(LabelCodeIndex({23, 24, 25}, 25), 2);
    EXPECT_EQ(LabelCodeIndex({23, 24, 25}, 37), 0);   // not offered: the first
}

TEST(OptionValuesTest, SettingsRoundTrip) {
    Settings store;
    ViewOptions view = LoadViewOptions(store.Getter(), "Arial");
    EXPECT_EQ(view.font, "Arial");
    EXPECT_TRUE(view.showNonWorkingTime);
    view.showNonWorkingTime = false;
    view.nonWorkingColor = 0x00123456;
    view.durationStyle = 2;
    SaveViewOptions(view, store.Setter());
    EXPECT_EQ(store.values["ViewScheduleNonWorkingTimeHide"], "1");
    EXPECT_EQ(store.values["ViewScheduleNonWorkingTimeColor"], "1193046");
    const ViewOptions back = LoadViewOptions(store.Getter(), "Arial");
    EXPECT_EQ(back.nonWorkingColor, 0x00123456u);
    EXPECT_EQ(back.durationStyle, 2);
    EXPECT_FALSE(back.showNonWorkingTime);

    ScheduleOptions schedule = LoadScheduleOptions(store.Getter());
    schedule.minor[4] = 15;
    SaveScheduleOptions(schedule, store.Setter());
    EXPECT_EQ(std::count(store.values["ViewScheduleTimeBarFormatMinor"].begin(),
                         store.values["ViewScheduleTimeBarFormatMinor"].end(), ' '), 7);
    EXPECT_EQ(LoadScheduleOptions(store.Getter()).minor[4], 15);
}

TEST(OptionValuesTest, UnitsOnScreenUnitAndBounds) {
    struct Case {
        const char* unit;
        const char* max;
        int expectedUnit, expectedMax;
    } cases[] = {
        {"", "", 4, 100}, {"2", "50", 2, 50}, {"7", "0", 7, 1}, {"9", "-5", 4, 1},
        {"-1", "99999", 4, 32767},
    };
    for (const Case& c : cases) {
        Settings store;
        store.values["ViewScheduleBaseUnit"] = c.unit;
        store.values["ViewScheduleUnitsOnScreenMax"] = c.max;
        EXPECT_EQ(UnitsOnScreenUnit(store.Getter()), c.expectedUnit) << c.unit;
        EXPECT_EQ(UnitsOnScreenMax(store.Getter()), c.expectedMax) << c.max;
    }
}

const char* Texts(unsigned id) {
    switch (id) {
    case 14041: return "no working day";
    case 14062: return "no date";
    case 600: return "Minutes (%s)";
    case 601: return "Hours (%s)";
    case 602: return "Days (%s)";
    case 603: return "Hours and minutes (%s)";
    case 503: return "Hours";
    default: return "";
    }
}

class OptionDialogTest : public ::testing::Test {
protected:
    void SetUp() override { plat::SetResourceStringSource(Texts); }
    void TearDown() override { plat::SetResourceStringSource(nullptr); }
    ui::ScriptedPrompts prompts;
    Settings store;
};

QComboBox* Combo(ui::DialogBase& dialog, int id) { return static_cast<QComboBox*>(dialog.GetDlgItem(id)); }

// The user picks an entry of a combo box.
void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void ClickOk(ui::DialogBase& dialog) {
    QTest::mouseClick(static_cast<QAbstractButton*>(dialog.GetDlgItem(ui::IDOK)), Qt::LeftButton);
}

QStringList Entries(QComboBox* combo) {
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
    return entries;
}

QStringList Samples(int unit, bool weekNumbers) {
    QStringList samples;
    for (int code : AllowedLabelCodes(unit, weekNumbers))
        samples << QString::fromStdString(FormatSampleLabel(code, unit < 3));
    return samples;
}

const std::uint8_t kMondayToFriday[7] = {1, 1, 1, 1, 1, 0, 0};

TEST_F(OptionDialogTest, BaseUnitSwitchRefillsBothFormatCombos) {
    CScheduleOptionsDlg dialog(false, kMondayToFriday, false);
    dialog.options = LoadScheduleOptions(store.Getter());
    dialog.options.baseUnit = 4;
    dialog.options.minor[3] = 99;   // not an hour format: the first is chosen
    dialog.fromDate = CDate(1, 1, 2024);
    dialog.toDate = CDate(31, 12, 2024);
    dialog.show();
    EXPECT_EQ(Entries(Combo(dialog, IDC_SCHEDULE_MINOR_FORMAT)), Samples(4, false));
    EXPECT_EQ(Entries(Combo(dialog, IDC_SCHEDULE_MAJOR_FORMAT)), Samples(6, false));

    Choose(Combo(dialog, IDC_SCHEDULE_BASE_UNIT), 3);
    EXPECT_EQ(Entries(Combo(dialog, IDC_SCHEDULE_MINOR_FORMAT)), Samples(3, false));
    EXPECT_EQ(Entries(Combo(dialog, IDC_SCHEDULE_MAJOR_FORMAT)), Samples(4, false));
    EXPECT_EQ(Combo(dialog, IDC_SCHEDULE_MINOR_FORMAT)->currentIndex(), 0);
    EXPECT_EQ(static_cast<QLabel*>(dialog.GetDlgItem(IDC_SCHEDULE_BASE_UNIT_NAME))->text(), "Hours");

    Choose(Combo(dialog, IDC_SCHEDULE_BASE_UNIT), 0);
    EXPECT_EQ(Entries(Combo(dialog, IDC_SCHEDULE_MINOR_FORMAT)), Samples(0, false));
    Combo(dialog, IDC_SCHEDULE_MINOR_FORMAT)->setCurrentIndex(1);
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), ui::IDOK);
    EXPECT_EQ(dialog.options.baseUnit, 0);
    EXPECT_EQ(dialog.options.minor[0], 36);
    EXPECT_EQ(dialog.options.minor[3], 99);   // only the chosen unit's format is written
}

TEST_F(OptionDialogTest, WeekNumberFormatsOnlyWhenEnabled) {
    for (bool enabled : {false, true}) {
        CScheduleOptionsDlg dialog(false, kMondayToFriday, false);
        dialog.options.baseUnit = 5;
        dialog.options.weekNumbers = enabled;
        dialog.options.minor[5] = 38;
        dialog.show();
        EXPECT_EQ(Entries(Combo(dialog, IDC_SCHEDULE_MINOR_FORMAT)), Samples(5, enabled));
        EXPECT_EQ(Combo(dialog, IDC_SCHEDULE_MINOR_FORMAT)->currentIndex(), enabled ? 15 : 0);
    }
}

TEST_F(OptionDialogTest, UnitsTheComboDoesNotOfferAreSafe) {
    for (int unit : {7, 9, -3}) {
        CScheduleOptionsDlg dialog(false, kMondayToFriday, false);
        dialog.options = LoadScheduleOptions(store.Getter());
        dialog.options.baseUnit = unit;
        const ScheduleOptions before = dialog.options;
        dialog.fromDate = CDate(1, 1, 2024);
        dialog.toDate = CDate(31, 1, 2024);
        dialog.show();
        EXPECT_EQ(Combo(dialog, IDC_SCHEDULE_BASE_UNIT)->currentIndex(), -1) << unit;
        ClickOk(dialog);
        ASSERT_EQ(dialog.result(), ui::IDOK) << unit;
        EXPECT_EQ(dialog.options.baseUnit, unit);
        if (unit == 7) EXPECT_EQ(dialog.options.minor[7], 30);
        else EXPECT_EQ(dialog.options.minor, before.minor);
        EXPECT_EQ(dialog.options.major, before.major) << unit;
    }
}

// A period that cannot be read is named as such before its working days are
// judged; a weekend without working days is refused unless allowed.
TEST_F(OptionDialogTest, PeriodThatCannotBeReadOrHasNoWorkingDayIsRefused) {
    struct Case {
        const char* fromText;   // typed over the start date; nullptr keeps it
        const char* toText;
        bool allowWithout;
        const char* message;    // nullptr: accepted
    } cases[] = {
        {nullptr, nullptr, false, "no working day"},
        {nullptr, nullptr, true, nullptr},
        {"", nullptr, false, "no date"},
        {nullptr, "31.13.2024x", true, "no date"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.fromText ? c.fromText : "-") << " / " << (c.toText ? c.toText : "-"));
        const std::size_t asked = prompts.asked().size();
        CScheduleOptionsDlg dialog(false, kMondayToFriday, c.allowWithout);
        dialog.fromDate = CDate(6, 1, 2024);
        dialog.toDate = CDate(7, 1, 2024);   // a weekend
        dialog.show();
        const QList<QLineEdit*> parts = dialog.GetDlgItem(IDC_SCHEDULE_PERIOD)->findChildren<QLineEdit*>();
        ASSERT_EQ(parts.size(), 2);
        if (c.fromText) parts[0]->setText(c.fromText);
        if (c.toText) parts[1]->setText(c.toText);
        ClickOk(dialog);
        if (!c.message) {
            EXPECT_EQ(dialog.result(), ui::IDOK);
            EXPECT_EQ(prompts.asked().size(), asked);
            continue;
        }
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(prompts.asked().size(), asked + 1);
        EXPECT_EQ(prompts.asked().back().text, c.message);
        EXPECT_EQ(dialog.focusWidget(), dialog.GetDlgItem(IDC_SCHEDULE_PERIOD)->focusProxy());
    }
}

TEST_F(OptionDialogTest, HidingTheNonWorkingTimeDisablesItsColour) {
    CViewOptionsDlg dialog{WorkingTime{}};
    dialog.options = LoadViewOptions(store.Getter(), "Arial");
    dialog.show();
    auto* show = static_cast<QCheckBox*>(dialog.GetDlgItem(IDC_VIEW_SHOW_NON_WORKING));
    EXPECT_TRUE(show->isChecked());
    EXPECT_TRUE(dialog.GetDlgItem(IDC_VIEW_NON_WORKING_COLOR)->isEnabled());
    show->click();
    EXPECT_FALSE(dialog.GetDlgItem(IDC_VIEW_NON_WORKING_COLOR)->isEnabled());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_VIEW_NON_WORKING_COLOR_LABEL)->isEnabled());
    // Durations in hours: the sample shows 9 hours.
    EXPECT_TRUE(Combo(dialog, IDC_VIEW_DURATION)->itemText(1).contains("9"));
    Combo(dialog, IDC_VIEW_DURATION)->setCurrentIndex(1);
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), ui::IDOK);
    SaveViewOptions(dialog.options, store.Setter());
    EXPECT_EQ(store.values["ViewScheduleNonWorkingTimeHide"], "1");
    EXPECT_EQ(store.values["ViewFormatDuration"], "2");
}

TEST_F(OptionDialogTest, DurationStyleOutsideTheListIsKept) {
    store.values["ViewFormatDuration"] = "9";
    CViewOptionsDlg dialog{WorkingTime{}};
    dialog.options = LoadViewOptions(store.Getter(), "Arial");
    dialog.show();
    EXPECT_EQ(Combo(dialog, IDC_VIEW_DURATION)->currentIndex(), -1);
    ClickOk(dialog);
    EXPECT_EQ(dialog.options.durationStyle, 9);
}

// A face that is not installed shows as the one used in its place, not as
// an empty box; left as shown, its name is kept.
TEST_F(OptionDialogTest, FontThatIsNotInstalledShowsItsSubstituteAndIsKept) {
    struct Case {
        const char* stored;
        bool pickOther;
        const char* kept;   // empty: the face picked
    } cases[] = {
        {"No Such Face 4711", false, "No Such Face 4711"},
        {"No Such Face 4711", true, ""},
        {"DejaVu Sans", false, "DejaVu Sans"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + (c.pickOther ? ", another picked" : ""));
        store.values["ViewFont"] = c.stored;
        CViewOptionsDlg dialog{WorkingTime{}};
        dialog.options = LoadViewOptions(store.Getter(), "Arial");
        dialog.show();
        auto* fonts = reinterpret_cast<QComboBox*>(
            ui::SendMessage(dialog.GetDlgItem(IDC_VIEW_FONT), WM_SP_FONTCOMBO_GETCOMBO));
        ASSERT_NE(fonts, nullptr);
        ASSERT_GT(fonts->count(), 1);
        EXPECT_NE(fonts->currentIndex(), -1);
        if (c.pickOther) fonts->setCurrentIndex(fonts->currentIndex() == 0 ? 1 : 0);
        const std::string shown = fonts->currentText().toStdString();
        ClickOk(dialog);
        ASSERT_EQ(dialog.result(), ui::IDOK);
        EXPECT_EQ(dialog.options.font, *c.kept != '\0' ? std::string(c.kept) : shown);
    }
}

TEST_F(OptionDialogTest, UnitsOnScreenStayWithinTheirBounds) {
    store.values["ViewScheduleUnitsOnScreenMax"] = "60";
    struct Case {
        const char* unit;
        int typed;
        int index;
        int stored;
    } cases[] = {{"4", 0, 4, 1}, {"4", 1000, 4, 60}, {"3", 12, 3, 12}, {"9", 45, 4, 45}};
    for (const Case& c : cases) {
        store.values["ViewScheduleBaseUnit"] = c.unit;
        CUnitsOnScreenDlg dialog(store.Getter());
        dialog.show();
        ui::SendMessage(dialog.GetDlgItem(IDC_UNITS_ON_SCREEN), WM_SP_LONGEDIT_SETVALUE, 0, c.typed);
        ClickOk(dialog);
        ASSERT_EQ(dialog.result(), ui::IDOK);
        EXPECT_EQ(dialog.units[c.index], c.stored) << c.unit << " " << c.typed;
    }
}

TEST_F(OptionDialogTest, SettingEditorShowsTheCurrentValue) {
    store.values["ViewMarkToday"] = "0";
    CSettingEditDlg dialog(store.Getter());
    dialog.show();
    static_cast<QLineEdit*>(dialog.GetDlgItem(IDC_SETTING_KEY))->setText("ViewMarkToday");
    static_cast<QPushButton*>(dialog.GetDlgItem(IDC_SETTING_SHOW))->click();
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "0");
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONINFORMATION);
    static_cast<QLineEdit*>(dialog.GetDlgItem(IDC_SETTING_VALUE))->setText("1");
    ClickOk(dialog);
    EXPECT_EQ(dialog.key, "ViewMarkToday");
    EXPECT_EQ(dialog.value, "1");
}

}  // namespace
