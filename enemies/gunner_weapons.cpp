// The Gunners' aimed volleys and straight streams: one row each, and their entry points.
#include "enemies/crossers.h"
#include "enemies/gunners.h"

AimedShotRecord gGunner80LShot1[kGunnerVolley1Shots], gGunner80RShot1[kGunnerVolley1Shots];
AimedShotRecord gGunner80LShot2[kGunnerVolley2Shots], gGunner80RShot2[kGunnerVolley2Shots];
ShotRecord gGunner80LStream1[kGunnerSlots], gGunner80LStream2[kGunnerSlots],
    gGunner80LStream3[kGunnerSlots];
ShotRecord gGunner80RStream1[kGunnerSlots], gGunner80RStream2[kGunnerSlots],
    gGunner80RStream3[kGunnerSlots];

namespace {

using namespace enemy;
using Z = ZakRecord;

// Shot1 leaves slot 0 and Shot2 slot 1, 40 pixels below the craft's top.
constexpr AimedShotFamily<Z> kGunner80LShot1 = Volley<Z>(gGunner80LShot1, gGunner80L, 0, 40);
constexpr AimedShotFamily<Z> kGunner80LShot2 = Volley<Z>(gGunner80LShot2, gGunner80L, 1, 40);
constexpr AimedShotFamily<Z> kGunner80RShot1 = Volley<Z>(gGunner80RShot1, gGunner80R, 0, 40);
constexpr AimedShotFamily<Z> kGunner80RShot2 = Volley<Z>(gGunner80RShot2, gGunner80R, 1, 40);

// Straight down, drifting left, drifting right; falling at 100 to 129 pixels per second.
constexpr StreamDesign<Z> kGunner80LStream[3] = {
    DropStream<Z>(gGunner80LStream1, gGunner80L, 0, 30, &gPicVal13),
    DropStream<Z>(gGunner80LStream2, gGunner80L, -1, 30, &gPicVal13),
    DropStream<Z>(gGunner80LStream3, gGunner80L, 1, 30, &gPicVal13),
};
constexpr StreamDesign<Z> kGunner80RStream[3] = {
    DropStream<Z>(gGunner80RStream1, gGunner80R, 0, 30, &gPicVal13),
    DropStream<Z>(gGunner80RStream2, gGunner80R, -1, 30, &gPicVal13),
    DropStream<Z>(gGunner80RStream3, gGunner80R, 1, 30, &gPicVal13),
};

}  // namespace

void FireGunner80LShot1(int) { FireAimedShots(kGunner80LShot1); }
void MoveGunner80LShot1(int) { MoveAimedShots(kGunner80LShot1); }
void DrawGunner80LShot1(int) { DrawAimedShots(kGunner80LShot1); }
void FireGunner80LShot2(int) { FireAimedShots(kGunner80LShot2); }
void MoveGunner80LShot2(int) { MoveAimedShots(kGunner80LShot2); }
void DrawGunner80LShot2(int) { DrawAimedShots(kGunner80LShot2); }
void FireGunner80RShot1(int) { FireAimedShots(kGunner80RShot1); }
void MoveGunner80RShot1(int) { MoveAimedShots(kGunner80RShot1); }
void DrawGunner80RShot1(int) { DrawAimedShots(kGunner80RShot1); }
void FireGunner80RShot2(int) { FireAimedShots(kGunner80RShot2); }
void MoveGunner80RShot2(int) { MoveAimedShots(kGunner80RShot2); }
void DrawGunner80RShot2(int) { DrawAimedShots(kGunner80RShot2); }

void FireGunner80LStream1(int) { FireStream(kGunner80LStream[0]); }
void MoveGunner80LStream1(int) { MoveStream(kGunner80LStream[0]); }
void DrawGunner80LStream1(int) { DrawStream(kGunner80LStream[0]); }
void FireGunner80LStream2(int) { FireStream(kGunner80LStream[1]); }
void MoveGunner80LStream2(int) { MoveStream(kGunner80LStream[1]); }
void DrawGunner80LStream2(int) { DrawStream(kGunner80LStream[1]); }
void FireGunner80LStream3(int) { FireStream(kGunner80LStream[2]); }
void MoveGunner80LStream3(int) { MoveStream(kGunner80LStream[2]); }
void DrawGunner80LStream3(int) { DrawStream(kGunner80LStream[2]); }
void FireGunner80RStream1(int) { FireStream(kGunner80RStream[0]); }
void MoveGunner80RStream1(int) { MoveStream(kGunner80RStream[0]); }
void DrawGunner80RStream1(int) { DrawStream(kGunner80RStream[0]); }
void FireGunner80RStream2(int) { FireStream(kGunner80RStream[1]); }
void MoveGunner80RStream2(int) { MoveStream(kGunner80RStream[1]); }
void DrawGunner80RStream2(int) { DrawStream(kGunner80RStream[1]); }
void FireGunner80RStream3(int) { FireStream(kGunner80RStream[2]); }
void MoveGunner80RStream3(int) { MoveStream(kGunner80RStream[2]); }
void DrawGunner80RStream3(int) { DrawStream(kGunner80RStream[2]); }
