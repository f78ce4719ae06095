#include "ui/scroll_bar.h"

#include <QEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace ui {

ScrollBarAdapter::ScrollBarAdapter(QScrollBar* bar, Handler onScroll)
    : QObject(bar), bar_(bar), onScroll_(std::move(onScroll)) {
    bar_->setTracking(false);
    connect(bar_, &QAbstractSlider::actionTriggered, this, &ScrollBarAdapter::OnAction);
    connect(bar_, &QAbstractSlider::sliderMoved, this, &ScrollBarAdapter::OnTrack);
    connect(bar_, &QAbstractSlider::sliderReleased, this, &ScrollBarAdapter::OnReleased);
    bar_->installEventFilter(this);
    Apply();
}

bool ScrollBarAdapter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != bar_ || event->type() != QEvent::Wheel) return false;
    // Left unaccepted, the wheel goes up to the parents like one over the window.
    event->ignore();
    return true;
}

int ScrollBarAdapter::LastPosition() const {
    return std::max(info_.min, info_.max - std::max(info_.page, 1) + 1);
}

void ScrollBarAdapter::SetScrollInfo(const ScrollInfo& info, unsigned mask) {
    if (mask & SIF_RANGE) {
        info_.min = info.min;
        info_.max = std::max(info.min, info.max);
    }
    if (mask & SIF_PAGE) info_.page = std::clamp(info.page, 0, info_.max - info_.min + 1);
    if (mask & SIF_POS) info_.pos = info.pos;
    disableNoScroll_ = (mask & SIF_DISABLENOSCROLL) != 0;
    info_.pos = std::clamp(info_.pos, info_.min, LastPosition());
    Apply();
}

ScrollInfo ScrollBarAdapter::GetScrollInfo() const {
    ScrollInfo info = info_;
    info.trackPos = tracking_ ? bar_->sliderPosition() : info_.pos;
    return info;
}

int ScrollBarAdapter::SetScrollPos(int pos) {
    const int previous = info_.pos;
    info_.pos = std::clamp(pos, info_.min, LastPosition());
    Apply();
    return previous;
}

void ScrollBarAdapter::Apply() {
    const QSignalBlocker block(bar_);
    bar_->setRange(info_.min, LastPosition());
    bar_->setPageStep(std::max(info_.page, 1));
    bar_->setSingleStep(1);
    if (!tracking_) bar_->setSliderPosition(info_.pos);
    bar_->setValue(info_.pos);
    const bool scrollable = info_.page <= info_.max - info_.min && info_.max > info_.min;
    bar_->setEnabled(scrollable);
    bar_->setVisible(scrollable || disableNoScroll_);
}

void ScrollBarAdapter::OnAction(int action) {
    int code = -1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    default: break;
    }
    if (code >= 0 && onScroll_) onScroll_(code, info_.pos);
    // The bar moves only as far as the window moved the position.
    bar_->setSliderPosition(info_.pos);
}

void ScrollBarAdapter::OnTrack(int thumbPos) {
    tracking_ = true;
    if (onScroll_) onScroll_(SB_THUMBTRACK, thumbPos);
}

void ScrollBarAdapter::OnReleased() {
    if (!tracking_) return;
    const int thumb = bar_->sliderPosition();
    if (onScroll_) onScroll_(SB_THUMBPOSITION, thumb);
    tracking_ = false;
    if (onScroll_) onScroll_(SB_ENDSCROLL, info_.pos);
    Apply();
}

}  // namespace ui
