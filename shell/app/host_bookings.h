#pragma once

// The booking commands with their real dialogs: the booking dialog (whose
// conflict check runs the commands' own, and whose new-task button runs the
// add-task command), the delete question, the conflicts list and the
// booking list.

#include <vector>

#include "booking_commands.h"
#include "booking_list.h"
#include "support/setting_values.h"

class QWidget;

class CHostBookings : public IBookingDialogs, public IBookingListCommands {
public:
    CHostBookings(CPlanData* data, QWidget* parent, SettingGetter settings);

    CBookingCommands& Commands() { return commands_; }
    // The booking list for these bookings; false when none of them is a
    // booking of the document, and then nothing is shown.
    bool ShowBookingList(const std::vector<CBooking*>& bookings);

    // IBookingDialogs
    bool RunBookingDialog(BookingDialogRecord& record) override;
    bool ConfirmDeleteBooking(const BookingDeleteTexts& texts) override;
    bool ShowConflicts(const std::vector<CBooking*>& conflicts) override;

    // IBookingListCommands
    bool EditBooking(CBooking* booking) override { return commands_.EditBooking(booking); }
    bool DeleteBookings(const std::vector<CBooking*>& bookings) override {
        return commands_.DeleteBookings(bookings);
    }
    bool CopyBookingToClipboard(CBooking* booking) override { return commands_.CopyBooking(booking); }
    bool CutBooking(CBooking* booking) override { return commands_.CutBooking(booking); }

private:
    CPlanData* data_;
    QWidget* parent_;
    SettingGetter settings_;
    CBookingCommands commands_;
};
