// Every invariant of the game state, for the property test and the fuzzer alike: the name of
// the first one broken, or null.
#pragma once

#include "puzzle/game.h"

namespace zarvo {

inline const char* invariant_broken(const GameState& s, const Rect& grid) {
    const Problem p = s.problem();
    const int32_t counts[3] = {s.blue_count, s.green_count, s.red_count};
    const int32_t weights[3] = {s.blue_weight, s.green_weight, s.red_weight};
    int32_t total = 0, pounds = 0;
    for (int c = 0; c < 3; ++c) {
        if (counts[c] != s.seg_boxes[c]) return "count differs from the segment";
        if (weights[c] != counts[c] * 10 * p.weight_tens[c]) return "weight differs from count";
        if (s.seg_end_x[c] != s.seg_start_x[c] + s.seg_boxes[c] * s.box_run) return "segment end x";
        if (s.seg_end_y[c] != s.seg_start_y[c] - s.seg_boxes[c] * s.seg_rise[c])
            return "segment end y";
        total += counts[c];
        pounds += weights[c];
    }
    if (s.seg_start_x[0] != grid.left || s.seg_start_y[0] != grid.bottom)
        return "blue starts off the corner";
    for (int c = 1; c < 3; ++c) {
        if (s.seg_start_x[c] != s.seg_end_x[c - 1] || s.seg_start_y[c] != s.seg_end_y[c - 1])
            return "segments not joined end to start";
        if (s.seg_boxes[c] > 0 && s.seg_boxes[c - 1] == 0) return "colour order";
    }
    if (s.total_count != total || s.total_weight != pounds) return "totals";
    if (s.boxes_remaining != p.box_total - total) return "boxes remaining";
    if (s.weight_remaining != 1000 - pounds) return "weight remaining";
    if (s.boxes_remaining < 0 || s.weight_remaining < 0) return "negative remaining";
    if (s.move_count < s.total_count || (s.move_count - s.total_count) % 2 != 0)
        return "move parity";
    if (s.game_over == 1) {
        if (s.boxes_remaining != 0 || s.weight_remaining != 0) return "game over off the corner";
        if (s.blue_count < 1 || s.green_count < 1 || s.red_count < 1)
            return "game over without three colours";
        // The ratio of ideal to used moves in percent, rounded half up, worked out here on
        // its own rather than by the game's formula.
        const int32_t twice_ratio = 200 * p.box_total / s.move_count;  // 2x, truncated
        const int32_t rounded = twice_ratio / 2 + twice_ratio % 2;
        if (s.score != rounded) return "score";
    }
    return nullptr;
}

}  // namespace zarvo
