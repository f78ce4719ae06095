// The export inside the real program: run from the menu through the
// plugin's dialog and file chooser, on the demo plan; what it writes reads
// back through the import engine as the same plan.

#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <tuple>

#include "app_fixture.h"
#include "app_ids.h"
#include "booking_dialog.h"
#include "booking_ids.h"
#include "controls_api.h"
#include "export_support.h"
#include "import/booking_importer.h"
#include "import/name_group_importer.h"
#include "main_app.h"
#include "main_frame.h"
#include "plat/files.h"
#include "plat/resource_strings.h"
#include "plan_data.h"
#include "reports/report_item_lists.h"
#include "reports/report_strings.h"
#include "reports/settings_dialogs.h"
#include "settings_store.h"
#include "testing/temp_directory.h"
#include "tools/plan_generator.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"

namespace {

// (group, item) in the list's tree order.
using ItemList = std::vector<std::pair<std::string, std::string>>;

ItemList Items(CPlanData* plan, bool resources) {
    std::vector<ReportItemRow> rows;
    if (resources)
        BuildResourceItemList(plan, rows);
    else
        BuildTaskItemList(plan, rows);
    ItemList items;
    for (const ReportItemRow& row : rows)
        if (row.item != nullptr) items.emplace_back(row.group != nullptr ? row.group->name : "", row.item->name);
    return items;
}

// What a booking says, with an end at 24:00 as 0:00 of the next day.
struct BookingFacts {
    std::string resource, task;
    std::int32_t startDay, startMinutes, endDay, endMinutes;
    int flag;
    std::uint32_t color1, color2;
    friend auto operator<=>(const BookingFacts&, const BookingFacts&) = default;
};

std::vector<BookingFacts> Bookings(CPlanData* plan) {
    std::vector<CBooking*> all(static_cast<std::size_t>(plan->bookings->GetCount()));
    plan->bookings->GetAll(all.data());
    std::vector<BookingFacts> facts;
    for (const CBooking* b : all) {
        const bool endOfDay = b->endMinutes >= 1440;
        facts.push_back({b->resource->name, b->task->name, b->startDay, b->startMinutes,
                         endOfDay ? b->endDay + 1 : b->endDay, endOfDay ? 0 : b->endMinutes, b->flag, b->color1,
                         b->color2});
    }
    std::sort(facts.begin(), facts.end());
    return facts;
}

// Types over what the edit shows, as a user does.
void TypeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

class ExportProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        dir.Substitute("Reports.plugin", QEL_REPORTS_PLUGIN);
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        frame->show();
        ASSERT_EQ(GeneratePlan(*frame->Data(), PlanShape{}), kDataOk);   // the demo plan
    }
    void TearDown() override {
        prompts.AnswerMessage(ui::IDNO);   // the generated plan is not saved
        frame->close();
        app->ExitInstance();
        app.reset();
        SettingsStore().Clear();
    }

    // The menu's export: what (0 resources, 1 tasks, 2 bookings) over the
    // plan's period, into path.
    void ExportFromMenu(int what, const std::string& path) {
        CPlanData* plan = frame->Data();
        const std::int32_t first = plan->properties->periodStart;
        const std::int32_t last = plan->properties->periodEnd;
        prompts.AnswerFile(path);
        bool answered = false;
        dlgtest::WhenModal<QDialog>([&](QDialog* dialog) {
            answered = true;
            const QList<QRadioButton*> choices = dialog->findChildren<QRadioButton*>();
            ASSERT_EQ(choices.size(), 3);
            choices[what]->click();
            QWidget* period = ui::FindControl(dialog, IDC_REPORT_PERIOD);
            ASSERT_NE(period, nullptr);
            ui::SendMessage(period, WM_SP_DATEPERIOD_SETDATE, 0, first);
            ui::SendMessage(period, WM_SP_DATEPERIOD_SETDATE, 1, last);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QAction* command = frame->Action(app_ids::ID_EXPORT);
        ASSERT_NE(command, nullptr);
        ASSERT_TRUE(command->isEnabled());
        command->trigger();
        EXPECT_TRUE(answered);
        EXPECT_TRUE(prompts.allAnswered());
    }

    // The menu's export of bookings, set up by the test: OK keeps the dialog
    // open, Cancel then closes it, and nothing is written.
    void OkKeepsTheExportOpen(const std::function<void(QDialog*)>& setUp) {
        bool stayedOpen = false;
        dlgtest::WhenModal<QDialog>([&](QDialog* dialog) {
            dialog->findChildren<QRadioButton*>()[2]->click();
            setUp(dialog);
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            buttons->button(QDialogButtonBox::Ok)->click();
            stayedOpen = dialog->isVisible();
            buttons->button(QDialogButtonBox::Cancel)->click();
        });
        frame->Action(app_ids::ID_EXPORT)->trigger();
        EXPECT_TRUE(stayedOpen);
        EXPECT_TRUE(plat::ReadDirectory(out.path()).empty());
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    testing::TempDirectory out;
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
};

// Resources, tasks and bookings of the demo plan, exported from the menu
// and imported in that order into an empty plan, give the same names,
// groups and bookings; the imported bookings take their task's colours.
TEST_F(ExportProgramTest, DemoPlanRoundTripsThroughTheImport) {
    CPlanData* plan = frame->Data();
    const ItemList resources = Items(plan, true);
    const ItemList tasks = Items(plan, false);
    std::vector<BookingFacts> bookings = Bookings(plan);
    ASSERT_FALSE(bookings.empty());
    ASSERT_EQ(static_cast<int>(resources.size()), PlanShape{}.resources);

    const std::string files[] = {out.File("resources.txt"), out.File("tasks.txt"), out.File("bookings.txt")};
    for (int what = 0; what < 3; ++what) ExportFromMenu(what, files[what]);
    const export_test::Records read = export_test::ReadByPython(files[2], "\t", "");
    EXPECT_EQ(read.size(), bookings.size() + 1);

    prompts.AnswerMessage(ui::IDNO);   // do not save the demo plan
    frame->OnCommand(app_ids::ID_FILE_NEW);
    plan = frame->Data();
    ASSERT_EQ(plan->resources->GetCount(), 0);
    ASSERT_EQ(plan->bookings->GetCount(), 0);

    const SettingGetter noSettings = [](std::string_view) { return std::string(); };
    CResourceImporter resourceImport(plan, noSettings);
    CTaskImporter taskImport(plan, noSettings);
    CBookingImporter bookingImport(plan, noSettings);
    // File columns: name, group | resource, its group, task, its group,
    // start date, start time, end date, end time, duration, notes, flag.
    const std::vector<std::pair<CImporter*, std::vector<int>>> imports = {
        {&resourceImport, {0, 1}},
        {&taskImport, {0, 1}},
        {&bookingImport, {0, 2, 4, 5, 6, 7, 9, 10}},
    };
    for (std::size_t i = 0; i < imports.size(); ++i) {
        CImporter& importer = *imports[i].first;
        importer.SetFileName(files[i]);
        importer.SetSeparator('\t');
        importer.SetFirstLineNames(true);
        for (std::size_t field = 0; field < imports[i].second.size(); ++field)
            importer.SetColumn(static_cast<int>(field), imports[i].second[field]);
        ASSERT_EQ(importer.Run(false), kImportDone) << files[i];
        ASSERT_TRUE(importer.LastErrors().empty()) << importer.LastErrors()[0].message;
    }

    EXPECT_EQ(Items(plan, true), resources);
    EXPECT_EQ(Items(plan, false), tasks);
    // Imported bookings take the colours of their task.
    std::vector<CTask*> allTasks(static_cast<std::size_t>(plan->tasks->GetCount()));
    plan->tasks->GetAll(allTasks.data());
    for (BookingFacts& booking : bookings) {
        const auto task = std::find_if(allTasks.begin(), allTasks.end(),
                                       [&](const CTask* t) { return booking.task == t->name; });
        ASSERT_NE(task, allTasks.end());
        booking.color1 = (*task)->color1;
        booking.color2 = (*task)->color2;
    }
    std::sort(bookings.begin(), bookings.end());
    EXPECT_EQ(Bookings(plan), bookings);
}

// The export's period is the one of the program's own dialogs: a date shows
// as the booking dialog shows it, a date typed in that form is read back,
// and one it cannot read is refused before the file is asked for.
TEST_F(ExportProgramTest, PeriodShowsAndReadsDatesAsTheBookingDialog) {
    const CDate known(4, 12, 2026);
    CBookingDlg booking(false, frame->Data(), [](std::string_view key) { return GetSetting(std::string(key)); },
                        frame);
    booking.fromDate = booking.toDate = known;
    booking.show();
    const QString bookingShows = booking.GetDlgItem(IDC_BOOKING_DATES)->findChildren<QLineEdit*>().at(0)->text();
    booking.reject();
    ASSERT_FALSE(bookingShows.isEmpty());

    prompts.AnswerMessage(ui::IDOK);
    OkKeepsTheExportOpen([&](QDialog* dialog) {
        QWidget* period = ui::FindControl(dialog, IDC_REPORT_PERIOD);
        ASSERT_NE(period, nullptr);
        const QList<QLineEdit*> parts = period->findChildren<QLineEdit*>();
        ASSERT_EQ(parts.size(), 2);
        ui::SendMessage(period, WM_SP_DATEPERIOD_SETDATE, 0, known.GetJulianDay());
        EXPECT_EQ(parts[0]->text(), bookingShows);
        TypeOver(parts[1], bookingShows);
        EXPECT_EQ(ui::SendMessage(period, WM_SP_DATEPERIOD_GETPART, 1), known.GetJulianDay());

        TypeOver(parts[0], "no date");
    });
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].kind, ui::ScriptedPrompts::Kind::Message);
    EXPECT_EQ(prompts.asked()[0].text, plat::LoadResString(kStrDateMissing));
}

// Cancelling the file chooser keeps the dialog open; cancelling the dialog
// then writes nothing and leaves the last choice as it was.
TEST_F(ExportProgramTest, CancellingWritesNothing) {
    prompts.AnswerFile(std::nullopt);
    OkKeepsTheExportOpen([](QDialog*) {});
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].kind, ui::ScriptedPrompts::Kind::SaveFile);
    EXPECT_EQ(prompts.asked()[0].file.fileName, "Export.csv");
    EXPECT_EQ(GetSetting("ReportsExportSelectionLast"), "");
}

}  // namespace
