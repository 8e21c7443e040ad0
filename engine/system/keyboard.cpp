// Key messages, polled key edge states, and the mouse state.
#include <cstdarg>

#include "engine/game_hooks.h"
#include "engine/system/ko_system.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/messages.h"

int gKey, gLastKey, gPauseScrollKey, gCapturedKey, gShiftToggle;
int gMouseX, gMouseY, gPrevMouseX, gPrevMouseY, gMouseDX, gMouseDY;
int gMouseLeft, gMouseRight, gMouseLeftLatch, gMouseRightLatch;
int gMouseLeftClick, gMouseRightClick, gMouseLeftDouble, gMouseRightDouble;
int gCaptureClick, gMouseButton, gLastButton, gWaitState;

namespace koSystem {

void OnKeyDown(int key) {
  if (gEnginePause == 0) {
    gKey = key;
    gLastKey = key;
  } else {
    gPauseScrollKey = key;
  }
  if (key == plat::kVkEscape) {
    SaveHighScore();
    SetWait(1, 1000);
    Quit();
  } else if (key == 'S') {
    OnPauseKey();
  }
}

void OnKeyUp(int key) {
  if (gKey == key) gKey = 0;
  if (gPauseScrollKey == key) gPauseScrollKey = 0;
  if (gCapturedKey == key) gCapturedKey = 0;
  if (key == plat::kVkShift) gShiftToggle = !gShiftToggle;
  if (key == gWatchKey) ++gWatchCount;
}

// Advances an edge state: 0 up, 1 pressed this frame, 3 held, 2 released.
int StepEdge(int state, bool down) {
  if (down) state = state == 0 ? 1 : 3;
  else state = (state == 1 || state == 3) ? 2 : 0;
  // Input never leaks across a scene change, the pause screen or capture.
  if (gTransitionCount != 0 || gEnginePause || gKeyCapture) state = 0;
  return state;
}

void KeyEdge(int key, int* state) { *state = StepEdge(*state, plat::IsKeyDown(key)); }

int WaitKeyRelease(int key, ...) {
  static int remembered;
  if (gWaitState == 0) {
    if (gKey == 0 && gMouseButton == 0) gWaitState = 1;
    return 0;
  }
  if (gWaitState == 1) {
    va_list args;
    va_start(args, key);
    for (int k = key; k != 0; k = va_arg(args, int)) {
      if (k == gLastKey || k == gLastButton) {
        remembered = k;
        gWaitState = 2;
        break;
      }
    }
    va_end(args);
    return 0;
  }
  const bool isButton = remembered == 1 || remembered == 2;
  if ((isButton ? gLastButton : gLastKey) != remembered) gWaitState = 0;
  if ((!isButton && gKey == 0) || (isButton && gMouseButton == 0)) {
    gWaitState = 0;
    gLastKey = 0;
    gLastButton = 0;
    return remembered;
  }
  return 0;
}

void OnMouseMessage(uint32_t message, int64_t lparam) {
  switch (message) {
    case plat::kMsgMouseMove:
      gMouseX = static_cast<int>(lparam & 0xFFFF);
      gMouseY = static_cast<int>((lparam >> 16) & 0xFFFF);
      break;
    case plat::kMsgLButtonDown:
      if (gKeyCapture) {
        gCaptureClick = 1;
      } else {
        gMouseLeft = gMouseLeftClick = gMouseLeftLatch = 1;
        gMouseButton = gLastButton = 1;
      }
      break;
    case plat::kMsgLButtonUp:
      gMouseLeft = 0;
      if (gMouseButton == 1) gMouseButton = 0;
      gCaptureClick = 0;
      break;
    case plat::kMsgLButtonDblClk:
      if (!gKeyCapture) gMouseLeftDouble = 1;
      break;
    case plat::kMsgRButtonDown:
      if (!gKeyCapture) {
        gMouseRight = gMouseRightClick = gMouseRightLatch = 1;
        gMouseButton = gLastButton = 2;
      }
      break;
    case plat::kMsgRButtonUp:
      gMouseRight = 0;
      if (gMouseButton == 2) gMouseButton = 0;
      break;
    case plat::kMsgRButtonDblClk:
      if (!gKeyCapture) {
        gMouseRightDouble = 1;
        if (gCursorClipMode) {
          if (IsCursorClipped())
            UnclipCursor();
          else
            ClipCursorToWindow();
        }
      }
      break;
  }
}

void BeginFrameMouse() {
  gMouseDX = gMouseX - gPrevMouseX;
  gMouseDY = gMouseY - gPrevMouseY;
}

void EndFrameMouse() {
  gPrevMouseX = gMouseX;
  gPrevMouseY = gMouseY;
  gMouseLeftClick = gMouseRightClick = gMouseLeftDouble = gMouseRightDouble = 0;
}

}  // namespace koSystem
