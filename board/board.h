// Everything the game window owns apart from the toolkit: the game, its texts, the layout and
// the window title banner, with the drawing of the board, the overlay and the paint procedure.
#pragma once

#include <ctime>
#include <string>

#include "board/layout.h"
#include "board/surface.h"
#include "puzzle/game.h"
#include "puzzle/text.h"

namespace zarvo {

// The board's fixed texts, in the player's language.
std::string start_prompt();
std::string game_over_prompt();
std::string too_small_message();
std::string overlay_tail();
// The story shown over the board: the problem's story and the line that tells how to start.
std::string overlay_text(const StoryTexts& texts);

struct Board {
    GameState game;
    StoryTexts texts;
    Layout layout;
    ProblemChooser chooser;

    std::string overlay_text;
    Font overlay_font;
    // The fitted overlay height stays valid while the text and the panel stay the same.
    std::string fitted_text;
    Rect fitted_panel;
    int32_t fitted_text_unit = 0;

    std::string date_text;
    std::string title_banner;
    std::string print_banner;

    Board() = default;
    explicit Board(ProblemChooser chooser) : chooser(std::move(chooser)) {}
};

enum DrawMode : int { partial_mode = 0, full_mode = 1 };

void draw_board(Surface& dc, Board& board, int mode);
// The disc that shows the current colour (Tab).
void draw_colour_disc(Surface& dc, const Board& board);

// Whether `text` in the selected font stays inside `rect`: one line no wider than it, or wrapped
// lines that end above its bottom with no word wider than it.
bool fits_cell(Surface& dc, std::string_view text, const Rect& rect, int format);
// Where a line `height` pixels high goes when centred on `rect`: `rect` itself when the line
// fits in it, else a cell of the line's own height, centred as DT_VCENTER centres it.
Rect line_cell(const Rect& rect, int32_t height);
// Draws one of the board's fixed texts in `font`, or in the largest smaller size that fits its
// cell: a translation may need more room than the English the cell was made for.
void draw_in_cell(Surface& dc, std::string_view text, Rect rect, int format, const Font& font);

void draw_overlay(Surface& dc, Board& board);
int32_t fit_overlay_font(Surface& dc, Board& board);
void erase_overlay(Surface& dc, const Board& board);

void write_title_banner(Board& board, const std::tm& local);

enum class PaintResult {
    drawn,           // the board is on the surface
    too_small,       // the too-small message is on the surface
    nothing,         // the screen was too small before: nothing drawn
    client_changed,  // the client is not the size the layout was made for: end the program
};

// The paint procedure: banner, size checks, the layout at the first paint of a game, then the
// whole board from the game state.
PaintResult paint_board(Surface& dc, Board& board, const std::tm& local);

// Where a new client size is normal (a page in a browser), the next paint lays the board out
// for whatever size it finds, keeping the game as it stands.
void lay_out_again(Board& board);

// Carries out the drawing a key command asked for, on the key's surface.
PaintResult carry_out(Surface& dc, Board& board, const KeyOutcome& outcome, const std::tm& local);

// One key-down event against the board's game, with the grid the line was placed on.
inline KeyOutcome press_key(Board& b, int32_t vk) {
    return on_key(b.game, b.texts, b.chooser, vk, b.layout.grid_rect);
}

}  // namespace zarvo
