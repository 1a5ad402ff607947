// What follows one key, the same in every shell: the rules' outcome, the cues, the drawing on
// the shell's picture of the board, and the sentence for a screen reader. The shell only plays
// cues, lends a surface, shows what was drawn and passes the sentence on.
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "board/board.h"

namespace zarvo {

class KeyShell {
  public:
    virtual ~KeyShell() = default;
    // Starts one cue; never waits for it.
    virtual void play_cue(Cue cue) = 0;
    // Whether there is a picture of the board for a key to draw on. Before the first paint a key
    // only changes the game, and the first paint shows the board as it is then.
    virtual bool has_picture() const = 0;
    // Runs `draw` on a surface over the picture, then shows what it drew. `moves` says that the
    // drawing is a move's, which draws again much of what the picture holds and changes little
    // of it; putting up or taking down the story, or a new game, changes most of what it draws.
    virtual void draw_key(const std::function<void(Surface&)>& draw, bool moves) = 0;
};

struct KeyStep {
    KeyOutcome outcome;
    // The key drew nothing because there is no picture yet: the shell paints the whole board.
    bool paint_due = false;
    // The key ran the paint procedure (Home), with this result: the shell shows the new title
    // (the board's title banner) and acts on the result as after any paint.
    bool painted = false;
    PaintResult paint_result = PaintResult::nothing;
    // What the key did in a sentence, when asked for (`listened`); empty when it did nothing.
    std::string sentence;
};

// One key-down event with its virtual-key code.
KeyStep handle_key(Board& board, int32_t vk, KeyShell& shell, bool listened, const std::tm& local);

}  // namespace zarvo
