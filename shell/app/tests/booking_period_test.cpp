#include <gtest/gtest.h>

#include "booking_period.h"

namespace {

constexpr std::int32_t kDay1 = 2460556;

CDateTime At(std::int32_t day, int minutes) { return {CDate::FromJulianDay(day), CTimeOfDay(minutes)}; }

TEST(FitSelectedPeriodTest, WholeDaysBecomeWorkingDays) {
    struct Case {
        const char* what;
        int view;
        int baseUnit;
        int dayStart, dayEnd;
        CDateTime start, end;
        CDateTime expectedStart, expectedEnd;
    } cases[] = {
        {"calendar, day 1 to day 4 at midnight", 2, 2, 480, 1020, At(kDay1, 0), At(kDay1 + 3, 0), At(kDay1, 480),
         At(kDay1 + 2, 1020)},
        {"no view chosen", -1, 2, 480, 1020, At(kDay1, 0), At(kDay1 + 1, 0), At(kDay1, 480), At(kDay1, 1020)},
        {"schedule by days", 0, 4, 480, 1020, At(kDay1, 0), At(kDay1 + 1, 0), At(kDay1, 480), At(kDay1, 1020)},
        {"schedule by hours keeps the selection", 1, 3, 480, 1020, At(kDay1, 0), At(kDay1 + 1, 0), At(kDay1, 0),
         At(kDay1 + 1, 0)},
        {"times inside the day stay", 2, 4, 480, 1020, At(kDay1, 600), At(kDay1 + 1, 660), At(kDay1, 600),
         At(kDay1 + 1, 660)},
        {"working day up to midnight keeps the end", 2, 4, 480, 1440, At(kDay1, 0), At(kDay1 + 1, 0),
         At(kDay1, 480), At(kDay1 + 1, 0)},
        {"working day end 0 keeps the end", 2, 4, 480, 0, At(kDay1, 0), At(kDay1 + 1, 0), At(kDay1, 480),
         At(kDay1 + 1, 0)},
        {"end at midnight of the start day stays", 2, 4, 480, 1020, At(kDay1, 0), At(kDay1, 0), At(kDay1, 480),
         At(kDay1, 0)},
    };
    for (const Case& c : cases) {
        CDateTime start = c.start;
        CDateTime end = c.end;
        FitSelectedPeriod(start, &end, c.view, c.baseUnit, c.dayStart, c.dayEnd);
        EXPECT_EQ(start, c.expectedStart) << c.what;
        EXPECT_EQ(end, c.expectedEnd) << c.what;
        CDateTime startOnly = c.start;
        FitSelectedPeriod(startOnly, nullptr, c.view, c.baseUnit, c.dayStart, c.dayEnd);
        EXPECT_EQ(startOnly, c.expectedStart) << c.what;
    }
}

}  // namespace
