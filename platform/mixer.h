// The software mixer behind audio.h, shared by both backends: the backend
// opens the output and calls Render from its audio thread (or on demand).
#pragma once
#include <cstdint>

namespace plat::mixer {

// Frames mixed per pass; Render takes any count and works through it in passes.
constexpr int kChunkFrames = 1024;

// Renders `frames` interleaved stereo 16-bit frames into `out`: every playing
// voice, then the music bus, summed and limited (platform/limiter.h). Never
// allocates.
void Render(int16_t* out, int frames);

// Destroys every voice, silences the beep, restores the default primary format
// and brings the limiter back to unity gain.
void Reset();

// Starts the standard beep, a short tone on a voice of the mixer's own made
// once; false, and nothing sounds, when the output is not open.
bool PlayBeep();

}  // namespace plat::mixer
