#pragma once

// The booking grid of the schedule chart as the window paints it: the
// background and grid lines of the visible stretch, a line under each row,
// and the bars of the lines on screen only.

#include "ui/painter.h"

class CScheduleModel;

struct ChartPaintGeometry {
    ui::Rect client;        // the grid's client rectangle
    int firstLine = 0;      // the vertical scroll position
    int lineHeight = 1;
    int barHeight = 1;
};

void PaintScheduleChart(QelDC& dc, const CScheduleModel& model, const ChartPaintGeometry& geometry,
                        const ui::Rect& clip);
