#include <gtest/gtest.h>

#include "booking_tooltip.h"
#include "plat/dynlib.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "support/calendar_values.h"
#include "support/tests/settings_fixture.h"
#include "support/time_bar_labels.h"
#include "tests/plan_fixture.h"
#include "tooltip_markup.h"

namespace {

int Day(int day) { return DateToJulianDay(1, day, 2025); }   // the 6th is a Monday

class BookingTooltipTest : public PlanTest {
protected:
    static void SetUpTestSuite() { plat::SetResourceModule(plat::LoadLibrary(QEL_RES_LIBRARY)); }
    static void TearDownTestSuite() { plat::SetResourceModule(nullptr); }

    PlanContext Context() { return PlanContext{&root, nullptr, nullptr, settings.Getter()}; }

    // The label and value of each line.
    std::vector<std::pair<std::string, std::string>> Lines(const std::string& markup) {
        std::vector<std::pair<std::string, std::string>> lines;
        const TooltipTable table = ParseTooltipMarkup(markup, 0);
        for (const TooltipLine& line : table.lines) {
            if (line.cells.size() == 2) {
                EXPECT_EQ(line.cells[0].format, kTooltipAlignLeft);
                EXPECT_FALSE(line.cells[1].bold);
                lines.emplace_back(line.cells[0].text, line.cells[1].text);
            } else {
                EXPECT_EQ(line.cells.size(), 1u);   // the empty line after the last "\n"
                EXPECT_EQ(line.cells[0].text, "");
            }
        }
        return lines;
    }

    FakeSettings settings;
};

TEST_F(BookingTooltipTest, LabelledLinesOfTheBooking) {
    CResource* anna = AddResource("Anna");
    CTask* build = AddTask("Build");
    CBooking* booking = AddBooking(anna, build, Day(6), 480, Day(7), 720, (std::string(40, 'a') + "\r" + std::string(79, 'b')).c_str());
    const CDateTime start(CDate::FromJulianDay(Day(6)), CTimeOfDay(480));
    const CDateTime end(CDate::FromJulianDay(Day(7)), CTimeOfDay(720));
    // 9 working hours on Monday, 4 on Tuesday; the carriage return goes and
    // the 119 letters wrap at 50 characters into three lines. Each label ends
    // with a blank, so that it does not touch its value.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Resource: ", "Anna"},
        {"Task: ", "Build"},
        {"Start: ", FormatTimeBarLabel(start, 1, false)},
        {"End: ", FormatTimeBarLabel(end, 1, true)},
        {"Duration: ", "13:00 h"},
        {"Text: ", std::string(40, 'a') + std::string(10, 'b')},
        {"", std::string(50, 'b')},
        {"", std::string(19, 'b')},
    };
    EXPECT_EQ(Lines(BuildBookingTooltip(Context(), booking)), expected);

    // Real time counts every minute; other duration styles.
    settings.values["DurationRealTime"] = "1";
    settings.values["ViewFormatDuration"] = "1";
    EXPECT_EQ(Lines(BuildBookingTooltip(Context(), booking))[4].second, "1680 min");
}

TEST_F(BookingTooltipTest, NamesAndNotesStayPlainText) {
    CBooking* booking = AddBooking(AddResource("A<!&>B"), AddTask("<!l>T"), Day(6), 480, Day(6), 540, "<!f /m 9>note");
    const auto lines = Lines(BuildBookingTooltip(Context(), booking));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].second, TooltipPlainText("A<!&>B"));
    EXPECT_EQ(lines[1].second, TooltipPlainText("<!l>T"));
    EXPECT_EQ(lines[5].second, TooltipPlainText("<!f /m 9>note"));
}

TEST_F(BookingTooltipTest, NoTooltipForABookingThatIsGone) {
    CBooking* booking = AddBooking(AddResource("Anna"), AddTask("Build"), Day(6), 480, Day(6), 540);
    ASSERT_NE(BuildBookingTooltip(Context(), booking), "");
    EXPECT_EQ(BuildBookingTooltip(Context(), nullptr), "");
    EXPECT_EQ(BuildBookingTooltip(PlanContext{}, booking), "");
    Begin();
    booking->Delete();
    root.CommitTransaction();
    EXPECT_EQ(BuildBookingTooltip(Context(), booking), "");
}

// A selected period: start and end as the time bar labels them (the end as
// an end, so 0:00 is the day before's 24:00), the duration in working minutes.
TEST_F(BookingTooltipTest, PeriodTooltipNamesStartEndAndDuration) {
    struct Case {
        const char* name;
        int startDay, startMinutes, endDay, endMinutes;
        bool realTime;
        const char* duration;
    } cases[] = {
        {"one working day", Day(6), 480, Day(6), 1020, false, "9:00 h"},
        {"one whole day in working time", Day(6), 0, Day(7), 0, false, "9:00 h"},
        {"one whole day in real time", Day(6), 0, Day(7), 0, true, "24:00 h"},
        {"Monday to Wednesday", Day(6), 480, Day(8), 1020, false, "27:00 h"},
        {"Monday to Wednesday in real time", Day(6), 480, Day(8), 1020, true, "57:00 h"},
        {"Friday over the weekend to Monday", Day(10), 480, Day(13), 1020, false, "18:00 h"},
        {"the same in real time", Day(10), 480, Day(13), 1020, true, "81:00 h"},
    };
    const std::string start = plat::LoadResString(ids::TOOLTIP_START), end = plat::LoadResString(ids::TOOLTIP_END),
                      duration = plat::LoadResString(ids::TOOLTIP_DURATION);
    ASSERT_FALSE(start.empty() || end.empty() || duration.empty());
    for (const Case& c : cases) {
        settings.values["DurationRealTime"] = c.realTime ? "1" : "0";
        const CDateTime from(CDate::FromJulianDay(c.startDay), CTimeOfDay(c.startMinutes));
        const CDateTime to(CDate::FromJulianDay(c.endDay), CTimeOfDay(c.endMinutes));
        const std::vector<std::pair<std::string, std::string>> expected = {
            {start, FormatTimeBarLabel(from, 1, false)},
            {end, FormatTimeBarLabel(to, 1, true)},
            {duration, c.duration},
        };
        EXPECT_EQ(Lines(BuildPeriodTooltip(Context(), from, to)), expected) << c.name;
    }
    EXPECT_EQ(BuildPeriodTooltip(PlanContext{}, CDateTime(CDate::FromJulianDay(Day(6))),
                                 CDateTime(CDate::FromJulianDay(Day(7)))),
              "");
}

}  // namespace
