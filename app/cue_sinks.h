// The sound output, in a module of its own (zarvok_sound) that the program loads once its
// window is up: the audio libraries behind it take milliseconds to load and link, and the
// first picture does not wait for them.
#pragma once

#include "app/sound.h"

namespace zarvo {

class CueSinks {
  public:
    virtual ~CueSinks() = default;
    // Starts clip `index`, cutting off the one still playing; a clip the output cannot play
    // stays silent.
    virtual void play(int index) = 0;
};

// The module's one entry: sinks for `count` clips on the default audio output, or null when
// there is none.
using MakeCueSinks = CueSinks* (*)(const WaveClip* clips, int count);
inline constexpr char kMakeCueSinks[] = "zarvok_make_cue_sinks";

}  // namespace zarvo
