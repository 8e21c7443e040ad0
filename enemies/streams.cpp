#include "enemies/streams.h"

namespace enemy {

void ResetShot(ShotRecord& s, StartFrame frame) {
  s.alive = 0;
  Park(s);
  s.vx = s.vy = 0.0f;
  s.frame = StartFrameValue(frame);
}

bool ShotAtStart(const ShotRecord& s, StartFrame frame) {
  return s.alive == 0 && s.x == kParkX && s.y == kParkY && s.vx == 0.0f && s.vy == 0.0f &&
         FrameAtStart(frame, s.frame);
}

}  // namespace enemy
