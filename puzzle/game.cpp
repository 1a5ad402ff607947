#include "puzzle/game.h"

#include <cstdio>
#include <ctime>

namespace zarvo {

namespace {

int64_t calendar_seconds() {
    return static_cast<int64_t>(std::time(nullptr));
}

int32_t* colour_count(GameState& s, int c) {
    int32_t* counts[kColourCount] = {&s.blue_count, &s.green_count, &s.red_count};
    return counts[c];
}

int32_t* colour_weight(GameState& s, int c) {
    int32_t* weights[kColourCount] = {&s.blue_weight, &s.green_weight, &s.red_weight};
    return weights[c];
}

void reset_table(GameState& s, const Problem& p) {
    s.blue_count = s.green_count = s.red_count = 0;
    s.blue_weight = s.green_weight = s.red_weight = 0;
    s.total_count = s.total_weight = 0;
    s.boxes_remaining = p.box_total;
    s.weight_remaining = 10 * p.load_tens;
}

// Colour order: blue may change only while green and red are empty, green only while red is.
bool later_colour_holds_boxes(const GameState& s, int c) {
    for (int later = c + 1; later < kColourCount; ++later)
        if (s.seg_boxes[later] > 0) return true;
    return false;
}

bool up_refused(const GameState& s, int c, const Problem& p, const Rect& grid) {
    if (later_colour_holds_boxes(s, c)) return true;
    if (c > 0 && s.seg_boxes[c - 1] == 0) return true;
    if (s.seg_boxes[c] == p.box_total) return true;
    if (s.seg_end_x[c] + s.box_run > grid.right + 1) return true;
    if (s.seg_end_y[c] - s.seg_rise[c] < grid.top - 1) return true;
    return false;
}

bool down_refused(const GameState& s, int c) {
    return later_colour_holds_boxes(s, c) || s.seg_boxes[c] == 0;
}

// The later segments start (and, being empty, end) where segment c now ends.
void carry_end_forward(GameState& s, int c) {
    for (int later = c + 1; later < kColourCount; ++later) {
        s.seg_start_x[later] = s.seg_end_x[later] = s.seg_end_x[c];
        s.seg_start_y[later] = s.seg_end_y[later] = s.seg_end_y[c];
    }
}

void add_cue(KeyOutcome& out, Cue cue) {
    out.cues[out.cue_count++] = cue;
}

// One accepted Up (step +1) or Down (step -1) of colour c: segment, counts, weights.
void move_box(GameState& s, int c, int step, const Problem& p) {
    const int32_t pounds = 10 * p.weight_tens[c];
    s.seg_boxes[c] += step;
    s.seg_end_x[c] += step * s.box_run;
    s.seg_end_y[c] -= step * s.seg_rise[c];
    s.move_count += 1;
    *colour_count(s, c) += step;
    *colour_weight(s, c) += step * pounds;
    s.total_count += step;
    s.total_weight += step * pounds;
    s.boxes_remaining -= step;
    s.weight_remaining -= step * pounds;
}

void hide_overlay(GameState& s, KeyOutcome& out) {
    out.erase_overlay = true;
    s.overlay_shown = 0;
}

}  // namespace

ProblemChooser::ProblemChooser() : clock_(calendar_seconds) {}
ProblemChooser::ProblemChooser(Clock clock) : clock_(std::move(clock)) {}

int32_t ProblemChooser::first_value(uint32_t seed) {
    seed = seed * 214013u + 2531011u;
    return static_cast<int32_t>((seed >> 16) & 0x7FFFu);
}

int ProblemChooser::choose() {
    const auto seed = static_cast<uint32_t>(clock_());
    const int32_t value = first_value(seed);
    if (forced_ >= 0) {
        const int index = forced_;
        forced_ = -1;
        return index;
    }
    return value % kProblemCount;
}

void new_game(GameState& s, StoryTexts& texts, ProblemChooser& chooser) {
    s.current_colour = 0;
    s.board_state = 1;
    s.overlay_shown = 1;
    s.move_count = 0;
    s.game_over = 0;
    s.screen_too_small = 0;
    s.layout_ready = 0;
    s.score = 0;
    s.blue_count = s.green_count = s.red_count = 0;
    s.blue_weight = s.green_weight = s.red_weight = 0;
    s.total_count = s.total_weight = 0;

    s.problem_index = chooser.choose();
    const Problem p = s.problem();
    s.boxes_remaining = p.box_total;
    s.weight_remaining = 10 * p.load_tens;

    const int32_t numbers[5] = {p.box_total, s.weight_remaining, 10 * p.weight_tens[0],
                                10 * p.weight_tens[1], 10 * p.weight_tens[2]};
    for (int i = 0; i < 5; ++i)
        std::snprintf(texts.story_numbers[i], kStoryNumberSize, "%i", static_cast<int>(numbers[i]));
    build_story_texts(texts);
}

void place_line(GameState& s, int32_t grid_unit, const Rect& grid_rect) {
    const Problem p = s.problem();
    for (int c = 0; c < kColourCount; ++c) s.seg_rise[c] = p.weight_tens[c] * grid_unit / 2;
    s.box_run = p.cells_per_box * grid_unit / 2;
    reset_table(s, p);
    for (int c = 0; c < kColourCount; ++c) {
        s.seg_start_x[c] = s.seg_end_x[c] = grid_rect.left;
        s.seg_start_y[c] = s.seg_end_y[c] = grid_rect.bottom;
        s.seg_boxes[c] = 0;
    }
}

void move_line(GameState& s, int32_t grid_unit, const Rect& grid_rect) {
    const GameState kept = s;
    place_line(s, grid_unit, grid_rect);
    s.blue_count = kept.blue_count, s.green_count = kept.green_count, s.red_count = kept.red_count;
    s.blue_weight = kept.blue_weight, s.green_weight = kept.green_weight;
    s.red_weight = kept.red_weight;
    s.total_count = kept.total_count, s.total_weight = kept.total_weight;
    s.boxes_remaining = kept.boxes_remaining, s.weight_remaining = kept.weight_remaining;
    int32_t x = grid_rect.left, y = grid_rect.bottom;
    for (int c = 0; c < kColourCount; ++c) {
        s.seg_boxes[c] = kept.seg_boxes[c];
        s.seg_start_x[c] = x, s.seg_start_y[c] = y;
        x += s.seg_boxes[c] * s.box_run;
        y -= s.seg_boxes[c] * s.seg_rise[c];
        s.seg_end_x[c] = x, s.seg_end_y[c] = y;
    }
}

int32_t score_for(int32_t move_count, int32_t box_total) {
    return (move_count / 2 + 100 * box_total) / move_count;
}

KeyOutcome on_key(GameState& s, StoryTexts& texts, ProblemChooser& chooser, int32_t vk,
                  const Rect& grid_rect) {
    KeyOutcome out;
    if (s.screen_too_small == 1) return out;
    if (vk == VK_HOME) {
        if (s.game_over == 1) {
            new_game(s, texts, chooser);
            out.redraw = Redraw::paint;
        }
        return out;
    }
    if (s.game_over == 1 || s.board_state < 2) return out;

    const int c = s.current_colour;
    const Problem p = s.problem();
    switch (vk) {
        case VK_TAB:
            s.current_colour = (s.current_colour + 1) % kColourCount;
            out.redraw = Redraw::colour_disc;
            break;
        case VK_SPACE:
            hide_overlay(s, out);
            out.redraw = Redraw::board_full;
            break;
        case VK_F1:
            s.overlay_shown = 1;
            out.redraw = Redraw::overlay;
            break;
        case VK_UP:
            if (up_refused(s, c, p, grid_rect)) {
                add_cue(out, Cue::refused);
                break;
            }
            move_box(s, c, +1, p);
            add_cue(out, Cue::accepted);
            if (s.boxes_remaining == 0 && s.weight_remaining == 0 && s.seg_boxes[0] >= 1 &&
                s.seg_boxes[1] >= 1 && s.seg_boxes[2] >= 1) {
                add_cue(out, Cue::solved);
                s.game_over = 1;
                s.score = score_for(s.move_count, p.box_total);
            }
            if (s.overlay_shown == 1) {
                hide_overlay(s, out);
                out.redraw = Redraw::board_full;
            } else {
                out.redraw = Redraw::board_partial;
            }
            carry_end_forward(s, c);
            break;
        case VK_DOWN:
            if (down_refused(s, c)) {
                add_cue(out, Cue::refused);
                break;
            }
            move_box(s, c, -1, p);
            add_cue(out, Cue::accepted);
            if (s.overlay_shown == 1) hide_overlay(s, out);
            out.redraw = Redraw::board_full;
            carry_end_forward(s, c);
            break;
        default:
            break;
    }
    return out;
}

}  // namespace zarvo
