#include "host_bookings.h"

#include <algorithm>

#include "booking_dialog.h"
#include "item_dialogs_adapter.h"
#include "ui/win_types.h"

CHostBookings::CHostBookings(CPlanData* data, QWidget* parent, SettingGetter settings)
    : data_(data), parent_(parent), settings_(settings), commands_(data, *this, std::move(settings)) {}

bool CHostBookings::RunBookingDialog(BookingDialogRecord& record) {
    CBookingDlg dialog(record.readOnly, data_, settings_, parent_);
    dialog.booking = record.edited;
    dialog.task = record.task;
    dialog.resources = record.resources;
    dialog.fromDate = record.fromDate;
    dialog.toDate = record.toDate;
    dialog.fromTime = record.fromTime;
    dialog.toTime = record.toTime;
    dialog.color1 = record.color1;
    dialog.color2 = record.color2;
    dialog.flag = record.flag;
    dialog.note = record.text;
    dialog.checkConflicts = [this](BookingConflictRequest& request) { commands_.CheckBookingConflicts(&request); };
    dialog.addTask = [this, &dialog] { return RunAddTask(data_, &dialog); };
    if (dialog.DoModal() != ui::IDOK) return false;

    record.task = dialog.task;
    record.resources = dialog.resources;
    record.fromDate = dialog.fromDate;
    record.toDate = dialog.toDate;
    record.fromTime = dialog.fromTime;
    record.toTime = dialog.toTime;
    record.color1 = dialog.color1;
    record.color2 = dialog.color2;
    record.flag = static_cast<std::uint8_t>(dialog.flag != 0 ? 1 : 0);
    record.text = dialog.note;
    return true;
}

bool CHostBookings::ConfirmDeleteBooking(const BookingDeleteTexts& texts) {
    CBookingDeleteDlg dialog(parent_);
    dialog.resourceName = texts.resource;
    dialog.taskName = texts.task;
    dialog.startText = texts.start;
    dialog.endText = texts.end;
    return dialog.DoModal() == ui::IDOK;
}

bool CHostBookings::ShowConflicts(const std::vector<CBooking*>& conflicts) {
    CBookingConflictsDlg dialog(parent_);
    dialog.bookings = conflicts;
    return dialog.DoModal() == ui::IDOK;
}

bool CHostBookings::ShowBookingList(const std::vector<CBooking*>& bookings) {
    std::vector<CBooking*> listed;
    for (CBooking* booking : bookings) {
        const bool known = booking != nullptr && data_->bookings->Contains(booking);
        if (known && std::find(listed.begin(), listed.end(), booking) == listed.end()) listed.push_back(booking);
    }
    if (listed.empty()) return false;
    CBookingListDlg dialog(data_->properties->IsWriteProtected(), false, this, parent_);
    dialog.bookings = std::move(listed);
    dialog.DoModal();
    return true;
}
