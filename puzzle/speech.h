// What the game says to a player who cannot see the board: the whole state in a sentence or
// two, and after every key one short sentence of what changed, in plain words.
#pragma once

#include <string>
#include <string_view>

#include "puzzle/game.h"
#include "puzzle/story.h"

namespace zarvo {

// The whole game as it stands: the colour, each colour's boxes and pounds, the totals and what
// is left, the moves and the score, whether the story is shown and whether the game is over.
std::string state_sentence(const GameState& state);

// What key `vk` did, from the state before it and after it; empty when it did nothing.
// `grid_rect` is the grid the line was placed on (a refused move says why from it).
std::string key_sentence(const GameState& before, const GameState& after, const StoryTexts& texts,
                         int32_t vk, const Rect& grid_rect);

// The sentence that opens a game: what the truck carried, and how to hear the story.
std::string opening_sentence(const GameState& state);

// `sentence` as a screen reader should say it at its usual punctuation level, one line of
// plain words: colons and semicolons become commas, brackets and dashes pauses or blanks, line
// breaks blanks, and a mark with nothing to say ("(%)") goes, so that no mark is read aloud.
std::string spoken(std::string_view sentence);

// Why Up or Down (`vk`) of the current colour is refused in `state`, or empty if it is not.
std::string refusal_reason(const GameState& state, int32_t vk, const Rect& grid_rect);

}  // namespace zarvo
