#pragma once

// The page arithmetic of the schedule report, on plain numbers: how the
// columns of the period spread over the pages across, how many lines fit a
// page or an image, and which part of a booking bar falls on which page.

#include <string>
#include <string_view>
#include <vector>

// The label column: the setting, but at most half the width (never below 0).
int ScheduleLabelWidth(int setting, int width);

// The columns of each page across: pages (at least 1, at most columns) get
// columns / pages each and the first columns % pages one more. Empty for
// no columns.
std::vector<int> SplitColumns(int columns, int pages);

// Whole lines of lineHeight in height, at least 1; 0 for a line height
// below 1 (nothing can be laid out).
int LinesPerPage(int height, int lineHeight);

// Bands of linesPerPage lines holding totalLines; a layout without lines
// still has one band (the time bar alone).
int BandCount(int totalLines, int linesPerPage);

// The part of a bar on one page across: its page (from 0 within the band),
// its left edge from the page's time area and its width.
struct BarPart {
    int page = 0;
    int left = 0;
    int width = 0;
};

// The bar [left, right] (band coordinates, right inclusive) cut at the page
// edges; pages follow one another, page k columnsPerPage[k] x columnWidth
// wide.
std::vector<BarPart> ClipBarToPages(int left, int right, const std::vector<int>& columnsPerPage, int columnWidth);

// The label a line of a band shows: the row's label on its first line, and
// on a band's first line when the row began on an earlier band, then with
// continued appended. Empty (no text drawn) on the other lines.
std::string BandLineLabel(std::string_view label, int lineInRow, bool firstLineOfBand, std::string_view continued);

// The HTML label column: the setting, at most half the page width.
int ScheduleHtmlLabelWidth(int setting, int pageWidth);

// The width of the HTML images: pages x pageWidth, at most imageSizeMax /
// unitHeight (the time bar and one line), computed without overflow; 0 or
// less draws nothing.
int ScheduleImageWidth(int pages, int pageWidth, int imageSizeMax, int unitHeight);

// Lines of an image after the first: (imageSizeMax / width - timeBarHeight)
// / lineHeight, at least 1.
int LinesPerImage(int imageSizeMax, int imageWidth, int timeBarHeight, int lineHeight);
