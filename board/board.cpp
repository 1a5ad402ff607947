#include "board/board.h"

#include <algorithm>
#include <cstdio>

#include "board/palette.h"

namespace zarvo {

std::string start_prompt() {
    //: The status prompt under the table while a game runs: three lines, each ending in a
    //: blank before the line break. Key names as the menus write them keep a line whole.
    return translated(ZARVOK_TEXT("Board",
                                  "To start, press the Up arrow key. \nTo view the instructions, "
                                  "press the F1 key. \nTo exit, press the Alt and F4 keys."));
}

std::string game_over_prompt() {
    //: The status prompt once the problem is solved: four lines, each ending in a blank
    //: before the line break.
    return translated(ZARVOK_TEXT("Board",
                                  "Game is over. \nTo print the results, press the Ctrl and P "
                                  "keys. \nTo play again, press the Home key. \nTo exit, press "
                                  "the Alt and F4 keys."));
}

// Whether `text` in the selected font stays inside `rect`: one line no wider than the rect, or
// wrapped lines that end above its bottom with no word wider than it.
bool fits_cell(Surface& dc, std::string_view text, const Rect& rect, int format) {
    if (format & DT_SINGLELINE) return dc.GetTextExtentPoint32(text).cx <= rect.width();
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find_first_of(" \n", start);
        if (end == std::string_view::npos) end = text.size();
        if (dc.GetTextExtentPoint32(text.substr(start, end - start)).cx > rect.width())
            return false;
        start = end + 1;
    }
    Rect r = rect;
    dc.DrawText(text, r, format | DT_CALCRECT);
    return r.bottom <= rect.bottom;
}

Rect line_cell(const Rect& rect, int32_t height) {
    if (height <= rect.height()) return rect;
    const int32_t top = rect.top + (rect.height() - height) / 2;
    return {rect.left, top, rect.right, top + height};
}

void draw_in_cell(Surface& dc, std::string_view text, Rect rect, int format, const Font& font) {
    Font f = font;
    while (f.height > 6 && !fits_cell(dc, text, rect, format)) {
        --f.height;
        dc.SelectObject(f);
    }
    // A line taller than its cell keeps its place and is clipped to its own height instead:
    // at the cell's edges the descenders of "Züge" or "Jugadas" would be cut off.
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER) && f.height > rect.height()) {
        rect = line_cell(rect, f.height);
        format &= ~DT_VCENTER;
    }
    dc.DrawText(text, rect, format);
    if (f.height != font.height) dc.SelectObject(font);
}

namespace {

using namespace palette;

struct Number {
    char text[12];
    explicit Number(int32_t value) {
        std::snprintf(text, sizeof text, "%i", static_cast<int>(value));
    }
};

const Text kHeaders[3] = {
    //: Table heading, one short line: the number of boxes of each colour
    ZARVOK_TEXT("Board", "Boxes"),
    //: Table heading, one short line: the weight of ONE box of that colour, in pounds ("per
    //: box"), beside the column of the pounds of all its boxes
    ZARVOK_TEXT("Board", "Box Wt."),
    //: Table heading, one short line: the pounds of all the boxes of that colour together
    ZARVOK_TEXT("Board", "Pounds")};
// Each label stands two blanks into its cell where it has the room.
const Text kRowLabels[5] = {
    //: Table row of the blue boxes: a label, capitalised (the spoken colour is "blue")
    ZARVOK_TEXT("Board", "Blue"),
    //: Table row of the green boxes: a label, capitalised
    ZARVOK_TEXT("Board", "Green"),
    //: Table row of the red boxes: a label, capitalised
    ZARVOK_TEXT("Board", "Red"),
    //: Table row: the boxes and pounds placed so far, all colours together
    ZARVOK_TEXT("Board", "Total"),
    //: Table row: the boxes and pounds still to place, of the truck's load
    ZARVOK_TEXT("Board", "Remain")};
const COLORREF kRowColours[5] = {blue_text, green_text, red_text, black, black};

void draw_dot(Surface& dc, int32_t x, int32_t y) {
    dc.Ellipse(x - 2, y - 2, x + 3, y + 3);
}

void draw_axis_label(Surface& dc, const Layout& l, const Rect& r, int32_t value) {
    dc.SelectObject(blank_pen);
    dc.Rectangle(r);
    dc.SelectObject(l.axis_font);
    dc.SetTextColor(axis_text);
    dc.DrawText(Number(value).text, r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(grid_major_pen);
}

void draw_full_graph(Surface& dc, const Board& b) {
    const Layout& l = b.layout;
    const GameState& s = b.game;
    const Problem p = s.problem();
    const Rect& grid = l.grid_rect;
    const int32_t g = l.grid_unit;
    const int32_t h = g / 2;

    // The paper under the line: the graph's area and the two pixels its left labels reach past
    // it, drawn as one group. Those two pixels are the background's colour already.
    const Rect paper{std::min(l.graph_area.left, grid.left - 2 - 2 * g), l.graph_area.top,
                     l.graph_area.right, l.graph_area.bottom};
    dc.BeginGroup(paper);
    dc.SelectObject(blank_pen);
    dc.SelectObject(background_brush);
    dc.Rectangle(paper);

    dc.SelectObject(grid_pen);
    for (int32_t i = 0; i <= 100; ++i) {
        dc.MoveTo(grid.left, grid.top + i * h);
        dc.LineTo(grid.right, grid.top + i * h);
    }
    for (int32_t i = 0; i <= 100; i += p.line_step) {
        dc.MoveTo(grid.left + i * h, grid.top);
        dc.LineTo(grid.left + i * h, grid.bottom);
    }

    dc.SelectObject(grid_major_pen);
    for (int32_t i = 0; i <= 100; i += 10) {
        dc.MoveTo(grid.left, grid.top + i * h);
        dc.LineTo(grid.right, grid.top + i * h);
        const int32_t top = grid.top + (i - 1) * h;
        draw_axis_label(dc, l, {grid.left - 2 - 2 * g, top, grid.left - 2, top + g + 1},
                        10 * (100 - i));
    }
    for (int32_t i = 0; i <= 100; i += 20) {
        dc.MoveTo(grid.left + i * h, grid.top);
        dc.LineTo(grid.left + i * h, grid.bottom);
        if (i > 0) {
            const int32_t left = grid.left + (i - 3) * h;
            draw_axis_label(dc, l, {left, grid.bottom + 2, left + 2 * g, grid.bottom + g + 3},
                            p.box_total * i / 100);
        }
    }
    dc.EndGroup();

    for (int c = 0; c < kColourCount; ++c) {
        const int32_t n = s.seg_boxes[c];
        if (n == 0) continue;
        const int32_t px = c == 0 ? s.seg_start_x[0] : s.seg_end_x[c - 1];
        const int32_t py = c == 0 ? s.seg_start_y[0] : s.seg_end_y[c - 1];
        for (int32_t i = 0; i <= n; ++i) {
            dc.SelectObject(segment_pen[c]);
            dc.SelectObject(colour_brush[c]);
            dc.MoveTo(px, py);
            const int32_t qx = px + i * s.box_run;
            const int32_t qy = py - i * s.seg_rise[c];
            dc.LineTo(qx, qy);
            draw_dot(dc, qx, qy);
        }
    }
}

void draw_partial_graph(Surface& dc, const GameState& s) {
    const int c = s.current_colour;
    dc.SelectObject(segment_pen[c]);
    dc.SelectObject(colour_brush[c]);
    dc.MoveTo(s.seg_start_x[c], s.seg_start_y[c]);
    dc.LineTo(s.seg_end_x[c], s.seg_end_y[c]);
    draw_dot(dc, s.seg_end_x[c], s.seg_end_y[c]);
}

}  // namespace

void draw_colour_disc(Surface& dc, const Board& b) {
    const int c = b.game.current_colour;
    dc.SelectObject(circle_pen[c]);
    dc.SelectObject(colour_brush[c]);
    dc.Ellipse(b.layout.colour_circle);
}

void draw_board(Surface& dc, Board& b, int mode) {
    GameState& s = b.game;
    const Layout& l = b.layout;
    if (s.board_state != 2) return;
    const Problem p = s.problem();

    dc.SetBkMode();
    dc.SelectObject(blank_pen);
    dc.SelectObject(background_brush);
    // The two labels are drawn again at every draw. Text drawn over itself on a surface that
    // smooths its edges gets darker each time, so their lines are cleared first: the same
    // picture as the one drawing on a white client. A line reaches a little into the box below
    // it, so it is cleared before the box's number is drawn.
    const Rect score_line = line_cell(l.score_label_rect, l.label_font.height);
    const Rect moves_line = line_cell(l.moves_label_rect, l.label_font.height);
    dc.Rectangle(score_line);
    dc.Rectangle(moves_line);
    dc.Rectangle(l.moves_box);
    dc.Rectangle(l.title_rect);

    dc.SelectObject(l.number_font);
    dc.SetTextColor(black);
    dc.DrawText(Number(s.move_count).text, l.moves_box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    dc.Rectangle(l.score_box);
    if (s.game_over == 1) s.score = score_for(s.move_count, p.box_total);
    dc.SetTextColor(score_text);
    dc.DrawText(Number(s.score).text, l.score_box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    dc.SelectObject(l.label_font);
    dc.SetTextColor(label_text);
    const int centred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    //: Label over the score, one short line: the score is a percentage (100 is a perfect game)
    draw_in_cell(dc, translated(ZARVOK_TEXT("Board", "Score")), l.score_label_rect, centred,
                 l.label_font);
    //: Label over the number of key presses so far, one short line, about as wide as the
    //: English
    draw_in_cell(dc, translated(ZARVOK_TEXT("Board", "Moves")), l.moves_label_rect, centred,
                 l.label_font);

    dc.Rectangle(l.colour_hint_box);
    //: Beside the coloured circle, in a small box: at most two short lines at full size
    draw_in_cell(dc, translated(ZARVOK_TEXT("Board", "To change color press the Tab key")),
                 l.colour_hint_box, DT_WORDBREAK, l.label_font);

    dc.Rectangle(l.prompt_box);
    if (s.game_over != 0) {
        dc.SetTextColor(blue_text);
        draw_in_cell(dc, game_over_prompt(), l.prompt_text_rect, DT_WORDBREAK, l.label_font);
    } else {
        dc.SetTextColor(red_text);
        draw_in_cell(dc, start_prompt(), l.prompt_text_rect, DT_WORDBREAK, l.label_font);
    }

    dc.SetTextColor(label_text);
    draw_colour_disc(dc, b);

    dc.SelectObject(table_pen);
    dc.SelectObject(table_brush);
    for (int k = 0; k < 3; ++k) {
        dc.Rectangle(l.table_header[k]);
        draw_in_cell(dc, translated(kHeaders[k]), l.table_header[k], centred, l.label_font);
    }
    for (int r = 0; r < 5; ++r) {
        dc.Rectangle(l.table_row_label[r]);
        dc.SetTextColor(kRowColours[r]);
        // A long word ("Vermelho") gives up the blanks before the font gets smaller.
        std::string label = "  " + translated(kRowLabels[r]);
        while (label[0] == ' ' &&
               !fits_cell(dc, label, l.table_row_label[r], DT_VCENTER | DT_SINGLELINE))
            label.erase(0, 1);
        draw_in_cell(dc, label, l.table_row_label[r], DT_VCENTER | DT_SINGLELINE, l.label_font);
    }
    const int32_t values[5][3] = {
        {s.blue_count, 10 * p.weight_tens[0], s.blue_weight},
        {s.green_count, 10 * p.weight_tens[1], s.green_weight},
        {s.red_count, 10 * p.weight_tens[2], s.red_weight},
        {s.total_count, 0, s.total_weight},
        {s.boxes_remaining, 0, s.weight_remaining},
    };
    for (int r = 0; r < 5; ++r) {
        dc.SetTextColor(kRowColours[r]);
        for (int k = 0; k < 3; ++k) {
            dc.Rectangle(l.table_cell[r][k]);
            if (r >= 3 && k == 1) continue;  // Total and Remain have no box weight
            dc.DrawText(Number(values[r][k]).text, l.table_cell[r][k],
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }

    if (mode == full_mode) {
        draw_full_graph(dc, b);
    } else {
        draw_partial_graph(dc, s);
    }

    dc.SelectObject(l.title_font);
    dc.SetTextColor(title_text);
    dc.DrawText("ZARVO", l.title_rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    if (s.overlay_shown == 1) draw_overlay(dc, b);
}

}  // namespace zarvo
