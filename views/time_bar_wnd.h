#pragma once

// The two-band scale over the booking grid: the coarser unit above, the
// base unit's columns below. Hovering shows a cell's full date; a double
// click zooms out (upper band) or in (lower band).

#include <QFont>
#include <QTimer>
#include <QWidget>
#include <array>

#include "schedule_time_bar.h"

class CScheduleChartWnd;

class CTimeBarWnd : public QWidget {
public:
    CTimeBarWnd(CScheduleChartWnd* chart, QWidget* parent);

    void LoadSettings();
    int GetHeight() const { return 2 * bandHeight_; }
    int BandHeight() const { return bandHeight_; }
    void EndHover();
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
    void OnHoverTimer();

    CScheduleTimeBar bar_;
    CScheduleChartWnd* chart_;
    QFont font_;
    int bandHeight_ = 1;
    QTimer hoverTimer_;
    QPoint hoverPoint_;
    QRect hoverRect_;
    bool hoverShown_ = false;
    std::array<int, 8> majorUnit_{};
    std::array<int, 8> minorUnit_{};
};
