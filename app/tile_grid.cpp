#include "app/tile_grid.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zarvo {

void TileGrid::reset(QSize size) {
    size_ = size;
    columns_ = (std::max(0, size.width()) + kTile - 1) / kTile;
    rows_ = (std::max(0, size.height()) + kTile - 1) / kTile;
    tiles_.assign(static_cast<size_t>(columns_) * rows_, 0);
    marked_ = 0;
    first_row_ = rows_, last_row_ = -1;
    kept_runs_.clear();
    kept_pixels_.clear();
}

void TileGrid::clear_all() {
    kept_runs_.clear();
    kept_pixels_.clear();
    if (last_row_ >= first_row_)
        std::memset(tiles_.data() + static_cast<size_t>(first_row_) * columns_, 0,
                    static_cast<size_t>(last_row_ - first_row_ + 1) * columns_);
    marked_ = 0;
    first_row_ = rows_, last_row_ = -1;
}

void TileGrid::keep_pixels_of(const QImage* image) {
    kept_runs_.clear();
    kept_pixels_.clear();
    image_ = image && image->depth() == 32 ? image : nullptr;
}

QRect TileGrid::device_rect(int y, int x0, int x1) const {
    const qreal dpr = image_->devicePixelRatio();
    if (const int d = static_cast<int>(dpr); d == dpr)
        return QRect(x0 * kTile * d, y * kTile * d, (x1 - x0 + 1) * kTile * d, kTile * d) &
               image_->rect();
    return QRectF(x0 * kTile * dpr, y * kTile * dpr, (x1 - x0 + 1) * kTile * dpr, kTile * dpr)
               .toAlignedRect() &
           image_->rect();
}

void TileGrid::prefetch(int x0, int y0, int x1, int y1) const {
    // A cell a key redraws spans a few hundred bytes of each of many rows, each row in a page
    // of its own: the hardware does not see these coming, and waiting for them one row after
    // another is most of what keeping them costs. Large areas stream well on their own.
    constexpr qsizetype kMaxBytes = 256 * 1024;
    if (!image_) return;
    const QRect r = device_rect(y0, x0, x1).united(device_rect(y1, x0, x1));
    if (r.isEmpty() || qsizetype(r.width()) * r.height() * 4 > kMaxBytes) return;
    const uchar* bits = image_->constBits();
    const qsizetype stride = image_->bytesPerLine();
    for (int row = r.top(); row <= r.bottom(); ++row) {
        const uchar* from = bits + row * stride + qsizetype(r.left()) * 4;
        const uchar* last = from + qsizetype(r.width()) * 4 - 1;
        for (const uchar* at = from; at <= last; at += 64) __builtin_prefetch(at, 1);
        __builtin_prefetch(last, 1);
    }
}

void TileGrid::mark_run(int y, int x0, int x1) {
    std::memset(tiles_.data() + static_cast<size_t>(y) * columns_ + x0, 1,
                static_cast<size_t>(x1 - x0 + 1));
    marked_ += x1 - x0 + 1;
    first_row_ = std::min(first_row_, y);
    last_row_ = std::max(last_row_, y);
    if (!image_) return;
    const QRect r = device_rect(y, x0, x1);
    if (r.isEmpty()) return;
    kept_runs_.push_back({y, x0, x1, kept_pixels_.size()});
    const auto* bits = reinterpret_cast<const uint32_t*>(image_->constBits());
    const size_t stride = static_cast<size_t>(image_->bytesPerLine()) / 4;
    for (int row = r.top(); row <= r.bottom(); ++row) {
        const uint32_t* from = bits + row * stride + r.left();
        kept_pixels_.insert(kept_pixels_.end(), from, from + r.width());
    }
}

void TileGrid::unmark_unchanged() {
    if (!image_) return;
    const auto* bits = reinterpret_cast<const uint32_t*>(image_->constBits());
    const size_t stride = static_cast<size_t>(image_->bytesPerLine()) / 4;
    // A tile's first device column, and past its last one: whole at a whole pixel ratio, else
    // taking in the columns it shares with its neighbours.
    const qreal dpr = image_->devicePixelRatio();
    const int whole_dpr = dpr == std::floor(dpr) ? static_cast<int>(dpr) : 0;
    const auto left_of = [&](int x) {
        return whole_dpr ? x * kTile * whole_dpr : static_cast<int>(std::floor(x * kTile * dpr));
    };
    const auto right_of = [&](int x) {
        return whole_dpr ? (x + 1) * kTile * whole_dpr
                         : static_cast<int>(std::ceil((x + 1) * kTile * dpr));
    };
    std::vector<uint8_t> changed;
    for (const Run& run : kept_runs_) {
        const QRect r = device_rect(run.y, run.x0, run.x1);
        changed.assign(static_cast<size_t>(run.x1 - run.x0 + 1), 0);
        const uint32_t* kept = kept_pixels_.data() + run.at;
        for (int row = r.top(); row <= r.bottom(); ++row, kept += r.width()) {
            const uint32_t* now = bits + row * stride + r.left();
            if (std::memcmp(now, kept, static_cast<size_t>(r.width()) * 4) == 0) continue;
            // Only then tile by tile: most rows of a redrawn run are as they were.
            for (int x = run.x0; x <= run.x1; ++x) {
                uint8_t& flag = changed[static_cast<size_t>(x - run.x0)];
                if (flag) continue;
                const int left = std::max(r.left(), left_of(x));
                const int right = std::min(r.right() + 1, right_of(x));
                flag =
                    right > left && std::memcmp(now + (left - r.left()), kept + (left - r.left()),
                                                static_cast<size_t>(right - left) * 4) != 0;
            }
        }
        uint8_t* tiles = tiles_.data() + static_cast<size_t>(run.y) * columns_;
        for (int x = run.x0; x <= run.x1; ++x)
            if (!changed[static_cast<size_t>(x - run.x0)] && tiles[x]) {
                tiles[x] = 0;
                --marked_;
            }
    }
    kept_runs_.clear();
    kept_pixels_.clear();
}

// The tiles `r` touches, clipped to the surface; false if none.
bool TileGrid::tiles_of(const QRect& r, int& x0, int& y0, int& x1, int& y1) const {
    const QRect c = r & QRect(QPoint(0, 0), size_);
    if (c.isEmpty()) return false;
    x0 = c.left() / kTile, y0 = c.top() / kTile;
    x1 = c.right() / kTile, y1 = c.bottom() / kTile;
    return true;
}

namespace {

// Calls `f(start, end)` for every run of `wanted` columns from x0 to x1, both inclusive.
template <class Wanted, class F>
void wanted_runs(int x0, int x1, Wanted wanted, F f) {
    for (int x = x0; x <= x1;) {
        if (!wanted(x)) {
            ++x;
            continue;
        }
        const int start = x;
        while (x <= x1 && wanted(x)) ++x;
        f(start, x - 1);
    }
}

}  // namespace

template <class Wanted>
void TileGrid::mark_runs(int y, int x0, int x1, Wanted wanted) {
    wanted_runs(x0, x1, wanted, [&](int start, int end) { mark_run(y, start, end); });
}

template <class F>
void TileGrid::for_each_run(int y, F f) const {
    const uint8_t* row = tiles_.data() + static_cast<size_t>(y) * columns_;
    for (int x = 0; x < columns_;) {
        const void* found = std::memchr(row + x, 1, static_cast<size_t>(columns_ - x));
        if (!found) return;
        const int start = static_cast<int>(static_cast<const uint8_t*>(found) - row);
        x = start;
        while (x < columns_ && row[x]) ++x;
        f(start, x - 1);
    }
}

void TileGrid::mark(const QRect& r) {
    int x0, y0, x1, y1;
    if (!tiles_of(r, x0, y0, x1, y1)) return;
    prefetch(x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y) {
        const uint8_t* row = tiles_.data() + static_cast<size_t>(y) * columns_;
        mark_runs(y, x0, x1, [row](int x) { return !row[x]; });
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
    unmark_tiles(x0, y0, x1, y1);
}

void TileGrid::unmark_touching(const QRect& r) {
    int x0, y0, x1, y1;
    if (marked_ != 0 && tiles_of(r, x0, y0, x1, y1)) unmark_tiles(x0, y0, x1, y1);
}

void TileGrid::unmark_tiles(int x0, int y0, int x1, int y1) {
    // Counted and cleared a row at a time: in a loop over the flags the compiler must take any
    // flag written for a byte of the count itself, and the paper a Down puts back clears some
    // twenty thousand of them.
    if (x1 < x0) return;  // no tile to clear
    const auto n = static_cast<size_t>(x1 - x0 + 1);
    size_t unmarked = 0;
    for (int y = y0; y <= y1; ++y) {
        uint8_t* row = tiles_.data() + static_cast<size_t>(y) * columns_ + x0;
        unmarked += n - static_cast<size_t>(std::count(row, row + n, uint8_t{0}));
        std::memset(row, 0, n);
    }
    marked_ -= static_cast<int64_t>(unmarked);
}

void TileGrid::mark_where(const QRect& r, const TileGrid& other) {
    int x0, y0, x1, y1;
    if (other.marked_ == 0 || !tiles_of(r, x0, y0, x1, y1)) return;
    prefetch(x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y) {
        const size_t at = static_cast<size_t>(y) * columns_;
        mark_runs(y, x0, x1, [&](int x) { return other.tiles_[at + x] && !tiles_[at + x]; });
    }
}

std::vector<QRect> TileGrid::marked_parts(const QRect& r) const {
    std::vector<QRect> parts;
    int x0, y0, x1, y1;
    if (marked_ == 0 || !tiles_of(r, x0, y0, x1, y1)) return parts;
    std::vector<size_t> above, here;  // the parts that reach the row above, and this row
    for (int y = y0; y <= y1; ++y) {
        const size_t at = static_cast<size_t>(y) * columns_;
        here.clear();
        wanted_runs(
            x0, x1, [&](int x) { return tiles_[at + x] != 0; },
            [&](int start, int end) {
                const QRect part =
                    QRect(start * kTile, y * kTile, (end - start + 1) * kTile, kTile) & r;
                for (const size_t i : above) {
                    QRect& up = parts[i];
                    if (up.left() == part.left() && up.right() == part.right()) {
                        up.setBottom(part.bottom());
                        here.push_back(i);
                        return;
                    }
                }
                here.push_back(parts.size());
                parts.push_back(part);
            });
        std::swap(above, here);
    }
    return parts;
}

template <class Wanted>
std::vector<QRect> TileGrid::runs_where(Wanted wanted) const {
    std::vector<QRect> runs;
    const QRect surface(QPoint(0, 0), size_);
    for (int y = first_row_; y <= last_row_; ++y)
        for_each_run(y, [&](int x0, int x1) {
            wanted_runs(
                x0, x1, [&](int x) { return wanted(y, x); },
                [&](int start, int end) {
                    runs.push_back(
                        QRect(start * kTile, y * kTile, (end - start + 1) * kTile, kTile) &
                        surface);
                });
        });
    return runs;
}

std::vector<QRect> TileGrid::runs() const {
    return runs_where([](int, int) { return true; });
}

std::vector<QRect> TileGrid::runs_also_in(const TileGrid& a, const TileGrid& b) const {
    if (a.tiles_.size() != tiles_.size() || b.tiles_.size() != tiles_.size()) return runs();
    return runs_where([&](int y, int x) {
        const size_t at = static_cast<size_t>(y) * columns_ + x;
        return a.tiles_[at] || b.tiles_[at];
    });
}

QRegion TileGrid::region() const {
    // What a rectangle of its own costs the screen, in tiles copied: tiles closer than this
    // share a rectangle. The window system takes all the rectangles of one flush in a single
    // request, so a rectangle costs little more than its pixels, more so at a pixel ratio of 2.
    constexpr int64_t kRectCost = 4;
    struct Box {
        int x0, x1, y0, y1;  // tiles, inclusive
        int64_t area() const { return int64_t{x1 - x0 + 1} * (y1 - y0 + 1); }
        Box joined(const Box& o) const {
            return {std::min(x0, o.x0), std::max(x1, o.x1), std::min(y0, o.y0), std::max(y1, o.y1)};
        }
    };
    std::vector<Box> done, open, next;
    for (int y = first_row_; y <= last_row_; ++y) {
        next.clear();
        for_each_run(y, [&](int x0, int x1) {
            if (!next.empty() && x0 - next.back().x1 - 1 <= kRectCost)
                next.back().x1 = x1;  // a gap in the row cheaper than a rectangle
            else
                next.push_back({x0, x1, y, y});
        });
        // A row's runs carry on the rectangles above them that they fit well enough.
        for (Box& run : next) {
            for (Box& above : open) {
                if (above.x0 < 0) continue;
                const Box both = above.joined(run);
                if (both.area() - above.area() - run.area() > kRectCost) continue;
                run = both;
                above.x0 = -1;  // carried on
                break;
            }
        }
        for (const Box& b : open)
            if (b.x0 >= 0) done.push_back(b);
        open.swap(next);
    }
    done.insert(done.end(), open.begin(), open.end());
    QRegion region;
    const QRect surface(QPoint(0, 0), size_);
    for (const Box& b : done)
        region += QRect(QPoint(b.x0 * kTile, b.y0 * kTile),
                        QPoint(b.x1 * kTile + kTile - 1, b.y1 * kTile + kTile - 1)) &
                  surface;
    return region;
}

}  // namespace zarvo
