#pragma once

// The hover cycle of a view window's tooltip: the mouse rests 500 ms, the
// window names the text and the area it belongs to, and the tooltip shows
// below that area beside the cursor. While shown it is checked every 200 ms
// and goes when the cursor has left the area or the program's window is no
// longer the active one.

#include <QPoint>
#include <QRect>
#include <QTimer>
#include <functional>
#include <string>

#include "view_tooltip_wnd.h"

class CHoverTooltip {
public:
    struct Target {
        std::string text;   // markup; empty: nothing to show
        QRect area;         // owner coordinates
    };
    using Finder = std::function<Target(QPoint at)>;

    // owner shows the tooltip and gets the mouse moves; find is asked when
    // the mouse has rested.
    CHoverTooltip(QWidget* owner, Finder find);

    void MouseMoved(QPoint at);
    // Hides the tooltip and stops waiting.
    void End();
    const CViewTooltipWnd& Tooltip() const { return tooltip_; }

private:
    void OnTimer();
    bool MayShow() const;

    QWidget* owner_;
    Finder find_;
    CViewTooltipWnd tooltip_;
    QTimer timer_;
    QPoint point_;
    QRect area_;
};
