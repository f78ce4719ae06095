#include "calendar_selection.h"

#include <algorithm>

const std::vector<CBooking*>& CalendarSelectionCache::BookingsOf(const CalendarDaySelection& days,
                                                                 CBookingCollection* bookings) {
    if (valid_) return bookings_;
    bookings_.clear();
    valid_ = true;
    if (!days.exists || bookings == nullptr) return bookings_;
    const std::int32_t first = days.Lower().GetJulianDay(), last = days.Upper().GetJulianDay() + 1;
    const int count = bookings->GetCountInPeriod(first, 0, last, 0);
    if (count <= 0) return bookings_;
    bookings_.resize(static_cast<std::size_t>(count));
    const int got = bookings->GetInPeriod(bookings_.data(), first, 0, last, 0);
    bookings_.resize(static_cast<std::size_t>(std::clamp(got, 0, count)));
    return bookings_;
}

void FillCalendarSelection(SelectionRecord& record, CBooking* selected, const CalendarDaySelection& days,
                           CBookingCollection* bookings, CalendarSelectionCache& cache) {
    record.resourceGroupCount = record.resourceCount = record.taskGroupCount = record.taskCount = 0;
    record.startDate = record.endDate = 0;
    record.startTime = record.endTime = 0;
    if (days.exists) {
        record.startDate = days.Lower().GetJulianDay();
        record.endDate = days.Upper().GetJulianDay() + 1;
    }
    std::vector<CBooking*> one;
    if (selected != nullptr) one.push_back(selected);
    const std::vector<CBooking*>& chosen = selected != nullptr ? one : cache.BookingsOf(days, bookings);
    record.bookingCount = static_cast<std::int32_t>(chosen.size());
    if (record.bookings == nullptr) return;
    const std::size_t room = static_cast<std::size_t>(std::max(0, record.bookingCapacity));
    std::copy_n(chosen.begin(), std::min(room, chosen.size()), record.bookings);
}
