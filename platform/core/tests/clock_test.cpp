#include "plat/clock.h"

#include <gtest/gtest.h>

#include "testing/scoped_clock.h"

namespace {

TEST(Clock, InjectedClockNestsAndRestores) {
    const plat::LocalDateTime system = plat::Now();
    EXPECT_GE(system.year, 2024);
    EXPECT_GE(system.month, 1);
    EXPECT_LE(system.month, 12);
    {
        testing::ScopedClock outer(plat::LocalDateTime{2024, 1, 31, 11, 45, 30});
        EXPECT_EQ(plat::Now().day, 31);
        {
            testing::ScopedClock inner(plat::LocalDateTime{1999, 12, 31, 23, 59, 59});
            EXPECT_EQ(plat::Now().year, 1999);
        }
        const plat::LocalDateTime restored = plat::Now();
        EXPECT_EQ(restored.year, 2024);
        EXPECT_EQ(restored.second, 30);
    }
    EXPECT_FALSE(plat::InstalledClock());
}

}  // namespace
