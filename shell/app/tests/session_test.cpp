// One working session through the real program, its libraries and plugins,
// as a user has it: every command from the menu bar, every dialog the real
// one (the file, print and colour dialogs included), the views driven with
// the mouse. Each step checks the files, the window and the document.
// With QEL_SESSION_SHOTS naming a folder, each step leaves pictures of the
// screen there (scripts/session-xvfb.sh).

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>

#include "session_fixture.h"

namespace {

using namespace session_test;

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
    WhenModal<CBookingDlg>([day](CBookingDlg* dialog) {
        // The program's date format, which the export's period shows too (step 9).
        const QString from = PeriodText(dialog->GetDlgItem(IDC_BOOKING_DATES), 0);
        EXPECT_FALSE(from.isEmpty());
        EXPECT_EQ(from, ProgramDate(day));
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
    apptest::PassDragDelay();
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

    // 14. Opened again with the first password: full access.
    WhenModal<CPasswordEntryDlg>([](CPasswordEntryDlg* dialog) {
        TypeInto(dialog->GetDlgItem(IDC_PASSWORD_ENTRY), kFirstPassword);
        SaveScreenShot("14-reopen-full-access-password");
        Click(dialog->GetDlgItem(ui::IDOK));
    });
    apptest::ChooseMenuCommand(frame, ID_CHANGE_PASSWORD, "14-reopen-full-access-menu");
    EXPECT_EQ(Title(), TitleOf("Session.qel"));
    EXPECT_FALSE(Plan()->IsReadOnly());
    EXPECT_FALSE(Plan()->properties->IsWriteProtected());
    frame->UpdateCommandStates();
    for (unsigned command : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_DOCUMENT_PASSWORDS})
        EXPECT_TRUE(frame->Action(command)->isEnabled()) << command;
    EXPECT_EQ(FactsOf(Plan()), imported);
    SaveScreenShot("14-reopen-full-access");
}

}  // namespace
