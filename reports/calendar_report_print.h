#pragma once

#include <vector>

#include "reports/calendar_report_model.h"
#include "reports/printer_page.h"

// The calendar on the printed page: pages of whole weeks, a column per
// shown weekday, each day with its caption and the bookings that fit, and
// the additional-bookings table after every page or once at the end.
class CCalendarPrint : public CCalendarReport, public CPrinterPage {
public:
    // Reads the page's and the calendar's printer settings and the title.
    // set receives the bookings per day the page fitted
    // ("ReportsCalendarHtmlBookingsPerDay"), for an HTML page made from the
    // same preview; it may be empty.
    CCalendarPrint(PlanContext context, SettingSetter set);

    int PrintBody(CReportDocument& document) override;

    int weeksPerPage = 4;
    bool additionalAfterEveryPage = true;
    int fontSizeMonthYear = 140;
    int fontSizeWeekday = 120;
    int fontSizeDayHeader = 100;
    int fontSizeBooking = 80;
    int gridLinesWidth = 3;
    int bookingLinesWidth = 3;
    int bookingIndent = 5;
    int captionFontSize = 120;
    int captionSpaceAfter = 20;

    // Filled by PrintBody.
    int monthYearHeaderHeight = 0;
    int weekdayHeaderHeight = 0;
    int weekRowHeight = 0;
    int bookingsPerDay = 0;

private:
    void PrintPage(CReportDocument& document, int top);
    void PrintWeek(CReportDocument& document, const CalendarWeek& week, int top);
    int PrintAdditional(CReportDocument& document);

    SettingSetter set_;
};
