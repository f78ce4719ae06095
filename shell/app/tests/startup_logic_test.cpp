#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

#include "plat/resource_strings.h"
#include "startup_logic.h"
#include "string_ids.h"

namespace {

TEST(CommandLineFileTest, LastNonOptionArgumentNamesTheFile) {
    struct Case {
        std::vector<std::string> args;
        std::string expected;
    } cases[] = {
        {{}, ""},
        {{"-f", "--verbose"}, ""},
        {{"/abs/x.qel"}, "/abs/x.qel"},   // a slash does not start an option
        {{"rel.qel"}, "/start/dir/rel.qel"},
        {{"sub/rel.qel", "-f"}, "/start/dir/sub/rel.qel"},
        {{"first.qel", "-x", "/abs/last.qel"}, "/abs/last.qel"},
        {{"/abs/first.qel", "last.qel"}, "/start/dir/last.qel"},
        {{""}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommandLineFile(c.args, "/start/dir"), c.expected);
        EXPECT_EQ(CommandLineFile(c.args, "/start/dir/"), c.expected);
    }
}

TEST(ChooseStartFileTest, SettingRecentFileCommandLineAndShift) {
    const std::set<std::string> files{"/on-start.qel", "/recent.qel", "/cmd.qel"};
    auto exists = [&](const std::string& p) { return files.count(p) != 0; };
    struct Case {
        const char* name;
        StartFileInputs in;
        std::string file;
        std::string missing;
    } cases[] = {
        {"nothing set", {"", false, "/recent.qel", "", false}, "", ""},
        {"setting", {"/on-start.qel", true, "/recent.qel", "", false}, "/on-start.qel", ""},
        {"most recent", {"", true, "/recent.qel", "", false}, "/recent.qel", ""},
        {"most recent is gone", {"", true, "/gone.qel", "", false}, "", ""},
        {"command line wins", {"/on-start.qel", true, "/recent.qel", "/cmd.qel", false}, "/cmd.qel", ""},
        {"missing command line file", {"/on-start.qel", true, "", "/none.qel", false}, "", "/none.qel"},
        {"missing setting file", {"/none.qel", true, "/recent.qel", "", false}, "", "/none.qel"},
        {"shift opens nothing", {"/on-start.qel", true, "/recent.qel", "/cmd.qel", true}, "", ""},
        {"shift still reports a missing file", {"", true, "", "/none.qel", true}, "", "/none.qel"},
    };
    for (const Case& c : cases) {
        const StartFileChoice choice = ChooseStartFile(c.in, exists);
        EXPECT_EQ(choice.file, c.file) << c.name;
        EXPECT_EQ(choice.missingFile, c.missing) << c.name;
    }
}

plat::LocaleInfo Locale(int order, const char* separator) {
    plat::LocaleInfo locale;
    locale.dateOrder = order;
    locale.dateSeparator = separator;
    return locale;
}

TEST(DateFormatTest, PartsFollowTheLocaleOrderAndSeparator) {
    struct Case {
        int order;
        const char* separator;
        const char* expected;
    } cases[] = {
        {1, ".", "dd.MM.yy"},
        {0, "/", "MM/dd/yy"},
        {2, "-", "yy-MM-dd"},
        {2, "./", "yy.MM.dd"},   // the first character only
        {1, "\u00B7/", "dd\u00B7MM\u00B7yy"},   // a character of two bytes, whole
        {2, "\u5E74", "yy\u5E74MM\u5E74dd"},
        {7, "/", "MM/dd/yy"},
        {1, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompleteDateFormat("dd", "MM", "yy", Locale(c.order, c.separator)), c.expected)
            << c.order << " " << c.separator;
    }
}

TEST(TimeFormatTest, TwelveHoursWithoutMarkerGetTwentyFourHours) {
    struct Case {
        const char* picture;
        const char* expected;
    } cases[] = {{"HH:mm:ss", ""}, {"h:mm:ss tt", ""}, {"h:mm", "HH:mm"}, {"hh.mm", "HH:mm"}};
    for (const Case& c : cases) {
        plat::LocaleInfo locale;
        locale.timePicture = c.picture;
        EXPECT_EQ(CompleteTimeFormat(locale), c.expected) << c.picture;
    }
}

const char* TitleTexts(unsigned id) {
    switch (id) {
    case ids::TITLE_UNTITLED: return "Untitled";
    case ids::TITLE_MODIFIED: return " *";
    case ids::TITLE_CAPTION: return "%s - Planner";
    case ids::TITLE_READ_ONLY: return " (read-only)";
    default: return "";
    }
}

TEST(TitleTextTest, NameMarksAndCaption) {
    plat::SetResourceStringSource(TitleTexts);
    struct Case {
        const char* path;
        bool modified;
        bool readOnly;
        const char* expected;
    } cases[] = {
        {"", false, false, "Untitled - Planner"},
        {"", true, false, "Untitled * - Planner"},
        {"/plans/site.qel", false, false, "site.qel - Planner"},
        {"/plans/site.qel", true, true, "site.qel * - Planner (read-only)"},
        {"/plans/100%s.qel", false, false, "100%s.qel - Planner"},   // a name is never a format
    };
    for (const Case& c : cases) EXPECT_EQ(TitleText(c.path, c.modified, c.readOnly), c.expected);
    plat::SetResourceStringSource(nullptr);
}

TEST(WindowRectTest, ParsedOrTenToNinetyPercentOfTheScreen) {
    const WindowRect fallback{100, 80, 900, 720};
    struct Case {
        const char* text;
        WindowRect expected;
    } cases[] = {
        {"10 20 610 420", {10, 20, 610, 420}},
        {"  -5\t0 300  200 ", {-5, 0, 300, 200}},
        {"", fallback},
        {"10 20 610", fallback},
        {"10 20 610 420 5", fallback},
        {"a b c d", fallback},
        {"10 20 10 420", fallback},   // no width
        {"10 420 610 20", fallback},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseWindowRect(c.text, 1000, 800), c.expected) << c.text;
    EXPECT_EQ(FormatWindowRect({-5, 0, 300, 200}), "-5 0 300 200");
    EXPECT_EQ(ParseWindowRect(FormatWindowRect({1, 2, 3, 4}), 1000, 800), (WindowRect{1, 2, 3, 4}));
}

TEST(WindowRectTest, FitsOntoTheScreenShowingMostOfIt) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const std::vector<WindowRect> screens = {{0, 0, 1280, 1024}, {1280, 0, 3200, 1080}};
    struct Case {
        const char* name;
        WindowRect rect;
        WindowRect expected;
    } cases[] = {
        {"inside", {40, 30, 640, 430}, {40, 30, 640, 430}},
        {"on the second screen", {1500, 100, 2100, 500}, {1500, 100, 2100, 500}},
        {"mostly on the second", {1200, 100, 1800, 500}, {1280, 100, 1880, 500}},
        {"off to the left", {-900, 10, -300, 410}, {0, 10, 600, 410}},
        {"off below", {10, 5000, 610, 5400}, {10, 624, 610, 1024}},
        {"larger than any screen", {-100, -100, 5000, 3000}, {1280, 0, 3200, 1080}},
        {"the whole range of int", {kMin, 0, kMax, 1}, {1280, 0, 3200, 1}},
        {"at the far end", {kMax - 10, kMax - 10, kMax, kMax}, {1270, 1014, 1280, 1024}},
    };
    for (const Case& c : cases) EXPECT_EQ(FitWindowRect(c.rect, screens), c.expected) << c.name;
    EXPECT_EQ(FitWindowRect({kMin, 0, kMax, 1}, {}), (WindowRect{kMin, 0, kMax, 1})) << "no screen known";
}

}  // namespace
