#include "booking_tooltip.h"

#include <algorithm>
#include <vector>

#include "plat/resource_strings.h"
#include "string_ids.h"
#include "support/time_bar_labels.h"
#include "support/working_time.h"
#include "text_split.h"
#include "tooltip_markup.h"

namespace {

constexpr int kTextWidth = 50;
constexpr int kTextLookBack = 10;

CDateTime StartOf(const CBooking& booking) {
    return {CDate::FromJulianDay(booking.startDay), CTimeOfDay(booking.startMinutes)};
}
CDateTime EndOf(const CBooking& booking) { return {CDate::FromJulianDay(booking.endDay), CTimeOfDay(booking.endMinutes)}; }

}  // namespace

std::string FormatBookingTooltip(const CBooking& booking, std::string_view duration) {
    std::string out;
    if (booking.resource != nullptr)
        AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_RESOURCE), booking.resource->name);
    if (booking.task != nullptr) AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_TASK), booking.task->name);
    AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_START), FormatTimeBarLabel(StartOf(booking), 1, false));
    AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_END), FormatTimeBarLabel(EndOf(booking), 1, true));
    AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_DURATION), duration);
    std::string text(booking.text, strnlen(booking.text, sizeof booking.text));
    std::erase(text, '\r');
    if (text.empty()) return out;
    std::vector<std::string> lines;
    WrapText(lines, text, kTextWidth, kTextLookBack);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        AppendTooltipLine(out, i == 0 ? plat::LoadResString(ids::TOOLTIP_TEXT) : std::string(), lines[i]);
    }
    return out;
}

std::string BuildBookingTooltip(const PlanContext& context, const CBooking* booking) {
    if (booking == nullptr || context.plan == nullptr || !context.plan->bookings->Contains(booking)) return {};
    const WorkingTime wt = WorkingTimeOf(*context.plan->properties);
    const bool realTime = GetBoolSetting(context.settings, "DurationRealTime", false);
    const double minutes = BookingWorkingMinutes(wt, StartOf(*booking), EndOf(*booking), kUnitMinutes, realTime);
    const int style = GetIntSetting(context.settings, "ViewFormatDuration", kDurationHoursMinutes);
    return FormatBookingTooltip(*booking, FormatDuration(wt, minutes, style, kUnitMinutes));
}
