#pragma once

// The booking a view has selected, kept between events whether or not it
// is laid out: scrolling it out of view leaves it selected.

#include <cstdint>

#include "plan_context.h"

// Nothing is read at its address before the collection has said it holds
// it; its id tells it from a booking that took a freed one's address.
struct SelectedBooking {
    CBooking* booking = nullptr;
    std::int32_t id = 0;

    static SelectedBooking Of(CBooking* booking) { return {booking, booking != nullptr ? booking->id : 0}; }
    // The booking while bookings still holds it; null when none is selected or it is gone.
    CBooking* Get(CBookingCollection* bookings) const;
};

// False when the public filter is on and leaves the booking out.
bool PublicFilterKeeps(const PlanContext& context, CBooking* booking);
