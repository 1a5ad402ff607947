// The first solution of a problem (fewest blue boxes, then fewest green), found by trying
// every count: for the programs that play whole games.
#pragma once

#include <array>

#include "puzzle/problem_table.h"

namespace zarvo::testing {

inline std::array<int, 3> first_solution(const Problem& p) {
    for (int b = 1; b < p.box_total; ++b)
        for (int g = 1; b + g < p.box_total; ++g) {
            const int r = p.box_total - b - g;
            if (b * p.weight_tens[0] + g * p.weight_tens[1] + r * p.weight_tens[2] == p.load_tens)
                return {b, g, r};
        }
    return {0, 0, 0};
}

}  // namespace zarvo::testing
