#include "board/cell_filter.h"

#include <algorithm>
#include <cstdint>

#include "board/text_layout.h"

namespace zarvo {

namespace {

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

Rect overlap(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Where a call may reach when it could reach anywhere.
constexpr Rect kEverywhere{INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2};

bool empty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

Rect bounds(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

Rect inset(const Rect& r) {
    return {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

}  // namespace

CellFilter::CellFilter(CellMemory& memory, Surface& picture, bool skip, PixelStore* store)
    : memory_(memory), picture_(picture), skip_(skip), store_(store) {
    if (!skip_) memory_.clear();
}

void CellFilter::finish() {
    EndGroup();
    for (CellMemory::Cell& cell : pending_) decide(cell);
    pending_.clear();
    fill_waiting(kEverywhere);
}

// A call with everything it draws with; what its kind does not use is left at its default, so
// that two calls that draw alike compare equal.
CellFilter::Op CellFilter::op(Kind kind, const Rect& rect) const {
    Op o{kind, rect, {}, {}, {}, 0, {}, 0};
    if (kind == Kind::rectangle || kind == Kind::ellipse) {
        o.pen = pen_;
        o.brush = brush_;
    } else if (kind == Kind::line_to) {
        o.pen = pen_;
    } else if (kind == Kind::text || kind == Kind::text_out) {
        o.font = font_;
        o.text_colour = text_colour_;
    }
    return o;
}

void CellFilter::SelectObject(const Pen& pen) {
    pen_ = picture_pen_ = pen;
    picture_.SelectObject(pen);
}

void CellFilter::SelectObject(const Brush& brush) {
    brush_ = picture_brush_ = brush;
    picture_.SelectObject(brush);
}

void CellFilter::SelectObject(const Font& font) {
    font_ = picture_font_ = font;
    picture_.SelectObject(font);
}

void CellFilter::SetTextColor(COLORREF colour) {
    text_colour_ = picture_text_colour_ = colour;
    picture_.SetTextColor(colour);
}

// A box that partly overlaps boxes still waiting joins them in one cell: their calls are then
// drawn, or left out, together and in their order (a label's line reaches into the box below
// it, which is cleared after it, and the label is drawn last). Any other waiting cell it
// overlaps goes first.
void CellFilter::start_cell(Op first) {
    CellMemory::Cell cell;
    cell.rect = first.rect;
    cell.clean_frame = first.kind == Kind::rectangle;
    std::erase_if(pending_, [&](CellMemory::Cell& waiting) {
        const Rect& box = first.rect;
        const Rect shared = overlap(waiting.rect, box);
        if (empty(shared)) return false;
        // Boxes side by side that share only their frames' ring are drawn one after the other.
        const bool partly =
            !inside(waiting.rect, box) && !inside(box, waiting.rect) &&
            !(empty(overlap(shared, inset(box))) && empty(overlap(shared, inset(waiting.rect))));
        if (!partly) {
            decide(waiting);
            return true;
        }
        cell.ops.insert(cell.ops.end(), waiting.ops.begin(), waiting.ops.end());
        if (waiting.parts.empty())
            cell.parts.push_back(waiting.rect);
        else
            cell.parts.insert(cell.parts.end(), waiting.parts.begin(), waiting.parts.end());
        cell.rect = bounds(cell.rect, waiting.rect);
        cell.clean_frame = false;
        return true;
    });
    if (!cell.parts.empty()) cell.parts.push_back(first.rect);
    cell.ops.push_back(std::move(first));
    pending_.push_back(std::move(cell));
}

// Every opaque rectangle starts a cell of its own, even inside another one: the client's
// clearing at a paint is a cell of nothing else.
void CellFilter::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
    Op o = op(Kind::rectangle, {l, t, r, b});
    if (empty(o.rect)) return;
    if (grouping_) return note(o, o.rect);
    start_cell(std::move(o));
}

void CellFilter::FillRect(const Rect& rect, const Brush& brush) {
    if (empty(rect)) return;
    Op o = op(Kind::fill_rect, rect);
    o.brush = brush;
    if (grouping_) return note(o, rect);
    start_cell(std::move(o));
}

// Nothing drawn since a cell's rectangle has touched it, so what falls inside it belongs to it,
// however much was drawn elsewhere meanwhile (the title's box is cleared first, its title drawn
// last).
CellMemory::Cell* CellFilter::cell_holding(const Rect& area) {
    for (CellMemory::Cell& cell : pending_) {
        if (!inside(area, cell.rect)) continue;
        if (cell.parts.empty() || std::any_of(cell.parts.begin(), cell.parts.end(),
                                              [&](const Rect& part) { return inside(area, part); }))
            return &cell;
    }
    return nullptr;
}

// A disc on its own (the colour's, or a dot on the graph) is remembered as a cell of its own:
// drawn again as the picture holds it, with nothing drawn over its box since, it is left out.
// Its box's corners keep whatever they held, as drawing it would.
void CellFilter::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
    Op o = op(Kind::ellipse, {l, t, r, b});
    if (grouping_) return note(o, o.rect);
    if (CellMemory::Cell* cell = cell_holding(o.rect)) {
        cell->clean_frame = cell->clean_frame && inside(o.rect, inset(cell->rect));
        cell->ops.push_back(std::move(o));
        return;
    }
    settle(o.rect);
    fill_waiting(o.rect);
    auto& cells = memory_.cells_;
    if (skip_ && std::any_of(cells.begin(), cells.end(), [&](const CellMemory::Cell& c) {
            return c.rect == o.rect && c.ops.size() == 1 && c.ops.front() == o;
        }))
        return;
    forget(o.rect);
    draw(o);
    if (!skip_) return;
    CellMemory::Cell disc;
    disc.rect = o.rect;
    disc.ops.push_back(std::move(o));
    cells.push_back(std::move(disc));
}

void CellFilter::MoveTo(int32_t x, int32_t y) {
    x_ = x, y_ = y;
    picture_.MoveTo(x, y);
    if (grouping_) note(op(Kind::move_to, {x, y, x, y}), {x, y, x, y});
}

void CellFilter::LineTo(int32_t x, int32_t y) {
    // A straight line's pen covers its own pixels; a slanted line's smoothed edge may reach a
    // pixel to either side.
    const int32_t spill = x == x_ || y == y_ ? 0 : 1;
    const Rect area{std::min(x_, x) - spill, std::min(y_, y) - spill, std::max(x_, x) + 1 + spill,
                    std::max(y_, y) + 1 + spill};
    x_ = x, y_ = y;
    if (grouping_) return note(op(Kind::line_to, {x, y, x, y}), area);
    clear_way(area);
    picture_.LineTo(x, y);
}

void CellFilter::DrawText(std::string_view text, Rect& rect, int format) {
    if (format & DT_CALCRECT) {
        picture_.DrawText(text, rect, format);
        return;
    }
    const auto text_op = [&] {
        Op o = op(Kind::text, rect);
        o.text = std::string(text);
        o.format = format;
        return o;
    };
    // Every surface clips text to its rectangle.
    if (grouping_) return note(text_op(), rect);
    if (CellMemory::Cell* cell = cell_holding(rect)) {
        if (cell->clean_frame) cell->clean_frame = off_the_frame(text, rect, format, cell->rect);
        cell->ops.push_back(text_op());
        return;
    }
    clear_way(rect);
    picture_.DrawText(text, rect, format);
}

// Whether one line of text stays off the frame of `cell`, by its advance and its cell, with a
// pixel to spare on either side for letters that reach past their advance.
bool CellFilter::off_the_frame(std::string_view text, const Rect& rect, int format,
                               const Rect& cell) {
    if (!(format & DT_SINGLELINE)) return false;
    const Rect box = line_box(text, rect, format);
    return inside({box.left - 1, box.top, box.right + 1, box.bottom}, inset(cell));
}

Rect CellFilter::line_box(std::string_view text, const Rect& rect, int format) {
    const size_t first = std::min(text.find_first_not_of(' '), text.size());
    const int32_t blanks = first ? picture_.GetTextExtentPoint32(text.substr(0, first)).cx : 0;
    const Size size = picture_.GetTextExtentPoint32(text);
    int32_t left = rect.left + blanks;
    if (format & DT_CENTER) left = rect.left + (rect.width() - size.cx) / 2 + blanks;
    if (format & DT_RIGHT) left = rect.right - size.cx + blanks;
    int32_t top = rect.top;
    if (format & DT_VCENTER) top = rect.top + (rect.height() - size.cy) / 2;
    return {left, top, left + size.cx - blanks, top + size.cy};
}

Rect CellFilter::reach(const Op& o) {
    switch (o.kind) {
        case Kind::rectangle:
        case Kind::ellipse:
        case Kind::fill_rect:
            return o.rect;
        case Kind::move_to:
            return {};
        case Kind::text:
            if (o.format & DT_SINGLELINE) {
                if (!(picture_font_ == o.font)) picture_.SelectObject(picture_font_ = o.font);
                const Rect box = line_box(o.text, o.rect, o.format);
                const int32_t m = glyph_overhang(box.bottom - box.top);
                return {box.left - m, box.top - m, box.right + m, box.bottom + m};
            }
            return o.rect;
        default:  // a line or a text at a point: anywhere
            return kEverywhere;
    }
}

// A move changes the numbers in a table's cells and nothing else of them: a cell's pixels can
// then differ only where its old or its new words stand. Only there is it cleared to its box's
// colour and written again, when no other of its calls reaches there and the words keep off
// the box's frame. A cell drawn whole is written over an area some times the size of its
// words, and what a key writes over is what it costs to find what changed.
bool CellFilter::rewrite_words(const CellMemory::Cell& was, const CellMemory::Cell& cell) {
    const std::vector<Op>& ops = cell.ops;
    if (was.ops.size() != ops.size() || was.parts != cell.parts) return false;
    struct Rewrite {
        size_t text, box;
        Rect area;
    };
    std::vector<Rewrite> rewrites;
    std::vector<Rect> reaches(ops.size());
    for (size_t i = 0; i < ops.size(); ++i) {
        reaches[i] = reach(ops[i]);
        if (ops[i] == was.ops[i]) continue;
        Op words_apart = was.ops[i];
        words_apart.text = ops[i].text;
        if (ops[i].kind != Kind::text || !(ops[i].format & DT_SINGLELINE) ||
            !(words_apart == ops[i]))
            return false;
        reaches[i] = bounds(reaches[i], reach(was.ops[i]));
        // The words stand on the last box drawn before them, off its frame.
        size_t box = i;
        while (box > 0 && ops[box].kind != Kind::rectangle && ops[box].kind != Kind::fill_rect)
            --box;
        const Op& under = ops[box];
        if (under.kind != Kind::rectangle && under.kind != Kind::fill_rect) return false;
        if (!inside(reaches[i], under.kind == Kind::rectangle ? inset(under.rect) : under.rect))
            return false;
        rewrites.push_back({i, box, overlap(reaches[i], ops[i].rect)});
    }
    if (rewrites.empty()) return false;
    for (const Rewrite& w : rewrites)
        for (size_t k = w.box + 1; k < ops.size(); ++k)
            if (k != w.text && !empty(overlap(reaches[k], w.area))) return false;
    for (const Rewrite& w : rewrites) {
        if (empty(w.area)) continue;
        Op clear = op(Kind::fill_rect, w.area);
        clear.brush = ops[w.box].brush;
        draw(clear);
    }
    for (const Rewrite& w : rewrites) draw(ops[w.text]);
    return true;
}

void CellFilter::TextOut(int32_t x, int32_t y, std::string_view text) {
    // Letters may reach a little past their advance and their cell.
    const Size size = picture_.GetTextExtentPoint32(text);
    const Rect area{x - size.cy, y - size.cy, x + size.cx + size.cy, y + 2 * size.cy};
    if (grouping_) {
        Op o = op(Kind::text_out, {x, y, x, y});
        o.text = std::string(text);
        return note(o, area);
    }
    clear_way(area);
    picture_.TextOut(x, y, text);
}

Size CellFilter::GetTextExtentPoint32(std::string_view text) {
    return picture_.GetTextExtentPoint32(text);
}

// Before anything is drawn over `area`, the cells waiting there are drawn (or left out). The
// waiting cells never overlap one another: a cell that would is a reason to settle.
void CellFilter::settle(const Rect& area) {
    std::erase_if(pending_, [&](CellMemory::Cell& cell) {
        if (empty(overlap(cell.rect, area))) return false;
        decide(cell);
        return true;
    });
}

void CellFilter::clear_way(const Rect& area) {
    settle(area);
    fill_waiting(area);
    forget(area);
}

void CellFilter::decide(CellMemory::Cell& cell) {
    auto& cells = memory_.cells_;
    const auto same = std::find_if(cells.begin(), cells.end(),
                                   [&](const CellMemory::Cell& c) { return c.rect == cell.rect; });
    // A cell covers its boxes whole, so a fill that waits under it is never wanted there.
    if (cell.parts.empty())
        cut_waiting(cell.rect);
    else
        for (const Rect& part : cell.parts) cut_waiting(part);
    if (same != cells.end() && same->ops == cell.ops) {
        return;
    }
    if (same != cells.end() && rewrite_words(*same, cell)) {
        restore_state();
        *same = std::move(cell);
        return;
    }
    // The part under the group is not what the cell's calls draw until the group comes, so the
    // cell is not remembered; nor is a fill that waits around the cells it covers.
    if (fill_behind_cells(cell)) return;
    forget(cell.rect, &cell);
    if (fill_around_group(cell)) return;
    for (const Op& o : cell.ops) draw(o);
    restore_state();
    if (skip_) cells.push_back(std::move(cell));
}

void CellFilter::forget(const Rect& area, const CellMemory::Cell* beside) {
    auto& cells = memory_.cells_;
    std::erase_if(cells, [&](const CellMemory::Cell& c) {
        const Rect shared = overlap(c.rect, area);
        if (empty(shared)) return false;
        // Two cells whose frames of one colour share a ring: the shared pixels are that colour
        // whichever is drawn last.
        const bool rings_only = beside && beside->clean_frame && c.clean_frame &&
                                beside->ops.front().pen == c.ops.front().pen &&
                                empty(overlap(shared, inset(c.rect))) &&
                                empty(overlap(shared, inset(beside->rect)));
        return !rings_only;
    });
}

void CellFilter::draw(const Op& o) {
    if (o.kind == Kind::rectangle || o.kind == Kind::ellipse || o.kind == Kind::line_to)
        if (!(picture_pen_ == o.pen)) picture_.SelectObject(picture_pen_ = o.pen);
    if (o.kind == Kind::rectangle || o.kind == Kind::ellipse) {
        if (!(picture_brush_ == o.brush)) picture_.SelectObject(picture_brush_ = o.brush);
    } else if (o.kind == Kind::text || o.kind == Kind::text_out) {
        if (!(picture_font_ == o.font)) picture_.SelectObject(picture_font_ = o.font);
        if (picture_text_colour_ != o.text_colour)
            picture_.SetTextColor(picture_text_colour_ = o.text_colour);
    }
    RecordingSurface::call(picture_, o);
}

// After a cell is drawn with the pens and fonts it was asked with, the picture gets back the
// ones selected since.
void CellFilter::restore_state() {
    if (!(picture_pen_ == pen_)) picture_.SelectObject(picture_pen_ = pen_);
    if (!(picture_brush_ == brush_)) picture_.SelectObject(picture_brush_ = brush_);
    if (!(picture_font_ == font_)) picture_.SelectObject(picture_font_ = font_);
    if (picture_text_colour_ != text_colour_)
        picture_.SetTextColor(picture_text_colour_ = text_colour_);
}

// A group is drawn when it has no copy yet, or its calls differ from the ones that drew the
// copy; it is then kept, when it covered its area first and stayed inside it.
void CellFilter::BeginGroup(const Rect& area) {
    if (!store_ || !skip_ || grouping_ || !store_->can_keep(area)) return;
    grouping_ = true;
    keepable_ = true;
    group_.area = area;
    group_.ops.clear();
    group_reach_.clear();
}

void CellFilter::note(const Op& o, const Rect& reach) {
    if (group_.ops.empty())
        keepable_ =
            (o.kind == Kind::rectangle || o.kind == Kind::fill_rect) && o.rect == group_.area;
    else
        group_reach_.push_back(reach);
    keepable_ = keepable_ && inside(reach, group_.area);
    group_.ops.push_back(o);
}

namespace {

// Whether `o` paints its rectangle in one colour, frame and all, and which.
bool solid_fill(const RecordingSurface::Op& o, COLORREF& colour) {
    using Kind = RecordingSurface::Kind;
    colour = o.brush.colour;
    return o.kind == Kind::fill_rect || (o.kind == Kind::rectangle && o.pen.colour == colour);
}

}  // namespace

// A cell that holds only a fill so far, in the colour the group first fills its whole area
// with, and that nothing else of the group reaches, has the same pixels whichever is drawn
// first: it waits on for the calls drawn into it after the group (the title's box is cleared
// before the graph's paper, which takes in its last rows, and its title drawn after it).
bool CellFilter::group_spares(const CellMemory::Cell& cell) const {
    COLORREF group_colour = 0, cell_colour = 0;
    return keepable_ && cell.ops.size() == 1 && solid_fill(group_.ops.front(), group_colour) &&
           solid_fill(cell.ops.front(), cell_colour) && cell_colour == group_colour &&
           std::none_of(group_reach_.begin(), group_reach_.end(),
                        [&](const Rect& r) { return !empty(overlap(r, cell.rect)); });
}

// The story's panel is cleared as the story goes, and a new problem's paint clears the whole
// board, before the graph's paper is drawn again or put back: a fill need not paint the part of
// the paper's area that the paper's first call fills, or that putting it back leaves as kept.
bool CellFilter::fill_around_group(const CellMemory::Cell& cell) {
    COLORREF colour = 0;
    if (!store_ || !skip_ || !std::all_of(cell.ops.begin(), cell.ops.end(), [&](const Op& o) {
            return solid_fill(o, colour);
        }))
        return false;
    const auto group = std::find_if(
        memory_.groups_.begin(), memory_.groups_.end(),
        [&](const CellMemory::Group& g) { return !empty(overlap(cell.rect, g.area)); });
    if (group == memory_.groups_.end()) return false;
    // The fills of a cell of several boxes, in their order.
    for (const Op& o : cell.ops) {
        solid_fill(o, colour);
        const Brush brush{colour};
        const Rect& c = o.rect;
        const Rect g = overlap(c, group->area);
        if (empty(g)) {
            fill(c, brush);
            continue;
        }
        waiting_fills_.push_back({g, brush});
        fill({c.left, c.top, c.right, g.top}, brush);
        fill({c.left, g.bottom, c.right, c.bottom}, brush);
        fill({c.left, g.top, g.left, g.bottom}, brush);
        fill({g.right, g.top, c.right, g.bottom}, brush);
    }
    return true;
}

void CellFilter::fill(const Rect& r, const Brush& brush) {
    if (empty(r)) return;
    Op o = op(Kind::fill_rect, r);
    o.brush = brush;
    draw(o);
}

// A new problem's paint clears the whole board, and then draws most of its cells just as they
// stand. Cleared at once, every one of them would be drawn again; instead the clearing waits,
// and covers only what no cell drawn after it covers: a cell left out keeps its pixels.
bool CellFilter::fill_behind_cells(const CellMemory::Cell& cell) {
    COLORREF colour = 0;
    if (!skip_ || !std::all_of(cell.ops.begin(), cell.ops.end(),
                               [&](const Op& o) { return solid_fill(o, colour); }))
        return false;
    const auto& cells = memory_.cells_;
    if (std::none_of(cells.begin(), cells.end(), [&](const CellMemory::Cell& c) {
            return !(c.rect == cell.rect) && inside(c.rect, cell.rect);
        }))
        return false;
    for (const Op& o : cell.ops) {
        solid_fill(o, colour);
        cut_waiting(o.rect);  // the fill is drawn over whatever waited there before it
        waiting_fills_.push_back({o.rect, Brush{colour}});
    }
    return true;
}

// Only the part of a waiting fill that something is about to be drawn over is drawn; the rest
// waits on, in pieces. Cut around every line of a graph drawn outside its group it would fall
// into hundreds: past a few dozen, what waits is drawn whole.
void CellFilter::fill_waiting(const Rect& area) {
    bool painted = false;
    for (const WaitingFill& w : waiting_fills_) {
        const Rect shared = overlap(w.area, area);
        if (empty(shared)) continue;
        fill(shared, w.brush);
        forget(shared);
        painted = true;
    }
    if (!painted) return;
    cut_waiting(area);
    static constexpr size_t kMostPieces = 48;
    if (waiting_fills_.size() <= kMostPieces) return;
    for (const WaitingFill& w : waiting_fills_) {
        fill(w.area, w.brush);
        forget(w.area);
    }
    waiting_fills_.clear();
}

void CellFilter::cut_waiting(const Rect& area) {
    if (waiting_fills_.empty()) return;
    std::vector<WaitingFill> rest;
    rest.reserve(waiting_fills_.size() + 3);
    for (const WaitingFill& w : waiting_fills_) {
        const Rect cut = overlap(w.area, area);
        if (empty(cut)) {
            rest.push_back(w);
            continue;
        }
        const Rect& a = w.area;
        for (const Rect& r :
             {Rect{a.left, a.top, a.right, cut.top}, Rect{a.left, cut.bottom, a.right, a.bottom},
              Rect{a.left, cut.top, cut.left, cut.bottom},
              Rect{cut.right, cut.top, a.right, cut.bottom}})
            if (!empty(r)) rest.push_back({r, w.brush});
    }
    waiting_fills_ = std::move(rest);
}

void CellFilter::EndGroup() {
    if (!grouping_) return;
    grouping_ = false;
    // What waits under the group goes first, as the group is drawn over it.
    std::erase_if(pending_, [&](CellMemory::Cell& cell) {
        if (empty(overlap(cell.rect, group_.area)) || group_spares(cell)) return false;
        decide(cell);
        return true;
    });
    // A fill that waits for the group is what the group covers first, when it covers its area.
    if (keepable_) cut_waiting(group_.area);
    fill_waiting(group_.area);
    auto& groups = memory_.groups_;
    const auto same = memory_.group_drawn_as(group_.area, group_.ops);
    put_back_.clear();
    if (same != groups.end() && store_->put_back(group_.area, same->copy, put_back_)) {
        for (const Rect& r : put_back_) forget(r);  // the rest of the area is as it was
        std::rotate(same, same + 1, groups.end());  // the most recently shown now
    } else {
        forget(group_.area);
        if (same != groups.end()) {  // the store lost it
            store_->drop(same->copy);
            groups.erase(same);
        }
        for (const Op& o : group_.ops) draw(o);
        if (keepable_) {
            if (memory_.area_full(group_.area)) {
                const auto oldest =
                    std::find_if(groups.begin(), groups.end(),
                                 [&](const CellMemory::Group& g) { return g.area == group_.area; });
                store_->drop(oldest->copy);
                groups.erase(oldest);
            }
            group_.copy = ++memory_.last_copy_;
            store_->keep(group_.area, group_.copy);
            groups.push_back(std::move(group_));
        }
    }
    restore_state();
    picture_.MoveTo(x_, y_);
}

void CellFilter::prepare(CellMemory& memory, PixelStore& store, const Rect& client,
                         const std::function<void(Surface&)>& draw) {
    // The groups as a filter notes them, from a drawing on nothing.
    struct Noting : PixelStore {
        PixelStore& store;
        explicit Noting(PixelStore& s) : store(s) {}
        bool can_keep(const Rect& area) override { return store.can_keep(area); }
        void keep(const Rect&, int) override {}
        bool put_back(const Rect&, int, std::vector<Rect>&) override { return false; }
    } noting(store);
    CellMemory noted;
    RecordingSurface nowhere(client);
    {
        CellFilter filter(noted, nowhere, true, &noting);
        draw(filter);
    }
    auto& groups = memory.groups_;
    for (CellMemory::Group& group : noted.groups_) {
        // Held already; or the copies shown lately keep their places.
        if (memory.group_drawn_as(group.area, group.ops) != groups.end() ||
            memory.area_full(group.area))
            continue;
        group.copy = ++memory.last_copy_;
        if (store.make(group.area, group.copy, group.ops))
            groups.insert(groups.begin(), std::move(group));  // shown least recently of all
    }
}

}  // namespace zarvo
