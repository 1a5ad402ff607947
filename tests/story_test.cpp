#include "puzzle/story.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "game_fixture.h"

namespace zarvo {
namespace {

size_t count_of(const std::string& text, const std::string& piece) {
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST(StoryTexts, ProblemTwentyOneReadsWhole) {
    testing::PlacedGame game(21);
    const std::string expected =
        "    A truck carrying 20 boxes arrives at a remote destination in the jungle. The total "
        "weight of the 20 boxes is 1000 pounds. Some boxes weigh 30 pounds, some 110, and some "
        "190. There is at least one box of each weight. The paperwork was lost and the manager at "
        "headquarters needs to know how many boxes of each weight were shipped so he can update "
        "the computer database. The phones are down so he asks you to figure it out. \n\n    A "
        "graph may help you do this. The horizontal or X-axis of the grid will represent number of "
        "boxes. The vertical or Y-axis will represent weight in pounds. The color blue will "
        "represent the 30-pound boxes, the green is for the 110-pound boxes and the red is for the "
        "190-pound boxes. The desired graph is a line made up of three segments (blue, green, and "
        "red). It starts at the lower left corner of the grid and should end at the upper right "
        "corner. You draw by pressing the Up arrow key. You can undo a line by pressing the Down "
        "arrow key. Near the top left corner is a circle which can be blue, green or red. It tells "
        "you the color of the line you are drawing. To change the color, press the Tab key. Each "
        "time you press the Up arrow key you add one to the box count and the weight of one box of "
        "the current color to the weight total. These numbers are displayed in the orange table "
        "located below the color circle. The line segments must be drawn in the following "
        "sequence: First blue, then green, and last, red. When you undo a graph, the sequence is "
        "reversed. Each time you press one of the arrow keys the Move count goes up by one. When "
        "you solve the problem, your score will be the ratio (%) of the optimal or ideal number of "
        "moves to your move count.";
    EXPECT_EQ(game.texts.story_text, expected);
    EXPECT_EQ(std::string(game.texts.story_numbers[0]), "20");
    EXPECT_EQ(std::string(game.texts.story_numbers[1]), "1000");
    EXPECT_EQ(game.texts.notice_text.rfind(
                  "\n\n    This is the demo version of Zarvo. In this version there are only 28 "
                  "problems and each has more than one solution, making them easier to solve. "
                  "\n\n    ",
                  0),
              0u);
}

TEST(StoryTexts, NewGamesReplaceTheStoryAndKeepItsShape) {
    testing::PlacedGame game(0);
    const std::string first = game.texts.story_text;
    EXPECT_EQ(count_of(first, " 50 boxes"), 2u);
    EXPECT_EQ(count_of(first, "120"), 2u);
    // A later game on another problem, then the first one again: the texts are built anew,
    // not added to what the last game left.
    game.start(21);
    EXPECT_EQ(count_of(game.texts.story_text, " 50 "), 0u);
    EXPECT_EQ(count_of(game.texts.story_text, "190"), 2u);
    game.start(0);
    EXPECT_EQ(game.texts.story_text, first);
    EXPECT_EQ(count_of(game.texts.notice_text, "demo version"), 1u);
}

}  // namespace
}  // namespace zarvo

#include "puzzle/speech.h"

namespace zarvo {
namespace {

TEST(Speech, ASentenceForEveryKindOfKey) {
    testing::PlacedGame game(21);  // 30, 110 and 190 pounds, 20 boxes
    const auto say = [&](int32_t vk) {
        const GameState before = game.state;
        game.key(vk);
        return key_sentence(before, game.state, game.texts, vk, game.grid);
    };
    EXPECT_EQ(opening_sentence(game.state),
              "New problem: a truck carried 20 boxes weighing 1000 pounds in all, some of 30, some "
              "of 110 and some of 190 pounds. Press F1 to hear the story.");
    EXPECT_EQ(state_sentence(game.state),
              "Zarvo. The colour is blue. Blue: 0 boxes of 30 pounds, 0 pounds. Green: 0 boxes of "
              "110 pounds, 0 pounds. Red: 0 boxes of 190 pounds, 0 pounds. In all, 0 of 20 boxes "
              "and 0 of 1000 pounds. 20 boxes and 1000 pounds left. Moves: 0. Score: 0. The story "
              "is shown: press F1 to hear it, Space to hide it.");
    EXPECT_EQ(say(VK_F1), "The story. " + game.texts.story_text);
    EXPECT_EQ(say(VK_SPACE), "The story is hidden.");
    EXPECT_EQ(say(VK_DOWN), "No blue boxes to take back.");
    EXPECT_EQ(say(VK_TAB), "Green: 0 boxes so far.");
    EXPECT_EQ(say(VK_UP), "Green comes after blue: add blue boxes first.");
    say(VK_TAB);
    EXPECT_EQ(say(VK_UP), "Red comes after green: add green boxes first.");
    say(VK_TAB);
    EXPECT_EQ(say(VK_UP), "Blue: 1 box of 30 pounds, 30 pounds. 19 boxes and 970 pounds left.");
    for (int i = 0; i < 16; ++i) say(VK_UP);
    say(VK_TAB);
    EXPECT_EQ(say(VK_UP), "Green: 1 box of 110 pounds, 110 pounds. 2 boxes and 380 pounds left.");
    say(VK_TAB);
    say(VK_UP);
    say(VK_TAB);
    EXPECT_EQ(say(VK_DOWN), "Take back the red boxes first.");
    say(VK_TAB);
    say(VK_TAB);
    EXPECT_EQ(say(VK_UP),
              "Solved in 20 moves! Your score is 100. Press Ctrl and P to print the "
              "results, or Home for the next problem.");
    EXPECT_NE(state_sentence(game.state).find("Moves: 20. Score: 100. Solved in 20 moves!"),
              std::string::npos);
    EXPECT_EQ(say(VK_UP), "");  // once solved, only Home acts
    game.chooser.play_next(4);
    EXPECT_EQ(say(VK_HOME).rfind("New problem: a truck carried 20 boxes", 0), 0u);

    // The two limits: boxes and pounds.
    testing::PlacedGame row4(4);
    for (int i = 0; i < 20; ++i) row4.key(VK_UP);
    GameState full = row4.state;
    EXPECT_EQ(refusal_reason(full, VK_UP, row4.grid), "All 20 boxes are placed.");
    testing::PlacedGame row0(0);  // 10, 20 and 120 pounds: 1 + 1 + 8 boxes make 990 pounds
    row0.up(0, 1);
    row0.up(1, 1);
    row0.up(2, 8);
    EXPECT_EQ(refusal_reason(row0.state, VK_UP, row0.grid), "That would pass 1000 pounds.");
    EXPECT_EQ(refusal_reason(row0.state, VK_DOWN, row0.grid), "");
}

// What a screen reader reads aloud at its usual punctuation level, and what it does not.
TEST(Speech, SpokenSentencesHaveNoMarkReadAloudAndLoseNoWord) {
    const std::string aloud = ":;()[]{}<>\"-_|`~#$%&*/=@^\\";
    const auto words = [](std::string_view text) {
        std::vector<std::string> out;
        std::string word;
        for (char c : text) {
            if (std::isalnum(static_cast<unsigned char>(c)) || c == '\'' || (c & 0x80)) {
                word += c;
            } else if (!word.empty()) {
                out.push_back(word);
                word.clear();
            }
        }
        if (!word.empty()) out.push_back(word);
        return out;
    };
    const struct {
        const char* text;
        const char* spoken;
    } cases[] = {
        {"Blue: 1 box of 30 pounds.", "Blue, 1 box of 30 pounds."},
        {"of 1000; 20 boxes left. Moves: 0.", "of 1000, 20 boxes left. Moves, 0."},
        {"the ratio (%) of the moves", "the ratio of the moves"},
        {"segments (blue, green, and red). It", "segments, blue, green, and red. It"},
        {"The X-axis counts 30-pound boxes", "The X axis counts 30 pound boxes"},
        {"    A truck.\n\n    A graph", "A truck. A graph"},
        {"Zarvo -- 12/9/26 --", "Zarvo, 12 9 26"},
        {"\xE2\x80\x9EStrg+P\xE2\x80\x9C dr\xC3\xBC"
         "cken \xE2\x80\x93 fertig",
         "Strg+P dr\xC3\xBC"
         "cken, fertig"},
        {"Solved! Your score is 100.", "Solved! Your score is 100."},
    };
    for (const auto& c : cases) EXPECT_EQ(spoken(c.text), c.spoken) << c.text;

    // Every story, the whole state and the sentence of every key along a walk through each problem.
    for (int row = 0; row < kProblemCount; ++row) {
        testing::PlacedGame game(row);
        std::vector<std::string> said = {state_sentence(game.state),
                                         "The story. " + game.texts.story_text};
        const int32_t keys[] = {VK_DOWN, VK_UP, VK_UP,   VK_TAB, VK_UP,
                                VK_TAB,  VK_UP, VK_DOWN, VK_F1};
        for (int32_t vk : keys) {
            const GameState before = game.state;
            game.key(vk);
            said.push_back(key_sentence(before, game.state, game.texts, vk, game.grid));
        }
        for (const std::string& text : said) {
            const std::string out = spoken(text);
            EXPECT_EQ(out.find_first_of(aloud), std::string::npos) << out;
            EXPECT_EQ(out.find('\n'), std::string::npos) << out;
            EXPECT_EQ(words(out), words(text)) << text;
        }
    }
}

}  // namespace
}  // namespace zarvo
