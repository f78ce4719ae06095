// The help command and the copy of a file into the program folder, through
// the real main window: the browser call goes to an injected opener, file
// choices and questions to scripted prompts.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>

#include "app_fixture.h"
#include "app_ids.h"
#include "help_frame_commands.h"
#include "main_app.h"
#include "main_frame.h"
#include "plat/resource_strings.h"
#include "settings_store.h"
#include "string_ids.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"

namespace {

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

class HelpCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        SetHelpOpener([this](const std::string& path) {
            opened.push_back(path);
            return openerAnswer;
        });
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        frame->show();
    }
    void TearDown() override {
        SetHelpOpener({});
        app->ExitInstance();
        SettingsStore().Clear();
    }
    std::string Message(unsigned id, const std::string& argument) const {
        std::string text = plat::LoadResString(id);
        return text.replace(text.find("%s"), 2, argument);
    }
    std::vector<std::string> MessagesAsked() const {
        std::vector<std::string> texts;
        for (const auto& asked : prompts.asked()) {
            if (asked.kind == ui::ScriptedPrompts::Kind::Message) texts.push_back(asked.text);
        }
        return texts;
    }
    void PressF1() {
        QWidget* focus = QApplication::focusWidget();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(focus != nullptr ? focus : frame, &press);
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    testing::TempDirectory elsewhere;
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
    std::vector<std::string> opened;
    bool openerAnswer = true;
};

// F1 and the menu item both open the contents page of the program
// directory; a missing page or a browser that cannot be started is said.
TEST_F(HelpCopyTest, HelpOpensTheContentsPage) {
    const std::string page = dir.Path() + plat::LoadResString(ids::HELP_FILE);
    frame->OnCommand(app_ids::ID_HELP);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(MessagesAsked(), std::vector<std::string>{Message(ids::HELP_NOT_OPENED, page)});

    ::mkdir((dir.Path() + "help").c_str(), 0755);
    WriteText(page, "<html></html>");
    PressF1();
    frame->Action(app_ids::ID_HELP)->trigger();
    EXPECT_EQ(opened, (std::vector<std::string>{page, page}));

    openerAnswer = false;
    frame->OnCommand(app_ids::ID_HELP);
    EXPECT_EQ(MessagesAsked().size(), 2u);
}

// The copy lands in the program folder; an existing file is replaced only
// after a yes, and then as a new file, so what had it open (a loaded
// library) still reads the old bytes; a file onto itself is refused before
// any question.
TEST_F(HelpCopyTest, CopyFileIntoProgramFolder) {
    const std::string source = elsewhere.path() + "/extra.settings";
    const std::string target = dir.Path() + "extra.settings";
    WriteText(source, "new");

    prompts.AnswerFile(source);
    frame->OnCommand(app_ids::ID_COPY_FILE);
    EXPECT_EQ(ReadText(target), "new");
    EXPECT_EQ(MessagesAsked().back(), Message(ids::COPY_FILE_DONE, dir.Path()));

    WriteText(target, "old");
    WriteText(source, "newer");
    prompts.AnswerFile(source);
    prompts.AnswerMessage(ui::IDNO);
    frame->OnCommand(app_ids::ID_COPY_FILE);
    EXPECT_EQ(ReadText(target), "old");
    EXPECT_EQ(MessagesAsked().back(), Message(ids::COPY_FILE_REPLACE, target));

    const int loaded = ::open(target.c_str(), O_RDONLY);
    ASSERT_GE(loaded, 0);
    prompts.AnswerFile(source);
    prompts.AnswerMessage(ui::IDYES);
    frame->OnCommand(app_ids::ID_COPY_FILE);
    EXPECT_EQ(ReadText(target), "newer");
    char before[4] = {};
    EXPECT_EQ(::pread(loaded, before, 3, 0), 3);
    EXPECT_STREQ(before, "old");
    ::close(loaded);

    const std::size_t asked = prompts.asked().size();
    prompts.AnswerFile(target);
    frame->OnCommand(app_ids::ID_COPY_FILE);
    ASSERT_EQ(prompts.asked().size(), asked + 2);   // the file dialog and one message
    EXPECT_EQ(MessagesAsked().back(), Message(ids::COPY_FILE_SAME, target));
    EXPECT_EQ(ReadText(target), "newer");

    prompts.AnswerFile(elsewhere.path() + "/missing");
    frame->OnCommand(app_ids::ID_COPY_FILE);
    EXPECT_EQ(MessagesAsked().back(), Message(ids::COPY_FILE_FAILED, dir.Path()));
    EXPECT_TRUE(prompts.allAnswered());
}

}  // namespace
