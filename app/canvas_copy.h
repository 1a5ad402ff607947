// Copies of areas of the view's canvas, for the board's groups of calls that a key draws again
// just as they stood (the graph's paper under the line). A copy is put back tile by tile: only
// the tiles drawn on since it was kept or last put back, which is where the canvas can differ
// from it, so taking a line away costs what the line covered rather than the whole graph; and
// of those, only the ones where the canvas or the copy holds ink, as white needs no putting
// back over white.
#pragma once

#include <QImage>
#include <QPainter>

#include "app/tile_grid.h"
#include "board/cell_filter.h"

namespace zarvo {

class CanvasCopy : public PixelStore {
  public:
    // A new canvas of `size` logical pixels: no copy is held.
    void reset(QSize size);
    // The canvas was drawn on without the copy knowing where: no copy is held.
    void forget() { held_ = false; }

    // For the drawing of one key: the painter on the canvas, the key's damage and where the
    // canvas holds ink, both marked with what putting back draws. Put back and kept only
    // between attach and detach.
    void attach(QPainter& painter, TileGrid& damage, TileGrid& inked);
    void detach();
    // Where the canvas was drawn on: to be marked by every drawing on it while a copy is held.
    TileGrid& drawn_on() { return drawn_on_; }

    bool can_keep(const Rect& area) override;
    void keep(const Rect& area) override;
    bool put_back(const Rect& area, std::vector<Rect>& changed) override;

  private:
    // `area`'s pixels on the canvas.
    QRect device(const QRect& area) const;

    QPainter* painter_ = nullptr;
    TileGrid* damage_ = nullptr;
    TileGrid* inked_ = nullptr;
    QImage copy_;
    Rect area_{};
    QPoint origin_;  // the copy's top left on the canvas, in device pixels
    bool held_ = false;
    TileGrid drawn_on_;
    TileGrid copy_inked_;  // where the copy is not plain white
};

}  // namespace zarvo
