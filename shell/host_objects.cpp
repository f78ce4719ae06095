#include "host_objects.h"

#include "plan_data.h"

HostObjects& Host() {
    static HostObjects objects;
    return objects;
}

bool CanPasteBooking() {
    const HostObjects& host = Host();
    const CBooking* booking = host.clipboard;
    return booking != nullptr && host.data != nullptr && booking->resource != nullptr &&
           booking->task != nullptr && host.data->resources->Contains(booking->resource) &&
           host.data->tasks->Contains(booking->task);
}
