// Copies of areas of the view's canvas, for the board's groups of calls that a key draws again
// just as they stood (the graph's paper under the line). A copy is put back tile by tile: only
// the tiles drawn on since it was kept or last put back, which is where the canvas can differ
// from it, so taking a line away costs what the line covered rather than the whole graph; and
// of those, only the ones where the canvas or the copy holds ink, as white needs no putting
// back over white. Another copy of the area (the paper of a problem with another number of
// boxes, made between keys) is put back whole.
#pragma once

#include <QImage>
#include <QPainter>

#include "app/tile_grid.h"
#include "board/cell_filter.h"

namespace zarvo {

class CanvasCopy : public PixelStore {
  public:
    // A new canvas like `canvas` (its size, format and pixel ratio): no copy is held.
    void reset(const QImage& canvas);
    // The canvas was drawn on without the copies knowing where: none is what it shows.
    void forget() { shown_ = 0; }

    // For the drawing of one key: the painter on the canvas, the key's damage and where the
    // canvas holds ink, both marked with what putting back draws. Put back and kept only
    // between attach and detach.
    void attach(QPainter& painter, TileGrid& damage, TileGrid& inked);
    void detach();
    // Where the canvas was drawn on: to be marked by every drawing on it while a copy is shown.
    TileGrid& drawn_on() { return drawn_on_; }

    bool can_keep(const Rect& area) override;
    void keep(const Rect& area, int copy) override;
    bool put_back(const Rect& area, int copy, std::vector<Rect>& changed) override;
    // Drawn on an image of its own, through the same surface as the canvas.
    bool make(const Rect& area, int copy, const std::vector<RecordingSurface::Op>& ops) override;
    void drop(int copy) override;

  private:
    struct Copy {
        int number = 0;
        QImage pixels;
        Rect area{};
        QPoint origin;   // its top left on the canvas, in device pixels
        TileGrid inked;  // where it is not plain white
    };
    // `area`'s pixels on the canvas.
    QRect device(const QRect& area) const;
    Copy* find(int copy);
    // A copy's image for `pixels`: one dropped before if it has that size, as fresh memory for
    // millions of pixels costs more in the kernel's page faults than the drawing on it.
    QImage image_for(const QRect& pixels);
    Copy& add(int copy, const Rect& area, QImage pixels, const QRect& device_area);

    QPainter* painter_ = nullptr;
    TileGrid* damage_ = nullptr;
    TileGrid* inked_ = nullptr;
    QSize size_;
    QImage::Format format_ = QImage::Format_RGB32;
    qreal dpr_ = 1;
    int dots_per_metre_x_ = 0, dots_per_metre_y_ = 0;
    std::vector<Copy> copies_;
    QImage spare_;
    int shown_ = 0;  // the copy the canvas shows where drawn_on_ is not marked; 0 for none
    TileGrid drawn_on_;
    static constexpr size_t kMaxCopies = 4;
};

}  // namespace zarvo
