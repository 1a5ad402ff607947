// A game placed on a 10-pixel grid and painted once, ready for keys, with a chosen problem.
#pragma once

#include <ctime>

#include "puzzle/game.h"

namespace zarvo::testing {

inline ProblemChooser fixed_clock_chooser(int64_t seconds = 1000) {
    return ProblemChooser([seconds] { return seconds; });
}

// A fixed moment for banners and printed dates: 4 March 2026, 7:05:09.
inline std::tm some_time() {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 2, t.tm_mday = 4, t.tm_hour = 7, t.tm_min = 5, t.tm_sec = 9;
    return t;
}

struct PlacedGame {
    GameState state;
    StoryTexts texts;
    ProblemChooser chooser = fixed_clock_chooser();
    Rect grid{290, 20, 790, 520};  // grid_unit 10 on a 800 x 540 client

    explicit PlacedGame(int problem) { start(problem); }

    void start(int problem) {
        chooser.play_next(problem);
        new_game(state, texts, chooser);
        place_line(state, 10, grid);
        state.layout_ready = 1;
        state.board_state = 2;  // what the first full paint leaves
    }

    KeyOutcome key(int32_t vk) { return on_key(state, texts, chooser, vk, grid); }

    // Tabs round to colour c (Tab never refuses).
    void colour(int c) {
        while (state.current_colour != c) key(VK_TAB);
    }

    // Adds n boxes of colour c; returns how many were accepted.
    int up(int c, int n) {
        colour(c);
        int accepted = 0;
        for (int i = 0; i < n; ++i) accepted += key(VK_UP).cues[0] == Cue::accepted;
        return accepted;
    }
};

}  // namespace zarvo::testing
