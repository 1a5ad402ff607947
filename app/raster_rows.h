// Many small rectangles of a canvas, cleared or copied row by row in its memory. A painter call
// costs about a microsecond before it touches a pixel, and clearing a story's lines or putting
// the graph's paper back under them takes thousands of runs of tiles.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <span>
#include <vector>

namespace zarvo {

// The image `painter` paints on, when its pixels may be written directly with the same result:
// a 32-bit image at a whole pixel ratio, painted over (fully opaque) without clipping or a
// transform of its own.
// Null otherwise; then the painter draws.
QImage* direct_canvas(QPainter& painter);

// Sets each logical point of `points` on `canvas` to the opaque `colour`: a square of device
// pixels as wide as the pixel ratio, as a one-pixel rectangle would be. Points off the canvas
// are left out.
void put_points(QImage& canvas, std::span<const QPoint> points, QRgb colour);

// Fills the logical rectangle `r` of `canvas` with the opaque `colour`.
void fill_rect(QImage& canvas, const QRect& r, QRgb colour);

// Paints the logical rectangles `parts` of `canvas` white.
void fill_white(QImage& canvas, const std::vector<QRect>& parts);

// Copies `from`'s device pixels in `source` to `canvas`, with `source`'s top left at `to`; false,
// with nothing copied, when the two differ in format or `source` is not all in `from`.
bool copy_pixels(QImage& canvas, QPoint to, const QImage& from, const QRect& source);

}  // namespace zarvo
