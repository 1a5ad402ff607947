// A surface cut into tiles of 8 by 8 pixels, each marked or not: what a key's drawing touched,
// or where a canvas holds ink. Marking costs a few bytes per tile, so hundreds of grid lines
// cost almost nothing, and the marked tiles come back as a few rectangles.
#pragma once

#include <QImage>
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
    // Unmarks every tile that `r` touches.
    void unmark_touching(const QRect& r);
    // Marks in this grid the tiles that `r` touches and `other` has marked.
    void mark_where(const QRect& r, const TileGrid& other);

    // From now on a tile's pixels on `image` are copied aside as it is first marked, so that
    // unmark_unchanged() can tell which marked tiles the drawing really changed. The drawing
    // must mark a tile before it draws there. Null stops the copying.
    void keep_pixels_of(const QImage* image);
    // Unmarks the marked tiles whose pixels are what they were when first marked.
    void unmark_unchanged();

    bool empty() const { return marked_ == 0; }
    // The marked tiles as a few rectangles. Every rectangle costs the screen a copy of its own,
    // so tiles close together share one, with the few unmarked tiles between them.
    QRegion region() const;
    // The parts of `r` that lie in marked tiles, as few rectangles: runs along each row of
    // tiles, joined with the runs below them that span the same columns.
    std::vector<QRect> marked_parts(const QRect& r) const;
    // The marked tiles exactly, as runs along each row of tiles.
    std::vector<QRect> runs() const;
    // The marked tiles that `a` or `b` marks too, as runs; both grids are of this one's size.
    std::vector<QRect> runs_also_in(const TileGrid& a, const TileGrid& b) const;

  private:
    bool tiles_of(const QRect& r, int& x0, int& y0, int& x1, int& y1) const;
    void unmark_tiles(int x0, int y0, int x1, int y1);
    // The pixels of tiles x0 to x1 of tile row y on the kept image, clipped to it.
    QRect device_rect(int y, int x0, int x1) const;
    // Asks the memory for the kept image's pixels of tiles x0..x1 by y0..y1, all at once,
    // before they are copied row by row.
    void prefetch(int x0, int y0, int x1, int y1) const;
    // Marks tiles x0 to x1 of row y, none of them marked yet, keeping their pixels.
    void mark_run(int y, int x0, int x1);
    // Marks, run by run, the tiles x0 to x1 of row y that are `wanted`.
    template <class Wanted>
    void mark_runs(int y, int x0, int x1, Wanted wanted);
    // Calls `f(x0, x1)` for every run of marked tiles in row y.
    template <class F>
    void for_each_run(int y, F f) const;
    // The marked tiles where `wanted(row, column)`, as runs along each row.
    template <class Wanted>
    std::vector<QRect> runs_where(Wanted wanted) const;

    int columns_ = 0, rows_ = 0;
    QSize size_;
    std::vector<uint8_t> tiles_;
    int64_t marked_ = 0;
    int first_row_ = 0, last_row_ = -1;  // the rows marked since the grid was last cleared

    const QImage* image_ = nullptr;
    struct Run {
        int y, x0, x1;  // tiles
        size_t at;      // where its pixels start in kept_pixels_, row after row
    };
    std::vector<Run> kept_runs_;
    std::vector<uint32_t> kept_pixels_;
};

}  // namespace zarvo
