#include "app/tile_grid.h"

#include <algorithm>
#include <cstring>

namespace zarvo {

void TileGrid::reset(QSize size) {
    size_ = size;
    columns_ = (std::max(0, size.width()) + kTile - 1) / kTile;
    rows_ = (std::max(0, size.height()) + kTile - 1) / kTile;
    tiles_.assign(static_cast<size_t>(columns_) * rows_, 0);
    marked_ = 0;
}

void TileGrid::clear_all() {
    if (marked_ == 0) return;
    std::memset(tiles_.data(), 0, tiles_.size());
    marked_ = 0;
}

// The tiles `r` touches, clipped to the surface; false if none.
bool TileGrid::tiles_of(const QRect& r, int& x0, int& y0, int& x1, int& y1) const {
    const QRect c = r & QRect(QPoint(0, 0), size_);
    if (c.isEmpty()) return false;
    x0 = c.left() / kTile, y0 = c.top() / kTile;
    x1 = c.right() / kTile, y1 = c.bottom() / kTile;
    return true;
}

void TileGrid::mark(const QRect& r) {
    int x0, y0, x1, y1;
    if (!tiles_of(r, x0, y0, x1, y1)) return;
    for (int y = y0; y <= y1; ++y) {
        uint8_t* row = tiles_.data() + static_cast<size_t>(y) * columns_;
        for (int x = x0; x <= x1; ++x) {
            marked_ += row[x] == 0;
            row[x] = 1;
        }
    }
}

void TileGrid::unmark_inside(const QRect& r) {
    const QRect c = r & QRect(QPoint(0, 0), size_);
    if (c.isEmpty() || marked_ == 0) return;
    // Whole tiles only: a tile reaching past `r` may hold ink outside it. A tile cut by the
    // surface's own edge counts as whole.
    const int x0 = (c.left() + kTile - 1) / kTile, y0 = (c.top() + kTile - 1) / kTile;
    const int x1 = c.right() + 1 >= size_.width() ? columns_ - 1 : (c.right() + 1) / kTile - 1;
    const int y1 = c.bottom() + 1 >= size_.height() ? rows_ - 1 : (c.bottom() + 1) / kTile - 1;
    for (int y = y0; y <= y1; ++y) {
        uint8_t* row = tiles_.data() + static_cast<size_t>(y) * columns_;
        for (int x = x0; x <= x1; ++x) {
            marked_ -= row[x] != 0;
            row[x] = 0;
        }
    }
}

void TileGrid::mark_where(const QRect& r, const TileGrid& other) {
    int x0, y0, x1, y1;
    if (other.marked_ == 0 || !tiles_of(r, x0, y0, x1, y1)) return;
    for (int y = y0; y <= y1; ++y) {
        const size_t at = static_cast<size_t>(y) * columns_;
        for (int x = x0; x <= x1; ++x)
            if (other.tiles_[at + x] && !tiles_[at + x]) {
                tiles_[at + x] = 1;
                ++marked_;
            }
    }
}

QRegion TileGrid::region() const {
    struct Run {
        int x0, x1, y0, y1;  // tiles, inclusive
    };
    std::vector<Run> done, open, next;
    for (int y = 0; y < rows_; ++y) {
        const uint8_t* row = tiles_.data() + static_cast<size_t>(y) * columns_;
        next.clear();
        for (int x = 0; x < columns_;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < columns_ && row[x]) ++x;
            const auto same = std::find_if(open.begin(), open.end(), [&](const Run& r) {
                return r.x0 == start && r.x1 == x - 1;
            });
            if (same != open.end()) {
                next.push_back({start, x - 1, same->y0, y});
                same->x0 = -1;  // carried on
            } else {
                next.push_back({start, x - 1, y, y});
            }
        }
        for (const Run& r : open)
            if (r.x0 >= 0) done.push_back(r);
        open.swap(next);
    }
    done.insert(done.end(), open.begin(), open.end());
    QRegion region;
    const QRect surface(QPoint(0, 0), size_);
    for (const Run& r : done)
        region += QRect(QPoint(r.x0 * kTile, r.y0 * kTile),
                        QPoint(r.x1 * kTile + kTile - 1, r.y1 * kTile + kTile - 1)) &
                  surface;
    return region;
}

}  // namespace zarvo
