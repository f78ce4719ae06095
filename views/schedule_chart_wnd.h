#pragma once

// The right-hand pane of the schedule view: the time bar over the booking
// grid, the horizontal scroll bar by columns, and the layout model.

#include <QWidget>

#include "schedule_model.h"
#include "ui/message.h"
#include "ui/scroll_bar.h"
#include "view_tooltip_wnd.h"

class CScheduleGridWnd;
class CScheduleViewWnd;
class CTimeBarWnd;
class QScrollBar;

class CScheduleChartWnd : public ui::MessageWidget<QWidget> {
public:
    CScheduleChartWnd(CScheduleViewWnd* view, QWidget* parent);

    CScheduleModel& Model() { return model_; }
    const CScheduleModel& Model() const { return model_; }
    CTimeBarWnd* TimeBar() const { return timeBar_; }
    CScheduleGridWnd* Grid() const { return grid_; }

    void LoadSettings();
    void Layout();
    int GetVisibleColumnCount(bool wholeOnly) const;
    CDateTime GetFirstVisibleDateTime() const;
    void ScrollToDateTime(const CDateTime& target, bool repaint);
    // The column's start (or the minute under x, for units finer than a day).
    CDateTime GetDateTimeAtX(int x, bool columnStartOnly) const;
    int ColumnFromX(int x) const;
    // The model row at y of the grid, -1 for none.
    int GetRowAtY(int y) const;
    void ToggleAllGroups();
    int OnKeyDown(int virtualKey);
    void OnHScroll(int code, int thumbPos);
    int HScrollPos() const { return hScroll_.GetScrollPos(); }
    int HScrollMax() const { return hScrollMax_; }
    // The grid's height, for the vertical page.
    int GridHeight() const;
    const CViewTooltipWnd& Tooltip() const { return tooltip_; }

    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    // The date of the column at the thumb's track position, above the pointer.
    void ShowTrackTip(int column);

    CScheduleViewWnd* view_;
    CScheduleModel model_;
    CTimeBarWnd* timeBar_;
    CScheduleGridWnd* grid_;
    QScrollBar* bar_;
    ui::ScrollBarAdapter hScroll_;
    CViewTooltipWnd tooltip_;
    int hScrollMax_ = 0;
    int columnWidthMin_ = 3;
};
