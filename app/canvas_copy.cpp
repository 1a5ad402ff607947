#include "app/canvas_copy.h"

#include <QPaintDevice>
#include <cstring>

#include "app/raster_rows.h"

namespace zarvo {

void CanvasCopy::reset(QSize size) {
    drawn_on_.reset(size);
    copy_ = QImage();
    held_ = false;
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
    const qreal dpr = painter_->device()->devicePixelRatioF();
    return QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr)
        .toAlignedRect();
}

bool CanvasCopy::can_keep(const Rect& area) {
    return painter_ && area.right > area.left && area.bottom > area.top &&
           painter_->device()->devType() == QInternal::Image;
}

void CanvasCopy::keep(const Rect& area) {
    const auto* canvas = static_cast<const QImage*>(painter_->device());
    const QRect from =
        device(QRect(area.left, area.top, area.width(), area.height())) & canvas->rect();
    held_ = false;
    if (from.isEmpty()) return;
    // A new problem's paper goes where the last one was: fresh memory for millions of pixels
    // would cost more in the kernel's page faults than the copying itself.
    if (copy_.size() != from.size() || copy_.format() != canvas->format())
        copy_ = QImage(from.size(), canvas->format());
    if (copy_.isNull()) return;
    const size_t row_bytes = static_cast<size_t>(from.width()) * (canvas->depth() / 8);
    for (int y = 0; y < from.height(); ++y)
        std::memcpy(copy_.scanLine(y),
                    canvas->constScanLine(from.top() + y) + from.left() * (canvas->depth() / 8),
                    row_bytes);
    area_ = area;
    origin_ = from.topLeft();
    held_ = true;
    drawn_on_.clear_all();  // the copy is what the canvas holds now
    copy_inked_ = *inked_;
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

bool CanvasCopy::put_back(const Rect& area, std::vector<Rect>& changed) {
    if (!held_ || !painter_ || !(area == area_)) return false;
    const QRect logical(area.left, area.top, area.width(), area.height());
    const auto* canvas = static_cast<const QImage*>(painter_->device());
    QImage* direct = direct_canvas(*painter_);
    for (QRect r : drawn_on_.runs_also_in(*inked_, copy_inked_)) {
        r &= logical;
        if (r.isEmpty()) continue;
        const QRect source = device(r).translated(-origin_) & copy_.rect();
        // A run whose pixels are as kept is left alone: a drawing marked it that left it as it
        // was (the title's box, whose last rows the paper takes in), and putting it back would
        // make what was drawn there unknown.
        if (holds(*canvas, source.translated(origin_), copy_, source)) continue;
        damage_->mark(r);  // before the copy lands, so the damage keeps what was there
        inked_->mark(r);
        if (!direct || !copy_pixels(*direct, source.topLeft() + origin_, copy_, source))
            painter_->drawImage(QRectF(r), copy_, source);
        changed.push_back(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    // A tile that reaches past the area counts for the copy only inside it, and all of that is
    // as kept now: left marked, the tiles along the paper's edges would be compared again at
    // every putting back.
    drawn_on_.unmark_touching(logical);
    return true;
}

}  // namespace zarvo
