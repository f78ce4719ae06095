#pragma once

// The tooltip of a booking being dragged: where the move or the resize would
// put it, each value that would change in bold, a group row as target in red.

#include <string>

#include "booking_drag.h"
#include "plan_context.h"

// Target row, new start and new end of a move of booking.
std::string MoveTooltip(const CBooking& booking, const ScheduleRowItem& target, bool resourceMode,
                        const BookingRange& range);
// New start, end and duration of a resize; the duration in minutes decides
// whether it changed, the texts are shown.
std::string ResizeTooltip(const CBooking& booking, const BookingRange& range, double oldMinutes, double newMinutes,
                          const std::string& durationText);
// The same with both durations from the context's plan and settings
// ("DurationRealTime", "ViewFormatDuration"); empty without a plan.
std::string BuildResizeTooltip(const PlanContext& context, const CBooking& booking, const BookingRange& range);
