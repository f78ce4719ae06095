#pragma once

// A QScrollBar driven the way the views were written: the window sets range,
// page and position, the bar reports the user's actions as scroll codes and
// moves only when the window sets a new position. The wheel over the bar is
// not the bar's: it goes on to the bar's window, as over the window itself.

#include <QObject>
#include <functional>

class QScrollBar;

// The messages that carry a scroll code (low word) and a thumb position
// (high word) to a window.
inline constexpr unsigned WM_HSCROLL_CODE = 0x0114;
inline constexpr unsigned WM_VSCROLL_CODE = 0x0115;

namespace ui {

inline constexpr int SB_LINEUP = 0, SB_LINELEFT = 0;
inline constexpr int SB_LINEDOWN = 1, SB_LINERIGHT = 1;
inline constexpr int SB_PAGEUP = 2, SB_PAGELEFT = 2;
inline constexpr int SB_PAGEDOWN = 3, SB_PAGERIGHT = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6, SB_LEFT = 6;
inline constexpr int SB_BOTTOM = 7, SB_RIGHT = 7;
inline constexpr int SB_ENDSCROLL = 8;

inline constexpr unsigned SIF_RANGE = 0x1;
inline constexpr unsigned SIF_PAGE = 0x2;
inline constexpr unsigned SIF_POS = 0x4;
inline constexpr unsigned SIF_DISABLENOSCROLL = 0x8;
inline constexpr unsigned SIF_TRACKPOS = 0x10;
inline constexpr unsigned SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct ScrollInfo {
    int min = 0;
    int max = 0;        // inclusive; the last reachable position is max - page + 1
    int page = 0;
    int pos = 0;
    int trackPos = 0;   // while the thumb is dragged
};

class ScrollBarAdapter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(int code, int thumbPos)>;
    ScrollBarAdapter(QScrollBar* bar, Handler onScroll);

    // Only the parts named by mask change. Nothing to scroll (page larger
    // than the range) hides the bar, or disables it with SIF_DISABLENOSCROLL.
    void SetScrollInfo(const ScrollInfo& info, unsigned mask);
    ScrollInfo GetScrollInfo() const;
    // Clamped to the reachable range; returns the previous position.
    int SetScrollPos(int pos);
    int GetScrollPos() const { return info_.pos; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnAction(int action);
    void OnTrack(int thumbPos);
    void OnReleased();
    int LastPosition() const;
    void Apply();

    QScrollBar* bar_;
    Handler onScroll_;
    ScrollInfo info_;
    bool disableNoScroll_ = false;
    bool tracking_ = false;
};

}  // namespace ui
