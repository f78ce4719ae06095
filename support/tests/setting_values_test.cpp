#include "support/setting_values.h"

#include <gtest/gtest.h>

#include <climits>

#include "settings_fixture.h"
#include "support/calendar_values.h"
#include "testing/fake_locales.h"

namespace {

TEST(SettingValues, ParseBool) {
    for (const char* text : {"OFF", "off", "False", "no", "No", "N", "n", "0"}) {
        EXPECT_FALSE(ParseBool(text, true)) << text;
    }
    for (const char* text : {"00", " 0", "0 ", "nein", "yes", "1", "on", "x", "nope"}) {
        EXPECT_TRUE(ParseBool(text, false)) << text;
    }
    EXPECT_TRUE(ParseBool("", true));
    EXPECT_FALSE(ParseBool("", false));
}

TEST(SettingValues, ParseIntClampsInsteadOfOverflowing) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"", 7},  // the default
        {"42", 42},
        {"  -17abc", -17},
        {"+5", 5},
        {"abc", 0},
        {"1e3", 1},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseInt(c.text, 7), c.expected) << '"' << c.text << '"';
}

// The user's decimal separator plays no part: the last ',' or '.' is the
// decimal point.
TEST(SettingValues, ParseDoubleWithEitherSeparator) {
    testing::ScopedLocale locale(testing::GermanGermany());
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"1.5", 1.5},      {"1,5", 1.5},   {"-2,25", -2.25}, {"  3.75", 3.75},
        {"1.000,5", 1.0},  // only the last separator is replaced
        {"1,000,000", 1.0}, {"abc", 0.0},  {"", 0.0},        {"12", 12.0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(ParseDouble(c.text), c.expected) << c.text;
    EXPECT_DOUBLE_EQ(ParseDoubleOr("", 2.5), 2.5);
    EXPECT_DOUBLE_EQ(ParseDoubleOr("0,25", 2.5), 0.25);

    FakeSettings settings;
    SetDoubleSetting(settings.Setter(), "Zoom", 1.5);
    EXPECT_EQ(settings.values["Zoom"], "1.500000");
    EXPECT_DOUBLE_EQ(GetDoubleSetting(settings.Getter(), "Zoom", 0), 1.5);
}

TEST(SettingValues, ParseColor) {
    struct Case {
        const char* text;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {"", 0x00123456},  // the default
        {"255 128 0", 0x000080FF},
        {"255,128,0", 0x000080FF},
        {"rgb(1; 2; 3; 4)", 0x00030201},
        {"16711680", 0x00FF0000},   // digits only: a raw value, blue 255
        {"300 0 0", 44},            // each component cut to 8 bits
        {"12 34", 0x0000220C},
        {"99999999999999999999 0 0", 255},
        {"99999999999", 0xFFFFFFFF},  // a raw value clamps
        {"-1", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseColor(c.text, 0x00123456), c.expected) << '"' << c.text << '"';
}

TEST(SettingValues, SplitListDropsEmptyPiecesAndAppends) {
    struct Case {
        const char* text;
        const char* separators;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"30 30  30", " ", {"30", "30", "30"}},
        {"", " ", {}},
        {",,;", ",;", {}},
        {"a,b;c", ",;", {"a", "b", "c"}},
        {" lead trail ", " ", {"lead", "trail"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> list = {"kept"};
        EXPECT_EQ(SplitList(c.text, list, c.separators), c.pieces.size() + 1) << c.text;
        list.erase(list.begin());
        EXPECT_EQ(list, c.pieces) << c.text;
    }
}

TEST(SettingValues, TypedAccessorsOverCallbacks) {
    FakeSettings settings;
    settings.values = {{"Name", "plan"}, {"Flag", "no"}, {"Count", "12"}, {"Color", "0 0 255"},
                       {"List", "1 2 3"}};
    const SettingGetter get = settings.Getter();
    EXPECT_EQ(GetStringSetting(get, "Name", "x"), "plan");
    EXPECT_EQ(GetStringSetting(get, "Missing", "x"), "x");
    EXPECT_FALSE(GetBoolSetting(get, "Flag", true));
    EXPECT_TRUE(GetBoolSetting(get, "Missing", true));
    EXPECT_EQ(GetIntSetting(get, "Count", 0), 12);
    EXPECT_EQ(GetIntSetting(get, "Missing", -3), -3);
    EXPECT_EQ(GetColorSetting(get, "Color", 0), 0x00FF0000u);
    std::vector<std::string> list;
    EXPECT_EQ(GetListSetting(get, "List", list, " "), 3u);

    const SettingSetter set = settings.Setter();
    SetIntSetting(set, "Count", -40);
    SetBoolSetting(set, "Flag", true);
    SetBoolSetting(set, "Other", false);
    SetDateSetting(set, "Day", CDate(31, 1, 2024));
    SetDateSetting(set, "NoDay", CDate::FromJulianDay(CDate::kEmpty));
    EXPECT_EQ(settings.values["Count"], "-40");
    EXPECT_EQ(settings.values["Flag"], "1");
    EXPECT_EQ(settings.values["Other"], "0");
    EXPECT_EQ(settings.values["Day"], "20240131");
    EXPECT_EQ(settings.values["NoDay"], "");
}

// Values far outside a range come back inside it; a real number that is
// no number gives the default.
TEST(SettingValues, RangedReadersClamp) {
    struct Case {
        const char* text;   // "" none stored
        int integer;        // in [0, 100], default 7
        double real;        // in [0.5, 4], default 1
    } cases[] = {
        {"", 7, 1.0},
        {"3", 3, 3.0},
        {"-2147483648", 0, 0.5},
        {"2147483647", 100, 4.0},
        {"99999999999999999999", 100, 4.0},
        {"1e300", 1, 4.0},
        {"-1e300", 0, 0.5},
        {"NaN", 0, 1.0},
        {"inf", 0, 4.0},
    };
    for (const Case& c : cases) {
        FakeSettings settings;
        if (*c.text != '\0') settings.values["Key"] = c.text;
        EXPECT_EQ(GetIntSettingIn(settings.Getter(), "Key", 7, 0, 100), c.integer) << c.text;
        EXPECT_EQ(GetDoubleSettingIn(settings.Getter(), "Key", 1.0, 0.5, 4.0), c.real) << c.text;
    }
}

}  // namespace
