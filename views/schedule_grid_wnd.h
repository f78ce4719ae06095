#pragma once

// The booking area of the schedule chart: paints the rows' bars, selects a
// booking or a range of cells, shows a booking's tooltip after the mouse
// rests on it, and moves or resizes a booking with the mouse. The logic is
// in grid_hit_test, grid_selection, grid_pointer_state and booking_drag;
// this window runs the timers and turns events into their calls. Bookings
// are kept by id between events: any change of the document may free them.

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "booking_drag.h"
#include "grid_pointer_state.h"
#include "grid_selection.h"
#include "plugin_records.h"
#include "selected_booking.h"
#include "view_base.h"
#include "view_tooltip_wnd.h"

class CScheduleChartWnd;
class CScheduleViewWnd;

class CScheduleGridWnd : public QWidget, public CViewBase {
public:
    CScheduleGridWnd(CScheduleViewWnd* view, CScheduleChartWnd* chart, CScheduleModel& model, QWidget* parent);

    void LoadSettings();
    int GetLineHeight() const { return lineHeight_; }

    // Drops the cell selection and the selected booking.
    void ClearSelection(bool redraw);
    // Selects the booking while the plan holds it, laid out or not; false otherwise.
    bool SelectBooking(const SelectedBooking& booking);
    bool HasCellSelection() const { return hasSelection_; }
    const CellSelection& Cells() const { return selection_; }
    // The grid scrolled by columns: the selection moves with its dates.
    void ShiftSelection(int n);
    // After the rows changed: the selection follows its rows; false when it
    // was dropped.
    bool ClampSelection();
    void GetSelection(SelectionRecord& record) const;
    // The rows or columns moved under a resting mouse: the status panes
    // name what is under it now.
    void RefreshStatusBar();
    // The period of the first visibleColumns columns; false with none.
    bool GetVisiblePeriod(int visibleColumns, BookingRange& period) const;
    // A change of the document: a drag or a hover ends and the cells are no
    // longer selected; the selected booking stays while the plan holds it
    // (a new document drops it).
    void OnDataChanged(std::uint32_t mask);
    // The public filter changed: as a change of the document, and the
    // selected booking goes when the filter leaves it out.
    void OnFilterChanged();
    // Ends whatever the mouse started, writing nothing.
    void CancelAll();
    // The bars moved away under the tooltip: it goes, and the hover with it.
    void HideTooltip();
    // A mouse move where the pointer rests, after the view moved under it.
    void ResendMouseMove();

    int HoverState() const { return pointer_.State(); }
    const ui::Rect& Feedback() const { return feedback_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    // The drag under way: what it started from and what it reached.
    struct Drag {
        int bookingId = 0;
        bool resizeStart = false;
        ui::Rect barRect;
        GridCell startCell, endCell;   // of the bar when the button went down
        BookingRange original;
        GridCell pressCell;            // under the pointer at the press: a move keeps it under the pointer
        GridCell cell{-1, -1};         // the last cell computed
        GridCell startOfMove, endOfMove;
        BookingRange range;            // the new range
        int row = -1;                  // the move's target row
        int minFeedbackWidth = 0;
    };

    GridGeometry Geometry() const;
    GridHit HitTest(const QPoint& point) const;
    // The booking of the id in the layout; the dragged one is looked for on
    // the line where it was last seen first.
    CBooking* FindBooking(int id) const;
    WorkingTime Wt() const;
    DragRules Rules() const;
    bool WriteProtected() const;

    void SetCursorKind(int kind);
    void HoverStep(const QPoint& point);
    void UpdateStatusBar(const QPoint& point);
    bool BeginDrag(const QPoint& point, bool leftButton);
    void TrackSelection(const QPoint& point);
    void TrackResize(const QPoint& point);
    void TrackMove(const QPoint& point);
    void OnDragTimer();
    void OnHoverTimer();
    void CommitResize();
    void CommitMove();
    void EndMouse();
    void CancelDrag();
    void SetFeedback(const ui::Rect& rect);
    void RedrawBooking(int id);
    CBookingCollection* Bookings() const;
    // The selected booking, null when none is or it is gone.
    CBooking* Selected() const;
    // The period of one column while it is in view.
    BookingRange ColumnPeriod(int column) const;
    // The cells' rectangle, its right edge at most the grid's.
    ui::Rect CellsRect(const CellSelection& cells) const;
    void RedrawCells(const CellSelection& cells);
    void ShowTip(const std::string& text, const ui::Rect& bar);
    void HideTip();
    std::string BookingTipText(int bookingId) const;
    std::string DragTipText() const;
    std::string SelectionTipText() const;
    void ShowContextMenuAt(const QPoint& point);

    CScheduleViewWnd* view_;
    CScheduleChartWnd* chart_;
    CScheduleModel& model_;
    GridPointerState pointer_;
    QTimer hoverTimer_;
    QTimer dragTimer_;
    Drag drag_;
    ui::Rect feedback_;
    CViewTooltipWnd tooltip_;
    int cursorKind_ = 0;
    SelectedBooking selected_;
    mutable int lastLine_ = -1;
    bool hasSelection_ = false;
    bool selecting_ = false;
    bool rowSelectMode_ = true;
    CellSelection selection_;
    SelectedCells selectedCells_;

    int barHeight_ = 14;
    int lineHeight_ = 22;
    int borderDetect_ = 4;
    int hoverDelay_ = 500;
    ui::COLORREF barFrameColor_ = 0;
};
