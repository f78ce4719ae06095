#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/import_setup.h"
#include "testing/temp_directory.h"

namespace {

TEST(ImportSetup, ColumnEntriesAndAutomaticAssignment) {
    const std::vector<std::string_view> line = {"RESOURCE", "Task", "start DATE"};
    const auto label = [](int n) { return "Column " + std::to_string(n); };
    EXPECT_EQ(ImportColumnEntries(line, true, label),
              (std::vector<std::string>{"", "RESOURCE", "Task", "start DATE"}));
    EXPECT_EQ(ImportColumnEntries(line, false, label),
              (std::vector<std::string>{"", "Column 1", "Column 2", "Column 3"}));
    const std::vector<std::string_view> wide(10000, "x");
    EXPECT_EQ(ImportColumnEntries(wide, true, label).size(), kMaxImportColumns + 1);

    const std::vector<std::string> fields = {"Resource", "Task", "Start date", "Text"};
    const std::vector<std::string> entries = ImportColumnEntries(line, true, label);
    struct Case {
        bool skip;
        std::vector<int> before, after;
    };
    const Case cases[] = {
        {true, {0, 0, 0, 0}, {1, 2, 3, 0}},
        {true, {3, 0, 0, 2}, {3, 2, 3, 2}},    // assigned fields kept
        {false, {3, 0, 0, 2}, {1, 2, 3, 2}},   // no equal column: kept all the same
    };
    for (const Case& c : cases) {
        std::vector<int> assignments = c.before;
        AutoAssignColumns(fields, entries, c.skip, assignments);
        EXPECT_EQ(assignments, c.after);
    }
}

TEST(ImportSetup, SeparatorIndexes) {
    EXPECT_EQ(SeparatorOfIndex(0), ';');
    EXPECT_EQ(SeparatorOfIndex(1), ',');
    EXPECT_EQ(SeparatorOfIndex(2), '\t');
    EXPECT_EQ(SeparatorOfIndex(7), '\t');
    EXPECT_EQ(NormalSeparatorIndex(-1), 2);
    EXPECT_EQ(NormalSeparatorIndex(1), 1);
}

TEST(ImportDescriptionFile, SavedAndLoadedBack) {
    testing::TempDirectory dir;
    const std::string path = dir.Write("bookings.imd", "[Other]\nKeep=1\n[Field Assignment]\nValue9=4\n");
    for (int separator : {0, 1, 2}) {
        const ImportDescription saved{"Bookings", separator, separator == 1, {0, 1, -1, 5}};
        ASSERT_TRUE(SaveImportDescription(path, saved));
        ImportDescription loaded;
        ASSERT_EQ(LoadImportDescription(path, 4, loaded), DescriptionLoad::Loaded);
        EXPECT_EQ(loaded.separatorIndex, separator);
        EXPECT_EQ(loaded.firstLineNames, separator == 1);
        EXPECT_EQ(loaded.columns, saved.columns);
    }
    const std::string text = testing::ReadFile(path);
    EXPECT_NE(text.find("Separator=Tab"), std::string::npos) << text;
    EXPECT_NE(text.find("Keep=1"), std::string::npos) << "other sections stay";
    EXPECT_EQ(text.find("Value9"), std::string::npos) << "old assignments go";
    EXPECT_FALSE(SaveImportDescription(dir.File("missing/dir/x.imd"), {"Tasks", 2, false, {0, -1}}));
}

// A file written over by editors that each put a byte-order mark in front.
TEST(ImportDescriptionFile, SavedOverAFileWithByteOrderMarksLoadsBack) {
    testing::TempDirectory dir;
    const std::string path = dir.Write("marked.imd",
                                       "\xEF\xBB\xBF\xEF\xBB\xBF[Description]\r\nSeparator=,\r\n"
                                       "Fieldname in first line=No\r\nField Count=2\r\n"
                                       "[Field Assignment]\r\nValue1=4\r\nValue2=-1\r\n");
    ASSERT_TRUE(SaveImportDescription(path, {"Tasks", 0, true, {1, 0}}));
    ImportDescription loaded;
    ASSERT_EQ(LoadImportDescription(path, 2, loaded), DescriptionLoad::Loaded);
    EXPECT_EQ(loaded.separatorIndex, 0);
    EXPECT_TRUE(loaded.firstLineNames);
    EXPECT_EQ(loaded.columns, (std::vector<int>{1, 0}));
}

// Description files as users and other programs may leave them.
TEST(ImportDescriptionFile, LoadCases) {
    struct Case {
        const char* name;
        std::string text;
        int fieldCount;
        DescriptionLoad result;
        int separatorIndex;
        bool names;
        std::vector<int> columns;
    };
    const std::string assignment = "[Field Assignment]\nValue1=1\nValue2=0\n";
    const Case cases[] = {
        {"semicolon, names", "[Description]\nSeparator=;\nFieldname in first line=Yes\nField Count=2\n" + assignment,
         2, DescriptionLoad::Loaded, 0, true, {1, 0}},
        {"lower-case yes is no", "[description]\nseparator=,\nFieldname in first line=yes\nfield count=2\n" + assignment,
         2, DescriptionLoad::Loaded, 1, false, {1, 0}},
        {"other separator is tab", "[Description]\nSeparator=|\nField Count=2\n" + assignment, 2,
         DescriptionLoad::Loaded, 2, false, {1, 0}},
        {"missing values are none", "[Description]\nField Count=2\n", 2, DescriptionLoad::Loaded, 2, false, {-1, -1}},
        {"bookings into tasks", "[Description]\nField Count=8\n" + assignment, 2, DescriptionLoad::CountMismatch, 2,
         false, {}},
        {"count -1", "[Description]\nField Count=-1\n", 2, DescriptionLoad::CountMismatch, 2, false, {}},
        {"count 1,000,000", "[Description]\nField Count=1000000\n", 2, DescriptionLoad::CountMismatch, 2, false, {}},
        {"count 1,000,000 asked for", "[Description]\nField Count=1000000\n", 8, DescriptionLoad::CountMismatch, 2,
         false, {}},
        {"no count", "[Description]\nSeparator=;\n", 2, DescriptionLoad::CountMismatch, 2, false, {}},
        {"not a description", std::string("\x00\xff\x01 binary", 10), 2, DescriptionLoad::CountMismatch, 2, false, {}},
    };
    testing::TempDirectory dir;
    for (const Case& c : cases) {
        const std::string path = dir.Write("case.imd", c.text);
        ImportDescription loaded;
        EXPECT_EQ(LoadImportDescription(path, c.fieldCount, loaded), c.result) << c.name;
        EXPECT_EQ(loaded.separatorIndex, c.separatorIndex) << c.name;
        EXPECT_EQ(loaded.firstLineNames, c.names) << c.name;
        EXPECT_EQ(loaded.columns, c.columns) << c.name;
    }
}

TEST(ImportDescriptionFile, ColumnsMustFitTheFile) {
    struct Case {
        std::vector<int> columns;
        std::size_t fileColumns;
        bool fits;
        std::vector<int> entries;
    };
    const Case cases[] = {
        {{0, 2, -1}, 3, true, {1, 3, 0}},
        {{0, 3, -1}, 3, false, {9}},    // one past the last column
        {{0, -2}, 3, false, {9}},
        {{1000000}, 3, false, {9}},
        {{}, 0, true, {}},
    };
    for (const Case& c : cases) {
        std::vector<int> entries = {9};
        EXPECT_EQ(FitDescriptionColumns(c.columns, c.fileColumns, entries), c.fits);
        EXPECT_EQ(entries, c.entries);
    }
}

}  // namespace
