#include "drawing.h"

#include <algorithm>

#include "plat/utf8.h"

namespace {

constexpr std::size_t kFaceNameBytes = 31;

QFont FontOf(std::string_view face, int weight) {
    const std::string_view cut = plat::CutUtf8(face, kFaceNameBytes);
    QFont font(QString::fromUtf8(cut.data(), static_cast<qsizetype>(cut.size())));
    font.setWeight(weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    return font;
}

}  // namespace

CMemDC::CMemDC(QPainter& target, const ui::Rect& rect) : target_(target), rect_(rect) {
    if (rect.IsEmpty()) return;
    image_ = QImage(rect.width(), rect.height(), QImage::Format_RGB32);
    if (image_.isNull()) return;
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.translate(-rect.left, -rect.top);
    dc_ = std::make_unique<QelDC>(painter_);
    active_ = true;
}

CMemDC::~CMemDC() {
    if (!active_) return;
    dc_.reset();
    painter_.end();
    target_.drawImage(QPoint(rect_.left, rect_.top), image_);
}

void FillRectPattern(QelDC& dc, const ui::Rect& r) {
    dc.Save();
    dc.SetBrushOrigin(0, 0);
    dc.SelectPatternBrush(kHatchPattern);
    dc.SetBkMode(ui::TRANSPARENT);
    const ui::Rect strips[] = {
        {r.left - 2, r.top - 2, r.right + 2, r.top},
        {r.left - 2, r.bottom, r.right + 2, r.bottom + 2},
        {r.left - 2, r.top, r.left, r.bottom},
        {r.right, r.top, r.right + 2, r.bottom},
    };
    for (const ui::Rect& strip : strips) dc.PatBlt(strip, ui::NOTPATCOPY);
    dc.Restore();
}

void DrawTextInRect(QelDC& dc, std::string_view text, const ui::Rect& box, const ui::Rect& clip,
                    int align, bool keepInside) {
    if (text.empty()) return;
    const QSize extent = dc.GetTextExtent(text);
    int x = box.left;
    if (align == kAlignCenter) x = box.left + box.width() / 2 - extent.width() / 2;
    else if (align == kAlignRight) x = box.right - extent.width();
    if (keepInside) x = std::max(x, box.left);
    const int y = box.top + box.height() / 2 - extent.height() / 2;
    if (box.IsEmpty() || clip.IsEmpty()) return;
    dc.ExtTextOut(x, y, &clip, text);
}

QFont CreateSizedFont(int size, std::string_view face, int weight) {
    if (size < 1) return QFont();
    QFont font = FontOf(face, weight);
    font.setPixelSize(size);
    return font;
}

QFont CreatePointFont(int dpiY, int tenthsOfPoint, std::string_view face, int weight) {
    const long long pixels = (static_cast<long long>(tenthsOfPoint) * dpiY + 360) / 720;
    return CreateSizedFont(static_cast<int>(std::clamp<long long>(pixels, 0, 10000)), face, weight);
}

void DrawClippedFrame(QelDC& dc, const ui::Rect& frame, const ui::Rect& clip) {
    const ui::Rect visible = ui::Intersect(frame, clip);
    if (visible.IsEmpty()) return;
    if (visible.top == frame.top) {
        dc.MoveTo(visible.left, frame.top);
        dc.LineTo(visible.right, frame.top);
    }
    if (visible.bottom == frame.bottom) {
        dc.MoveTo(visible.left, frame.bottom - 1);
        dc.LineTo(visible.right, frame.bottom - 1);
    }
    if (visible.left == frame.left) {
        dc.MoveTo(frame.left, visible.top);
        dc.LineTo(frame.left, visible.bottom);
    }
    if (visible.right == frame.right) {
        dc.MoveTo(frame.right - 1, visible.top);
        dc.LineTo(frame.right - 1, visible.bottom);
    }
}
