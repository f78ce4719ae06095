#include "calendar_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

#include "schedule_fixture.h"
#include "support/locale_names.h"
#include "testing/fake_locales.h"

namespace {

constexpr std::array<uint8_t, 7> kWeekdays = {1, 1, 1, 1, 1, 0, 0};
constexpr std::array<uint8_t, 7> kNoDays = {0, 0, 0, 0, 0, 0, 0};

// January 2025: the 6th is a Monday.
class CalendarTest : public ScheduleTest {
protected:
    CalendarTest() : calendar(PlanContext{&root, nullptr, nullptr, settings.Getter()}) {}

    void Show(int first, int last, bool hide = false, std::array<uint8_t, 7> workingDays = kWeekdays) {
        SetPlan(first, last, 480, 1020, workingDays);
        calendar.hideNonWorkingTime = hide;
        calendar.UpdateVisibleWeekdays();
        calendar.Layout(calendar.firstDay, calendar.lastDay);
    }

    CCalendarModel calendar;
};

TEST_F(CalendarTest, PeriodWidensToWholeWeeksOfShownDays) {
    struct Case {
        const char* name;
        int first, last;
        bool hide;
        std::array<uint8_t, 7> workingDays;
        int shownFirst, shownLast, columns, weeks;
    };
    const Case cases[] = {
        {"Wednesday to Tuesday", Day(8), Day(14), false, kWeekdays, Day(6), Day(19), 7, 2},
        {"weekend hidden, from a Saturday", Day(11), Day(15), true, kWeekdays, Day(13), Day(17), 5, 1},
        {"one day", Day(8), Day(8), false, kWeekdays, Day(6), Day(12), 7, 1},
        {"end before start", Day(8), Day(1), false, kWeekdays, Day(6), Day(12), 7, 1},
        {"every weekday hidden shows them all", Day(8), Day(8), true, kNoDays, Day(6), Day(12), 7, 1},
        {"only Sunday, to a Monday", Day(8), Day(20), true, {0, 0, 0, 0, 0, 0, 1}, Day(12), Day(19), 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Show(c.first, c.last, c.hide, c.workingDays);
        EXPECT_EQ(calendar.firstDay.GetJulianDay(), c.shownFirst);
        EXPECT_EQ(calendar.lastDay.GetJulianDay(), c.shownLast);
        EXPECT_EQ(calendar.ShownWeekdayCount(), c.columns);
        std::vector<int> weekdays;
        EXPECT_EQ(calendar.GetVisibleWeekdays(weekdays), c.columns);
        ASSERT_EQ(calendar.Weeks().size(), static_cast<std::size_t>(c.weeks));
        for (const CalendarWeek& week : calendar.Weeks()) EXPECT_EQ(week.cellCount, c.columns);
        const CalendarDayCell& firstCell = calendar.Cells().front();
        EXPECT_EQ(firstCell.start, CDateTime(CDate::FromJulianDay(c.shownFirst)));
        EXPECT_EQ(firstCell.end, CDateTime(CDate::FromJulianDay(c.shownFirst + 1)));
    }
}

// 9,000 years and the ends of the calendar stay within the days a date can
// name; the caller lays out only the weeks it shows.
TEST_F(CalendarTest, PeriodAtTheEndsOfTheCalendar) {
    SetPlan(CDate::kFirstDay, CDate::kLastDay);
    calendar.UpdateVisibleWeekdays();
    EXPECT_TRUE(calendar.firstDay.IsValid());
    EXPECT_TRUE(calendar.lastDay.IsValid());
    EXPECT_EQ(calendar.firstDay.GetDayOfWeek(), 1);
    EXPECT_EQ(calendar.lastDay.GetJulianDay(), CDate::kLastDay);
    calendar.Layout(AddDays(calendar.lastDay, -11), calendar.lastDay);
    ASSERT_EQ(calendar.Weeks().size(), 2u);
    EXPECT_EQ(calendar.Weeks()[1].cellCount, 5);   // the calendar ends on a Friday
    SetPlan(Day(1, 1, 1000), Day(31, 12, 9999));
    calendar.UpdateVisibleWeekdays();
    EXPECT_EQ(calendar.firstDay, CDate(30, 12, 999));
    EXPECT_EQ(calendar.lastDay.GetJulianDay(), CDate::kLastDay);
    calendar.Layout(calendar.firstDay, AddDays(calendar.firstDay, 41));
    EXPECT_EQ(calendar.Weeks().size(), 6u);
    EXPECT_EQ(calendar.Cells().size(), 42u);
}

// Only the weekend working and the rest hidden: the calendar's last week
// (Monday 27 to Friday 31 December 9999) shows no day, so a period in it or
// reaching into it ends with the weekend before.
TEST_F(CalendarTest, WeekendOnlyPeriodEndingWithTheCalendar) {
    struct Case { int first, weeks; };
    for (const Case& c : {Case{Day(27, 12, 9999), 1}, Case{Day(29, 12, 9999), 1}, Case{Day(1, 12, 9999), 4}}) {
        SCOPED_TRACE(CDate::FromJulianDay(c.first).Format(0, "yyyy-MM-dd"));
        Show(c.first, Day(31, 12, 9999), true, {0, 0, 0, 0, 0, 1, 1});
        EXPECT_EQ(calendar.lastDay, CDate(26, 12, 9999));
        ASSERT_EQ(calendar.Weeks().size(), static_cast<std::size_t>(c.weeks));
        const CalendarWeek& last = calendar.Weeks().back();
        ASSERT_EQ(last.cellCount, 2);
        EXPECT_EQ(calendar.Cells()[static_cast<std::size_t>(last.firstCell)].start, CDateTime(CDate(25, 12, 9999)));
    }
    // A page of six weeks from there reaches past the calendar.
    calendar.Layout(CDate(25, 12, 9999), AddDays(CDate(25, 12, 9999), 6 * 7 - 1));
    ASSERT_EQ(calendar.Weeks().size(), 1u);
    EXPECT_EQ(calendar.Cells().size(), 2u);
}

TEST_F(CalendarTest, SundayFirstLocaleStartsWeeksOnSunday) {
    testing::ScopedLocale locale(testing::EnglishUnitedStates());
    CLocaleNames names;
    names.Load(nullptr);
    calendar.Context().localeNames = &names;
    Show(Day(8), Day(14));
    EXPECT_EQ(calendar.firstDay.GetJulianDay(), Day(5));
    EXPECT_EQ(calendar.lastDay.GetJulianDay(), Day(18));
    std::vector<int> weekdays;
    calendar.GetVisibleWeekdays(weekdays);
    EXPECT_EQ(weekdays, (std::vector<int>{6, 0, 1, 2, 3, 4, 5}));
}

struct SegmentCase {
    const char* name;
    int startDay, startMinutes, endDay, endMinutes;
    bool hide;
    // week, first day, last day, starts, ends
    std::vector<std::array<int, 5>> segments;
};

TEST_F(CalendarTest, BookingSegmentsPerWeek) {
    const SegmentCase cases[] = {
        {"Friday to Tuesday", 10, 540, 14, 1020, false, {{0, 4, 6, 1, 0}, {1, 0, 1, 0, 1}}},
        {"Friday to Tuesday, weekend hidden", 10, 540, 14, 1020, true, {{0, 4, 4, 1, 0}, {1, 0, 1, 0, 1}}},
        {"ending at 0:00", 6, 540, 8, 0, false, {{0, 0, 1, 1, 1}}},
        {"whole days", 7, 0, 9, 0, false, {{0, 1, 2, 1, 1}}},
        {"no length at 0:00", 9, 0, 9, 0, false, {{0, 3, 3, 1, 1}}},
        {"no length at noon", 9, 720, 9, 720, false, {{0, 3, 3, 1, 1}}},
        {"only on a hidden Saturday", 11, 540, 11, 600, true, {}},
        {"before the period into it", 1, 0, 7, 600, false, {{0, 0, 1, 0, 1}}},
        {"minutes past the day carried into later days", 6, 2 * 1440 + 540, 8, 1440 + 600, false, {{0, 2, 3, 1, 1}}},
    };
    for (const SegmentCase& c : cases) {
        SCOPED_TRACE(c.name);
        CBooking* booking = AddBooking(Resource("R", 0), Task("T", 0), Day(c.startDay),
                                       static_cast<int16_t>(c.startMinutes), Day(c.endDay),
                                       static_cast<int16_t>(c.endMinutes));
        Show(Day(8), Day(14), c.hide);
        std::vector<std::array<int, 5>> got;
        for (int w = 0; w < static_cast<int>(calendar.Weeks().size()); ++w)
            for (const CalendarSegment& s : calendar.Weeks()[w].segments) {
                EXPECT_EQ(s.booking, booking);
                EXPECT_EQ(s.line, 0);
                got.push_back({w, s.firstDay, s.lastDay, s.starts ? 1 : 0, s.ends ? 1 : 0});
            }
        EXPECT_EQ(got, c.segments);
        int covered = 0;
        for (const CalendarDayCell& cell : calendar.Cells()) {
            EXPECT_EQ(cell.highestLine, cell.bookingCount - 1);
            covered += cell.bookingCount;
        }
        int expected = 0;
        for (const auto& s : c.segments) expected += s[2] - s[1] + 1;
        EXPECT_EQ(covered, expected);
        Begin();
        booking->Delete();
        root.CommitTransaction();
    }
}

TEST_F(CalendarTest, RangeCaptionNamesAtMostThreeMonths) {
    testing::ScopedLocale locale(testing::EnglishUnitedStates());
    CLocaleNames names;
    names.Load(nullptr);
    calendar.Context().localeNames = &names;
    struct Case {
        CDate first, last;
        const char* caption;
    };
    const Case cases[] = {
        {CDate(1, 1, 2024), CDate(20, 2, 2024), "January/February 2024"},
        {CDate(18, 12, 2023), CDate(7, 1, 2024), "December/January 2023/2024"},
        {CDate(1, 1, 2024), CDate(30, 6, 2024), "January/.../June 2024"},
        {CDate(1, 3, 2024), CDate(31, 5, 2024), "March/April/May 2024"},
        {CDate(5, 3, 2024), CDate(9, 3, 2024), "March 2024"},
        {CDate(1, 11, 2023), CDate(1, 2, 2025), "November/.../February 2023/2024/2025"},
    };
    for (const Case& c : cases) EXPECT_EQ(calendar.FormatRangeCaption(c.first, c.last), c.caption);
}

TEST_F(CalendarTest, DayCaptionNamesTheMonthOnItsFirst) {
    testing::ScopedLocale locale(testing::EnglishUnitedStates());
    bool first = false;
    EXPECT_EQ(CCalendarModel::FormatDayCaption(CDate(1, 2, 2025), first), "Feb 1");
    EXPECT_TRUE(first);
    EXPECT_EQ(CCalendarModel::FormatDayCaption(CDate(2, 2, 2025), first), "2");
    EXPECT_FALSE(first);
}

TEST_F(CalendarTest, BookingOrderKeys) {
    CResource* anna = Resource("Anna", 0);
    CResource* bert = Resource("bert", 1);
    CTask* alpha = Task("Alpha", 0);
    CTask* beta = Task("Beta", 1);
    CBooking* shortAnna = AddBooking(anna, alpha, Day(6), 480, Day(6), 600);
    CBooking* longAnna = AddBooking(anna, alpha, Day(6), 480, Day(6), 900);
    CBooking* annaBeta = AddBooking(anna, beta, Day(6), 480, Day(6), 540);
    CBooking* bertAlpha = AddBooking(bert, alpha, Day(6), 480, Day(6), 540);
    CBooking* earlierLongDay = AddBooking(bert, beta, Day(6), 420, Day(7), 60);
    struct Case {
        int key;
        bool ascending;
        CBooking *a, *b;
        bool before;
    };
    const Case cases[] = {
        {0, true, shortAnna, longAnna, true},        // same resource, task and start: by end
        {0, true, longAnna, shortAnna, false},
        {0, true, annaBeta, bertAlpha, true},        // by resource before task
        {1, true, bertAlpha, annaBeta, true},        // by task before resource
        {2, true, annaBeta, bertAlpha, true},        // same start: resource name, any case
        {2, true, shortAnna, annaBeta, true},        // same start and resource: task name
        {2, true, bertAlpha, earlierLongDay, false}, // start decides before names
        {6, true, longAnna, shortAnna, true},        // same start: the later end of day first
        {6, false, shortAnna, longAnna, true},       // descending: the earlier end of day first
        {6, true, earlierLongDay, shortAnna, true},  // start decides
        {3, true, earlierLongDay, bertAlpha, true},  // 7:00 before 8:00
        {5, true, earlierLongDay, bertAlpha, true},  // 1:00 before 9:00
        {4, true, earlierLongDay, bertAlpha, false}, // the next day's 1:00 is later
        {99, true, bertAlpha, annaBeta, false},      // names only
        {99, false, bertAlpha, annaBeta, true},
        {2, true, shortAnna, longAnna, false},       // equal in all four: neither first
        {2, true, longAnna, shortAnna, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompareCalendarBookings(c.a, c.b, c.key, c.ascending), c.before)
            << "key " << c.key << (c.ascending ? " up " : " down ") << c.a->startMinutes << "-" << c.a->endMinutes;
}

TEST_F(CalendarTest, LinesPerDayOfOddSizes) {
    struct Case {
        int dayHeight, headerHeight, textLine, distance;
        bool notes;
        int lines, fullLines;
    };
    const Case cases[] = {
        {100, 20, 10, 5, false, 3, 2},    // pitch 30: 80 holds two whole lines and part of a third
        {100, 20, 10, 5, true, 2, 2},     // pitch 40
        {100, 20, 0, 0, false, 0, 0},     // no pitch
        {20, 20, 10, 5, false, 1, 0},     // no room: (0 - 1) / 30 goes toward zero
        {0, 20, 10, 5, false, 1, 0},
        {-50, 20, 10, 5, false, 0, 0},    // (-70 - 1) / 30 is -2: never below 0
        {100000, 20, 10, 5, false, 3333, 3332},
        {100, 20, 10, -10, false, 0, 0},  // a negative distance that leaves no pitch
        {100, 20, 10, -15, false, 0, 0},  // a negative pitch
        {INT_MAX, INT_MIN, 10, 5, false, 143165577, 143165576},
        {100, 20, 10, INT_MAX, false, 1, 0},
    };
    for (const Case& c : cases) {
        calendar.dayHeight = c.dayHeight;
        calendar.dayHeaderHeight = c.headerHeight;
        calendar.textLineHeight = c.textLine;
        calendar.bookingDistance = c.distance;
        calendar.notesOnBookings = c.notes;
        int lines = -1, fullLines = -1;
        calendar.GetLinesPerDay(lines, fullLines);
        EXPECT_EQ(lines, c.lines) << c.dayHeight << " " << c.textLine;
        EXPECT_EQ(fullLines, c.fullLines) << c.dayHeight << " " << c.textLine;
    }
}

TEST_F(CalendarTest, SettingsOverTheDefaults) {
    settings.values["ViewCalendarColorBk"] = "255";
    settings.values["ViewBkColorSunday"] = "255";
    settings.values["ViewShowNotesOnBookings"] = "1";
    calendar.LoadSettings();
    EXPECT_EQ(calendar.backgroundColor, 255u);
    EXPECT_EQ(calendar.weekdayColors[6], 0xFFu);
    EXPECT_EQ(calendar.weekdayColors[0], 0xFFFFFFu);
    EXPECT_EQ(calendar.vertGridColor, 0x808080u);
    EXPECT_TRUE(calendar.notesOnBookings);
    calendar.SetDefaults();
    EXPECT_EQ(calendar.backgroundColor, 0xFFFFFFu);
    EXPECT_FALSE(calendar.notesOnBookings);
}

// Each week's lines against a first fit written plainly, each week's order
// against the comparer, and each day's count against the bookings that
// touch it, on random plans with many equal times and names. With a line
// limit, the segments below it are the same and in the same order, the rest
// meet at the limit.
TEST_F(CalendarTest, PackingMatchesPlainFirstFit) {
    std::mt19937 random(15);
    // Names equal but for case tie on names too: those keep the collection's order.
    const std::vector<CResource*> resources = {Resource("beta", 0), Resource("Alpha", 1), Resource("ALPHA 2", 2),
                                               Resource("alpha", 3)};
    const std::vector<CTask*> tasks = {Task("x", 0), Task("Y", 1)};
    // Few start times, so that many bookings of a day share their start.
    const int startMinutes[] = {0, 480, 480, 720, 810};
    for (int round = 0; round < 8; ++round) {
        Begin();
        for (int i = 0; i < 120; ++i) {
            const int start = static_cast<int>(random() % 40) * 1440 + startMinutes[random() % std::size(startMinutes)];
            const int length = static_cast<int>(random() % 4 == 0 ? 0 : random() % (9 * 24)) * 60;
            const int end = start + length;
            root.bookings->Add(NewBooking(resources[random() % resources.size()], tasks[random() % tasks.size()],
                                          Day(1) + start / 1440, static_cast<int16_t>(start % 1440),
                                          Day(1) + end / 1440, static_cast<int16_t>(end % 1440)));
        }
        root.CommitTransaction();
        const std::vector<CBooking*> all = AllBookings();
        for (int limit : {FirstFitPacker::kNoLimit, 1, 2}) {
            SCOPED_TRACE(::testing::Message() << "round " << round << " limit " << limit);
            calendar.lineLimit = limit;
            Show(Day(6), Day(30), round % 2 == 1);
            std::vector<int> highest(calendar.Cells().size(), -1);
            for (const CalendarWeek& week : calendar.Weeks()) {
                // Exactly the stable sort of the collection's order by the calendar's key.
                std::vector<CBooking*> shown, expected;
                for (const CalendarSegment& s : week.segments) shown.push_back(s.booking);
                for (CBooking* b : all)
                    if (std::find(shown.begin(), shown.end(), b) != shown.end()) expected.push_back(b);
                std::stable_sort(expected.begin(), expected.end(), [](const CBooking* a, const CBooking* b) {
                    return CompareCalendarBookings(a, b, 6, true);
                });
                std::vector<int> lineEnds;
                std::vector<CBooking*> shownBelow, expectedBelow;
                for (CBooking* b : expected) {
                    const CalendarSegment& s = *std::find_if(week.segments.begin(), week.segments.end(),
                                                             [&](const CalendarSegment& x) { return x.booking == b; });
                    int line = 0;
                    while (line < static_cast<int>(lineEnds.size()) && lineEnds[line] >= s.firstDay) ++line;
                    if (line == static_cast<int>(lineEnds.size())) lineEnds.push_back(-1);
                    lineEnds[line] = s.lastDay;
                    EXPECT_EQ(s.line, std::min(line, limit));
                    if (line < limit) expectedBelow.push_back(b);
                    for (int d = s.firstDay; d <= s.lastDay; ++d) {
                        int& h = highest[static_cast<std::size_t>(week.firstCell + d)];
                        h = std::max(h, std::min(line, limit));
                    }
                }
                for (const CalendarSegment& s : week.segments)
                    if (s.line < limit) shownBelow.push_back(s.booking);
                EXPECT_EQ(shownBelow, expectedBelow);
                if (limit == FirstFitPacker::kNoLimit) {
                    EXPECT_EQ(shown, expected);
                }
            }
            for (std::size_t c = 0; c < calendar.Cells().size(); ++c) {
                const CalendarDayCell& cell = calendar.Cells()[c];
                EXPECT_EQ(cell.highestLine, highest[c]);
                const long long dayStart = cell.start.date.GetJulianDay() * 1440LL, dayEnd = dayStart + 1440;
                int count = 0;
                for (CBooking* b : all) {
                    const long long s = b->startDay * 1440LL + b->startMinutes, e = b->endDay * 1440LL + b->endMinutes;
                    if ((s < dayEnd && dayStart < e) || (s == e && s == dayStart)) ++count;
                }
                EXPECT_EQ(cell.bookingCount, count);
            }
        }
        calendar.lineLimit = FirstFitPacker::kNoLimit;
    }
}

// Names are ranked once and kept: after a rename and a new resource, equal
// times still sort by the names as they are now.
TEST_F(CalendarTest, TiesFollowRenamesAndNewResources) {
    CResource* zed = Resource("Zed", 0);
    CResource* amy = Resource("Amy", 1);
    CTask* task = Task("x", 0);
    Begin();
    for (CResource* r : {zed, amy})
        root.bookings->Add(NewBooking(r, task, Day(7), 480, Day(7), 600));
    root.CommitTransaction();
    const auto order = [&] {
        Show(Day(6), Day(12));
        std::vector<std::string> names;
        for (const CalendarSegment& s : calendar.Weeks().front().segments) names.push_back(s.booking->resource->name);
        return names;
    };
    EXPECT_EQ(order(), (std::vector<std::string>{"Amy", "Zed"}));
    Begin();
    zed->BeginChange();
    zed->SetName("Abe");
    root.CommitTransaction();
    EXPECT_EQ(order(), (std::vector<std::string>{"Abe", "Amy"}));
    CResource* aaron = Resource("aaron", 2);
    Begin();
    root.bookings->Add(NewBooking(aaron, task, Day(7), 480, Day(7), 600));
    root.CommitTransaction();
    EXPECT_EQ(order(), (std::vector<std::string>{"aaron", "Abe", "Amy"}));
}

}  // namespace
