#include "app/canvas_copy.h"

#include <QPaintDevice>
#include <cmath>
#include <cstring>

#include "app/qt_surface.h"
#include "app/raster_rows.h"

namespace zarvo {

void CanvasCopy::reset(const QImage& canvas) {
    size_ = canvas.deviceIndependentSize().toSize();
    format_ = canvas.format();
    dpr_ = canvas.devicePixelRatio();
    dots_per_metre_x_ = canvas.dotsPerMeterX();
    dots_per_metre_y_ = canvas.dotsPerMeterY();
    drawn_on_.reset(size_);
    copies_.clear();
    spare_ = QImage();
    shown_ = 0;
}

void CanvasCopy::attach(QPainter& painter, TileGrid& damage, TileGrid& inked) {
    painter_ = &painter;
    damage_ = &damage;
    inked_ = &inked;
}

void CanvasCopy::detach() {
    painter_ = nullptr;
    damage_ = inked_ = nullptr;
}

QRect CanvasCopy::device(const QRect& area) const {
    return QRectF(area.x() * dpr_, area.y() * dpr_, area.width() * dpr_, area.height() * dpr_)
        .toAlignedRect();
}

CanvasCopy::Copy* CanvasCopy::find(int copy) {
    for (Copy& c : copies_)
        if (c.number == copy) return &c;
    return nullptr;
}

bool CanvasCopy::can_keep(const Rect& area) {
    return area.right > area.left && area.bottom > area.top && !size_.isEmpty() &&
           (!painter_ || painter_->device()->devType() == QInternal::Image);
}

QImage CanvasCopy::image_for(const QRect& pixels) {
    QImage image;
    if (spare_.size() == pixels.size() && spare_.format() == format_)
        image.swap(spare_);
    else
        image = QImage(pixels.size(), format_);
    image.setDevicePixelRatio(dpr_);
    image.setDotsPerMeterX(dots_per_metre_x_);
    image.setDotsPerMeterY(dots_per_metre_y_);
    return image;
}

CanvasCopy::Copy& CanvasCopy::add(int copy, const Rect& area, QImage pixels,
                                  const QRect& device_area) {
    drop(copy);
    if (copies_.size() >= kMaxCopies) drop(copies_.front().number);
    Copy& c = copies_.emplace_back();
    c.number = copy;
    c.pixels = std::move(pixels);
    c.area = area;
    c.origin = device_area.topLeft();
    c.inked.reset(size_);
    return c;
}

void CanvasCopy::keep(const Rect& area, int copy) {
    if (!painter_) return;
    const auto* canvas = static_cast<const QImage*>(painter_->device());
    const QRect from =
        device(QRect(area.left, area.top, area.width(), area.height())) & canvas->rect();
    if (from.isEmpty()) return;
    QImage pixels = image_for(from);
    if (pixels.isNull()) return;
    const size_t row_bytes = static_cast<size_t>(from.width()) * (canvas->depth() / 8);
    for (int y = 0; y < from.height(); ++y)
        std::memcpy(pixels.scanLine(y),
                    canvas->constScanLine(from.top() + y) + from.left() * (canvas->depth() / 8),
                    row_bytes);
    Copy& c = add(copy, area, std::move(pixels), from);
    c.inked = *inked_;
    shown_ = copy;
    drawn_on_.clear_all();  // the copy is what the canvas holds now
}

bool CanvasCopy::make(const Rect& area, int copy, const std::vector<RecordingSurface::Op>& ops) {
    // A copy drawn apart is only the canvas's pixels where each logical pixel is whole device
    // pixels: the same calls, moved by whole device pixels, draw the same.
    if (dpr_ != std::floor(dpr_)) return false;
    const QRect logical(area.left, area.top, area.width(), area.height());
    const QRect pixels_area = device(logical);
    if (!QRect(QPoint(0, 0), size_ * static_cast<int>(dpr_)).contains(pixels_area)) return false;
    QImage pixels = image_for(pixels_area);
    if (pixels.isNull()) return false;
    pixels.fill(Qt::white);
    TileGrid inked;
    inked.reset(size_);
    {
        QPainter painter(&pixels);
        painter.translate(-area.left, -area.top);
        QtSurface dc(painter, Rect{0, 0, size_.width(), size_.height()}, nullptr, &inked);
        dc.SetBkMode();
        RecordingSurface::play(dc, ops);
    }
    Copy& c = add(copy, area, std::move(pixels), pixels_area);
    c.inked = std::move(inked);
    return true;
}

void CanvasCopy::drop(int copy) {
    Copy* c = find(copy);
    if (!c) return;
    spare_ = std::move(c->pixels);
    copies_.erase(copies_.begin() + (c - copies_.data()));
    if (shown_ == copy) shown_ = 0;
}

namespace {

// Whether `image`'s pixels in `at` are `copy`'s in `from`, of the same size and format.
bool holds(const QImage& image, const QRect& at, const QImage& copy, const QRect& from) {
    if (!image.rect().contains(at) || at.size() != from.size()) return false;
    const size_t bytes = static_cast<size_t>(at.width()) * (image.depth() / 8);
    for (int y = 0; y < at.height(); ++y)
        if (std::memcmp(image.constScanLine(at.top() + y) + at.left() * (image.depth() / 8),
                        copy.constScanLine(from.top() + y) + from.left() * (copy.depth() / 8),
                        bytes) != 0)
            return false;
    return true;
}

}  // namespace

bool CanvasCopy::put_back(const Rect& area, int copy, std::vector<Rect>& changed) {
    Copy* c = find(copy);
    if (!c || !painter_ || !(area == c->area)) return false;
    const QRect logical(area.left, area.top, area.width(), area.height());
    const auto* canvas = static_cast<const QImage*>(painter_->device());
    QImage* direct = direct_canvas(*painter_);
    const auto put = [&](const QRect& r, const QRect& source) {
        if (!direct || !copy_pixels(*direct, source.topLeft() + c->origin, c->pixels, source))
            painter_->drawImage(QRectF(r), c->pixels, source);
    };
    if (copy != shown_) {
        // The canvas shows another copy, or none: this one goes back whole, but for the tiles
        // white on both.
        TileGrid wanted = c->inked;
        wanted.mark_where(logical, *inked_);
        for (QRect r : wanted.runs()) {
            r &= logical;
            if (r.isEmpty()) continue;
            damage_->mark(r);
            put(r, device(r).translated(-c->origin) & c->pixels.rect());
            changed.push_back(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
        }
        inked_->unmark_inside(logical);
        inked_->mark_where(logical, c->inked);
        shown_ = copy;
        drawn_on_.clear_all();
        return true;
    }
    for (QRect r : drawn_on_.runs_also_in(*inked_, c->inked)) {
        r &= logical;
        if (r.isEmpty()) continue;
        const QRect source = device(r).translated(-c->origin) & c->pixels.rect();
        // A run whose pixels are as kept is left alone: a drawing marked it that left it as it
        // was (the title's box, whose last rows the paper takes in), and putting it back would
        // make what was drawn there unknown.
        if (holds(*canvas, source.translated(c->origin), c->pixels, source)) continue;
        damage_->mark(r);  // before the copy lands, so the damage keeps what was there
        inked_->mark(r);
        put(r, source);
        changed.push_back(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    // A tile that reaches past the area counts for the copy only inside it, and all of that is
    // as kept now: left marked, the tiles along the paper's edges would be compared again at
    // every putting back.
    drawn_on_.unmark_touching(logical);
    return true;
}

}  // namespace zarvo
