#pragma once

// The tooltip texts of the booking grid and the calendar view, in tooltip
// markup, one labelled line each: a booking's resource, task, start, end,
// duration and text, and a selected period's start, end and duration.

#include <string>
#include <string_view>

#include "plan_context.h"
#include "support/calendar_values.h"

// The working length from start to end in minutes, every minute counting
// with "DurationRealTime"; 0 without a plan.
double TooltipMinutes(const PlanContext& context, const CDateTime& start, const CDateTime& end);
// Minutes as text in the style "ViewFormatDuration"; empty without a plan.
std::string TooltipDurationText(const PlanContext& context, double minutes);

// The lines of booking with duration as the duration's text.
std::string FormatBookingTooltip(const CBooking& booking, std::string_view duration);

// The tooltip of booking in the context's plan and settings ("DurationRealTime",
// "ViewFormatDuration"); empty when booking is null or no longer in the plan.
std::string BuildBookingTooltip(const PlanContext& context, const CBooking* booking);

// The tooltip of a selected period from start to end, its duration in
// working minutes by the same settings; empty without a plan.
std::string BuildPeriodTooltip(const PlanContext& context, const CDateTime& start, const CDateTime& end);
