#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <map>

#include "schedule_fixture.h"
#include "drawing.h"
#include "painted_image.h"
#include "schedule_time_bar.h"
#include "testing/fake_locales.h"

namespace {

TEST(ScheduleLabelSettings, DefaultsThenEveryKey) {
    CScheduleLabelSettings label;
    label.headerFontFactor = 1;
    label.SetDefaults();
    EXPECT_EQ(label.headerFontFactor, 130);
    EXPECT_EQ(label.rowHeightFactor, 153);
    EXPECT_TRUE(label.groupFontBold);
    EXPECT_EQ(label.headerBackground, 0xE0E0E0u);
    EXPECT_EQ(label.itemBackground, 0xFFFFFFu);

    FakeSettings settings;
    std::map<std::string, ui::COLORREF*> colours = {
        {"ViewScheduleLabelHeaderColorBk", &label.headerBackground},
        {"ViewScheduleLabelHeaderColorFg", &label.headerText},
        {"ViewScheduleLabelColorGroupBk", &label.groupBackground},
        {"ViewScheduleLabelColorGroupCollapsedBk", &label.collapsedGroupBackground},
        {"ViewScheduleLabelColorBk", &label.itemBackground},
        {"ViewScheduleLabelColorGroupFg", &label.groupText},
        {"ViewScheduleLabelColorGroupCollapsedFg", &label.collapsedGroupText},
        {"ViewScheduleLabelColorFg", &label.itemText},
        {"ViewScheduleLabelHeaderColorGrid", &label.headerGrid},
        {"ViewScheduleColorHorzGrid", &label.rowGrid},
    };
    ui::COLORREF value = 0x010101;
    for (auto& [key, field] : colours) settings.values[key] = std::to_string(value += 0x010101);
    settings.values["ViewScheduleLabelHeaderFontFactor"] = "140";
    settings.values["ViewScheduleLabelHeightRowFactor"] = "170";
    settings.values["ViewScheduleLabelGroupFontBold"] = "0";
    label.LoadSettings(settings.Getter());
    for (auto& [key, field] : colours) EXPECT_EQ(std::to_string(*field), settings.values[key]) << key;
    EXPECT_EQ(label.headerFontFactor, 140);
    EXPECT_EQ(label.rowHeightFactor, 170);
    EXPECT_FALSE(label.groupFontBold);
    // Missing keys keep what the object holds.
    settings.values.clear();
    label.LoadSettings(settings.Getter());
    EXPECT_EQ(label.headerFontFactor, 140);
}

TEST(ScheduleTimeBarSettings, DefaultsThenEveryKey) {
    CScheduleTimeBar bar;
    EXPECT_EQ(bar.heightFactor, 110);
    EXPECT_EQ(bar.minorGrid, 0x808080u);
    EXPECT_EQ(bar.majorBackground, bar.minorBackground);
    FakeSettings settings;
    settings.values = {{"ViewScheduleTimeBarHeightRowFactor", "90"}, {"ViewScheduleTimeBarOrientation", "5"},
                       {"ViewScheduleTimeBarColorMajorFg", "1"},     {"ViewScheduleTimeBarColorMajorBk", "2"},
                       {"ViewScheduleTimeBarColorMajorGrid", "3"},   {"ViewScheduleTimeBarColorMinorFg", "4"},
                       {"ViewScheduleTimeBarColorMinorBk", "5"},     {"ViewScheduleTimeBarColorMinorGrid", "6"}};
    bar.LoadSettings(settings.Getter());
    EXPECT_EQ(bar.heightFactor, 90);
    EXPECT_EQ(bar.orientation, 5);   // kept as it is; drawn as left
    EXPECT_EQ(std::vector<ui::COLORREF>({bar.majorText, bar.majorBackground, bar.majorGrid, bar.minorText,
                                         bar.minorBackground, bar.minorGrid}),
              std::vector<ui::COLORREF>({1, 2, 3, 4, 5, 6}));
    bar.SetDefaults();
    EXPECT_EQ(bar.orientation, 0);
    EXPECT_EQ(bar.minorGrid, 0x808080u);

    struct Case { int orientation; ui::Rect expected; };
    for (const Case& c : {Case{0, {12, 0, 40, 10}}, Case{1, {10, 0, 40, 10}}, Case{2, {10, 0, 38, 10}},
                          Case{5, {10, 0, 40, 10}}}) {
        bar.orientation = c.orientation;
        EXPECT_EQ(bar.GetTextRect({10, 0, 40, 10}), c.expected) << c.orientation;
    }
}

class TimeBarTest : public ScheduleTest {
protected:
    TimeBarTest() { g_localeNames.Load(nullptr); }

    QImage Draw(int width = 400, const CDateTime& start = CDateTime(CDate::FromJulianDay(Day(20)))) {
        return painttest::PaintImage(width, 40, [&](QelDC& dc) {
            dc.SelectFont(CreateSizedFont(11, "DejaVu Sans", 400));
            bar.Draw(dc, model, 0, 0, width, 20, start);
        });
    }
    static ui::COLORREF At(const QImage& image, int x, int y) { return ui::ToColorRef(image.pixelColor(x, y)); }
    // Pixels of the rectangle that differ from colour.
    static QRect InkOf(const QImage& image, const ui::Rect& r, ui::COLORREF colour) {
        return painttest::PaintedBox(image, r.ToQRect(), ui::ToQColor(colour).rgb());
    }

    testing::ScopedLocale locale{testing::EnglishUnitedStates()};
    CScheduleTimeBar bar;
};

TEST_F(TimeBarTest, TwoBandsOfADaySchedule) {
    SetPlan(Day(1), Day(28, 2));
    model.baseUnit = 4;
    model.columnWidth = 20;
    model.BuildDayTable();
    const QImage image = Draw();
    // Upper band: month segments, the boundary of 1 February after 12 days.
    for (int y = 0; y < 20; ++y) EXPECT_EQ(At(image, 239, y), 0u) << y;
    EXPECT_FALSE(InkOf(image, {0, 0, 238, 19}, 0xE0E0E0).isEmpty());
    EXPECT_FALSE(InkOf(image, {240, 0, 400, 19}, 0xE0E0E0).isEmpty());
    for (int x = 0; x < 400; ++x) {
        EXPECT_EQ(At(image, x, 19), 0u);          // closes the upper band
        EXPECT_EQ(At(image, x, 39), 0x808080u);   // closes the lower band
    }
    // Lower band: a label in every column, a grid line on each right edge.
    for (int column = 0; column < 20; ++column) {
        EXPECT_EQ(At(image, column * 20 + 19, 30), 0x808080u) << column;
        EXPECT_FALSE(InkOf(image, {column * 20, 20, column * 20 + 19, 39}, 0xE0E0E0).isEmpty()) << column;
    }
}

// Hours with the weekend and the nights hidden: nine columns a day. The
// day after Friday's segment is Monday, labelled as it is when the bar
// starts with it.
TEST_F(TimeBarTest, ASegmentAfterHiddenTimeIsNamedByItsFirstColumn) {
    SetPlan(Day(1), Day(28, 2));
    model.baseUnit = 3;
    model.hideNonWorkingTime = true;
    model.columnWidth = 20;
    model.BuildDayTable();
    const QImage afterFriday = Draw(360, CDateTime(CDate::FromJulianDay(Day(10)), CTimeOfDay(480)));
    const QImage fromMonday = Draw(360, CDateTime(CDate::FromJulianDay(Day(13)), CTimeOfDay(480)));
    const QImage monday = fromMonday.copy(0, 0, 179, 19);
    EXPECT_FALSE(InkOf(fromMonday, {0, 0, 178, 18}, 0xE0E0E0).isEmpty());
    EXPECT_EQ(afterFriday.copy(180, 0, 179, 19), monday);
    EXPECT_NE(afterFriday.copy(0, 0, 179, 19), monday);
}

TEST_F(TimeBarTest, MajorCodeZeroLeavesThePlainBand) {
    SetPlan(Day(1), Day(28, 2));
    model.majorLabelCodes[6] = 0;
    model.BuildDayTable();
    const QImage image = Draw();
    EXPECT_TRUE(InkOf(image, {0, 0, 400, 19}, 0xE0E0E0).isEmpty());
    EXPECT_FALSE(InkOf(image, {0, 20, 400, 39}, 0xE0E0E0).isEmpty());
}

TEST_F(TimeBarTest, LabelsFollowTheOrientation) {
    SetPlan(Day(1), Day(28, 2));
    model.columnWidth = 100;
    model.BuildDayTable();
    struct Case { int orientation; int minLeft, maxLeft, minRight, maxRight; };
    for (const Case& c : {Case{0, 2, 5, 5, 40}, Case{2, 60, 96, 90, 97}}) {
        bar.orientation = c.orientation;
        const QRect ink = InkOf(Draw(100), {0, 20, 99, 39}, 0xE0E0E0);
        EXPECT_GE(ink.left(), c.minLeft);
        EXPECT_LE(ink.left(), c.maxLeft);
        EXPECT_GE(ink.right(), c.minRight);
        EXPECT_LE(ink.right(), c.maxRight);
    }
    bar.orientation = 1;
    const QRect centred = InkOf(Draw(100), {0, 20, 99, 39}, 0xE0E0E0);
    EXPECT_NEAR(centred.center().x(), 50, 3);
}

}  // namespace
