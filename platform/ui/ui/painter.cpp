#include "ui/painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QStyle>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace ui {

Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? Rect{} : r;
}

QColor ToQColor(COLORREF c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

COLORREF ToColorRef(const QColor& c) { return MakeColorRef(c.red(), c.green(), c.blue()); }

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

COLORREF Inverse(COLORREF c) { return ~c & 0xFFFFFF; }

}  // namespace
}  // namespace ui

using namespace ui;

QelDC::QelDC(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    s_.font = painter_.font();
}

COLORREF QelDC::SetTextColor(COLORREF c) { return std::exchange(s_.textColor, c & 0xFFFFFF); }

COLORREF QelDC::SetBkColor(COLORREF c) { return std::exchange(s_.bkColor, c & 0xFFFFFF); }

int QelDC::SetBkMode(int mode) { return std::exchange(s_.bkMode, mode); }

void QelDC::SelectFont(const QFont& font) {
    s_.font = font;
    painter_.setFont(font);
}

void QelDC::SelectPen(COLORREF c, int width) {
    s_.hasPen = true;
    s_.penColor = c & 0xFFFFFF;
    s_.penWidth = std::max(1, width);
}

void QelDC::SelectNullPen() { s_.hasPen = false; }

void QelDC::SelectSolidBrush(COLORREF c) {
    s_.brushKind = BrushKind::Solid;
    s_.brushColor = c & 0xFFFFFF;
}

void QelDC::SelectPatternBrush(const Pattern8& pattern) {
    s_.brushKind = BrushKind::Pattern;
    s_.pattern = pattern;
}

void QelDC::SelectNullBrush() { s_.brushKind = BrushKind::Null; }

void QelDC::SetBrushOrigin(int x, int y) { s_.brushOrigin = QPoint(x, y); }

QBrush QelDC::CurrentBrush(bool inverted) const {
    switch (s_.brushKind) {
    case BrushKind::Null:
        return Qt::NoBrush;
    case BrushKind::Solid:
        return ToQColor(inverted ? Inverse(s_.brushColor) : s_.brushColor);
    case BrushKind::Pattern: {
        // A clear bit takes the text colour, a set bit the background colour.
        QImage image(8, 8, QImage::Format_RGB32);
        const COLORREF fg = inverted ? Inverse(s_.textColor) : s_.textColor;
        const COLORREF bg = inverted ? Inverse(s_.bkColor) : s_.bkColor;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                image.setPixelColor(x, y, ToQColor((s_.pattern[y] & (0x80 >> x)) ? bg : fg));
        return QBrush(image);
    }
    }
    return Qt::NoBrush;
}

QPen QelDC::CurrentPen() const {
    if (!s_.hasPen) return Qt::NoPen;
    QPen pen(ToQColor(s_.penColor), s_.penWidth == 1 ? 0 : s_.penWidth);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void QelDC::FillWithBrush(const QRect& r, const QBrush& brush) {
    if (brush.style() == Qt::NoBrush || r.isEmpty()) return;
    const QPoint oldOrigin = painter_.brushOrigin();
    painter_.setBrushOrigin(s_.brushOrigin);
    painter_.fillRect(r, brush);
    painter_.setBrushOrigin(oldOrigin);
}

void QelDC::FillSolidRect(const Rect& r, COLORREF c) {
    if (!r.IsEmpty()) painter_.fillRect(r.ToQRect(), ToQColor(c));
}

void QelDC::FillRect(const Rect& r) { FillWithBrush(r.ToQRect(), CurrentBrush(false)); }

void QelDC::Rectangle(const Rect& r) {
    if (r.IsEmpty()) return;
    FillWithBrush(r.ToQRect(), CurrentBrush(false));
    if (!s_.hasPen) return;
    // Four edges inside the rectangle, each a filled strip of the pen width.
    const int w = std::min({s_.penWidth, r.width(), r.height()});
    const QColor c = ToQColor(s_.penColor);
    painter_.fillRect(QRect(r.left, r.top, r.width(), w), c);
    painter_.fillRect(QRect(r.left, r.bottom - w, r.width(), w), c);
    painter_.fillRect(QRect(r.left, r.top, w, r.height()), c);
    painter_.fillRect(QRect(r.right - w, r.top, w, r.height()), c);
}

void QelDC::MoveTo(int x, int y) { current_ = QPoint(x, y); }

void QelDC::LineTo(int x, int y) {
    const QPoint from = current_;
    const QPoint to(x, y);
    current_ = to;
    if (!s_.hasPen || from == to) return;
    if (s_.penWidth > 1) {
        painter_.setPen(CurrentPen());
        painter_.drawLine(from, to);
        return;
    }
    // One-pixel lines: every pixel of the Bresenham walk except the last.
    const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
    const QColor c = ToQColor(s_.penColor);
    if (dy == 0 || dx == 0) {
        const QPoint last = to - QPoint(dy == 0 ? sx : 0, dx == 0 ? sy : 0);
        const QPoint topLeft(std::min(from.x(), last.x()), std::min(from.y(), last.y()));
        const QPoint bottomRight(std::max(from.x(), last.x()), std::max(from.y(), last.y()));
        painter_.fillRect(QRect(topLeft, bottomRight), c);
        return;
    }
    QList<QPoint> points;
    int err = dx + dy;
    for (QPoint p = from; p != to;) {
        points.append(p);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; p.rx() += sx; }
        if (e2 <= dx) { err += dx; p.ry() += sy; }
    }
    painter_.setPen(QPen(c, 0));
    painter_.drawPoints(points.data(), int(points.size()));
}

void QelDC::Polygon(const Point* points, int count) {
    if (!points || count < 2) return;
    QPolygon polygon;
    for (int i = 0; i < count; ++i) polygon << QPoint(points[i].x, points[i].y);
    const QPoint oldOrigin = painter_.brushOrigin();
    painter_.setBrushOrigin(s_.brushOrigin);
    painter_.setPen(CurrentPen());
    painter_.setBrush(CurrentBrush(false));
    painter_.drawPolygon(polygon);
    painter_.setBrushOrigin(oldOrigin);
}

void QelDC::InvertRect(const Rect& r) { PatBlt(r, DSTINVERT); }

void QelDC::PatBlt(const Rect& r, unsigned rop) {
    if (r.IsEmpty()) return;
    const QRect q = r.ToQRect();
    switch (rop) {
    case PATCOPY:
        FillWithBrush(q, CurrentBrush(false));
        break;
    case NOTPATCOPY:
        FillWithBrush(q, CurrentBrush(true));
        break;
    case BLACKNESS:
        painter_.fillRect(q, Qt::black);
        break;
    case WHITENESS:
        painter_.fillRect(q, Qt::white);
        break;
    case DSTINVERT:
    case PATINVERT: {
        const auto oldMode = painter_.compositionMode();
        if (rop == DSTINVERT) {
            painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter_.fillRect(q, Qt::white);
        } else {
            painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            FillWithBrush(q, CurrentBrush(false));
        }
        painter_.setCompositionMode(oldMode);
        break;
    }
    default:
        break;
    }
}

void QelDC::TextOut(int x, int y, std::string_view text) { ExtTextOut(x, y, nullptr, text); }

void QelDC::ExtTextOut(int x, int y, const Rect* clip, std::string_view text) {
    if (text.empty()) return;
    const QString s = Text(text);
    const QFontMetrics fm(s_.font, painter_.device());
    painter_.save();
    if (clip) painter_.setClipRect(clip->ToQRect(), painter_.hasClipping() ? Qt::IntersectClip
                                                                         : Qt::ReplaceClip);
    painter_.setFont(s_.font);
    if (s_.bkMode == OPAQUE)
        painter_.fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), ToQColor(s_.bkColor));
    painter_.setPen(ToQColor(s_.textColor));
    painter_.drawText(QPoint(x, y + fm.ascent()), s);
    painter_.restore();
}

QSize QelDC::GetTextExtent(std::string_view text) const {
    const QFontMetrics fm(s_.font, painter_.device());
    return QSize(fm.horizontalAdvance(Text(text)), fm.height());
}

int QelDC::DrawText(std::string_view text, Rect& r, unsigned format) {
    QString s = Text(text);
    const QFontMetrics fm(s_.font, painter_.device());
    int flags = 0;
    flags |= (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight
                                                                             : Qt::AlignLeft;
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom
                                                                                   : Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
    }
    if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
    if (!(format & DT_NOPREFIX)) flags |= Qt::TextShowMnemonic;
    if (format & DT_END_ELLIPSIS) s = fm.elidedText(s, Qt::ElideRight, r.width(), flags);

    const QRect box = r.ToQRect();
    const QRect bounds = fm.boundingRect(format & DT_WORDBREAK ? box : QRect(box.topLeft(), QSize(1 << 20, 1 << 20)),
                                         flags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter | Qt::AlignBottom), s);
    if (format & DT_CALCRECT) {
        r.right = r.left + bounds.width();
        r.bottom = r.top + bounds.height();
        return bounds.height();
    }
    painter_.save();
    if (!(format & DT_NOCLIP))
        painter_.setClipRect(box, painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_.setFont(s_.font);
    if (s_.bkMode == OPAQUE) {
        QRect behind = QStyle::alignedRect(Qt::LeftToRight, Qt::Alignment(flags & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)),
                                           bounds.size(), box);
        painter_.fillRect(behind, ToQColor(s_.bkColor));
    }
    painter_.setPen(ToQColor(s_.textColor));
    painter_.drawText(box, flags, s);
    painter_.restore();
    return bounds.height();
}

void QelDC::IntersectClipRect(const Rect& r) {
    painter_.setClipRect(r.ToQRect(), painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QelDC::Save() {
    saved_.push_back(s_);
    painter_.save();
}

void QelDC::Restore() {
    if (saved_.empty()) return;
    s_ = saved_.back();
    saved_.pop_back();
    painter_.restore();
}
