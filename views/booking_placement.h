#pragma once

// Writing a booking's new place (period, resource, task) as one named undo
// step, as the views do after a drag. Shared by every view that moves
// bookings with the mouse.

#include <functional>

#include "plan_data.h"
#include "support/calendar_values.h"

struct BookingPlacement {
    CDateTime start;
    CDateTime end;
    CResource* resource = nullptr;
    CTask* task = nullptr;
};

// Whether the booking may take the place (the host's conflict check).
using PlacementCheck = std::function<bool(CResource*, const CDateTime&, const CDateTime&, CBooking*)>;

enum class PlacementResult {
    Written,
    Gone,         // the booking, its resource or its task is no longer in the document
    Protected,    // the document is write-protected
    Refused,      // the conflict check said no
    Failed,       // the data store refused the transaction or the change
};

// Checks, then writes start day, start minutes, end day, end minutes,
// resource and task, in that order, inside a transaction named by the
// string nameId. Anything but Written leaves the document as it was.
PlacementResult WriteBookingPlacement(CPlanData& plan, CBooking* booking, const BookingPlacement& placement,
                                      unsigned nameId, const PlacementCheck& mayPlace);
