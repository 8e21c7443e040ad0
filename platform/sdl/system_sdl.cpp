// SDL backend: clock, message boxes, beep, single instance, program directory.
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/posix.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/system.h"

namespace {

SDL_Window* gMain = nullptr;
std::atomic<bool> gRaiseRequested{false};
int gLockFd = -1;

const std::chrono::steady_clock::time_point kStart = std::chrono::steady_clock::now();

void OnRaiseSignal(int) { gRaiseRequested = true; }

std::string RuntimeDir() {
  const char* dir = std::getenv("XDG_RUNTIME_DIR");
  std::string out = dir && *dir ? dir : "/tmp";
  if (out.back() != '/') out += '/';
  return out;
}

}  // namespace

namespace plat::sdl {

void SetMainWindow(SDL_Window* window) { gMain = window; }
SDL_Window* MainWindow() { return gMain; }

void ServiceRaiseRequest(SDL_Window* window) {
  if (gRaiseRequested.exchange(false) && window) SDL_RaiseWindow(window);
}

void ReportFailure(const char* what, const char* detail) {
  std::fprintf(stderr, "vorendalite: %s: %s\n", what, detail);
}

}  // namespace plat::sdl

namespace plat {

uint32_t NowMs() {
  const auto elapsed = std::chrono::steady_clock::now() - kStart;
  return static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void SleepMs(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

int64_t TimeSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

int ShowMessageBox(std::string_view text, std::string_view caption, BoxKind kind) {
  const std::string t(text), c(caption);
  std::fprintf(stderr, "[%s] %s\n", c.c_str(), t.c_str());
  static const SDL_MessageBoxButtonData kOkButtons[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
       kAnswerOk, "OK"}};
  static const SDL_MessageBoxButtonData kYesNoButtons[] = {
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kAnswerNo, "No"},
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kAnswerYes, "Yes"}};
  const bool ok = kind == BoxKind::kOk;
  SDL_MessageBoxData data{};
  data.flags = ok ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
  data.window = gMain;
  data.title = c.c_str();
  data.message = t.c_str();
  data.numbuttons = ok ? 1 : 2;
  data.buttons = ok ? kOkButtons : kYesNoButtons;
  int pressed = 0;
  if (SDL_ShowMessageBox(&data, &pressed) != 0) return ok ? kAnswerOk : kAnswerNo;
  return pressed;
}

void Beep() {
  std::fputc('\a', stderr);
  std::fflush(stderr);
}

bool AcquireInstanceLock(std::string_view name) {
  const std::string path = RuntimeDir() + posix::LockFileName(name);
  gLockFd = posix::LockFile(path);
  if (gLockFd >= 0) {
    struct sigaction sa {};
    sa.sa_handler = OnRaiseSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGUSR1, &sa, nullptr);
    return true;
  }
  // Ask the running instance to come to the front.
  if (const int pid = posix::LockOwner(path); pid > 0 && pid != getpid()) ::kill(pid, SIGUSR1);
  return false;
}

void ReleaseInstanceLock() {
  posix::UnlockFile(gLockFd);
  gLockFd = -1;
}

std::string ProgramDir() {
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  return posix::DirOf(std::string_view(buf, static_cast<size_t>(n)));
}

std::string SettingsDir() { return "/etc/"; }

}  // namespace plat
