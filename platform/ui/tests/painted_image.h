#pragma once

// Pictures for painting tests: paint on a white image, then look at what
// changed.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>

#include "ui/painter.h"

namespace painttest {

inline constexpr QRgb kWhite = 0xFFFFFFFF;

inline QImage PaintImage(int width, int height, const std::function<void(QelDC&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    QelDC dc(painter);
    draw(dc);
    painter.end();
    return image;
}

// The bounding box of the pixels of area (all of the image when empty)
// that differ from background.
inline QRect PaintedBox(const QImage& image, QRect area = {}, QRgb background = kWhite) {
    if (area.isEmpty()) area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

inline int CountPainted(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != kWhite;
    return n;
}

}  // namespace painttest
