#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QKeyEvent>
#include <QStandardPaths>

#include "app_fixture.h"
#include "app_ids.h"
#include "booking_clipboard.h"
#include "data_library.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_toolbar.h"
#include "password_dialogs.h"
#include "plan_data.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "settings_store.h"
#include "string_ids.h"
#include "ui/key_codes.h"
#include "ui/scripted_prompts.h"
#include "ui/win_types.h"
#include "when_modal.h"

namespace {

using Lines = std::vector<std::string>;

class MainAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        SettingsStore().Clear();
    }
    void TearDown() override { SettingsStore().Clear(); }
    ui::ScriptedPrompts prompts;
};

TEST_F(MainAppTest, StartUpAndExitCallThePluginsInOrder) {
    apptest::ProgramDirectory dir;
    CMainApp app(dir.Environment());
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(dir.Trace(), (Lines{"PluginInfo", "Start data", "LoadSettings ", "Initialized", "Register",
                                  "WindowInit frame", "ToolbarInit toolbar", "MenuInit menu", "SettingsChanged",
                                  "ViewChanged 0"}));
    EXPECT_EQ(GetSetting("ViewActive"), "0");
    EXPECT_TRUE(prompts.asked().empty());

    dir.ClearTrace();
    EXPECT_TRUE(app.MainFrame()->close());
    app.ExitInstance();
    // The clipboard, the filter and the history are gone before the plugins hear of the exit.
    EXPECT_EQ(dir.Trace(), (Lines{"SaveSettings  1", "Exit filter gone"}));
    app.ExitInstance();   // a second exit finds nothing left to free
}

TEST_F(MainAppTest, MissingLibraryEndsStartUpWithItsName) {
    struct Case {
        const char* leftOut;
        std::string message;
    } cases[] = {
        {"libQELRes.so", "Resource file not found."},
        {"libControls.so", "The library \"libControls.so\" could not be loaded."},
        {"libData.so", "The library \"libData.so\" could not be loaded."},
        {"libReportDocument.so", "The library \"libReportDocument.so\" could not be loaded."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leftOut);
        apptest::ProgramDirectory dir({c.leftOut});
        ui::ScriptedPrompts prompts;
        CMainApp app(dir.Environment());
        EXPECT_FALSE(app.InitInstance());
        ASSERT_EQ(prompts.asked().size(), 1u);
        EXPECT_EQ(prompts.asked()[0].text, c.message);
        EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
        app.ExitInstance();
        EXPECT_TRUE(dir.Trace().empty());   // no plugin was loaded
    }
}

TEST_F(MainAppTest, LibraryWithoutItsEntryEndsStartUp) {
    for (const char* name : {"libData.so", "libReportDocument.so"}) {
        SCOPED_TRACE(name);
        apptest::ProgramDirectory dir;
        dir.Substitute(name, QEL_CONTROLS_LIBRARY);
        ui::ScriptedPrompts prompts;
        CMainApp app(dir.Environment());
        EXPECT_FALSE(app.InitInstance());
        ASSERT_EQ(prompts.asked().size(), 1u);
        EXPECT_EQ(prompts.asked()[0].text,
                  std::string("The library \"") + name + "\" does not provide what the program needs.");
        app.ExitInstance();
    }
}

TEST_F(MainAppTest, MissingStartFileIsReportedAndANewDocumentStarts) {
    apptest::ProgramDirectory dir;
    AppEnvironment env = dir.Environment();
    env.arguments = {"-x", "/nowhere/plan.qel"};
    CMainApp app(env);
    ASSERT_TRUE(app.InitInstance());
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "The file \"/nowhere/plan.qel\" was not found.");
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(app.StartFile(), "");
    EXPECT_EQ(app.Data()->GetFileName(), "");
    app.ExitInstance();
}

TEST_F(MainAppTest, StartFileFromTheCommandLineOpens) {
    apptest::ProgramDirectory dir;
    const std::string plan = dir.Path() + "site.qel";
    {
        CMainApp first(dir.Environment());
        ASSERT_TRUE(first.InitInstance());
        ASSERT_EQ(first.Data()->Save(plan.c_str()), kDataOk);
        first.ExitInstance();
    }
    dir.ClearTrace();
    AppEnvironment env = dir.Environment();
    env.startDirectory = dir.Path();
    env.arguments = {"site.qel"};
    CMainApp app(env);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.StartFile(), plan);
    EXPECT_EQ(app.Data()->GetFileName(), plan);
    EXPECT_EQ(app.MainFrame()->windowTitle().toStdString(), "site.qel - QEL Planner");
    const Lines trace = dir.Trace();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "FileOpened 0"), trace.end());
    app.ExitInstance();
}

// The main window of a started program.
class MainFrameTest : public MainAppTest {
protected:
    void SetUp() override {
        MainAppTest::SetUp();
        dir.WriteSettings(settings);
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        data = app->Data();
        dir.ClearTrace();
    }
    void TearDown() override {
        app->ExitInstance();
        MainAppTest::TearDown();
    }
    void Press(int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QWidget* focus = QApplication::focusWidget();
        QApplication::sendEvent(focus != nullptr ? focus : frame, &press);
    }
    void AddResource(const char* name) {
        ASSERT_EQ(data->BeginTransaction(plat::LoadResString(ids::UNDO_ADD_RESOURCE).c_str()), kDataOk);
        CResource* resource = data->resources->Create();
        resource->SetName(name);
        ASSERT_EQ(data->resources->Add(resource), kDataOk);
        ASSERT_EQ(data->CommitTransaction(), kDataOk);
    }
    std::string ActionText(unsigned id) { return frame->Action(id)->text().toStdString(); }

    std::string settings;
    apptest::ProgramDirectory dir;
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
    CPlanData* data = nullptr;
};

TEST_F(MainFrameTest, KeysGoToThePluginsFirst) {
    setenv("QEL_TRACE_CONSUME", "112", 1);   // F1
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        Lines trace;
    } cases[] = {
        {Qt::Key_F1, Qt::NoModifier, {"KeyDispatch 112 0"}},
        {Qt::Key_Shift, Qt::ShiftModifier, {}},
        {Qt::Key_Control, Qt::ControlModifier, {}},
        {Qt::Key_X, Qt::ControlModifier | Qt::AltModifier, {"KeyDispatch 88 48"}},
        {Qt::Key_Delete, Qt::ShiftModifier, {"KeyDispatch 46 64"}},
    };
    for (const Case& c : cases) {
        dir.ClearTrace();
        Press(c.key, c.modifiers);
        EXPECT_EQ(dir.Trace(), c.trace) << c.key;
    }
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(MainFrameTest, ProgramDirectoryIsShownOnCtrlShiftA) {
    Press(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dir.Trace(), Lines{"KeyDispatch 65 96"});
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "Program folder:\n" + app->GetProgramDir(true));
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONINFORMATION);
}

TEST_F(MainFrameTest, TitleAndUndoItemsFollowEveryChange) {
    EXPECT_EQ(frame->windowTitle().toStdString(), "Untitled - QEL Planner");
    EXPECT_FALSE(frame->Action(app_ids::ID_UNDO)->isEnabled());

    AddResource("Crane");
    EXPECT_EQ(frame->windowTitle().toStdString(), "Untitled * - QEL Planner");
    EXPECT_EQ(ActionText(app_ids::ID_UNDO), "&Undo Add Resource\tCtrl+Z");
    EXPECT_TRUE(frame->Action(app_ids::ID_UNDO)->isEnabled());
    EXPECT_FALSE(frame->Action(app_ids::ID_REDO)->isEnabled());

    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(data->resources->GetCount(), 0);
    EXPECT_EQ(ActionText(app_ids::ID_REDO), "&Redo Add Resource\tCtrl+Y");
    EXPECT_TRUE(frame->Action(app_ids::ID_REDO)->isEnabled());
    EXPECT_FALSE(frame->Action(app_ids::ID_UNDO)->isEnabled());

    frame->OnCommand(app_ids::ID_REDO);
    EXPECT_EQ(data->resources->GetCount(), 1);
    const Lines trace = dir.Trace();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "KeyDispatch 90 32"), trace.end());
}

// A working session through the window: each step shows in the title and the undo item.
TEST_F(MainFrameTest, NewSaveAsCloseReopenChangeUndoRedoSave) {
    const std::string path = dir.Path() + "plan.qel";
    auto title = [&] { return frame->windowTitle().toStdString(); };

    frame->OnCommand(app_ids::ID_FILE_NEW);
    AddResource("Crane");
    EXPECT_EQ(title(), "Untitled * - QEL Planner");
    prompts.AnswerFile(path);
    frame->OnCommand(app_ids::ID_FILE_SAVE_AS);
    EXPECT_EQ(title(), "plan.qel - QEL Planner");
    EXPECT_EQ(ActionText(app_ids::ID_UNDO), "&Undo Add Resource\tCtrl+Z");

    // Closed and started again: the most recent file comes back, with no undo step.
    ASSERT_TRUE(frame->close());
    app->ExitInstance();
    app = std::make_unique<CMainApp>(dir.Environment());
    ASSERT_TRUE(app->InitInstance());
    frame = app->MainFrame();
    data = app->Data();
    EXPECT_EQ(data->GetFileName(), path);
    EXPECT_EQ(title(), "plan.qel - QEL Planner");
    EXPECT_EQ(data->resources->GetCount(), 1);
    EXPECT_FALSE(frame->Action(app_ids::ID_UNDO)->isEnabled());

    AddResource("Digger");
    EXPECT_EQ(title(), "plan.qel * - QEL Planner");
    EXPECT_EQ(ActionText(app_ids::ID_UNDO), "&Undo Add Resource\tCtrl+Z");
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(title(), "plan.qel - QEL Planner");   // back where the file is
    EXPECT_EQ(ActionText(app_ids::ID_REDO), "&Redo Add Resource\tCtrl+Y");
    frame->OnCommand(app_ids::ID_REDO);
    EXPECT_EQ(title(), "plan.qel * - QEL Planner");
    frame->OnCommand(app_ids::ID_FILE_SAVE);
    EXPECT_EQ(title(), "plan.qel - QEL Planner");
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_EQ(prompts.unscripted(), 0);

    ASSERT_EQ(data->Open(path.c_str(), true, nullptr, false), kDataReadOnly);   // what the file holds
    EXPECT_EQ(data->resources->GetCount(), 2);
}

TEST_F(MainFrameTest, ReplacedDocumentClearsTheFilterBeforeThePluginsHear) {
    SetSetting("ViewFilterActive", "1");
    AddResource("Crane");
    EXPECT_EQ(dir.Trace().back(), "DataChanged 8 filter 1");
    prompts.AnswerMessage(ui::IDNO);   // do not save the changes
    frame->OnCommand(app_ids::ID_FILE_NEW);
    const Lines trace = dir.Trace();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "DataChanged 1 filter 0"), trace.end());
    EXPECT_EQ(trace.back(), "FileOpened 1");
    EXPECT_EQ(frame->windowTitle().toStdString(), "Untitled - QEL Planner");
}

TEST_F(MainFrameTest, ClosingAsksToSaveChanges) {
    AddResource("Crane");
    prompts.AnswerMessage(ui::IDCANCEL);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(prompts.asked().back().text, "Save changes to \"Untitled\"?");
    prompts.AnswerMessage(ui::IDNO);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(dir.Trace().back(), "SaveSettings  1");
}

TEST_F(MainFrameTest, StatusBarAndPasswordPane) {
    frame->SetStatusBarText("left", "middle");
    EXPECT_EQ(frame->PaneText(0), "left");
    EXPECT_EQ(frame->PaneText(1), "middle");
    EXPECT_EQ(frame->PaneText(2), "");
    ASSERT_EQ(data->BeginTransaction("Protect"), kDataOk);
    data->properties->BeginChange();
    data->properties->passwordFlag = 1;
    data->properties->SetPassword1("alpha");
    ASSERT_EQ(data->CommitTransaction(), kDataOk);
    EXPECT_EQ(frame->PaneText(2).toStdString(), plat::LoadResString(ids::STATUS_PASSWORD));
}

TEST_F(MainFrameTest, ProtectedFileOpensReadOnlyWithTheSecondPassword) {
    const std::string path = dir.Path() + "site.qel";
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "alpha", "beta"), kDataOk);
    frame->OnCommand(app_ids::ID_FILE_NEW);
    dir.ClearTrace();

    bool refused = false;
    dlgtest::WhenModal<CPasswordEntryDlg>([&](CPasswordEntryDlg* dialog) {
        auto* edit = static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_ENTRY));
        edit->setText("gamma");
        dialog->accept();
        refused = dialog->isVisible();
        edit->setText("beta");
        dialog->accept();
    });
    ASSERT_TRUE(frame->Files().OpenDocument(path));
    EXPECT_TRUE(refused);
    EXPECT_TRUE(data->IsReadOnly());
    EXPECT_EQ(frame->windowTitle().toStdString(), "site.qel - QEL Planner (read-only)");
    ASSERT_EQ(prompts.asked().size(), 2u);   // the wrong password, then the read-only note
    EXPECT_EQ(prompts.asked()[1].text, "\"" + path + "\" was opened read-only. Changes cannot be saved.");
    EXPECT_EQ(GetSetting("PasswordLast"), "beta");
    EXPECT_FALSE(frame->Action(app_ids::ID_FILE_SAVE)->isEnabled());
    EXPECT_FALSE(frame->Action(app_ids::ID_DOCUMENT_PASSWORDS)->isEnabled());
    EXPECT_EQ(app->RecentFiles().First(), path);
    const Lines trace = dir.Trace();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "FileOpened 0"), trace.end());
}

TEST_F(MainFrameTest, BaseUnitComboFollowsAndWritesTheSetting) {
    QComboBox* combo = frame->ToolBar()->BaseUnitCombo();
    ASSERT_EQ(combo->count(), 7);
    EXPECT_EQ(combo->itemText(0).toStdString(), plat::LoadResString(ids::BASE_UNIT_FIRST));
    EXPECT_EQ(combo->currentIndex(), 4);

    emit combo->activated(5);
    EXPECT_EQ(GetSetting("ViewScheduleBaseUnit"), "5");
    EXPECT_EQ(dir.Trace(), Lines{"SettingsChanged"});
    dir.ClearTrace();
    emit combo->activated(5);   // the same unit again changes nothing
    EXPECT_TRUE(dir.Trace().empty());

    SetSetting("ViewScheduleBaseUnit", "2");
    for (const char* view : {"0", "1", "2"}) {
        SetSetting("ViewActive", view);
        QELA_OnSettingsChanged();
        EXPECT_EQ(combo->currentIndex(), 2);
        EXPECT_EQ(combo->isEnabled(), std::string(view) != "2") << view;
    }
}

TEST_F(MainFrameTest, RecentFileThatIsGoneIsReportedAndKept) {
    app->RecentFiles().Add("/nowhere/plan.qel");
    frame->OnCommand(app_ids::ID_FILE_MRU_FILE1);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "The file \"/nowhere/plan.qel\" was not found.");
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(app->RecentFiles().First(), "/nowhere/plan.qel");
    EXPECT_EQ(data->GetFileName(), "");
}

TEST_F(MainFrameTest, ClipboardEmptiesWhenItsResourceIsDeleted) {
    ASSERT_EQ(data->BeginTransaction("Setup"), kDataOk);
    CResource* resource = data->resources->Create();
    resource->SetName("Crane");
    ASSERT_EQ(data->resources->Add(resource), kDataOk);
    CTask* task = data->tasks->Create();
    task->SetName("Lift");
    ASSERT_EQ(data->tasks->Add(task), kDataOk);
    CBooking* booking = data->bookings->Create();
    booking->resource = resource;
    booking->task = task;
    booking->startDay = booking->endDay = 2460000;
    booking->endMinutes = 60;
    ASSERT_EQ(data->bookings->Add(booking), kDataOk);
    ASSERT_EQ(data->CommitTransaction(), kDataOk);

    QELA_SetClipboardInfo(&booking, 1);
    EXPECT_TRUE(CanPasteBooking());
    ASSERT_EQ(data->BeginTransaction("Delete"), kDataOk);
    ASSERT_EQ(resource->Delete(), kDataOk);
    ASSERT_EQ(data->CommitTransaction(), kDataOk);
    EXPECT_EQ(BookingClipboard()->resource, nullptr);
    EXPECT_FALSE(CanPasteBooking());
}

TEST_F(MainAppTest, PrinterOrientationFromTheSettings) {
    struct Case {
        const char* settings;
        QPageLayout::Orientation orientation;
    } cases[] = {
        {"", QPageLayout::Landscape},
        {"PrinterOrientation=1\n", QPageLayout::Portrait},
        {"PrinterOrientation=2\n", QPageLayout::Landscape},
        {"PrinterInitOrientation=0\nPrinterOrientation=2\n", QPrinter().pageLayout().orientation()},
    };
    for (const Case& c : cases) {
        SettingsStore().Clear();
        apptest::ProgramDirectory dir;
        dir.WriteSettings(c.settings);
        CMainApp app(dir.Environment());
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(app.Printer()->pageLayout().orientation(), c.orientation) << c.settings;
        app.ExitInstance();
    }
}

class PlacementTest : public MainAppTest {};

TEST_F(PlacementTest, WindowRectangleIsRestoredAndSaved) {
    apptest::ProgramDirectory dir;
    dir.WriteSettings("ViewMainWindowRect=40 30 640 430\nViewMainWindowMaximized=0\n");
    AppEnvironment env = dir.Environment();
    env.hiddenWindow = false;
    CMainApp app(env);
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.MainFrame();
    EXPECT_EQ(frame->geometry(), QRect(40, 30, 600, 400));
    frame->setGeometry(50, 60, 300, 200);
    frame->SaveWindowPlacement();
    EXPECT_EQ(GetSetting("ViewMainWindowRect"), "50 60 350 260");
    EXPECT_EQ(GetSetting("ViewMainWindowMaximized"), "0");
    EXPECT_EQ(GetSetting("ViewMainWindowIconic"), "0");
    app.ExitInstance();
}

TEST_F(PlacementTest, HiddenStartSavesNoPlacement) {
    apptest::ProgramDirectory dir;
    dir.WriteSettings("ViewMainWindowRect=40 30 640 430\n");
    CMainApp app(dir.Environment());
    ASSERT_TRUE(app.InitInstance());
    app.MainFrame()->SaveWindowPlacement();
    EXPECT_EQ(GetSetting("ViewMainWindowRect"), "40 30 640 430");
    EXPECT_EQ(GetSetting("ViewMainWindowMaximized"), "");
    app.ExitInstance();
}

}  // namespace
