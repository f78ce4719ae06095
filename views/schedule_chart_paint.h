#pragma once

// The booking grid of the schedule chart as the window paints it: the
// background and grid lines of the visible stretch, a line under each row,
// the bars of the lines on screen only, the selection, and last the drag
// frame.

#include "grid_selection.h"
#include "ui/painter.h"

class CScheduleModel;

struct ChartPaintGeometry {
    ui::Rect client;        // the grid's client rectangle
    int firstLine = 0;      // the vertical scroll position
    int lineHeight = 1;
    int barHeight = 1;
    ui::COLORREF barFrameColor = 0;   // the pen of the bars' frames
};

// What the user marked: the selected booking, the selected cells (inverted
// over their rows) and the drag frame.
struct ChartMarks {
    const CBooking* selected = nullptr;
    const CellSelection* cells = nullptr;
    ui::Rect feedback;
};

void PaintScheduleChart(QelDC& dc, const CScheduleModel& model, const ChartPaintGeometry& geometry,
                        const ui::Rect& clip, const ChartMarks& marks = {});

// The 2-pixel inverted frame of a drag.
void DrawDragFrame(QelDC& dc, const ui::Rect& rect);
