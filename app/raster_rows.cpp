#include "app/raster_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace zarvo {

QImage* direct_canvas(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image || painter.hasClipping() ||
        !painter.worldTransform().isIdentity() || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const qreal dpr = image->devicePixelRatio();
    const QImage::Format f = image->format();
    const bool white_is_ff = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
                             f == QImage::Format_ARGB32_Premultiplied;
    return white_is_ff && dpr == std::floor(dpr) ? image : nullptr;
}

namespace {

// The image's memory for writing. The painter detached the image when it began, and nothing
// shares it while it paints, so writing through the constant rows changes only this image.
uchar* row(QImage& image, int y) {
    return const_cast<uchar*>(image.constScanLine(y));
}

}  // namespace

void fill_rect(QImage& canvas, const QRect& r, QRgb colour) {
    const int d = static_cast<int>(canvas.devicePixelRatio());
    const QRect pixels = QRect(r.x() * d, r.y() * d, r.width() * d, r.height() * d) & canvas.rect();
    if (pixels.isEmpty()) return;
    const QRgb ink = colour | 0xFF000000u;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(row(canvas, y)) + pixels.left(), pixels.width(), ink);
}

void put_points(QImage& canvas, std::span<const QPoint> points, QRgb colour) {
    const int d = static_cast<int>(canvas.devicePixelRatio());
    const QRgb ink = colour | 0xFF000000u;
    for (const QPoint& p : points) {
        const int x = p.x() * d, y = p.y() * d;
        if (x < 0 || y < 0 || x + d > canvas.width() || y + d > canvas.height()) continue;
        for (int r = 0; r < d; ++r)
            std::fill_n(reinterpret_cast<QRgb*>(row(canvas, y + r)) + x, d, ink);
    }
}

bool copy_pixels(QImage& canvas, QPoint to, const QImage& from, const QRect& source) {
    const QRect at = QRect(to, source.size()) & canvas.rect();
    if (!from.rect().contains(source) || from.format() != canvas.format()) return false;
    const size_t bytes = static_cast<size_t>(at.width()) * sizeof(uint32_t);
    const int dx = at.left() - to.x(), dy = at.top() - to.y();
    for (int y = 0; y < at.height(); ++y)
        std::memcpy(
            row(canvas, at.top() + y) + at.left() * sizeof(uint32_t),
            from.constScanLine(source.top() + dy + y) + (source.left() + dx) * sizeof(uint32_t),
            bytes);
    return true;
}

}  // namespace zarvo
