#include <gtest/gtest.h>

#include <algorithm>

#include "plan_generator.h"
#include "plan_root.h"
#include "support/calendar_values.h"
#include "testing/temp_directory.h"

namespace {

TEST(PlanGenerator, WritesAPlanThatOpensWithBookingsOnWorkingDays) {
    testing::TempDirectory dir;
    PlanShape shape;
    shape.centreDay = CDate(15, 6, 2026).GetJulianDay();
    PlanRoot root(nullptr);
    ASSERT_EQ(GeneratePlan(root, shape), kDataOk);
    std::string path = dir.File("demo.qel");
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);

    root.Close();   // lets go of the writer's lock
    PlanRoot opened(nullptr);
    ASSERT_EQ(opened.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_EQ(opened.resources->GetCount(), 12);
    EXPECT_EQ(opened.tasks->GetCount(), 10);
    ASSERT_EQ(opened.bookings->GetCount(), 300);
    for (int32_t i = 0; i < 300; ++i) {
        CBooking* booking = opened.bookings->GetAt(i);
        EXPECT_LE(CDate::FromJulianDay(booking->startDay).GetDayOfWeek(), 5);
        EXPECT_GE(booking->startDay, opened.properties->periodStart);
        EXPECT_LE(booking->endDay, opened.properties->periodEnd);
        EXPECT_TRUE(booking->endDay > booking->startDay || booking->endMinutes > booking->startMinutes);
    }

    PlanRoot again(nullptr);
    ASSERT_EQ(GeneratePlan(again, shape), kDataOk);
    std::string second = dir.File("again.qel");
    ASSERT_EQ(again.Save(second.c_str()), kDataOk);
    EXPECT_EQ(testing::ReadFile(path), testing::ReadFile(second));   // same seed, same plan
}

// Whatever weekday the plan is centred on, bookings moved off a weekend at
// its end, or staying some days, still lie inside the period.
TEST(PlanGenerator, PeriodCoversEveryBookingOnAnyCentreDay) {
    for (int weekday = 0; weekday < 7; ++weekday) {
        PlanShape shape;
        shape.centreDay = CDate(15, 6, 2026).GetJulianDay() + weekday;
        PlanRoot root(nullptr);
        ASSERT_EQ(GeneratePlan(root, shape), kDataOk);
        int32_t first = root.bookings->GetAt(0)->startDay;
        int32_t last = root.bookings->GetAt(0)->endDay;
        for (int32_t i = 0; i < root.bookings->GetCount(); ++i) {
            first = std::min(first, root.bookings->GetAt(i)->startDay);
            last = std::max(last, root.bookings->GetAt(i)->endDay);
        }
        EXPECT_GE(first, root.properties->periodStart) << weekday;
        EXPECT_LE(last, root.properties->periodEnd) << weekday;
    }
}

}  // namespace
