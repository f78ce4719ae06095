#include <gtest/gtest.h>

#include <map>
#include <string>

#include "date_setting.h"
#include "testing/fake_locales.h"
#include "testing/scoped_clock.h"

namespace {

TEST(DateSetting, FallsBackToDefaultOrToday) {
    testing::ScopedClock clock(plat::LocalDateTime{2026, 7, 15, 10, 0, 0});
    testing::ScopedLocale locale(testing::GermanGermany());
    const CDate fallback(1, 1, 2020);
    const CDate today(15, 7, 2026);
    const std::map<std::string, std::string, std::less<>> stored = {
        {"Stored", "20240315"}, {"Typed", "3.4.2024"}, {"Impossible", "31.2.2024"}, {"Blank", ""}};
    const SettingGetter get = [&](std::string_view key) {
        auto it = stored.find(key);
        return it == stored.end() ? std::string() : it->second;
    };
    struct Case {
        const char* key;
        CDate expected;
    };
    const Case cases[] = {
        {"Stored", CDate(15, 3, 2024)}, {"Typed", CDate(3, 4, 2024)}, {"Impossible", today},
        {"Blank", fallback},            {"Missing", fallback},
    };
    for (const Case& c : cases) EXPECT_EQ(GetDateSetting(get, c.key, fallback), c.expected) << c.key;
    EXPECT_EQ(TextToDate("//", fallback), today);
}

}  // namespace
