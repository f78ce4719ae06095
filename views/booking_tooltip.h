#pragma once

// The tooltip text of a booking, shown by the booking grid and the calendar
// view: resource, task, start, end, duration and the booking's text, one
// labelled line each, in tooltip markup.

#include <string>
#include <string_view>

#include "plan_context.h"

// The lines of booking with duration as the duration's text.
std::string FormatBookingTooltip(const CBooking& booking, std::string_view duration);

// The tooltip of booking in the context's plan and settings ("DurationRealTime",
// "ViewFormatDuration"); empty when booking is null or no longer in the plan.
std::string BuildBookingTooltip(const PlanContext& context, const CBooking* booking);
