#pragma once

// The session test's program: the real main window with the real plugins
// on a program directory, the demo plan made by the plan generator, and
// what the steps do in the dialogs they open (lists of items, export,
// import) and how they read the document.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTableWidget>
#include <QTreeWidget>

#include <filesystem>
#include <optional>
#include <set>
#include <tuple>

#include "app_fixture.h"
#include "app_ids.h"
#include "booking_dialog.h"
#include "booking_ids.h"
#include "check_tree.h"
#include "controls_api.h"
#include "filter_dialog.h"
#include "filter_ids.h"
#include "import/import_dialog.h"
#include "item_dialogs.h"
#include "item_ids.h"
#include "item_list_dialog.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_view.h"
#include "password_dialogs.h"
#include "plan_dump.h"
#include "plat/datetime_format.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "report_preview.h"
#include "reports/report_strings.h"
#include "reports/settings_dialogs.h"
#include "settings_store.h"
#include "string_ids.h"
#include "support/calendar_values.h"
#include "testing/external_tools.h"
#include "testing/temp_directory.h"
#include "tools/plan_generator.h"
#include "ui/message.h"
#include "ui/painter.h"
#include "user_actions.h"
#include "when_modal.h"

namespace session_test {

using namespace app_ids;
using apptest::Click;
using apptest::SaveScreenShot;
using apptest::TypeInto;
using dlgtest::WhenModal;

const QString kResource = "Mobile crane";
const QString kTask = "Roof lift";
const QString kFirstPassword = "alpha-1";
const QString kSecondPassword = "beta-2";
// The new booking's bar, in a colour no bar of the demo plan has.
const QColor kBarColour(0x1E, 0x90, 0xC8);
constexpr int kDaysOnScreen = 31;

// Resources and tasks as (group, name), bookings by what they say.
struct PlanFacts {
    std::set<std::pair<std::string, std::string>> resources, tasks;
    std::multiset<std::tuple<std::string, std::string, int, int, int, int, int, std::string>> bookings;
    bool operator==(const PlanFacts&) const = default;
};

template <class Item>
std::string GroupName(const Item* item) {
    return item->group != nullptr ? item->group->name : "";
}

inline PlanFacts FactsOf(CPlanData* plan) {
    PlanFacts facts;
    for (CResource* r : dlgtest::All<CResource>(plan->resources)) facts.resources.emplace(GroupName(r), r->name);
    for (CTask* t : dlgtest::All<CTask>(plan->tasks)) facts.tasks.emplace(GroupName(t), t->name);
    for (CBooking* b : dlgtest::All<CBooking>(plan->bookings)) {
        // An end at 24:00 is written as 0:00 of the next day.
        const bool endOfDay = b->endMinutes >= 1440;
        facts.bookings.emplace(b->resource->name, b->task->name, b->startDay, b->startMinutes,
                               endOfDay ? b->endDay + 1 : b->endDay, endOfDay ? 0 : b->endMinutes, int(b->flag),
                               b->text);
    }
    return facts;
}

inline std::uintmax_t FileSize(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

inline int Weekday(int julianDay) { return CDate::FromJulianDay(julianDay).GetDayOfWeek(); }   // 1 Monday .. 7 Sunday

// The day as the program shows dates ("DateFormat"), and a user types them.
inline QString ProgramDate(int julianDay) {
    const CDate date = CDate::FromJulianDay(julianDay);
    const plat::CalendarDate day{date.GetYear(), date.GetMonth(), date.GetDay(), date.GetDayOfWeek() % 7};
    return QString::fromStdString(plat::FormatDate(day, 0, GetSetting("DateFormat").c_str()));
}

// The text a part (0 from, 1 to) of a period control shows.
inline QString PeriodText(QWidget* period, int part) {
    const QList<QLineEdit*> parts = period != nullptr ? period->findChildren<QLineEdit*>() : QList<QLineEdit*>{};
    return part < parts.size() ? parts[part]->text() : QString();
}

// The button of a message box, or of a Qt dialog's button box, in that role.
inline QAbstractButton* ButtonOf(QWidget* dialog, QDialogButtonBox::ButtonRole role) {
    auto* box = dialog->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    for (QAbstractButton* button : box != nullptr ? box->buttons() : QList<QAbstractButton*>{})
        if (box->buttonRole(button) == role) return button;
    return nullptr;
}

// Answers the next message box with that button; its text goes to text.
inline void WhenMessage(QMessageBox::StandardButton answer, QString* text = nullptr) {
    WhenModal<QMessageBox>([answer, text](QMessageBox* box) {
        if (text != nullptr) *text = box->text();
        Click(box->button(answer));
    });
}

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testing::HaveTool("pdfinfo", "poppler-utils"));
        // The file, print and colour dialogs are Qt's own on every desktop.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        SettingsStore().Clear();
        dir.UseRealPlugins();
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        frame->setGeometry(60, 40, 1400, 860);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        // A user's options: the schedule shows days, a month on the screen,
        // weekends included.
        SetSetting("ViewActive", "0");
        SetSetting("ViewScheduleBaseUnit", "4");
        SetSetting("ViewScheduleNonWorkingTimeHide", "0");
        SetSetting("ViewScheduleUnitsOnScreen", "30 30 30 24 31 13 12 3");
        // The folder the user worked in last, for documents, pages and exports.
        for (const char* key : {"DirectoryFiles", "ReportsDirectoryHtml", "ReportsDirectoryExport"})
            SetSetting(key, out.path() + "/");
        QELA_OnSettingsChanged();
        QELA_OnViewChanged();
        // The demo plan, as the start script makes it.
        const testing::CommandResult made =
            testing::RunCommand(testing::ShellQuoted(QEL_GENPLAN) + " " + testing::ShellQuoted(demo));
        ASSERT_EQ(made.status, 0) << made.output;
    }
    void TearDown() override {
        if (frame->Data()->IsModified()) WhenMessage(QMessageBox::No);   // a session that broke off
        frame->close();
        app->ExitInstance();
        app.reset();
        SettingsStore().Clear();
    }

    CPlanData* Plan() const { return frame->Data(); }
    std::string Title() const { return frame->windowTitle().toStdString(); }
    std::string TitleOf(const std::string& name, const std::string& marks = "") const {
        return name + marks + " - QEL Planner";
    }
    QWidget* Visible() const { return frame->View()->VisibleView(); }
    QWidget* Grid() const { return frame->View()->findChild<QWidget*>("CScheduleGridWnd"); }
    CNewPreviewView* Preview() const {
        auto* preview = frame->findChild<CNewPreviewView*>("CNewPreviewView");
        return preview != nullptr && preview->isVisible() ? preview : nullptr;
    }

    template <class Record, class Collection>
    Record* Named(Collection* collection, const QString& name) const {
        for (Record* record : dlgtest::All<Record>(collection))
            if (name.toStdString() == record->name) return record;
        return nullptr;
    }
    CBooking* SessionBooking() const {
        for (CBooking* b : dlgtest::All<CBooking>(Plan()->bookings))
            if (b->resource != nullptr && kResource.toStdString() == b->resource->name) return b;
        return nullptr;
    }

    // The view's selection: its period's first day (0: none) and resources.
    std::pair<int, std::vector<CResource*>> Selection() const {
        CResource* resources[8] = {};
        SelectionRecord record{};
        record.resources = resources;
        record.resourceCapacity = 8;
        QELA_GetCurrentSelection(&record);
        return {record.startDate, {resources, resources + std::min(record.resourceCount, 8)}};
    }
    // Clicks down the schedule's column until a day of the resource alone is
    // selected; where it was clicked.
    std::optional<QPoint> CellOf(const CResource* resource, int column) const {
        const int width = Grid()->width() / kDaysOnScreen;
        for (int y = 2; y < Grid()->height(); y += 4) {
            const QPoint at(column * width + width / 2, y);
            QTest::mouseClick(Grid(), Qt::LeftButton, {}, at);
            const auto [day, resources] = Selection();
            if (day != 0 && resources == std::vector<CResource*>{const_cast<CResource*>(resource)}) return at;
        }
        return std::nullopt;
    }
    // The pixels of the new booking's colour in the widget.
    static QRect BarOf(QWidget* widget) {
        const QImage image = widget->grab().toImage();
        QRect bar;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (kBarColour.rgb() & 0xFFFFFF)) bar |= QRect(x, y, 1, 1);
        return bar;
    }

    // The list dialog of resources or tasks: its add button's first item
    // opens the new item's dialog, which takes the name.
    void AddItem(unsigned command, const QString& name, const std::string& shot) {
        WhenModal<CItemListDlg>([name, shot](CItemListDlg* list) {
            dlgtest::WhenPopup<QMenu>([](QMenu* menu) {
                ASSERT_FALSE(menu->actions().isEmpty());
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().front()).center());
            });
            WhenModal<CItemDlg>([name, shot](CItemDlg* item) {
                TypeInto(item->GetDlgItem(IDC_ITEM_NAME), name);
                SaveScreenShot(shot + "-dialog");
                Click(item->GetDlgItem(ui::IDOK));
            });
            Click(list->GetDlgItem(IDC_ITEM_LIST_ADD));
            SaveScreenShot(shot + "-list");
            Click(list->GetDlgItem(ui::IDCANCEL));
        });
        apptest::ChooseMenuCommand(frame, command);
    }

    // The export dialog: what (0 resources, 1 tasks, 2 bookings), for
    // bookings the period typed in the program's date format, then the file
    // in the save dialog.
    void Export(int what, const std::string& path, const std::string& shot) {
        const int days[] = {Plan()->properties->periodStart - 7, Plan()->properties->periodEnd + 7};
        WhenModal<QDialog>(
            [=](QDialog* dialog) {
                const QList<QRadioButton*> choices = dialog->findChildren<QRadioButton*>();
                ASSERT_EQ(choices.size(), 3);
                Click(choices[what]);
                QWidget* period = ui::FindControl(dialog, IDC_REPORT_PERIOD);
                ASSERT_NE(period, nullptr);
                EXPECT_EQ(period->isEnabled(), what == 2);
                for (int part = 0; part < 2 && what == 2; ++part) {
                    apptest::TypeIntoPeriod(period, part, ProgramDate(days[part]));
                    EXPECT_EQ(ui::SendMessage(period, WM_SP_DATEPERIOD_GETPART, ui::WPARAM(part)), days[part]);
                }
                SaveScreenShot(shot);
                apptest::WhenFileDialog(path);
                Click(ButtonOf(dialog, QDialogButtonBox::AcceptRole));
            },
            QString::fromStdString(plat::LoadResString(kStrExportSaveTitle)));
        apptest::ChooseMenuCommand(frame, ID_EXPORT);
        EXPECT_GT(FileSize(path), 0u) << path;
    }

    // The import command of that kind (its item in File > Import) on the
    // file: tab-separated, names in the first line, the fields assigned by
    // those names and the others (field, column) by hand in the grid; it
    // asks first and tells how many records it imported.
    using Assignments = std::vector<std::pair<QString, QString>>;
    void Import(const QString& item, const QString& title, const std::string& path, const Assignments& byHand,
                int records, const std::string& shot) {
        QString done;
        WhenModal<QDialog>(
            [&done, path, byHand, shot](QDialog* dialog) {
                TypeInto(ui::FindControl(dialog, IDC_IMPORT_FILE), QString::fromStdString(path));
                apptest::ChooseEntry(qobject_cast<QComboBox*>(ui::FindControl(dialog, IDC_IMPORT_SEPARATOR)), 2);
                auto* names = qobject_cast<QCheckBox*>(ui::FindControl(dialog, IDC_IMPORT_FIRST_LINE));
                ASSERT_NE(names, nullptr);
                if (!names->isChecked()) Click(names);
                Click(ui::FindControl(dialog, IDC_IMPORT_AUTO_ASSIGN));
                auto* grid = ui::FindControl(dialog, IDC_IMPORT_GRID)->findChild<QTableWidget*>();
                ASSERT_NE(grid, nullptr);
                for (const auto& [field, column] : byHand) {
                    const QList<QTableWidgetItem*> rows = grid->findItems(field, Qt::MatchExactly);
                    ASSERT_EQ(rows.size(), 1) << field.toStdString();
                    auto* choice = qobject_cast<QComboBox*>(grid->cellWidget(rows.front()->row(), 1));
                    ASSERT_NE(choice, nullptr);
                    apptest::ChooseEntry(choice, choice->findText(column));
                }
                SaveScreenShot(shot);
                WhenModal<QMessageBox>([&done](QMessageBox* question) {
                    WhenMessage(QMessageBox::Ok, &done);
                    Click(question->button(QMessageBox::Yes));
                });
                Click(ui::FindControl(dialog, ui::IDOK));
                // The dialog stays open for another file.
                Click(ui::FindControl(dialog, ui::IDCANCEL));
            },
            title);
        apptest::ChooseMenuItem(frame, {"&File", "&Import", item});
        EXPECT_EQ(done.toStdString(), std::to_string(records) + " records were imported.");
    }

    apptest::ProgramDirectory dir;
    testing::TempDirectory out;
    const std::string demo = out.File("Demo.qel");
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
    dlgtest::ModalWatchdog watchdog;
};

}  // namespace session_test
