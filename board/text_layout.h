// Where the lines of a DrawText call go: word wrap at blanks, "\n" ends a line, blanks after
// "\n" stay, a word longer than the line is not broken, lines advance by the cell height.
// Every surface uses this one routine with its own width measure.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "puzzle/geometry.h"

namespace zarvo {

struct PlacedLine {
    std::string_view text;  // without the blanks at a wrap point
    int32_t x = 0;
    int32_t y = 0;  // top of the line's cell
};

// The advance width of a piece of text, in pixels (fractions allowed: pieces add up).
using MeasureWidth = std::function<double(std::string_view)>;

// How far past its advance and its cell a line's letters may put ink, for a cell `cell` pixels
// high: the smoothing of their edges, and letters that lean or hang over.
inline int32_t glyph_overhang(int32_t cell) {
    return cell / 4 + 1;
}

// Splits `text` into the lines DrawText would draw within `width`.
std::vector<std::string_view> wrap_lines(std::string_view text, int32_t width, int format,
                                         const MeasureWidth& measure);

// Places the lines of `text` in `rect` for `format`, with `cell` the line pitch. Returns the
// bottom of the last line, which DT_CALCRECT reports.
int32_t place_lines(std::string_view text, const Rect& rect, int format, int32_t cell,
                    const MeasureWidth& measure, std::vector<PlacedLine>& out);

// What a surface's DrawText draws: the placed lines of `text` in `rect`. Null when there is
// nothing to draw: with DT_CALCRECT, which only sets rect.bottom, or in an empty rect. The lines
// stay valid until the next call on the same thread.
const std::vector<PlacedLine>* lines_to_draw(std::string_view text, Rect& rect, int format,
                                             int32_t cell, const MeasureWidth& measure);

}  // namespace zarvo
