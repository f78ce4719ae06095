// The delimited file itself: how fields are encoded, how lines end, which
// settings it reads, and what a failed write leaves behind.

#include <gtest/gtest.h>

#include "export_support.h"
#include "plat/files.h"
#include "report_test_support.h"
#include "reports/delimited_export.h"
#include "testing/fake_locales.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"

namespace {

using testing::ReadFile;
using testing::TempDirectory;

class ExportFileTest : public ::testing::Test {
protected:
    reports_test::ReportEnvironment environment;
    ::testing::ScopedLocale locale{::testing::GermanGermany()};
    reports_test::Settings settings;
};

TEST_F(ExportFileTest, FieldsAreEncodedAsTheSettingsSay) {
    struct Case {
        const char* name;
        reports_test::Settings settings;
        std::string text;
        std::string encoded;
    };
    const Case cases[] = {
        {"defaults: line feed and tab become blanks", {}, "one\ntwo\tthree", "one two three"},
        {"carriage returns are line ends too", {}, "a\r\nb\rc\n\nd", "a b c  d"},
        {"own replacements", {{"ReportsExportNewlineReplacement", " / "}, {"ReportsExportTabReplacement", "->"}},
         "a\nb\tc", "a / b->c"},
        {"empty settings keep the defaults",
         {{"ReportsExportSeparator", ""}, {"ReportsExportNewlineReplacement", ""}, {"ReportsExportTabReplacement", ""}},
         "a\nb\tc", "a b c"},
        {"a separator in the text would shift the columns", {{"ReportsExportSeparator", ";"}}, "a;b", "a b"},
        {"a quote as delimiter encloses the text", {{"ReportsExportDelimiter", "\""}}, "Crane 5", "\"Crane 5\""},
        {"a quote inside is doubled", {{"ReportsExportDelimiter", "\""}}, "the \"big\" one",
         "\"the \"\"big\"\" one\""},
        {"inside quotes the separator stays", {{"ReportsExportDelimiter", "\""}, {"ReportsExportSeparator", ";"}},
         "a;b\nc", "\"a;b c\""},
        {"an empty text with a delimiter", {{"ReportsExportDelimiter", "'"}}, "", "''"},
        {"non-ASCII text is kept", {}, "K\xC3\xB6ln \xE2\x82\xAC", "K\xC3\xB6ln \xE2\x82\xAC"},
    };
    for (const Case& c : cases) {
        CExportFile file(c.settings.Getter());
        EXPECT_EQ(file.EncodeField(c.text), c.encoded) << c.name;
        file.AddField(c.text);
        EXPECT_EQ(file.Text(), c.encoded) << c.name;
    }
}

// The title line always ends in CR LF; rows are separated by CR LF and the
// last one has no line end.
TEST_F(ExportFileTest, LinesEndBetweenRowsButNotAfterTheLast) {
    struct Case {
        const char* name;
        std::vector<std::string> titles;
        std::vector<std::vector<std::string>> rows;
        std::string text;
    };
    const Case cases[] = {
        {"title and two rows", {"A", "B"}, {{"1", "2"}, {"3", "4"}}, "A\tB\r\n1\t2\r\n3\t4"},
        {"title only", {"A", "B"}, {}, "A\tB\r\n"},
        {"no title", {}, {{"1"}, {"2"}}, "1\r\n2"},
        {"titles are not encoded", {"A\tB"}, {{"x"}}, "A\tB\r\nx"},
        {"an empty row", {"A"}, {{}, {"x"}}, "A\r\n\r\nx"},
        {"nothing", {}, {}, ""},
    };
    for (const Case& c : cases) {
        CExportFile file(settings.Getter());
        for (const std::string& title : c.titles) file.AddTitle(title);
        for (const auto& row : c.rows) {
            file.NewRow();
            for (const std::string& field : row) file.AddField(field);
        }
        EXPECT_EQ(file.Text(), c.text) << c.name;
    }
}

TEST_F(ExportFileTest, NumbersDatesAndTimes) {
    const CDate day(6, 1, 2025);
    struct Case {
        const char* name;
        const char* localized;
        std::string text;
    };
    const Case cases[] = {
        {"the locale's short date", "", "06.01.2025\t9\t14:05\t-3\t00:00"},
        {"dates as yyyyMMdd, times still the locale's", "0", "20250106\t9\t14:05\t-3\t00:00"},
    };
    for (const Case& c : cases) {
        CExportFile file(reports_test::Settings{{"ReportsExportUseLocalizedDate", c.localized}}.Getter());
        file.AddDate(day);
        file.AddNumber(9);
        file.AddTime(CTimeOfDay(14, 5));
        file.AddNumber(-3);
        file.AddTime(CTimeOfDay(0));
        EXPECT_EQ(file.Text(), c.text) << c.name;
    }
}

// What python's csv module reads is what was added, separators and quotes
// inside fields included when a quote encloses them.
TEST_F(ExportFileTest, PythonReadsTheFieldsBack) {
    const std::vector<std::vector<std::string>> rows = {
        {"Kran \xC3\x9C", "Gruppe \"A\"", "a;b"},
        {"", "\xE6\x97\xA5\xE6\x9C\xAC", "x"},
    };
    TempDirectory dir;
    for (const char* delimiter : {"\"", ""}) {
        CExportFile file(reports_test::Settings{{"ReportsExportSeparator", ";"}, {"ReportsExportDelimiter", delimiter}}
                             .Getter());
        file.AddTitle("One");
        file.AddTitle("Two");
        file.AddTitle("Three");
        for (const auto& row : rows) {
            file.NewRow();
            for (const std::string& field : row) file.AddField(field);
        }
        const std::string path = dir.File("fields.csv");
        ASSERT_EQ(file.WriteFile(path), CExportFile::kWritten);
        export_test::Records expected = {{"One", "Two", "Three"}};
        expected.insert(expected.end(), rows.begin(), rows.end());
        if (*delimiter == '\0') {
            // Without quoting the separator inside a field is replaced, the quotes stay.
            expected[1][2] = "a b";
            expected[2][0] = "";
        }
        EXPECT_EQ(export_test::ReadByPython(path, ";", delimiter), expected) << delimiter;
    }
}

TEST_F(ExportFileTest, AnEmptyPathWritesNothing) {
    ui::ScriptedPrompts prompts;
    CExportFile file(settings.Getter());
    file.AddField("x");
    EXPECT_EQ(file.WriteFile(""), CExportFile::kNotWritten);
    EXPECT_TRUE(prompts.asked().empty());
}

// Unwritable places, an overlong name and a full disk: a clear message,
// and nothing under the final name (an older file stays whole).
TEST_F(ExportFileTest, FailedWritesLeaveNothingBehind) {
    TempDirectory dir;
    dir.Write("plain-file", "x");
    const std::string older = dir.Write("older.csv", "older export");
    struct Case {
        const char* name;
        std::string path;
        std::int64_t failAfter;
        const char* reason;
    };
    const Case cases[] = {
        {"missing folder", dir.File("missing/export.csv"), -1, "No such file or directory"},
        {"folder is a file", dir.File("plain-file/export.csv"), -1, "Not a directory"},
        {"name of 300 characters", dir.File(std::string(296, 'n') + ".csv"), -1, "File name too long"},
        {"path is a folder", dir.path(), -1, "Is a directory"},
        {"full disk", older, 3, "cannot write"},
    };
    for (const Case& c : cases) {
        ui::ScriptedPrompts prompts;
        CExportFile file(settings.Getter());
        file.AddTitle("Title");
        file.AddField("value");
        plat::SetWriteFailureForTesting(c.failAfter);
        EXPECT_EQ(file.WriteFile(c.path), CExportFile::kNotWritten) << c.name;
        plat::SetWriteFailureForTesting(-1);
        EXPECT_NE(file.LastError().find(c.reason), std::string::npos) << c.name << ": " << file.LastError();
        ASSERT_EQ(prompts.asked().size(), 1u) << c.name;
        EXPECT_NE(prompts.asked()[0].text.find("could not be written"), std::string::npos) << c.name;
        EXPECT_NE(prompts.asked()[0].text.find(c.reason), std::string::npos) << c.name;
        EXPECT_EQ(prompts.asked()[0].type, ui::MB_OK | ui::MB_ICONSTOP) << c.name;
        EXPECT_EQ(plat::ReadDirectory(dir.path()).size(), 2u) << c.name;
    }
    EXPECT_EQ(ReadFile(older), "older export");

    // The message can be switched off; the result still says it failed.
    ui::ScriptedPrompts prompts;
    CExportFile quiet(reports_test::Settings{{"ReportsErrorMessage", "0"}}.Getter());
    EXPECT_EQ(quiet.WriteFile(cases[0].path), CExportFile::kNotWritten);
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(ExportFileTest, AWrittenFileReplacesTheOlderOneWhole) {
    TempDirectory dir;
    const std::string path = dir.Write("export.csv", std::string(10000, 'o'));
    CExportFile file(settings.Getter());
    file.AddTitle("A");
    file.AddField("new");
    ASSERT_EQ(file.WriteFile(path), CExportFile::kWritten);
    EXPECT_EQ(ReadFile(path), "A\r\nnew");
    EXPECT_EQ(plat::ReadDirectory(dir.path()).size(), 1u);
}

}  // namespace
