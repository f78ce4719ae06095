// Files no user meant to import: each gives a listed error or imports as a
// well-formed file would; nothing is ever written in part.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "import/booking_importer.h"
#include "import/name_group_importer.h"
#include "import_run.h"
#include "import_texts.h"
#include "plan_fixture.h"
#include "string_ids.h"
#include "testing/fake_locales.h"

namespace {

using importtest::RunOn;
using importtest::Text;
using Record = CBookingImportRecord;

class BadInputTest : public PlanTest {
protected:
    BadInputTest() {
        AddResource("Anna");
        AddTask("Build");
    }
    importtest::RunResult Bookings(const std::string& content) {
        CBookingImporter importer(&root, {});
        return RunOn(importer, dir, content, Record::kFieldCount);
    }

    importtest::ProgramTexts texts;
    testing::TempDirectory dir;
    testing::ScopedLocale locale{testing::GermanGermany()};
};

TEST_F(BadInputTest, BinaryFileIsListedAndNothingWritten) {
    std::mt19937 random(7);
    std::string bytes(1 << 16, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    const auto run = Bookings(bytes);
    EXPECT_EQ(run.result, kImportInvalid);
    ASSERT_FALSE(run.errors.empty());
    const int lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    for (const ImportError& error : run.errors) {
        EXPECT_GE(error.line, 0);
        EXPECT_LT(error.line, lines);
    }
    EXPECT_EQ(root.bookings->GetCount(), 0);
}

TEST_F(BadInputTest, OneLineOf100MegabytesIsCutToTheField) {
    const std::string huge(100 << 20, 'x');
    auto run = Bookings("Anna;Build;1.3.2005;8:00;1.3.2005;9:00;" + huge);
    ASSERT_EQ(run.result, kImportDone);
    ASSERT_EQ(root.bookings->GetCount(), 1);
    EXPECT_EQ(std::string(root.bookings->GetAt(0)->text), huge.substr(0, 199));

    // As a date it is no date.
    run = Bookings("Anna;Build;" + std::string(1 << 20, '1') + ";8:00;1.3.2005;9:00");
    ASSERT_EQ(run.result, kImportInvalid);
    ASSERT_EQ(run.errors.size(), 1u);
    EXPECT_EQ(run.errors[0].message, Text(ids::IMPORT_DATE_INVALID));
    EXPECT_EQ(root.bookings->GetCount(), 1);
}

TEST_F(BadInputTest, TenThousandColumns) {
    std::string line;
    for (int i = 0; i < 9992; ++i) line += std::to_string(i) + ";";
    line += "Anna;Build;1.3.2005;8:00;1.3.2005;9:00;far;no\n";
    CBookingImporter importer(&root, {});
    importer.SetFileName(dir.Write("wide.txt", line + line));
    importer.SetSeparator(';');
    for (int k = 0; k < Record::kFieldCount; ++k) importer.SetColumn(k, 9992 + k);
    ASSERT_EQ(importer.Run(false), kImportDone);
    ASSERT_EQ(root.bookings->GetCount(), 2);
    EXPECT_STREQ(root.bookings->GetAt(1)->text, "far");
    EXPECT_EQ(root.bookings->GetAt(1)->flag, 0);
}

TEST_F(BadInputTest, MixedLineEndsAndStrayCarriageReturns) {
    CResourceImporter importer(&root, {});
    // A CR before LF ends the line; a CR anywhere else is part of the name.
    const auto run = RunOn(importer, dir, "Ben\r\nCid\nDan\r\nE\rd\n", 1);
    ASSERT_EQ(run.result, kImportDone);
    std::vector<std::string> names;
    for (uint32_t i = 0; CResource* r = root.resources->GetAt(i); ++i) names.emplace_back(r->name);
    EXPECT_EQ(names, (std::vector<std::string>{"Anna", "Ben", "Cid", "Dan", "E\rd"}));
}

TEST_F(BadInputTest, ErrorsOfEveryKindInOneFileWriteNothing) {
    const auto run = Bookings(
        "Anna;Build;1.3.2005;8:00;1.3.2005;9:00\n"
        "Anna;Build;31.2.2024;8:00;1.3.2024;9:00\n" +
        std::string("Anna;Bu\0ld;1.3.2005;8:00;1.3.2005;9:00\n", 39) +
        "\n"
        "Anna;Build;1.3.2005;8:00;1.3.2005;9:00\n");
    EXPECT_EQ(run.result, kImportInvalid);
    std::vector<int> lines;
    for (const ImportError& error : run.errors) lines.push_back(error.line);
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 2, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(run.errors[1].message, Text(ids::IMPORT_NUL_IN_FIELD));
    EXPECT_EQ(root.bookings->GetCount(), 0);
}

}  // namespace
