#pragma once

// The calendar report's model: the calendar layout of a period in pages or
// images of whole weeks, and the bookings that did not fit their day cells
// (the additional bookings). The printed page and the HTML page derive
// from it.

#include <string>
#include <vector>

#include "calendar_model.h"

// A booking that did not fit, with the first day of the week row where it
// did not fit (the day it is listed under when grouping by day).
struct CalendarAdditionalBooking {
    CDate day;
    CBooking* booking = nullptr;
};

class CCalendarReport : public CCalendarModel {
public:
    // Loads the model's settings and the report's period and flags, and
    // the shown weekdays.
    explicit CCalendarReport(PlanContext context);

    // String 26200, or "ReportsCalendarTitle", or "" with
    // "ReportsCalendarTitleEmpty".
    static std::string GetTitle(const SettingGetter& get);

    // The model's settings, then the period (the fixed range, or the view's
    // visible range, whose end at 0:00 names the day before) and the flags.
    void LoadSettings();

    // The period widened to whole weeks and cut to kCalendarMaxWeeks; the
    // number of weeks, 0 when the period is empty (its last date before its
    // first). Sets periodCut when the period was longer.
    int WidenPeriod(CDate& first, CDate& last);

    // The range caption and the weekday names of the columns.
    std::string RangeCaption() const;
    std::vector<std::string> ColumnNames() const;
    // The fill of a column body: the plan's working days in workingColor
    // (the printed page's calendar background; white, left as it is, in
    // HTML), other days in the non-working colour, and a weekday colour
    // other than white over either.
    ui::COLORREF ColumnColor(int weekday, ui::COLORREF workingColor) const;
    bool IsWorkingWeekday(int weekday) const;

    // True when a booking of the cell lies on a line at or below
    // bookingsPerDay (so it is not drawn in the cell).
    static bool CellOverflows(const CalendarDayCell& cell, int bookingsPerDay);
    // Keeps the week's bookings whose line is bookingsPerDay or more.
    void CollectAdditional(const CalendarWeek& week, int bookingsPerDay);
    // The additional bookings so far: each listed once (per day when
    // grouping by day), ordered by resource, task, start and end (by day
    // first when grouping). The list is emptied.
    std::vector<CalendarAdditionalBooking> TakeAdditional();

    CDate firstDate;
    CDate lastDate;
    bool showAdditional = true;
    bool groupByDay = false;
    bool periodCut = false;

private:
    std::vector<CalendarAdditionalBooking> additional_;
};

// The start and end of a booking as the additional-bookings table shows
// them (time-bar label format 2).
std::string FormatAdditionalStart(const CBooking& booking);
std::string FormatAdditionalEnd(const CBooking& booking);
// A day row of the table grouped by day (time-bar label format 4).
std::string FormatAdditionalDay(const CDate& day);
// A booking's notes on one line: every line feed as a blank.
std::string NotesOnOneLine(const char* text);
