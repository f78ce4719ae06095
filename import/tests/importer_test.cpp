#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/importer.h"
#include "import_texts.h"
#include "plan_fixture.h"
#include "string_ids.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"
#include "ui/win_types.h"

namespace {

using importtest::Text;

struct NoteRecord : CImportRecord {
    std::string_view name, note;
};

// The smallest kind of import: a required name and an optional note,
// committed into a list.
class NoteImporter : public CImporterOf<NoteRecord> {
public:
    using CImporterOf::CImporterOf;

    int Commit() override {
        if (failCommit) return 1;
        for (const NoteRecord& record : records) committed.emplace_back(record.name);
        return 0;
    }
    int GetFieldList(std::vector<ImportField>& list) override {
        list = {{"Name", true}, {"Note", false}};
        return 2;
    }
    bool SetField(CImportRecord& record, int field, std::string_view text) override {
        auto& note = static_cast<NoteRecord&>(record);
        if (refuseFields || field > 1) return false;
        (field == 0 ? note.name : note.note) = text;
        return true;
    }
    std::size_t ValidateRows(ImportErrorList& errors, ImportErrorList&) override {
        const std::size_t before = errors.Total();
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (records[i].name.empty()) errors.Add(Error(i, 0, records[i].name, ids::IMPORT_VALUE_MISSING));
        }
        return errors.Total() - before;
    }

    bool failCommit = false;
    bool refuseFields = false;
    std::vector<std::string> committed;
};

class ImporterTest : public PlanTest {
protected:
    importtest::ProgramTexts texts;
    testing::TempDirectory dir;
};

TEST_F(ImporterTest, RunAsksReportsAndReturnsItsResult) {
    struct Case {
        const char* what;
        std::string file;   // "" : no such file
        bool names;
        std::vector<int> answers;
        bool failCommit;
        int expected;
        std::vector<std::string> committed;
        std::vector<std::string> messages;
    };
    const std::string path = dir.File("notes.txt");
    const Case cases[] = {
        {"imported", "Ann;x\nBen\n", false, {ui::IDYES}, false, kImportDone, {"Ann", "Ben"},
         {Text(ids::IMPORT_CONFIRM), Text(ids::IMPORT_DONE, {2})}},
        {"only names", "Name;Note\r\n", true, {}, false, kImportDone, {},
         {Text(ids::IMPORT_NO_RECORDS, {path})}},
        {"empty file", "", false, {}, false, kImportDone, {}, {Text(ids::IMPORT_NO_RECORDS, {path})}},
        {"declined", "Ann\n", false, {ui::IDNO}, false, kImportDeclined, {}, {Text(ids::IMPORT_CONFIRM)}},
        {"commit failed", "Ann\n", false, {ui::IDYES}, true, kImportFailed, {},
         {Text(ids::IMPORT_CONFIRM), Text(ids::IMPORT_COMMIT_FAILED)}},
        {"unreadable", "", false, {}, false, kImportFailed, {}, {Text(ids::IMPORT_CANNOT_READ, {path + ".none"})}},
        {"invalid", "Ann\n;note\n", false, {}, false, kImportInvalid, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dir.Write("notes.txt", c.file);
        ui::ScriptedPrompts prompts;
        for (int answer : c.answers) prompts.AnswerMessage(answer);
        NoteImporter importer(&root, {});
        importer.failCommit = c.failCommit;
        importer.SetSeparator(';');
        importer.SetFirstLineNames(c.names);
        importer.SetFileName(std::string(c.what) == "unreadable" ? path + ".none" : path);
        importer.SetColumn(0, 0);
        importer.SetColumn(1, 1);
        EXPECT_EQ(importer.Run(true), c.expected);
        EXPECT_EQ(importer.committed, c.committed);
        std::vector<std::string> asked;
        for (const auto& question : prompts.asked()) asked.push_back(question.text);
        EXPECT_EQ(asked, c.messages);
        EXPECT_TRUE(prompts.allAnswered());
    }
}

TEST_F(ImporterTest, ErrorsAreListedWithTheirFileLinesAndNothingIsKept) {
    dir.Write("notes.txt", "Name;Note\nAnn;1\n;2\nCid;3\n;4");
    ui::ScriptedPrompts prompts;
    NoteImporter importer(&root, {});
    std::vector<ImportError> shown;
    importer.SetErrorView([&](const std::vector<ImportError>& errors, std::size_t) { shown = errors; });
    importer.SetSeparator(';');
    importer.SetFirstLineNames(true);
    importer.SetFileName(dir.File("notes.txt"));
    importer.SetColumn(0, 0);
    EXPECT_EQ(importer.Run(true), kImportInvalid);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].line, 2);
    EXPECT_EQ(shown[1].line, 4);
    EXPECT_EQ(shown[0].field, "Name");
    EXPECT_EQ(shown[0].message, Text(ids::IMPORT_VALUE_MISSING));
    EXPECT_EQ(importer.LastErrors().size(), 2u);
    EXPECT_EQ(importer.RecordCount(), 0u);
    EXPECT_EQ(importer.Lines().LineCount(), 0u);
    EXPECT_TRUE(importer.committed.empty());
    EXPECT_TRUE(prompts.asked().empty());
}

// Only the first errors by line are kept, whichever check found them; all are counted.
TEST(ImportErrorList, KeepsTheFirstByLineAndCountsAll) {
    struct Case {
        std::size_t keep;
        std::vector<int> lines;                        // as added; the message is the index
        std::vector<std::string> listed;               // "line/index"
    };
    const Case cases[] = {
        {3, {5, 1, 4, 1, 3, 0, 2, 1, 0}, {"0/5", "0/8", "1/1"}},
        {3, {0, 0, 0, 0, 0, 0, 0, 0}, {"0/0", "0/1", "0/2"}},
        {4, {2, 1}, {"1/1", "2/0"}},
        {2, {}, {}},
    };
    for (const Case& c : cases) {
        ImportErrorList list(c.keep);
        for (std::size_t i = 0; i < c.lines.size(); ++i) list.Add({c.lines[i], "", "", std::to_string(i)});
        EXPECT_EQ(list.Total(), c.lines.size());
        std::vector<std::string> listed;
        for (const ImportError& error : list.TakeListed())
            listed.push_back(std::to_string(error.line) + "/" + error.message);
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(list.Total(), c.lines.size());
    }
}

// A file with an error on every line: the list holds the first ones, by
// line, of the NUL check and the validation together, and knows the total.
TEST_F(ImporterTest, ErrorsBeyondTheListedAreOnlyCounted) {
    const std::size_t lines = kMaxImportListRows * 5 / 2;
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) text += i % 2 == 0 ? std::string("\n") : std::string("B\0n\n", 4);
    dir.Write("notes.txt", text);
    ui::ScriptedPrompts prompts;
    NoteImporter importer(&root, {});
    std::size_t shownTotal = 0, shownRows = 0;
    importer.SetErrorView([&](const std::vector<ImportError>& errors, std::size_t total) {
        shownRows = errors.size();
        shownTotal = total;
    });
    importer.SetFileName(dir.File("notes.txt"));
    importer.SetColumn(0, 0);
    EXPECT_EQ(importer.Run(true), kImportInvalid);
    EXPECT_EQ(shownRows, kMaxImportListRows);
    EXPECT_EQ(shownTotal, lines);
    EXPECT_EQ(importer.LastErrorTotal(), lines);
    const std::vector<ImportError>& listed = importer.LastErrors();
    ASSERT_EQ(listed.size(), kMaxImportListRows);
    for (std::size_t i = 0; i < listed.size(); ++i) {
        ASSERT_EQ(listed[i].line, static_cast<int>(i));
        ASSERT_EQ(listed[i].message, Text(i % 2 == 0 ? ids::IMPORT_VALUE_MISSING : ids::IMPORT_NUL_IN_FIELD));
    }
}

// A line shorter than an assigned column leaves that field empty.
TEST_F(ImporterTest, ShortLinesLeaveFieldsEmpty) {
    dir.Write("notes.txt", "x\tAnn\tn\nx\n");
    NoteImporter importer(&root, {});
    importer.SetFileName(dir.File("notes.txt"));
    importer.SetColumn(0, 1);
    importer.SetColumn(1, 2);
    EXPECT_EQ(importer.Run(false), kImportInvalid);
    ASSERT_EQ(importer.LastErrors().size(), 1u);
    EXPECT_EQ(importer.LastErrors()[0].line, 1);
}

TEST_F(ImporterTest, NulByteInAnAssignedFieldIsAnError) {
    dir.Write("notes.txt", std::string("Ann\nB\0n\n", 8));
    NoteImporter importer(&root, {});
    importer.SetFileName(dir.File("notes.txt"));
    importer.SetColumn(0, 0);
    EXPECT_EQ(importer.Run(false), kImportInvalid);
    ASSERT_EQ(importer.LastErrors().size(), 1u);
    EXPECT_EQ(importer.LastErrors()[0].line, 1);
    EXPECT_EQ(importer.LastErrors()[0].message, Text(ids::IMPORT_NUL_IN_FIELD));
}

TEST_F(ImporterTest, RefusedFieldOrNoDocument) {
    dir.Write("notes.txt", "Ann\n");
    {
        ui::ScriptedPrompts prompts;
        NoteImporter importer(&root, {});
        importer.refuseFields = true;
        importer.SetFileName(dir.File("notes.txt"));
        importer.SetColumn(0, 0);
        EXPECT_EQ(importer.Run(true), kImportInvalid);
        ASSERT_EQ(prompts.asked().size(), 1u);
        EXPECT_EQ(prompts.asked()[0].text, Text(ids::IMPORT_BUILD_FAILED));
    }
    NoteImporter importer(nullptr, {});
    importer.SetFileName(dir.File("notes.txt"));
    importer.SetColumn(0, 0);
    EXPECT_EQ(importer.Run(false), kImportFailed);
}

}  // namespace
