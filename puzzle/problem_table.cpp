#include "puzzle/problem_table.h"

namespace zarvo {

const int32_t problem_weight_tens[kProblemCount][kColourCount] = {
    {1, 2, 12},  {1, 3, 8},  {1, 6, 11}, {1, 6, 16}, {1, 3, 9},  {1, 3, 15}, {1, 5, 7},
    {1, 6, 8},   {1, 6, 16}, {1, 7, 15}, {2, 5, 8},  {2, 5, 11}, {2, 6, 9},  {2, 6, 10},
    {2, 6, 14},  {2, 7, 17}, {2, 8, 10}, {2, 8, 14}, {3, 5, 8},  {3, 5, 13}, {3, 7, 11},
    {3, 11, 19}, {4, 5, 7},  {4, 5, 9},  {4, 5, 12}, {4, 6, 7},  {4, 6, 8},  {4, 6, 12},
};

const int32_t problem_box_total[kProblemCount] = {
    50, 50, 50, 50, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20,
    20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20,
};

const int32_t problem_load_tens[kProblemCount] = {
    100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100,
    100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100,
};

const int32_t problem_line_step[kProblemCount] = {
    2, 2, 2, 2, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
};

const int32_t problem_cells_per_box[kProblemCount] = {
    2, 2, 2, 2, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
};

Problem problem_table(int index) {
    Problem row{};
    for (int c = 0; c < kColourCount; ++c) row.weight_tens[c] = problem_weight_tens[index][c];
    row.box_total = problem_box_total[index];
    row.load_tens = problem_load_tens[index];
    row.line_step = problem_line_step[index];
    row.cells_per_box = problem_cells_per_box[index];
    return row;
}

}  // namespace zarvo
