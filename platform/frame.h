// Frame pacing and output of finished frames.
#pragma once
#include <cstdint>

namespace plat {

constexpr int kFrameWidth = 640;
constexpr int kFrameHeight = 480;

// Called at the start of every game frame. Holds frames to at most 60 per
// second; headless, advances the virtual clock by one frame period.
void BeginFrame();
// True when finished frames can be shown (the window has its renderer).
bool FrameOutputReady();
// Shows a finished frame of 5-6-5 pixels; pitch is in pixels. With
// waitVBlank the frame goes on screen at the display's next vertical blank,
// and the call waits for it; without, at once.
void ShowFrame(const uint16_t* pixels, int width, int height, int pitch, bool waitVBlank);

}  // namespace plat
