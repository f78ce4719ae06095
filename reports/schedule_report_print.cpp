#include "reports/schedule_report_print.h"

#include <algorithm>

#include "plat/resource_strings.h"
#include "reports/report_strings.h"
#include "reports/schedule_report_layout.h"
#include "support/setting_ranges.h"
#include "support/time_bar_labels.h"
#include "time_scale.h"

namespace {

constexpr ui::COLORREF kWhite = 0xFFFFFF;

// Text in a box, cut at its edges and centred in its height.
void BoxText(CReportDocument& document, const std::string& text, int x, int y, int width, int height) {
    if (text.empty() || width <= 0 || height <= 0) return;
    document.DrawText(text.c_str(), x, y, width, height, 0, 1, 1, 0);
}

}  // namespace

CSchedulePrintRenderer::CSchedulePrintRenderer(const PlanContext& context)
    : CScheduleReport(context), CPrinterPage(context.settings) {
    LoadSettings();
}

void CSchedulePrintRenderer::LoadSettings() {
    const SettingGetter& get = Context().settings;
    if (!get) return;
    showHeader = GetBoolSetting(get, "ReportsScheduleShowHeader", showHeader);
    showFooter = GetBoolSetting(get, "ReportsScheduleShowFooter", showFooter);
    footerCenter = GetStringSetting(get, "ReportsScheduleFooterNotice", "");
    title = GetTitle(get);
    timeBarFontSize = GetPrintedFontSize(get, "ReportsSchedulePrinterTimebarFontSize", 100);
    labelFontSize = GetPrintedFontSize(get, "ReportsSchedulePrinterLabelFontSize", 120);
    bookingFontSize = GetPrintedFontSize(get, "ReportsSchedulePrinterBookingFontSize", 85);
    labelIndent = GetPrintedLength(get, "ReportsSchedulePrinterLabelIndent", 10);
    labelIndentSubitem = GetPrintedLength(get, "ReportsSchedulePrinterLabelIndentSubitem", 70);
    bookingIndent = GetPrintedLength(get, "ReportsSchedulePrinterBookingIndent", 5);
    timeBarIndent = GetPrintedLength(get, "ReportsSchedulePrinterTimebarIndent", 5);
    const int thin = static_cast<int>(1.5 * penStdWidth);
    bookingLinesWidth = GetPrintedLineWidth(get, "ReportsSchedulePrinterBookingLinesWidth", thin);
    colorGridHorz = GetColorSetting(get, "ReportsSchedulePrinterColorGridHorz", 0);
    colorGridBooking = GetColorSetting(get, "ReportsSchedulePrinterColorGridBooking", 0);
    thinLinesWidth = GetPrintedLineWidth(get, "ReportsSchedulePrinterThinLinesWidth", thin);
    thickLinesWidth = GetPrintedLineWidth(get, "ReportsSchedulePrinterThickLinesWidth", penThickWidth);
    colorGridTimebarHorz = GetColorSetting(get, "ReportsSchedulePrinterColorGridTimebarHorz", 0);
    minimumBarWidth = GetIntSettingIn(get, "ReportsSchedulePrinterColumnWidthMin", 3, 0, kMaxMinimumBarWidth);
    rowHeightFactor = GetIntSettingIn(get, "ReportsSchedulePrinterLabelHeightRowFactor", 135, 0, kMaxPercentSetting);
}

int CSchedulePrintRenderer::ComputeRowHeight(CReportDocument& document) {
    bookingHeight_ = MeasureCharCell(document, bookingFontSize, false) * kBookingLineFactor / 100;
    const int variable = kRowFactor * bookingHeight_ / 100 + (notesOnBookings ? bookingHeight_ : 0);
    const int label = MeasureCharCell(document, labelFontSize, false) * rowHeightFactor / 100;
    return std::max({0, variable, label});
}

int CSchedulePrintRenderer::PrintBody(CReportDocument& document) {
    Frame frame;
    frame.labelWidth = ScheduleLabelWidth(labelColumnWidth, pageWidth);
    const int bodyWidth = pageWidth - frame.labelWidth;
    frame.barRowHeight = std::max(0, MeasureCharCell(document, timeBarFontSize, false) * heightFactor / 100);
    const int heightForLines = bodyBottom - bodyTop - 2 * frame.barRowHeight;
    frame.lineHeight = ComputeRowHeight(document);
    if (frame.lineHeight <= 0) return 0;
    frame.barHeight = notesOnBookings ? 2 * bookingHeight_ : bookingHeight_;

    BuildDayTable();
    columnCount = CountColumns();
    frame.columns = SplitColumns(columnCount, pagesAcross);
    if (frame.columns.empty()) return 0;
    frame.columnWidth = bodyWidth / frame.columns.front();
    if (frame.columnWidth < 1) return kPeriodTooWide;
    columnWidth = frame.columnWidth;
    LayoutRows(PeriodStart(), columnCount);
    const int totalLines = GetTotalLines();
    frame.linesPerPage = LinesPerPage(heightForLines, frame.lineHeight);
    const int bands = BandCount(totalLines, frame.linesPerPage);
    frame.colourNonWorking = !hideNonWorkingTime && nonWorkingColor != kWhite;

    bool first = true;
    for (int band = 0; band < bands; ++band) {
        const int firstLine = band * frame.linesPerPage;
        const int lines = std::clamp(totalLines - firstLine, 0, frame.linesPerPage);
        int firstColumn = 0;
        for (int columns : frame.columns) {
            if (!first) document.NewPage();
            first = false;
            PrintPage(document, frame, firstColumn, columns, firstLine, lines);
            firstColumn += columns;
        }
        PrintBars(document, frame, band, firstLine, lines);
    }
    document.currentPage = document.GetPageCount();
    return 0;
}

void CSchedulePrintRenderer::PrintPage(CReportDocument& document, const Frame& f, int firstColumn, int columns,
                                       int firstLine, int lines) const {
    const int top = bodyTop;
    const int h = f.barRowHeight;
    const int L = f.labelWidth;
    const int width = columns * f.columnWidth;
    const int bottom = top + 2 * h + lines * f.lineHeight;
    document.textAlignment = kReportAlignLeft;

    PrintMinorRow(document, f, firstColumn, columns, bottom);
    PrintMajorRow(document, f, firstColumn, columns, bottom);

    document.SetBrush(headerBackground, 0);
    document.FillRect(0, top, L, 2 * h);
    document.SetFont(timeBarFontSize * headerFontFactor / 100, 1, 0, 0, 0, 0);
    document.textColor = headerText;
    BoxText(document, HeaderText(), labelIndent, top, L - labelIndent, 2 * h);

    PrintLabels(document, f, width, firstLine, lines);

    document.SetPen(thinLinesWidth, colorGridTimebarHorz);
    document.DrawLine(L, top + h, L + width, top + h);
    document.DrawLine(0, top + 2 * h, L + width, top + 2 * h);
    if (L > 0) {
        document.SetPen(thickLinesWidth, 0);
        document.DrawLine(L, top, L, bottom);
    }
    document.SetPen(thinLinesWidth, 0);
    document.DrawLine(0, top, 0, bottom);
    document.DrawLine(0, top, L + width, top);
    document.DrawLine(L + width, top, L + width, bottom);
}

void CSchedulePrintRenderer::PrintMinorRow(CReportDocument& document, const Frame& f, int firstColumn, int columns,
                                           int bottom) const {
    const int top = bodyTop;
    const int h = f.barRowHeight;
    const int CW = f.columnWidth;
    document.SetBrush(minorBackground, 0);
    document.FillRect(0, top + h, f.labelWidth + columns * CW, h);
    const std::vector<ScheduleColumn>& all = Columns();
    const int shown = std::clamp(static_cast<int>(all.size()) - firstColumn, 0, columns);
    document.SetFont(timeBarFontSize, 0, 0, 0, 0, 0);
    document.textColor = minorText;
    for (int i = 0; i < shown; ++i) {
        const CDateTime& start = all[static_cast<std::size_t>(firstColumn + i)].start;
        const int x = f.labelWidth + i * CW;
        ui::COLORREF colour = kWhite;
        if (baseUnit == 4 && start.date.IsValid())
            colour = weekdayColors[static_cast<std::size_t>(start.date.GetDayOfWeek() - 1)];
        if (colour == kWhite && f.colourNonWorking && IsNonWorkingCell(start)) colour = nonWorkingColor;
        if (colour != kWhite) {
            document.SetBrush(colour, 0);
            document.FillRect(x, top + 2 * h, CW - 1, bottom - top - 2 * h - 1);
        }
        BoxText(document, FormatTimeBarLabel(start, MinorLabelCode(), false), x + timeBarIndent, top + h,
                CW - timeBarIndent, h);
    }
    document.SetPen(thinLinesWidth, minorGrid);
    for (int i = 1; i < columns; ++i) {
        const int x = f.labelWidth + i * CW;
        document.DrawLine(x, top + h, x, bottom);
    }
}

void CSchedulePrintRenderer::PrintMajorRow(CReportDocument& document, const Frame& f, int firstColumn, int columns,
                                           int bottom) const {
    const int top = bodyTop;
    const int h = f.barRowHeight;
    const int L = f.labelWidth;
    const int width = columns * f.columnWidth;
    document.SetBrush(majorBackground, 0);
    document.FillRect(0, top, L + width, h);
    const std::vector<ScheduleColumn>& all = Columns();
    if (MajorLabelCode() == 0 || firstColumn >= static_cast<int>(all.size())) return;
    document.SetPen(thinLinesWidth, majorGrid);
    document.SetFont(timeBarFontSize, 0, 0, 0, 0, 0);
    document.textColor = majorText;
    CDateTime segmentStart = all[static_cast<std::size_t>(firstColumn)].start;
    CTimeScaleIterator iterator(*this, segmentStart, columns);
    int segmentLeft = 0;
    const auto label = [&](int right) {
        BoxText(document, FormatTimeBarLabel(segmentStart, MajorLabelCode(), false), L + segmentLeft + timeBarIndent,
                top, std::min(right, width) - segmentLeft - timeBarIndent, h);
    };
    CDateTime boundary;
    int offset = 0;
    while (segmentLeft < width && iterator.Run(boundary, offset)) {
        label(offset);
        const int x = L + std::min(offset, width);
        document.DrawLine(x, top, x, bottom);
        segmentLeft = offset;
        segmentStart = boundary;
    }
    if (segmentLeft < width) label(width);
}

void CSchedulePrintRenderer::PrintLabels(CReportDocument& document, const Frame& f, int pageWidth, int firstLine,
                                         int lines) const {
    const std::string continued = plat::LoadResString(kStrContinued);
    const int L = f.labelWidth;
    const int R = f.lineHeight;
    std::string text;
    for (int i = 0; i < lines; ++i) {
        const int top = bodyTop + 2 * f.barRowHeight + i * R;
        int row = 0, lineInRow = 0;
        bool isLast = false;
        if (!RowFromLine(firstLine + i, row, lineInRow, isLast)) break;
        bool isGroup = false, indented = false;
        const int state = GetRowLabel(row, text, isGroup, indented);
        const ui::COLORREF background = state == 2 ? collapsedGroupBackground
                                        : state == 1 ? groupBackground
                                                     : itemBackground;
        document.textColor = state == 2 ? collapsedGroupText : state == 1 ? groupText : itemText;
        if (background != kWhite) {
            document.SetBrush(background, 0);
            document.FillRect(0, top, L, R);
        }
        const std::string shown = BandLineLabel(text, lineInRow, i == 0, continued);
        if (!shown.empty()) {
            document.SetFont(labelFontSize, isGroup && groupFontBold ? 1 : 0, 0, 0, 0, 0);
            const int indent = indented ? labelIndentSubitem : labelIndent;
            BoxText(document, shown, indent, top, L - indent, R);
        }
        if (isLast || i == lines - 1) {
            document.SetPen(thinLinesWidth, colorGridHorz);
            document.DrawLine(0, top + R - 1, L + pageWidth, top + R - 1);
        }
    }
}

void CSchedulePrintRenderer::PrintBars(CReportDocument& document, const Frame& f, int band, int firstLine,
                                       int lines) const {
    const int across = static_cast<int>(f.columns.size());
    const int nameHeight = notesOnBookings ? f.barHeight / 2 : f.barHeight;
    document.SetFont(bookingFontSize, 0, 0, 0, 0, 0);
    document.outlineColor = colorGridBooking;
    std::string notes;
    for (int i = 0; i < lines; ++i) {
        const int barTop = bodyTop + 2 * f.barRowHeight + i * f.lineHeight - 1 + (f.lineHeight - f.barHeight) / 2;
        for (const ScheduleBar& bar : BarsOfLine(firstLine + i)) {
            const CBooking& booking = *bar.booking;
            document.textColor = booking.color1;
            document.SetBrush(booking.color2, bookingLinesWidth);
            if (notesOnBookings) {
                notes = booking.text;
                std::replace(notes.begin(), notes.end(), '\n', ' ');
            }
            for (const BarPart& part : ClipBarToPages(bar.left, bar.right, f.columns, f.columnWidth)) {
                document.currentPage = band * across + part.page + 1;
                const int x = f.labelWidth + part.left;
                document.FillRect(x, barTop, part.width, f.barHeight);
                BoxText(document, BarName(booking), x + bookingIndent, barTop, part.width - bookingIndent, nameHeight);
                if (notesOnBookings)
                    BoxText(document, notes, x + bookingIndent, barTop + nameHeight, part.width - bookingIndent,
                            f.barHeight - nameHeight);
            }
        }
    }
}
