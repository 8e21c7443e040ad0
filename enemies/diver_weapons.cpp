// The Divers' aimed volleys and straight streams: one row each, and their entry points.
#include "enemies/crossers.h"
#include "enemies/divers.h"

AimedShotRecord gDiver80LShot1[kVolley1Shots], gDiver80RShot1[kVolley1Shots];
AimedShotRecord gDiver80LShot2[kVolley2Shots], gDiver80RShot2[kVolley2Shots];
ShotRecord gDiver80LStream1[kDiverSlots], gDiver80LStream2[kDiverSlots],
    gDiver80LStream3[kDiverSlots];
ShotRecord gDiver80RStream1[kDiverSlots], gDiver80RStream2[kDiverSlots],
    gDiver80RStream3[kDiverSlots];

namespace {

using namespace enemy;
using L = Diver80LRecord;
using R = Diver80RRecord;

// Shot1 leaves slot 0 and Shot2 slot 1, 50 pixels below the craft's top.
constexpr AimedShotFamily<L> kDiver80LShot1 = Volley<L>(gDiver80LShot1, gDiver80L, 0, 50);
constexpr AimedShotFamily<L> kDiver80LShot2 = Volley<L>(gDiver80LShot2, gDiver80L, 1, 50);
constexpr AimedShotFamily<R> kDiver80RShot1 = Volley<R>(gDiver80RShot1, gDiver80R, 0, 50);
constexpr AimedShotFamily<R> kDiver80RShot2 = Volley<R>(gDiver80RShot2, gDiver80R, 1, 50);

// Straight down, drifting left, drifting right; falling at 100 to 149 pixels per second.
constexpr StreamDesign<L> kDiver80LStream[3] = {
    DropStream<L>(gDiver80LStream1, gDiver80L, 0, 50, &gPicVal12),
    DropStream<L>(gDiver80LStream2, gDiver80L, -1, 50, &gPicVal12),
    DropStream<L>(gDiver80LStream3, gDiver80L, 1, 50, &gPicVal12),
};
constexpr StreamDesign<R> kDiver80RStream[3] = {
    DropStream<R>(gDiver80RStream1, gDiver80R, 0, 50, &gPicVal12),
    DropStream<R>(gDiver80RStream2, gDiver80R, -1, 50, &gPicVal12),
    DropStream<R>(gDiver80RStream3, gDiver80R, 1, 50, &gPicVal12),
};

}  // namespace

void FireDiver80LShot1(int) { FireAimedShots(kDiver80LShot1); }
void MoveDiver80LShot1(int) { MoveAimedShots(kDiver80LShot1); }
void DrawDiver80LShot1(int) { DrawAimedShots(kDiver80LShot1); }
void FireDiver80LShot2(int) { FireAimedShots(kDiver80LShot2); }
void MoveDiver80LShot2(int) { MoveAimedShots(kDiver80LShot2); }
void DrawDiver80LShot2(int) { DrawAimedShots(kDiver80LShot2); }
void FireDiver80RShot1(int) { FireAimedShots(kDiver80RShot1); }
void MoveDiver80RShot1(int) { MoveAimedShots(kDiver80RShot1); }
void DrawDiver80RShot1(int) { DrawAimedShots(kDiver80RShot1); }
void FireDiver80RShot2(int) { FireAimedShots(kDiver80RShot2); }
void MoveDiver80RShot2(int) { MoveAimedShots(kDiver80RShot2); }
void DrawDiver80RShot2(int) { DrawAimedShots(kDiver80RShot2); }

void FireDiver80LStream1(int) { FireStream(kDiver80LStream[0]); }
void MoveDiver80LStream1(int) { MoveStream(kDiver80LStream[0]); }
void DrawDiver80LStream1(int) { DrawStream(kDiver80LStream[0]); }
void FireDiver80LStream2(int) { FireStream(kDiver80LStream[1]); }
void MoveDiver80LStream2(int) { MoveStream(kDiver80LStream[1]); }
void DrawDiver80LStream2(int) { DrawStream(kDiver80LStream[1]); }
void FireDiver80LStream3(int) { FireStream(kDiver80LStream[2]); }
void MoveDiver80LStream3(int) { MoveStream(kDiver80LStream[2]); }
void DrawDiver80LStream3(int) { DrawStream(kDiver80LStream[2]); }
void FireDiver80RStream1(int) { FireStream(kDiver80RStream[0]); }
void MoveDiver80RStream1(int) { MoveStream(kDiver80RStream[0]); }
void DrawDiver80RStream1(int) { DrawStream(kDiver80RStream[0]); }
void FireDiver80RStream2(int) { FireStream(kDiver80RStream[1]); }
void MoveDiver80RStream2(int) { MoveStream(kDiver80RStream[1]); }
void DrawDiver80RStream2(int) { DrawStream(kDiver80RStream[1]); }
void FireDiver80RStream3(int) { FireStream(kDiver80RStream[2]); }
void MoveDiver80RStream3(int) { MoveStream(kDiver80RStream[2]); }
void DrawDiver80RStream3(int) { DrawStream(kDiver80RStream[2]); }
