// A surface cut into tiles of 8 by 8 pixels, each marked or not: what a key's drawing touched,
// or where a canvas holds ink. Marking costs a few bytes per tile, so hundreds of grid lines
// cost almost nothing, and the marked tiles come back as a few rectangles.
#pragma once

#include <QRect>
#include <QRegion>
#include <cstdint>
#include <vector>

namespace zarvo {

class TileGrid {
  public:
    static constexpr int kTile = 8;

    // All tiles of a surface of `size` pixels, none marked.
    void reset(QSize size);
    void clear_all();

    // Marks every tile that `r` touches.
    void mark(const QRect& r);
    // Unmarks the tiles that lie wholly inside `r`.
    void unmark_inside(const QRect& r);
    // Marks in this grid the tiles that `r` touches and `other` has marked.
    void mark_where(const QRect& r, const TileGrid& other);

    bool empty() const { return marked_ == 0; }
    // The marked tiles as rectangles: runs along each row, joined down the rows they repeat in.
    QRegion region() const;

  private:
    bool tiles_of(const QRect& r, int& x0, int& y0, int& x1, int& y1) const;

    int columns_ = 0, rows_ = 0;
    QSize size_;
    std::vector<uint8_t> tiles_;
    int64_t marked_ = 0;
};

}  // namespace zarvo
