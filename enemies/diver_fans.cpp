// The Divers' aimed fans, thrown from each kind's slot 0.
#include "enemies/aimed_fan.h"
#include "enemies/divers.h"

FanShotRecord gDiver80LFan[kFanShots], gDiver80RFan[kFanShots];

namespace {
constexpr enemy::FanDesign kDiver80LFan{gDiver80LFan, gDiver80L[0].x, gDiver80L[0].y};
constexpr enemy::FanDesign kDiver80RFan{gDiver80RFan, gDiver80R[0].x, gDiver80R[0].y};
}  // namespace

void FireDiver80LFan(int) { enemy::FireFan(kDiver80LFan); }
void MoveDiver80LFan(int) { enemy::MoveFan(kDiver80LFan); }
void DrawDiver80LFan(int) { enemy::DrawFan(kDiver80LFan); }
void FireDiver80RFan(int) { enemy::FireFan(kDiver80RFan); }
void MoveDiver80RFan(int) { enemy::MoveFan(kDiver80RFan); }
void DrawDiver80RFan(int) { enemy::DrawFan(kDiver80RFan); }
