#pragma once

// The tooltip of a view window: a frameless popup that never takes the
// focus and shows a small table of text cells from markup (tooltip_markup.h).
// While shown it grows but never shrinks; it keeps inside the owner's screen.

#include <QFont>
#include <QRect>
#include <QWidget>
#include <string>

#include "tooltip_markup.h"

class CViewTooltipWnd : public QWidget {
public:
    CViewTooltipWnd();

    // Reads the settings and makes the hidden popup, owned by owner (the
    // popup goes with it). True on success.
    bool Create(QWidget* owner);
    // Shows text near (x, y), screen coordinates, by flags (kTooltip...),
    // above avoid when it would cover it. The same text, place and flags
    // again do nothing.
    void ShowAt(int x, int y, const std::string& text, int flags, const QRect& avoid = QRect());
    // ShowAt at the last place with the last flags.
    void UpdateText(const std::string& text);
    // Hides the window; the next text gets its own size.
    void Hide();

    const std::string& Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void SetText(const std::string& text);
    QRect Screen() const;

    std::string text_;
    int lastX_ = 0, lastY_ = 0;
    int lastFlags_ = 0;
    int stretchColumn_ = 0;
    QWidget* owner_ = nullptr;
    TooltipSize shownSize_;   // 0 x 0 while hidden
    TooltipTable table_;
    ui::COLORREF background_ = 0;
    ui::COLORREF foreground_ = 0;
    QFont normalFont_, boldFont_;
};
