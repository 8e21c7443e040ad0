// Frame clock and the ten wait slots.
#include "engine/system/ko_system.h"
#include "platform/clock.h"

float gFrameScale;
uint32_t gLastFrameTime;
uint32_t gWaitDeadline[kWaitSlots + 1];
bool gWaitArmed[kWaitSlots + 1];

namespace {

// True once `now` has reached `deadline`, across a wrap of the 32-bit clock.
bool Reached(uint32_t now, uint32_t deadline) {
  return static_cast<int32_t>(now - deadline) >= 0;
}

bool SlotInRange(int slot, const char* method) {
  if (slot >= 1 && slot <= kWaitSlots) return true;
  koSystem::Error(method, "ウェイトNoが範囲外です");
  return false;
}

}  // namespace

namespace koSystem {

void ResetFrameClock() {
  gFrameScale = 0.0f;
  gLastFrameTime = plat::NowMs();
}

void UpdateFrameClock() {
  uint32_t step = plat::NowMs() - gLastFrameTime;
  if (step > kMaxFrameStepMs) step = kMaxFrameStepMs;
  gFrameScale = static_cast<float>(step) / 1000.0f;
  gLastFrameTime = plat::NowMs();
}

int InitWaits() {
  for (int i = 0; i <= kWaitSlots; ++i) {
    gWaitDeadline[i] = kWaitOff;
    gWaitArmed[i] = false;
  }
  EndKeyCapture();
  SetSysKeyPolicy(0);
  if (gFullScreen) ClipCursorToWindow();
  return 1;
}

int SetWait(int slot, int ms) {
  if (!SlotInRange(slot, "koSystem::SetWait")) return 0;
  gWaitDeadline[slot - 1] = plat::NowMs() + static_cast<uint32_t>(ms);
  gWaitArmed[slot - 1] = true;
  return 1;
}

int InitWait(int slot) {
  if (!SlotInRange(slot, "koSystem::InitWait")) return 0;
  gWaitDeadline[slot - 1] = kWaitOff;
  gWaitArmed[slot - 1] = false;
  return 1;
}

int IsWaitOver(int slot) {
  if (slot < 1 || slot > kWaitSlots) return 0;
  return gWaitArmed[slot - 1] && Reached(plat::NowMs(), gWaitDeadline[slot - 1]) ? 1 : 0;
}

void Wait(int ms) {
  const uint32_t deadline = plat::NowMs() + static_cast<uint32_t>(ms);
  gWaitDeadline[kWaitSlots] = deadline;
  gWaitArmed[kWaitSlots] = true;
  // Sleep in short steps rather than spin; the wait ends once past the deadline.
  while (!Reached(plat::NowMs(), deadline + 1)) plat::SleepMs(1);
  gWaitArmed[kWaitSlots] = false;
  ResetFrameClock();
}

void Sleep(int ms) { plat::SleepMs(ms > 0 ? static_cast<uint32_t>(ms) : 0); }

}  // namespace koSystem
