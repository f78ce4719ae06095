#include "booking_clipboard.h"

#include "data_status.h"
#include "host_objects.h"
#include "plan_data.h"

void CreateBookingClipboard() {
    HostObjects& host = Host();
    if (host.clipboard == nullptr && host.data != nullptr) host.clipboard = host.data->bookings->Create();
}

void DeleteBookingClipboard() {
    HostObjects& host = Host();
    // Never added, so Delete frees it at once.
    if (host.clipboard != nullptr) host.clipboard->Delete();
    host.clipboard = nullptr;
}

CBooking* BookingClipboard() { return Host().clipboard; }

bool CopyBookingToClipboard(const CBooking* booking) {
    CBooking* clipboard = Host().clipboard;
    if (clipboard == nullptr || booking == nullptr) return false;
    clipboard->CopyFrom(booking);
    return true;
}

void ClearBookingClipboard() {
    if (CBooking* clipboard = Host().clipboard) {
        clipboard->resource = nullptr;
        clipboard->task = nullptr;
    }
}

bool CanPasteBooking() {
    const HostObjects& host = Host();
    const CBooking* booking = host.clipboard;
    return booking != nullptr && host.data != nullptr && booking->resource != nullptr &&
           booking->task != nullptr && host.data->resources->Contains(booking->resource) &&
           host.data->tasks->Contains(booking->task);
}

void UpdateBookingClipboard(std::uint32_t changeMask) {
    if ((changeMask & kChangeDocumentReplaced) != 0 || !CanPasteBooking()) ClearBookingClipboard();
}
