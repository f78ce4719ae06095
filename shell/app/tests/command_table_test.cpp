// Every command of the menu bar and the toolbar, run through the real main
// window with the real plugins: each one either has an effect the test can
// see, or is disabled in the state where it cannot work. A new menu item
// without a row here fails the test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app_fixture.h"
#include "app_ids.h"
#include "help_frame_commands.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_toolbar.h"
#include "main_view.h"
#include "password_dialogs.h"
#include "plan_builder.h"
#include "data_library.h"
#include "plan_data.h"
#include "plan_dump.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "report_preview.h"
#include "report_printing.h"
#include "settings_store.h"
#include "string_ids.h"
#include "support/calendar_values.h"
#include "testing/temp_directory.h"
#include "ui/message.h"
#include "ui/scroll_bar.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"

namespace {

using namespace app_ids;

constexpr std::uint32_t kMarked = 0x0000C0;   // the booking's bar colour, 0x00BBGGRR
constexpr unsigned kHScroll = 0x0114;

int Day(int day, int month = 1, int year = 2025) { return DateToJulianDay(month, day, year); }

void CollectIds(const QList<QAction*>& items, std::map<unsigned, QAction*>& ids) {
    for (QAction* item : items) {
        if (QMenu* menu = item->menu()) {
            emit menu->aboutToShow();   // builds what a menu adds only when it opens
            CollectIds(menu->actions(), ids);
        } else if (const unsigned id = item->data().toUInt(); id != 0) {
            ids.emplace(id, item);
        }
    }
}

// Closes whatever modal dialog a command opens and remembers its class, so
// that no row can hang on a dialog the table did not expect.
class ModalCloser {
public:
    ModalCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
                shown_.push_back(dialog->metaObject()->className());
                dialog->reject();
            }
        });
        timer_.start(10);
    }
    std::vector<std::string> Take() { return std::exchange(shown_, {}); }

private:
    QTimer timer_;
    std::vector<std::string> shown_;
};

// A click below every row selects nothing; one on the bar selects the
// booking; one on an empty day of its row selects that day and resource.
// No active view: "ViewActive" names none of the three (the views plugin
// then shows its calendar); no visible view: no plugin shows a view at all.
enum class State { Writable, NoSelection, BookingSelected, DaySelected, NoActiveView, NoVisibleView };

struct Outcome {
    ui::ScriptedPrompts& prompts;
    std::vector<std::string> dialogs;   // classes of the modal dialogs shown
};

struct Row {
    unsigned id;
    State state;
    bool disabled;                                  // disabled in that state, not run
    std::function<void(ui::ScriptedPrompts&)> script;   // answers before the run
    std::function<void(const Outcome&)> check;          // the effect after the run
};

class CommandTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        dir.UseRealPlugins();
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        frame->resize(900, 500);
        frame->show();
        frame->View()->resize(800, 400);
        SetSetting("ViewOpenFileToday", "0");
        SetSetting("ViewScheduleBaseUnit", "4");
        SetSetting("ViewScheduleNonWorkingTimeHide", "0");
        SetSetting("ViewScheduleUnitsOnScreen", "30 30 30 24 31 13 12 3");
        SetSetting("ViewActive", "0");
        QELA_OnViewChanged();
        BuildPlan();
        SetReportPrintDialog([this](QWidget*, QPrinter& printer, int) {
            printer.setOutputFileName(QString::fromStdString(pdf));
            return true;
        });
    }
    void TearDown() override {
        SetReportPrintDialog({});
        {
            ui::ScriptedPrompts prompts;
            prompts.AnswerMessage(ui::IDNO);   // the plan built here is not saved
            frame->close();
        }
        app->ExitInstance();
        app.reset();
        SettingsStore().Clear();
    }

    // A group of two resources, one booking on 6 January, its bar in a colour of its own.
    void BuildPlan() {
        dlgtest::PlanBuilder plan(frame->Data());
        plan.Period(Day(1), Day(30, 6));
        CTask* work = plan.Task("Work", 0);
        CResourceGroup* team = plan.ResourceGroup("Team", 0);
        CResource* alice = plan.Resource("Alice", 1, team);
        plan.Resource("Bert", 2, team);
        CBooking* booking = plan.Booking(alice, work, Day(6), 480, Day(6), 1020);
        ASSERT_EQ(frame->Data()->BeginTransaction("Colour"), kDataOk);
        booking->BeginChange();
        booking->color2 = kMarked;
        frame->Data()->CommitTransaction();
    }

    QWidget* Grid() const { return frame->View()->findChild<QWidget*>("CScheduleGridWnd"); }

    void Enter(State state) {
        ClosePreview();
        const bool noView = state == State::NoActiveView || state == State::NoVisibleView;
        SetSetting("ViewActive", noView ? "-1" : "0");
        QELA_OnViewChanged();
        if (state == State::NoVisibleView) {
            while (QWidget* view = frame->View()->VisibleView()) view->hide();
        } else if (!noView && state != State::Writable) {
            Click(state);
        }
        frame->UpdateCommandStates();
    }
    void Click(State state) {
        QWidget* grid = Grid();
        ASSERT_NE(grid, nullptr);
        ui::SendMessage(frame->View()->findChild<QWidget*>("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
        const QImage image = grid->grab().toImage();
        QRect bar;
        // The leftmost bar: a pasted copy lies days to its right.
        const int day = grid->width() / 31;
        for (int x = 0; x < image.width() && bar.isEmpty(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0xC00000) bar |= QRect(x, y, 1, 1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = bar.left(); x < bar.left() + day && !bar.isEmpty(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0xC00000) bar |= QRect(x, y, 1, 1);
        ASSERT_FALSE(bar.isEmpty()) << "the booking's bar is not on the screen";
        const QPoint at = state == State::BookingSelected ? bar.center()
                          : state == State::DaySelected  ? bar.center() + QPoint(3 * day, 0)
                                                         : QPoint(bar.center().x(), grid->height() - 3);
        QTest::mouseClick(grid, Qt::LeftButton, {}, at);
    }
    int ScheduleLines() const {
        for (QScrollBar* bar : frame->View()->findChild<QWidget*>("CScheduleViewWnd")->findChildren<QScrollBar*>())
            if (bar->orientation() == Qt::Vertical) return bar->maximum() + bar->pageStep();
        return -1;
    }
    int Bookings() const { return int(dlgtest::All<CBooking>(frame->Data()->bookings).size()); }
    CNewPreviewView* Preview() const {
        auto* preview = frame->findChild<CNewPreviewView*>("CNewPreviewView");
        return preview != nullptr && preview->isVisible() ? preview : nullptr;
    }
    void ClosePreview() {
        if (CNewPreviewView* preview = Preview()) preview->Button(CNewPreviewView::ID_CLOSE)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Every command of the menu bar (submenus included) and the toolbar.
    std::map<unsigned, QAction*> Commands() {
        std::map<unsigned, QAction*> ids;
        CollectIds(frame->menuBar()->actions(), ids);
        int count = 0;
        const unsigned* buttons = CMainToolBar::ButtonTable(&count);
        for (int i = 0; i < count; ++i)
            if (buttons[i] != 0) ids.emplace(buttons[i], frame->Action(buttons[i]));
        return ids;
    }

    // Runs each row in its state; the commands it covered.
    std::set<unsigned> RunTable(const std::vector<Row>& table, const std::map<unsigned, QAction*>& ids) {
        // Every recent file present (earlier tests leave some) behaves as the first.
        std::vector<Row> rows;
        for (const Row& row : table) {
            rows.push_back(row);
            if (row.id != ID_FILE_MRU_FILE1) continue;
            for (const auto& [id, action] : ids)
                if (id > ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 16) rows.push_back({id, row.state, false, row.script, row.check});
        }

        std::set<unsigned> covered;
        ModalCloser closer;
        for (const Row& row : rows) {
            SCOPED_TRACE("command " + std::to_string(row.id) + " in state " + std::to_string(int(row.state)));
            covered.insert(row.id);
            Enter(row.state);
            QAction* action = ids.count(row.id) != 0 ? ids.at(row.id) : nullptr;
            if (action == nullptr) {
                ADD_FAILURE() << "not in the menus or the toolbar";
                continue;
            }
            SCOPED_TRACE(action->text().toStdString());
            if (row.disabled) {
                EXPECT_FALSE(action->isEnabled());
                continue;
            }
            EXPECT_TRUE(action->isEnabled());
            ui::ScriptedPrompts prompts;
            row.script(prompts);
            closer.Take();
            action->trigger();
            QTest::qWait(50);   // a dialog opened after the command returns
            Outcome run{prompts, closer.Take()};
            if (row.check) row.check(run);
            else ADD_FAILURE() << "a command that runs must show an effect";
        }
        return covered;
    }

    apptest::ProgramDirectory dir;
    testing::TempDirectory out;
    std::string pdf = out.path() + "/report.pdf";
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
};

TEST_F(CommandTableTest, EveryCommandRunsOrIsDisabled) {
    // A saved plan puts an item in the recent files.
    const std::string first = out.path() + "/first.qel";
    ASSERT_TRUE(frame->Files().SaveDocumentTo(first));
    const std::map<unsigned, QAction*> ids = Commands();
    int helpOpened = 0;
    SetHelpOpener([&helpOpened](const std::string&) {
        ++helpOpened;
        return true;
    });
    auto dialog = [](const char* name) {
        return [name](const Outcome& run) {
            EXPECT_EQ(run.dialogs, std::vector<std::string>{name});
        };
    };
    auto asked = [](const Outcome& run) { EXPECT_FALSE(run.prompts.asked().empty()); };
    auto cancel = [](ui::ScriptedPrompts& p) { p.AnswerMessage(ui::IDCANCEL); p.AnswerFile(std::nullopt); };
    auto none = [](ui::ScriptedPrompts&) {};
    auto preview = [this](const Outcome&) { EXPECT_NE(Preview(), nullptr); };
    auto setting = [](const char* key, const char* value) {
        return [key, value](const Outcome&) { EXPECT_EQ(GetSetting(key), value); };
    };
    const std::string saved = out.path() + "/saved.qel";
    auto written = [saved](const Outcome&) { EXPECT_TRUE(std::filesystem::exists(saved)); };
    auto savesTo = [saved](ui::ScriptedPrompts& p) { p.AnswerFile(saved); };
    auto canUndo = [this](bool undo) {
        return [this, undo](const Outcome&) {
            frame->UpdateCommandStates();
            EXPECT_EQ(frame->Action(undo ? ID_UNDO : ID_REDO)->isEnabled(), true);
        };
    };

    // Before the run: no view item is checked, and the base unit, which only
    // the schedule views show, cannot be chosen.
    auto noViewChecked = [this, &ids](ui::ScriptedPrompts&) {
        for (unsigned id = ID_VIEW_FIRST; id < ID_VIEW_FIRST + 3; ++id) EXPECT_FALSE(ids.at(id)->isChecked()) << id;
        EXPECT_FALSE(frame->ToolBar()->BaseUnitCombo()->isEnabled());
    };

    // After the run: the chosen view is active, and its item alone is ticked
    // when the menu opens again.
    auto shows = [this, &ids](unsigned view) {
        return [this, &ids, view](const Outcome&) {
            EXPECT_EQ(GetSetting("ViewActive"), std::to_string(view));
            frame->UpdateCommandStates();
            for (unsigned id = ID_VIEW_FIRST; id < ID_VIEW_FIRST + 3; ++id)
                EXPECT_EQ(ids.at(id)->isChecked(), id == ID_VIEW_FIRST + view) << id;
        };
    };

    const std::vector<Row> table = {
        // With no view active the view items are unchecked, and choosing one shows it.
        {ID_VIEW_FIRST, State::NoActiveView, false, noViewChecked, shows(0)},
        {ID_VIEW_FIRST + 1, State::NoActiveView, false, noViewChecked, shows(1)},
        {ID_VIEW_FIRST + 2, State::NoActiveView, false, noViewChecked, shows(2)},
        // Reports are the active view's.
        {ID_REPORT_PREVIEW, State::NoActiveView, true, none, {}},
        {ID_REPORT_PRINT, State::NoActiveView, true, none, {}},
        // What works on the visible view, its date or its selection.
        {ID_GO_TO_TODAY, State::NoVisibleView, true, none, {}},
        {ID_CHOOSE_PERIOD, State::NoVisibleView, true, none, {}},
        {ID_VIEW_COMMAND, State::NoVisibleView, true, none, {}},
        {ID_BOOKING_NEW, State::NoVisibleView, true, none, {}},
        {ID_BOOKING_EDIT, State::NoVisibleView, true, none, {}},
        {ID_REPORT_PREVIEW, State::NoVisibleView, true, none, {}},
        // Booking commands need a booking under the selection, new and
        // paste a day; cut and delete come last, they take the bar away.
        {ID_BOOKING_EDIT, State::NoSelection, true, none, {}},
        {ID_BOOKING_DELETE, State::NoSelection, true, none, {}},
        {ID_BOOKING_CUT, State::NoSelection, true, none, {}},
        {ID_BOOKING_COPY, State::NoSelection, true, none, {}},
        {ID_BOOKING_NEW, State::NoSelection, true, none, {}},
        {ID_BOOKING_PASTE, State::DaySelected, true, none, {}},   // the clipboard is empty yet
        {ID_BOOKING_EDIT, State::BookingSelected, false, none, dialog("CBookingDlg")},
        {ID_BOOKING_NEW, State::DaySelected, false, none, dialog("CBookingDlg")},
        {ID_BOOKING_COPY, State::BookingSelected, false, none, [](const Outcome&) {
             CBooking* clipboard = nullptr;
             std::int32_t flag = 0;
             QELA_GetClipboardInfo(&clipboard, &flag);
             ASSERT_NE(clipboard, nullptr);
             EXPECT_NE(clipboard->resource, nullptr);
         }},
        {ID_BOOKING_PASTE, State::DaySelected, false, none, [this](const Outcome&) { EXPECT_EQ(Bookings(), 2); }},
        {ID_BOOKING_DELETE, State::BookingSelected, false, none, dialog("CBookingDeleteDlg")},   // refused here
        {ID_BOOKING_CUT, State::BookingSelected, false, none, [this](const Outcome&) { EXPECT_EQ(Bookings(), 1); }},
        // The plan open and writable.
        {ID_UNDO, State::Writable, false, none, canUndo(false)},
        {ID_REDO, State::Writable, false, none, canUndo(true)},
        {ID_RESOURCE_LIST, State::Writable, false, none, dialog("CItemListDlg")},
        {ID_TASK_LIST, State::Writable, false, none, dialog("CItemListDlg")},
        {ID_WORKING_TIME, State::Writable, false, none, dialog("CWorkingTimeDlg")},
        {ID_VIEW_FIRST + 1, State::Writable, false, none, shows(1)},
        {ID_VIEW_FIRST + 2, State::Writable, false, none, shows(2)},
        {ID_VIEW_FIRST, State::Writable, false, none, shows(0)},
        {ID_CHOOSE_PERIOD, State::Writable, false, none, dialog("CPeriodChoiceDlg")},
        // Today lies outside the plan's period here; the view moves, which the
        // test does not read back: a run without a hang or a dialog.
        {ID_GO_TO_TODAY, State::Writable, false, none, [](const Outcome& run) { EXPECT_TRUE(run.dialogs.empty()); }},
        // The schedule view folds its groups: Team, Alice and Bert become one line.
        {ID_VIEW_COMMAND, State::Writable, false, none, [this](const Outcome&) { EXPECT_EQ(ScheduleLines(), 1); }},
        {ID_FILTER_ON_OFF, State::Writable, false, none, setting("ViewFilterActive", "1")},
        {ID_FILTER_DIALOG, State::Writable, false, none, dialog("CFilterDlg")},
        {ID_SCHEDULE_OPTIONS, State::Writable, false, none, dialog("CScheduleOptionsDlg")},
        {ID_VIEW_OPTIONS, State::Writable, false, none, dialog("CViewOptionsDlg")},
        {ID_UNITS_ON_SCREEN, State::Writable, false, none, dialog("CUnitsOnScreenDlg")},
        {ID_EDIT_SETTING, State::Writable, false, none, dialog("CSettingEditDlg")},
        {ID_REPORT_PREVIEW, State::Writable, false, none, preview},
        {ID_REPORT_GLOBAL, State::Writable, false, none, preview},
        {ID_REPORT_PRINT, State::Writable, false, none, [this](const Outcome&) { EXPECT_TRUE(std::filesystem::exists(pdf)); }},
        {ID_EXPORT, State::Writable, false, none, dialog("ui::DialogBase")},   // the plugin's export dialog
        {ID_FILE_PRINT_SETUP, State::Writable, false, none, dialog("CPrintSetupDlg")},
        {ID_CHANGE_PASSWORD, State::Writable, false, cancel, asked},   // open again with a password: save first?
        {ID_DOCUMENT_PASSWORDS, State::Writable, false, none, dialog("CFilePasswordDlg")},
        {ID_COPY_FILE, State::Writable, false, cancel, asked},
        {ID_HELP, State::Writable, false, [this](ui::ScriptedPrompts&) {
             std::filesystem::create_directories(dir.Path() + "help");
             std::ofstream(dir.Path() + plat::LoadResString(ids::HELP_FILE)) << "<html></html>";
         }, [&helpOpened](const Outcome&) { EXPECT_EQ(helpOpened, 1); }},
        {ID_APP_ABOUT, State::Writable, false, none, dialog("CAboutDlg")},
        // The import plugin's commands, numbered from 61000 as the plugin adds
        // them: resources, tasks and bookings, each in its import dialog.
        {61000, State::Writable, false, none, dialog("ui::DialogBase")},
        {61001, State::Writable, false, none, dialog("ui::DialogBase")},
        {61002, State::Writable, false, none, dialog("ui::DialogBase")},
        // Asked whether to save the changed plan; cancelled, the plan stays.
        {ID_FILE_NEW, State::Writable, false, cancel, asked},
        {ID_FILE_OPEN, State::Writable, false, cancel, asked},
        {ID_APP_EXIT, State::Writable, false, cancel, [this](const Outcome&) { EXPECT_TRUE(frame->isVisible()); }},
        {ID_FILE_MRU_FILE1, State::Writable, false, cancel, asked},
        {ID_FILE_SAVE, State::Writable, false, [this](ui::ScriptedPrompts&) { EXPECT_TRUE(frame->Data()->IsModified()); },
         [this](const Outcome&) { EXPECT_FALSE(frame->Data()->IsModified()); }},
        {ID_FILE_SAVE_AS, State::Writable, false, savesTo, written},
    };

    std::set<unsigned> covered = RunTable(table, ids);

    // The toolbar's combo is no action: choosing a unit sets the base unit.
    QComboBox* combo = frame->ToolBar()->BaseUnitCombo();
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(GetSetting("ViewScheduleBaseUnit"), "2");
    covered.insert(ID_BASE_UNIT_COMBO);

    SetHelpOpener({});
    // 1225 and 32771 take no action and are no items of the menus.
    EXPECT_EQ(ids.count(1225), 0u);
    EXPECT_EQ(ids.count(32771), 0u);
    for (const auto& [id, action] : ids) EXPECT_TRUE(covered.count(id) != 0) << "no row for command " << id;
}

// The preview keeps its own copy of what it draws: a plan replaced behind
// its back (a plugin may change the plan directly) leaves the shown pages
// drawable, and a re-layout fills them from the plan as it is now.
TEST_F(CommandTableTest, PreviewOutlivesThePlanItShows) {
    Enter(State::Writable);
    frame->Action(ID_REPORT_PREVIEW)->trigger();
    CNewPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    {
        ui::ScriptedPrompts prompts;
        prompts.AnswerMessage(ui::IDNO);   // not saved: every record is freed
        frame->Files().OnFileNew();
    }
    ASSERT_EQ(Bookings(), 0);
    ASSERT_EQ(Preview(), preview);
    preview->Button(CNewPreviewView::ID_ZOOM_IN)->trigger();
    EXPECT_FALSE(preview->grab().isNull());

    bool accepted = false;
    QTimer::singleShot(0, [&accepted] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->accept();
            accepted = true;
        }
    });
    ui::SendMessage(preview, WM_PREVIEW_RELAYOUT);
    EXPECT_TRUE(accepted);
    ASSERT_EQ(Preview(), preview);
    EXPECT_GE(preview->PageCount(), 1);
    EXPECT_FALSE(preview->grab().isNull());
}

// Opened with the second password the plan is write-protected: what would
// change it is disabled, or refused with the plan left as it was.
TEST_F(CommandTableTest, WriteProtectedPlanRefusesChanges) {
    const std::string path = out.path() + "/protected.qel";
    ASSERT_EQ(dlgtest::SaveProtected(frame->Data(), path, "alpha", "beta"), kDataOk);
    {
        ui::ScriptedPrompts prompts;
        prompts.AnswerMessage(ui::IDOK);   // the read-only note
        dlgtest::WhenModal<CPasswordEntryDlg>([](CPasswordEntryDlg* dialog) {
            static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_ENTRY))->setText("beta");
            dialog->accept();
        });
        frame->Files().OnFileNew();
        ASSERT_TRUE(frame->Files().OpenDocument(path));
    }
    ASSERT_TRUE(frame->Data()->properties->IsWriteProtected());
    const int bookings = Bookings();
    auto none = [](ui::ScriptedPrompts&) {};
    const std::vector<Row> table = {
        {ID_FILE_SAVE, State::Writable, true, none, {}},
        {ID_FILE_SAVE_AS, State::Writable, true, none, {}},
        {ID_DOCUMENT_PASSWORDS, State::Writable, true, none, {}},
        {ID_BOOKING_NEW, State::DaySelected, true, none, {}},
        // The booking is there to look at: its dialog opens (showing, not changing).
        {ID_BOOKING_EDIT, State::BookingSelected, false, none, [](const Outcome& run) {
             EXPECT_EQ(run.dialogs, std::vector<std::string>{"CBookingDlg"});
         }},
        {ID_BOOKING_DELETE, State::BookingSelected, true, none, {}},
        {ID_BOOKING_CUT, State::BookingSelected, true, none, {}},
        {ID_BOOKING_PASTE, State::DaySelected, true, none, {}},
    };
    RunTable(table, Commands());
    EXPECT_EQ(Bookings(), bookings);
}

}  // namespace
