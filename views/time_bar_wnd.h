#pragma once

// The two-band scale over the booking grid: the coarser unit above, the
// base unit's columns below. Hovering shows a cell's full date; a double
// click zooms out (upper band) or in (lower band); the right button opens a
// menu of the host's commands for the time axis.

#include <QFont>
#include <QWidget>
#include <array>

#include "hover_tooltip.h"
#include "schedule_time_bar.h"
#include "view_base.h"

class CScheduleChartWnd;

class CTimeBarWnd : public QWidget, public CViewBase {
public:
    CTimeBarWnd(CScheduleChartWnd* chart, QWidget* parent);

    void LoadSettings();
    int GetHeight() const { return 2 * bandHeight_; }
    int BandHeight() const { return bandHeight_; }
    void EndHover() { hover_.End(); }
    const CViewTooltipWnd& Tooltip() const { return hover_.Tooltip(); }
    // The text of the cell under (x, y), empty outside the bands.
    std::string HoverText(int x, int y) const;
    void ChangeBaseUnit(int x, int y);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    // The cell under at and its full date.
    CHoverTooltip::Target HoverTarget(QPoint at) const;
    // The menu at screen; the chosen command goes to the host's main window.
    void ShowMenu(QPoint screen);

    CScheduleTimeBar bar_;
    CScheduleChartWnd* chart_;
    QFont font_;
    int bandHeight_ = 1;
    CHoverTooltip hover_;
    std::array<int, 8> majorUnit_{};
    std::array<int, 8> minorUnit_{};
};
