// Program entry, window procedure, message loop, one frame, and shutdown.
#include "engine/draw/ko_draw.h"
#include "engine/game_hooks.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "platform/clock.h"
#include "platform/frame.h"
#include "platform/system.h"
#include "platform/window.h"

int gAppActive, gCloseState, gQuitDone, gMessageBoxUp, gCursorShown;
int gClientX, gClientY, gBlink;
uint32_t gBlinkDeadline, gFpsMeterTime;
double gTwoPi;
std::string gCommandLine;
int gInstanceLocked;

const int gFullScreen = 1;
const int gPopupWindow = 0;
const int gWindowOptions = 0;
const int gCursorClipMode = 0;

int gScene, gNextScene, gPrevScene, gSceneEntered;
int gTransitionKind, gTransitionLength, gTransitionCount, gTransitionState;
int gEnginePause;

namespace {
constexpr int kRunWhileInactive = 2;  // bit 1 of gWindowOptions
}

namespace koSystem {

void InitProcessState() {
  const uint32_t now = plat::NowMs();
  gTwoPi = 3.141592653589793 * 2.0;
  gLastFrameTime = now;
  gBlinkDeadline = now + 1000;
  gFpsMeterTime = now;
  gAppActive = gCloseState = gQuitDone = gMessageBoxUp = 0;
  gCursorShown = 1;
  gClientX = gClientY = 0;
  gBlink = 1;
  gInstanceLocked = 0;
  gScene = gNextScene = gPrevScene = gSceneEntered = 0;
  gTransitionKind = gTransitionLength = gTransitionCount = gTransitionState = 0;
  gEnginePause = 0;
  gFrameScale = 0.0f;
  for (int i = 0; i <= kWaitSlots; ++i) {
    gWaitDeadline[i] = kWaitOff;
    gWaitArmed[i] = false;
  }
  gKeyCapture = gWatchKey = gWatchCount = gSysKeyPolicy = gCursorClipped = 0;
  gDataDir.clear();
  gErrorFlag = 0;
  gKey = gLastKey = gPauseScrollKey = gCapturedKey = gShiftToggle = 0;
  gMouseX = gMouseY = gPrevMouseX = gPrevMouseY = gMouseDX = gMouseDY = 0;
  gMouseLeft = gMouseRight = gMouseLeftLatch = gMouseRightLatch = 0;
  gMouseLeftClick = gMouseRightClick = gMouseLeftDouble = gMouseRightDouble = 0;
  gCaptureClick = gMouseButton = gLastButton = gWaitState = 0;
  for (int p = 0; p < 2; ++p) {
    gJoyCentreX[p] = gJoyCentreY[p] = 0;
    gJoyCentreCaptured[p] = false;
    gJoyPads[p] = JoyPadState{};
  }
}

int CheckSingleInstance(const char* title) {
  if (!plat::AcquireInstanceLock(std::string(title) + ":KoMutex")) return 0;
  gInstanceLocked = 1;
  return 1;
}

// Lets a later start run: on shutdown, and when start-up fails after the lock.
void ReleaseInstance() {
  if (!gInstanceLocked) return;
  plat::ReleaseInstanceLock();
  gInstanceLocked = 0;
}

void SetActive(int flag) { gAppActive = flag; }

void OnActivateHook(int) {}

int64_t WndProc(uint32_t message, uint64_t wparam, int64_t lparam) {
  switch (message) {
    case plat::kMsgClose:
      if (gCloseState == 0) {
        // A close from outside keeps the high score as Esc does.
        SaveHighScore();
        gCloseState = 1;
      }
      if (gCloseState < 2) Quit();
      plat::DestroyWindow();
      return 0;
    case plat::kMsgDestroy:
      plat::PostQuitMessage(0);
      return 0;
    case plat::kMsgMove:
      gClientX = static_cast<int16_t>(lparam & 0xFFFF);
      gClientY = static_cast<int16_t>((lparam >> 16) & 0xFFFF);
      gPresentTarget = {gClientX, gClientY, gClientX + gScreenWidth, gClientY + gScreenHeight};
      if (gCursorClipMode) ClipCursorToWindow();
      return 0;
    case plat::kMsgActivateApp:
      if (wparam == 0) {
        SetActive(0);
        if (gCursorShown == 0) {
          plat::ShowCursor(true);
          gCursorShown = 1;
        }
        if (gCursorClipMode) UnclipCursor();
      } else {
        SetActive(1);
        ResetFrameClock();
        if (gCursorClipMode) ClipCursorToWindow();
        OnActivateHook(1);
      }
      return 0;
    case plat::kMsgSetCursor:
      // Full screen shows no pointer over the game, except while a box is up.
      plat::ShowCursor(!(gFullScreen && gMessageBoxUp == 0));
      return 1;
    case plat::kMsgKeyDown:
      if (gKeyCapture)
        gCapturedKey = static_cast<int>(wparam);
      else
        OnKeyDown(static_cast<int>(wparam));
      return 0;
    case plat::kMsgSysKeyDown:
      if (gSysKeyPolicy == 0) return 0;
      if (gSysKeyPolicy == 2 && wparam == 18) return 0;
      return WndProc(plat::kMsgKeyDown, wparam, lparam);
    case plat::kMsgKeyUp:
      OnKeyUp(static_cast<int>(wparam));
      return 0;
    case plat::kMsgHotKey:
      if (gKeyCapture) return 0;
      if (wparam == 0xBF01) OnKeyDown(44);
      if (wparam == 0xBF02) OnKeyDown(257);
      return 0;
    case plat::kMsgMidiNotify:
      // The end of a song; a notification of a play since superseded reads as such.
      if (gMidiOpen && koSound::MciNotifyCode(wparam, lparam) == koSound::kMciNotifySuccessful) {
        std::string mode;
        koSound::SendMciString("status midi mode", &mode);
        if (mode.starts_with("st")) koSound::OnMidiNotify();
      }
      return 0;
    default:
      if (message >= plat::kMsgMouseMove && message <= plat::kMsgRButtonDblClk)
        OnMouseMessage(message, lparam);
      return 0;
  }
}

void RunFrame() {
  plat::BeginFrame();
  UpdateFrameClock();
  BeginFrameMouse();
  if (gPrevScene == 0 && gScene != 0) {
    gSceneEntered = 1;
    gPrevScene = gScene;
  }
  if (gTransitionState == 1) {
    // A covering transition runs alone and hands over to the next scene.
    koDraw::Present();
    if (gTransitionState == 0) gScene = gNextScene;
  } else {
    RunSceneFrame(gScene);
  }
  if (gPrevScene != gScene) {
    gSceneEntered = 1;
    if (gClipTransitionState > 0) {
      gClipRect = gClipTransitionSaved;
      gClipTransitionState = 0;
    }
  } else {
    gSceneEntered = 0;
  }
  gPrevScene = gScene;
  const uint32_t now = plat::NowMs();
  if (static_cast<int32_t>(now - gBlinkDeadline) >= 0) {
    gBlink = !gBlink;
    gBlinkDeadline = plat::NowMs() + (gBlink ? 1000 : 200);
  }
  EndFrameMouse();
}

int MessageLoop() {
  plat::Message m;
  for (;;) {
    if (plat::PeekMessage(m)) {
      if (m.id == plat::kMsgQuit) return 0;
      WndProc(m.id, m.wparam, m.lparam);
    } else if (!gAppActive && !(gWindowOptions & kRunWhileInactive)) {
      plat::WaitMessage();
    } else if (!gQuitDone) {
      RunFrame();
    } else {
      plat::WaitMessage();  // shut down: only the remaining messages run
    }
  }
}

int Quit() {
  if (gQuitDone) return 1;
  gQuitDone = 1;
  UnclipCursorOnExit();
  koDraw::FreeFontList();
  koSound::Release();
  koDraw::Release();
  ReleaseInstance();
  if (gCloseState == 0) plat::PostMessage({plat::kMsgClose, 0, 0});
  gCloseState = 2;
  return 1;
}

}  // namespace koSystem

int WinMain(const char* commandLine) {
  koSystem::InitProcessState();
  if (!koSystem::CheckSingleInstance(koSystem::kTitle)) return 0;
  gCommandLine = commandLine ? commandLine : "";
  if (!plat::OpenWindow(koSystem::kTitle)) {
    // No window is a failure: the caller learns it, and a later start may run.
    koSystem::ReleaseInstance();
    return 1;
  }
  koSystem::SeedRand(static_cast<uint32_t>(plat::TimeSeconds()));
  koSystem::EnableIme(0);
  LoadGameAssets();
  koSystem::ResetFrameClock();
  koSystem::OnActivateHook(0);
  return koSystem::MessageLoop();
}
