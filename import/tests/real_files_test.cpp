// Files made by another program's delimited writer, in every combination of
// separator, line end, encoding and names line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/booking_importer.h"
#include "import/name_group_importer.h"
#include "import_texts.h"
#include "plan_fixture.h"
#include "testing/fake_locales.h"

namespace {

struct GeneratedFile {
    const char* name;
    const char* kind;
    char separator;
    bool names;
};

struct ExpectedBooking {
    const char* resource;
    const char* task;
    int32_t startDay, startMinutes, endDay, endMinutes;
    const char* text;
    bool flag;
};

#include "import_files.inc"

using Rows = std::vector<std::vector<std::string>>;

std::string PathOf(const std::string& name) {
    return std::string(IMPORT_FILES_DIR) + "/" + name;
}

const Rows& RowsOf(std::string_view kind) {
    return kind == "resources" ? kResourcesRows : kind == "tasks" ? kTasksRows : kBookingsRows;
}

TEST(RealFiles, LinesAreThoseTheCsvReaderReadsBack) {
    for (const GeneratedFile& file : kFiles) {
        ImportTable table;
        ASSERT_TRUE(ReadImportTable(PathOf(file.name), file.separator, file.names, table)) << file.name;
        Rows rows;
        std::vector<std::string_view> line;
        for (std::size_t i = 0; i < table.LineCount(); ++i) {
            table.GetLine(i, line);
            rows.emplace_back(line.begin(), line.end());
        }
        EXPECT_EQ(rows, RowsOf(file.kind)) << file.name;
    }
}

// Resources, tasks and bookings of one kind of file, imported in that
// order into an empty plan.
TEST(RealFiles, ImportedRecordsAreThoseTheFilesMeant) {
    importtest::ProgramTexts texts;
    testing::ScopedLocale locale(testing::GermanGermany());
    int variants = 0;
    for (const GeneratedFile& file : kFiles) {
        if (std::string_view(file.kind) != "resources") continue;
        ++variants;
        const std::string resources = file.name;
        const std::string suffix = resources.substr(std::string_view("resources").size());
        SCOPED_TRACE(resources);
        FakeHistory history;
        PlanRoot root(&history);
        auto run = [&](CImporter& importer, const std::string& name, int fields) {
            importer.SetFileName(PathOf(name));
            importer.SetSeparator(file.separator);
            importer.SetFirstLineNames(file.names);
            for (int k = 0; k < fields; ++k) importer.SetColumn(k, k);
            return importer.Run(false);
        };
        CResourceImporter resourceImporter(&root, {});
        CTaskImporter taskImporter(&root, {});
        CBookingImporter bookingImporter(&root, {});
        ASSERT_EQ(run(resourceImporter, resources, 2), kImportDone);
        ASSERT_EQ(run(taskImporter, "tasks" + suffix, 2), kImportDone);
        ASSERT_EQ(run(bookingImporter, "bookings" + suffix, CBookingImportRecord::kFieldCount),
                  kImportDone)
            << (bookingImporter.LastErrors().empty() ? "" : bookingImporter.LastErrors()[0].message);

        auto check = [](auto* items, const Rows& expected) {
            ASSERT_EQ(items->GetCount(), static_cast<int32_t>(expected.size()));
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const auto* item = items->GetAt(static_cast<uint32_t>(i));
                EXPECT_EQ(item->name, expected[i][0]);
                EXPECT_EQ(item->group ? std::string(item->group->name) : "",
                          expected[i].size() > 1 ? expected[i][1] : "");
            }
        };
        check(root.resources, kResourcesRows);
        check(root.tasks, kTasksRows);
        ASSERT_EQ(root.bookings->GetCount(), static_cast<int32_t>(std::size(kBookings)));
        for (std::size_t i = 0; i < std::size(kBookings); ++i) {
            const ExpectedBooking& e = kBookings[i];
            const CBooking* b = root.bookings->GetAt(static_cast<int32_t>(i));
            EXPECT_STREQ(b->resource->name, e.resource);
            EXPECT_STREQ(b->task->name, e.task);
            EXPECT_EQ(b->startDay, e.startDay);
            EXPECT_EQ(b->startMinutes, e.startMinutes);
            EXPECT_EQ(b->endDay, e.endDay);
            EXPECT_EQ(b->endMinutes, e.endMinutes);
            EXPECT_STREQ(b->text, e.text);
            EXPECT_EQ(b->flag != 0, e.flag);
        }
    }
    EXPECT_EQ(variants, 48);
}

}  // namespace
