#include "calendar_model.h"

#include <algorithm>
#include <utility>

#include "schedule_rows.h"
#include "support/comparators.h"
#include "support/setting_values.h"
#include "support/time_bar_labels.h"
#include "support/working_time.h"

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;

constexpr const char* kWeekdayColorKeys[7] = {
    "ViewBkColorMonday", "ViewBkColorTuesday", "ViewBkColorWednesday", "ViewBkColorThursday",
    "ViewBkColorFriday", "ViewBkColorSaturday", "ViewBkColorSunday"};

// Weekday indexes: 0 = Monday ... 6 = Sunday.
int WeekdayOf(const CDate& date) {
    return date.GetDayOfWeek() - 1;
}

std::int64_t StartKey(const CBooking& b) {
    return b.startDay * kMinutesPerDay + b.startMinutes;
}
std::int64_t EndKey(const CBooking& b) {
    return b.endDay * kMinutesPerDay + b.endMinutes;
}
std::int64_t KeyOf(const CDateTime& t) {
    return t.date.GetJulianDay() * kMinutesPerDay + t.time.GetMinutes();
}

template <class T>
int Three(T a, T b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

int CompareResources(const CBooking& a, const CBooking& b) {
    if (a.resource == b.resource) return 0;
    return CompareNames(a.resource != nullptr ? a.resource->name : "",
                        b.resource != nullptr ? b.resource->name : "");
}
int CompareTasks(const CBooking& a, const CBooking& b) {
    if (a.task == b.task) return 0;
    return CompareNames(a.task != nullptr ? a.task->name : "", b.task != nullptr ? b.task->name : "");
}

// Keeps the period inside the days a CDate can name. The first week must
// start whole (weeks are counted from it); the last may stop short.
CDate ClampedDay(std::int32_t day) {
    return CDate::FromJulianDay(std::clamp(day, CDate::kFirstDay + 7, CDate::kLastDay));
}

}  // namespace

bool CompareCalendarBookings(const CBooking* a, const CBooking* b, int key, bool ascending) {
    const CBooking& x = *a;
    const CBooking& y = *b;
    int levels[2] = {0, 0};
    switch (key) {
    case 0: levels[0] = CompareResources(x, y); levels[1] = CompareTasks(x, y); break;
    case 1: levels[0] = CompareTasks(x, y); levels[1] = CompareResources(x, y); break;
    case 2: levels[0] = Three(StartKey(x), StartKey(y)); break;
    case 3: levels[0] = Three(x.startMinutes, y.startMinutes); break;
    case 4: levels[0] = Three(EndKey(x), EndKey(y)); break;
    case 5: levels[0] = Three(x.endMinutes, y.endMinutes); break;
    case 6:
        levels[0] = Three(StartKey(x), StartKey(y));
        levels[1] = Three(y.endMinutes, x.endMinutes);
        break;
    default: break;
    }
    const int sign = ascending ? 1 : -1;
    for (int level : levels)
        if (level != 0) return level * sign < 0;
    // The last two levels are names again for keys 0 and 1, which end on start and end instead.
    int third, fourth;
    if (key == 0 || key == 1) {
        third = Three(StartKey(x), StartKey(y));
        fourth = Three(EndKey(x), EndKey(y));
    } else {
        third = CompareResources(x, y);
        fourth = CompareTasks(x, y);
    }
    if (third != 0) return third * sign < 0;
    return fourth * sign < 0;
}

CCalendarModel::CCalendarModel(PlanContext context) : context_(std::move(context)) {
    SetDefaults();
}

CCalendarModel::~CCalendarModel() = default;

void CCalendarModel::SetDefaults() {
    backgroundColor = 0xFFFFFF;
    emptyBackgroundColor = 0x707070;
    monthHeaderBackgroundColor = 0xC0C0C0;
    dayNameHeaderBackgroundColor = 0xF8F8F8;
    dayHeaderBackgroundColor = 0xC0C0C0;
    monthHeaderTextColor = 0;
    dayNameHeaderTextColor = 0;
    dayHeaderTextColor = 0;
    horzGridColor = 0;
    vertGridColor = 0x808080;
    dayHeaderGridColor = 0;
    hideNonWorkingTime = false;
    nonWorkingColor = 0xD4D4D4;
    durationStyle = 4;
    notesOnBookings = false;
    weekdayColors.fill(0xFFFFFF);
    markToday = true;
    todayColor = 0x80C0FF;
}

void CCalendarModel::LoadSettings() {
    const SettingGetter& get = context_.settings;
    if (!get) return;
    const auto color = [&](const char* key, ui::COLORREF& value) { value = GetColorSetting(get, key, value); };
    color("ViewCalendarColorBk", backgroundColor);
    color("ViewCalendarColorEmptyBk", emptyBackgroundColor);
    color("ViewCalendarColorMonthHeaderBk", monthHeaderBackgroundColor);
    color("ViewCalendarColorDayNameHeaderBk", dayNameHeaderBackgroundColor);
    color("ViewCalendarColorDayHeaderBk", dayHeaderBackgroundColor);
    color("ViewCalendarColorMonthHeaderFg", monthHeaderTextColor);
    color("ViewCalendarColorDayNameHeaderFg", dayNameHeaderTextColor);
    color("ViewCalendarColorDayHeaderFg", dayHeaderTextColor);
    color("ViewCalendarColorGridHorz", horzGridColor);
    color("ViewCalendarColorGridVert", vertGridColor);
    color("ViewCalendarColorGridDayHeader", dayHeaderGridColor);
    hideNonWorkingTime = GetBoolSetting(get, "ViewScheduleNonWorkingTimeHide", hideNonWorkingTime);
    color("ViewScheduleNonWorkingTimeColor", nonWorkingColor);
    durationStyle = GetIntSetting(get, "ViewFormatDuration", durationStyle);
    notesOnBookings = GetBoolSetting(get, "ViewShowNotesOnBookings", notesOnBookings);
    for (int i = 0; i < 7; ++i) color(kWeekdayColorKeys[i], weekdayColors[i]);
}

void CCalendarModel::UpdateVisibleWeekdays() {
    CPlanProperties* properties = context_.plan != nullptr ? context_.plan->properties : nullptr;
    const WorkingTime workingTime = properties != nullptr ? WorkingTimeOf(*properties) : WorkingTime{};
    shownWeekdayCount_ = 0;
    for (int i = 0; i < 7; ++i) {
        shownWeekdays_[i] = !hideNonWorkingTime || workingTime.workingDays[i] != 0;
        shownWeekdayCount_ += shownWeekdays_[i] ? 1 : 0;
    }
    // A plan without a working day would leave the calendar without a column.
    if (shownWeekdayCount_ == 0) {
        shownWeekdays_.fill(true);
        shownWeekdayCount_ = 7;
    }
    if (properties != nullptr) {
        firstDay = ClampedDay(properties->periodStart);
        lastDay = ClampedDay(std::max(properties->periodStart, properties->periodEnd));
    } else {
        firstDay = lastDay = CDate::Today();
    }
    GetWeekBounds(firstDay, lastDay);
}

bool CCalendarModel::IsShownWeekday(const CDate& date) const {
    return shownWeekdays_[static_cast<std::size_t>(WeekdayOf(date))];
}

void CCalendarModel::GetWeekBounds(CDate& first, CDate& last) const {
    first = ClampedDay(first.GetJulianDay());
    last = ClampedDay(last.GetJulianDay());
    // Hidden days at the period's ends first, so that a period starting on
    // a hidden Saturday does not bring in the week that ends with it.
    for (int i = 0; i < 6 && first < last && !IsShownWeekday(first); ++i) first = AddDays(first, 1);
    for (int i = 0; i < 6 && first < last && !IsShownWeekday(last); ++i) last = AddDays(last, -1);
    first.MoveToWeekday(context_.FirstDayOfWeek() - 1, false);
    last.MoveToWeekday(context_.LastDayOfWeek() - 1, true);
    last = CDate::FromJulianDay(std::min(last.GetJulianDay(), CDate::kLastDay));
    for (int i = 0; i < 6 && !IsShownWeekday(last); ++i) last = AddDays(last, -1);
    // The calendar can end before first's week shows a day: the week before
    // is the last one shown.
    if (last < first) first = AddDays(first, -7);
    for (int i = 0; i < 6 && !IsShownWeekday(first); ++i) first = AddDays(first, 1);
}

int CCalendarModel::GetVisibleWeekdays(std::vector<int>& weekdays) const {
    weekdays.clear();
    const int firstWeekday = context_.FirstDayOfWeek() - 1;
    for (int i = 0; i < 7; ++i) {
        const int weekday = (firstWeekday + i) % 7;
        if (shownWeekdays_[static_cast<std::size_t>(weekday)]) weekdays.push_back(weekday);
    }
    return static_cast<int>(weekdays.size());
}

int CCalendarModel::CollectDays(std::vector<CDate>& days, const CDate& from) const {
    days.clear();
    const int lastWeekday = context_.LastDayOfWeek() - 1;
    CDate day = from;
    for (int i = 0; i < 7 && day.IsValid(); ++i, day = AddDays(day, 1)) {
        if (IsShownWeekday(day)) days.push_back(day);
        if (WeekdayOf(day) == lastWeekday) break;
    }
    return static_cast<int>(days.size());
}

std::string CCalendarModel::FormatRangeCaption(const CDate& first, const CDate& last) const {
    std::string years;
    for (int year = first.GetYear(); year <= last.GetYear(); ++year) {
        if (!years.empty()) years += '/';
        years += std::to_string(year);
    }
    // Without the locale's names a month is its number.
    const auto monthName = [&](int month) {
        if (context_.localeNames != nullptr) return context_.localeNames->MonthNames()[static_cast<std::size_t>(month - 1)];
        return std::to_string(month);
    };
    std::string months;
    const int firstMonth = first.GetYear() * 12 + first.GetMonth() - 1;
    const int lastMonth = last.GetYear() * 12 + last.GetMonth() - 1;
    if (lastMonth - firstMonth + 1 > 3) {
        months = monthName(first.GetMonth()) + "/.../" + monthName(last.GetMonth());
    } else {
        for (int m = firstMonth; m <= lastMonth; ++m) {
            if (!months.empty()) months += '/';
            months += monthName(m % 12 + 1);
        }
    }
    return months + " " + years;
}

std::string CCalendarModel::FormatDayCaption(const CDate& date, bool& isFirstOfMonth) {
    isFirstOfMonth = date.GetDay() == 1;
    return FormatTimeBarLabel(CDateTime(date), isFirstOfMonth ? 22 : 13, false);
}

int CCalendarModel::GetBookingLineHeight() const {
    return textLineHeight * (notesOnBookings ? 3 : 2);
}

void CCalendarModel::GetLinesPerDay(int& lines, int& fullLines) const {
    lines = fullLines = 0;
    // Wide enough for any sizes the owner sets; the division goes toward zero.
    const std::int64_t lineHeight = GetBookingLineHeight();
    const std::int64_t pitch = lineHeight + 2 * static_cast<std::int64_t>(bookingDistance);
    if (pitch == 0) return;
    const std::int64_t room = static_cast<std::int64_t>(dayHeight) - dayHeaderHeight;
    const std::int64_t e = (room - 1) / pitch;
    const std::int64_t full = room < lineHeight + pitch * e + bookingDistance ? e : e + 1;
    const auto count = [](std::int64_t n) { return static_cast<int>(std::clamp<std::int64_t>(n, 0, INT32_MAX)); };
    lines = count(e + 1);
    fullLines = count(full);
}

void CCalendarModel::Layout(const CDate& first, const CDate& requestedLast) {
    // The weeks keep their segment buffers from the last layout.
    for (CalendarWeek& week : weeks_) week.segments.clear();
    cells_.clear();
    // Pages of whole weeks may reach past the calendar's end: up to its end.
    const CDate last = requestedLast.GetJulianDay() > CDate::kLastDay ? CDate::FromJulianDay(CDate::kLastDay)
                                                                       : requestedLast;
    if (!first.IsValid() || !last.IsValid() || last < first) {
        weeks_.clear();
        return;
    }
    const int weekCount = (last.GetJulianDay() - first.GetJulianDay()) / 7 + 1;
    weeks_.resize(static_cast<std::size_t>(weekCount));
    for (int w = 0; w < weekCount; ++w) {
        CalendarWeek& week = weeks_[static_cast<std::size_t>(w)];
        week.firstCell = static_cast<int>(cells_.size());
        week.cellCount = CollectDays(days_, AddDays(first, 7 * w));
        for (const CDate& day : days_) cells_.push_back({CDateTime(day), CDateTime(AddDays(day, 1))});
    }
    if (cells_.empty()) return;
    CollectBookings(cells_.front().start, cells_.back().end);
    AssignBookings();
    namesRanked_ = false;
    for (std::size_t w = 0; w < weeks_.size(); ++w) {
        OrderWeek(w);
        PackWeek(weeks_[w]);
    }
}

void CCalendarModel::CollectBookings(const CDateTime& start, const CDateTime& end) {
    bookings_.clear();
    order_.clear();
    CBookingCollection* collection = context_.plan != nullptr ? context_.plan->bookings : nullptr;
    if (collection == nullptr) return;
    const std::int32_t startDay = start.date.GetJulianDay(), endDay = end.date.GetJulianDay();
    const auto startMinutes = static_cast<std::int16_t>(start.time.GetMinutes());
    const auto endMinutes = static_cast<std::int16_t>(end.time.GetMinutes());
    // Sized by the bookings of the range, not of the plan: a scroll step
    // on a large plan would otherwise clear a buffer for all of them.
    const int count = collection->GetCountInPeriod(startDay, startMinutes, endDay, endMinutes);
    if (count <= 0) return;
    fetched_.resize(static_cast<std::size_t>(count));
    const int got = collection->GetInPeriod(fetched_.data(), startDay, startMinutes, endDay, endMinutes);
    const SettingGetter& get = context_.settings;
    CFilter* filter = get && GetBoolSetting(get, "ViewFilterActive", false) ? context_.publicFilter : nullptr;
    FilterObjects(fetched_.data(), std::clamp(got, 0, count), bookings_, filter);
    ReadKeys();
}

// Each booking's keys in start order, equal starts in the collection's order.
void CCalendarModel::ReadKeys() {
    bool inStartOrder = true;
    // The records lie far apart: each is fetched a few bookings ahead of its use.
    constexpr std::uint32_t kPrefetchAhead = 16;
    for (std::uint32_t i = 0; i < bookings_.size(); ++i) {
        if (i + kPrefetchAhead < bookings_.size()) __builtin_prefetch(&bookings_[i + kPrefetchAhead]->startDay);
        const CBooking& b = *bookings_[i];
        order_.push_back({StartKey(b), EndKey(b), -b.endMinutes, i, b.resource, b.task});
        inStartOrder = inStartOrder && (i == 0 || order_[i - 1].start <= order_[i].start);
    }
    // The collection hands out its bookings in start order already.
    if (!inStartOrder)
        std::sort(order_.begin(), order_.end(), [](const OrderItem& x, const OrderItem& y) {
            return x.start != y.start ? x.start < y.start : x.index < y.index;
        });
}

void CCalendarModel::AssignBookings() {
    // The cell of every shown day, in time order, and the week that holds it.
    std::vector<int>& weekOfCell = weekOfCell_;
    weekOfCell.assign(cells_.size(), 0);
    for (int w = 0; w < static_cast<int>(weeks_.size()); ++w) {
        const CalendarWeek& week = weeks_[static_cast<std::size_t>(w)];
        std::fill_n(weekOfCell.begin() + week.firstCell, week.cellCount, w);
    }
    cellStarts_.clear();
    cellEnds_.clear();
    for (const CalendarDayCell& c : cells_) {
        cellStarts_.push_back(KeyOf(c.start));
        cellEnds_.push_back(KeyOf(c.end));
    }
    weekItems_.resize(weeks_.size());
    for (std::vector<std::uint32_t>& items : weekItems_) items.clear();
    // The bookings come in start order, so the first cell that ends after
    // the start only moves forward.
    std::size_t firstCell = 0;
    for (std::size_t k = 0; k < order_.size(); ++k) {
        CBooking* booking = bookings_[order_[k].index];
        const std::int64_t start = order_[k].start, end = order_[k].end;
        const bool zeroLength = start == end;
        // A zero-length booking at a day's start lies in that day.
        while (firstCell < cells_.size() && cellEnds_[firstCell] <= start) ++firstCell;
        CalendarSegment* segment = nullptr;
        int segmentWeek = -1;
        for (std::size_t index = firstCell; index < cells_.size(); ++index) {
            const std::int64_t cellStart = cellStarts_[index];
            if (!(cellStart < end || (zeroLength && cellStart == start))) break;
            const int w = weekOfCell[index];
            CalendarWeek& week = weeks_[static_cast<std::size_t>(w)];
            const int dayIndex = static_cast<int>(index) - week.firstCell;
            ++cells_[index].bookingCount;
            if (w != segmentWeek) {
                week.segments.push_back({booking, dayIndex, dayIndex, 0, start >= cellStart, false});
                weekItems_[static_cast<std::size_t>(w)].push_back(static_cast<std::uint32_t>(k));
                segment = &week.segments.back();
                segmentWeek = w;
            }
            segment->lastDay = dayIndex;
            segment->ends = end <= cellEnds_[index];
        }
    }
}

// A week's segments come in start order, so those of one first day stand
// together, equal starts within them. Of each first day only the first
// lineLimit segments can find a line: equal starts are sorted (key 6, then
// the collection's order) until that many are in place, and the rest of
// the day keeps the start order.
void CCalendarModel::OrderWeek(std::size_t w) {
    CalendarWeek& week = weeks_[w];
    const std::vector<std::uint32_t>& items = weekItems_[w];
    const std::size_t count = week.segments.size();
    for (std::size_t day = 0; day < count;) {
        std::size_t dayEnd = day + 1;
        while (dayEnd < count && week.segments[dayEnd].firstDay == week.segments[day].firstDay) ++dayEnd;
        std::size_t placed = 0;
        for (std::size_t run = day; run < dayEnd && placed < static_cast<std::size_t>(lineLimit);) {
            const std::int64_t start = order_[items[run]].start;
            std::size_t runEnd = run + 1;
            while (runEnd < dayEnd && order_[items[runEnd]].start == start) ++runEnd;
            if (runEnd - run > 1) SortRun(w, run, runEnd, static_cast<std::size_t>(lineLimit) - placed);
            placed += runEnd - run;
            run = runEnd;
        }
        day = dayEnd;
    }
}

// Segments [first, last) of week w share their start: the later end of day
// first, then resource and task names, then the collection's order; only
// the first `need` of them are put in place.
void CCalendarModel::SortRun(std::size_t w, std::size_t first, std::size_t last, std::size_t need) {
    CalendarWeek& week = weeks_[w];
    std::vector<std::uint32_t>& items = weekItems_[w];
    if (!namesRanked_) RankNames();
    runItems_.clear();
    for (std::size_t i = first; i < last; ++i) {
        const OrderItem& item = order_[items[i]];
        runItems_.push_back({item.laterEnd, RankOf(resourceRanks_, resourceRecords_, item.resource),
                             RankOf(taskRanks_, taskRecords_, item.task), item.index, week.segments[i], items[i]});
    }
    const auto before = [](const RunItem& x, const RunItem& y) {
        if (x.laterEnd != y.laterEnd) return x.laterEnd < y.laterEnd;
        if (x.resourceRank != y.resourceRank) return x.resourceRank < y.resourceRank;
        if (x.taskRank != y.taskRank) return x.taskRank < y.taskRank;
        return x.index < y.index;
    };
    if (need >= runItems_.size())
        std::sort(runItems_.begin(), runItems_.end(), before);
    else
        std::partial_sort(runItems_.begin(), runItems_.begin() + static_cast<std::ptrdiff_t>(need), runItems_.end(), before);
    for (std::size_t i = first; i < last; ++i) {
        week.segments[i] = runItems_[i - first].segment;
        items[i] = runItems_[i - first].item;
    }
}

namespace {

template <class Record, class Collection>
void CollectRecords(Collection* collection, std::vector<Record*>& buffer, std::vector<const CNamedRecord*>& records) {
    records.clear();
    if (collection == nullptr) return;
    buffer.resize(static_cast<std::size_t>(std::max(collection->GetCount(), 0)));
    const int got = collection->GetAll(buffer.data());
    records.assign(buffer.begin(), buffer.begin() + std::clamp(got, 0, static_cast<int>(buffer.size())));
}

}  // namespace

// The places of the plan's resources and tasks in name order, checked once a layout.
void CCalendarModel::RankNames() {
    CPlanData* plan = context_.plan;
    CollectRecords(plan != nullptr ? plan->resources : nullptr, resourceBuffer_, resourceRecords_);
    CollectRecords(plan != nullptr ? plan->tasks : nullptr, taskBuffer_, taskRecords_);
    resourceRanks_.Update(resourceRecords_.data(), resourceRecords_.size());
    taskRanks_.Update(taskRecords_.data(), taskRecords_.size());
    namesRanked_ = true;
}

int CCalendarModel::RankOf(NameRanks& ranks, std::vector<const CNamedRecord*>& records, const CNamedRecord* record) {
    int rank = ranks.Find(record);
    if (rank < 0) {
        // An owner its collection no longer holds is ranked among its records.
        records.push_back(record);
        ranks.Update(records.data(), records.size());
        rank = ranks.Find(record);
    }
    return rank;
}

void CCalendarModel::PackWeek(CalendarWeek& week) {
    spans_.clear();
    for (const CalendarSegment& segment : week.segments) spans_.push_back({segment.firstDay, segment.lastDay + 1});
    packer_.Pack(spans_, lines_, lineLimit);
    for (std::size_t i = 0; i < week.segments.size(); ++i) {
        CalendarSegment& segment = week.segments[i];
        segment.line = lines_[i];
        for (int d = segment.firstDay; d <= segment.lastDay; ++d) {
            int& highest = cells_[static_cast<std::size_t>(week.firstCell + d)].highestLine;
            highest = std::max(highest, segment.line);
        }
    }
}
