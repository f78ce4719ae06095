#include "hover_tooltip.h"

#include <QCursor>
#include <QWidget>

namespace {
constexpr int kRestMs = 500;
constexpr int kCheckMs = 200;
constexpr int kCursorWidth = 32;
}  // namespace

CHoverTooltip::CHoverTooltip(QWidget* owner, Finder find) : owner_(owner), find_(std::move(find)) {
    tooltip_.Create(owner);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, owner, [this] { OnTimer(); });
}

void CHoverTooltip::MouseMoved(QPoint at) {
    point_ = at;
    if (tooltip_.isHidden()) timer_.start(kRestMs);
}

void CHoverTooltip::End() {
    tooltip_.Hide();
    area_ = QRect();
    timer_.stop();
}

bool CHoverTooltip::MayShow() const { return owner_->isVisible() && owner_->window()->isActiveWindow(); }

void CHoverTooltip::OnTimer() {
    if (!tooltip_.isHidden()) {
        if (!MayShow() || !area_.contains(owner_->mapFromGlobal(QCursor::pos()))) End();
        else timer_.start(kCheckMs);
        return;
    }
    if (!MayShow()) return;
    const Target target = find_(point_);
    if (target.text.empty() || target.area.isEmpty()) return;
    area_ = target.area;
    // Beside the cursor's hot spot, just below the area.
    const QPoint at = owner_->mapToGlobal(QPoint(point_.x() + kCursorWidth / 2, area_.bottom() + 2));
    tooltip_.ShowAt(at.x(), at.y(), target.text, 0);
    timer_.start(kCheckMs);
}
