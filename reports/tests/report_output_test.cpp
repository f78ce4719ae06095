#include <gtest/gtest.h>

#include <string>

#include "report_test_support.h"
#include "reports/report_output.h"
#include "testing/fake_locales.h"

namespace {

struct ExpandCase {
    const char* text;
    int page;
    int pages;
    const char* expected;
};

TEST(ExpandInfoTextTest, ReplacesEveryPlaceholderInItsOrder) {
    reports_test::ReportEnvironment environment;
    ::testing::ScopedLocale locale(::testing::EnglishUnitedStates());
    CReportOutput output;
    output.title = "Plan";
    const ExpandCase cases[] = {
        {"No placeholders, 100% plain", 2, 5, "No placeholders, 100% plain"},
        {"%pc %pt", 2, 5, "2 5"},
        {"Page %pc of %pt", 0, 0, "Page 0 of 0"},
        {"%ti - %ti -%ti", 1, 1, "Plan - Plan -Plan"},
        {"%ds", 1, 1, "3/5/2024"},
        {"%dl", 1, 1, "Tuesday, March 5, 2024"},
        {"%ts", 1, 1, "2:30 PM"},
        {"%pc%pc%pt", 12, 345, "1212345"},
        {"%p %t %%pc", 7, 9, "%p %t %7"},
        {"", 1, 1, ""},
    };
    for (const ExpandCase& c : cases)
        EXPECT_EQ(output.ExpandInfoText(c.text, c.page, c.pages), c.expected) << c.text;
}

TEST(ExpandInfoTextTest, TitleIsTextNotPlaceholdersAndIsCut) {
    reports_test::ReportEnvironment environment;
    CReportOutput output;
    output.title = "%pc of %pt %ds";
    EXPECT_EQ(output.ExpandInfoText("[%ti]", 2, 5), "[%pc of %pt %ds]");

    // 1022 bytes and a two-byte character: the cut falls before the character.
    output.title = std::string(1022, 'a') + "\xC3\xA9";
    EXPECT_EQ(output.ExpandInfoText("%ti", 1, 1), std::string(1022, 'a'));
    output.title = std::string(300, 't');
    EXPECT_EQ(output.ExpandInfoText("%ti", 1, 1), output.title);
}

TEST(ExpandInfoTextTest, MomentIsTakenWhenTheOutputIsMade) {
    CDate made;
    {
        ::testing::ScopedClock clock(plat::LocalDateTime{2023, 12, 31, 23, 59, 0});
        CReportOutput output;
        made = output.CreatedDate();
        EXPECT_EQ(output.CreatedTime().GetMinutes(), 23 * 60 + 59);
    }
    EXPECT_EQ(made, CDate(31, 12, 2023));
}

}  // namespace
