#include "drag_tooltip.h"

#include <cmath>

#include "booking_tooltip.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "support/time_bar_labels.h"
#include "tooltip_markup.h"

namespace {

constexpr ui::COLORREF kGroupColour = 255;   // red

void AddLine(std::string& out, unsigned label, std::string_view value, bool changed, ui::COLORREF colour = 0) {
    AppendTooltipLine(out, plat::LoadResString(label), value, changed, colour);
}

void AddPeriod(std::string& out, const CBooking& booking, const BookingRange& range) {
    const BookingRange old = RangeOf(booking);
    AddLine(out, ids::TOOLTIP_START, FormatTimeBarLabel(range.start, 1, false), !(range.start == old.start));
    AddLine(out, ids::TOOLTIP_END, FormatTimeBarLabel(range.end, 1, true), !(range.end == old.end));
}

}  // namespace

std::string MoveTooltip(const CBooking& booking, const ScheduleRowItem& target, bool resourceMode,
                        const BookingRange& range) {
    std::string out;
    const MoveTarget to = MoveTargetOf(target, resourceMode, booking);
    if (resourceMode && to.onGroup) {
        AddLine(out, ids::TOOLTIP_RESOURCE, target.resourceGroup->name, true, kGroupColour);
    } else {
        AddLine(out, ids::TOOLTIP_RESOURCE, to.resource != nullptr ? to.resource->name : "",
                to.resource != booking.resource);
    }
    if (!resourceMode && to.onGroup) {
        AddLine(out, ids::TOOLTIP_TASK, target.taskGroup->name, true, kGroupColour);
    } else {
        AddLine(out, ids::TOOLTIP_TASK, to.task != nullptr ? to.task->name : "", to.task != booking.task);
    }
    AddPeriod(out, booking, range);
    return out;
}

std::string ResizeTooltip(const CBooking& booking, const BookingRange& range, double oldMinutes, double newMinutes,
                          const std::string& durationText) {
    std::string out;
    AddPeriod(out, booking, range);
    AddLine(out, ids::TOOLTIP_DURATION, durationText, std::fabs(newMinutes - oldMinutes) > 0.001);
    return out;
}

std::string BuildResizeTooltip(const PlanContext& context, const CBooking& booking, const BookingRange& range) {
    if (context.plan == nullptr || context.plan->properties == nullptr) return {};
    const BookingRange old = RangeOf(booking);
    const double before = TooltipMinutes(context, old.start, old.end);
    const double after = TooltipMinutes(context, range.start, range.end);
    return ResizeTooltip(booking, range, before, after, TooltipDurationText(context, after));
}
