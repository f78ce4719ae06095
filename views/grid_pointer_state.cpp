#include "grid_pointer_state.h"

bool PointIn(const ui::Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

bool GridPointerState::Hover(const GridHit& hit, int x, int y) {
    if (state_ == kHoverArmed && !PointIn(hoverRect_, x, y)) state_ = kHoverIdle;
    if (state_ != kHoverIdle || hit.bar == nullptr) return false;
    state_ = kHoverArmed;
    hoverRect_ = hit.rect;
    return true;
}

bool GridPointerState::Press(BarPart part, bool leftButton, bool writeProtected) {
    state_ = kHoverIdle;
    hoverRect_ = {};
    if (!leftButton || writeProtected || part == BarPart::None) return false;
    state_ = part == BarPart::Body ? kHoverMovePending : kHoverResizePending;
    return true;
}

DragKind GridPointerState::DragTimer() {
    if (state_ == kHoverResizePending) {
        state_ = kHoverResizing;
        return DragKind::Resize;
    }
    if (state_ == kHoverMovePending) {
        state_ = kHoverMoving;
        return DragKind::Move;
    }
    return DragKind::None;
}

bool GridPointerState::HoverTimer(int x, int y, bool shown, bool& keepTimer, bool& hideTooltip) {
    keepTimer = false;
    hideTooltip = false;
    const bool inside = PointIn(hoverRect_, x, y);
    bool show = false;
    if (state_ == kHoverArmed) {
        if (!inside) {
            state_ = kHoverIdle;
        } else if (shown) {
            keepTimer = true;
            show = true;
            state_ = kHoverBookingTip;
        }
    } else if (state_ == kHoverBookingTip) {
        if (!inside) {
            state_ = kHoverIdle;
            hideTooltip = true;
        } else {
            keepTimer = true;
        }
    }
    if (state_ != kHoverIdle) {
        const bool always = state_ == kHoverSelectionTip || state_ == kHoverMoving;
        if (!always && !hoverRect_.IsEmpty() && !inside) hideTooltip = true;
        else if (!shown) hideTooltip = true;
        keepTimer = keepTimer || state_ == kHoverBookingTip;
    }
    if (state_ == kHoverIdle) hoverRect_ = {};
    return show && !hideTooltip;
}

DragKind GridPointerState::Release() {
    const DragKind kind = state_ == kHoverResizing ? DragKind::Resize
                          : state_ == kHoverMoving ? DragKind::Move
                                                   : DragKind::None;
    Reset();
    return kind;
}

void GridPointerState::Reset() {
    state_ = kHoverIdle;
    hoverRect_ = {};
}

bool GridPointerState::EndHover() {
    if (state_ != kHoverArmed && state_ != kHoverBookingTip) return false;
    Reset();
    return true;
}
