// The story of the current problem and the edition notice printed after it.
#pragma once

#include <string>

namespace zarvo {

constexpr int kStoryNumberSize = 9;  // at most 8 digits and the terminating zero

struct StoryTexts {
    // N, total pounds, then the blue, green and red box weights in pounds.
    char story_numbers[5][kStoryNumberSize] = {};
    std::string story_text;
    std::string notice_text;
};

// Rebuilds story_text and notice_text from story_numbers, replacing what they held.
void build_story_texts(StoryTexts& texts);

}  // namespace zarvo
