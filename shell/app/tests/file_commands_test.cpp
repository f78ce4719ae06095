#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <QDir>
#include <QStandardPaths>

#include "data/crypto/md5.h"
#include "data_status.h"
#include "file_commands.h"
#include "id_texts.h"
#include "scripted_plan.h"
#include "settings_store.h"
#include "string_ids.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"
#include "ui/win_types.h"

namespace {

using apptest::Shown;

class Site : public IFileCommandSite {
public:
    QWidget* Window() override { return nullptr; }
    void UpdateTitle() override { ++titles; }
    void AddRecentFile(const std::string& path) override { recent.push_back(path); }
    std::optional<Password> AskPassword(const std::string& path) override {
        asked.push_back(path);
        if (passwords.empty()) return std::nullopt;
        auto answer = passwords.front();
        passwords.erase(passwords.begin());
        return answer;
    }
    void FileOpened(int kind) override { opened.push_back(kind); }
    void ShowWaitCursor(bool on) override { waits.push_back(on); }

    std::vector<std::optional<Password>> passwords;   // nullopt: cancelled
    std::vector<std::string> asked;
    std::vector<std::string> recent;
    std::vector<int> opened;
    std::vector<bool> waits;
    int titles = 0;
};

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore().Clear(); }
    void TearDown() override { SettingsStore().Clear(); }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& a : prompts.asked())
            if (a.kind == ui::ScriptedPrompts::Kind::Message) texts.push_back(a.text);
        return texts;
    }

    apptest::ScopedIdTexts texts;
    ui::ScriptedPrompts prompts;
    dlgtest::ScriptedPlan plan;
    Site site;
    CFileCommands commands{&plan, site};
    testing::TempDirectory dir;
};

TEST_F(FileCommandsTest, OpenOutcomes) {
    const std::string path = "/plans/site.qel";
    using P = IFileCommandSite::Password;
    struct Case {
        const char* name;
        std::vector<int32_t> statuses;
        std::vector<std::optional<P>> passwords;
        bool showReadOnlyNote;
        bool textsShortened;
        bool result;
        std::vector<std::string> messages;
        std::string passwordLast;
    } cases[] = {
        {"opened", {kDataOk}, {}, true, false, true, {}, ""},
        {"texts shortened", {kDataOk}, {}, true, true, true, {Shown(ids::OPEN_TEXTS_SHORTENED, path)}, ""},
        {"read-only, texts shortened", {kDataReadOnly}, {}, true, true, true,
         {Shown(ids::OPEN_READ_ONLY, path), Shown(ids::OPEN_TEXTS_SHORTENED, path)}, ""},
        {"read-only by lock", {kDataReadOnly}, {}, true, false, true, {Shown(ids::OPEN_READ_ONLY, path)}, ""},
        {"read-only, note off", {kDataReadOnly}, {}, false, false, true, {}, ""},
        {"second password", {kDataPassword, kDataReadOnly}, {P{"beta", true}}, true, false, true,
         {Shown(ids::OPEN_READ_ONLY, path)}, "beta"},
        {"first password after a wrong one", {kDataPassword, kDataPassword, kDataOk},
         {P{"x", false}, P{"alpha", false}}, true, false, true, {}, ""},
        {"password cancelled", {kDataPassword}, {std::nullopt}, true, false, false, {}, ""},
        {"cannot open", {kDataCannotOpen}, {}, true, false, false, {Shown(ids::OPEN_CANNOT, path)}, ""},
        {"not a document", {kDataBadFile}, {}, true, false, false, {Shown(ids::OPEN_FAILED, path)}, ""},
        {"input error", {kDataIoError}, {}, true, false, false, {Shown(ids::OPEN_FAILED, path)}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsStore().Clear();
        SetSetting("ShowMessageOpenedReadOnly", c.showReadOnlyNote ? "1" : "0");
        dlgtest::ScriptedPlan plan;
        plan.openStatuses.assign(c.statuses.begin(), c.statuses.end());
        plan.textsShortened = c.textsShortened;
        Site site;
        site.passwords = c.passwords;
        ui::ScriptedPrompts prompts;
        CFileCommands commands(&plan, site);

        EXPECT_EQ(commands.OpenDocument(path), c.result);
        ASSERT_EQ(plan.opens.size(), c.statuses.size());
        EXPECT_FALSE(plan.opens[0].havePassword);
        for (std::size_t i = 1; i < plan.opens.size(); ++i) {
            EXPECT_EQ(plan.opens[i].password, c.passwords[i - 1]->text);
            EXPECT_EQ(plan.opens[i].readOnly, c.passwords[i - 1]->readOnly);
            EXPECT_TRUE(plan.opens[i].havePassword);
        }
        std::vector<std::string> messages;
        for (const auto& a : prompts.asked()) messages.push_back(a.text);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(site.recent, c.result ? std::vector<std::string>{path} : std::vector<std::string>{});
        EXPECT_EQ(site.opened, c.result ? std::vector<int>{kFileOpened} : std::vector<int>{});
        EXPECT_EQ(GetSetting("PasswordLast"), c.passwordLast);
        EXPECT_EQ(site.titles, int(c.statuses.size()));
    }
}

TEST_F(FileCommandsTest, OpeningTheOpenFileAgain) {
    plan.fileName = "/plans/site.qel";
    EXPECT_TRUE(commands.OpenDocument("/plans/site.qel"));
    EXPECT_TRUE(plan.opens.empty());
    EXPECT_TRUE(commands.OpenDocument("/plans/SITE.qel"));
    EXPECT_EQ(plan.opens.size(), 1u);   // paths are compared exactly

    plan.opens.clear();
    plan.modified = true;
    prompts.AnswerMessage(ui::IDNO);
    EXPECT_TRUE(commands.OpenDocument(plan.fileName));
    EXPECT_EQ(Messages(), (std::vector<std::string>{Shown(ids::SAVE_CHANGES, "/plans/SITE.qel")}));
    EXPECT_EQ(plan.opens.size(), 1u);
}

TEST_F(FileCommandsTest, SaveQuestionBeforeChangesAreLost) {
    const std::string path = dir.Write("site.qel", "x");
    struct Case {
        bool modified;
        int answer;
        bool result;
        std::size_t saves;
    } cases[] = {
        {false, 0, true, 0},
        {true, ui::IDYES, true, 1},
        {true, ui::IDNO, true, 0},
        {true, ui::IDCANCEL, false, 0},
    };
    for (const Case& c : cases) {
        dlgtest::ScriptedPlan plan;
        plan.fileName = path;
        plan.modified = c.modified;
        ui::ScriptedPrompts prompts;
        if (c.answer != 0) prompts.AnswerMessage(c.answer);
        Site site;
        CFileCommands commands(&plan, site);
        EXPECT_EQ(commands.SaveModified(), c.result) << c.answer;
        EXPECT_EQ(plan.saves.size(), c.saves) << c.answer;
        EXPECT_EQ(prompts.asked().size(), c.modified ? 1u : 0u);
        if (c.modified) {
            EXPECT_EQ(prompts.asked()[0].type, ui::MB_YESNOCANCEL | ui::MB_ICONEXCLAMATION);
            EXPECT_EQ(prompts.asked()[0].text, Shown(ids::SAVE_CHANGES, path));
        }
    }
    plan.modified = true;
    prompts.AnswerMessage(ui::IDCANCEL);
    EXPECT_FALSE(commands.SaveModified());
    EXPECT_EQ(Messages().back(), Shown(ids::SAVE_CHANGES, "[230] %s"));   // untitled
}

TEST_F(FileCommandsTest, SaveGoesToSaveAsWithoutAWritableFile) {
    const std::string existing = dir.Write("site.qel", "x");
    struct Case {
        const char* name;
        std::string fileName;
        bool readOnly;
    } cases[] = {
        {"untitled", "", false},
        {"opened read-only", existing, true},
        {"file gone", dir.File("gone.qel"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dlgtest::ScriptedPlan plan;
        plan.fileName = c.fileName;
        plan.readOnlyOpen = c.readOnly;
        ui::ScriptedPrompts prompts;
        prompts.AnswerFile(std::nullopt);
        Site site;
        CFileCommands commands(&plan, site);
        EXPECT_FALSE(commands.OnFileSave());
        ASSERT_EQ(prompts.asked().size(), 1u);
        EXPECT_EQ(prompts.asked()[0].kind, ui::ScriptedPrompts::Kind::SaveFile);
        EXPECT_TRUE(prompts.asked()[0].file.overwritePrompt);
        EXPECT_TRUE(plan.saves.empty());
    }
    const std::string target = dir.File("copy.qel");
    prompts.AnswerFile(target);
    EXPECT_TRUE(commands.OnFileSave());
    EXPECT_EQ(plan.saves, std::vector<std::string>{target});
    EXPECT_EQ(site.recent, std::vector<std::string>{target});
    EXPECT_EQ(site.opened, std::vector<int>{kFileSaved});
}

TEST_F(FileCommandsTest, OlderFormatIsWrittenOnlyWhenConfirmed) {
    plan.fileName = dir.Write("old.qel", "x");
    plan.olderFormat = true;
    prompts.AnswerMessage(ui::IDNO);
    EXPECT_FALSE(commands.OnFileSave());
    EXPECT_TRUE(plan.saves.empty());
    EXPECT_EQ(prompts.asked()[0].type, ui::MB_YESNO | ui::MB_DEFBUTTON2 | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(prompts.asked()[0].text, Shown(ids::SAVE_OLDER_FORMAT, plan.fileName));

    prompts.AnswerMessage(ui::IDYES);
    EXPECT_TRUE(commands.OnFileSave());
    EXPECT_EQ(plan.saves, std::vector<std::string>{plan.fileName});
}

TEST_F(FileCommandsTest, FailedSaveReportsAndKeepsEverything) {
    plan.fileName = dir.Write("site.qel", "x");
    plan.modified = true;
    plan.saveStatuses = {kDataIoError};
    EXPECT_FALSE(commands.OnFileSave());
    EXPECT_EQ(Messages(), std::vector<std::string>{Shown(ids::SAVE_FAILED, plan.fileName)});
    EXPECT_TRUE(site.recent.empty());
    EXPECT_TRUE(site.opened.empty());
    EXPECT_EQ(site.titles, 1);
}

TEST_F(FileCommandsTest, NewDocumentAfterTheSaveQuestion) {
    plan.fileName = "/plans/site.qel";
    plan.modified = true;
    prompts.AnswerMessage(ui::IDCANCEL);
    commands.OnFileNew();
    EXPECT_EQ(plan.closes, 0);

    prompts.AnswerMessage(ui::IDNO);
    commands.OnFileNew();
    EXPECT_EQ(plan.closes, 1);
    EXPECT_EQ(site.opened, std::vector<int>{kFileNew});
}

TEST_F(FileCommandsTest, OpenDialogRemembersItsDirectory) {
    testing::TempDirectory plans;
    SetSetting("DirectoryFiles", plans.path() + "/");
    prompts.AnswerFile("/elsewhere/site.qel");
    commands.OnFileOpen();
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].file.initialDir, plans.path() + "/");
    EXPECT_TRUE(prompts.asked()[0].file.mustExist);
    EXPECT_EQ(GetSetting("DirectoryFiles"), "/elsewhere/");
    ASSERT_EQ(plan.opens.size(), 1u);
    EXPECT_EQ(plan.opens[0].path, "/elsewhere/site.qel");
    EXPECT_EQ(site.waits, (std::vector<bool>{true, false})) << "a wait cursor while the file is read";
}

// Open starts in "DirectoryFiles", Save As in the document's folder; each
// falls back on the other, then on the user's documents (or home) folder,
// never on the program's working folder.
TEST_F(FileCommandsTest, FileDialogsStartInTheUsersFolders) {
    testing::TempDirectory remembered;
    testing::TempDirectory documentDir;
    const std::string rememberedDir = remembered.path() + "/";
    const std::string documentFolder = documentDir.path() + "/";
    const std::string document = documentFolder + "site.qel";
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::string fallback =
        QDir(documents).exists() ? documents.toStdString() : QDir::homePath().toStdString();
    struct Case {
        const char* name;
        std::string directoryFiles;
        std::string fileName;
        std::string openDir;
        std::string saveDir;
        std::string saveName;
    } cases[] = {
        {"both", rememberedDir, document, rememberedDir, documentFolder, "site.qel"},
        {"untitled", rememberedDir, "", rememberedDir, rememberedDir, ""},
        {"nothing remembered", "", document, documentFolder, documentFolder, "site.qel"},
        {"a new user", "", "", fallback, fallback, ""},
        {"folders gone", "/nowhere/", "/gone/site.qel", fallback, fallback, "site.qel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetSetting("DirectoryFiles", c.directoryFiles);
        dlgtest::ScriptedPlan plan;
        plan.fileName = c.fileName;
        ui::ScriptedPrompts prompts;
        CFileCommands commands(&plan, site);
        commands.OnFileOpen();
        commands.OnFileSaveAs();
        ASSERT_EQ(prompts.asked().size(), 2u);
        EXPECT_EQ(prompts.asked()[0].file.initialDir, c.openDir);
        EXPECT_EQ(prompts.asked()[1].file.initialDir, c.saveDir);
        EXPECT_EQ(prompts.asked()[1].file.fileName, c.saveName);
    }
}

// Opening again first tries the file without a password: an unprotected
// file is read at once, a protected one refuses and leaves the document as
// it was. The last password is used unasked only to gain full access to a
// read-only document; otherwise the user is asked.
TEST_F(FileCommandsTest, OpenAgainWithAnotherPassword) {
    using P = IFileCommandSite::Password;
    struct Case {
        const char* name;
        bool modified;
        int answer;              // to the question about losing changes
        bool readOnly;           // the document as it is open
        const char* last;        // "PasswordLast"
        const char* entered;     // "PasswordEntered"
        std::vector<int32_t> statuses;
        std::vector<std::optional<P>> passwords;
        std::vector<std::string> reloadedWith;   // "" for no password
        std::vector<std::string> messages;
        std::string passwordLast;
    } cases[] = {
        {"declined", true, ui::IDNO, true, "alpha", "1", {}, {}, {}, {Shown(ids::REOPEN_DISCARDS, "/p/s.qel")}, "alpha"},
        {"unprotected file, read at once", true, ui::IDYES, false, "old", "1", {kDataOk}, {}, {""},
         {Shown(ids::REOPEN_DISCARDS, "/p/s.qel")}, "old"},
        {"read-only, the last password gives full access", false, 0, true, "alpha", "1",
         {kDataPassword, kDataOk}, {}, {"", "alpha"}, {}, "alpha"},
        {"read-only, the last password was not given", false, 0, true, "alpha", "0",
         {kDataPassword, kDataOk}, {P{"alpha", false}}, {"", "alpha"}, {}, "alpha"},
        {"read-only, the last password is the second", false, 0, true, "beta", "1",
         {kDataPassword, kDataOk}, {P{"alpha", false}}, {"", "alpha"}, {}, "alpha"},
        {"full access: the user chooses", false, 0, false, "alpha", "1",
         {kDataPassword, kDataReadOnly}, {P{"beta", true}}, {"", "beta"}, {}, "beta"},
        {"read-only by a lock, unknown password", false, 0, true, "other", "1",
         {kDataPassword, kDataReadOnly}, {P{"alpha", false}}, {"", "alpha"}, {}, "alpha"},
        {"the file changed its passwords meanwhile", false, 0, true, "alpha", "1",
         {kDataPassword, kDataPassword, kDataOk}, {P{"gamma", false}}, {"", "alpha", "gamma"}, {}, "gamma"},
        {"cancelled", false, 0, false, "alpha", "1", {kDataPassword}, {std::nullopt}, {""}, {}, "alpha"},
        {"failed", false, 0, true, "alpha", "1", {kDataIoError}, {}, {""}, {Shown(ids::REOPEN_FAILED)}, "alpha"},
        {"failed with the password", false, 0, true, "alpha", "1", {kDataPassword, kDataBadFile}, {},
         {"", "alpha"}, {Shown(ids::REOPEN_FAILED)}, "alpha"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsStore().Clear();
        SetSetting("PasswordLast", c.last);
        SetSetting("PasswordEntered", c.entered);
        dlgtest::ScriptedPlan plan;
        plan.fileName = "/p/s.qel";
        plan.modified = c.modified;
        plan.readOnlyOpen = c.readOnly;
        const MD5DigestBytes first = MD5Digest("alpha", 5), second = MD5Digest("beta", 4);
        std::copy(first.begin(), first.end(), plan.digests);
        std::copy(second.begin(), second.end(), plan.digests + 16);
        plan.reloadStatuses.assign(c.statuses.begin(), c.statuses.end());
        ui::ScriptedPrompts prompts;
        if (c.answer != 0) prompts.AnswerMessage(c.answer);
        Site site;
        site.passwords = c.passwords;
        CFileCommands commands(&plan, site);
        commands.OnChangePassword();

        std::vector<std::string> reloadedWith;
        for (const auto& reload : plan.reloads) {
            EXPECT_EQ(reload.havePassword, !reload.password.empty());
            reloadedWith.push_back(reload.password);
        }
        EXPECT_EQ(reloadedWith, c.reloadedWith);
        EXPECT_EQ(site.asked.size(), c.passwords.size());
        std::vector<std::string> messages;
        for (const auto& a : prompts.asked()) messages.push_back(a.text);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(GetSetting("PasswordLast"), c.passwordLast);
        EXPECT_EQ(GetSetting("PasswordEntered"), "1");   // the one case without it ends with a password
    }
}

TEST_F(FileCommandsTest, UntitledDocumentIsNotOpenedAgain) {
    plan.fileName = "";
    EXPECT_FALSE(commands.CanReopen());
    commands.OnChangePassword();
    EXPECT_TRUE(plan.reloads.empty());
    EXPECT_TRUE(prompts.asked().empty());
    plan.fileName = "/p/s.qel";
    EXPECT_TRUE(commands.CanReopen());
}

TEST_F(FileCommandsTest, WriteProtectedDocumentCannotBeSaved) {
    EXPECT_TRUE(commands.CanSave());
    plan.props.writeProtected = true;
    EXPECT_FALSE(commands.CanSave());
}

}  // namespace
