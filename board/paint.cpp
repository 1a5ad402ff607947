// The paint procedure and the drawing that follows a key.
#include "board/board.h"
#include "board/palette.h"

namespace zarvo {

std::string too_small_message() {
    //: Fills a screen too small for the game, in capitals; the numbers are pixels
    return translated(ZARVOK_TEXT("Board",
                                  "THIS GAME NEEDS A MINIMUM SCREEN WIDTH OF 800 AND A MINIMUM "
                                  "SCREEN HEIGHT OF 600. PLEASE QUIT NOW BY PRESSING THE Alt and "
                                  "F4 KEYS."));
}

void write_title_banner(Board& b, const std::tm& local) {
    b.date_text = format_date(local);
    b.title_banner =
        //: The window title and the printed page's first line; %1 is the date and time in the
        //: language's short form, such as 4.3.26 07:05:09
        fill(translated(
                 ZARVOK_TEXT("Board", "Zarvo, a puzzle from the Zarvo team -- %1 -- Version Z611")),
             {b.date_text});
    b.print_banner = b.title_banner;
}

PaintResult paint_board(Surface& dc, Board& b, const std::tm& local) {
    GameState& s = b.game;
    Layout& l = b.layout;
    if (s.screen_too_small == 1) return PaintResult::nothing;

    l.client_rect = dc.GetClientRect();
    const int32_t w = l.client_rect.right;
    const int32_t h = l.client_rect.bottom;
    dc.SetBkMode();
    l.warning_font = CreateFont(h / 12, FW_BOLD, Face::arial);
    write_title_banner(b, local);
    if (s.layout_ready == 1 && !(l.client_rect == l.last_client_rect))
        return PaintResult::client_changed;

    l.grid_unit = l.text_unit = 10;
    if (client_too_small(w, h)) {
        dc.FillRect(l.client_rect, palette::warning_brush);
        dc.SelectObject(l.warning_font);
        dc.SetTextColor(palette::blue_text);
        draw_in_cell(dc, too_small_message(), l.client_rect, DT_CENTER | DT_WORDBREAK,
                     l.warning_font);
        s.screen_too_small = 1;
        return PaintResult::too_small;
    }

    const Units units = choose_units(w, h);
    l.grid_unit = units.grid_unit;
    l.text_unit = units.text_unit;
    compute_grid(l);
    if (s.layout_ready != 1) {
        l.last_client_rect = l.client_rect;
        if (s.layout_ready == 0) {
            place_line(s, l.grid_unit, l.grid_rect);
        } else {
            move_line(s, l.grid_unit, l.grid_rect);
        }
        compute_panels(l);
        s.layout_ready = 1;
    }

    dc.SelectObject(palette::blank_pen);
    dc.SelectObject(palette::background_brush);
    dc.Rectangle(l.client_rect);
    s.board_state = 2;
    draw_board(dc, b, full_mode);
    return PaintResult::drawn;
}

void lay_out_again(Board& b) {
    GameState& s = b.game;
    s.screen_too_small = 0;
    if (s.layout_ready == 1) s.layout_ready = 2;  // laid out before: the line moves over
}

PaintResult carry_out(Surface& dc, Board& b, const KeyOutcome& outcome, const std::tm& local) {
    if (outcome.erase_overlay) erase_overlay(dc, b);
    switch (outcome.redraw) {
        case Redraw::none:
            break;
        case Redraw::colour_disc:
            draw_colour_disc(dc, b);
            break;
        case Redraw::overlay:
            draw_overlay(dc, b);
            break;
        case Redraw::board_partial:
            draw_board(dc, b, partial_mode);
            break;
        case Redraw::board_full:
            draw_board(dc, b, full_mode);
            break;
        case Redraw::paint:
            return paint_board(dc, b, local);
    }
    return PaintResult::drawn;
}

}  // namespace zarvo
