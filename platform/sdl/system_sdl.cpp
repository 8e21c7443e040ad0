// SDL backend: clock, message boxes, beep, single instance, program directory.
#include <semaphore.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/mixer.h"
#include "platform/posix.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/system.h"

namespace {

SDL_Window* gMain = nullptr;
std::atomic<bool> gRaiseRequested{false};
int gLockFd = -1;

const std::chrono::steady_clock::time_point kStart = std::chrono::steady_clock::now();

sem_t gRaiseWake;

void OnRaiseSignal(int) {
  gRaiseRequested = true;
  sem_post(&gRaiseWake);
}

// The signal handler may not touch SDL; this thread wakes the message wait for
// it, so a waiting (minimised or inactive) game serves the request at once.
void WakeForRaises() {
  for (;;) {
    if (sem_wait(&gRaiseWake) == 0) plat::sdl::WakeMessageWait();
  }
}

// The user's own runtime directory, or a private one under /tmp.
std::string RuntimeDir() {
  const char* dir = std::getenv("XDG_RUNTIME_DIR");
  if (dir && *dir) return std::string(dir) + "/";
  const std::string own = "/tmp/vorendalite-" + std::to_string(::getuid()) + "/";
  ::mkdir(own.c_str(), 0700);
  return own;
}

}  // namespace

namespace plat::sdl {

void SetMainWindow(SDL_Window* window) { gMain = window; }

void ServiceRaiseRequest(SDL_Window* window) {
  if (!gRaiseRequested.exchange(false) || !window) return;
  // A minimised window is hidden: it is shown and restored before it can rise.
  const uint32_t flags = SDL_GetWindowFlags(window);
  if (!(flags & SDL_WINDOW_SHOWN)) SDL_ShowWindow(window);
  if (flags & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(window);
  SDL_RaiseWindow(window);
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

void SleepMs(uint32_t ms) {
  if (ms == 0)
    std::this_thread::yield();
  else
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int64_t TimeSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

int ShowMessageBox(std::string_view text, std::string_view caption, BoxKind kind) {
  std::string t(text);
  const std::string c(caption);
  while (!t.empty() && (t.back() == '\n' || t.back() == '\r')) t.pop_back();
  std::fprintf(stderr, "[%s] %s\n", c.c_str(), t.c_str());
  static const SDL_MessageBoxButtonData kOkButtons[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kAnswerOk,
       "OK"}};
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
  if (mixer::PlayBeep()) return;
  std::fputc('\a', stderr);  // no audio output: the terminal's bell
  std::fflush(stderr);
}

bool AcquireInstanceLock(std::string_view name) {
  // Ready for a second start's request before anyone can see our lock.
  static std::once_flag wakerStarted;
  std::call_once(wakerStarted, [] {
    sem_init(&gRaiseWake, 0, 0);
    std::thread(WakeForRaises).detach();
  });
  struct sigaction sa {};
  sa.sa_handler = OnRaiseSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGUSR1, &sa, nullptr);
  const std::string path = RuntimeDir() + posix::LockFileName(name);
  gLockFd = posix::LockFile(path);
  if (gLockFd != posix::kLockHeld) return true;  // a lock that cannot be made guards nothing
  // Ask the running instance to come to the front.
  if (const int pid = posix::LockOwner(path); pid > 0 && pid != getpid()) ::kill(pid, SIGUSR1);
  return false;
}

void ReleaseInstanceLock() {
  posix::UnlockFile(gLockFd);
  gLockFd = -1;
}

// Found once: the executable does not move while it runs.
const std::string& ProgramDir() {
  static const std::string dir = [] {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return std::string("./");
    return posix::DirOf(std::string_view(buf, static_cast<size_t>(n)));
  }();
  return dir;
}

std::string SettingsDir() { return "/etc/"; }

// Linux is none of the classic desktop families.
OsVersion GetOsVersion() { return OsVersion{0, 0, 0}; }

}  // namespace plat
