#include <gtest/gtest.h>

#include <string>

#include "number_text.h"
#include "testing/fake_locales.h"

namespace {

spcc::NumberSeparators SeparatorsOf(const plat::LocaleInfo& locale) {
    return {locale.decimalSeparator, locale.groupSeparator};
}

const spcc::NumberSeparators kGerman = SeparatorsOf(testing::GermanGermany());
const spcc::NumberSeparators kEnglish = SeparatorsOf(testing::EnglishUnitedStates());
const spcc::NumberSeparators kUngrouped{".", ""};                 // the "C" locale
const spcc::NumberSeparators kNarrowSpace{",", "\u202F"};         // groups with a no-break space

struct ReadCase {
    const spcc::NumberSeparators* separators;
    const char* text;
    int decimals;
    std::optional<double> number;
};

const std::string kLong(10000, '1');

TEST(NumberText, OnlyWhatTheLocaleWritesIsReadAsANumber) {
    const std::optional<double> none;
    const ReadCase cases[] = {
        {&kGerman, "1,5", 3, 1.5},
        {&kGerman, "1.500,5", 3, 1500.5},
        {&kGerman, "2", 3, 2.0},
        {&kGerman, "1.500", 3, 1500.0},
        {&kGerman, "-1.234.567,125", 3, -1234567.125},
        {&kGerman, "+3", 3, 3.0},
        {&kGerman, " 2 ", 3, 2.0},
        {&kGerman, "0,001", 3, 0.001},
        {&kGerman, "-0", 3, 0.0},
        {&kGerman, "1.5", 3, none},        // a dot only between groups of three
        {&kGerman, "12.34", 3, none},
        {&kGerman, "1.5000", 3, none},
        {&kGerman, "1500.000", 3, none},   // a first group of four
        {&kGerman, "1.", 3, none},
        {&kGerman, ".5", 3, none},
        {&kGerman, "1..5", 3, none},
        {&kGerman, "1.,5", 3, none},
        {&kGerman, "1,", 3, none},
        {&kGerman, ",5", 3, none},
        {&kGerman, "1,5,0", 3, none},
        {&kGerman, "1,500.0", 3, none},    // a group after the decimal sign
        {&kGerman, "1,2345", 3, none},     // more decimals than the edit keeps
        {&kGerman, "", 3, none},
        {&kGerman, "   ", 3, none},
        {&kGerman, "-", 3, none},
        {&kGerman, "+", 3, none},
        {&kGerman, ",", 3, none},
        {&kGerman, ".", 3, none},
        {&kGerman, "1e3", 3, none},
        {&kGerman, "0x10", 3, none},
        {&kGerman, "--1", 3, none},
        {&kGerman, "1-", 3, none},
        {&kGerman, "1 5", 3, none},
        {&kGerman, "inf", 3, none},
        {&kGerman, "\u0661\u0662", 3, none},   // Arabic-Indic digits
        {&kGerman, "\uFF11", 3, none},         // a full-width digit
        {&kEnglish, "1.5", 3, 1.5},
        {&kEnglish, "1,500.5", 3, 1500.5},
        {&kEnglish, "2", 3, 2.0},
        {&kEnglish, "1,5", 3, none},
        {&kEnglish, "1..5", 3, none},
        {&kEnglish, "1e3", 3, none},
        {&kEnglish, "", 3, none},
        {&kEnglish, "-", 3, none},
        {&kEnglish, ".", 3, none},
        {&kEnglish, ",", 3, none},
        {&kEnglish, "\u0661\u0662", 3, none},
        // Whole numbers: no decimal sign at all.
        {&kGerman, "1.234", 0, 1234.0},
        {&kGerman, "1,5", 0, none},
        {&kGerman, "1,0", 0, none},
        {&kEnglish, "1,234", 0, 1234.0},
        {&kEnglish, "1.5", 0, none},
        // No grouping in the locale: a comma is nothing.
        {&kUngrouped, "1500.5", 3, 1500.5},
        {&kUngrouped, "1,500.5", 3, none},
        // A no-break space groups; the space bar's space stands for it.
        {&kNarrowSpace, "1\u202F234,5", 3, 1234.5},
        {&kNarrowSpace, "1 234,5", 3, 1234.5},
        {&kNarrowSpace, "1 23,5", 3, none},
        // Length: up to the limit a number, beyond it nothing at all.
        {&kEnglish, "1000000000000000000000000000000000000000000000000000000000000000", 0, 1e63},
        {&kEnglish, "-1000000000000000000000000000000000000000000000000000000000000000", 0, none},
        {&kEnglish, kLong.c_str(), 0, none},
    };
    for (const ReadCase& c : cases) {
        const std::optional<double> read = spcc::ReadNumber(c.text, *c.separators, c.decimals);
        EXPECT_EQ(read, c.number) << '"' << c.text << "\" with '" << c.separators->decimal << "' and '"
                                  << c.separators->group << "', " << c.decimals << " decimals";
    }
}

TEST(NumberText, ShownNumbersAreReadBackAsTheSameNumber) {
    struct Case {
        const spcc::NumberSeparators* separators;
        double value;
        int decimals;
        const char* shown;
        const char* limit;
    } cases[] = {
        {&kGerman, 1.5, 3, "1,500", "1,5"},
        {&kGerman, 1500.5, 3, "1500,500", "1.500,5"},
        {&kGerman, 0.0, 3, "0,000", "0"},
        {&kGerman, -0.0001, 3, "0,000", "0"},   // no "-0,000"
        {&kGerman, -2.25, 3, "-2,250", "-2,25"},
        {&kGerman, 1e12, 3, "1000000000000,000", "1.000.000.000.000"},
        {&kEnglish, 1234567.125, 3, "1234567.125", "1,234,567.125"},
        {&kEnglish, -2147483648.0, 0, "-2147483648", "-2,147,483,648"},
        {&kEnglish, 32767.0, 0, "32767", "32,767"},
        {&kNarrowSpace, 1234.5, 3, "1234,500", "1\u202F234,5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spcc::ShowNumber(c.value, *c.separators, c.decimals), c.shown) << c.value;
        EXPECT_EQ(spcc::ShowLimit(c.value, *c.separators, c.decimals), c.limit) << c.value;
        for (const std::string& text : {spcc::ShowNumber(c.value, *c.separators, c.decimals),
                                       spcc::ShowLimit(c.value, *c.separators, c.decimals)}) {
            const std::optional<double> back = spcc::ReadNumber(text, *c.separators, c.decimals);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_NEAR(*back, c.value, 0.0005) << text;
        }
    }
}

TEST(NumberText, TheExampleIsANumberOfTheLocale) {
    EXPECT_EQ(spcc::ExampleNumber(kGerman, 3), "1.234,5");
    EXPECT_EQ(spcc::ExampleNumber(kGerman, 0), "1.234");
    EXPECT_EQ(spcc::ExampleNumber(kEnglish, 3), "1,234.5");
    EXPECT_EQ(spcc::ExampleNumber(kUngrouped, 3), "1234.5");
    for (const auto* separators : {&kGerman, &kEnglish, &kUngrouped, &kNarrowSpace})
        for (int decimals : {0, 3})
            EXPECT_TRUE(spcc::ReadNumber(spcc::ExampleNumber(*separators, decimals), *separators, decimals));
}

}  // namespace
