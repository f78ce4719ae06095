#include "selected_booking.h"

CBooking* SelectedBooking::Get(CBookingCollection* bookings) const {
    if (booking == nullptr || bookings == nullptr || !bookings->Contains(booking)) return nullptr;
    return booking->id == id ? booking : nullptr;
}

bool PublicFilterKeeps(const PlanContext& context, CBooking* booking) {
    CFilter* filter = context.publicFilter;
    if (booking == nullptr || filter == nullptr || !context.settings ||
        !GetBoolSetting(context.settings, "ViewFilterActive", false))
        return true;
    return filter->FilterBookings(&booking, 1, nullptr) == 1;
}
