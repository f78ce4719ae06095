#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QPrinter>
#include <QScreen>
#include <QKeyEvent>

#include "app_fixture.h"
#include "app_ids.h"
#include "booking_clipboard.h"
#include "booking_ids.h"
#include "data_library.h"
#include "filter_dialog.h"
#include "filter_ids.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_toolbar.h"
#include "main_view.h"
#include "item_dialogs.h"
#include "password_dialogs.h"
#include "plan_data.h"
#include "plat/files.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "settings_store.h"
#include "string_ids.h"
#include "ui/key_codes.h"
#include "ui/scripted_prompts.h"
#include "ui/win_types.h"
#include "user_profile.h"
#include "when_modal.h"
#include "working_time_dialog.h"
#include "option_dialogs.h"
#include "option_ids.h"
#include "print_setup_dialog.h"
#include "print_setup_ids.h"
#include "print_setup_values.h"
#include "plat/version_block.h"
#include <QLabel>
#include <QCheckBox>
#include "working_time_ids.h"
#include "controls_api.h"
#include "support/locale_names.h"
#include "support/paths.h"
#include "ui/message.h"

namespace {

using Lines = std::vector<std::string>;

class MainAppTest : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore().Clear(); }
    void TearDown() override { SettingsStore().Clear(); }
    ui::ScriptedPrompts prompts;
};

TEST_F(MainAppTest, StartUpAndExitCallThePluginsInOrder) {
    apptest::ProgramDirectory dir;
    CMainApp app(dir.Environment());
    ASSERT_TRUE(app.InitInstance());
    // The plugins make their view windows inside the main view.
    EXPECT_EQ(dir.Trace(), (Lines{"PluginInfo", "Start data", "LoadSettings ", "Initialized", "Register",
                                  "WindowInit CMainFrame CQEL2View in frame", "ToolbarInit toolbar",
                                  "MenuInit menu", "SettingsChanged", "ViewChanged 0"}));
    // The views fill the window; the print preview takes their place while it shows.
    EXPECT_EQ(app.MainFrame()->View()->window(), static_cast<QWidget*>(app.MainFrame()));
    EXPECT_TRUE(app.MainFrame()->View()->isVisibleTo(app.MainFrame()));
    EXPECT_EQ(app.MainFrame()->View()->objectName(), "CQEL2View");
    EXPECT_EQ(GetSetting("ViewActive"), "0");
    EXPECT_EQ(app.ProductName(), "QEL2");
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

TEST_F(MainAppTest, FolderOnTheCommandLineCannotBeOpened) {
    apptest::ProgramDirectory dir;
    AppEnvironment env = dir.Environment();
    env.arguments = {dir.Path()};
    CMainApp app(env);
    ASSERT_TRUE(app.InitInstance());
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "The file \"" + dir.Path() + "\" cannot be opened.");
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
    EXPECT_EQ(app.Data()->GetFileName(), "");
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
    // A key as the window system delivers it: offered to the shortcuts first,
    // then pressed unless the window let a shortcut take it. True when the
    // window kept the key from the shortcuts.
    bool Press(int key, Qt::KeyboardModifiers modifiers, unsigned scanCode = 0, bool shortcutTakesIt = false) {
        QWidget* focus = QApplication::focusWidget();
        QWidget* receiver = focus != nullptr ? focus : frame;
        QKeyEvent shortcut(QEvent::ShortcutOverride, key, modifiers, scanCode, 0, 0);
        shortcut.setTimestamp(++time_);
        shortcut.ignore();
        QSpontaneKeyEvent::setSpontaneous(&shortcut);
        QApplication::instance()->notify(receiver, &shortcut);
        if (!shortcut.isAccepted() && shortcutTakesIt) return false;
        QKeyEvent press(QEvent::KeyPress, key, modifiers, scanCode, 0, 0);
        press.setTimestamp(time_);
        QSpontaneKeyEvent::setSpontaneous(&press);
        QApplication::instance()->notify(receiver, &press);
        return shortcut.isAccepted();
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
    std::uint64_t time_ = 0;
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
        unsigned scanCode = 0;
    } cases[] = {
        {Qt::Key_F1, Qt::NoModifier, {"KeyDispatch 112 0"}},
        {Qt::Key_Shift, Qt::ShiftModifier, {}},
        {Qt::Key_Control, Qt::ControlModifier, {}},
        {Qt::Key_Alt, Qt::AltModifier, {}},
        {Qt::Key_X, Qt::ControlModifier | Qt::AltModifier, {"KeyDispatch 88 48"}},
        {Qt::Key_Delete, Qt::ShiftModifier, {"KeyDispatch 46 64"}},
        {Qt::Key_Exclam, Qt::ShiftModifier, {"KeyDispatch 49 64"}},          // Shift+1
        {Qt::Key_ParenLeft, Qt::ShiftModifier, {"KeyDispatch 57 64"}},       // Shift+9
        {Qt::Key_Ampersand, Qt::NoModifier, {"KeyDispatch 49 0"}, 10},      // the 1 key of a French keyboard
        {Qt::Key_Comma, Qt::NoModifier, {"KeyDispatch 188 0"}},
        {Qt::Key_Question, Qt::ShiftModifier, {"KeyDispatch 191 64"}},
        {Qt::Key_Plus, Qt::KeypadModifier, {"KeyDispatch 107 0"}},
        {Qt::Key_5, Qt::KeypadModifier, {"KeyDispatch 101 0"}},
        {Qt::Key_Enter, Qt::KeypadModifier, {"KeyDispatch 13 0"}},
        {Qt::Key_CapsLock, Qt::NoModifier, {"KeyDispatch 20 0"}},
        {Qt::Key_F5, Qt::ControlModifier, {"KeyDispatch 116 32"}},
        {Qt::Key_F12, Qt::NoModifier, {"KeyDispatch 123 0"}},
    };
    for (const Case& c : cases) {
        dir.ClearTrace();
        Press(c.key, c.modifiers, c.scanCode);
        EXPECT_EQ(dir.Trace(), c.trace) << std::hex << c.key;
    }
    EXPECT_TRUE(prompts.asked().empty());
}

// A key that a shortcut (here the File menu's mnemonic) would take before
// its key press arrives is offered once, on its way to the shortcut; a
// plugin that consumes it keeps the shortcut from running.
TEST_F(MainFrameTest, KeysBoundForAShortcutAreOfferedOnce) {
    setenv("QEL_TRACE_CONSUME", "70", 1);   // F
    EXPECT_TRUE(Press(Qt::Key_F, Qt::AltModifier, 0, true)) << "the shortcut ran";
    EXPECT_EQ(dir.Trace(), Lines{"KeyDispatch 70 16"});

    dir.ClearTrace();
    EXPECT_FALSE(Press(Qt::Key_E, Qt::AltModifier, 0, true));
    EXPECT_FALSE(Press(Qt::Key_E, Qt::AltModifier));   // no shortcut: the key press follows
    EXPECT_EQ(dir.Trace(), (Lines{"KeyDispatch 69 16", "KeyDispatch 69 16"}));

    // A key press made by a program (not the window system) is offered once too.
    dir.ClearTrace();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_E, Qt::AltModifier);
    QApplication::sendEvent(frame, &press);
    EXPECT_EQ(dir.Trace(), Lines{"KeyDispatch 69 16"});
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

// A save into a folder that is not there names the file, and the plan
// stays open with its changes, under its old name.
TEST_F(MainFrameTest, FailedSaveAsKeepsThePlanAndItsChanges) {
    const std::string path = dir.Path() + "plan.qel";
    prompts.AnswerFile(path);
    frame->OnCommand(app_ids::ID_FILE_NEW);
    AddResource("Crane");
    frame->OnCommand(app_ids::ID_FILE_SAVE_AS);
    AddResource("Digger");
    const std::string nowhere = dir.Path() + "gone/plan.qel";
    prompts.AnswerFile(nowhere);
    frame->OnCommand(app_ids::ID_FILE_SAVE_AS);
    ASSERT_EQ(prompts.asked().size(), 3u);
    EXPECT_EQ(prompts.asked()[2].text, "\"" + nowhere + "\" could not be saved. The document stays open with all "
                                       "its changes; save it in another folder or under another name.");
    EXPECT_EQ(frame->windowTitle().toStdString(), "plan.qel * - QEL Planner");
    EXPECT_EQ(data->GetFileName(), path);
    EXPECT_EQ(data->resources->GetCount(), 2);
    EXPECT_FALSE(PathExists(nowhere, false));
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

// The working time set through the menu is one undo step; undo brings the
// old day and weekdays back.
TEST_F(MainFrameTest, WorkingTimeCommandIsOneUndoStep) {
    ASSERT_TRUE(frame->FrameCommands().IsEnabled(app_ids::ID_WORKING_TIME));
    dlgtest::WhenModal<CWorkingTimeDlg>([](CWorkingTimeDlg* dialog) {
        QWidget* day = dialog->GetDlgItem(IDC_WORKING_DAY);
        ui::SendMessage(day, WM_SP_TIMEPERIOD_SETTIME, 0, 420);
        ui::SendMessage(day, WM_SP_TIMEPERIOD_SETTIME, 1, 0);
        for (int position = 0; position < 7; ++position) {
            if (g_localeNames.WeekdayIndex(position) == 5)   // Saturday
                ui::SendMessage(dialog->GetDlgItem(IDC_WORKING_WEEKDAYS), WM_SP_CHECKGROUP_SETCHECK, position, 1);
        }
        dialog->accept();
    });
    frame->OnCommand(app_ids::ID_WORKING_TIME);
    const CPlanProperties& properties = *data->properties;
    EXPECT_EQ(properties.dayStartMinutes, 420);
    EXPECT_EQ(properties.dayEndMinutes, 1440);
    EXPECT_EQ(properties.workingDays[5], 1);   // Saturday
    EXPECT_EQ(ActionText(app_ids::ID_UNDO), "&Undo " + plat::LoadResString(ids::UNDO_WORKING_TIME) + "\tCtrl+Z");

    frame->OnCommand(app_ids::ID_UNDO);
    EXPECT_EQ(properties.dayStartMinutes, 480);
    EXPECT_EQ(properties.dayEndMinutes, 1020);
    EXPECT_EQ(properties.workingDays[5], 0);
    EXPECT_FALSE(data->IsModified());
}

// A date or a time the working-time dialog cannot read is refused as the
// booking dialog refuses it, before the weekdays, the period and the day
// are judged; nothing is written.
TEST_F(MainFrameTest, WorkingTimeRefusesWhatItCannotRead) {
    const CPlanProperties& properties = *data->properties;
    const auto [periodStart, periodEnd, dayStart, dayEnd] =
        std::tuple(properties.periodStart, properties.periodEnd, properties.dayStartMinutes, properties.dayEndMinutes);
    struct Case {
        int control;
        int part;
        const char* typed;
        unsigned message;
    } cases[] = {
        {IDC_WORKING_PERIOD, 0, "31.13.2024x", booking_ids::DATE_MISSING},
        {IDC_WORKING_PERIOD, 1, "", booking_ids::DATE_MISSING},
        {IDC_WORKING_DAY, 0, "25:99", booking_ids::TIME_MISSING},
        {IDC_WORKING_DAY, 1, "", booking_ids::TIME_MISSING},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        bool stayed = false;
        dlgtest::WhenModal<CWorkingTimeDlg>([&c, &stayed](CWorkingTimeDlg* dialog) {
            // No weekday either: what cannot be read is named first.
            for (int position = 0; position < 7; ++position)
                ui::SendMessage(dialog->GetDlgItem(IDC_WORKING_WEEKDAYS), WM_SP_CHECKGROUP_SETCHECK, position, 0);
            dialog->GetDlgItem(c.control)->findChildren<QLineEdit*>().at(c.part)->setText(c.typed);
            static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK))->click();
            stayed = dialog->isVisible();
            dialog->reject();
        });
        const std::size_t asked = prompts.asked().size();
        frame->OnCommand(app_ids::ID_WORKING_TIME);
        EXPECT_TRUE(stayed);
        ASSERT_EQ(prompts.asked().size(), asked + 1);
        EXPECT_EQ(prompts.asked().back().text, plat::LoadResString(c.message));
        EXPECT_EQ(prompts.asked().back().type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
    }
    EXPECT_EQ(std::tuple(properties.periodStart, properties.periodEnd, properties.dayStartMinutes,
                         properties.dayEndMinutes),
              std::tuple(periodStart, periodEnd, dayStart, dayEnd));
    EXPECT_FALSE(data->IsModified());
}

// Each options command that changed a setting tells the plugins, once,
// after the setting is stored; a cancelled dialog tells them nothing.
TEST_F(MainFrameTest, OptionCommandsTellThePluginsOnceTheSettingIsStored) {
    struct Case {
        unsigned command;
        std::function<void(bool ok)> script;
        const char* key;
        const char* value;
    } cases[] = {
        {app_ids::ID_UNITS_ON_SCREEN,
         [](bool ok) {
             dlgtest::WhenModal<CUnitsOnScreenDlg>([ok](CUnitsOnScreenDlg* dialog) {
                 ui::SendMessage(dialog->GetDlgItem(IDC_UNITS_ON_SCREEN), WM_SP_LONGEDIT_SETVALUE, 0, 50);
                 ok ? dialog->accept() : dialog->reject();
             });
         },
         "ViewScheduleUnitsOnScreen", "30 30 30 24 50 13 12 3"},
        {app_ids::ID_EDIT_SETTING,
         [](bool ok) {
             dlgtest::WhenModal<CSettingEditDlg>([ok](CSettingEditDlg* dialog) {
                 static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_SETTING_KEY))->setText("PluginOption");
                 static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_SETTING_VALUE))->setText("7");
                 ok ? dialog->accept() : dialog->reject();
             });
         },
         "PluginOption", "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        for (const bool ok : {false, true}) {
            dir.ClearTrace();
            c.script(ok);
            frame->OnCommand(c.command);
            EXPECT_EQ(GetSetting(c.key), ok ? c.value : "") << ok;
            const Lines trace = dir.Trace();
            EXPECT_EQ(std::count(trace.begin(), trace.end(), "SettingsChanged"), ok ? 1 : 0) << ok;
        }
    }
}

// About shows the program's own version block; print setup stores the
// margins in hundredths of a centimetre.
TEST_F(MainFrameTest, AboutAndPrintSetupCommands) {
    std::string product, version;
    dlgtest::WhenModal<CAboutDlg>([&](CAboutDlg* dialog) {
        product = static_cast<QLabel*>(dialog->GetDlgItem(IDC_ABOUT_PRODUCT))->text().toStdString();
        version = static_cast<QLabel*>(dialog->GetDlgItem(IDC_ABOUT_VERSION))->text().toStdString();
        dialog->accept();
    });
    frame->OnCommand(app_ids::ID_APP_ABOUT);
    EXPECT_EQ(product, "QEL2");
    EXPECT_EQ(version, "Version " + AboutVersionText(plat::VersionValue(nullptr, "ProductVersion")));
    EXPECT_EQ(version.find(','), std::string::npos);

    SetSetting("ReportsPrinterMarginsLeft", "-50");
    QString title;
    dlgtest::WhenModal<CPrintSetupDlg>([&title](CPrintSetupDlg* dialog) {
        title = dialog->windowTitle();
        double top = 1.5;
        ui::SendMessage(dialog->GetDlgItem(IDC_PRINT_MARGIN_TOP), WM_SP_DOUBLEEDIT_SETVALUE, 0,
                        reinterpret_cast<ui::LPARAM>(&top));
        dialog->accept();
    });
    frame->OnCommand(app_ids::ID_FILE_PRINT_SETUP);
    // The dialog is called what its menu item says.
    EXPECT_EQ(title, QString::fromStdString(ActionText(app_ids::ID_FILE_PRINT_SETUP)).remove('&').remove("..."));
    EXPECT_EQ(GetSetting("ReportsPrinterMarginsLeft"), "0");
    EXPECT_EQ(GetSetting("ReportsPrinterMarginsTop"), "150");
    EXPECT_EQ(GetSetting("ReportsPrinterMarginsBottom"), "100");
    EXPECT_EQ(GetSetting("ReportsPrinterFont"), plat::LoadResString(ids::DEFAULT_PRINTER_FONT));
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

// Twice on and off comes back to where it started; the plugins hear each switch.
TEST_F(MainFrameTest, FilterOnOffSwitchesAndNotifies) {
    EXPECT_FALSE(frame->FrameCommands().IsChecked(app_ids::ID_FILTER_ON_OFF));
    frame->OnCommand(app_ids::ID_FILTER_ON_OFF);
    EXPECT_TRUE(frame->FrameCommands().IsChecked(app_ids::ID_FILTER_ON_OFF));
    frame->OnCommand(app_ids::ID_FILTER_ON_OFF);
    EXPECT_FALSE(frame->FrameCommands().IsChecked(app_ids::ID_FILTER_ON_OFF));
    EXPECT_EQ(dir.Trace(), (Lines{"FilterChanged 1 1", "FilterChanged 0 0"}));
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
    EXPECT_EQ(prompts.asked()[1].text, "\"" + path + "\" was opened read-only: it cannot be saved under its own name.");
    EXPECT_EQ(GetSetting("PasswordLast"), "beta");
    EXPECT_FALSE(frame->Action(app_ids::ID_FILE_SAVE)->isEnabled());
    EXPECT_FALSE(frame->Action(app_ids::ID_DOCUMENT_PASSWORDS)->isEnabled());
    EXPECT_EQ(app->RecentFiles().First(), path);
    const Lines trace = dir.Trace();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "FileOpened 0"), trace.end());
}

TEST_F(MainFrameTest, OpenAgainWithTheSecondPasswordGoesReadOnly) {
    QAction* reopen = frame->Action(app_ids::ID_CHANGE_PASSWORD);
    frame->UpdateCommandStates();
    EXPECT_FALSE(reopen->isEnabled()) << "an untitled document has no file to open again";

    const std::string path = dir.Path() + "site.qel";
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "alpha", "beta"), kDataOk);
    frame->OnCommand(app_ids::ID_FILE_NEW);
    std::vector<std::string> entered = {"alpha", "beta"};
    dlgtest::WhenModal<CPasswordEntryDlg>([&](CPasswordEntryDlg* dialog) {
        static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_ENTRY))->setText(QString::fromStdString(entered[0]));
        dialog->accept();
    });
    ASSERT_TRUE(frame->Files().OpenDocument(path));
    EXPECT_FALSE(data->IsReadOnly());
    EXPECT_TRUE(reopen->isEnabled());

    dlgtest::WhenModal<CPasswordEntryDlg>([&](CPasswordEntryDlg* dialog) {
        static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_ENTRY))->setText(QString::fromStdString(entered[1]));
        dialog->accept();
    });
    frame->OnCommand(app_ids::ID_CHANGE_PASSWORD);
    EXPECT_TRUE(prompts.asked().empty()) << prompts.asked().front().text;
    EXPECT_TRUE(data->IsReadOnly());
    EXPECT_EQ(frame->windowTitle().toStdString(), "site.qel - QEL Planner (read-only)");
    EXPECT_FALSE(frame->Action(app_ids::ID_FILE_SAVE)->isEnabled());
    EXPECT_EQ(GetSetting("PasswordLast"), "beta");
    EXPECT_EQ(GetSetting("PasswordEntered"), "1");
}

std::string Snapshot(CPlanData* data);

// Opened read-only with the second password, the plan gains full access
// when it is opened again with the first; the entry dialog asks for it.
// Opened with the first password while another program held the file, the
// plan is opened again with that password without asking once the file is
// free.
TEST_F(MainFrameTest, OpenAgainWithTheFirstPasswordGivesFullAccess) {
    dlgtest::ModalWatchdog watchdog(3000);   // an entry dialog nobody expected
    const std::string path = dir.Path() + "site.qel";
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "alpha", "beta"), kDataOk);
    frame->OnCommand(app_ids::ID_FILE_NEW);
    const auto enter = [](const char* password, int* asked = nullptr) {
        dlgtest::WhenModal<CPasswordEntryDlg>([password, asked](CPasswordEntryDlg* dialog) {
            if (asked != nullptr) ++*asked;
            static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_ENTRY))->setText(password);
            dialog->accept();
        });
    };
    prompts.AnswerMessage(ui::IDOK);   // the read-only note
    enter("beta");
    ASSERT_TRUE(frame->Files().OpenDocument(path));
    ASSERT_TRUE(data->properties->IsWriteProtected());
    ASSERT_EQ(GetSetting("PasswordLast"), "beta");

    int asked = 0;
    enter("alpha", &asked);
    frame->OnCommand(app_ids::ID_CHANGE_PASSWORD);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(data->IsReadOnly());
    EXPECT_FALSE(data->properties->IsWriteProtected());
    EXPECT_EQ(frame->windowTitle().toStdString(), "site.qel - QEL Planner");
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(app_ids::ID_FILE_SAVE)->isEnabled());
    EXPECT_EQ(GetSetting("PasswordLast"), "alpha");

    frame->OnCommand(app_ids::ID_FILE_NEW);
    plat::File other;
    ASSERT_EQ(other.Open(path, true), 0);
    ASSERT_TRUE(other.TryLockWrite());
    prompts.AnswerMessage(ui::IDOK);   // the read-only note
    enter("alpha");
    ASSERT_TRUE(frame->Files().OpenDocument(path));
    ASSERT_TRUE(data->IsReadOnly());
    ASSERT_FALSE(data->properties->IsWriteProtected());
    other.Close();
    asked = 0;
    frame->OnCommand(app_ids::ID_CHANGE_PASSWORD);
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(data->IsReadOnly());
    EXPECT_EQ(frame->windowTitle().toStdString(), "site.qel - QEL Planner");
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_EQ(prompts.asked().size(), 2u) << "the two read-only notes, nothing else";
}

// Cancelling the password leaves the plan as it was, changes included;
// an unprotected plan is read again without a question.
TEST_F(MainFrameTest, OpenAgainCancelledKeepsThePlan) {
    dlgtest::ModalWatchdog watchdog(3000);   // an entry dialog nobody expected
    const std::string path = dir.Path() + "site.qel";
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "alpha", "beta"), kDataOk);
    AddResource("Unsaved");
    const std::string before = Snapshot(data);
    bool shown = false;
    dlgtest::WhenModal<CPasswordEntryDlg>([&shown](CPasswordEntryDlg* dialog) {
        shown = true;
        dialog->reject();
    });
    prompts.AnswerMessage(ui::IDYES);   // the changes may go
    frame->OnCommand(app_ids::ID_CHANGE_PASSWORD);
    EXPECT_TRUE(shown);
    EXPECT_EQ(Snapshot(data), before);
    EXPECT_TRUE(data->IsModified());
    EXPECT_EQ(data->GetFileName(), path);

    const std::string plain = dir.Path() + "plain.qel";
    ui::ScriptedPrompts quiet;
    ASSERT_TRUE(frame->Files().SaveDocumentTo(plain));
    ASSERT_EQ(data->BeginTransaction("Unprotect"), kDataOk);
    data->properties->BeginChange();
    data->properties->passwordFlag = 0;
    ASSERT_EQ(data->CommitTransaction(), kDataOk);
    ASSERT_TRUE(frame->Files().SaveDocumentTo(plain));
    AddResource("Later");
    quiet.AnswerMessage(ui::IDYES);
    frame->OnCommand(app_ids::ID_CHANGE_PASSWORD);
    EXPECT_FALSE(data->IsModified());
    EXPECT_EQ(Snapshot(data), before) << "read again from the file";
    EXPECT_EQ(quiet.asked().size(), 1u) << "only the question about the changes";
}

// A plan opened read-only only because another program holds its file is
// not write-protected: every dialog that changes the plan lets it change,
// and Save goes to Save As.
TEST_F(MainFrameTest, PlanHeldByAnotherProgramCanBeChanged) {
    dlgtest::ModalWatchdog watchdog(3000);   // a dialog whose OK does nothing
    const std::string path = dir.Path() + "held.qel";
    ASSERT_TRUE(frame->Files().SaveDocumentTo(path));
    frame->OnCommand(app_ids::ID_FILE_NEW);
    plat::File other;
    ASSERT_EQ(other.Open(path, true), 0);
    ASSERT_TRUE(other.TryLockWrite());
    prompts.AnswerMessage(ui::IDOK);   // the read-only note
    ASSERT_TRUE(frame->Files().OpenDocument(path));
    ASSERT_TRUE(data->IsReadOnly());
    ASSERT_FALSE(data->properties->IsWriteProtected());
    const CPlanProperties& properties = *data->properties;
    const std::int32_t periodStart = properties.periodStart;
    const std::int32_t periodEnd = properties.periodEnd;
    // One date of the schedule options' period set to a day.
    const auto changePeriod = [](int part, std::int32_t day) {
        dlgtest::WhenModal<CScheduleOptionsDlg>([part, day](CScheduleOptionsDlg* dialog) {
            QWidget* period = dialog->GetDlgItem(IDC_SCHEDULE_PERIOD);
            EXPECT_TRUE(period->isEnabled());
            ui::SendMessage(period, WM_SP_DATEPERIOD_SETDATE, ui::WPARAM(part), day);
            static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK))->click();
        });
    };

    struct Case {
        unsigned command;
        std::function<void()> script;   // what the user does in the dialog
        std::function<bool()> changed;
    } cases[] = {
        {app_ids::ID_WORKING_TIME,
         [] {
             dlgtest::WhenModal<CWorkingTimeDlg>([](CWorkingTimeDlg* dialog) {
                 ui::SendMessage(dialog->GetDlgItem(IDC_WORKING_DAY), WM_SP_TIMEPERIOD_SETTIME, 0, 420);
                 static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK))->click();
             });
         },
         [&] { return properties.dayStartMinutes == 420; }},
        // Either date alone is a change of the period.
        {app_ids::ID_SCHEDULE_OPTIONS, [&] { changePeriod(0, periodStart - 7); },
         [&] { return properties.periodStart == periodStart - 7 && properties.periodEnd == periodEnd; }},
        {app_ids::ID_SCHEDULE_OPTIONS, [&] { changePeriod(1, periodEnd + 7); },
         [&] { return properties.periodStart == periodStart - 7 && properties.periodEnd == periodEnd + 7; }},
        {app_ids::ID_FILTER_DIALOG,
         [] {
             dlgtest::WhenModal<CFilterDlg>([](CFilterDlg* dialog) {
                 EXPECT_TRUE(dialog->GetDlgItem(IDC_FILTER_SAVE_AS)->isEnabled());
                 dialog->reject();
             });
         },
         [] { return true; }},
        {app_ids::ID_DOCUMENT_PASSWORDS,
         [] {
             dlgtest::WhenModal<CFilePasswordDlg>([](CFilePasswordDlg* dialog) {
                 static_cast<QAbstractButton*>(dialog->GetDlgItem(IDC_PASSWORD_PROTECT))->click();
                 static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_FIRST))->setText("alpha");
                 dlgtest::WhenModal<CPasswordConfirmDlg>([](CPasswordConfirmDlg* confirm) {
                     static_cast<QLineEdit*>(confirm->GetDlgItem(IDC_PASSWORD_ENTRY))->setText("alpha");
                     static_cast<QAbstractButton*>(confirm->GetDlgItem(ui::IDOK))->click();
                 });
                 static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK))->click();
             });
         },
         [&] { return properties.passwordFlag == 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        frame->UpdateCommandStates();
        ASSERT_TRUE(frame->Action(c.command)->isEnabled());
        c.script();
        frame->OnCommand(c.command);
        EXPECT_TRUE(c.changed());
    }
    EXPECT_TRUE(data->IsModified());
    const std::string copy = dir.Path() + "copy.qel";
    prompts.AnswerFile(copy);
    frame->OnCommand(app_ids::ID_FILE_SAVE);
    EXPECT_EQ(data->GetFileName(), copy);
    EXPECT_FALSE(data->IsModified());
    EXPECT_TRUE(prompts.allAnswered());
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

// Every built-in named command either does its work or answers 0 and leaves
// everything as it was; none answers 1 for work it did not do.
TEST_F(MainFrameTest, NamedCommandsWorkOrAnswerZero) {
    ASSERT_EQ(data->BeginTransaction("Setup"), kDataOk);
    CResourceGroup* resourceGroup = data->resourceGroups->Create();
    resourceGroup->SetName("Machines");
    ASSERT_EQ(data->resourceGroups->Add(resourceGroup), kDataOk);
    CTaskGroup* taskGroup = data->taskGroups->Create();
    taskGroup->SetName("Earthworks");
    ASSERT_EQ(data->taskGroups->Add(taskGroup), kDataOk);
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
    const std::string undoText = ActionText(app_ids::ID_UNDO);

    BookingList list{&booking, 1};
    ReportRequest report{};
    BookingConflictRequest conflicts{};
    auto texts = std::make_unique<StatusBarTexts>();
    std::strcpy(texts->pane0, "left");
    std::strcpy(texts->pane1, "middle");
    struct Case {
        const char* name;
        void* arg;
        std::int32_t result;   // 1: the command did its work (checked below)
        bool dialog = false;   // it shows a dialog, which is cancelled
    } cases[] = {
        {"EditResource", nullptr, 0},
        {"DeleteTaskGroup", nullptr, 0},
        {"EditBooking", booking, 1, true},
        {"ShowBookingListSelection", nullptr, 1},   // no view: nothing selected to list
        {"ShowBookingList", &list, 1, true},
        {"DoReport", &report, 0},
        {"CheckbookingConflicts", &conflicts, 1},   // the check is off
        {"SetStatusBarText", texts.get(), 1},
    };
    SetSetting("Kept", "1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.dialog) dlgtest::WhenModal<QDialog>([](QDialog* dialog) { dialog->reject(); });
        EXPECT_EQ(QELA_Command(c.name, c.arg), c.result);
        EXPECT_TRUE(prompts.asked().empty());
        EXPECT_EQ(data->resources->GetCount(), 1);
        EXPECT_EQ(data->tasks->GetCount(), 1);
        EXPECT_EQ(data->resourceGroups->GetCount(), 1);
        EXPECT_EQ(data->taskGroups->GetCount(), 1);
        EXPECT_EQ(data->bookings->GetCount(), 1);
        EXPECT_EQ(ActionText(app_ids::ID_UNDO), undoText);
    }
    EXPECT_EQ(frame->PaneText(0), "left");
    EXPECT_EQ(frame->PaneText(1), "middle");
    EXPECT_EQ(QELA_Command("ResetSettings", nullptr), 1);
    EXPECT_EQ(GetSetting("Kept"), "");
}

// Every record of the lists and the bookings with the fields the commands change.
std::string Snapshot(CPlanData* data) {
    std::vector<std::string> lines;
    std::vector<CResourceGroup*> groups(std::size_t(data->resourceGroups->GetCount()));
    data->resourceGroups->GetAll(groups.data());
    for (auto* g : groups) lines.push_back("group " + std::string(g->name) + " " + std::to_string(g->orderIndex));
    std::vector<CResource*> resources(std::size_t(data->resources->GetCount()));
    data->resources->GetAll(resources.data());
    for (auto* r : resources)
        lines.push_back("resource " + std::to_string(r->id) + " " + r->name + " " + std::to_string(r->orderIndex) + " " +
                        (r->group ? r->group->name : "-"));
    std::vector<CBooking*> bookings(std::size_t(data->bookings->GetCount()));
    data->bookings->GetAll(bookings.data());
    for (auto* b : bookings)
        lines.push_back("booking " + std::to_string(b->id) + " " + b->resource->name + " " + std::to_string(b->startDay));
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

// The twelve commands of the lists run their dialogs: 1 whatever the user
// chose, 0 without the record they need.
TEST_F(MainFrameTest, ItemCommandsRunTheirDialogsAndAnswerOne) {
    ASSERT_EQ(data->BeginTransaction("Setup"), kDataOk);
    CResourceGroup* machines = data->resourceGroups->Create();
    machines->SetName("Machines");
    machines->orderIndex = 0;
    ASSERT_EQ(data->resourceGroups->Add(machines), kDataOk);
    CTaskGroup* earthworks = data->taskGroups->Create();
    earthworks->SetName("Earthworks");
    ASSERT_EQ(data->taskGroups->Add(earthworks), kDataOk);
    CResource* crane = data->resources->Create();
    crane->SetName("Crane");
    crane->orderIndex = 1;
    ASSERT_EQ(data->resources->Add(crane), kDataOk);
    CTask* lift = data->tasks->Create();
    lift->SetName("Lift");
    ASSERT_EQ(data->tasks->Add(lift), kDataOk);
    ASSERT_EQ(data->CommitTransaction(), kDataOk);
    const std::string before = Snapshot(data);
    // Memory that holds no record of the plan; the commands must not look inside.
    alignas(std::max_align_t) char nothing[512] = {};
    void* stranger = nothing;

    const struct {
        const char* name;
        void* arg;
        bool groupDialog;
        bool confirms;
    } cases[] = {
        {"AddResource", nullptr, false, false},       {"AddTask", nullptr, false, false},
        {"AddResourceGroup", nullptr, true, false},   {"AddTaskGroup", nullptr, true, false},
        {"EditResource", crane, false, false},        {"EditTask", lift, false, false},
        {"EditResourceGroup", machines, true, false}, {"EditTaskGroup", earthworks, true, false},
        {"DeleteResource", crane, false, true},       {"DeleteTask", lift, false, true},
        {"DeleteResourceGroup", machines, false, true}, {"DeleteTaskGroup", earthworks, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool shown = false;
        if (c.confirms) {
            prompts.AnswerMessage(ui::IDNO);
        } else if (c.groupDialog) {
            dlgtest::WhenModal<CGroupDlg>([&](CGroupDlg* d) { shown = true; d->reject(); });
        } else {
            dlgtest::WhenModal<CItemDlg>([&](CItemDlg* d) { shown = true; d->reject(); });
        }
        EXPECT_EQ(QELA_Command(c.name, c.arg), 1);
        EXPECT_TRUE(c.confirms ? prompts.allAnswered() : shown);
        EXPECT_EQ(Snapshot(data), before);
        if (c.arg == nullptr) continue;
        // Without its record, or with one that is not in the plan, a command
        // does nothing and answers 0: no dialog, no question, no message.
        const std::size_t asked = prompts.asked().size();
        EXPECT_EQ(QELA_Command(c.name, nullptr), 0);
        EXPECT_EQ(QELA_Command(c.name, stranger), 0);
        EXPECT_EQ(prompts.asked().size(), asked);
        EXPECT_EQ(Snapshot(data), before);
    }

    // Added through the dialog: one undo step.
    dlgtest::WhenModal<CItemDlg>([](CItemDlg* d) {
        static_cast<QLineEdit*>(d->GetDlgItem(1002))->setText("Digger");
        d->accept();
    });
    EXPECT_EQ(QELA_Command("AddResource", nullptr), 1);
    EXPECT_EQ(data->resources->GetCount(), 2);
    EXPECT_EQ(ActionText(app_ids::ID_UNDO).find("Add Resource") != std::string::npos, true);
}

// Deleting a resource asks once and takes its bookings in the same step; undo puts every record back.
TEST_F(MainFrameTest, DeleteResourceTakesItsBookingsAndUndoRestoresAll) {
    ASSERT_EQ(data->BeginTransaction("Setup"), kDataOk);
    CResourceGroup* machines = data->resourceGroups->Create();
    machines->SetName("Machines");
    machines->orderIndex = 1;
    ASSERT_EQ(data->resourceGroups->Add(machines), kDataOk);
    CTask* lift = data->tasks->Create();
    lift->SetName("Lift");
    ASSERT_EQ(data->tasks->Add(lift), kDataOk);
    std::vector<CResource*> resources;
    for (const char* name : {"Van", "Crane", "Digger"}) {
        CResource* r = data->resources->Create();
        r->SetName(name);
        r->orderIndex = std::int32_t(resources.size() == 0 ? 0 : resources.size() - 1);
        if (resources.size() > 0) r->group = machines;
        ASSERT_EQ(data->resources->Add(r), kDataOk);
        resources.push_back(r);
    }
    for (int day = 0; day < 3; ++day) {
        for (CResource* r : resources) {
            CBooking* b = data->bookings->Create();
            b->resource = r;
            b->task = lift;
            b->startDay = b->endDay = 2460000 + day;
            b->endMinutes = 60;
            ASSERT_EQ(data->bookings->Add(b), kDataOk);
        }
    }
    ASSERT_EQ(data->CommitTransaction(), kDataOk);
    const std::string before = Snapshot(data);

    prompts.AnswerMessage(ui::IDYES);
    EXPECT_EQ(QELA_Command("DeleteResource", resources[1]), 1);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "Delete the resource \"Crane\" and its bookings?");
    EXPECT_EQ(prompts.asked()[0].type, ui::MB_YESNO | ui::MB_ICONEXCLAMATION | ui::MB_DEFBUTTON2);
    EXPECT_EQ(data->resources->GetCount(), 2);
    EXPECT_EQ(data->bookings->GetCount(), 6);
    EXPECT_EQ(resources[2]->orderIndex, 0) << "the group's sequence closes up";
    EXPECT_NE(ActionText(app_ids::ID_UNDO).find("Delete Resource"), std::string::npos);

    frame->OnCommand(app_ids::ID_UNDO);
    EXPECT_EQ(Snapshot(data), before);
}

// On a write-protected document the changing commands change nothing and
// answer 0 without a message (the plugin that asked may tell the user);
// editing only shows.
TEST_F(MainFrameTest, ItemCommandsOnAWriteProtectedDocumentRefuseQuietly) {
    ASSERT_EQ(data->BeginTransaction("Setup"), kDataOk);
    CResource* crane = data->resources->Create();
    crane->SetName("Crane");
    ASSERT_EQ(data->resources->Add(crane), kDataOk);
    ASSERT_EQ(data->CommitTransaction(), kDataOk);
    const std::string path = dir.Path() + "site.qel";
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "alpha", "beta"), kDataOk);
    frame->OnCommand(app_ids::ID_FILE_NEW);
    dlgtest::WhenModal<CPasswordEntryDlg>([&](CPasswordEntryDlg* dialog) {
        static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_ENTRY))->setText("beta");
        dialog->accept();
    });
    ASSERT_TRUE(frame->Files().OpenDocument(path));
    ASSERT_TRUE(data->properties->IsWriteProtected());
    CResource* opened = nullptr;
    data->resources->GetAll(&opened);
    const std::string before = Snapshot(data);
    const std::size_t asked = prompts.asked().size();

    for (const char* name : {"AddResource", "AddTask", "AddResourceGroup", "AddTaskGroup", "DeleteResource"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(QELA_Command(name, opened), 0);
    }
    EXPECT_EQ(prompts.asked().size(), asked);
    bool okEnabled = true;
    dlgtest::WhenModal<CItemDlg>([&](CItemDlg* d) {
        okEnabled = d->GetDlgItem(ui::IDOK)->isEnabled();
        d->reject();
    });
    EXPECT_EQ(QELA_Command("EditResource", opened), 1);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(Snapshot(data), before);
}

TEST_F(MainFrameTest, MenusShowMnemonicsAndShortcuts) {
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    for (QAction* menuItem : menus) {
        SCOPED_TRACE(menuItem->text().toStdString());
        EXPECT_EQ(menuItem->text().count('&'), 1);
        emit menuItem->menu()->aboutToShow();   // the recent files and the states
        std::set<QChar> mnemonics;
        for (QAction* item : menuItem->menu()->actions()) {
            if (item->isSeparator()) continue;
            const QString text = item->text();
            const qsizetype mark = text.indexOf('&');
            ASSERT_GE(mark, 0) << text.toStdString();
            EXPECT_TRUE(mnemonics.insert(text[mark + 1].toLower()).second) << "repeated in " << text.toStdString();
        }
    }
    struct Case {
        unsigned id;
        const char* text;
    } cases[] = {
        {app_ids::ID_FILE_NEW, "&New\tCtrl+N"},
        {app_ids::ID_FILE_OPEN, "&Open...\tCtrl+O"},
        {app_ids::ID_FILE_SAVE, "&Save\tCtrl+S"},
        {app_ids::ID_FILE_SAVE_AS, "Save &As..."},
        {app_ids::ID_UNDO, "&Undo \tCtrl+Z"},
        {app_ids::ID_REPORT_PRINT, "&Print Report...\tCtrl+P"},
        {app_ids::ID_BOOKING_CUT, "Cu&t Booking\tCtrl+X"},
        {app_ids::ID_BOOKING_COPY, "&Copy Booking\tCtrl+C"},
        {app_ids::ID_BOOKING_PASTE, "&Paste Booking\tCtrl+V"},
        {app_ids::ID_BOOKING_DELETE, "&Delete Bookings\tDel"},
    };
    for (const Case& c : cases) EXPECT_EQ(ActionText(c.id), c.text);
    // The toolbar shows the names alone.
    EXPECT_EQ(frame->Action(app_ids::ID_FILE_NEW)->iconText(), "New");
    EXPECT_EQ(frame->Action(app_ids::ID_FILE_SAVE_AS)->toolTip(), "Save As");
}

TEST_F(MainFrameTest, MenuItemsFollowTheCommandTable) {
    // An id of the menus whose command is not registered stays disabled.
    constexpr unsigned id = app_ids::ID_EDIT_SETTING;
    frame->FrameCommands().Set(id, {});
    frame->UpdateCommandStates();
    EXPECT_FALSE(frame->Action(id)->isEnabled());
    frame->OnCommand(id);   // nothing to run, nothing happens

    int runs = 0;
    bool enabled = false;
    bool checked = false;
    frame->FrameCommands().Set(id, {[&] { ++runs; }, [&] { return enabled; }, [&] { return checked; }});
    frame->UpdateCommandStates();
    EXPECT_FALSE(frame->Action(id)->isEnabled());
    frame->OnCommand(id);
    EXPECT_EQ(runs, 0);   // a disabled command does not run from a key either

    enabled = checked = true;
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(id)->isEnabled());
    EXPECT_TRUE(frame->Action(id)->isChecked());
    frame->Action(id)->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MainFrameTest, NoViewIsActiveAfterTheSettingsWereReset) {
    QComboBox* combo = frame->ToolBar()->BaseUnitCombo();
    frame->UpdateCommandStates();   // as while the window shows
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_EQ(QELA_Command("ResetSettings", nullptr), 1);
    QELA_OnSettingsChanged();
    EXPECT_FALSE(combo->isEnabled());
}

// The toolbar's 24 places in their order: each button is the menu item of
// its command itself (so its state is the item's), with an icon; the combo
// box sits in its place.
TEST_F(MainFrameTest, ToolbarPlacesFollowTheButtonTable) {
    int count = 0;
    const unsigned* table = CMainToolBar::ButtonTable(&count);
    ASSERT_EQ(count, 24);
    const QList<QAction*> items = frame->ToolBar()->actions();
    ASSERT_GE(items.size(), count);
    for (int place = 0; place < count; ++place) {
        QAction* item = items[place];
        if (table[place] == 0) {
            EXPECT_TRUE(item->isSeparator()) << place;
        } else if (table[place] == app_ids::ID_BASE_UNIT_COMBO) {
            EXPECT_EQ(frame->ToolBar()->widgetForAction(item), frame->ToolBar()->BaseUnitCombo()) << place;
        } else {
            EXPECT_EQ(item, frame->Action(table[place])) << place;
            EXPECT_FALSE(item->icon().isNull()) << place;
        }
    }
}

// A plugin that registers a command, the global report and the report of view 0.
class PluginCommandsTest : public MainFrameTest {
protected:
    void SetUp() override {
        setenv("QEL_TRACE_REGISTER", "1", 1);
        MainFrameTest::SetUp();
    }
    // The plugin's command on the first menu and on the toolbar.
    std::vector<QAction*> PluginItems() {
        std::vector<QAction*> items;
        QList<QAction*> all = frame->menuBar()->actions().front()->menu()->actions();
        all += frame->ToolBar()->actions();
        for (QAction* item : all) {
            if (item->data().toUInt() >= PLUGIN_COMMAND_FIRST_ID) items.push_back(item);
        }
        return items;
    }
};

TEST_F(PluginCommandsTest, UpdateStatesReachTheMenuItemAndTheButton) {
    const std::vector<QAction*> items = PluginItems();
    ASSERT_EQ(items.size(), 2u);
    struct Case {
        const char* update;
        bool enabled;
        bool checked;
    } cases[] = {{"1", false, false}, {"2", true, true}, {"3", false, true}, {"0", true, false}};
    for (const Case& c : cases) {
        setenv("QEL_TRACE_UPDATE", c.update, 1);
        emit frame->menuBar()->actions().front()->menu()->aboutToShow();
        for (QAction* item : items) {
            EXPECT_EQ(item->isEnabled(), c.enabled) << c.update;
            EXPECT_EQ(item->isChecked(), c.checked) << c.update;
        }
    }
    // The toolbar button follows while the window shows, as the menu does when it opens.
    frame->show();
    setenv("QEL_TRACE_UPDATE", "1", 1);
    QTest::qWait(600);
    EXPECT_FALSE(items[1]->isEnabled());

    setenv("QEL_TRACE_UPDATE", "0", 1);
    frame->UpdateCommandStates();
    dir.ClearTrace();
    for (QAction* item : items) item->trigger();
    EXPECT_EQ(dir.Trace(), (Lines{"Command CMainFrame", "Command CMainFrame"}));
}

TEST_F(PluginCommandsTest, ReportCommandsReachTheReportsOfTheActiveView) {
    struct Case {
        const char* viewActive;
        bool viewReport;   // the plugin's report of view 0 applies
    } cases[] = {{"0", true}, {"1", false}, {"", false}, {"-1", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.viewActive);
        SetSetting("ViewActive", c.viewActive);
        frame->UpdateCommandStates();
        EXPECT_TRUE(frame->Action(app_ids::ID_REPORT_GLOBAL)->isEnabled());
        EXPECT_EQ(frame->Action(app_ids::ID_REPORT_PREVIEW)->isEnabled(), c.viewReport);
        EXPECT_EQ(frame->Action(app_ids::ID_REPORT_PRINT)->isEnabled(), c.viewReport);
        dir.ClearTrace();
        for (unsigned id : {app_ids::ID_REPORT_GLOBAL, app_ids::ID_REPORT_PREVIEW, app_ids::ID_REPORT_PRINT}) {
            frame->Action(id)->trigger();
        }
        const Lines expected = c.viewReport ? Lines{"Report global 1", "Report view 1", "Report view 2"}
                                            : Lines{"Report global 1"};
        EXPECT_EQ(dir.Trace(), expected);
    }
}

// Without a plugin that registers reports, the report commands stay disabled.
TEST_F(MainFrameTest, ReportCommandsWithoutAReportAreDisabled) {
    SetSetting("ViewActive", "0");
    frame->UpdateCommandStates();
    for (unsigned id : {app_ids::ID_REPORT_GLOBAL, app_ids::ID_REPORT_PREVIEW, app_ids::ID_REPORT_PRINT,
                        app_ids::ID_EXPORT}) {
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
        frame->Action(id)->trigger();
    }
    EXPECT_TRUE(dir.Trace().empty());
}

TEST_F(MainFrameTest, RecentFileThatIsGoneIsReportedAndKept) {
    app->RecentFiles().Add("/nowhere/R&D plan.qel");
    QMenu* fileMenu = frame->menuBar()->actions().front()->menu();
    emit fileMenu->aboutToShow();
    QAction* item = nullptr;
    for (QAction* action : fileMenu->actions()) {
        if (action->data().toUInt() == app_ids::ID_FILE_MRU_FILE1) item = action;
    }
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&1 /nowhere/R&&D plan.qel");   // the path's "&" is no mnemonic
    item->trigger();
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "The file \"/nowhere/R&D plan.qel\" was not found.");
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(app->RecentFiles().First(), "/nowhere/R&D plan.qel");
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

TEST_F(PlacementTest, HugeRectangleStaysOnTheScreen) {
    apptest::ProgramDirectory dir;
    dir.WriteSettings("ViewMainWindowRect=-2147483648 0 2147483647 1\nViewMainWindowMaximized=0\n");
    AppEnvironment env = dir.Environment();
    env.hiddenWindow = false;
    CMainApp app(env);
    ASSERT_TRUE(app.InitInstance());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect placed = app.MainFrame()->geometry();
    // The frame may add its border around the screen-wide window.
    EXPECT_TRUE(screen.contains(app.MainFrame()->frameGeometry().topLeft()));
    EXPECT_EQ(placed.width(), screen.width());
    EXPECT_LE(placed.top(), screen.bottom());
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

// The settings a user changed come back at the next start, from the user's
// profile or from the INI file a settings file names; the last password never
// reaches either.
struct RestartCase {
    const char* name;
    const char* settingsFile;
    const char* iniFile;   // below the program directory; "" for the profile route
};

void PrintTo(const RestartCase& c, std::ostream* out) { *out << c.name; }

class RestartTest : public MainAppTest, public ::testing::WithParamInterface<RestartCase> {
protected:
    std::unique_ptr<CMainApp> Start() {
        SettingsStore().Clear();   // as in a new process
        AppEnvironment env = dir.Environment();
        env.hiddenWindow = false;
        auto app = std::make_unique<CMainApp>(env);
        EXPECT_TRUE(app->InitInstance());
        return app;
    }
    apptest::ProgramDirectory dir;
};

TEST_P(RestartTest, HostKeysSurviveARestart) {
    const RestartCase& c = GetParam();
    CUserProfile("QEL", "QEL Planner").Settings().clear();   // a new user
    dir.WriteSettings(c.settingsFile);
    const std::pair<const char*, const char*> keys[] = {
        {"PluginValue", "views=2, \"@first\"\nsecond line = yes; Grüße"},
        {"ReportsPrinterFont", "Liberation Serif,100"},
        {"ReportsPrinterMarginsLeft", "150"},
        {"ReportsPrinterMarginsTop", "120"},
        {"ReportsPrinterMarginsRight", "90"},
        {"ReportsPrinterMarginsBottom", "80"},
        {"DirectoryFiles", "/home/planner/plans/"},
        {"ViewScheduleBaseUnit", "2"},
        {"ViewMainWindowHeightTopArea", "240"},
    };

    std::unique_ptr<CMainApp> app = Start();
    const std::string profile = app->Profile()->FileName();
    EXPECT_EQ(profile.rfind(std::string(getenv("XDG_CONFIG_HOME")) + "/", 0), 0u) << profile;
    for (const auto& [key, value] : keys) SetSetting(key, value);
    SetSetting("PasswordLast", "secret");
    CMainFrame* frame = app->MainFrame();
    frame->showNormal();
    frame->setGeometry(50, 60, 300, 200);
    ASSERT_TRUE(frame->close());
    app->ExitInstance();
    app.reset();

    const std::string iniText = testing::ReadFile(*c.iniFile ? dir.Path() + c.iniFile : "");
    const std::string profileText = testing::ReadFile(profile);
    const std::string& written = *c.iniFile ? iniText : profileText;
    EXPECT_NE(written.find("ViewMainWindowRect=50 60 350 260"), std::string::npos) << written;
    EXPECT_NE(written.find("ReportsPrinterMarginsBottom=80"), std::string::npos) << written;
    for (const std::string& text : {iniText, profileText}) {
        EXPECT_EQ(text.find("secret"), std::string::npos) << text;
        EXPECT_EQ(text.find("PasswordLast"), std::string::npos) << text;
    }
    if (*c.iniFile) {
        // Sections as the INI transfer names them; newlines as the marker.
        EXPECT_NE(iniText.find("[Views]\n"), std::string::npos) << iniText;
        EXPECT_NE(iniText.find("[Reports]\n"), std::string::npos) << iniText;
        EXPECT_NE(iniText.find("[Basic]\n"), std::string::npos) << iniText;
        EXPECT_NE(iniText.find("\nPluginValue=views=2, \"@first\"<!nl!>second line = yes; Grüße\n"),
                  std::string::npos)
            << iniText;
        EXPECT_NE(iniText.find("\nDirectoryFiles=/home/planner/plans/\n"), std::string::npos) << iniText;
        EXPECT_NE(iniText.find("\nViewScheduleBaseUnit=2\n"), std::string::npos) << iniText;
        EXPECT_EQ(profileText.find("PluginValue"), std::string::npos) << "the profile keeps no INI key";
    }

    app = Start();
    for (const auto& [key, value] : keys) EXPECT_EQ(GetSetting(key), value) << key;
    EXPECT_EQ(GetSetting("PasswordLast"), "");
    EXPECT_EQ(GetSetting("ViewMainWindowMaximized"), "0");
    EXPECT_EQ(app->MainFrame()->geometry(), QRect(50, 60, 300, 200));
    EXPECT_EQ(app->MainFrame()->ToolBar()->BaseUnitCombo()->currentIndex(), 2);
    app->ExitInstance();
}

// Options changed in their dialogs are written at exit and read at the next start.
TEST_P(RestartTest, OptionDialogsSurviveARestart) {
    const RestartCase& c = GetParam();
    CUserProfile("QEL", "QEL Planner").Settings().clear();   // a new user
    dir.WriteSettings(c.settingsFile);
    std::unique_ptr<CMainApp> app = Start();
    const std::string profile = app->Profile()->FileName();
    CMainFrame* frame = app->MainFrame();

    dlgtest::WhenModal<CViewOptionsDlg>([](CViewOptionsDlg* dialog) {
        static_cast<QCheckBox*>(dialog->GetDlgItem(IDC_VIEW_SHOW_NON_WORKING))->click();
        static_cast<QCheckBox*>(dialog->GetDlgItem(IDC_VIEW_MARK_TODAY))->click();
        dialog->accept();
    });
    frame->OnCommand(app_ids::ID_VIEW_OPTIONS);
    dlgtest::WhenModal<CUnitsOnScreenDlg>([](CUnitsOnScreenDlg* dialog) {
        ui::SendMessage(dialog->GetDlgItem(IDC_UNITS_ON_SCREEN), WM_SP_LONGEDIT_SETVALUE, 0, 50);
        dialog->accept();
    });
    frame->OnCommand(app_ids::ID_UNITS_ON_SCREEN);
    dlgtest::WhenModal<CScheduleOptionsDlg>([](CScheduleOptionsDlg* dialog) {
        auto* unit = static_cast<QComboBox*>(dialog->GetDlgItem(IDC_SCHEDULE_BASE_UNIT));
        unit->setCurrentIndex(3);
        emit unit->activated(3);
        static_cast<QComboBox*>(dialog->GetDlgItem(IDC_SCHEDULE_MINOR_FORMAT))->setCurrentIndex(1);
        dialog->accept();
    });
    frame->OnCommand(app_ids::ID_SCHEDULE_OPTIONS);
    EXPECT_EQ(frame->ToolBar()->BaseUnitCombo()->currentIndex(), 3);
    dlgtest::WhenModal<CSettingEditDlg>([](CSettingEditDlg* dialog) {
        static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_SETTING_KEY))->setText("CheckBookingConflicts");
        static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_SETTING_VALUE))->setText("1");
        dialog->accept();
    });
    frame->OnCommand(app_ids::ID_EDIT_SETTING);
    EXPECT_EQ(GetSetting("CheckBookingConflicts"), "1");
    ASSERT_TRUE(frame->close());
    app->ExitInstance();
    app.reset();

    const std::string iniText = testing::ReadFile(*c.iniFile ? dir.Path() + c.iniFile : "");
    const std::string profileText = testing::ReadFile(profile);
    const std::string& written = *c.iniFile ? iniText : profileText;
    const char* lines[] = {"ViewScheduleNonWorkingTimeHide=1", "ViewMarkToday=0",
                           "ViewScheduleUnitsOnScreen=30 30 30 24 50 13 12 3", "ViewScheduleBaseUnit=3",
                           "ViewScheduleTimeBarFormatMinor=", "CheckBookingConflicts=1"};
    for (const char* line : lines) EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;

    app = Start();
    EXPECT_EQ(GetSetting("ViewScheduleNonWorkingTimeHide"), "1");
    EXPECT_EQ(GetSetting("ViewMarkToday"), "0");
    EXPECT_EQ(GetSetting("ViewScheduleUnitsOnScreen"), "30 30 30 24 50 13 12 3");
    EXPECT_EQ(GetSetting("ViewScheduleBaseUnit"), "3");
    EXPECT_EQ(GetSetting("CheckBookingConflicts"), "1");
    LabelCodes major{}, minor{};
    LoadTimeBarFormats([](std::string_view key) { return GetSetting(std::string(key)); }, major, minor);
    EXPECT_EQ(minor[3], 31);   // the second hour format
    EXPECT_EQ(app->MainFrame()->ToolBar()->BaseUnitCombo()->currentIndex(), 3);
    app->ExitInstance();
}

INSTANTIATE_TEST_SUITE_P(Routes, RestartTest,
                         ::testing::Values(RestartCase{"Profile", "", ""},
                                           RestartCase{"IniFile", "InitializationFile = planner.ini\n",
                                                       "planner.ini"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
