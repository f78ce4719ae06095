#include "main_view.h"

#include <QWheelEvent>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "ui/message.h"
#include "ui/scroll_bar.h"

CQEL2View::CQEL2View(QWidget* parent) : QWidget(parent) { setObjectName("CQEL2View"); }

void CQEL2View::RegisterView(QWidget* window) {
    if (window == nullptr) return;
    if (window->parentWidget() != this) window->setParent(this);
    windows_.emplace_back(window);
    LayoutViews();
}

QWidget* CQEL2View::VisibleView() const {
    for (const QPointer<QWidget>& window : windows_) {
        if (window && !window->isHidden()) return window;
    }
    return nullptr;
}

bool CQEL2View::SendToVisibleView(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    QWidget* window = VisibleView();
    return window != nullptr && ui::TrySendMessage(window, message, wParam, lParam, nullptr);
}

void CQEL2View::LayoutViews() {
    if (QWidget* window = VisibleView()) window->setGeometry(rect());
}

void CQEL2View::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    LayoutViews();
}

void CQEL2View::wheelEvent(QWheelEvent* e) {
    constexpr std::int64_t kLine = 120;
    // A turn scrolls at most this many lines: a bigger delta (no wheel gives
    // one) would only keep the program busy sending lines past the end.
    constexpr std::int64_t kMostLines = 1000;
    const int delta = e->angleDelta().y();
    e->accept();
    if (delta == 0) return;
    if ((delta > 0) != (wheelRest_ > 0)) wheelRest_ = 0;
    const std::int64_t total = std::int64_t{wheelRest_} + delta;
    const int lines = static_cast<int>(std::clamp(total / kLine, -kMostLines, kMostLines));
    wheelRest_ = static_cast<int>(total % kLine);
    for (int i = 0; i < std::abs(lines); ++i)
        SendToVisibleView(WM_VSCROLL_CODE, lines > 0 ? ui::SB_LINEUP : ui::SB_LINEDOWN, 0);
}
