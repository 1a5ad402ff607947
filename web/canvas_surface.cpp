#include "web/canvas_surface.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "board/text_layout.h"

namespace zarvo::web {

// clang-format off
// Rectangles of one colour: x, y, width, height each. A browser fills a long row of pixels
// (a grid's line across) far faster as part of one path than as a rectangle of its own, and a
// column (a line down) far slower: many rectangles wider than tall go as one path.
EM_JS(void, js_rects, (const int32_t* rects, int count, int rgb), {
    const c = Module.ctx;
    Module.fill(rgb);
    const r = HEAP32.subarray(rects >> 2, (rects >> 2) + 4 * count);
    const together = count >= 8;
    if (together) c.beginPath();
    for (let i = 0; i < 4 * count; i += 4) {
        if (together && r[i + 2] > r[i + 3]) {
            c.rect(r[i], r[i + 1], r[i + 2], r[i + 3]);
        } else {
            c.fillRect(r[i], r[i + 1], r[i + 2], r[i + 3]);
        }
    }
    if (together) c.fill();
});
EM_JS(void, js_ellipse, (int l, int t, int r, int b, int pen, int brush), {
    const c = Module.ctx;
    c.beginPath();
    c.ellipse((l + r) / 2, (t + b) / 2, (r - l) / 2 - 0.5, (b - t) / 2 - 0.5, 0, 0, 2 * Math.PI);
    Module.fill(brush);
    c.fill();
    c.strokeStyle = Module.css(pen);
    c.lineWidth = 1;
    c.stroke();
});
EM_JS(void, js_font, (int px, int bold), {
    const font = bold ? -px : px;
    if (Module.lastFont === font) return;
    Module.lastFont = font;
    Module.ctx.font = (bold ? "bold " : "") + px + "px " + Module.fontFamily;
});
EM_JS(double, js_measure, (const char* text, int length), {
    return Module.ctx.measureText(UTF8ToString(text, length)).width;
});
EM_JS(double, js_font_ascent, (), {
    return Module.ctx.measureText("H").fontBoundingBoxAscent;
});
EM_JS(double, js_font_descent, (), {
    return Module.ctx.measureText("H").fontBoundingBoxDescent;
});
EM_JS(void, js_clip, (int x, int y, int w, int h), {
    const c = Module.ctx;
    c.save();
    c.beginPath();
    c.rect(x, y, w, h);
    c.clip();
});
EM_JS(void, js_unclip, (), {
    Module.ctx.restore();
    Module.lastFill = null;  // the colour of before the clip: not known here
});
// Puts back the parts of the copy of (l, t, w, h) given as `count` rectangles (left, top,
// right, bottom) in `runs`; 0 when there is no such copy.
EM_JS(int, js_put_back_runs,
      (int l, int t, int w, int h, int number, const int32_t* runs, int count), {
    const copy = Module.kept && Module.kept.get(l + " " + t + " " + w + " " + h);
    if (!copy || copy.number !== number) return 0;
    const c = Module.ctx, s = c.getTransform().a;
    const r = HEAP32.subarray(runs >> 2, (runs >> 2) + 4 * count);
    for (let i = 0; i < 4 * count; i += 4) {
        const rw = r[i + 2] - r[i], rh = r[i + 3] - r[i + 1];
        c.drawImage(copy, (r[i] - l) * s, (r[i + 1] - t) * s, rw * s, rh * s, r[i], r[i + 1], rw, rh);
    }
    return 1;
});
// Copies of areas of the board's canvas, each in a canvas of its own, by the area, with its
// number; a new copy replaces those it overlaps.
EM_JS(void, js_keep, (int l, int t, int w, int h, int number), {
    const c = Module.ctx, s = c.getTransform().a;
    const kept = Module.kept || (Module.kept = new Map());
    kept.forEach((copy, key) => {
        const a = copy.area;
        if (l < a[0] + a[2] && a[0] < l + w && t < a[1] + a[3] && a[1] < t + h) kept.delete(key);
    });
    const copy = document.createElement("canvas");
    copy.width = w * s;
    copy.height = h * s;
    copy.getContext("2d").drawImage(c.canvas, l * s, t * s, w * s, h * s, 0, 0, w * s, h * s);
    copy.area = [l, t, w, h];
    copy.number = number;
    kept.set(l + " " + t + " " + w + " " + h, copy);
});
// Words of one line, each at its own place: `runs` holds offset, length pairs into `text`.
EM_JS(void, js_words, (const char* text, const int32_t* runs, const double* xs, int count,
                       double y, int rgb), {
    const c = Module.ctx;
    Module.fill(rgb);
    const r = HEAP32.subarray(runs >> 2, (runs >> 2) + 2 * count);
    const x = HEAPF64.subarray(xs >> 3, (xs >> 3) + count);
    for (let i = 0; i < count; ++i) c.fillText(UTF8ToString(text + r[2 * i], r[2 * i + 1]), x[i], y);
});
// clang-format on

namespace {

int rgb(COLORREF c) {
    return (red_of(c) << 16) | (green_of(c) << 8) | blue_of(c);
}

constexpr int32_t kDefaultCell = 16;  // what a zero height stands for

// The desktop's font engine keeps metrics in 64ths of a pixel, cut down to the 64th below; the
// page keeps them the same way, so that every text wraps where it wraps on the desktop.
double in_64ths(double pixels) {
    return std::floor(pixels * 64 + 1e-3) / 64;
}

double measure(std::string_view text) {
    return in_64ths(js_measure(text.data(), static_cast<int>(text.size())));
}

}  // namespace

// One font at one size, with the advance of every letter measured once.
struct CanvasSurface::FontEntry {
    int px = 16;
    bool bold = false;
    int32_t cell = 16;
    double ascent = 12;  // baseline below the top of the cell
    double advance[128];
    std::unordered_map<std::string, double> wide_advance;

    void select() const { js_font(px, bold); }

    double width(std::string_view text) {
        double w = 0;
        for (size_t i = 0; i < text.size();) {
            const auto c = static_cast<unsigned char>(text[i]);
            size_t n = 1;
            if (c >= 0x80) n = std::min<size_t>(c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2, text.size() - i);
            const std::string_view letter = text.substr(i, n);
            if (n == 1) {
                if (advance[c] < 0) {
                    select();
                    advance[c] = measure(letter);
                }
                w += advance[c];
            } else {
                auto it = wide_advance.find(std::string(letter));
                if (it == wide_advance.end()) {
                    select();
                    it = wide_advance.emplace(std::string(letter), measure(letter)).first;
                }
                w += it->second;
            }
            i += n;
        }
        return w;
    }
};

namespace {

// Fonts are made once per size and kept for the run, as on the desktop. A font goes to the
// canvas only when a text is measured or drawn in it: setting the canvas's font costs a browser
// more than drawing a word, and many fonts are selected for nothing but to be put back.
CanvasSurface::FontEntry& font_entry(const Font& f) {
    static std::map<std::pair<int32_t, bool>, std::unique_ptr<CanvasSurface::FontEntry>> cache;
    const auto key = std::make_pair(f.height, f.bold());
    auto it = cache.find(key);
    if (it != cache.end()) return *it->second;
    // The cell (ascent + descent) is what a positive height asks for; a negative height asks
    // for the em size itself.
    static const double cell_per_em = [] {
        js_font(1000, 0);
        const double cell = js_font_ascent() + js_font_descent();
        return cell > 0 ? cell / 1000.0 : 1.15;
    }();
    auto entry = std::make_unique<CanvasSurface::FontEntry>();
    const int32_t asked = f.height == 0 ? kDefaultCell : std::abs(f.height);
    const double em = f.height < 0 ? asked : asked / cell_per_em;
    entry->px = std::max(1, static_cast<int>(std::lround(em)));
    entry->bold = f.bold();
    entry->select();
    const double a = in_64ths(js_font_ascent()), d = in_64ths(js_font_descent());
    entry->cell = f.height > 0 ? f.height : static_cast<int32_t>(std::lround(a + d));
    entry->ascent = a + (entry->cell - (a + d)) / 2.0;
    std::fill(std::begin(entry->advance), std::end(entry->advance), -1.0);
    return *cache.emplace(key, std::move(entry)).first->second;
}

}  // namespace

CanvasSurface::CanvasSurface(Rect client, DrawnTiles* drawn)
    : client_(client), font_(&font_entry(Font{})), drawn_(drawn) {}

CanvasSurface::~CanvasSurface() {
    flush();
}

// Rectangles of one colour in a row go to the canvas together; any other drawing, or another
// colour, sends them first, so the order of the drawing stays as it was asked for.
void CanvasSurface::fill(int32_t x, int32_t y, int32_t w, int32_t h, int colour) {
    if (colour != batch_colour_) flush();
    if (drawn_) drawn_->mark(x, y, x + w, y + h);
    batch_colour_ = colour;
    batch_.insert(batch_.end(), {x, y, w, h});
}

// Only a surface that knows where the canvas was drawn on since keeps copies: it puts back those
// parts alone, which costs less than drawing the paper again at any size.
bool CanvasSurface::can_keep(const Rect& area) {
    return drawn_ && area.right > area.left && area.bottom > area.top;
}

void CanvasSurface::keep(const Rect& area, int copy) {
    flush();
    js_keep(area.left, area.top, area.width(), area.height(), copy);
    if (drawn_) drawn_->clear();
}

bool CanvasSurface::put_back(const Rect& area, int copy, std::vector<Rect>& changed) {
    flush();
    if (!drawn_) return false;
    const std::vector<Rect> taken = drawn_->take(area);
    std::vector<int32_t> runs;
    for (const Rect& r : taken) runs.insert(runs.end(), {r.left, r.top, r.right, r.bottom});
    if (!js_put_back_runs(area.left, area.top, area.width(), area.height(), copy, runs.data(),
                          static_cast<int>(runs.size() / 4)))
        return false;
    changed.insert(changed.end(), taken.begin(), taken.end());
    return true;
}

void CanvasSurface::flush() {
    if (!batch_.empty())
        js_rects(batch_.data(), static_cast<int>(batch_.size() / 4), batch_colour_);
    batch_.clear();
}

void CanvasSurface::SelectObject(const Font& font) {
    font_ = &font_entry(font);
}

void CanvasSurface::FillRect(const Rect& r, const Brush& brush) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    fill(r.left, r.top, r.width(), r.height(), rgb(brush.colour));
}

void CanvasSurface::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
    if (r <= l || b <= t) return;
    const int32_t w = r - l, h = b - t;
    const int pen = rgb(pen_.colour);
    if (pen_.colour == brush_.colour) {
        fill(l, t, w, h, pen);
        return;
    }
    // The frame as a whole rectangle with the inside over it: two fills rather than five.
    fill(l, t, w, h, pen);
    if (w > 2 && h > 2) fill(l + 1, t + 1, w - 2, h - 2, rgb(brush_.colour));
}

void CanvasSurface::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
    if (r - l < 2 || b - t < 2) return;
    flush();
    if (drawn_) drawn_->mark(l, t, r, b);
    js_ellipse(l, t, r, b, rgb(pen_.colour), rgb(brush_.colour));
}

void CanvasSurface::LineTo(int32_t x, int32_t y) {
    const int pen = rgb(pen_.colour);
    const int32_t x0 = x_, y0 = y_;
    x_ = x;
    y_ = y;
    if (y0 == y) {  // horizontal: from x0 up to but not including x
        if (x > x0) fill(x0, y, x - x0, 1, pen);
        if (x < x0) fill(x + 1, y, x0 - x, 1, pen);
        return;
    }
    if (x0 == x) {
        if (y > y0) fill(x, y0, 1, y - y0, pen);
        if (y < y0) fill(x, y + 1, 1, y0 - y, pen);
        return;
    }
    // Bresenham, leaving out the end pixel.
    const int32_t dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int32_t dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int32_t err = dx + dy;
    int32_t cx = x0, cy = y0;
    // The pixels go to the canvas as runs along the line's longer axis: one rectangle for each
    // step across it rather than one for each pixel.
    static std::vector<int32_t> runs;
    runs.clear();
    const bool steep = -dy > dx;
    while (cx != x || cy != y) {
        const size_t n = runs.size();
        if (n > 0 && !steep && runs[n - 3] == cy && runs[n - 4] + runs[n - 2] == cx) {
            ++runs[n - 2];
        } else if (n > 0 && steep && runs[n - 4] == cx && runs[n - 3] + runs[n - 1] == cy) {
            ++runs[n - 1];
        } else if (n > 0 && !steep && runs[n - 3] == cy && runs[n - 4] - 1 == cx) {
            --runs[n - 4], ++runs[n - 2];  // leftwards
        } else if (n > 0 && steep && runs[n - 4] == cx && runs[n - 3] - 1 == cy) {
            --runs[n - 3], ++runs[n - 1];  // upwards
        } else {
            runs.insert(runs.end(), {cx, cy, 1, 1});
        }
        const int32_t e2 = 2 * err;
        if (e2 >= dy) err += dy, cx += sx;
        if (e2 <= dx) err += dx, cy += sy;
    }
    for (size_t i = 0; i < runs.size(); i += 4)
        fill(runs[i], runs[i + 1], runs[i + 2], runs[i + 3], pen);
}

void CanvasSurface::DrawText(std::string_view text, Rect& rect, int format) {
    FontEntry& f = *font_;
    const auto* placed =
        lines_to_draw(text, rect, format, f.cell, [&f](std::string_view s) { return f.width(s); });
    if (!placed) return;
    const std::vector<PlacedLine>& lines = *placed;
    // Text is clipped to its rectangle; most texts lie inside it, and need no clip.
    bool inside = true;
    for (const PlacedLine& line : lines)
        inside = inside && line.x >= rect.left && line.y >= rect.top &&
                 line.x + f.width(line.text) <= rect.right && line.y + f.cell <= rect.bottom;
    flush();
    f.select();  // before the clip, so that the context holds it again after the clip
    if (!inside) js_clip(rect.left, rect.top, rect.width(), rect.height());
    for (const PlacedLine& line : lines) {
        if (line.y >= rect.bottom) break;
        if (line.text.empty()) continue;
        draw_words(line.text, line.x, line.y + f.ascent);
    }
    if (!inside) js_unclip();
}

// Each word goes where the desktop's advances put it: the browser's own advances differ in the
// last fractions of a pixel, which would add up along a long line.
void CanvasSurface::draw_words(std::string_view text, double x, double baseline) {
    flush();
    static std::vector<int32_t> runs;
    static std::vector<double> xs;
    runs.clear();
    xs.clear();
    size_t start = 0;
    double at = x;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) {
            // Short words together go as one piece: over a few letters the browser's advances
            // stay well within a pixel of the desktop's.
            const size_t n = runs.size();
            if (n > 0 && static_cast<size_t>(runs[n - 2] + runs[n - 1]) + 1 == start &&
                static_cast<size_t>(runs[n - 1]) + 1 + (end - start) <= 12) {
                runs[n - 1] = static_cast<int32_t>(end - runs[n - 2]);
            } else {
                runs.push_back(static_cast<int32_t>(start));
                runs.push_back(static_cast<int32_t>(end - start));
                xs.push_back(at);
            }
        }
        at += font_->width(text.substr(start, end + 1 - start));
        start = end + 1;
    }
    font_->select();
    if (drawn_) {  // with room for letters reaching past their advances and their cell
        const int32_t cell = font_->cell;
        drawn_->mark(static_cast<int32_t>(std::floor(x)) - cell,
                     static_cast<int32_t>(std::floor(baseline)) - 2 * cell,
                     static_cast<int32_t>(std::ceil(at)) + cell,
                     static_cast<int32_t>(std::ceil(baseline)) + cell);
    }
    js_words(text.data(), runs.data(), xs.data(), static_cast<int>(xs.size()), baseline,
             rgb(text_colour_));
}

void CanvasSurface::TextOut(int32_t x, int32_t y, std::string_view text) {
    draw_words(text, x, y + font_->ascent);
}

Size CanvasSurface::GetTextExtentPoint32(std::string_view text) {
    return Size{static_cast<int32_t>(std::lround(font_->width(text))), font_->cell};
}

}  // namespace zarvo::web
