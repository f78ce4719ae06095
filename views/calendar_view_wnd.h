#pragma once

// The calendar view: the period as rows of weeks and columns of weekdays,
// scrolled by weeks, with the bookings as bars the user moves and resizes
// by days, days to select and cell borders to drag. The arithmetic lives in
// calendar_geometry, calendar_drag and calendar_paint; this is the window.

#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "calendar_drag.h"
#include "calendar_geometry.h"
#include "calendar_model.h"
#include "calendar_paint.h"
#include "calendar_selection.h"
#include "ui/message.h"
#include "ui/scroll_bar.h"
#include "view_base.h"
#include "view_tooltip_wnd.h"

class QScrollBar;

class CCalendarViewWnd : public ui::MessageWidget<QWidget>, public CViewBase {
public:
    explicit CCalendarViewWnd(QWidget* parent);

    // The view's keys; 1 when the key was used.
    int OnKeyDown(int virtualKey, int modifiers);
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) override;

    const CCalendarModel& Model() const { return model_; }
    const CalendarGeometry& Geometry() const { return geometry_; }
    int WeekPosition() const { return vScroll_.GetScrollPos(); }
    CBooking* SelectedBooking() const { return selectedBooking_; }
    const CalendarDaySelection& DaySelection() const { return daySelection_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    enum HoverState {
        kIdle = 0,
        kHoverArmed = 1,
        kBookingTip = 2,
        kScrollTip = 3,
        kOverflowTip = 5,
        kSelectionTip = 6,
        kResizing = 7,
        kMoving = 8,
        kResizePending = 9,
        kMovePending = 10,
    };
    enum CursorKind { kArrow = 0, kMovingCursor = 1, kBodyCursor = 2, kBorderCursor = 3 };

    void Reload();
    void LoadSettings();
    void BuildFonts();
    void Relayout();
    void LayoutWeeks();
    int WeekCount() const;
    void ScrollToDate(const CDate& date);
    void OnVScroll(int code, int thumbPos);
    void OnHScroll(int code, int thumbPos);
    CalendarPaintState PaintState() const;
    CalendarDragRules DragRules() const;

    void OnMouseMove(int x, int y, bool leftDown);
    void OnLButtonDown(int x, int y);
    void OnLButtonUp();
    void OnRButtonDown(int x, int y);
    bool BeginDrag(int x, int y, bool right);
    void HoverStep(int x, int y);
    void SelectionStep(int x, int y);
    void ResizeStep(int x, int y);
    void MoveStep(int x, int y);
    void OnDragTimer();
    void OnHoverTimer();
    // The day under a point kept inside the grid; invalid when none is there.
    CDate DayUnder(int x, int y, int* row = nullptr) const;
    // The day whose header strip lies under the point and has a booking on
    // a line the cell does not show whole; null when none.
    const CalendarDayCell* OverflowStripAt(int x, int y) const;

    void StartSizing(int x, int y, const CalendarZone& zone);
    void EndSizing(bool save);
    void CancelDrag();
    void StopTimers();
    void ClearDaySelection();
    // Timers, sizing, drags, the day selection and the tooltip.
    void StopInteraction();
    void SetCursorKind(int kind);
    void ResendMouseMove();
    bool IsWriteProtected() const;

    // Shows markup (tooltip_markup.h) with its top-left corner near at,
    // off avoid (screen coordinates).
    void ShowTip(const QPoint& at, const std::string& markup, const QRect& avoid = QRect());
    void HideTip();
    // Tooltip markup of the drag under way and of the day selection.
    std::string DragTipText() const;
    std::string SelectionTipText() const;
    void Commit(CBooking* booking, const BookingRange& period, unsigned undoNameId);

    CCalendarModel model_;
    CalendarGeometry geometry_;
    CalendarFonts fonts_;
    QScrollBar* vBar_;
    QScrollBar* hBar_;
    ui::ScrollBarAdapter vScroll_;
    ui::ScrollBarAdapter hScroll_;
    CDate pendingGoto_ = CDate::FromJulianDay(CDate::kInvalid);

    int dayWidthSetting_ = 100;
    int dayHeightSetting_ = 100;
    int dayWidthMin_ = 20;
    int visibleMin_ = 10;
    int sizingDetect_ = 3;
    int borderDetect_ = 5;
    int timerDelay_ = 500;

    int hoverState_ = kIdle;
    ui::Rect hoverRect_;
    int cursorKind_ = kArrow;
    QTimer hoverTimer_;
    QTimer dragTimer_;
    std::string statusText_;
    std::string tipText_;
    CViewTooltipWnd tooltip_;

    bool sizing_ = false;
    CalendarZone sizingZone_;
    ui::Point sizingLine_;
    SizingLimits sizingLimits_;

    CalendarDaySelection daySelection_;
    CalendarSelectionCache selectionCache_;

    CBooking* selectedBooking_ = nullptr;
    CBooking* dragBooking_ = nullptr;
    bool resizingStart_ = false;
    bool moving_ = false;
    bool resizing_ = false;
    BookingRange dragPeriod_;
    CDate pressDay_;      // under the pointer at the press: a move keeps it under the pointer
    CDate moveLastDay_;
    std::vector<ui::Rect> feedback_;
};
