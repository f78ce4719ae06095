#pragma once

// The client area of the main window, in which the plugins' view windows
// live: the first one that is not hidden fills it.

#include <cstdint>
#include <vector>

#include <QPointer>
#include <QWidget>

class CQEL2View : public QWidget {
public:
    explicit CQEL2View(QWidget* parent = nullptr);

    void RegisterView(QWidget* window);
    // The first registered window that is not hidden, or null.
    QWidget* VisibleView() const;
    bool SendToVisibleView(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    void LayoutViews();

protected:
    void resizeEvent(QResizeEvent* e) override;
    // The wheel over a view that does not take it scrolls the visible view
    // by lines: 120 a line, up for a positive delta.
    void wheelEvent(QWheelEvent* e) override;

private:
    std::vector<QPointer<QWidget>> windows_;
    int wheelRest_ = 0;   // a delta short of a line, kept for the next turn the same way
};
