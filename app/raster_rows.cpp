#include "app/raster_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zarvo {

QImage* direct_canvas_at(QPainter& painter, QPoint& origin) {
    QPaintDevice* device = painter.device();
    const QTransform& moved = painter.worldTransform();
    if (!device || device->devType() != QInternal::Image || painter.hasClipping() ||
        moved.type() > QTransform::TxTranslate || moved.dx() != std::floor(moved.dx()) ||
        moved.dy() != std::floor(moved.dy()) || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    origin = QPoint(static_cast<int>(moved.dx()), static_cast<int>(moved.dy()));
    auto* image = static_cast<QImage*>(device);
    const qreal dpr = image->devicePixelRatio();
    const QImage::Format f = image->format();
    const bool white_is_ff = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
                             f == QImage::Format_ARGB32_Premultiplied;
    return white_is_ff && dpr == std::floor(dpr) ? image : nullptr;
}

QImage* direct_canvas(QPainter& painter) {
    QPoint origin;
    QImage* canvas = direct_canvas_at(painter, origin);
    return origin.isNull() ? canvas : nullptr;
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

namespace {

// x * a / 255, rounded as the toolkit rounds it, for each byte of a pixel at once.
inline uint32_t byte_mul(uint32_t x, uint32_t a) {
    uint32_t t = (x & 0xFF00FFu) * a;
    t = ((t + ((t >> 8) & 0xFF00FFu) + 0x800080u) >> 8) & 0xFF00FFu;
    x = ((x >> 8) & 0xFF00FFu) * a;
    x = (x + ((x >> 8) & 0xFF00FFu) + 0x800080u) & 0xFF00FF00u;
    return x | t;
}

inline void blend_pixel(uint32_t& pixel, uint32_t ink, uint32_t cover) {
    if (cover == 0xFF)
        pixel = ink;
    else if (cover != 0)
        pixel = byte_mul(ink, cover) + byte_mul(pixel, 0xFF - cover);
}

#if defined(__SSE2__)
// The same for the 16-bit channels of two pixels: (v * a + (v * a >> 8) + 0x80) >> 8.
inline __m128i channel_mul(__m128i v, __m128i a) {
    const __m128i t = _mm_mullo_epi16(v, a);
    return _mm_srli_epi16(
        _mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), _mm_set1_epi16(0x80)), 8);
}

// Four pixels at a time; returns how many pixels of the row are left for one at a time. Black
// ink (the story's) multiplies out to its coverage alone.
template <bool kBlack>
int blend_row4(uint32_t* to, const uchar* cover, int n, uint32_t ink) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i ink4 = _mm_set1_epi32(static_cast<int>(ink));
    const __m128i ink_lo = _mm_unpacklo_epi8(ink4, zero);
    const __m128i full = _mm_set1_epi16(0xFF);
    const __m128i alpha = _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0);
    const auto inked = [&](__m128i c) {
        return kBlack ? _mm_and_si128(c, alpha) : channel_mul(ink_lo, c);
    };
    int x = 0;
    for (; x + 4 <= n; x += 4) {
        uint32_t c4;
        std::memcpy(&c4, cover + x, 4);
        if (c4 == 0) continue;
        auto* at = reinterpret_cast<__m128i*>(to + x);
        if (c4 == 0xFFFFFFFFu) {
            _mm_storeu_si128(at, ink4);
            continue;
        }
        __m128i c = _mm_cvtsi32_si128(static_cast<int>(c4));
        c = _mm_unpacklo_epi8(c, c);
        c = _mm_unpacklo_epi16(c, c);  // each pixel's coverage in its four bytes
        const __m128i c_lo = _mm_unpacklo_epi8(c, zero), c_hi = _mm_unpackhi_epi8(c, zero);
        const __m128i d = _mm_loadu_si128(at);
        const __m128i lo = _mm_add_epi16(
            inked(c_lo), channel_mul(_mm_unpacklo_epi8(d, zero), _mm_sub_epi16(full, c_lo)));
        const __m128i hi = _mm_add_epi16(
            inked(c_hi), channel_mul(_mm_unpackhi_epi8(d, zero), _mm_sub_epi16(full, c_hi)));
        _mm_storeu_si128(at, _mm_packus_epi16(lo, hi));
    }
    return x;
}
#endif

}  // namespace

void blend_coverage(QImage& canvas, QPoint at, const uchar* mask, QSize size, qsizetype stride,
                    QRgb colour, const QRect& clip) {
    const QRect area = QRect(at, size) & clip & canvas.rect();
    if (area.isEmpty()) return;
    const uint32_t ink = colour | 0xFF000000u;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* cover = mask + (y - at.y()) * stride + (area.left() - at.x());
        uint32_t* to = reinterpret_cast<uint32_t*>(row(canvas, y)) + area.left();
        int x = 0;
#if defined(__SSE2__)
        x = ink == 0xFF000000u ? blend_row4<true>(to, cover, area.width(), ink)
                               : blend_row4<false>(to, cover, area.width(), ink);
#endif
        for (; x < area.width(); ++x) blend_pixel(to[x], ink, cover[x]);
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
