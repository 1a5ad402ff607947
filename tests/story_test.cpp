#include "puzzle/story.h"

#include <gtest/gtest.h>

#include <string>

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
