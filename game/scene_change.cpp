#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/scenes.h"

int gShipType;

namespace {
constexpr int kKeepCapture = 13;  // this kind reuses the picture captured before
}

void ChangeScene(int target, int kind, int length) {
  gTransitionKind = kind;
  gTransitionLength = length;
  if (kind == 0) {
    gNextScene = target;
    koDraw::StartTransition();
    return;
  }
  if (kind != kKeepCapture) koDraw::CaptureScreen(1, 0, 0, gScreenWidth, gScreenHeight);
  gScene = target;
  gPrevScene = 0;
  gTransitionCount = gTransitionLength;
  gTransitionState = -1;
}

void SwitchScene(int target) {
  gScene = target;
  gPrevScene = 0;
}
