#include "qt_device.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>

#include "qt_fonts.h"

namespace doc {
namespace {

constexpr double kUnitsPerInch = 254.0;

// How document units land on one device.
struct DeviceFrame {
    double dpiX = kUnitsPerInch;
    double dpiY = kUnitsPerInch;
    Paper paper;
    QPoint paperOrigin;  // the paper's top-left corner in painter coordinates
};

int Units(double value) { return static_cast<int>(std::lround(value)); }

DeviceFrame FrameOf(const QPaintDevice* device) {
    DeviceFrame frame;
    if (device == nullptr) return frame;
    if (device->logicalDpiX() > 0) frame.dpiX = device->logicalDpiX();
    if (device->logicalDpiY() > 0) frame.dpiY = device->logicalDpiY();
    if (const auto* paged = dynamic_cast<const QPagedPaintDevice*>(device)) {
        const QPageLayout layout = paged->pageLayout();
        const QRectF paperMm = layout.fullRect(QPageLayout::Millimeter);
        const QRectF paperOwn = layout.fullRect();
        const double toMm = paperOwn.width() > 0 ? paperMm.width() / paperOwn.width() : 1.0;
        const QMarginsF minimum = layout.minimumMargins() * toMm;
        frame.paper = {Units(paperMm.width() * 10), Units(paperMm.height() * 10),
                       {Units(minimum.left() * 10), Units(minimum.top() * 10),
                        Units(minimum.right() * 10), Units(minimum.bottom() * 10)}};
        // Painting starts at the corner of the layout's paint rectangle.
        frame.paperOrigin = -layout.paintRectPixels(Units(frame.dpiX)).topLeft();
    } else {
        frame.paper = {Units(device->width() * kUnitsPerInch / frame.dpiX),
                       Units(device->height() * kUnitsPerInch / frame.dpiY), {}};
    }
    return frame;
}

QColor ToQColor(ReportColor colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Converts document coordinates of the printable area to device pixels.
class Mapper {
public:
    Mapper(const DeviceFrame& frame, const Margins& margins) : frame_(frame), margins_(margins) {}

    int X(int x) const {
        return static_cast<int>(std::lround((margins_.left + x) * frame_.dpiX / kUnitsPerInch)) +
               frame_.paperOrigin.x();
    }
    int Y(int y) const {
        return static_cast<int>(std::lround((margins_.top + y) * frame_.dpiY / kUnitsPerInch)) +
               frame_.paperOrigin.y();
    }
    // Edges map one by one, so boxes that share an edge share its pixel.
    QRect Rect(const Box& box) const {
        const int left = X(box.x);
        const int top = Y(box.y);
        return QRect(left, top, X(box.Right()) - left, Y(box.Bottom()) - top);
    }
    int PenPixels(int width) const {
        return std::max(1, static_cast<int>(std::lround(width * (frame_.dpiX + frame_.dpiY) / 2 /
                                                        kUnitsPerInch)));
    }
    QRect Printable() const {
        const Paper& paper = frame_.paper;
        return Rect({0, 0, paper.width - margins_.left - margins_.right,
                     paper.height - margins_.top - margins_.bottom});
    }

private:
    const DeviceFrame& frame_;
    Margins margins_;
};

class OpPainter {
public:
    OpPainter(QPainter& painter, const Mapper& map, double fontScale)
        : painter_(painter), map_(map), fontScale_(fontScale) {}

    void operator()(const FillOp& op) const {
        const QRect rect = map_.Rect(op.box);
        if (rect.isEmpty()) return;
        painter_.fillRect(rect, ToQColor(op.fill));
        if (op.outline.Visible()) Outline(rect, op.outline);
    }

    void operator()(const LineOp& op) const {
        const int pen = map_.PenPixels(op.pen.width);
        const QColor colour = ToQColor(op.pen.colour);
        if (op.y1 == op.y2) {
            const int left = map_.X(std::min(op.x1, op.x2));
            const int right = map_.X(std::max(op.x1, op.x2));
            if (right > left) painter_.fillRect(QRect(left, map_.Y(op.y1) - pen / 2, right - left, pen), colour);
        } else if (op.x1 == op.x2) {
            const int top = map_.Y(std::min(op.y1, op.y2));
            const int bottom = map_.Y(std::max(op.y1, op.y2));
            if (bottom > top) painter_.fillRect(QRect(map_.X(op.x1) - pen / 2, top, pen, bottom - top), colour);
        } else {
            painter_.setPen(QPen(colour, pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            painter_.drawLine(QPoint(map_.X(op.x1), map_.Y(op.y1)), QPoint(map_.X(op.x2), map_.Y(op.y2)));
        }
    }

    void operator()(const PolygonOp& op) const {
        QPolygon polygon;
        for (const ReportPoint& point : op.points) polygon << QPoint(map_.X(point.x), map_.Y(point.y));
        if (op.outline.Visible())
            painter_.setPen(QPen(ToQColor(op.outline.colour), map_.PenPixels(op.outline.width),
                                 Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        else
            painter_.setPen(Qt::NoPen);
        painter_.setBrush(ToQColor(op.fill));
        painter_.drawPolygon(polygon);
    }

    void operator()(const TextOp& op) const {
        const QFont font = ToQFont(op.font, fontScale_);
        const QFontMetricsF metrics(font, painter_.device());
        painter_.save();
        if (op.clipped) painter_.setClipRect(map_.Rect(op.clip), Qt::IntersectClip);
        painter_.setFont(font);
        painter_.setPen(ToQColor(op.colour));
        for (const TextLine& line : op.lines)
            painter_.drawText(QPointF(map_.X(line.x), map_.Y(line.y) + metrics.ascent()),
                              QString::fromStdString(line.text));
        painter_.restore();
    }

private:
    // Strips inside the rectangle's edges.
    void Outline(const QRect& rect, const Pen& pen) const {
        const QColor colour = ToQColor(pen.colour);
        const int across = std::min(map_.PenPixels(pen.width), rect.height());
        const int down = std::min(map_.PenPixels(pen.width), rect.width());
        painter_.fillRect(QRect(rect.left(), rect.top(), rect.width(), across), colour);
        painter_.fillRect(QRect(rect.left(), rect.bottom() + 1 - across, rect.width(), across), colour);
        painter_.fillRect(QRect(rect.left(), rect.top(), down, rect.height()), colour);
        painter_.fillRect(QRect(rect.right() + 1 - down, rect.top(), down, rect.height()), colour);
    }

    QPainter& painter_;
    const Mapper& map_;
    double fontScale_;
};

}  // namespace

// Text metrics of the fonts at a device's resolution, taken from a probe
// image of that resolution so that no device has to stay alive.
class QtDevice::FontMeasure : public TextMeasure {
public:
    void SetResolution(double dpiX, double dpiY) {
        dpiX_ = dpiX;
        dpiY_ = dpiY;
        probe_ = QImage(1, 1, QImage::Format_RGB32);
        probe_.setDotsPerMeterX(static_cast<int>(std::lround(dpiX / 0.0254)));
        probe_.setDotsPerMeterY(static_cast<int>(std::lround(dpiY / 0.0254)));
        metrics_.reset();
        widths_.clear();
    }

    // Long tables measure the same words and cells over and over; shaping
    // is the costly part, so widths are kept per font until the resolution
    // changes (or the cache grows large).
    int Width(const FontStyle& font, std::string_view line) override {
        WidthCache& cache = CacheFor(font);
        std::string key(line);
        if (const auto it = cache.widths.find(key); it != cache.widths.end()) return it->second;
        const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        const int width = Units(Metrics(font).horizontalAdvance(text) * kUnitsPerInch / dpiX_);
        if (cache.widths.size() >= kWidthCacheMax) cache.widths.clear();
        cache.widths.emplace(std::move(key), width);
        return width;
    }

    int LineHeight(const FontStyle& font) override {
        return Units(Metrics(font).height() * kUnitsPerInch / dpiY_);
    }

private:
    static constexpr std::size_t kWidthCacheMax = 1 << 16;

    struct WidthCache {
        FontStyle font;
        std::unordered_map<std::string, int> widths;
    };

    WidthCache& CacheFor(const FontStyle& font) {
        for (WidthCache& cache : widths_)
            if (cache.font == font) return cache;
        return widths_.emplace_back(WidthCache{font, {}});
    }

    const QFontMetricsF& Metrics(const FontStyle& font) {
        if (!metrics_ || !(style_ == font)) {
            metrics_.emplace(ToQFont(font), &probe_);
            style_ = font;
        }
        return *metrics_;
    }

    double dpiX_ = kUnitsPerInch;
    double dpiY_ = kUnitsPerInch;
    QImage probe_;
    FontStyle style_;
    std::optional<QFontMetricsF> metrics_;
    std::vector<WidthCache> widths_;
};

QtDevice::QtDevice() : fontMeasure_(std::make_unique<FontMeasure>()) {
    fontMeasure_->SetResolution(kUnitsPerInch, kUnitsPerInch);
}

QtDevice::~QtDevice() = default;

Paper QtDevice::Bind(ReportDC dc, ReportAttribDC attribDc) {
    const QPaintDevice* device = attribDc != nullptr ? attribDc : dc != nullptr ? dc->device() : nullptr;
    const DeviceFrame frame = FrameOf(device);
    fontMeasure_->SetResolution(frame.dpiX, frame.dpiY);
    return frame.paper;
}

TextMeasure& QtDevice::Measure() {
    // Fonts need a GUI application; without one the layout still works.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return fixedMeasure_;
    return *fontMeasure_;
}

int QtDevice::Replay(const Page& page, ReportDC dc, ReportAttribDC attribDc, const Margins& requested) {
    if (dc == nullptr || !dc->isActive()) return 1;
    const DeviceFrame frame = FrameOf(attribDc != nullptr ? attribDc : dc->device());
    const Mapper map(frame, EffectiveMargins(requested, frame.paper));
    const int paintedDpi = dc->device()->logicalDpiY();
    const double fontScale = paintedDpi > 0 ? frame.dpiY / paintedDpi : 1.0;
    // The caller's render hints stand: the preview smooths the pages it
    // shrinks to the screen, printing draws them as they are.
    dc->save();
    dc->setClipRect(map.Printable(), dc->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    const OpPainter painter(*dc, map, fontScale);
    for (const DrawOp& op : page.ops) std::visit(painter, op);
    dc->restore();
    return 0;
}

}  // namespace doc
