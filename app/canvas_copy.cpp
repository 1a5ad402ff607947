#include "app/canvas_copy.h"

#include <QPaintDevice>

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

QRect CanvasCopy::device(const Rect& area) const {
    const qreal dpr = painter_->device()->devicePixelRatioF();
    return QRectF(area.left * dpr, area.top * dpr, area.width() * dpr, area.height() * dpr)
        .toAlignedRect();
}

bool CanvasCopy::can_keep(const Rect& area) {
    return painter_ && area.right > area.left && area.bottom > area.top &&
           painter_->device()->devType() == QInternal::Image;
}

void CanvasCopy::keep(const Rect& area) {
    const auto* canvas = static_cast<const QImage*>(painter_->device());
    copy_ = canvas->copy(device(area));
    area_ = area;
    held_ = !copy_.isNull();
    drawn_on_.clear_all();  // the copy is what the canvas holds now
}

bool CanvasCopy::put_back(const Rect& area) {
    if (!held_ || !painter_ || !(area == area_)) return false;
    const QRect logical(area.left, area.top, area.width(), area.height());
    const QRect whole = device(area);
    const qreal dpr = painter_->device()->devicePixelRatioF();
    for (const QRect& r : drawn_on_.region() & logical) {
        damage_->mark(r);  // before the copy lands, so the damage keeps what was there
        inked_->mark(r);
        const QRect source = QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr)
                                 .toAlignedRect()
                                 .translated(-whole.topLeft()) &
                             copy_.rect();
        painter_->drawImage(QRectF(r), copy_, source);
    }
    drawn_on_.unmark_inside(logical);
    return true;
}

}  // namespace zarvo
