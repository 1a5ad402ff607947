// The one game in progress: its state record, a new game, the line's starting place and the
// six key commands. The rules change the state and say what must follow (sound cues and
// drawing); they never draw themselves.
#pragma once

#include <cstdint>
#include <functional>

#include "puzzle/geometry.h"
#include "puzzle/problem_table.h"
#include "puzzle/story.h"

namespace zarvo {

// Virtual-key codes of the keys that act; every other code does nothing.
enum : int32_t {
    VK_TAB = 0x09,
    VK_SPACE = 0x20,
    VK_HOME = 0x24,
    VK_UP = 0x26,
    VK_DOWN = 0x28,
    VK_F1 = 0x70,
};

enum class Cue : int32_t { accepted = 101, refused = 102, solved = 103 };

struct GameState {
    int32_t problem_index = 0;
    int32_t board_state = 1;   // 1: not drawn since the new game; 2: drawn in full
    int32_t layout_ready = 0;  // 0: not yet; 1: laid out; 2: to lay out again, keeping the line
    int32_t screen_too_small = 0;
    int32_t current_colour = 0;
    int32_t game_over = 0;
    int32_t move_count = 0;
    int32_t score = 0;
    int32_t overlay_shown = 1;

    int32_t seg_start_x[kColourCount] = {};
    int32_t seg_start_y[kColourCount] = {};
    int32_t seg_end_x[kColourCount] = {};
    int32_t seg_end_y[kColourCount] = {};
    int32_t seg_boxes[kColourCount] = {};
    int32_t seg_rise[kColourCount] = {};
    int32_t box_run = 0;

    int32_t blue_count = 0, green_count = 0, red_count = 0;
    int32_t blue_weight = 0, green_weight = 0, red_weight = 0;
    int32_t total_count = 0;
    int32_t total_weight = 0;
    int32_t boxes_remaining = 0;
    int32_t weight_remaining = 0;

    Problem problem() const { return problem_table(problem_index); }
};

// Picks the problem of every new game: seeds from the calendar clock in whole seconds, draws
// one value 0..32767 and takes it modulo 28. A first problem can be fixed (for a class that
// should all play the same one) and the clock replaced (for tests).
class ProblemChooser {
  public:
    using Clock = std::function<int64_t()>;

    ProblemChooser();
    explicit ProblemChooser(Clock clock);

    // The next choice plays `index` instead of a random problem; later choices are random.
    void play_next(int index) { forced_ = index; }
    int choose();

    // The generator: one value in 0..32767 drawn right after seeding with `seed`.
    static int32_t first_value(uint32_t seed);

  private:
    Clock clock_;
    int forced_ = -1;
};

// What a key command asks of the view, in the order it is to be carried out: start the cues,
// erase the overlay, then the one redraw.
enum class Redraw {
    none,
    colour_disc,    // Tab: the disc in the new colour
    overlay,        // F1: the overlay over the board as it stands
    board_partial,  // an Up without the overlay: the newest segment only
    board_full,
    paint,  // Home: the whole paint procedure on the key's surface
};

struct KeyOutcome {
    Cue cues[2] = {};
    int cue_count = 0;
    bool erase_overlay = false;
    Redraw redraw = Redraw::none;
};

// Starts a new game: resets the state, picks a problem, formats the story numbers and builds the
// story texts. The line keeps its old place until place_line runs at the next layout.
void new_game(GameState& state, StoryTexts& texts, ProblemChooser& chooser);

// Puts all three segments at the lower-left corner of `grid_rect` with the per-box steps for
// `grid_unit`, and sets the table values to their start.
void place_line(GameState& state, int32_t grid_unit, const Rect& grid_rect);

// Puts the line as it stands on a new grid (`grid_unit`, `grid_rect`): every segment keeps its
// boxes and the table its values, so a game goes on at another size.
void move_line(GameState& state, int32_t grid_unit, const Rect& grid_rect);

// One key-down event. `grid_rect` is the grid the line was placed on.
KeyOutcome on_key(GameState& state, StoryTexts& texts, ProblemChooser& chooser, int32_t vk,
                  const Rect& grid_rect);

// The score of a game solved in `move_count` moves with N boxes: 100 N / moves, rounded.
int32_t score_for(int32_t move_count, int32_t box_total);

// Print is offered exactly after a win, and never on a screen that was too small.
inline bool print_enabled(const GameState& s) {
    return s.game_over == 1 && s.screen_too_small == 0;
}

}  // namespace zarvo
