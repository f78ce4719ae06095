#pragma once

// Every dialog of this folder in the program's own texts, with all of its
// controls shown (the list dialogs' group buttons too). An edited booking
// differs from a new one only in "&Resource:".

#include <functional>
#include <memory>
#include <vector>

#include <QDialog>
#include <QPrinter>

#include "booking_dialog.h"
#include "booking_fixture.h"
#include "booking_list.h"
#include "fake_list_commands.h"
#include "filter_dialog.h"
#include "item_dialogs.h"
#include "item_list_dialog.h"
#include "option_dialogs.h"
#include "password_dialogs.h"
#include "print_setup_dialog.h"
#include "working_time_dialog.h"

namespace dlgtest {

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
};

class EveryDialogFixture : public BookingFixture {
protected:
    static constexpr int32_t kMonday = 2460556;   // 2 September 2024

    void SetUp() override {
        BookingFixture::SetUp();
        CResourceGroup* site = plan.ResourceGroup("Site", 0);
        crane = plan.Resource("Crane", 0, site);
        wall = plan.Task("Wall", 0);
        booking = plan.Booking(crane, wall, kMonday, 480, kMonday, 600);
        settings["DlgButtonsLeftRight"] = "1";
        printer.setOutputFormat(QPrinter::PdfFormat);
    }

    std::vector<DialogCase> Dialogs() {
        const auto bookingList = [this](bool readOnly) {
            auto dialog = std::make_unique<CBookingListDlg>(readOnly, false, &bookingCommands);
            dialog->bookings = {booking};
            return dialog;
        };
        return {
            {"new booking", [this] {
                 auto dialog = std::make_unique<CBookingDlg>(false, data, Settings());
                 dialog->task = wall;
                 dialog->resources = {crane};
                 dialog->fromDate = dialog->toDate = CDate::FromJulianDay(kMonday);
                 return dialog;
             }},
            {"booking list", [=] { return bookingList(false); }},
            {"booking list, read-only", [=] { return bookingList(true); }},
            {"booking conflicts", [this] {
                 auto dialog = std::make_unique<CBookingConflictsDlg>();
                 dialog->bookings = {booking};
                 return dialog;
             }},
            {"booking delete", [] { return std::make_unique<CBookingDeleteDlg>(); }},
            {"resource", [this] { return std::make_unique<CItemDlg>(kResourceDialogTexts, false, false, Settings()); }},
            {"task", [this] { return std::make_unique<CItemDlg>(kTaskDialogTexts, true, false, Settings()); }},
            {"resource group",
             [this] { return std::make_unique<CGroupDlg>(kResourceGroupDialogTexts, false, Settings()); }},
            {"task group", [this] { return std::make_unique<CGroupDlg>(kTaskGroupDialogTexts, false, Settings()); }},
            {"resource list",
             [this] { return std::make_unique<CItemListDlg>(kResourceListTexts, listCommands, Settings()); }},
            {"task list, read-only", [this] {
                 listCommands.readOnly = true;
                 return std::make_unique<CItemListDlg>(kTaskListTexts, listCommands, Settings());
             }},
            {"filter", [this] { return std::make_unique<CFilterDlg>(false, data, Settings()); }},
            {"saved filters", [this] { return std::make_unique<CFilterListDlg>(false, data); }},
            {"filter name", [this] { return std::make_unique<CFilterNameDlg>(data, nullptr); }},
            {"view options", [] { return std::make_unique<CViewOptionsDlg>(WorkingTime{}); }},
            {"schedule options", [this] { return std::make_unique<CScheduleOptionsDlg>(false, weekdays, false); }},
            {"units on screen", [this] { return std::make_unique<CUnitsOnScreenDlg>(Settings()); }},
            {"edit setting", [this] { return std::make_unique<CSettingEditDlg>(Settings()); }},
            {"working time", [this] { return std::make_unique<CWorkingTimeDlg>(false, Settings()); }},
            {"go to date", [] { return std::make_unique<CPeriodChoiceDlg>(CDate::FromJulianDay(kMonday)); }},
            {"passwords", [] {
                 auto dialog = std::make_unique<CFilePasswordDlg>(false);
                 dialog->protect = 1;
                 return dialog;
             }},
            {"password retyped", [] { return std::make_unique<CPasswordConfirmDlg>(); }},
            {"password prompt", [this] { return std::make_unique<CPasswordEntryDlg>("site.qel", data); }},
            {"print setup", [this] { return std::make_unique<CPrintSetupDlg>(&printer); }},
            {"about", [] { return std::make_unique<CAboutDlg>(); }},
        };
    }

    CResource* crane = nullptr;
    CTask* wall = nullptr;
    CBooking* booking = nullptr;
    BookingCommands bookingCommands{data};
    FakeListCommands listCommands;
    QPrinter printer;
    const std::uint8_t weekdays[7] = {1, 1, 1, 1, 1, 0, 0};
};

}  // namespace dlgtest
