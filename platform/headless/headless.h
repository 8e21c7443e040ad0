// Controls of the headless backend, for tests: a virtual clock, input
// scripted by frame number, recorded boxes and beeps, frames kept in memory.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/input.h"
#include "platform/messages.h"

namespace headless {

// Forgets every script, record and queue, closes the window, and sets the clock.
void Reset(uint32_t startMs = 1000, int64_t epochSeconds = 1700000000);

// Frames begun so far; the first game frame is frame 0.
int FrameIndex();
uint32_t Now();
void AdvanceClock(uint32_t ms);
// Sleeps asked of the platform, of any length.
int SleepCount();

// Scripted input: delivered in order before frame `frame` runs.
void AtFrame(int frame, const plat::Message& msg);
void KeyDown(int frame, int vk);
void KeyUp(int frame, int vk);
// Down before frame `frame`, up before frame `frame + frames`.
void TapKey(int frame, int vk, int frames = 1);
void Activate(int frame, bool active);
void Close(int frame);
// Lets `ms` of virtual time pass before frame `frame` (a stall or a long wait).
void Stall(int frame, uint32_t ms);
// Pad state from frame `frame` on; `present` false unplugs it.
void SetPad(int frame, int pad, bool present, uint32_t x = 32767, uint32_t y = 32767,
            uint32_t buttons = 0);
// Called at the start of every frame with its index, before the frame runs.
void OnFrame(std::function<void(int)> hook);
// After this many frames a close is posted, so a faulty test cannot run forever.
void SetFrameLimit(int frames);
bool FrameLimitHit();

// Message boxes: recorded, answered from a queue (then the default answer).
struct Box {
  std::string text, caption;
  plat::BoxKind kind;
  int frame;
};
const std::vector<Box>& Boxes();
void AnswerNextBox(int answer);
// Every box stays up this long on the clock before it is answered (0 at first).
void SetBoxUpTime(uint32_t ms);
int BeepCount();

// Frames shown through ShowFrame, and how many of them waited for the
// vertical blank.
int ShownFrames();
int WaitedFrames();
const std::vector<uint16_t>& LastFrame();
// Makes the frame output report that it cannot show frames (a missing renderer).
void FailFrameOutput(bool fail);

// Files: the program directory and the directory of the instance lock.
void SetProgramDir(const std::string& dir);
void SetLockDir(const std::string& dir);
int RaiseRequests();

// Audio: a device is present unless switched off (a machine without sound);
// nothing plays by itself, the test renders the mix when it wants samples.
void SetAudioDevice(bool present);
// Renders `frames` interleaved stereo frames of the mix into `out`.
void RenderAudio(int16_t* out, int frames);

bool WindowOpen();
// Makes the next window fail to open (no display to open it on).
void FailWindow(bool fail);
// Times the window was asked to minimise, open or not.
int MinimizeRequests();
int CursorShown();
// Where the cursor was last put, in the window's client area ((-1, -1): nowhere yet).
std::pair<int, int> LastCursorWarp();
// What the machine reports as its operating system.
void SetOsVersion(int platform, int major, int minor);

}  // namespace headless
