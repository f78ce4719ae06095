#include "reports/calendar_report_html.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <utility>

#include "drawing.h"
#include "plat/resource_strings.h"
#include "reports/html_table.h"
#include "reports/png_image.h"
#include "reports/report_strings.h"
#include "ui/painter.h"

namespace {

constexpr unsigned kStrDefaultFace = 270;
constexpr ui::COLORREF kWhite = 0xFFFFFF;
// The marker's distance from the cell's left edge, and the caption's
// distance from the marker.
constexpr int kMarkerIndent = 4;
constexpr int kMarkerGap = 10;
constexpr int kBookingTextIndent = 2;
// Pixels above and below a booking entry.
constexpr int kMaxBookingDistance = 1000;

int Height(const QFont& font, int percent) { return QFontMetrics(font).height() * percent / 100; }

}  // namespace

CCalendarHtml::CCalendarHtml(PlanContext context)
    : CCalendarReport(std::move(context)), CHtmlPage(Context().settings) {
    const SettingGetter& get = Context().settings;
    fontFace = GetStringSetting(get, "ViewFont", "");
    if (fontFace.empty()) fontFace = plat::LoadResString(kStrDefaultFace);
    showFooter = GetBoolSetting(get, "ReportsCalendarShowFooter", showFooter);
    headerBackground = GetColorSetting(get, "ReportsListHtmlBkColorHeader", headerBackground);
    subtitleBackground = GetColorSetting(get, "ReportsListHtmlBkColorSubTitle", subtitleBackground);
    fontSizeMonthYear = GetIntSetting(get, "ReportsCalendarHtmlFontSizeMonthYear", fontSizeMonthYear);
    fontSizeWeekday = GetIntSetting(get, "ReportsCalendarHtmlFontSizeWeekday", fontSizeWeekday);
    fontSizeDayHeader = GetIntSetting(get, "ReportsCalendarHtmlFontSizeDayHeader", fontSizeDayHeader);
    fontSizeBooking = GetIntSetting(get, "ReportsCalendarHtmlFontSizeBooking", fontSizeBooking);
    imageWidth = GetIntSetting(get, "ReportsCalendarHtmlImageWidth", imageWidth);
    // Without a print before (no value stored), the default applies.
    bookingsPerDay = CalendarHtmlBookingsPerDay(GetIntSetting(get, "ReportsCalendarHtmlBookingsPerDay", -1),
                                                GetIntSetting(get, "ReportsCalendarHtmlBookingsPerDayDefault", 3),
                                                GetIntSetting(get, "ReportsCalendarHtmlBookingsPerDayFixed", -1));
    bookingDistance = GetIntSettingIn(get, "ReportsCalendarHtmlBookingDistance", 5, 0, kMaxBookingDistance);
    if (GetBoolSetting(get, "ReportsCalendarShowHeader", true)) title = GetTitle(get);
}

bool CCalendarHtml::PrepareImages() {
    // Font sizes are pixels; absurd settings stay within what a font can be.
    const auto font = [&](int size, int weight) { return CreateSizedFont(std::clamp(size, 1, 1000), fontFace, weight); };
    monthYearFont_ = font(fontSizeMonthYear, 700);
    weekdayFont_ = font(fontSizeWeekday, 400);
    dayFont_ = font(fontSizeDayHeader, 400);
    dayBoldFont_ = font(fontSizeDayHeader, 700);
    bookingFont_ = font(fontSizeBooking, 400);
    monthYearHeaderHeight = Height(monthYearFont_, 175);
    weekdayHeaderHeight = Height(weekdayFont_, 135);
    dayHeaderHeight = Height(dayFont_, 135);
    textLineHeight = Height(bookingFont_, 115);
    images = CalendarImageGeometry(imageWidth, ShownWeekdayCount(), imageSizeMax,
                                   monthYearHeaderHeight + weekdayHeaderHeight, dayHeaderHeight,
                                   GetBookingLineHeight(), bookingDistance, bookingsPerDay);
    dayWidth = images.dayWidth;
    lineLimit = images.bookingsPerDay;
    return images.imageWidth > 0;
}

int CCalendarHtml::Render(const std::string& path) {
    std::string out;
    if (const int result = WriteHead(out, "", "", true); result != 0) return result;

    CDate first, last;
    const int weeks = WidenPeriod(first, last);
    if (PrepareImages() && weeks > 0) {
        caption = FormatRangeCaption(first, last);
        imageCount = CalendarImageCount(weeks, images.weeksPerImage);
        for (int index = 0; index < imageCount; ++index) {
            const int firstWeek = index * images.weeksPerImage;
            const int count = std::min(images.weeksPerImage, weeks - firstWeek);
            const QImage image = PaintImage(index, AddDays(first, 7 * firstWeek), count);
            if (image.isNull()) return kWriteFailed;
            if (const int result = WriteImage(out, path, index, image); result != 0) return result;
        }
    }
    if (showAdditional) WriteAdditional(out);
    if (const int result = WriteFooter(out); result != 0) return result;
    return WriteFile(out, path);
}

QImage CCalendarHtml::PaintImage(int index, const CDate& first, int weeks) {
    Layout(first, AddDays(first, 7 * weeks - 1));
    const int headers = index == 0 ? monthYearHeaderHeight + weekdayHeaderHeight : 0;
    QImage image = CreateDib24(images.imageWidth, headers + weeks * images.weekRowHeight);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    QelDC dc(painter);
    dc.SetBkMode(ui::TRANSPARENT);
    if (index == 0) PaintHeaders(dc);

    // Column backgrounds below the headers: white is left as it is.
    std::vector<int> weekdays;
    GetVisibleWeekdays(weekdays);
    for (std::size_t column = 0; column < weekdays.size(); ++column) {
        const ui::COLORREF colour = ColumnColor(weekdays[column], kWhite);
        const int x = static_cast<int>(column) * dayWidth;
        if (colour != kWhite) dc.FillSolidRect({x, headers, x + dayWidth, image.height()}, colour);
    }
    for (std::size_t w = 0; w < Weeks().size(); ++w)
        PaintWeek(dc, Weeks()[w], headers + static_cast<int>(w) * images.weekRowHeight);
    dc.SelectPen(vertGridColor, 0);
    dc.MoveTo(images.imageWidth - 1, headers);
    dc.LineTo(images.imageWidth - 1, image.height());
    return image;
}

void CCalendarHtml::PaintHeaders(QelDC& dc) {
    const ui::Rect captionBox{0, 0, images.imageWidth, monthYearHeaderHeight};
    dc.SelectFont(monthYearFont_);
    dc.SetTextColor(monthHeaderTextColor);
    DrawTextInRect(dc, caption, captionBox, captionBox, kAlignCenter, true);

    dc.SelectFont(weekdayFont_);
    dc.SetTextColor(dayNameHeaderTextColor);
    const std::vector<std::string> names = ColumnNames();
    const int top = monthYearHeaderHeight;
    for (std::size_t column = 0; column < names.size(); ++column) {
        const int x = static_cast<int>(column) * dayWidth;
        const ui::Rect box{x, top, x + dayWidth, top + weekdayHeaderHeight};
        dc.FillSolidRect(box, dayNameHeaderBackgroundColor);
        DrawTextInRect(dc, names[column], box, box, kAlignCenter, true);
        dc.SelectPen(vertGridColor, 0);
        dc.MoveTo(x, top);
        dc.LineTo(x, top + weekdayHeaderHeight);
    }
    dc.SelectPen(horzGridColor, 0);
    dc.MoveTo(0, top + weekdayHeaderHeight - 1);
    dc.LineTo(images.imageWidth, top + weekdayHeaderHeight - 1);
}

void CCalendarHtml::PaintWeek(QelDC& dc, const CalendarWeek& week, int top) {
    const int bottom = top + images.weekRowHeight;
    const int pitch = GetBookingLineHeight() + 2 * bookingDistance;
    for (int d = 0; d < week.cellCount; ++d) {
        const CalendarDayCell& cell = Cells()[static_cast<std::size_t>(week.firstCell + d)];
        const int x = d * dayWidth;
        const ui::Rect header{x, top, x + dayWidth, top + dayHeaderHeight};
        dc.FillSolidRect(header, dayHeaderBackgroundColor);
        int captionLeft = x;
        if (CellOverflows(cell, images.bookingsPerDay)) {
            const int k = 2 * dayHeaderHeight / 9;
            const int markerTop = top + (dayHeaderHeight - k) / 2;
            const ui::Point marker[3] = {{x + kMarkerIndent, markerTop},
                                         {x + kMarkerIndent + 2 * k, markerTop},
                                         {x + kMarkerIndent + k, markerTop + k}};
            dc.SelectPen(0, 0);
            dc.SelectSolidBrush(0);
            dc.Polygon(marker, 3);
            captionLeft = x + kMarkerIndent + 2 * k + kMarkerGap;
        }
        bool firstOfMonth = false;
        const std::string text = FormatDayCaption(cell.start.date, firstOfMonth) + " ";
        dc.SelectFont(firstOfMonth ? dayBoldFont_ : dayFont_);
        dc.SetTextColor(dayNameHeaderTextColor);
        const ui::Rect captionBox{captionLeft, header.top, header.right, header.bottom};
        DrawTextInRect(dc, text, captionBox, captionBox, kAlignRight, true);
        dc.SelectPen(vertGridColor, 0);
        dc.MoveTo(x, top);
        dc.LineTo(x, bottom);
    }
    dc.SelectPen(dayHeaderGridColor, 0);
    dc.MoveTo(0, top + dayHeaderHeight);
    dc.LineTo(week.cellCount * dayWidth, top + dayHeaderHeight);
    dc.SelectPen(0, 0);
    dc.MoveTo(0, bottom - 1);
    dc.LineTo(images.imageWidth, bottom - 1);

    dc.SelectFont(bookingFont_);
    for (const CalendarSegment& segment : week.segments) {
        if (segment.line >= images.bookingsPerDay) continue;
        const CBooking& booking = *segment.booking;
        const int left = segment.firstDay * dayWidth;
        const int right = (segment.lastDay + 1) * dayWidth - 1;
        const int y = top + dayHeaderHeight + segment.line * pitch + bookingDistance;
        const ui::Rect box{left, y, right, y + GetBookingLineHeight()};
        dc.FillSolidRect(box, booking.color2);
        dc.SetTextColor(booking.color1);
        const std::string notes = NotesOnOneLine(booking.text);
        const std::string_view lines[3] = {booking.resource != nullptr ? booking.resource->name : "",
                                           booking.task != nullptr ? booking.task->name : "", notes};
        for (int line = 0; line < (notesOnBookings ? 3 : 2); ++line) {
            const ui::Rect lineBox{left + kBookingTextIndent, y + line * textLineHeight, right,
                                   y + (line + 1) * textLineHeight};
            DrawTextInRect(dc, lines[line], lineBox, box, kAlignLeft, true);
        }
    }
    CollectAdditional(week, images.bookingsPerDay);
}

void CCalendarHtml::WriteAdditional(std::string& out) {
    const std::vector<CalendarAdditionalBooking> list = TakeAdditional();
    WriteSubtitle(out, plat::LoadResString(kStrCalendarAdditional));
    CHtmlTable table;
    table.border = 0;
    table.cellSpacing = 0;
    table.cellPadding = 5;
    table.WriteStart(out);
    if (groupByDay) {
        CHtmlRow heading;
        heading.header = true;
        heading.AddCell(static_cast<int>(kStrCalendarAdditionalDay), kHtmlAlignNone, true).colspan = 5;
        heading.SetBackground(headerBackground);
        heading.Write(out);
    }
    CHtmlRow titles;
    titles.header = true;
    if (groupByDay) titles.AddEmptyCell();
    titles.AddCell(static_cast<int>(kStrCalendarAdditionalResource), kHtmlAlignLeft, true);
    titles.AddCell(static_cast<int>(kStrCalendarAdditionalTask), kHtmlAlignLeft, true);
    titles.AddCell(static_cast<int>(kStrCalendarAdditionalStart), kHtmlAlignRight, true);
    titles.AddCell(static_cast<int>(kStrCalendarAdditionalEnd), kHtmlAlignRight, true);
    titles.SetBackground(headerBackground);
    titles.Write(out);

    for (std::size_t i = 0; i < list.size(); ++i) {
        if (groupByDay && (i == 0 || list[i].day != list[i - 1].day)) {
            CHtmlRow dayRow;
            dayRow.AddTextCell(FormatAdditionalDay(list[i].day), kHtmlAlignNone, true).colspan = 5;
            dayRow.SetBackground(subtitleBackground);
            dayRow.Write(out);
        }
        const CBooking& booking = *list[i].booking;
        CHtmlRow row;
        if (groupByDay) row.AddEmptyCell();
        row.AddTextCell(booking.resource != nullptr ? booking.resource->name : "", kHtmlAlignNone, false);
        row.AddTextCell(booking.task != nullptr ? booking.task->name : "", kHtmlAlignNone, false);
        row.AddTextCell(FormatAdditionalStart(booking), kHtmlAlignRight, false);
        row.AddTextCell(FormatAdditionalEnd(booking), kHtmlAlignRight, false);
        row.Write(out);
    }
    CHtmlTable::WriteEnd(out);
}
