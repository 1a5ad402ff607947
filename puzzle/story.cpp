#include "puzzle/story.h"

#include "puzzle/text.h"

namespace zarvo {

namespace {

// Whole paragraphs with the numbers in them, so that a translation may order them as its
// language needs: %1 is the number of boxes, %2 the total pounds, %3 to %5 the blue, green and
// red box weights.
const Text kStoryParagraphs[] = {
    //: First paragraph of the story. %1 is the number of boxes (20 or 50), %2 the pounds of
    //: all of them (1000), %3, %4 and %5 the pounds of one blue, one green and one red box. A
    //: pound is about half a kilogram: where pounds are not in everyday use, say so once here.
    ZARVOK_TEXT("Story",
                "A truck carrying %1 boxes arrives at a remote destination in the jungle. The "
                "total weight of the %1 boxes is %2 pounds. Some boxes weigh %3 pounds, some %4, "
                "and some %5. There is at least one box of each weight. The paperwork was lost "
                "and the manager at headquarters needs to know how many boxes of each weight were "
                "shipped so he can update the computer database. The phones are down so he asks "
                "you to figure it out."),
    //: Second paragraph of the story: the rules. %3, %4 and %5 are the pounds of one blue, one
    //: green and one red box. "(%)" is a plain percent sign, not a number.
    ZARVOK_TEXT("Story",
                "A graph may help you do this. The horizontal or X-axis of the grid will "
                "represent number of boxes. The vertical or Y-axis will represent weight in "
                "pounds. The color blue will represent the %3-pound boxes, the green is for the "
                "%4-pound boxes and the red is for the %5-pound boxes. The desired graph is a "
                "line made up of three segments (blue, green, and red). It starts at the lower "
                "left corner of the grid and should end at the upper right corner. You draw by "
                "pressing the Up arrow key. You can undo a line by pressing the Down arrow key. "
                "Near the top left corner is a circle which can be blue, green or red. It tells "
                "you the color of the line you are drawing. To change the color, press the Tab "
                "key. Each time you press the Up arrow key you add one to the box count and the "
                "weight of one box of the current color to the weight total. These numbers are "
                "displayed in the orange table located below the color circle. The line segments "
                "must be drawn in the following sequence: First blue, then green, and last, red. "
                "When you undo a graph, the sequence is reversed. Each time you press one of the "
                "arrow keys the Move count goes up by one. When you solve the problem, your score "
                "will be the ratio (%) of the optimal or ideal number of moves to your move "
                "count."),
};

const Text kNoticeParagraphs[] = {
    //: Printed under the story on the results page only
    ZARVOK_TEXT("Story",
                "This is the demo version of Zarvo. In this version there are only 28 problems "
                "and each has more than one solution, making them easier to solve."),
    //: Printed last on the results page, read by students of 10 to 14
    ZARVOK_TEXT(
        "Story",
        "Zarvo is made by the Zarvo team, a small group of teachers and programmers who "
        "think that a picture of a sum can teach more than a page of arithmetic. If you "
        "find a mistake, have an idea or would like new problems, ask your teacher to write "
        "to us on the Zarvo project's web page."),
};

}  // namespace

void build_story_texts(StoryTexts& t) {
    const auto paragraph = [&](const Text& text) {
        return fill(translated(text), {t.story_numbers[0], t.story_numbers[1], t.story_numbers[2],
                                       t.story_numbers[3], t.story_numbers[4]});
    };
    t.story_text =
        "    " + paragraph(kStoryParagraphs[0]) + " \n\n    " + paragraph(kStoryParagraphs[1]);
    t.notice_text = "\n\n    " + translated(kNoticeParagraphs[0]) + " \n\n    " +
                    translated(kNoticeParagraphs[1]);
}

}  // namespace zarvo
