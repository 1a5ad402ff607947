#include "puzzle/speech.h"

namespace zarvo {

namespace {

const char* const kColourNames[kColourCount] = {"blue", "green", "red"};

std::string capital(std::string s) {
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

std::string boxes(int32_t n) {
    return std::to_string(n) + (n == 1 ? " box" : " boxes");
}

std::string pounds(int32_t n) {
    return std::to_string(n) + (n == 1 ? " pound" : " pounds");
}

// "Blue: 3 boxes, 90 pounds." for one colour.
std::string colour_line(const GameState& s, int c) {
    const Problem p = s.problem();
    const int32_t n = s.seg_boxes[c];
    return capital(kColourNames[c]) + ": " + boxes(n) + " of " + pounds(10 * p.weight_tens[c]) +
           ", " + pounds(n * 10 * p.weight_tens[c]) + ".";
}

std::string what_is_left(const GameState& s) {
    return boxes(s.boxes_remaining) + " and " + pounds(s.weight_remaining) + " left.";
}

std::string solved_sentence(const GameState& s) {
    return "Solved in " + std::to_string(s.move_count) + " moves! Your score is " +
           std::to_string(s.score) +
           ". Press Ctrl and P to print the results, or Home for the next problem.";
}

}  // namespace

std::string opening_sentence(const GameState& s) {
    const Problem p = s.problem();
    return "New problem: a truck carried " + boxes(p.box_total) + " weighing " +
           pounds(10 * p.load_tens) + " in all, some of " + std::to_string(10 * p.weight_tens[0]) +
           ", some of " + std::to_string(10 * p.weight_tens[1]) + " and some of " +
           pounds(10 * p.weight_tens[2]) + ". Press F1 to hear the story.";
}

std::string state_sentence(const GameState& s) {
    const Problem p = s.problem();
    std::string text = "Zarvo. The colour is " + std::string(kColourNames[s.current_colour]) + ". ";
    for (int c = 0; c < kColourCount; ++c) text += colour_line(s, c) + " ";
    text += "In all " + boxes(s.total_count) + " of " + std::to_string(p.box_total) + " and " +
            pounds(s.total_weight) + " of " + std::to_string(10 * p.load_tens) + "; " +
            what_is_left(s) + " Moves: " + std::to_string(s.move_count) +
            ". Score: " + std::to_string(s.score) + ".";
    if (s.game_over == 1) {
        text += " " + solved_sentence(s);
    } else if (s.overlay_shown == 1) {
        text += " The story is shown: press F1 to hear it, Space to hide it.";
    }
    return text;
}

std::string refusal_reason(const GameState& s, int32_t vk, const Rect& grid) {
    if (vk != VK_UP && vk != VK_DOWN) return {};
    const int c = s.current_colour;
    for (int later = kColourCount - 1; later > c; --later)
        if (s.seg_boxes[later] > 0)
            return "Take back the " + std::string(kColourNames[later]) + " boxes first.";
    if (vk == VK_DOWN) {
        if (s.seg_boxes[c] == 0)
            return "No " + std::string(kColourNames[c]) + " boxes to take back.";
        return {};
    }
    if (c > 0 && s.seg_boxes[c - 1] == 0)
        return capital(kColourNames[c]) + " comes after " + kColourNames[c - 1] + ": add " +
               kColourNames[c - 1] + " boxes first.";
    const Problem p = s.problem();
    if (s.seg_boxes[c] == p.box_total || s.seg_end_x[c] + s.box_run > grid.right + 1)
        return "All " + std::to_string(p.box_total) + " boxes are placed.";
    if (s.seg_end_y[c] - s.seg_rise[c] < grid.top - 1)
        return "That would pass " + pounds(10 * p.load_tens) + ".";
    return {};
}

std::string key_sentence(const GameState& before, const GameState& after, const StoryTexts& texts,
                         int32_t vk, const Rect& grid) {
    if (before.screen_too_small == 1) return {};
    if (vk == VK_HOME) return before.game_over == 1 ? opening_sentence(after) : std::string();
    if (before.game_over == 1 || before.board_state < 2) return {};
    switch (vk) {
        case VK_TAB: {
            const int c = after.current_colour;
            return capital(kColourNames[c]) + ": " + boxes(after.seg_boxes[c]) + " so far.";
        }
        case VK_SPACE:
            return "The story is hidden.";
        case VK_F1:
            return "The story. " + texts.story_text;
        case VK_UP:
        case VK_DOWN: {
            if (after.move_count == before.move_count) return refusal_reason(before, vk, grid);
            if (after.game_over == 1) return solved_sentence(after);
            return colour_line(after, after.current_colour) + " " + what_is_left(after);
        }
        default:
            return {};
    }
}

}  // namespace zarvo
