#pragma once

#include <QFont>
#include <QImage>

#include "reports/html_page.h"
#include "reports/schedule_report.h"

// The schedule as an HTML page of images stacked below one another: the
// first carries the time bar, each at most "ReportsHtmlImageSizeMax"
// pixels, written as it is painted.
class CScheduleHtmlRenderer : public CScheduleReport, public CHtmlPage {
public:
    static constexpr int kBookingLineFactor = 127;   // percent
    static constexpr int kRowFactor = 160;           // percent
    // The screen's resolution the fonts are made for.
    static constexpr int kDpi = 96;

    // Reads the report's parameters, the page's settings and its own.
    explicit CScheduleHtmlRenderer(const PlanContext& context);
    void LoadSettings();

    // Makes the fonts and measures the time bar's rows, the bar and the line.
    void MeasureText();
    // 0, or the first failure of writing the page or an image (1 also when
    // an image cannot be made).
    int Render(const std::string& path) override;

    std::string fontFace;
    int timeBarFontSize = 70;
    int labelFontSize = 100;
    int bookingFontSize = 77;
    int labelIndent = 3;
    int labelIndentSubitem = 25;
    int htmlPageWidth = 1000;
    int htmlLabelWidth = 134;
    ui::COLORREF colorBorder = 0;
    int dividerWidth = 2;
    ui::COLORREF colorDivider = 0;
    ui::COLORREF colorBookingGrid = 0;

    // Set by MeasureText.
    int barRowHeight = 0;   // one row of the time bar
    int barHeight = 0;
    int lineHeight = 0;

private:
    // The image of lines [firstLine, firstLine + lines), with the time bar
    // when it is the first; null when it cannot be made.
    QImage PaintImage(int firstLine, int lines, int width, bool first, bool last) const;

    QFont timeBarFont_, headerFont_, groupFont_, labelFont_, bookingFont_;
};
