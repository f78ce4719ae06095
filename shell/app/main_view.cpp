#include "main_view.h"

#include "ui/message.h"

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
