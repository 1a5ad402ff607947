#include "puzzle/speech.h"

#include "puzzle/text.h"

namespace zarvo {

namespace {

// The colours as a word in a sentence and as the label before a colon.
const Text kColourNames[kColourCount] = {
    //: Spoken: the colour as a word inside a sentence ("The colour is blue.")
    ZARVOK_TEXT("Speech", "blue"),
    //: Spoken: the colour as a word inside a sentence
    ZARVOK_TEXT("Speech", "green"),
    //: Spoken: the colour as a word inside a sentence
    ZARVOK_TEXT("Speech", "red")};
const Text kColourLabels[kColourCount] = {
    //: Spoken: the colour at the start of a sentence, before a colon ("Blue: 3 boxes ...")
    ZARVOK_TEXT("Speech", "Blue"),
    //: Spoken: the colour at the start of a sentence, before a colon
    ZARVOK_TEXT("Speech", "Green"),
    //: Spoken: the colour at the start of a sentence, before a colon
    ZARVOK_TEXT("Speech", "Red")};

// Refusals, one whole sentence per colour so that a language can inflect the colour.
const Text kTakeBackFirst[kColourCount - 1] = {
    ZARVOK_TEXT("Speech", "Take back the green boxes first."),
    ZARVOK_TEXT("Speech", "Take back the red boxes first.")};
const Text kNoneToTakeBack[kColourCount] = {ZARVOK_TEXT("Speech", "No blue boxes to take back."),
                                            ZARVOK_TEXT("Speech", "No green boxes to take back."),
                                            ZARVOK_TEXT("Speech", "No red boxes to take back.")};
const Text kComesAfter[kColourCount - 1] = {
    ZARVOK_TEXT("Speech", "Green comes after blue: add blue boxes first."),
    ZARVOK_TEXT("Speech", "Red comes after green: add green boxes first.")};

std::string number(int32_t n) {
    return std::to_string(n);
}

// "Blue: 3 boxes of 30 pounds, 90 pounds." for one colour.
std::string colour_line(const GameState& s, int c) {
    const int32_t weight = 10 * s.problem().weight_tens[c];
    const int32_t n = s.seg_boxes[c];
    //: Spoken: %1 the colour, %n its boxes, %2 the pounds of one box, %3 of all of them. A
    //: speech engine reads "1" as a bare number: the singular may spell it out instead.
    return fill(translated(ZARVOK_N_TEXT("Speech", "%1: %n box(es) of %2 pounds, %3 pounds."), n),
                {translated(kColourLabels[c]), number(weight), number(n * weight)});
}

std::string what_is_left(const GameState& s) {
    //: Spoken: the boxes and the pounds still to place
    return fill(
        translated(ZARVOK_N_TEXT("Speech", "%n box(es) and %1 pounds left."), s.boxes_remaining),
        {number(s.weight_remaining)});
}

std::string solved_sentence(const GameState& s) {
    return fill(translated(ZARVOK_TEXT("Speech",
                                       "Solved in %1 moves! Your score is %2. Press Ctrl and P to "
                                       "print the results, or Home for the next problem.")),
                {number(s.move_count), number(s.score)});
}

bool word_char(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

std::string spoken(std::string_view sentence) {
    // Quotation marks and long dashes of other languages, in UTF-8: dropped, or a pause.
    static constexpr std::string_view kQuotes[] = {"\u201E", "\u201C", "\u201D", "\u00AB",
                                                   "\u00BB", "\u2039", "\u203A", "\u00A0"};
    static constexpr std::string_view kDashes[] = {"\u2013", "\u2014"};
    std::string out;
    out.reserve(sentence.size());
    const auto pause = [&out] {
        while (!out.empty() && out.back() == ' ') out.pop_back();
        if (!out.empty() && out.back() != ',' && out.back() != '.' && out.back() != '!' &&
            out.back() != '?')
            out += ',';
        if (!out.empty()) out += ' ';
    };
    const auto blank = [&out] {
        if (!out.empty() && out.back() != ' ') out += ' ';
    };
    for (size_t i = 0; i < sentence.size();) {
        const std::string_view rest = sentence.substr(i);
        bool matched = false;
        for (std::string_view q : kQuotes)
            if (rest.starts_with(q)) {
                if (q == "\u00A0") blank();
                i += q.size();
                matched = true;
            }
        for (std::string_view d : kDashes)
            if (rest.starts_with(d)) {
                pause();
                i += d.size();
                matched = true;
            }
        if (matched) continue;
        const char c = sentence[i];
        const char next = i + 1 < sentence.size() ? sentence[i + 1] : '\0';
        const char prev = i > 0 ? sentence[i - 1] : '\0';
        if (c == '(' || c == '[') {
            // A bracket that holds nothing worth saying goes with its contents.
            const size_t close = sentence.find_first_of(")]", i);
            const std::string_view inside =
                sentence.substr(i + 1, close == std::string_view::npos ? 0 : close - i - 1);
            if (close != std::string_view::npos &&
                inside.find_first_not_of(" %*#") == std::string_view::npos) {
                i = close + 1;
                continue;
            }
            pause();
        } else if (c == ')' || c == ']' || c == ':' || c == ';') {
            pause();
        } else if (c == '-' && word_char(prev) && word_char(next)) {
            out += ' ';
        } else if (c == '-' || c == '_' || c == '"' || c == '*' || c == '#' || c == '|' ||
                   c == '~' || c == '`' || c == '{' || c == '}' || c == '<' || c == '>' ||
                   c == '\\' || c == '^') {
            if (c == '-' || c == '|') pause();
        } else if (c == '/' || c == '\n' || c == '\t' || c == ' ') {
            blank();
        } else if (c == ',' || c == '.' || c == '!' || c == '?') {
            while (!out.empty() && (out.back() == ' ' || (out.back() == ',' && c != ',')))
                out.pop_back();
            if (c != ',' || (!out.empty() && out.back() != ',')) out += c;
        } else if (c != '%') {
            out += c;
        }
        ++i;
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == ',')) out.pop_back();
    size_t first = 0;
    while (first < out.size() && (out[first] == ' ' || out[first] == ',')) ++first;
    return out.substr(first);
}

std::string opening_sentence(const GameState& s) {
    const Problem p = s.problem();
    return fill(translated(ZARVOK_TEXT("Speech",
                                       "New problem: a truck carried %1 boxes weighing %2 pounds "
                                       "in all, some of %3, some of %4 and some of %5 pounds. "
                                       "Press F1 to hear the story.")),
                {number(p.box_total), number(10 * p.load_tens), number(10 * p.weight_tens[0]),
                 number(10 * p.weight_tens[1]), number(10 * p.weight_tens[2])});
}

std::string state_sentence(const GameState& s) {
    const Problem p = s.problem();
    std::string text = fill(translated(ZARVOK_TEXT("Speech", "Zarvo. The colour is %1.")),
                            {translated(kColourNames[s.current_colour])}) +
                       " ";
    for (int c = 0; c < kColourCount; ++c) text += colour_line(s, c) + " ";
    //: Spoken: %n boxes placed of the %1 on the truck, and %2 pounds placed of its %3
    text += fill(translated(ZARVOK_N_TEXT("Speech", "In all, %n of %1 boxes and %2 of %3 pounds."),
                            s.total_count),
                 {number(p.box_total), number(s.total_weight), number(10 * p.load_tens)});
    text += " " + what_is_left(s) + " ";
    //: Spoken: the key presses so far, and the score, a percentage
    text += fill(translated(ZARVOK_TEXT("Speech", "Moves: %1. Score: %2.")),
                 {number(s.move_count), number(s.score)});
    if (s.game_over == 1) {
        text += " " + solved_sentence(s);
    } else if (s.overlay_shown == 1) {
        text += " " + translated(ZARVOK_TEXT(
                          "Speech", "The story is shown: press F1 to hear it, Space to hide it."));
    }
    return text;
}

std::string refusal_reason(const GameState& s, int32_t vk, const Rect& grid) {
    if (vk != VK_UP && vk != VK_DOWN) return {};
    const int c = s.current_colour;
    for (int later = kColourCount - 1; later > c; --later)
        if (s.seg_boxes[later] > 0) return translated(kTakeBackFirst[later - 1]);
    if (vk == VK_DOWN) return s.seg_boxes[c] == 0 ? translated(kNoneToTakeBack[c]) : std::string();
    if (c > 0 && s.seg_boxes[c - 1] == 0) return translated(kComesAfter[c - 1]);
    const Problem p = s.problem();
    if (s.seg_boxes[c] == p.box_total || s.seg_end_x[c] + s.box_run > grid.right + 1)
        return fill(translated(ZARVOK_TEXT("Speech", "All %1 boxes are placed.")),
                    {number(p.box_total)});
    if (s.seg_end_y[c] - s.seg_rise[c] < grid.top - 1)
        return fill(translated(ZARVOK_TEXT("Speech", "That would pass %1 pounds.")),
                    {number(10 * p.load_tens)});
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
            return fill(
                //: Spoken after Tab: %1 the new colour, %n its boxes so far
                translated(ZARVOK_N_TEXT("Speech", "%1: %n box(es) so far."), after.seg_boxes[c]),
                {translated(kColourLabels[c])});
        }
        case VK_SPACE:
            return translated(ZARVOK_TEXT("Speech", "The story is hidden."));
        case VK_F1:
            return translated(ZARVOK_TEXT("Speech", "The story.")) + " " + texts.story_text;
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
