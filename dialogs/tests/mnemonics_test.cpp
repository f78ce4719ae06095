#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "booking_dialog.h"
#include "booking_fixture.h"
#include "booking_list.h"
#include "fake_list_commands.h"
#include "filter_dialog.h"
#include "item_dialogs.h"
#include "item_list_dialog.h"
#include "mnemonics.h"
#include "option_dialogs.h"
#include "password_dialogs.h"
#include "print_setup_dialog.h"
#include "working_time_dialog.h"

namespace {

using dlgtest::MnemonicTexts;

// Only what Alt+letter reaches counts: a label without a buddy and a hidden
// button do not, a disabled button, a group box and a tab do. "&&" is no
// mnemonic; letter case makes no other letter.
TEST(MnemonicsTest, RepeatsAreTheLettersOfControlsAltReaches) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* name = new QLabel("&Name:");
    auto* edit = new QLineEdit;
    name->setBuddy(edit);
    auto* open = new QPushButton("&Open");
    open->setEnabled(false);
    auto* options = new QGroupBox("&Options");
    options->setCheckable(true);
    auto* hidden = new QRadioButton("&Close");
    auto* tabs = new QTabWidget;
    tabs->addTab(new QWidget, "&Tasks");
    tabs->addTab(new QWidget, "&times");
    for (QWidget* widget : std::initializer_list<QWidget*>{name, edit, new QLabel("&Notes"), new QPushButton("&New"),
                                                           new QCheckBox("Save && &close"), open, options, hidden, tabs})
        layout->addWidget(widget);
    hidden->hide();

    EXPECT_EQ(dlgtest::RepeatedMnemonics(dialog),
              (MnemonicTexts{{"n", {"&Name:", "&New"}}, {"o", {"&Open", "&Options"}}, {"t", {"&Tasks", "&times"}}}));
    EXPECT_EQ(dlgtest::Mnemonics(dialog).at("c"), std::vector<std::string>{"Save && &close"});
}

constexpr int32_t kMonday = 2460556;   // 2 September 2024

// Every dialog of this folder in the program's own texts, with all of its
// controls shown (the list dialogs' group buttons too). An edited booking
// differs from a new one only in "&Resource:".
class DialogMnemonicsTest : public dlgtest::BookingFixture {};

TEST_F(DialogMnemonicsTest, EachLetterLeadsToOneControl) {
    CResourceGroup* site = plan.ResourceGroup("Site", 0);
    CResource* crane = plan.Resource("Crane", 0, site);
    CTask* wall = plan.Task("Wall", 0);
    CBooking* booking = plan.Booking(crane, wall, kMonday, 480, kMonday, 600);
    settings["DlgButtonsLeftRight"] = "1";
    dlgtest::BookingCommands bookingCommands(data);
    dlgtest::FakeListCommands listCommands;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::uint8_t weekdays[7] = {1, 1, 1, 1, 1, 0, 0};

    const auto bookingList = [&](bool readOnly) {
        auto dialog = std::make_unique<CBookingListDlg>(readOnly, false, &bookingCommands);
        dialog->bookings = {booking};
        return dialog;
    };
    const struct {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
    } cases[] = {
        {"new booking", [&] {
             auto dialog = std::make_unique<CBookingDlg>(false, data, Settings());
             dialog->task = wall;
             dialog->resources = {crane};
             dialog->fromDate = dialog->toDate = CDate::FromJulianDay(kMonday);
             return dialog;
         }},
        {"booking list", [&] { return bookingList(false); }},
        {"booking list, read-only", [&] { return bookingList(true); }},
        {"booking conflicts", [&] {
             auto dialog = std::make_unique<CBookingConflictsDlg>();
             dialog->bookings = {booking};
             return dialog;
         }},
        {"booking delete", [] { return std::make_unique<CBookingDeleteDlg>(); }},
        {"resource", [&] { return std::make_unique<CItemDlg>(kResourceDialogTexts, false, false, Settings()); }},
        {"task", [&] { return std::make_unique<CItemDlg>(kTaskDialogTexts, true, false, Settings()); }},
        {"resource group", [&] { return std::make_unique<CGroupDlg>(kResourceGroupDialogTexts, false, Settings()); }},
        {"task group", [&] { return std::make_unique<CGroupDlg>(kTaskGroupDialogTexts, false, Settings()); }},
        {"resource list", [&] { return std::make_unique<CItemListDlg>(kResourceListTexts, listCommands, Settings()); }},
        {"task list, read-only", [&] {
             listCommands.readOnly = true;
             return std::make_unique<CItemListDlg>(kTaskListTexts, listCommands, Settings());
         }},
        {"filter", [&] { return std::make_unique<CFilterDlg>(false, data, Settings()); }},
        {"saved filters", [&] { return std::make_unique<CFilterListDlg>(false, data); }},
        {"filter name", [&] { return std::make_unique<CFilterNameDlg>(data, nullptr); }},
        {"view options", [] { return std::make_unique<CViewOptionsDlg>(WorkingTime{}); }},
        {"schedule options", [&] { return std::make_unique<CScheduleOptionsDlg>(false, weekdays, false); }},
        {"units on screen", [&] { return std::make_unique<CUnitsOnScreenDlg>(Settings()); }},
        {"edit setting", [&] { return std::make_unique<CSettingEditDlg>(Settings()); }},
        {"working time", [&] { return std::make_unique<CWorkingTimeDlg>(false, Settings()); }},
        {"go to date", [] { return std::make_unique<CPeriodChoiceDlg>(CDate::FromJulianDay(kMonday)); }},
        {"passwords", [] {
             auto dialog = std::make_unique<CFilePasswordDlg>(false);
             dialog->protect = 1;
             return dialog;
         }},
        {"password retyped", [] { return std::make_unique<CPasswordConfirmDlg>(); }},
        {"password prompt", [&] { return std::make_unique<CPasswordEntryDlg>("site.qel", data); }},
        {"print setup", [&] { return std::make_unique<CPrintSetupDlg>(&printer); }},
        {"about", [] { return std::make_unique<CAboutDlg>(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QDialog> dialog = c.make();
        dialog->show();
        EXPECT_EQ(dlgtest::RepeatedMnemonics(*dialog), MnemonicTexts{});
    }
}

}  // namespace
