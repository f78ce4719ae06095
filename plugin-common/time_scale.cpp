#include "time_scale.h"

#include <algorithm>

#include "schedule_model.h"

CDateTime NextUnitStart(const CDateTime& dateTime, int unit, int firstDayOfWeek) {
    CDateTime next(dateTime.date);
    switch (unit) {
    case 3:
        next.time = CTimeOfDay(dateTime.time.GetMinutes() / 60 * 60);
        next.AddMinutes(60);
        return next;
    case 4:
        return CDateTime(AddDays(dateTime.date, 1));
    case 5:
        next.date = AddDays(dateTime.date, 1);
        next.date.MoveToWeekday(std::clamp(firstDayOfWeek, 1, 7) - 1, true);
        return next;
    case 6:
        next.date = CDate(1, dateTime.date.GetMonth(), dateTime.date.GetYear());
        next.date.AddMonths(1);
        return next;
    case 7:
        return CDateTime(CDate(1, 1, dateTime.date.GetYear() + 1));
    default:
        return dateTime;
    }
}

CTimeScaleIterator::CTimeScaleIterator(const CScheduleModel& model, const CDateTime& start, int limit)
    : model_(model), start_(start), current_(start), position_(start), limit_(limit) {}

bool CTimeScaleIterator::Run(CDateTime& segmentStart, int& offset) {
    const PlanContext& context = model_.Context();
    const int width = model_.ColumnWidth();
    const CDateTime next = NextUnitStart(current_, model_.MajorUnit(), context.FirstDayOfWeek());
    if (!next.date.IsValid() || !(current_ < next)) return false;
    if (model_.baseUnit == 5) {
        const long long days = next.date.GetJulianDay() - start_.date.GetJulianDay();
        const long long pixels = days * width / 7;
        if (pixels > static_cast<long long>(limit_) * width) return false;
        current_ = next;
        // Week columns are cut by day: the segment starts on the boundary's day.
        segmentStart = next;
        offset = static_cast<int>(pixels);
        return true;
    }
    // Step column by column until at or past the boundary: a boundary on a
    // hidden day is reached by the first column after it.
    while (position_ < next) {
        const CDateTime stepped = model_.StepUnits(position_, 1);
        if (!(position_ < stepped)) return false;
        position_ = stepped;
        if (++count_ > limit_) return false;
    }
    current_ = std::max(next, position_);
    // A boundary in hidden time is not shown: the segment starts with the
    // column reached.
    segmentStart = position_;
    offset = static_cast<int>(count_ * width);
    return true;
}
