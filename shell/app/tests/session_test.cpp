// One working session through the real program, its libraries and plugins,
// as a user has it: every command from the menu bar, every dialog the real
// one (the file, print and colour dialogs included), the views driven with
// the mouse. Each step checks the files, the window and the document.
// With QEL_SESSION_SHOTS naming a folder, each step leaves pictures of the
// screen there (scripts/session-xvfb.sh).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDateEdit>
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
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "report_preview.h"
#include "reports/report_strings.h"
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

namespace {

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

PlanFacts FactsOf(CPlanData* plan) {
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

std::uintmax_t FileSize(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

int Weekday(int julianDay) { return CDate::FromJulianDay(julianDay).GetDayOfWeek(); }   // 1 Monday .. 7 Sunday

// The button of a message box, or of a Qt dialog's button box, in that role.
QAbstractButton* ButtonOf(QWidget* dialog, QDialogButtonBox::ButtonRole role) {
    auto* box = dialog->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    for (QAbstractButton* button : box != nullptr ? box->buttons() : QList<QAbstractButton*>{})
        if (box->buttonRole(button) == role) return button;
    return nullptr;
}

// Answers the next message box with that button; its text goes to text.
void WhenMessage(QMessageBox::StandardButton answer, QString* text = nullptr) {
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
    // bookings the period, then the file in the save dialog.
    void Export(int what, const std::string& path, const std::string& shot) {
        const QDate first = QDate::fromJulianDay(Plan()->properties->periodStart - 7);
        const QDate last = QDate::fromJulianDay(Plan()->properties->periodEnd + 7);
        WhenModal<QDialog>(
            [=](QDialog* dialog) {
                const QList<QRadioButton*> choices = dialog->findChildren<QRadioButton*>();
                ASSERT_EQ(choices.size(), 3);
                Click(choices[what]);
                if (what == 2) {
                    const QList<QDateEdit*> dates = dialog->findChildren<QDateEdit*>();
                    ASSERT_EQ(dates.size(), 2);
                    apptest::TypeDate(dates[0], first);
                    apptest::TypeDate(dates[1], last);
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

TEST_F(SessionTest, FromTheDemoPlanToAProtectedCopyAndBack) {
    // 1. The demo plan through File > Open and the file dialog.
    apptest::WhenFileDialog(demo, {}, "01-open-demo-file-dialog");
    apptest::ChooseMenuCommand(frame, ID_FILE_OPEN, "01-open-demo-menu");
    ASSERT_EQ(Title(), TitleOf("Demo.qel"));
    const PlanShape demoShape;
    ASSERT_EQ(Plan()->resources->GetCount(), demoShape.resources);
    ASSERT_EQ(Plan()->tasks->GetCount(), demoShape.tasks);
    ASSERT_EQ(Plan()->bookings->GetCount(), demoShape.bookings);
    EXPECT_EQ(Visible()->objectName(), "CScheduleViewWnd");
    SaveScreenShot("01-open-demo");

    // 2. A resource and a task from their lists.
    AddItem(ID_RESOURCE_LIST, kResource, "02-add-resource");
    AddItem(ID_TASK_LIST, kTask, "02-add-task");
    CResource* resource = Named<CResource>(Plan()->resources, kResource);
    CTask* task = Named<CTask>(Plan()->tasks, kTask);
    ASSERT_NE(resource, nullptr);
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(Plan()->resources->GetCount(), demoShape.resources + 1);
    EXPECT_EQ(Title(), TitleOf("Demo.qel", " *"));
    SaveScreenShot("02-add-resource-and-task");

    // 3. A booking of the new resource's first free Monday to Wednesday,
    // its task and bar colour chosen in the booking dialog.
    const std::optional<QPoint> probe = CellOf(resource, 3);
    ASSERT_TRUE(probe) << "the new resource's row is not on the screen";
    const int probed = Selection().first;
    int offset = 0;
    while (Weekday(probed + offset) > 3) ++offset;
    const int column = Grid()->width() / kDaysOnScreen;
    const QPoint cell = *probe + QPoint(offset * column, 0);
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, cell);
    const int day = probed + offset;
    ASSERT_EQ(Selection().first, day);
    WhenModal<CBookingDlg>([](CBookingDlg* dialog) {
        QWidget* combo = dialog->GetDlgItem(IDC_BOOKING_TASK);
        bool picked = false;
        dlgtest::WhenPopup<QWidget>([&picked](QWidget* popup) {
            auto* tree = popup->findChild<QTreeWidget*>();
            ASSERT_NE(tree, nullptr);
            const QList<QTreeWidgetItem*> found = tree->findItems(kTask, Qt::MatchExactly | Qt::MatchRecursive);
            ASSERT_EQ(found.size(), 1);
            tree->scrollToItem(found.front());
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found.front()).center());
            picked = true;
        });
        Click(combo);
        EXPECT_TRUE(QTest::qWaitFor([&picked] { return picked; }, 6000));
        EXPECT_EQ(qobject_cast<QPushButton*>(combo)->text(), kTask);
        WhenModal<QColorDialog>([](QColorDialog* colours) {
            for (QLineEdit* edit : colours->findChildren<QLineEdit*>())
                if (edit->text().startsWith('#')) TypeInto(edit, kBarColour.name());
            EXPECT_EQ(colours->currentColor(), kBarColour);
            SaveScreenShot("03-book-colour-dialog");
            Click(ButtonOf(colours, QDialogButtonBox::AcceptRole));
        });
        Click(dialog->GetDlgItem(IDC_BOOKING_COLOR2));
        SaveScreenShot("03-book-dialog");
        Click(dialog->GetDlgItem(ui::IDOK));
    });
    apptest::ChooseMenuCommand(frame, ID_BOOKING_NEW, "03-book-menu");
    CBooking* booking = SessionBooking();
    ASSERT_NE(booking, nullptr);
    EXPECT_EQ(booking->task, task);
    EXPECT_EQ(booking->startDay, day);
    EXPECT_EQ(booking->color2, ui::ToColorRef(kBarColour));
    EXPECT_EQ(Plan()->bookings->GetCount(), demoShape.bookings + 1);
    SaveScreenShot("03-book");

    // 4. Its bar dragged two days on: pressed, held past the drag delay, moved, let go.
    const QRect bar = BarOf(Grid());
    ASSERT_FALSE(bar.isEmpty()) << "the new booking's bar is not on the screen";
    const int startMinutes = booking->startMinutes;
    const int endDay = booking->endDay;
    QTest::mousePress(Grid(), Qt::LeftButton, {}, bar.center());
    QTest::qWait(400);
    QTest::mouseMove(Grid(), bar.center() + QPoint(column, 0));
    QTest::mouseMove(Grid(), bar.center() + QPoint(2 * column, 0));
    SaveScreenShot("04-drag-booking-moving");
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, bar.center() + QPoint(2 * column, 0));
    EXPECT_EQ(booking->startDay, day + 2);
    EXPECT_EQ(booking->startMinutes, startMinutes);
    EXPECT_EQ(booking->endDay, endDay + 2);
    EXPECT_EQ(booking->resource, resource);
    EXPECT_EQ(BarOf(Grid()).left(), bar.left() + 2 * column);
    SaveScreenShot("04-drag-booking");

    // 5. The calendar from the View menu, the moved booking in it.
    apptest::ChooseMenuCommand(frame, ID_VIEW_FIRST + 2, "05-calendar-menu");
    ASSERT_EQ(Visible()->objectName(), "CCalendarViewWnd");
    EXPECT_EQ(GetSetting("ViewActive"), "2");
    EXPECT_FALSE(BarOf(Visible()).isEmpty()) << "the calendar does not show the booking";
    SaveScreenShot("05-calendar");

    // 6. The filter without the new resource: the calendar leaves its
    // booking out, and shows it again when the filter is switched off.
    WhenModal<CFilterDlg>([](CFilterDlg* dialog) {
        auto* tree = dialog->GetDlgItem(IDC_FILTER_RESOURCES)->findChild<CCheckTreeCtrl*>();
        ASSERT_NE(tree, nullptr);
        const QList<QTreeWidgetItem*> found = tree->findItems(kResource, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        tree->scrollToItem(found.front());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->CheckBoxRect(found.front()).center());
        EXPECT_EQ(CCheckTreeCtrl::GetCheckState(found.front()), CHECK_OFF);
        SaveScreenShot("06-filter-dialog");
        Click(dialog->GetDlgItem(ui::IDOK));
    });
    apptest::ChooseMenuCommand(frame, ID_FILTER_DIALOG);
    EXPECT_EQ(GetSetting("ViewFilterActive"), "1");
    EXPECT_TRUE(BarOf(Visible()).isEmpty()) << "the calendar still shows the filtered booking";
    SaveScreenShot("06-filter");
    apptest::ChooseMenuCommand(frame, ID_FILTER_ON_OFF);
    EXPECT_EQ(GetSetting("ViewFilterActive"), "0");
    EXPECT_FALSE(BarOf(Visible()).isEmpty()) << "the booking did not come back without the filter";
    SaveScreenShot("06-filter-off");

    // 7. The booking list from the File menu, printed from its preview to a
    // PDF file through the print dialog.
    apptest::ChooseMenuCommand(frame, ID_REPORT_GLOBAL);
    ASSERT_NE(Preview(), nullptr);
    const int pages = Preview()->PageCount();
    EXPECT_GE(pages, 1);
    SaveScreenShot("07-print-booking-list-preview");
    const std::string pdf = out.File("Bookings.pdf");
    WhenModal<QPrintDialog>([pdf](QPrintDialog* dialog) {
        auto* printers = dialog->findChild<QComboBox*>("printers");
        ASSERT_NE(printers, nullptr);
        const int toFile = printers->findText(QPrintDialog::tr("Print to File (PDF)"));
        ASSERT_GE(toFile, 0);
        apptest::ChooseEntry(printers, toFile);
        TypeInto(dialog->findChild<QLineEdit*>("filename"), QString::fromStdString(pdf));
        SaveScreenShot("07-print-booking-list-dialog");
        Click(ButtonOf(dialog, QDialogButtonBox::AcceptRole));
    });
    apptest::ClickToolButton(Preview()->Button(CNewPreviewView::ID_PRINT));
    EXPECT_EQ(Preview(), nullptr);   // printing ends the preview
    ASSERT_EQ(testing::PdfPageCount(pdf), pages);
    std::string printed;
    for (int page = 1; page <= pages; ++page) printed += testing::PdfPageText(pdf, page);
    EXPECT_NE(printed.find(kResource.toStdString()), std::string::npos);
    EXPECT_NE(printed.find(kTask.toStdString()), std::string::npos);
    SaveScreenShot("07-print-booking-list");

    // 8. The resource schedule's report, written as HTML from its preview.
    apptest::ChooseMenuCommand(frame, ID_VIEW_FIRST);
    apptest::ChooseMenuCommand(frame, ID_REPORT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    SaveScreenShot("08-schedule-html-preview");
    const std::string html = out.File("Schedule.html");
    apptest::WhenFileDialog(html, QString::fromStdString(plat::LoadResString(kStrHtmlSaveTitle)),
                            "08-schedule-html-file-dialog");
    apptest::ClickToolButton(Preview()->Button(CNewPreviewView::ID_EXPORT));
    EXPECT_GT(FileSize(html), 0u);
    const std::string page = testing::ReadFile(html);
    int images = 0;
    for (const auto& entry : std::filesystem::directory_iterator(out.path())) {
        if (entry.path().extension() != ".png") continue;
        ++images;
        EXPECT_GT(FileSize(entry.path().string()), 0u) << entry.path();
        EXPECT_NE(page.find(entry.path().filename().string()), std::string::npos) << entry.path();
    }
    EXPECT_GE(images, 1);
    SaveScreenShot("08-schedule-html");

    // 9. Resources, tasks and bookings exported into three files.
    const std::string files[] = {out.File("resources.txt"), out.File("tasks.txt"), out.File("bookings.txt")};
    Export(0, files[0], "09-export-resources-dialog");
    Export(1, files[1], "09-export-tasks-dialog");
    Export(2, files[2], "09-export-bookings-dialog");
    EXPECT_NE(testing::ReadFile(files[0]).find(kResource.toStdString()), std::string::npos);
    EXPECT_NE(testing::ReadFile(files[1]).find(kTask.toStdString()), std::string::npos);
    EXPECT_NE(testing::ReadFile(files[2]).find(kResource.toStdString()), std::string::npos);
    SaveScreenShot("09-export");

    // 10. A new plan (the changes not saved), the three files imported into it.
    const PlanFacts exported = FactsOf(Plan());
    WhenMessage(QMessageBox::No);
    apptest::ChooseMenuCommand(frame, ID_FILE_NEW);
    ASSERT_EQ(Plan()->resources->GetCount(), 0);
    ASSERT_EQ(Plan()->bookings->GetCount(), 0);
    EXPECT_EQ(Title(), TitleOf("Untitled"));
    // The export titles its columns after the records ("Resource"), the
    // import names its fields after their part ("Name").
    Import("&Resources...", "Import Resources", files[0], {{"Name", "Resource"}, {"Group", "Resource Group"}},
           int(exported.resources.size()), "10-import-resources");
    Import("&Tasks...", "Import Tasks", files[1], {{"Name", "Task"}, {"Group", "Task Group"}},
           int(exported.tasks.size()), "10-import-tasks");
    Import("&Bookings...", "Import Bookings", files[2], {{"Text", "Notes"}}, int(exported.bookings.size()),
           "10-import-bookings");
    const PlanFacts imported = FactsOf(Plan());
    EXPECT_EQ(imported.resources, exported.resources);
    EXPECT_EQ(imported.tasks, exported.tasks);
    EXPECT_EQ(imported.bookings, exported.bookings);
    SaveScreenShot("10-import");

    // 11. Two passwords, each typed again to confirm it.
    WhenModal<CFilePasswordDlg>([](CFilePasswordDlg* dialog) {
        Click(dialog->GetDlgItem(IDC_PASSWORD_PROTECT));
        TypeInto(dialog->GetDlgItem(IDC_PASSWORD_FIRST), kFirstPassword);
        TypeInto(dialog->GetDlgItem(IDC_PASSWORD_SECOND), kSecondPassword);
        SaveScreenShot("11-passwords-dialog");
        WhenModal<CPasswordConfirmDlg>([](CPasswordConfirmDlg* first) {
            TypeInto(first->GetDlgItem(IDC_PASSWORD_ENTRY), kFirstPassword);
            SaveScreenShot("11-passwords-confirm");
            // Only now: the typing waited, and this would have taken the first.
            WhenModal<CPasswordConfirmDlg>([](CPasswordConfirmDlg* second) {
                TypeInto(second->GetDlgItem(IDC_PASSWORD_ENTRY), kSecondPassword);
                Click(second->GetDlgItem(ui::IDOK));
            });
            Click(first->GetDlgItem(ui::IDOK));
        });
        Click(dialog->GetDlgItem(ui::IDOK));
    });
    apptest::ChooseMenuCommand(frame, ID_DOCUMENT_PASSWORDS);
    EXPECT_EQ(Plan()->properties->passwordFlag, 1);
    EXPECT_EQ(frame->PaneText(2).toStdString(), plat::LoadResString(ids::STATUS_PASSWORD));
    SaveScreenShot("11-passwords");

    // 12. Saved under a new name.
    const std::string saved = out.File("Session.qel");
    apptest::WhenFileDialog(saved, {}, "12-save-as-file-dialog");
    apptest::ChooseMenuCommand(frame, ID_FILE_SAVE_AS);
    EXPECT_GT(FileSize(saved), 0u);
    EXPECT_EQ(Title(), TitleOf("Session.qel"));
    EXPECT_FALSE(Plan()->IsModified());
    SaveScreenShot("12-save-as");

    // 13. Opened again with the second password: read-only.
    apptest::ChooseMenuCommand(frame, ID_FILE_NEW);
    apptest::WhenFileDialog(saved);
    QString note;
    WhenModal<CPasswordEntryDlg>([&note](CPasswordEntryDlg* dialog) {
        TypeInto(dialog->GetDlgItem(IDC_PASSWORD_ENTRY), kSecondPassword);
        SaveScreenShot("13-reopen-read-only-password");
        WhenMessage(QMessageBox::Ok, &note);
        Click(dialog->GetDlgItem(ui::IDOK));
    });
    apptest::ChooseMenuCommand(frame, ID_FILE_OPEN);
    EXPECT_EQ(note.toStdString(), plat::FormatChecked(plat::LoadResString(ids::OPEN_READ_ONLY), {saved}));
    EXPECT_EQ(Title(), TitleOf("Session.qel") + " (read-only)");
    EXPECT_TRUE(Plan()->properties->IsWriteProtected());
    frame->UpdateCommandStates();
    for (unsigned command : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_DOCUMENT_PASSWORDS})
        EXPECT_FALSE(frame->Action(command)->isEnabled()) << command;
    EXPECT_EQ(FactsOf(Plan()), imported);
    SaveScreenShot("13-reopen-read-only");
}

}  // namespace
