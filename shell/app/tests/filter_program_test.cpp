// The filter in the real program: the filter dialog from its menu command
// hides a resource group; the schedule view and the booking-list report leave
// its bookings out; the filter saved in the document comes back after the
// document is closed and opened again. The schedule's rows also follow the
// resource commands and their undo.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>

#include "app_fixture.h"
#include "app_ids.h"
#include "check_tree.h"
#include "filter_dialog.h"
#include "filter_ids.h"
#include "item_commands.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_view.h"
#include "plan_builder.h"
#include "plan_data.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "report_preview.h"
#include "report_printing.h"
#include "settings_store.h"
#include "string_ids.h"
#include "support/calendar_values.h"
#include "testing/external_tools.h"
#include "testing/temp_directory.h"
#include "ui/message.h"
#include "ui/scroll_bar.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"

namespace {

constexpr unsigned kHScroll = 0x0114;

int Day(int day, int month = 1, int year = 2025) { return DateToJulianDay(month, day, year); }

class FilterProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        dir.Substitute("Views.plugin", QEL_VIEWS_PLUGIN);
        dir.Substitute("Reports.plugin", QEL_REPORTS_PLUGIN);
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        frame->resize(900, 500);
        frame->show();
        frame->View()->resize(800, 400);
        SetSetting("ViewOpenFileToday", "0");
        SetSetting("ViewActive", "0");
        QELA_OnViewChanged();
        BuildPlan();
        SetSetting("ReportsBookingListDateRangeFixed", "1");
        SetSetting("ReportsBookingListDateRangeFixedStart", "20250101");
        SetSetting("ReportsBookingListDateRangeFixedEnd", "20250630");
        SetReportPrintDialog([this](QWidget*, QPrinter& printer, int) {
            printer.setOutputFileName(QString::fromStdString(pdf));
            return true;
        });
    }
    void TearDown() override {
        SetReportPrintDialog({});
        prompts.AnswerMessage(ui::IDNO);   // the plan built here is not saved
        frame->close();
        app->ExitInstance();
        app.reset();
        SettingsStore().Clear();
    }

    // A group Team of Alice (three overlapping bookings) and Bert, then
    // thirty resources without a group, each with one booking of Work.
    void BuildPlan() {
        dlgtest::PlanBuilder plan(frame->Data());
        plan.Period(Day(1), Day(30, 6));
        CResourceGroup* team = plan.ResourceGroup("Team", 0);
        CTask* work = plan.Task("Work", 0);
        for (int i = 0; i < 32; ++i) {
            const std::string name = i == 0 ? "Alice" : i == 1 ? "Bert" : "Res" + std::to_string(i);
            CResource* resource = plan.Resource(name.c_str(), i + 1, i < 2 ? team : nullptr);
            for (int n = 0; n < (i == 0 ? 3 : 1); ++n) plan.Booking(resource, work, Day(6), 480, Day(6), 1020);
        }
    }

    void Activate(int view) {
        SetSetting("ViewActive", std::to_string(view));
        QELA_OnViewChanged();
    }
    // Every line of the visible schedule: rows of resources, or the lines
    // the overlapping bookings of a task take.
    int ScheduleLines(int view) {
        Activate(view);
        QWidget* schedule = frame->View()->findChild<QWidget*>("CScheduleViewWnd");
        // The lines are those of the bookings in sight: the first week of January.
        ui::SendMessage(schedule->findChild<QWidget*>("CScheduleChartWnd"), kHScroll, ui::SB_LEFT, 0);
        for (QScrollBar* bar : schedule->findChildren<QScrollBar*>())
            if (bar->orientation() == Qt::Vertical) return bar->maximum() + bar->pageStep();
        return -1;
    }
    // The names the booking-list report prints.
    std::string ReportText() {
        frame->OnCommand(app_ids::ID_REPORT_GLOBAL);
        auto* preview = frame->findChild<CNewPreviewView*>("CNewPreviewView");
        if (preview == nullptr) return {};
        preview->Button(CNewPreviewView::ID_PRINT)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::string text;
        for (int page = 1; page <= testing::PdfPageCount(pdf); ++page) text += testing::PdfPageText(pdf, page);
        return text;
    }
    struct Seen {
        int resourceLines, taskLines;
        bool alice, bert, others;
    };
    Seen Shown() {
        const std::string text = ReportText();
        return {ScheduleLines(0), ScheduleLines(1), text.find("Alice") != std::string::npos,
                text.find("Bert") != std::string::npos, text.find("Res31") != std::string::npos};
    }

    // The filter dialog from the menu; act runs in it, then OK.
    void RunFilterDialog(std::function<void(CFilterDlg*)> act) {
        bool ran = false;
        dlgtest::WhenModal<CFilterDlg>([&](CFilterDlg* dialog) {
            act(dialog);
            ran = true;
            static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK))->click();
        });
        ASSERT_TRUE(frame->FrameCommands().IsEnabled(app_ids::ID_FILTER_DIALOG));
        frame->OnCommand(app_ids::ID_FILTER_DIALOG);
        EXPECT_TRUE(ran);
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    testing::TempDirectory out;
    std::string pdf = out.path() + "/bookings.pdf";
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
};

TEST_F(FilterProgramTest, HiddenGroupLeavesViewsAndReportAndComesBackFromTheDocument) {
    ASSERT_TRUE(testing::HaveTool("pdftotext", "poppler-utils"));
    const Seen all = Shown();
    EXPECT_TRUE(all.alice && all.bert && all.others);

    // Unchecking the group takes its members with it.
    RunFilterDialog([](CFilterDlg* dialog) {
        auto* tree = dialog->GetDlgItem(IDC_FILTER_RESOURCES)->findChild<CCheckTreeCtrl*>();
        QTreeWidgetItem* team = tree->findItems("Team", Qt::MatchExactly).value(0);
        ASSERT_NE(team, nullptr);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->CheckBoxRect(team).center());
        dlgtest::WhenModal<CFilterNameDlg>([](CFilterNameDlg* names) {
            static_cast<QComboBox*>(names->GetDlgItem(IDC_FILTER_NAME))->setEditText("Without the team");
            static_cast<QAbstractButton*>(names->GetDlgItem(ui::IDOK))->click();
        });
        dialog->OnSaveAs();
    });
    EXPECT_EQ(GetSetting("ViewFilterActive"), "1");
    EXPECT_EQ(frame->Action(app_ids::ID_UNDO)->text().toStdString(),
              plat::FormatChecked(plat::LoadResString(ids::MENU_UNDO), {plat::LoadResString(ids::UNDO_SAVE_FILTER)}));
    const Seen filtered = Shown();
    EXPECT_EQ(filtered.resourceLines, all.resourceLines - 5);   // Team, Alice's three lines, Bert
    EXPECT_EQ(filtered.taskLines, all.taskLines - 4);           // Work: four bookings fewer overlap
    EXPECT_FALSE(filtered.alice || filtered.bert);
    EXPECT_TRUE(filtered.others);

    // Off and on again without the dialog.
    frame->OnCommand(app_ids::ID_FILTER_ON_OFF);
    EXPECT_EQ(ScheduleLines(0), all.resourceLines);
    frame->OnCommand(app_ids::ID_FILTER_ON_OFF);
    EXPECT_EQ(ScheduleLines(0), filtered.resourceLines);

    // The saved filter is part of the document.
    const std::string path = out.path() + "/plan.qel";
    ASSERT_TRUE(frame->Files().SaveDocumentTo(path));
    frame->Files().OnFileNew();
    ASSERT_TRUE(frame->Files().OpenDocument(path));
    EXPECT_EQ(GetSetting("ViewFilterActive"), "0");
    const Seen reopened = Shown();
    EXPECT_EQ(reopened.resourceLines, all.resourceLines);
    EXPECT_TRUE(reopened.alice);

    RunFilterDialog([](CFilterDlg* dialog) {
        dlgtest::WhenModal<CFilterListDlg>([](CFilterListDlg* list) {
            auto* names = static_cast<QListWidget*>(list->GetDlgItem(IDC_FILTER_LIST));
            ASSERT_EQ(names->count(), 1);
            EXPECT_EQ(names->item(0)->text(), "Without the team");
            static_cast<QAbstractButton*>(list->GetDlgItem(ui::IDOK))->click();
        });
        dialog->OnLoad();
    });
    const Seen loaded = Shown();
    EXPECT_EQ(loaded.resourceLines, filtered.resourceLines);
    EXPECT_EQ(loaded.taskLines, filtered.taskLines);
    EXPECT_FALSE(loaded.alice || loaded.bert);
    EXPECT_TRUE(loaded.others);
}

// In the filter's tree a click right of a short label changes nothing; one
// on its text unchecks the resource, which OK then hides.
TEST_F(FilterProgramTest, OnlyTheTextOfALabelTogglesItsResource) {
    const int lines = ScheduleLines(0);
    RunFilterDialog([](CFilterDlg* dialog) {
        auto* tree = dialog->GetDlgItem(IDC_FILTER_RESOURCES)->findChild<CCheckTreeCtrl*>();
        QTreeWidgetItem* bert = tree->findItems("Bert", Qt::MatchExactly | Qt::MatchRecursive).value(0);
        ASSERT_NE(bert, nullptr);
        tree->scrollToItem(bert);
        const int textStart = tree->CheckBoxRect(bert).right();
        const int textWidth = tree->fontMetrics().horizontalAdvance(bert->text(0));
        const int y = tree->visualItemRect(bert).center().y();
        ASSERT_LT(textStart + textWidth + 30, tree->viewport()->width());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(textStart + textWidth + 30, y));
        EXPECT_TRUE(tree->GetCheck(bert));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(textStart + textWidth / 2 + 6, y));
        EXPECT_FALSE(tree->GetCheck(bert));
    });
    EXPECT_EQ(ScheduleLines(0), lines - 1);
}

}  // namespace

namespace {

// Every dialog of the resource commands answered yes; new items get a name.
class YesDialogs : public IItemDialogs {
public:
    bool RunResourceDialog(ResourceFields& fields) override {
        fields.name = "Zoe";
        return true;
    }
    bool RunTaskDialog(TaskFields&) override { return true; }
    bool RunResourceGroupDialog(GroupFields<CResourceGroup>&) override { return true; }
    bool RunTaskGroupDialog(GroupFields<CTaskGroup>&) override { return true; }
    bool ConfirmDelete(unsigned, const std::string&) override { return true; }
};

// A resource added gives its row, one deleted with its bookings takes its
// lines away; undo and redo bring the rows back and forth.
TEST_F(FilterProgramTest, ScheduleRowsFollowResourceCommandsAndUndo) {
    const int lines = ScheduleLines(0);
    YesDialogs dialogs;
    CResourceCommands commands(frame->Data(), dialogs);
    ASSERT_NE(commands.AddItem(nullptr, -1, -1), nullptr);
    EXPECT_EQ(ScheduleLines(0), lines + 1);

    CResource* alice = nullptr;
    std::vector<CResource*> resources(std::size_t(frame->Data()->resources->GetCount()));
    frame->Data()->resources->GetAll(resources.data());
    for (CResource* resource : resources)
        if (std::string(resource->name) == "Alice") alice = resource;
    ASSERT_NE(alice, nullptr);
    ASSERT_TRUE(commands.DeleteItem(alice));
    EXPECT_EQ(ScheduleLines(0), lines + 1 - 3);   // Alice's three overlapping bookings

    frame->OnCommand(app_ids::ID_UNDO);
    EXPECT_EQ(ScheduleLines(0), lines + 1);
    frame->OnCommand(app_ids::ID_UNDO);
    EXPECT_EQ(ScheduleLines(0), lines);
    frame->OnCommand(app_ids::ID_REDO);
    EXPECT_EQ(ScheduleLines(0), lines + 1);
}

}  // namespace
