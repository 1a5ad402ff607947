// Where the page's canvas was drawn on since a copy of the graph's paper was kept or last put
// back, in tiles of 8 by 8 of the board's pixels: the paper goes back there alone, so taking a
// line away costs what the line covered rather than the whole graph.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "board/surface.h"

namespace zarvo::web {

class DrawnTiles {
  public:
    static constexpr int32_t kTile = 8;

    // A canvas of `client`, drawn on all over: nothing is put back before the next keep.
    void reset(const Rect& client) {
        columns_ = std::max(0, (client.width() + kTile - 1) / kTile);
        rows_ = std::max(0, (client.height() + kTile - 1) / kTile);
        tiles_.assign(static_cast<size_t>(columns_) * rows_, 1);
    }
    void clear() { std::fill(tiles_.begin(), tiles_.end(), 0); }

    // Everything drawn over (l, t)-(r, b).
    void mark(int32_t l, int32_t t, int32_t r, int32_t b) {
        int32_t x0, y0, x1, y1;
        if (!tiles_of({l, t, r, b}, x0, y0, x1, y1)) return;
        for (int32_t y = y0; y <= y1; ++y)
            std::fill_n(tiles_.begin() + static_cast<size_t>(y) * columns_ + x0, x1 - x0 + 1, 1);
    }

    // Rectangles inside `area` that hold every tile drawn on there; they count as not drawn on
    // from then. Each rectangle costs the browser a call of its own, so a row's drawn tiles go
    // as one span, and rows join while that adds fewer pixels than a call costs.
    std::vector<Rect> take(const Rect& area) {
        constexpr int32_t kCallCost = 64 * kTile * kTile;
        std::vector<Rect> boxes;
        int32_t x0, y0, x1, y1;
        if (!tiles_of(area, x0, y0, x1, y1)) return boxes;
        const auto pixels = [](const Rect& r) { return int64_t{r.width()} * r.height(); };
        for (int32_t y = y0; y <= y1; ++y) {
            uint8_t* row = tiles_.data() + static_cast<size_t>(y) * columns_;
            int32_t first = x1 + 1, last = x0 - 1;
            for (int32_t x = x0; x <= x1; ++x)
                if (row[x]) first = std::min(first, x), last = x;
            if (first > last) continue;
            const Rect span{std::max(area.left, first * kTile), std::max(area.top, y * kTile),
                            std::min(area.right, (last + 1) * kTile),
                            std::min(area.bottom, (y + 1) * kTile)};
            // A tile reaching out of `area` stays drawn on: the copy holds only its inside.
            if (y * kTile >= area.top && (y + 1) * kTile <= area.bottom)
                for (int32_t x = first; x <= last; ++x)
                    if (x * kTile >= area.left && (x + 1) * kTile <= area.right) row[x] = 0;
            if (!boxes.empty() && boxes.back().bottom == span.top) {
                Rect& box = boxes.back();
                const Rect both{std::min(box.left, span.left), box.top,
                                std::max(box.right, span.right), span.bottom};
                if (pixels(both) - pixels(box) - pixels(span) <= kCallCost) {
                    box = both;
                    continue;
                }
            }
            boxes.push_back(span);
        }
        return boxes;
    }

  private:
    bool tiles_of(const Rect& r, int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1) const {
        const int32_t l = std::max(r.left, 0), t = std::max(r.top, 0);
        const int32_t right = std::min(r.right, columns_ * kTile);
        const int32_t bottom = std::min(r.bottom, rows_ * kTile);
        if (right <= l || bottom <= t) return false;
        x0 = l / kTile, y0 = t / kTile, x1 = (right - 1) / kTile, y1 = (bottom - 1) / kTile;
        return true;
    }

    int32_t columns_ = 0, rows_ = 0;
    std::vector<uint8_t> tiles_;
};

}  // namespace zarvo::web
