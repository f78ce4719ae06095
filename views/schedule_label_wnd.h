#pragma once

// The left column of the schedule view: a header as tall as the time bar,
// then the names of the rows, group rows with an expander box.

#include <QFont>
#include <QWidget>

#include "schedule_time_bar.h"

class CScheduleViewWnd;

class CScheduleLabelWnd : public QWidget {
public:
    CScheduleLabelWnd(CScheduleViewWnd* view, QWidget* parent);

    void LoadSettings();
    int GetRowHeight() const;
    int ExpanderBox() const { return expanderSize_; }
    // The model row under y, -1 for the header and below the rows; onExpander
    // tells whether x lies on a group row's expander.
    int HitTest(int x, int y, bool& onExpander) const;
    void ToggleGroup(int row);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    int HeaderHeight() const;
    // The header's text for the rows mode.
    std::string Title() const;
    void DrawExpander(QelDC& dc, int left, const ui::Rect& line, bool collapsed) const;

    CScheduleLabelSettings settings_;
    CScheduleViewWnd* view_;
    QFont headerFont_, groupFont_, itemFont_;
    int expanderSize_ = 9;
    int indent_ = 3;
    int indentSubItem_ = 40;
};
