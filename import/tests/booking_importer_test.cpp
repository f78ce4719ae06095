#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/booking_importer.h"
#include "import_run.h"
#include "import_texts.h"
#include "plan_fixture.h"
#include "string_ids.h"
#include "testing/fake_locales.h"
#include "ui/scripted_prompts.h"
#include "ui/win_types.h"

namespace {

using importtest::RunOn;
using importtest::Text;
using Record = CBookingImportRecord;

std::int32_t Day(int year, int month, int day) {
    return DateToJulianDay(month, day, year);
}

class BookingImportTest : public PlanTest {
protected:
    BookingImportTest() {
        anna = AddResource("Anna");
        AddResource("ben");
        build = AddTask("Build");
        paint = Added(root.tasks, "Paint", [](CTask* t) {
            t->color1 = 0x00112233;
            t->color2 = 0x00445566;
        });
    }

    importtest::RunResult Import(const std::string& content, bool names = false) {
        CBookingImporter importer(&root, settings);
        return RunOn(importer, dir, content, Record::kFieldCount, names);
    }

    SettingGetter settings = [this](std::string_view key) {
        return key == "ImportUndo" ? importUndo : std::string();
    };
    std::string importUndo;
    importtest::ProgramTexts texts;
    testing::TempDirectory dir;
    testing::ScopedLocale locale{testing::GermanGermany()};
    CResource* anna;
    CTask* build;
    CTask* paint;
};

struct Expected {
    int field;   // -1: the whole record
    unsigned message;
};

TEST_F(BookingImportTest, ValidationListsEveryErrorOfALine) {
    struct Case {
        std::string line;
        std::vector<Expected> errors;
    };
    const Case cases[] = {
        {"Anna;Build;1.3.2005;10:00;1.3.2005;10:00", {}},
        {"Anna;Build;1.3.2005;23:00;1.3.2005;24:00", {}},
        {"Anna;Build;1.3.2005;10:00;1.3.2005;9:59", {{-1, ids::IMPORT_END_BEFORE_START}}},
        {"Anna;Build;2.3.2005;10:00;1.3.2005;11:00", {{-1, ids::IMPORT_END_BEFORE_START}}},
        {"Anna;Nope;1.3.2005;;1.3.2005;11:00",
         {{Record::kStartTime, ids::IMPORT_VALUE_MISSING}, {Record::kTask, ids::IMPORT_TASK_UNKNOWN}}},
        {"Ben;Build;1.3.2005;10:00;1.3.2005;11:00", {{Record::kResource, ids::IMPORT_RESOURCE_UNKNOWN}}},
        {"Anna ;Build;1.3.2005;10:00;1.3.2005;11:00", {{Record::kResource, ids::IMPORT_RESOURCE_UNKNOWN}}},
        {"Anna;Build;31.2.2024;10:00;1.3.2024;11:00", {{Record::kStartDate, ids::IMPORT_DATE_INVALID}}},
        {"Anna;Build;1.3.2024;10:00;1.3.2024;25:00", {{Record::kEndTime, ids::IMPORT_TIME_INVALID}}},
        // 24:00 of the calendar's last day would end on a day that does not exist.
        {"Anna;Build;31.12.9999;10:00;31.12.9999;24:00", {{Record::kEndDate, ids::IMPORT_DATE_INVALID}}},
        {"Anna;Build;1.3.2024;n/a;1.3.2024;11:00", {{Record::kStartTime, ids::IMPORT_TIME_INVALID}}},
        {"Anna;Build;1.3.2005",
         {{Record::kStartTime, ids::IMPORT_VALUE_MISSING},
          {Record::kEndDate, ids::IMPORT_VALUE_MISSING},
          {Record::kEndTime, ids::IMPORT_VALUE_MISSING}}},
        {"",
         {{Record::kStartDate, ids::IMPORT_VALUE_MISSING},
          {Record::kStartTime, ids::IMPORT_VALUE_MISSING},
          {Record::kEndDate, ids::IMPORT_VALUE_MISSING},
          {Record::kEndTime, ids::IMPORT_VALUE_MISSING},
          {Record::kResource, ids::IMPORT_VALUE_MISSING},
          {Record::kTask, ids::IMPORT_VALUE_MISSING}}},
    };
    const std::vector<ImportField> fields = [] {
        std::vector<ImportField> list;
        CBookingImporter(nullptr, {}).GetFieldList(list);
        return list;
    }();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto run = Import("names line\n" + c.line + "\n", true);
        EXPECT_EQ(run.result, c.errors.empty() ? kImportDone : kImportInvalid);
        ASSERT_EQ(run.errors.size(), c.errors.size());
        for (std::size_t i = 0; i < c.errors.size(); ++i) {
            EXPECT_EQ(run.errors[i].line, 1);
            EXPECT_EQ(run.errors[i].field, c.errors[i].field < 0 ? "" : fields[c.errors[i].field].name);
            EXPECT_EQ(run.errors[i].message, Text(c.errors[i].message));
        }
    }
    // Only the two valid lines were written, each in its own import.
    EXPECT_EQ(root.bookings->GetCount(), 2);
}

TEST_F(BookingImportTest, WritesTheBookingsAsTheLinesSay) {
    const std::string longText(250, 'x');
    const auto run = Import(
        "Anna;Build;1.3.2005;8:00;2.3.2005;24:00;first;\n"
        "Anna;Paint;3.3.2005;0930;3.3.2005;10.15;" + longText + ";no\n");
    ASSERT_EQ(run.result, kImportDone);
    const auto all = AllBookings();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0]->resource, anna);
    EXPECT_EQ(all[0]->task, build);
    EXPECT_EQ(all[0]->startDay, Day(2005, 3, 1));
    EXPECT_EQ(all[0]->startMinutes, 8 * 60);
    EXPECT_EQ(all[0]->endDay, Day(2005, 3, 3));   // 24:00 ends the day
    EXPECT_EQ(all[0]->endMinutes, 0);
    EXPECT_STREQ(all[0]->text, "first");
    EXPECT_EQ(all[0]->flag, 1);
    EXPECT_EQ(all[0]->color1, build->color1);
    EXPECT_EQ(all[0]->color2, build->color2);
    EXPECT_EQ(all[1]->task, paint);
    EXPECT_EQ(all[1]->startMinutes, 9 * 60 + 30);
    EXPECT_EQ(all[1]->endMinutes, 10 * 60 + 15);
    EXPECT_EQ(all[1]->color1, 0x00112233u);
    EXPECT_EQ(all[1]->color2, 0x00445566u);
    EXPECT_EQ(std::string(all[1]->text), longText.substr(0, 199));
    EXPECT_EQ(all[1]->flag, 0);
}

TEST_F(BookingImportTest, FlagTexts) {
    struct Case {
        const char* text;
        bool flag;
    };
    const Case cases[] = {
        {"", true},     {"No", false},  {"NO", false}, {"n", false},    {"0", false},
        {"off", false}, {"False", false}, {"F", false}, {"yes", true}, {"1", true},
        {"00", true},   {"nein", true}, {" no", true}, {"f", false},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseImportFlag(c.text), c.flag) << c.text;
}

// Names are not unique in a plan: a line books the record later in its collection.
TEST_F(BookingImportTest, OfRecordsWithOneNameTheLaterIsBooked) {
    CResource* secondAnna = AddResource("Anna");
    CTask* secondBuild = AddTask("Build");
    ASSERT_EQ(Import("Anna;Build;1.3.2005;8:00;1.3.2005;9:00\nAnna;Paint;2.3.2005;8:00;2.3.2005;9:00\n").result,
              kImportDone);
    const auto all = AllBookings();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0]->resource, secondAnna);
    EXPECT_EQ(all[0]->task, secondBuild);
    EXPECT_EQ(all[1]->resource, secondAnna);
    EXPECT_EQ(all[1]->task, paint);
}

TEST_F(BookingImportTest, TimesUnder12And24HourLocales) {
    struct Case {
        plat::LocaleInfo locale;
        const char* start;
        const char* end;
        int startMinutes, endMinutes;
    };
    const Case cases[] = {
        {testing::EnglishUnitedStates(), "12 AM", "2:15 PM", 0, 14 * 60 + 15},
        {testing::GermanGermany(), "2:15 PM", "12 AM", 2 * 60 + 15, 12 * 60},
    };
    int day = 1;
    for (const Case& c : cases) {
        testing::ScopedLocale scoped(c.locale);
        const std::string date = c.locale.dateOrder == 1 ? std::to_string(day) + ".3.2005"
                                                         : "3/" + std::to_string(day) + "/2005";
        const auto run = Import("Anna;Build;" + date + ";" + c.start + ";" + date + ";" + c.end);
        ASSERT_EQ(run.result, kImportDone) << c.start;
        const auto found = Period(Day(2005, 3, day), 0, Day(2005, 3, day + 1), 0);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0]->startMinutes, c.startMinutes) << c.start;
        EXPECT_EQ(found[0]->endMinutes, c.endMinutes) << c.end;
        ++day;
    }
    // 2:15 PM before 12 AM on one day is a valid booking at 24 hours only.
    testing::ScopedLocale us(testing::EnglishUnitedStates());
    const auto run = Import("Anna;Build;3/9/2005;2:15 PM;3/9/2005;12 AM");
    ASSERT_EQ(run.errors.size(), 1u);
    EXPECT_EQ(run.errors[0].message, Text(ids::IMPORT_END_BEFORE_START));
}

// The whole import is one undo step, named by the import when "ImportUndo" is set.
TEST_F(BookingImportTest, OneUndoStepThatGivesBackThePlan) {
    for (const char* setting : {"1", "0"}) {
        SCOPED_TRACE(setting);
        importUndo = setting;
        const std::size_t stepsBefore = history.undoList.size();
        const int clearsBefore = history.clears;
        const auto run = Import(
            "Anna;Build;1.3.2005;8:00;1.3.2005;9:00\nAnna;Paint;1.3.2005;9:00;1.3.2005;10:00\n");
        ASSERT_EQ(run.result, kImportDone);
        EXPECT_EQ(root.bookings->GetCount(), 2);
        if (importUndo == "1") {
            ASSERT_EQ(history.undoList.size(), stepsBefore + 1);
            EXPECT_STREQ(history.undoList.back().name, "Import");
            ASSERT_TRUE(history.Undo());
            EXPECT_EQ(root.bookings->GetCount(), 0);
            EXPECT_EQ(history.undoList.size(), stepsBefore);
        } else {
            EXPECT_GT(history.clears, clearsBefore);
            EXPECT_TRUE(history.undoList.empty());
        }
    }
}

TEST_F(BookingImportTest, DecliningWritesNothing) {
    ui::ScriptedPrompts prompts;
    prompts.AnswerMessage(ui::IDNO);
    CBookingImporter importer(&root, settings);
    importer.SetFileName(dir.Write("b.txt", "Anna;Build;1.3.2005;8:00;1.3.2005;9:00\n"));
    importer.SetSeparator(';');
    for (int k = 0; k < Record::kFieldCount; ++k) importer.SetColumn(k, k);
    const std::size_t steps = history.undoList.size();
    masks().clear();
    EXPECT_EQ(importer.Run(true), kImportDeclined);
    EXPECT_EQ(root.bookings->GetCount(), 0);
    EXPECT_EQ(history.undoList.size(), steps);
    EXPECT_TRUE(masks().empty());
}

// A commit that meets a name gone since the check cancels everything.
TEST_F(BookingImportTest, CommitIsAllOrNothing) {
    CResource* zoe = AddResource("Zoe");
    CBookingImporter importer(&root, settings);
    importer.SetFileName(dir.Write("b.txt",
                                   "Anna;Build;1.3.2005;8:00;1.3.2005;9:00\n"
                                   "Zoe;Build;1.3.2005;8:00;1.3.2005;9:00\n"));
    importer.SetSeparator(';');
    for (int k = 0; k < Record::kFieldCount; ++k) importer.SetColumn(k, k);
    ASSERT_EQ(importer.ReadFile(dir.File("b.txt"), false, false), 0);
    Begin();
    zoe->Delete();
    root.CommitTransaction();
    masks().clear();
    EXPECT_EQ(importer.Commit(), 1);
    EXPECT_EQ(root.bookings->GetCount(), 0);
    EXPECT_TRUE(masks().empty());
}

TEST_F(BookingImportTest, SavedAndReopenedPlanHoldsTheImport) {
    ASSERT_EQ(Import("Anna;Build;1.3.2005;8:00;1.3.2005;9:00;M\xC3\xBCller;n\n").result, kImportDone);
    const std::string path = dir.File("plan.qel");
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);
    root.Close();
    FakeHistory otherHistory;
    PlanRoot reopened(&otherHistory);
    ASSERT_EQ(reopened.Open(path.c_str(), false, nullptr, false), kDataOk);
    ASSERT_EQ(reopened.bookings->GetCount(), 1);
    CBooking* booking = reopened.bookings->GetAt(0);
    EXPECT_STREQ(booking->resource->name, "Anna");
    EXPECT_STREQ(booking->task->name, "Build");
    EXPECT_EQ(booking->startDay, Day(2005, 3, 1));
    EXPECT_EQ(booking->endMinutes, 9 * 60);
    EXPECT_STREQ(booking->text, "M\xC3\xBCller");
    EXPECT_EQ(booking->flag, 0);
}

}  // namespace
