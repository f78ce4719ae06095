#pragma once

#include <string>

#include <QFont>
#include <QImage>

#include "reports/calendar_report_model.h"
#include "reports/calendar_report_pages.h"
#include "reports/html_page.h"

class QelDC;

// The calendar as an HTML page: the weeks as PNG images (the first with
// the range caption and the weekday names), each painted, written and
// dropped before the next, then the additional-bookings table.
class CCalendarHtml : public CCalendarReport, public CHtmlPage {
public:
    // Reads the page's and the calendar's HTML settings and the title.
    explicit CCalendarHtml(PlanContext context);

    // 0 written; 1 when an image could not be made or a file not written
    // (the user is told; files this page wrote before are removed).
    int Render(const std::string& path) override;

    // The fonts and the geometry of the images; Render calls it. False when
    // the page gets no images (no shown weekday, or an image width below 1).
    bool PrepareImages();
    // Image `index` of `images`, holding `weeks` weeks from first; the
    // model is laid out over them. Null when the image cannot be made.
    QImage PaintImage(int index, const CDate& first, int weeks);

    std::string fontFace;
    std::uint32_t headerBackground = 0x80FFFF;
    std::uint32_t subtitleBackground = 0xE0E0E0;
    int fontSizeMonthYear = 15;
    int fontSizeWeekday = 12;
    int fontSizeDayHeader = 12;
    int fontSizeBooking = 12;
    int imageWidth = 1022;
    int bookingsPerDay = 3;

    // Filled by PrepareImages.
    CalendarImageLayout images;
    int monthYearHeaderHeight = 0;
    int weekdayHeaderHeight = 0;
    std::string caption;

private:
    void PaintHeaders(QelDC& dc);
    void PaintWeek(QelDC& dc, const CalendarWeek& week, int top);
    void WriteAdditional(std::string& out);

    QFont monthYearFont_;
    QFont weekdayFont_;
    QFont dayFont_;
    QFont dayBoldFont_;
    QFont bookingFont_;
};
