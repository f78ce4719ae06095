#include "booking_placement.h"

#include <string>

#include "plat/resource_strings.h"

PlacementResult WriteBookingPlacement(CPlanData& plan, CBooking* booking, const BookingPlacement& placement,
                                      unsigned nameId, const PlacementCheck& mayPlace) {
    if (booking == nullptr || !plan.bookings->Contains(booking) || placement.resource == nullptr ||
        placement.task == nullptr || !plan.resources->Contains(placement.resource) ||
        !plan.tasks->Contains(placement.task))
        return PlacementResult::Gone;
    if (plan.properties->IsWriteProtected()) return PlacementResult::Protected;
    if (mayPlace && !mayPlace(placement.resource, placement.start, placement.end, booking))
        return PlacementResult::Refused;
    // An unnamed transaction would clear the undo history.
    const std::string name = plat::LoadResString(nameId);
    if (name.empty() || plan.BeginTransaction(name.c_str()) != kDataOk) return PlacementResult::Failed;
    if (booking->BeginChange() != kDataOk) {
        plan.CancelTransaction();
        return PlacementResult::Failed;
    }
    booking->startDay = placement.start.date.GetJulianDay();
    booking->startMinutes = static_cast<std::int16_t>(placement.start.time.GetMinutes());
    booking->endDay = placement.end.date.GetJulianDay();
    booking->endMinutes = static_cast<std::int16_t>(placement.end.time.GetMinutes());
    booking->resource = placement.resource;
    booking->task = placement.task;
    if (plan.CommitTransaction() != kDataOk) return PlacementResult::Failed;
    return PlacementResult::Written;
}
