#include "schedule_bars.h"

#include <algorithm>
#include <climits>

#include "schedule_model.h"

long long MinuteKey(std::int32_t day, int minutes) {
    return static_cast<long long>(day) * CTimeOfDay::kMinutesPerDay + minutes;
}

long long MinuteKey(const CDateTime& dateTime) {
    return MinuteKey(dateTime.date.GetJulianDay(), dateTime.time.GetMinutes());
}

std::int32_t DayOfKey(long long key) {
    const long long day = key / CTimeOfDay::kMinutesPerDay - (key % CTimeOfDay::kMinutesPerDay < 0 ? 1 : 0);
    return static_cast<std::int32_t>(std::clamp<long long>(day, INT32_MIN, INT32_MAX));
}

CDateTime DateTimeOfKey(long long key) {
    const std::int32_t day = DayOfKey(key);
    return CDateTime(CDate::FromJulianDay(day),
                     CTimeOfDay(static_cast<int>(key - static_cast<long long>(day) * CTimeOfDay::kMinutesPerDay)));
}

StretchGeometry::StretchGeometry(const std::vector<ScheduleColumn>& columns, int columnWidth, bool dayOffsets)
    : columns_(columns), width_(columnWidth), dayOffsets_(dayOffsets) {
    startKeys_.reserve(columns.size());
    endKeys_.reserve(columns.size());
    for (const ScheduleColumn& column : columns) {
        const long long start = MinuteKey(column.start), end = MinuteKey(column.end);
        if (!startKeys_.empty() && (start <= startKeys_.back() || start < endKeys_.back())) ordered_ = false;
        startKeys_.push_back(start);
        endKeys_.push_back(end);
        start_ = startKeys_.size() == 1 ? start : std::min(start_, start);
        end_ = std::max(end_, end);
    }
}

bool StretchGeometry::Overlapped(long long bs, long long be, int& first, int& last) const {
    if (ordered_) {
        first = static_cast<int>(std::upper_bound(endKeys_.begin(), endKeys_.end(), bs) - endKeys_.begin());
        const auto after = bs == be ? std::upper_bound(startKeys_.begin(), startKeys_.end(), be)
                                    : std::lower_bound(startKeys_.begin(), startKeys_.end(), be);
        last = static_cast<int>(after - startKeys_.begin()) - 1;
        return first <= last;
    }
    first = INT_MAX;
    last = -1;
    for (int c = 0; c < static_cast<int>(startKeys_.size()); ++c) {
        if ((bs < endKeys_[c] && startKeys_[c] < be) || (bs == be && startKeys_[c] == bs)) {
            first = std::min(first, c);
            last = c;
        }
    }
    return first <= last;
}

bool StretchGeometry::BarOf(const CBooking& booking, int minimumBarWidth, int& left, int& right) const {
    // Minutes outside the day are carried into the day they reach.
    const long long bs = MinuteKey(booking.startDay, booking.startMinutes);
    const long long be = MinuteKey(booking.endDay, booking.endMinutes);
    int first, last;
    if (!Overlapped(bs, be, first, last)) return false;
    // Each column gives its full width, except where a week or month column
    // holds the booking's start or end: there the bar starts or ends on its day.
    const ScheduleColumn& firstColumn = columns_[static_cast<std::size_t>(first)];
    left = first * width_;
    if (dayOffsets_ && bs >= startKeys_[first] && bs < endKeys_[first])
        left += (DayOfKey(bs) - firstColumn.start.date.GetJulianDay()) * firstColumn.pixelsPerDay;
    const ScheduleColumn& lastColumn = columns_[static_cast<std::size_t>(last)];
    right = last * width_ + width_ - 1;
    // A booking of no length at the column's start lies inside it, on its first day.
    if (dayOffsets_ && be >= startKeys_[last] && be < endKeys_[last]) {
        // An end at 0:00 closes the day before, unless the booking starts there too.
        const bool atMidnight = be % CTimeOfDay::kMinutesPerDay == 0;
        const int endDay = DayOfKey(be) - (atMidnight && bs != be ? 1 : 0);
        right = last * width_ + (endDay - lastColumn.start.date.GetJulianDay() + 1) * lastColumn.pixelsPerDay - 1;
    }
    // No wider than the stretch, so that the right edge stays a number.
    const long long stretch = static_cast<long long>(columns_.size()) * width_;
    right = std::max(right, left + static_cast<int>(std::clamp<long long>(minimumBarWidth, 0, stretch)));
    return true;
}
