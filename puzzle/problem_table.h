// The 28 truck loads the game ships, held as parallel constant arrays.
#pragma once

#include <cstdint>

namespace zarvo {

constexpr int kProblemCount = 28;
constexpr int kColourCount = 3;  // 0 blue, 1 green, 2 red

// Weights are stored in tens of pounds, blue first in every triple.
extern const int32_t problem_weight_tens[kProblemCount][kColourCount];
extern const int32_t problem_box_total[kProblemCount];
extern const int32_t problem_load_tens[kProblemCount];
extern const int32_t problem_line_step[kProblemCount];
extern const int32_t problem_cells_per_box[kProblemCount];

// One row of the table, gathered from the parallel arrays.
struct Problem {
    int32_t weight_tens[kColourCount];
    int32_t box_total;
    int32_t load_tens;
    int32_t line_step;
    int32_t cells_per_box;
};

// Row lookup; `index` must lie in 0..27.
Problem problem_table(int index);

}  // namespace zarvo
