#pragma once

// The left column of the schedule view: a header as tall as the time bar,
// then the names of the rows, group rows with an expander box. A name cut
// off by the column's width shows whole in a tooltip when the mouse rests
// on it.

#include <QFont>
#include <QWidget>

#include "hover_tooltip.h"
#include "schedule_time_bar.h"
#include "view_base.h"

class CScheduleViewWnd;

class CScheduleLabelWnd : public QWidget, public CViewBase {
public:
    CScheduleLabelWnd(CScheduleViewWnd* view, QWidget* parent);

    void LoadSettings();
    int GetRowHeight() const;
    int ExpanderBox() const { return expanderSize_; }
    // The model row under y, -1 for the header and below the rows; onExpander
    // tells whether x lies on a group row's expander.
    int HitTest(int x, int y, bool& onExpander) const;
    void ToggleGroup(int row);
    // The row's name when it does not fit beside its inset, else empty.
    std::string CutOffName(int row) const;
    void EndHover() { hover_.End(); }
    // The rows moved under a resting mouse: the status pane names the row
    // under it now.
    void RefreshStatusBar();
    // The row menu at (x, y): add, and edit and delete for the row there.
    void ShowRowMenu(int x, int y);
    // changes: the command adds or deletes rather than shows.
    void RunRowCommand(const char* name, void* record, bool changes);
    const CViewTooltipWnd& Tooltip() const { return hover_.Tooltip(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    int HeaderHeight() const;
    void UpdateStatusBar(QPoint at);
    // The header's text for the rows mode.
    std::string Title() const;
    void DrawExpander(QelDC& dc, int left, const ui::Rect& line, bool collapsed) const;
    // Left edge of a row's text.
    int TextInset(bool isGroup, bool indented) const;
    // The cut-off name under at and its line.
    CHoverTooltip::Target HoverTarget(QPoint at) const;

    CScheduleLabelSettings settings_;
    CScheduleViewWnd* view_;
    QFont headerFont_, groupFont_, itemFont_;
    int expanderSize_ = 9;
    int indent_ = 3;
    int indentSubItem_ = 40;
    CHoverTooltip hover_;
};
