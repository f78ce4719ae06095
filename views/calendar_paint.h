#pragma once

// The calendar as the window paints it: the month and weekday headers, the
// day cells of the visible weeks with today, the overflow marker, the
// caption and the inverted day selection, then each row's booking bars on
// the lines a cell shows, and the grid lines.

#include <QFont>
#include <array>
#include <string>
#include <vector>

#include "calendar_geometry.h"
#include "ui/painter.h"

struct CalendarFonts {
    QFont header;
    QFont weekdayHeader;
    QFont dayHeader;
    QFont dayHeaderBold;
    QFont booking;
};

struct CalendarPaintState {
    CalendarGeometry geometry;
    std::vector<int> weekdays;              // weekday (0 = Monday) of each column
    std::vector<std::string> weekdayNames;  // name shown over each column
    std::array<bool, 7> workingDays{};      // Monday first
    CDate today;
    bool hasDaySelection = false;
    CDate selectionFirst;
    CDate selectionLast;
    const CBooking* selectedBooking = nullptr;
};

// The column's fill below the headers: the weekday's colour when one is
// set, else white on a working day and the non-working colour otherwise.
ui::COLORREF CalendarColumnColor(const CCalendarModel& model, int weekday, bool workingDay);
// True when a cell shows the overflow marker: one of its bookings lies on
// a line the cell does not show whole.
bool HasOverflowMarker(const CalendarDayCell& cell, int fullLines);

void PaintCalendar(QelDC& dc, const CCalendarModel& model, const CalendarPaintState& state, const CalendarFonts& fonts,
                   const ui::Rect& clip);

// Drag feedback drawn last by inversion: frames 2 pixels wide, and a
// sizing line one pixel wide (an empty rectangle draws nothing).
void InvertFrame(QelDC& dc, const ui::Rect& frame);
