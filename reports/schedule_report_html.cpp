#include "reports/schedule_report_html.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <limits>

#include "drawing.h"
#include "plat/resource_strings.h"
#include "reports/png_image.h"
#include "reports/schedule_report_layout.h"
#include "support/setting_ranges.h"

namespace {

constexpr unsigned kStrDefaultFont = 270;
constexpr int kDefaultPageWidth = 1000;
constexpr int kPrintedPageWidth = 2970;
constexpr double kMinFontFactor = 0.1;
constexpr double kMaxFontFactor = 10.0;

}  // namespace

CScheduleHtmlRenderer::CScheduleHtmlRenderer(const PlanContext& context)
    : CScheduleReport(context), CHtmlPage(context.settings) {
    LoadSettings();
}

void CScheduleHtmlRenderer::LoadSettings() {
    const SettingGetter& get = Context().settings;
    if (!get) return;
    fontFace = GetStringSetting(get, "ViewFont", "");
    if (fontFace.empty()) fontFace = plat::LoadResString(kStrDefaultFont);
    showFooter = GetBoolSetting(get, "ReportsScheduleShowFooter", showFooter);
    const double factor = GetDoubleSettingIn(get, "ViewFontSizeFactor", 1.0, kMinFontFactor, kMaxFontFactor);
    const auto fontSize = [&](std::string_view key, int size) {
        return GetIntSettingIn(get, key, static_cast<int>(size * factor), 1, kMaxFontSizeSetting);
    };
    timeBarFontSize = fontSize("ReportsScheduleHtmlTimebarFontSize", 70);
    labelFontSize = fontSize("ReportsScheduleHtmlLabelFontSize", 100);
    bookingFontSize = fontSize("ReportsScheduleHtmlBookingFontSize", 77);
    labelIndent = GetIntSettingIn(get, "ReportsScheduleHtmlLabelIndent", 3, 0, kMaxPixelsSetting);
    labelIndentSubitem = GetIntSettingIn(get, "ReportsScheduleHtmlLabelIndentSubitem", 25, 0, kMaxPixelsSetting);
    htmlPageWidth = GetIntSetting(get, "ReportsScheduleHtmlPageWidth", kDefaultPageWidth);
    htmlLabelWidth = ScheduleHtmlLabelWidth(
        GetIntSetting(get, "ReportsScheduleHtmlLabelWidth", labelColumnWidth * kDefaultPageWidth / kPrintedPageWidth),
        htmlPageWidth);
    colorBorder = GetColorSetting(get, "ReportsScheduleHtmlColorBorder", 0);
    dividerWidth = std::max(0, GetIntSetting(get, "ReportsScheduleHtmlDividerWidth", 2));
    colorDivider = GetColorSetting(get, "ReportsScheduleHtmlColorDivider", 0);
    colorBookingGrid = GetColorSetting(get, "ViewScheduleColorBookingGrid", 0);
    minimumBarWidth = GetIntSettingIn(get, "ReportsScheduleHtmlColumnWidthMin", 3, 0, kMaxMinimumBarWidth);
    title = GetBoolSetting(get, "ReportsScheduleShowHeader", true) ? GetTitle(get) : std::string();
}

void CScheduleHtmlRenderer::MeasureText() {
    timeBarFont_ = CreatePointFont(kDpi, timeBarFontSize, fontFace, 400);
    headerFont_ = CreatePointFont(kDpi, timeBarFontSize * headerFontFactor / 100, fontFace, 700);
    groupFont_ = CreatePointFont(kDpi, labelFontSize, fontFace, groupFontBold ? 700 : 400);
    labelFont_ = CreatePointFont(kDpi, labelFontSize, fontFace, 400);
    bookingFont_ = CreatePointFont(kDpi, bookingFontSize, fontFace, 400);
    barRowHeight = std::max(0, QFontMetrics(timeBarFont_).height() * heightFactor / 100);
    const int b = QFontMetrics(bookingFont_).height() * kBookingLineFactor / 100;
    barHeight = notesOnBookings ? 2 * b : b;
    const int bars = b * kRowFactor / 100 + (notesOnBookings ? b : 0);
    const int label = QFontMetrics(groupFont_).height() * rowHeightFactor / 100;
    lineHeight = std::max({0, bars, label});
}

int CScheduleHtmlRenderer::Render(const std::string& path) {
    std::string out;
    if (const int result = WriteHead(out, "", "", true); result != 0) return result;
    if (htmlPageWidth > 0) {
        MeasureText();
        const int timeBar = 2 * barRowHeight;
        int width = ScheduleImageWidth(pagesAcross, htmlPageWidth, imageSizeMax, timeBar + lineHeight);
        BuildDayTable();
        columnCount = width > 0 && lineHeight > 0 ? CountColumns() : 0;
        const int columns = columnCount;
        const int cw = columns > 0 ? (width - htmlLabelWidth) / columns : 0;
        if (columns > 0 && cw < 1) return kPeriodTooWide;
        if (cw >= 1) {
            width = htmlLabelWidth + columns * cw;
            columnWidth = cw;
            LayoutRows(PeriodStart(), columns);
            const int totalLines = GetTotalLines();
            const int perImage = LinesPerImage(imageSizeMax, width, timeBar, lineHeight);
            imageCount = totalLines > 0 ? (totalLines - 1) / perImage + 1 : 0;
            for (int index = 0; index < imageCount; ++index) {
                const int firstLine = index * perImage;
                const int lines = std::min(perImage, totalLines - firstLine);
                const QImage image = PaintImage(firstLine, lines, width, index == 0, index == imageCount - 1);
                if (image.isNull()) return kWriteFailed;
                if (const int result = WriteImage(out, path, index, image); result != 0) return result;
            }
        }
    }
    if (const int result = WriteFooter(out); result != 0) return result;
    return WriteFile(out, path);
}

QImage CScheduleHtmlRenderer::PaintImage(int firstLine, int lines, int width, bool first, bool last) const {
    const int timeBar = first ? 2 * barRowHeight : 0;
    const long long height = timeBar + static_cast<long long>(lines) * lineHeight;
    QImage image = height <= std::numeric_limits<int>::max() ? CreateDib24(width, static_cast<int>(height)) : QImage();
    if (image.isNull()) return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    QelDC dc(painter);
    const int L = htmlLabelWidth;
    const CDateTime start = Columns().empty() ? PeriodStart() : Columns().front().start;
    const int oldMode = dc.SetBkMode(ui::TRANSPARENT);

    if (first) {
        const ui::Rect header{0, 0, L, timeBar};
        dc.FillSolidRect(header, headerBackground);
        dc.SelectFont(headerFont_);
        dc.SetTextColor(headerText);
        DrawTextInRect(dc, HeaderText(), {labelIndent, 0, L, timeBar}, header, kAlignLeft, false);
        dc.SelectPen(minorGrid);
        dc.MoveTo(0, timeBar - 1);
        dc.LineTo(L, timeBar - 1);
        CScheduleTimeBar bar;
        static_cast<CScheduleTimeBarSettings&>(bar) = *this;
        dc.SelectFont(timeBarFont_);
        bar.Draw(dc, *this, L, 0, width, barRowHeight, start);
    }

    // The chart as the view paints it: day columns, grid, bars.
    const ui::Rect chart{L, timeBar, width, static_cast<int>(height)};
    if (lines > 0) PaintBackground(dc, chart, start);
    std::string text;
    for (int i = 0; i < lines; ++i) {
        const int top = timeBar + i * lineHeight;
        int row = 0, lineInRow = 0;
        bool isLast = false;
        if (!RowFromLine(firstLine + i, row, lineInRow, isLast)) break;
        bool isGroup = false, indented = false;
        const int state = GetRowLabel(row, text, isGroup, indented);
        const ui::Rect cell{0, top, L, top + lineHeight};
        dc.FillSolidRect(cell, state == 2 ? collapsedGroupBackground : state == 1 ? groupBackground : itemBackground);
        if (lineInRow == 0) {
            dc.SelectFont(isGroup ? groupFont_ : labelFont_);
            dc.SetTextColor(state == 2 ? collapsedGroupText : state == 1 ? groupText : itemText);
            DrawTextInRect(dc, text, {indented ? labelIndentSubitem : labelIndent, top, L, top + lineHeight}, cell,
                           kAlignLeft, false);
        }
        const ui::Rect lineRect{L, top, width, top + lineHeight};
        dc.SelectFont(bookingFont_);
        dc.SelectPen(colorBookingGrid);
        DrawBookingRow(dc, firstLine + i, lineRect, chart, *this, nullptr, 0, barHeight);
        if (isLast) {
            dc.SelectPen(horzGridColor);
            dc.MoveTo(0, top + lineHeight - 1);
            dc.LineTo(width, top + lineHeight - 1);
        }
    }

    const int bottom = static_cast<int>(height);
    dc.SelectPen(colorBorder);
    dc.MoveTo(0, 0);
    dc.LineTo(0, bottom);
    dc.MoveTo(width - 1, 0);
    dc.LineTo(width - 1, bottom);
    if (first) {
        dc.MoveTo(0, 0);
        dc.LineTo(width, 0);
    }
    if (last) {
        dc.MoveTo(0, bottom - 1);
        dc.LineTo(width, bottom - 1);
    }
    if (dividerWidth > 0) dc.FillSolidRect({L - dividerWidth, 0, L, bottom}, colorDivider);
    dc.SetBkMode(oldMode);
    return image;
}
