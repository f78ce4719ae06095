#include "main_view.h"

#include <QWheelEvent>
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
    constexpr int kLine = 120;
    const int delta = e->angleDelta().y();
    if ((delta > 0) != (wheelRest_ > 0)) wheelRest_ = 0;
    wheelRest_ += delta;
    const int lines = wheelRest_ / kLine;
    wheelRest_ %= kLine;
    for (int i = 0; i < std::abs(lines); ++i)
        SendToVisibleView(WM_VSCROLL_CODE, lines > 0 ? ui::SB_LINEUP : ui::SB_LINEDOWN, 0);
    e->accept();
}
