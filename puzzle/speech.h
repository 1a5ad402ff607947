// What the game says to a player who cannot see the board: the whole state in a sentence or
// two, and after every key one short sentence of what changed, in plain words.
#pragma once

#include <string>

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

// Why Up or Down (`vk`) of the current colour is refused in `state`, or empty if it is not.
std::string refusal_reason(const GameState& state, int32_t vk, const Rect& grid_rect);

}  // namespace zarvo
