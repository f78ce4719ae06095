#include "booking_tooltip.h"

#include <algorithm>
#include <vector>

#include "booking_range.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "support/time_bar_labels.h"
#include "support/working_time.h"
#include "text_split.h"
#include "tooltip_markup.h"

namespace {

constexpr int kTextWidth = 50;
constexpr int kTextLookBack = 10;

void AddPeriodLines(std::string& out, const CDateTime& start, const CDateTime& end, std::string_view duration) {
    AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_START), FormatTimeBarLabel(start, 1, false));
    AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_END), FormatTimeBarLabel(end, 1, true));
    AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_DURATION), duration);
}

bool HasWorkingTime(const PlanContext& context) {
    return context.plan != nullptr && context.plan->properties != nullptr;
}

std::string DurationText(const PlanContext& context, const CDateTime& start, const CDateTime& end) {
    return TooltipDurationText(context, TooltipMinutes(context, start, end));
}

}  // namespace

double TooltipMinutes(const PlanContext& context, const CDateTime& start, const CDateTime& end) {
    if (!HasWorkingTime(context)) return 0;
    const bool realTime = GetBoolSetting(context.settings, "DurationRealTime", false);
    return BookingWorkingMinutes(WorkingTimeOf(*context.plan->properties), start, end, kUnitMinutes, realTime);
}

std::string TooltipDurationText(const PlanContext& context, double minutes) {
    if (!HasWorkingTime(context)) return {};
    const int style = GetIntSetting(context.settings, "ViewFormatDuration", kDurationHoursMinutes);
    return FormatDuration(WorkingTimeOf(*context.plan->properties), minutes, style, kUnitMinutes);
}

std::string FormatBookingTooltip(const CBooking& booking, std::string_view duration) {
    std::string out;
    if (booking.resource != nullptr)
        AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_RESOURCE), booking.resource->name);
    if (booking.task != nullptr) AppendTooltipLine(out, plat::LoadResString(ids::TOOLTIP_TASK), booking.task->name);
    const BookingRange range = RangeOf(booking);
    AddPeriodLines(out, range.start, range.end, duration);
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
    if (booking == nullptr || !HasWorkingTime(context) || !context.plan->bookings->Contains(booking)) return {};
    const BookingRange range = RangeOf(*booking);
    return FormatBookingTooltip(*booking, DurationText(context, range.start, range.end));
}

std::string BuildPeriodTooltip(const PlanContext& context, const CDateTime& start, const CDateTime& end) {
    if (!HasWorkingTime(context)) return {};
    std::string out;
    AddPeriodLines(out, start, end, DurationText(context, start, end));
    return out;
}
