// The engine's system shell: window procedure and main loop, frame clock and
// wait slots, system services, error and message boxes, keyboard, mouse, pads.
#pragma once
#include <cstdint>
#include <string>

// --- Process and window state ---
extern int gAppActive;
extern int gCloseState;  // 0 running, 1 a close is under way, 2 shutdown done
extern int gQuitDone;
extern int gMessageBoxUp;
extern int gCursorShown;
extern int gClientX, gClientY;
extern int gBlink;
extern uint32_t gBlinkDeadline;
extern double gTwoPi;
extern uint32_t gFpsMeterTime;
extern std::string gCommandLine;
extern int gInstanceLocked;  // the single-instance lock is held

// Built-in settings; nothing changes them at run time.
extern const int gFullScreen;
extern const int gPopupWindow;
extern const int gWindowOptions;
extern const int gCursorClipMode;
// The display depth asked for: 16 unless koDraw::SetDepth stores another.
extern int gDisplayDepth;

// --- Scene and transition state ---
extern int gScene, gNextScene, gPrevScene, gSceneEntered;
extern int gTransitionKind, gTransitionLength, gTransitionCount, gTransitionState;
extern int gEnginePause;  // the engine's own pause screen is up

// --- Frame clock and wait slots ---
extern float gFrameScale;
extern uint32_t gLastFrameTime;
constexpr int kWaitSlots = 10;
constexpr uint32_t kWaitOff = 999999999;
extern uint32_t gWaitDeadline[kWaitSlots + 1];  // slot n at n-1; the busy wait's at 10
extern bool gWaitArmed[kWaitSlots + 1];
// Longest time step one frame may take, so a stalled process cannot carry
// scripted clocks past their windows in one jump.
constexpr uint32_t kMaxFrameStepMs = 100;

// --- Services ---
extern int gKeyCapture;
extern int gWatchKey, gWatchCount;
extern int gSysKeyPolicy;
extern int gCursorClipped;
extern std::string gDataDir;
extern int gErrorFlag;

// --- Keyboard and mouse ---
extern int gKey, gLastKey, gPauseScrollKey, gCapturedKey, gShiftToggle;
extern int gMouseX, gMouseY, gPrevMouseX, gPrevMouseY, gMouseDX, gMouseDY;
extern int gMouseLeft, gMouseRight, gMouseLeftLatch, gMouseRightLatch;
extern int gMouseLeftClick, gMouseRightClick, gMouseLeftDouble, gMouseRightDouble;
extern int gCaptureClick, gMouseButton, gLastButton, gWaitState;

// --- Pads ---
struct JoyPadState {
  float meterX, meterY;
  float axisRate;
  float charge[4];
  float chargeRate;
  int edge[4];
};
extern int gJoyCentreX[2], gJoyCentreY[2];
extern bool gJoyCentreCaptured[2];
extern JoyPadState gJoyPads[2];

// Program entry; `main` calls it. Returns 0 in every case.
int WinMain(const char* commandLine);

namespace koSystem {

constexpr const char* kTitle = "Vorendalite";

// Main loop, window procedure, shutdown.
void InitProcessState();
int CheckSingleInstance(const char* title);
void ReleaseInstance();
void SetActive(int flag);
void OnActivateHook(int flag);
int64_t WndProc(uint32_t message, uint64_t wparam, int64_t lparam);
int MessageLoop();
void RunFrame();
int Quit();

// Frame clock and waits.
void ResetFrameClock();
void UpdateFrameClock();
int InitWaits();
int SetWait(int slot, int ms);
int InitWait(int slot);
int IsWaitOver(int slot);
void Wait(int ms);
// Gives the processor away for `ms` milliseconds (the front-end scenes pace themselves);
// 0 or less gives up the rest of the time slice.
void Sleep(int ms);

// Files, date, machine.
const std::string& GetProgramDir(int useRedirect);
void ReadDataDirRedirect(const char* fileName);
void WriteIntFile(const char* name, int value);
int ReadIntFile(const char* name);
const std::string& GetCommandLine();
void GetDate(int& year, int& month, int& day, std::string& weekday);
void GetTime(int& hour, int& minute, int& second);
uint32_t GetDiskFree(char driveLetter);
uint32_t GetFreeMemory();
int GetWindowsVersion();
int GetScreenDepth();
int IsWindowed();
int CheckColorDepth(const char* settingsFile);

// Input switches and cursor.
void BeginKeyCapture();
void EndKeyCapture();
void WatchKey(int key);
int GetWatchCount();
void EnableIme(int on);
void SetSysKeyPolicy(int policy);
int ClipCursorRect(int left, int top, int right, int bottom);
void ClipCursorToWindow();
void UnclipCursor();
void UnclipCursorOnExit();
int IsCursorClipped();
void SetCursorPosInWindow(int x, int y);

// Error and message boxes.
int Error(const char* method, const char* message, int code = 0);
void Message(const char* format, ...) __attribute__((format(printf, 1, 2)));
int AskYesNo(const char* format, ...) __attribute__((format(printf, 1, 2)));
int GetError();
int QuitIfError();

// Keyboard and mouse.
void OnKeyDown(int key);
void OnKeyUp(int key);
void KeyEdge(int key, int* state);
// One step of an edge state (0 up, 1 pressed, 3 held, 2 released), forced to 0
// while a transition counts down, the pause screen is up or keys are captured.
int StepEdge(int state, bool down);
int WaitKeyRelease(int key, ...);  // zero-terminated list
void OnMouseMessage(uint32_t message, int64_t lparam);
void BeginFrameMouse();
void EndFrameMouse();

// Pads (0 or 1; buttons 1..4 keep state, 1..32 for JoyButtonDown).
void InitJoystick();
void CaptureJoyCentre();
void GetJoyCentre(int pad, int& x, int& y);
void JoyGetPosition(int pad, int& x, int& y);
int JoyButtonDown(int pad, int button);
void JoyButtons(int pad, int& b1, int& b2, int& b3, int& b4);
int JoyButtonEdge(int pad, int button);
void JoyButtonEdges(int pad, int& e1, int& e2, int& e3, int& e4);
void JoyGetDirection(int pad, int& dx, int& dy);
int JoyKeypadDirection(int pad);
void SetJoyRates(int pad, float axisRate, float chargeRate);
void ResetJoyMeters();
int JoyCharge(int pad, int button);
void JoyCharges(int pad, int& c1, int& c2, int& c3, int& c4);
void JoyAxisMeters(int pad, int& mx, int& my);

// The random numbers of the engine and the game: 0..kRandMax.
constexpr int kRandMax = 32767;
void SeedRand(uint32_t seed);
int Rand();

}  // namespace koSystem
