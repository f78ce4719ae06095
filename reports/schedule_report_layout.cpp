#include "reports/schedule_report_layout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

int ScheduleLabelWidth(int setting, int width) {
    return std::clamp(setting, 0, std::max(0, static_cast<int>(width * 0.5)));
}

std::vector<int> SplitColumns(int columns, int pages) {
    if (columns <= 0) return {};
    const int n = std::clamp(pages, 1, columns);
    std::vector<int> split(static_cast<std::size_t>(n), columns / n);
    for (int k = 0; k < columns % n; ++k) ++split[static_cast<std::size_t>(k)];
    return split;
}

int LinesPerPage(int height, int lineHeight) {
    if (lineHeight < 1) return 0;
    return std::max(1, height / lineHeight);
}

int BandCount(int totalLines, int linesPerPage) {
    if (totalLines <= 0 || linesPerPage < 1) return 1;
    return (totalLines - 1) / linesPerPage + 1;
}

std::vector<BarPart> ClipBarToPages(int left, int right, const std::vector<int>& columnsPerPage, int columnWidth) {
    std::vector<BarPart> parts;
    if (columnWidth < 1 || right < left) return parts;
    long long pageStart = 0;
    for (std::size_t k = 0; k < columnsPerPage.size(); ++k) {
        const long long pageWidth = static_cast<long long>(columnsPerPage[k]) * columnWidth;
        const long long pageEnd = pageStart + pageWidth - 1;
        if (left <= pageEnd && right >= pageStart) {
            const long long from = std::max<long long>(left, pageStart);
            const long long to = std::min<long long>(right, pageEnd);
            parts.push_back({static_cast<int>(k), static_cast<int>(from - pageStart), static_cast<int>(to - from + 1)});
        }
        pageStart += pageWidth;
    }
    return parts;
}

std::string BandLineLabel(std::string_view label, int lineInRow, bool firstLineOfBand, std::string_view continued) {
    if (lineInRow == 0) return std::string(label);
    if (!firstLineOfBand) return {};
    std::string text(label);
    text += continued;
    return text;
}

int ScheduleHtmlLabelWidth(int setting, int pageWidth) { return std::clamp(setting, 0, std::max(0, pageWidth / 2)); }

int ScheduleImageWidth(int pages, int pageWidth, int imageSizeMax, int unitHeight) {
    long long width = static_cast<long long>(pages) * pageWidth;
    if (unitHeight > 0) width = std::min<long long>(width, imageSizeMax / unitHeight);
    return static_cast<int>(std::clamp<long long>(width, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

int LinesPerImage(int imageSizeMax, int imageWidth, int timeBarHeight, int lineHeight) {
    if (imageWidth < 1 || lineHeight < 1) return 1;
    return std::max(1, (imageSizeMax / imageWidth - timeBarHeight) / lineHeight);
}
