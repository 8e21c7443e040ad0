// Headless backend: deterministic stand-ins for every platform service.
#include "platform/headless/headless.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/frame.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_ring.h"
#include "platform/mixer.h"
#include "platform/posix.h"
#include "platform/system.h"
#include "platform/window.h"

namespace {

enum class EventKind { kMessage, kPad, kStall };

struct ScriptEvent {
  int frame;
  EventKind kind;
  plat::Message msg;
  int pad;
  bool present;
  plat::PadReading reading;
  uint32_t ms;
};

struct State {
  uint32_t now = 0;
  uint64_t elapsedMs = 0;
  int64_t epoch = 0;
  int frameIndex = 0;
  int frameLimit = 1 << 30;
  bool limitHit = false;
  std::vector<ScriptEvent> script;
  size_t nextEvent = 0;
  std::function<void(int)> onFrame;
  std::mutex queueLock;
  plat::MessageRing queue;
  std::array<bool, plat::kKeyCount> keys{};
  std::array<bool, plat::kPadCount> padPresent{};
  std::array<plat::PadReading, plat::kPadCount> pads{};
  std::vector<headless::Box> boxes;
  std::vector<int> answers;
  uint32_t boxUpMs = 0;
  int beeps = 0;
  int sleeps = 0;
  int shownFrames = 0;
  int waitedFrames = 0;
  std::vector<uint16_t> lastFrame;
  bool frameOutputFails = false;
  bool windowFails = false;
  std::string programDir, lockDir;
  int lockFd = -1;
  int raiseRequests = 0;
  int minimizeRequests = 0;
  bool windowOpen = false;
  int cursorShown = 1;
  std::pair<int, int> cursorWarp{-1, -1};
  plat::OsVersion osVersion{0, 0, 0};
  bool audioDevice = true;
  bool audioOpen = false;
};

State& S() {
  static State s;
  return s;
}

void Advance(uint32_t ms) {
  S().now += ms;
  S().elapsedMs += ms;
}

void Insert(ScriptEvent ev) {
  auto& script = S().script;
  // Stable by frame: events for one frame keep the order they were given.
  auto at = std::upper_bound(script.begin() + static_cast<long>(S().nextEvent), script.end(),
                             ev.frame, [](int f, const ScriptEvent& e) { return f < e.frame; });
  script.insert(at, ev);
}

// Applies the next scripted event; returns false when none is left.
bool ApplyNextEvent() {
  State& s = S();
  if (s.nextEvent >= s.script.size()) return false;
  const ScriptEvent& ev = s.script[s.nextEvent++];
  switch (ev.kind) {
    case EventKind::kMessage: {
      std::lock_guard<std::mutex> g(s.queueLock);
      s.queue.Push(ev.msg);
      break;
    }
    case EventKind::kPad:
      s.padPresent[static_cast<size_t>(ev.pad)] = ev.present;
      s.pads[static_cast<size_t>(ev.pad)] = ev.reading;
      break;
    case EventKind::kStall:
      Advance(ev.ms);
      break;
  }
  return true;
}

// A directory of this process's own for the instance lock, removed at exit.
// The path is never freed, so the exit handler can still read it.
const std::string& OwnLockDir() {
  static const std::string* const dir = [] {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vorendalite-headless-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    auto* kept = new std::string(path.string() + "/");
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(OwnLockDir(), ignored);
    });
    return kept;
  }();
  return *dir;
}

void TrackKeys(const plat::Message& m) {
  if (m.wparam >= plat::kKeyCount) return;
  if (m.id == plat::kMsgKeyDown || m.id == plat::kMsgSysKeyDown) S().keys[m.wparam] = true;
  if (m.id == plat::kMsgKeyUp || m.id == plat::kMsgSysKeyUp) S().keys[m.wparam] = false;
}

}  // namespace

namespace headless {

void Reset(uint32_t startMs, int64_t epochSeconds) {
  State& s = S();
  plat::posix::UnlockFile(s.lockFd);
  s.lockFd = -1;
  s.now = startMs;
  s.elapsedMs = 0;
  s.epoch = epochSeconds;
  s.frameIndex = 0;
  s.frameLimit = 1 << 30;
  s.limitHit = false;
  s.script.clear();
  s.nextEvent = 0;
  s.onFrame = nullptr;
  s.queue.Clear();
  s.keys.fill(false);
  s.padPresent.fill(false);
  s.pads.fill(plat::PadReading{});
  s.boxes.clear();
  s.answers.clear();
  s.boxUpMs = 0;
  s.beeps = 0;
  s.sleeps = 0;
  s.shownFrames = 0;
  s.waitedFrames = 0;
  s.frameOutputFails = false;
  s.windowFails = false;
  s.lastFrame.assign(static_cast<size_t>(plat::kFrameWidth) * plat::kFrameHeight, 0);
  if (s.programDir.empty()) s.programDir = "./";
  if (s.lockDir.empty()) s.lockDir = OwnLockDir();
  s.raiseRequests = 0;
  s.minimizeRequests = 0;
  s.windowOpen = false;
  s.cursorShown = 1;
  s.cursorWarp = {-1, -1};
  s.osVersion = {0, 0, 0};
  s.audioDevice = true;
  s.audioOpen = false;
  plat::mixer::Reset();
}

int FrameIndex() { return S().frameIndex; }
uint32_t Now() { return S().now; }
void AdvanceClock(uint32_t ms) { Advance(ms); }

void AtFrame(int frame, const plat::Message& msg) {
  Insert({frame, EventKind::kMessage, msg, 0, false, {}, 0});
}
void KeyDown(int frame, int vk) {
  AtFrame(frame, {plat::kMsgKeyDown, static_cast<uint64_t>(vk), 0});
}
void KeyUp(int frame, int vk) { AtFrame(frame, {plat::kMsgKeyUp, static_cast<uint64_t>(vk), 0}); }
void TapKey(int frame, int vk, int frames) {
  KeyDown(frame, vk);
  KeyUp(frame + frames, vk);
}
void Activate(int frame, bool active) {
  AtFrame(frame, {plat::kMsgActivateApp, active ? 1u : 0u, 0});
}
void Close(int frame) { AtFrame(frame, {plat::kMsgClose, 0, 0}); }
void Stall(int frame, uint32_t ms) { Insert({frame, EventKind::kStall, {}, 0, false, {}, ms}); }
void SetPad(int frame, int pad, bool present, uint32_t x, uint32_t y, uint32_t buttons) {
  if (pad < 0 || pad >= plat::kPadCount) return;
  Insert({frame, EventKind::kPad, {}, pad, present, {x, y, buttons}, 0});
}
void OnFrame(std::function<void(int)> hook) { S().onFrame = std::move(hook); }
void SetFrameLimit(int frames) { S().frameLimit = frames; }
bool FrameLimitHit() { return S().limitHit; }

const std::vector<Box>& Boxes() { return S().boxes; }
void AnswerNextBox(int answer) { S().answers.push_back(answer); }
void SetBoxUpTime(uint32_t ms) { S().boxUpMs = ms; }
int BeepCount() { return S().beeps; }
int SleepCount() { return S().sleeps; }

int ShownFrames() { return S().shownFrames; }
int WaitedFrames() { return S().waitedFrames; }
const std::vector<uint16_t>& LastFrame() { return S().lastFrame; }
void FailFrameOutput(bool fail) { S().frameOutputFails = fail; }
void FailWindow(bool fail) { S().windowFails = fail; }

void SetProgramDir(const std::string& dir) {
  S().programDir = dir.empty() || dir.back() == '/' ? dir : dir + "/";
}
void SetLockDir(const std::string& dir) {
  S().lockDir = dir.empty() || dir.back() == '/' ? dir : dir + "/";
}
int RaiseRequests() { return S().raiseRequests; }
void SetAudioDevice(bool present) { S().audioDevice = present; }
void RenderAudio(int16_t* out, int frames) { plat::mixer::Render(out, frames); }
bool WindowOpen() { return S().windowOpen; }
int MinimizeRequests() { return S().minimizeRequests; }
int CursorShown() { return S().cursorShown; }
std::pair<int, int> LastCursorWarp() { return S().cursorWarp; }
void SetOsVersion(int platform, int major, int minor) { S().osVersion = {platform, major, minor}; }

}  // namespace headless

namespace plat {

uint32_t NowMs() { return S().now; }
void SleepMs(uint32_t ms) {
  ++S().sleeps;
  Advance(ms);
}
int64_t TimeSeconds() { return S().epoch + static_cast<int64_t>(S().elapsedMs / 1000); }

bool OpenWindow(std::string_view) {
  if (S().windowFails) return false;
  S().windowOpen = true;
  PostMessage({kMsgActivateApp, 1, 0});
  PostMessage({kMsgSetCursor, 0, 0});
  return true;
}
void DestroyWindow() {
  if (!S().windowOpen) return;
  S().windowOpen = false;
  PostMessage({kMsgDestroy, 0, 0});
}
bool WindowOpen() { return S().windowOpen; }
void MinimizeWindow() { ++S().minimizeRequests; }

bool PeekMessage(Message& out) {
  State& s = S();
  for (;;) {
    {
      std::lock_guard<std::mutex> g(s.queueLock);
      if (s.queue.Pop(out)) break;
    }
    if (s.nextEvent >= s.script.size() || s.script[s.nextEvent].frame > s.frameIndex) return false;
    ApplyNextEvent();
  }
  TrackKeys(out);
  return true;
}

void WaitMessage() {
  State& s = S();
  for (;;) {
    {
      std::lock_guard<std::mutex> g(s.queueLock);
      if (!s.queue.Empty()) return;
    }
    if (!ApplyNextEvent()) {
      // Nothing will ever arrive: end the run rather than hang the test.
      s.limitHit = true;
      PostMessage({kMsgClose, 0, 0});
      return;
    }
  }
}

void PostMessage(const Message& msg) {
  std::lock_guard<std::mutex> g(S().queueLock);
  S().queue.Push(msg);
}
void PostQuitMessage(int code) { PostMessage({kMsgQuit, static_cast<uint64_t>(code), 0}); }

void ShowCursor(bool shown) { S().cursorShown = shown ? 1 : 0; }
void ConfineCursor(bool) {}
void WarpCursor(int x, int y) { S().cursorWarp = {x, y}; }
void EnableTextInput(bool) {}

bool IsKeyDown(int vk) { return vk >= 0 && vk < kKeyCount && S().keys[static_cast<size_t>(vk)]; }

bool ReadPad(int pad, PadReading& out) {
  if (pad < 0 || pad >= kPadCount || !S().padPresent[static_cast<size_t>(pad)]) return false;
  out = S().pads[static_cast<size_t>(pad)];
  return true;
}

void BeginFrame() {
  State& s = S();
  const int k = s.frameIndex;
  // 1000/60 ms per frame, exact on average: 16, 17, 17, 16, 17, 17, ...
  Advance(static_cast<uint32_t>((int64_t{k} + 1) * 1000 / 60 - int64_t{k} * 1000 / 60));
  if (s.onFrame) s.onFrame(k);
  s.frameIndex = k + 1;
  if (s.frameIndex == s.frameLimit) {
    s.limitHit = true;
    PostMessage({kMsgClose, 0, 0});
  }
}

bool FrameOutputReady() { return !S().frameOutputFails; }

void ShowFrame(const uint16_t* pixels, int width, int height, int pitch, bool waitVBlank) {
  State& s = S();
  const int w = std::min(width, kFrameWidth), h = std::min(height, kFrameHeight);
  for (int y = 0; y < h; ++y)
    std::copy_n(pixels + static_cast<ptrdiff_t>(y) * pitch, w,
                s.lastFrame.begin() + static_cast<ptrdiff_t>(y) * kFrameWidth);
  ++s.shownFrames;
  if (waitVBlank) ++s.waitedFrames;
}

int ShowMessageBox(std::string_view text, std::string_view caption, BoxKind kind) {
  State& s = S();
  s.boxes.push_back({std::string(text), std::string(caption), kind, s.frameIndex});
  Advance(s.boxUpMs);
  if (!s.answers.empty()) {
    int a = s.answers.front();
    s.answers.erase(s.answers.begin());
    return a;
  }
  return kind == BoxKind::kOk ? kAnswerOk : kAnswerNo;
}
void Beep() {
  ++S().beeps;
  mixer::PlayBeep();
}

bool AcquireInstanceLock(std::string_view name) {
  State& s = S();
  const std::string path = s.lockDir + posix::LockFileName(name);
  s.lockFd = posix::LockFile(path);
  if (s.lockFd != posix::kLockHeld) return true;
  ++s.raiseRequests;  // the running instance would be asked to come forward
  return false;
}
void ReleaseInstanceLock() {
  posix::UnlockFile(S().lockFd);
  S().lockFd = -1;
}

const std::string& ProgramDir() { return S().programDir; }

bool OpenAudio() {
  S().audioOpen = S().audioOpen || S().audioDevice;
  return S().audioOpen;
}
bool AudioOpen() { return S().audioOpen; }
std::string SettingsDir() { return S().programDir; }
OsVersion GetOsVersion() { return S().osVersion; }

}  // namespace plat
