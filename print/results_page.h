// The one-page results sheet: banner, score and solution, story and notice.
#pragma once

#include <string>

#include "board/board.h"
#include "board/surface.h"

namespace zarvo {

struct PageGeometry {
    int32_t W, H, c, L, R, e, T, B, F, F_b;
};

PageGeometry page_geometry(int32_t width, int32_t height);

struct PageRects {
    int32_t y0;
    Rect result;
    Rect story;
};

// The result and story blocks for line unit `h` (the height of "W" in the banner font).
PageRects page_rects(const PageGeometry& g, int32_t h);

// "Your score was: ..." with the player's solution, one line per colour.
std::string result_text(const GameState& state, const StoryTexts& texts);

// Draws the page on a surface whose drawing rectangle is (0, 0, width, height). Uses
// board.overlay_text as the holder of the printed story; changes nothing of the game.
void draw_results_page(Surface& dc, Board& board, int32_t width, int32_t height);

// Print is allowed only once a game is over.
inline bool prepare_printing_allowed(const GameState& s) {
    return s.game_over == 1;
}

}  // namespace zarvo
