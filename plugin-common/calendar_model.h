#pragma once

// The layout of the calendar with no window: the period as rows of weeks
// and columns of shown weekdays, one cell per shown day, and each week's
// bookings packed into lines across the days they cover. The calendar view
// and the calendar report both lay out through it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "line_packing.h"
#include "name_ranks.h"
#include "plan_context.h"
#include "support/calendar_values.h"
#include "ui/painter.h"

// A shown day: from 0:00 of the day to 0:00 of the next, the bookings that
// overlap it and the highest line they use in it (-1: none; at most the
// model's line limit).
struct CalendarDayCell {
    CDateTime start;
    CDateTime end;
    int bookingCount = 0;
    int highestLine = -1;
};

// A booking's bar in one week: its first and last day index within the
// week's cells, its line, and whether the booking starts on the first day
// and ends on the last (an end at 0:00 counting for the day before).
struct CalendarSegment {
    CBooking* booking = nullptr;
    int firstDay = 0;
    int lastDay = 0;
    int line = 0;
    bool starts = false;
    bool ends = false;
};

// A week row: its cells are cells[firstCell, firstCell + cellCount); its
// segments, one per booking, in booking order. Of the segments that begin
// on one day, those past the model's line limit (which find no line) keep
// only the start order.
struct CalendarWeek {
    int firstCell = 0;
    int cellCount = 0;
    std::vector<CalendarSegment> segments;
};

// True when a comes before b in the calendar's booking lists. key 0..6
// picks the order of resource name, task name, start and end; any other
// key orders by names only. Descending reverses every level.
bool CompareCalendarBookings(const CBooking* a, const CBooking* b, int key, bool ascending);

class CCalendarModel {
public:
    explicit CCalendarModel(PlanContext context);
    virtual ~CCalendarModel();

    PlanContext& Context() { return context_; }
    const PlanContext& Context() const { return context_; }

    void SetDefaults();
    // The keys, each with the current value as its default.
    void LoadSettings();

    // Shown weekdays from the plan (all unless non-working time is hidden),
    // and the plan's period widened to whole weeks.
    void UpdateVisibleWeekdays();
    // first back to the start of its week and last forward to the end of
    // its week, then both inward over weekdays that are not shown.
    void GetWeekBounds(CDate& first, CDate& last) const;
    // The shown weekdays (0 = Monday) in column order; returns their count.
    int GetVisibleWeekdays(std::vector<int>& weekdays) const;
    // The shown days from `from` to the end of its week; returns their count.
    int CollectDays(std::vector<CDate>& days, const CDate& from) const;
    bool IsShownWeekday(const CDate& date) const;

    std::string FormatRangeCaption(const CDate& first, const CDate& last) const;
    static std::string FormatDayCaption(const CDate& date, bool& isFirstOfMonth);

    // One booking's height: two text lines, three with notes.
    int GetBookingLineHeight() const;
    // The booking lines a day cell holds (the last perhaps in part), and
    // those that fit whole; 0 and 0 without a line pitch, never below 0.
    void GetLinesPerDay(int& lines, int& fullLines) const;

    // Cells, week lists and packing of the weeks from first to last.
    void Layout(const CDate& first, const CDate& last);

    const std::vector<CalendarWeek>& Weeks() const { return weeks_; }
    const std::vector<CalendarDayCell>& Cells() const { return cells_; }
    int ShownWeekdayCount() const { return shownWeekdayCount_; }
    const std::array<bool, 7>& ShownWeekdays() const { return shownWeekdays_; }

    // The shown period after widening to whole weeks.
    CDate firstDay;
    CDate lastDay;

    // Set by the owner.
    int dayHeaderHeight = 0;
    int textLineHeight = 0;
    int dayWidth = 0;
    int dayHeight = 0;
    int bookingDistance = 0;
    // The lines the owner shows: a segment that finds no line below it gets
    // this one, and what lies beyond is not laid out.
    int lineLimit = FirstFitPacker::kNoLimit;
    bool markToday = true;
    ui::COLORREF todayColor = 0x80C0FF;

    ui::COLORREF backgroundColor = 0xFFFFFF;
    ui::COLORREF emptyBackgroundColor = 0x707070;
    ui::COLORREF monthHeaderBackgroundColor = 0xC0C0C0;
    ui::COLORREF dayNameHeaderBackgroundColor = 0xF8F8F8;
    ui::COLORREF dayHeaderBackgroundColor = 0xC0C0C0;
    ui::COLORREF monthHeaderTextColor = 0;
    ui::COLORREF dayNameHeaderTextColor = 0;
    ui::COLORREF dayHeaderTextColor = 0;
    ui::COLORREF horzGridColor = 0;
    ui::COLORREF vertGridColor = 0x808080;
    ui::COLORREF dayHeaderGridColor = 0;
    bool hideNonWorkingTime = false;
    ui::COLORREF nonWorkingColor = 0xD4D4D4;
    int durationStyle = 4;
    bool notesOnBookings = false;
    std::array<ui::COLORREF, 7> weekdayColors{};

private:
    void CollectBookings(const CDateTime& start, const CDateTime& end);
    void ReadKeys();
    void AssignBookings();
    void OrderWeek(std::size_t w);
    void SortRun(std::size_t w, std::size_t first, std::size_t last, std::size_t need);
    void RankNames();
    static int RankOf(NameRanks& ranks, std::vector<const CNamedRecord*>& records, const CNamedRecord* record);
    void PackWeek(CalendarWeek& week);

    PlanContext context_;
    std::array<bool, 7> shownWeekdays_{};
    int shownWeekdayCount_ = 0;
    std::vector<CalendarWeek> weeks_;
    std::vector<CalendarDayCell> cells_;
    // Kept between layouts so a scroll step allocates nothing new.
    std::vector<CBooking*> fetched_;
    std::vector<CBooking*> bookings_;
    std::vector<CDate> days_;
    // A booking's keys, read from its record once per layout, in start order.
    struct OrderItem {
        std::int64_t start;
        std::int64_t end;
        int laterEnd;   // minus the end's minutes of day
        std::uint32_t index;   // in bookings_
        const CNamedRecord* resource;
        const CNamedRecord* task;
    };
    std::vector<OrderItem> order_;
    std::vector<std::vector<std::uint32_t>> weekItems_;   // per week, the order_ item of each segment
    struct RunItem {
        int laterEnd;
        int resourceRank;
        int taskRank;
        std::uint32_t index;
        CalendarSegment segment;
        std::uint32_t item;
    };
    std::vector<RunItem> runItems_;
    bool namesRanked_ = false;
    NameRanks resourceRanks_, taskRanks_;
    std::vector<CResource*> resourceBuffer_;
    std::vector<CTask*> taskBuffer_;
    std::vector<const CNamedRecord*> resourceRecords_, taskRecords_;
    std::vector<int> weekOfCell_;
    std::vector<std::int64_t> cellStarts_, cellEnds_;   // the cells' keys
    std::vector<BarSpan> spans_;
    std::vector<int> lines_;
    FirstFitPacker packer_;
};
