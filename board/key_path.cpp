#include "board/key_path.h"

#include "puzzle/speech.h"

namespace zarvo {

KeyStep handle_key(Board& board, int32_t vk, KeyShell& shell, bool listened, const std::tm& local) {
    KeyStep step;
    const GameState before = listened ? board.game : GameState{};
    const bool overlay_up = board.game.overlay_shown == 1;
    step.outcome = press_key(board, vk);
    KeyOutcome& outcome = step.outcome;
    if (outcome.redraw == Redraw::overlay && overlay_up) {
        // F1 with the story already up: smoothed text drawn over itself would darken, so the
        // panel is cleared and the board drawn again, ending with the story as before.
        outcome.erase_overlay = true;
        outcome.redraw = Redraw::board_full;
    }
    for (int i = 0; i < outcome.cue_count; ++i) shell.play_cue(outcome.cues[i]);
    if (outcome.erase_overlay || outcome.redraw != Redraw::none) {
        if (!shell.has_picture()) {
            step.paint_due = true;
            return step;
        }
        const bool story_goes = outcome.erase_overlay && overlay_up;
        const bool moves = !story_goes && (outcome.redraw == Redraw::colour_disc ||
                                           outcome.redraw == Redraw::board_partial ||
                                           outcome.redraw == Redraw::board_full);
        shell.draw_key(
            [&](Surface& dc) { step.paint_result = carry_out(dc, board, outcome, local); }, moves);
        step.painted = outcome.redraw == Redraw::paint;
    }
    if (listened)
        step.sentence = key_sentence(before, board.game, board.texts, vk, board.layout.grid_rect);
    return step;
}

}  // namespace zarvo
