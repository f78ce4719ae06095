#pragma once

// The booking grid's hover and drag states with no window or timer: what
// a press, the two timers, a release and a right click lead to. The window
// runs the timers and the tooltip the answers ask for.

#include "grid_hit_test.h"

enum GridHoverState {
    kHoverIdle = 0,
    kHoverArmed = 1,            // the hover timer runs over a bar
    kHoverBookingTip = 2,       // the booking tooltip is shown
    kHoverSelectionTip = 6,     // the selection tooltip is shown
    kHoverResizing = 7,
    kHoverMoving = 8,
    kHoverResizePending = 9,    // waiting for the drag delay
    kHoverMovePending = 10,
};

enum class DragKind { None, Resize, Move };

inline constexpr int kDragDelayMs = 300;
inline constexpr int kHoverRepeatMs = 200;

class GridPointerState {
public:
    int State() const { return state_; }
    const ui::Rect& HoverRect() const { return hoverRect_; }
    bool Dragging() const { return state_ == kHoverResizing || state_ == kHoverMoving; }
    bool DragPending() const { return state_ == kHoverResizePending || state_ == kHoverMovePending; }

    // A mouse move with no button and no drag over the given bar (none:
    // null). True when the hover timer is to be (re)started.
    bool Hover(const GridHit& hit, int x, int y);
    // A press on a bar part: a left press on a writable document arms a
    // resize on a grip or a move on the body (true: start the drag timer);
    // anything else only selects.
    bool Press(BarPart part, bool leftButton, bool writeProtected);
    // The drag timer: the drag that begins now, None when the button went up
    // before the delay.
    DragKind DragTimer();
    // The hover timer with the cursor at (x, y) and the window shown or not.
    // True when the booking tooltip is to be shown now.
    bool HoverTimer(int x, int y, bool shown, bool& keepTimer, bool& hideTooltip);
    void ShowSelectionTip() { state_ = kHoverSelectionTip; }
    // The button went up: the drag to write, if one was under way.
    DragKind Release();
    // Back to idle: the right button during a drag, a data change, a press.
    void Reset();
    // The hover over a bar ends (the bars moved away under it); a drag or a
    // selection goes on. True when a hover was armed or its tooltip shown.
    bool EndHover();

private:
    int state_ = kHoverIdle;
    ui::Rect hoverRect_;
};

bool PointIn(const ui::Rect& rect, int x, int y);
