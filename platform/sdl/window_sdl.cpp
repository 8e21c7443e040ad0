// SDL2 backend: window, events turned into window messages, key and pad
// state, cursor, frame output and pacing.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "platform/frame.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_ring.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"

namespace {

struct Backend {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  std::atomic<uint32_t> wakeEvent{0};
  std::mutex queueLock;
  plat::MessageRing queue;
  bool havePending = false;  // an SDL event taken while waiting, not yet translated
  SDL_Event pending{};
  std::array<bool, plat::kKeyCount> keys{};
  // Shift, Ctrl and Alt are one key each for the game, but two on the keyboard.
  std::array<bool, 6> modifierSides{};
  std::array<SDL_Joystick*, plat::kPadCount> pads{};
  std::chrono::steady_clock::time_point nextFrame{};
  int vsync = -1;  // the renderer's vsync as last set; -1 not set yet
};

Backend& B() {
  static Backend b;
  return b;
}

bool PopQueued(plat::Message& out) {
  std::lock_guard<std::mutex> g(B().queueLock);
  return B().queue.Pop(out);
}

// Index of a left or right modifier key in modifierSides, or -1.
int ModifierSide(SDL_Keycode k) {
  switch (k) {
    case SDLK_LSHIFT:
      return 0;
    case SDLK_RSHIFT:
      return 1;
    case SDLK_LCTRL:
      return 2;
    case SDLK_RCTRL:
      return 3;
    case SDLK_LALT:
      return 4;
    case SDLK_RALT:
      return 5;
    default:
      return -1;
  }
}

// Records a key change; a modifier is down while either of its sides is.
void TrackKey(SDL_Keycode k, int vk, bool down) {
  Backend& b = B();
  if (const int side = ModifierSide(k); side >= 0) {
    b.modifierSides[static_cast<size_t>(side)] = down;
    const size_t pair = static_cast<size_t>(side & ~1);
    down = b.modifierSides[pair] || b.modifierSides[pair + 1];
  }
  b.keys[static_cast<size_t>(vk)] = down;
}

int VirtualKeyOf(SDL_Keycode k) {
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return plat::kVkF1 + (k - SDLK_F1);
  switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return plat::kVkReturn;
    case SDLK_ESCAPE:
      return plat::kVkEscape;
    case SDLK_SPACE:
      return plat::kVkSpace;
    case SDLK_BACKSPACE:
      return plat::kVkBack;
    case SDLK_TAB:
      return plat::kVkTab;
    case SDLK_LEFT:
      return plat::kVkLeft;
    case SDLK_UP:
      return plat::kVkUp;
    case SDLK_RIGHT:
      return plat::kVkRight;
    case SDLK_DOWN:
      return plat::kVkDown;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return plat::kVkShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return plat::kVkControl;
    case SDLK_LALT:
    case SDLK_RALT:
      return plat::kVkMenu;
    case SDLK_PAUSE:
      return plat::kVkPause;
    case SDLK_PRINTSCREEN:
      return plat::kVkSnapshot;
    case SDLK_INSERT:
      return plat::kVkInsert;
    case SDLK_DELETE:
      return plat::kVkDelete;
    case SDLK_HOME:
      return plat::kVkHome;
    case SDLK_END:
      return plat::kVkEnd;
    case SDLK_PAGEUP:
      return plat::kVkPrior;
    case SDLK_PAGEDOWN:
      return plat::kVkNext;
    default:
      return 0;
  }
}

bool PadOpen(SDL_JoystickID id) {
  for (SDL_Joystick* slot : B().pads)
    if (slot && SDL_JoystickInstanceID(slot) == id) return true;
  return false;
}

// Fills free pad slots with attached pads that are not open yet.
void OpenPads() {
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    if (PadOpen(SDL_JoystickGetDeviceInstanceID(i))) continue;
    for (auto& slot : B().pads) {
      if (slot) continue;
      slot = SDL_JoystickOpen(i);
      break;
    }
  }
}

void ClosePad(SDL_JoystickID id) {
  for (auto& slot : B().pads) {
    if (slot && SDL_JoystickInstanceID(slot) == id) {
      SDL_JoystickClose(slot);
      slot = nullptr;
    }
  }
  OpenPads();  // a pad waiting for a free slot takes this one
}

// Turns one SDL event into a message; false when it carries none.
bool Translate(const SDL_Event& e, plat::Message& m) {
  switch (e.type) {
    case SDL_QUIT:
      m = {plat::kMsgClose, 0, 0};
      return true;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          m = {plat::kMsgClose, 0, 0};
          return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          m = {plat::kMsgActivateApp, 1, 0};
          return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          m = {plat::kMsgActivateApp, 0, 0};
          return true;
        case SDL_WINDOWEVENT_MOVED:
          m = {plat::kMsgMove, 0, plat::PackXY(e.window.data1, e.window.data2)};
          return true;
        default:
          return false;
      }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const int vk = VirtualKeyOf(e.key.keysym.sym);
      if (vk == 0) return false;
      const bool down = e.type == SDL_KEYDOWN;
      TrackKey(e.key.keysym.sym, vk, down);
      // Alt combinations, Alt itself and F10 arrive as system keys.
      const bool sys = (e.key.keysym.mod & KMOD_ALT) || vk == plat::kVkF10 || vk == plat::kVkMenu;
      uint32_t id = down ? (sys ? plat::kMsgSysKeyDown : plat::kMsgKeyDown)
                         : (sys ? plat::kMsgSysKeyUp : plat::kMsgKeyUp);
      m = {id, static_cast<uint64_t>(vk), 0};
      return true;
    }
    case SDL_MOUSEMOTION:
      // The pointer's shape is settled as it moves over the window, then the move itself.
      plat::PostMessage({plat::kMsgSetCursor, 0, 0});
      m = {plat::kMsgMouseMove, 0, plat::PackXY(e.motion.x, e.motion.y)};
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const bool left = e.button.button == SDL_BUTTON_LEFT;
      if (!left && e.button.button != SDL_BUTTON_RIGHT) return false;
      uint32_t id;
      if (e.type == SDL_MOUSEBUTTONUP)
        id = left ? plat::kMsgLButtonUp : plat::kMsgRButtonUp;
      else if (e.button.clicks == 2)
        id = left ? plat::kMsgLButtonDblClk : plat::kMsgRButtonDblClk;
      else
        id = left ? plat::kMsgLButtonDown : plat::kMsgRButtonDown;
      m = {id, 0, plat::PackXY(e.button.x, e.button.y)};
      return true;
    }
    case SDL_JOYDEVICEADDED:
      OpenPads();
      return false;
    case SDL_JOYDEVICEREMOVED:
      ClosePad(e.jdevice.which);
      return false;
    default:  // wake-ups and everything the engine does not handle
      return false;
  }
}

// Without SDL_VIDEODRIVER, SDL falls back to its offscreen driver when no
// display answers, and the game would run unseen. Only drivers that show
// something are tried; the offscreen and dummy ones need asking for by name.
void OnlyRealDisplays() {
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  if (asked && *asked) return;
  std::string drivers;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string_view name = SDL_GetVideoDriver(i);
    if (name == "offscreen" || name == "dummy" || name == "evdev") continue;
    if (!drivers.empty()) drivers += ',';
    drivers += name;
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

}  // namespace

namespace plat {

void sdl::WakeMessageWait() {
  const uint32_t type = B().wakeEvent;
  if (type == 0 || type == static_cast<uint32_t>(-1)) return;
  SDL_Event wake{};
  wake.type = type;
  SDL_PushEvent(&wake);
}

bool OpenWindow(std::string_view title) {
  Backend& b = B();
  OnlyRealDisplays();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    sdl::ReportFailure("cannot open a window, no X11 or Wayland display", SDL_GetError());
    return false;
  }
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_EVENTS) != 0) {
    sdl::ReportFailure("SDL_InitSubSystem", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  b.wakeEvent = SDL_RegisterEvents(1);
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  // Desktop-sized from the start, so the frame fills the screen also where no
  // window manager carries out the full-screen request (a bare X server).
  SDL_DisplayMode desktop{};
  if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
    desktop.w = kFrameWidth;
    desktop.h = kFrameHeight;
  }
  b.window = SDL_CreateWindow(std::string(title).c_str(), 0, 0, desktop.w, desktop.h,
                              SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
  if (!b.window) {
    sdl::ReportFailure("SDL_CreateWindow", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK | SDL_INIT_EVENTS);
    return false;
  }
  b.renderer = SDL_CreateRenderer(b.window, -1, 0);
  if (!b.renderer) b.renderer = SDL_CreateRenderer(b.window, -1, SDL_RENDERER_SOFTWARE);
  if (b.renderer) {
    SDL_RenderSetLogicalSize(b.renderer, kFrameWidth, kFrameHeight);
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(b.renderer, &w, &h);
    // Whole-number scaling once the picture can at least double; below that
    // it is scaled freely to fill the desktop.
    SDL_RenderSetIntegerScale(b.renderer,
                              w >= 2 * kFrameWidth && h >= 2 * kFrameHeight ? SDL_TRUE : SDL_FALSE);
    b.texture = SDL_CreateTexture(b.renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                  kFrameWidth, kFrameHeight);
    SDL_SetRenderDrawColor(b.renderer, 0, 0, 0, 255);
    SDL_RenderClear(b.renderer);
    SDL_RenderPresent(b.renderer);
  }
  SDL_StopTextInput();
  sdl::SetMainWindow(b.window);
  PostMessage({kMsgActivateApp, 1, 0});
  PostMessage({kMsgSetCursor, 0, 0});
  return true;
}

void DestroyWindow() {
  Backend& b = B();
  if (!b.window) return;
  for (auto& p : b.pads)
    if (p) SDL_JoystickClose(p), p = nullptr;
  if (b.texture) SDL_DestroyTexture(b.texture);
  if (b.renderer) SDL_DestroyRenderer(b.renderer);
  SDL_DestroyWindow(b.window);
  b.texture = nullptr;
  b.renderer = nullptr;
  b.vsync = -1;
  b.window = nullptr;
  sdl::SetMainWindow(nullptr);
  PostMessage({kMsgDestroy, 0, 0});
}

bool WindowOpen() { return B().window != nullptr; }

void MinimizeWindow() {
  if (B().window) SDL_MinimizeWindow(B().window);
}

bool PeekMessage(Message& out) {
  if (PopQueued(out)) return true;
  sdl::ServiceRaiseRequest(B().window);
  SDL_Event e;
  for (;;) {
    if (B().havePending) {
      e = B().pending;
      B().havePending = false;
    } else if (!SDL_PollEvent(&e)) {
      return false;
    }
    if (Translate(e, out)) return true;
    if (PopQueued(out)) return true;
  }
}

void WaitMessage() {
  Backend& b = B();
  for (;;) {
    {
      std::lock_guard<std::mutex> g(b.queueLock);
      if (!b.queue.Empty()) return;
    }
    if (b.havePending) return;
    if (SDL_WaitEventTimeout(&b.pending, 250)) {
      b.havePending = true;
      return;
    }
  }
}

void PostMessage(const Message& msg) {
  {
    std::lock_guard<std::mutex> g(B().queueLock);
    if (!B().queue.Push(msg)) return;
  }
  sdl::WakeMessageWait();
}

void PostQuitMessage(int code) { PostMessage({kMsgQuit, static_cast<uint64_t>(code), 0}); }

void ShowCursor(bool shown) { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); }
void ConfineCursor(bool on) {
  if (B().window) SDL_SetWindowGrab(B().window, on ? SDL_TRUE : SDL_FALSE);
}
void WarpCursor(int x, int y) {
  if (B().window) SDL_WarpMouseInWindow(B().window, x, y);
}
void EnableTextInput(bool on) {
  if (on)
    SDL_StartTextInput();
  else
    SDL_StopTextInput();
}

bool IsKeyDown(int vk) { return vk >= 0 && vk < kKeyCount && B().keys[static_cast<size_t>(vk)]; }

bool ReadPad(int pad, PadReading& out) {
  if (pad < 0 || pad >= kPadCount) return false;
  SDL_Joystick* j = B().pads[static_cast<size_t>(pad)];
  if (!j || !SDL_JoystickGetAttached(j)) return false;
  auto axis = [j](int a) {
    return static_cast<uint32_t>(std::clamp(SDL_JoystickGetAxis(j, a) + 32768, 0, 65535));
  };
  out.x = SDL_JoystickNumAxes(j) > 0 ? axis(0) : 32767;
  out.y = SDL_JoystickNumAxes(j) > 1 ? axis(1) : 32767;
  out.buttons = 0;
  const int n = std::min(SDL_JoystickNumButtons(j), 32);
  for (int i = 0; i < n; ++i)
    if (SDL_JoystickGetButton(j, i)) out.buttons |= 1u << i;
  return true;
}

void BeginFrame() {
  // At most 60 frames a second, whatever the display does.
  using clock = std::chrono::steady_clock;
  constexpr auto kPeriod = std::chrono::nanoseconds(1000000000 / 60);
  Backend& b = B();
  auto now = clock::now();
  if (now < b.nextFrame) {
    std::this_thread::sleep_until(b.nextFrame);
    now = b.nextFrame;
  }
  b.nextFrame = now + kPeriod;
}

bool FrameOutputReady() { return B().renderer && B().texture; }

void ShowFrame(const uint16_t* pixels, int width, int height, int pitch, bool waitVBlank) {
  Backend& b = B();
  if (!b.renderer || !b.texture) return;
  // The renderer's vsync makes its present wait for the vertical blank (or,
  // where the driver cannot, for the display's next refresh period).
  if (b.vsync != static_cast<int>(waitVBlank)) {
    SDL_RenderSetVSync(b.renderer, waitVBlank ? 1 : 0);
    b.vsync = waitVBlank ? 1 : 0;
  }
  SDL_Rect area{0, 0, std::min(width, kFrameWidth), std::min(height, kFrameHeight)};
  SDL_UpdateTexture(b.texture, &area, pixels, pitch * 2);
  SDL_RenderClear(b.renderer);
  SDL_RenderCopy(b.renderer, b.texture, nullptr, nullptr);
  SDL_RenderPresent(b.renderer);
}

}  // namespace plat
