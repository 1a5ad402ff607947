// Many small rectangles of a canvas, cleared or copied row by row in its memory. A painter call
// costs about a microsecond before it touches a pixel, and clearing a story's lines or putting
// the graph's paper back under them takes thousands of runs of tiles.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <span>

namespace zarvo {

// The image `painter` paints on, when its pixels may be written directly with the same result:
// a 32-bit image at a whole pixel ratio, painted over (fully opaque) without clipping or a
// transform of its own.
// Null otherwise; then the painter draws.
QImage* direct_canvas(QPainter& painter);

// The same, where the painter may also be moved by whole logical pixels (a copy of part of the
// canvas is drawn so): `origin` is set to where the painter's (0, 0) falls, in logical pixels.
QImage* direct_canvas_at(QPainter& painter, QPoint& origin);

// Fills the logical rectangle `r` of `canvas` (clipped to it) with the opaque `colour`: at a
// pixel ratio of 2 a one-pixel rectangle is a square of 2x2 device pixels.
void fill_rect(QImage& canvas, const QRect& r, QRgb colour);

// Fills each logical point of `points` as a one-pixel rectangle would be; points off the
// canvas are left out. A slanting line's points, without a rectangle's clipping each.
void put_points(QImage& canvas, std::span<const QPoint> points, QRgb colour);

// Blends the opaque `colour` into `canvas` through the 8-bit coverage `mask`, `size` device
// pixels with rows `stride` bytes apart, its top left at device pixel `at`, within the device
// pixels `clip`: a glyph in one colour, to the pixel as the toolkit's source-over blend of it.
void blend_coverage(QImage& canvas, QPoint at, const uchar* mask, QSize size, qsizetype stride,
                    QRgb colour, const QRect& clip);

// Copies `from`'s device pixels in `source` to `canvas`, with `source`'s top left at `to`; false,
// with nothing copied, when the two differ in format or `source` is not all in `from`.
bool copy_pixels(QImage& canvas, QPoint to, const QImage& from, const QRect& source);

}  // namespace zarvo
