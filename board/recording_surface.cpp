#include "board/recording_surface.h"

#include "board/text_layout.h"

namespace zarvo {

RecordingSurface::Op RecordingSurface::make(Kind kind, Rect rect) const {
    return Op{kind, rect, pen_, brush_, font_, text_colour_, {}, 0};
}

void RecordingSurface::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
    ops_.push_back(make(Kind::rectangle, {l, t, r, b}));
}

void RecordingSurface::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
    ops_.push_back(make(Kind::ellipse, {l, t, r, b}));
}

void RecordingSurface::MoveTo(int32_t x, int32_t y) {
    ops_.push_back(make(Kind::move_to, {x, y, x, y}));
}

void RecordingSurface::LineTo(int32_t x, int32_t y) {
    ops_.push_back(make(Kind::line_to, {x, y, x, y}));
}

void RecordingSurface::FillRect(const Rect& rect, const Brush& brush) {
    Op op = make(Kind::fill_rect, rect);
    op.brush = brush;
    ops_.push_back(op);
}

void RecordingSurface::DrawText(std::string_view text, Rect& rect, int format) {
    const int32_t cw = char_width(font_);
    const auto measure = [cw](std::string_view s) { return static_cast<double>(s.size()) * cw; };
    std::vector<PlacedLine> lines;
    const int32_t bottom = place_lines(text, rect, format, font_.height, measure, lines);
    if (format & DT_CALCRECT) {
        rect.bottom = bottom;
        return;
    }
    Op op = make(Kind::text, rect);
    op.text = std::string(text);
    op.format = format;
    ops_.push_back(op);
}

void RecordingSurface::TextOut(int32_t x, int32_t y, std::string_view text) {
    Op op = make(Kind::text_out, {x, y, x, y});
    op.text = std::string(text);
    ops_.push_back(op);
}

Size RecordingSurface::GetTextExtentPoint32(std::string_view text) {
    return Size{static_cast<int32_t>(text.size()) * char_width(font_), font_.height};
}

std::vector<std::string> RecordingSurface::texts() const {
    std::vector<std::string> out;
    for (const Op& op : ops_)
        if (op.kind == Kind::text || op.kind == Kind::text_out) out.push_back(op.text);
    return out;
}

int RecordingSurface::count(Kind kind) const {
    int n = 0;
    for (const Op& op : ops_) n += op.kind == kind;
    return n;
}

void RecordingSurface::call(Surface& dc, const Op& o) {
    Rect r = o.rect;
    switch (o.kind) {
        case Kind::rectangle:
            dc.Rectangle(r);
            break;
        case Kind::ellipse:
            dc.Ellipse(r);
            break;
        case Kind::fill_rect:
            dc.FillRect(r, o.brush);
            break;
        case Kind::text:
            dc.DrawText(o.text, r, o.format);
            break;
        case Kind::text_out:
            dc.TextOut(r.left, r.top, o.text);
            break;
        case Kind::move_to:
            dc.MoveTo(r.left, r.top);
            break;
        case Kind::line_to:
            dc.LineTo(r.left, r.top);
            break;
    }
}

void RecordingSurface::play(Surface& dc, const std::vector<Op>& ops) {
    for (const Op& o : ops) {
        if (o.kind == Kind::rectangle || o.kind == Kind::ellipse || o.kind == Kind::line_to)
            dc.SelectObject(o.pen);
        if (o.kind == Kind::rectangle || o.kind == Kind::ellipse) dc.SelectObject(o.brush);
        if (o.kind == Kind::text || o.kind == Kind::text_out) {
            dc.SelectObject(o.font);
            dc.SetTextColor(o.text_colour);
        }
        call(dc, o);
    }
}

}  // namespace zarvo
