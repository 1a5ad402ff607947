#include "puzzle/story.h"

namespace zarvo {

namespace {

const char* const kCredits =
    "\n\n    Zarvo is made by the Zarvo team, a small group of teachers and programmers who "
    "think that a picture of a sum can teach more than a page of arithmetic. To tell us what "
    "you think, to report a fault or to ask for new problems, open an issue on the Zarvo "
    "project's issue tracker.";

}  // namespace

void build_story_texts(StoryTexts& t) {
    const char* boxes = t.story_numbers[0];
    const char* total = t.story_numbers[1];
    const char* blue = t.story_numbers[2];
    const char* green = t.story_numbers[3];
    const char* red = t.story_numbers[4];

    std::string& s = t.story_text;
    s = "    A truck carrying ";
    s += boxes;
    s += " boxes arrives at a remote destination in the jungle. The total weight of the ";
    s += boxes;
    s += " boxes is ";
    s += total;
    s += " pounds. Some boxes weigh ";
    s += blue;
    s += " pounds, some ";
    s += green;
    s += ", and some ";
    s += red;
    s += ". There is at least one box of each weight. The paperwork was lost and the manager at ";
    s += "headquarters needs to know how many boxes of each weight were shipped so he can update "
         "the computer database. ";
    s += "The phones are down so he asks you to figure it out. \n\n    A graph may help you do "
         "this. ";
    s += "The horizontal or X-axis of the grid will represent number of boxes. The vertical or "
         "Y-axis will ";
    s += "represent weight in pounds. The color blue will represent the ";
    s += blue;
    s += "-pound boxes, the green is for the ";
    s += green;
    s += "-pound boxes and the red is for the ";
    s += red;
    s += "-pound boxes. The desired graph is a line made up of three segments (blue, green, and "
         "red). ";
    s += "It starts at the lower left corner of the grid and should end at the upper right "
         "corner. You draw ";
    s += "by pressing the Up arrow key. You can undo a line by pressing the Down arrow key. Near "
         "the top left ";
    s += "corner is a circle which can be blue, green or red. It tells you the color of the line "
         "you are ";
    s += "drawing. To change the color, press the Tab key. Each time you press the Up arrow key "
         "you add one ";
    s += "to the box count and the weight of one box of the current color to the weight total. "
         "These ";
    s += "numbers are displayed in the orange table located below the color circle. The line "
         "segments ";
    s += "must be drawn in the following ";
    s += "sequence: First blue, then green, and last, red. When you undo a graph, the sequence is "
         "reversed. ";
    s += "Each time you press one of the arrow keys ";
    s += "the Move count goes up by one. When you solve the problem, your score will be the ratio "
         "(%) of the ";
    s += "optimal or ideal number of moves to your move count.";

    std::string& n = t.notice_text;
    n = "\n\n    This is the demo version of Zarvo. In this version there are only 28 problems and "
        "each has ";
    n += "more than one solution, making them easier to solve. ";
    n += kCredits;
}

}  // namespace zarvo
