// System services: program directory, integer files, date and time, machine
// queries, input switches, cursor confinement and the colour-depth check.
#include <cstdio>
#include <string>

#include "engine/system/ko_system.h"
#include "platform/clock.h"
#include "platform/system.h"
#include "platform/window.h"

int gKeyCapture, gWatchKey, gWatchCount, gSysKeyPolicy, gCursorClipped;
std::string gDataDir;

namespace {

uint32_t Saturate32(uint64_t v) { return v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(v); }

std::string& ProgramDirBuffer() {
  static std::string buffer;
  return buffer;
}

}  // namespace

namespace koSystem {

const std::string& GetProgramDir(int useRedirect) {
  std::string& buffer = ProgramDirBuffer();
  buffer = plat::ProgramDir();
  if (useRedirect && !gDataDir.empty()) {
    // Keep the program's own directory name under the redirect directory.
    const size_t end = buffer.size() - 1;  // the trailing '/'
    const size_t start = buffer.rfind('/', end - 1);
    const std::string last = buffer.substr(start == std::string::npos ? 0 : start + 1);
    buffer = gDataDir + "/" + last;
  }
  return buffer;
}

void ReadDataDirRedirect(const char* fileName) {
  const std::string path = plat::SettingsDir() + fileName;
  FILE* f = std::fopen(path.c_str(), "r");
  if (!f) {
    gDataDir.clear();
    return;
  }
  char line[1024];
  std::string dir;
  if (std::fgets(line, sizeof line, f)) dir = line;
  std::fclose(f);
  if (!dir.empty() && dir.back() == '\n') dir.pop_back();
  if (!dir.empty() && dir.back() == '/') dir.pop_back();
  gDataDir = dir;
}

void WriteIntFile(const char* name, int value) {
  FILE* f = std::fopen((GetProgramDir(1) + name).c_str(), "w");
  if (!f) return;
  std::fprintf(f, "%d", value);
  std::fclose(f);
}

int ReadIntFile(const char* name) {
  FILE* f = std::fopen((GetProgramDir(1) + name).c_str(), "r");
  if (!f) return 0;
  int value = 0;
  if (std::fscanf(f, "%d", &value) != 1) value = 0;
  std::fclose(f);
  return value;
}

const std::string& GetCommandLine() { return gCommandLine; }

void GetDate(int& year, int& month, int& day, std::string& weekday) {
  static const char* const kDays[7] = {"日", "月", "火", "水", "木", "金", "土"};
  const plat::LocalDateTime t = plat::LocalNow();
  year = t.year;
  month = t.month;
  day = t.day;
  weekday = kDays[t.weekday % 7];
}

void GetTime(int& hour, int& minute, int& second) {
  const plat::LocalDateTime t = plat::LocalNow();
  hour = t.hour;
  minute = t.minute;
  second = t.second;
}

uint32_t GetDiskFree(char) {
  // One file system holds the program; drive letters do not exist here.
  return Saturate32(plat::FreeDiskBytes(plat::ProgramDir()));
}

uint32_t GetFreeMemory() { return Saturate32(plat::FreeMemoryBytes()); }

int GetWindowsVersion() {
  const plat::OsVersion v = plat::GetOsVersion();
  switch (v.platform) {
    case 1:  // 16-bit subsystem
      return 310;
    case 2:  // 95 family
      if (v.major == 4) return v.minor == 0 ? 950 : 980;
      return v.major * 100 + v.minor;
    case 3:  // NT family
      if (v.major == 5) return 2000;
      return v.major * 1000 + v.minor * 10;
    default:
      return -1;
  }
}

int GetScreenDepth() { return 16; }  // the back surface is always 5-6-5

int IsWindowed() { return gFullScreen == 0 ? 1 : 0; }

int CheckColorDepth(const char* settingsFile) {
  static const char* const kNames[4] = {"16", "256", "65536", "1670万"};
  int index = 0;
  if (gDisplayDepth == 8) index = 1;
  if (gDisplayDepth == 16) index = 2;
  if (gDisplayDepth == 24 || gDisplayDepth == 32) index = 3;
  if (index == 0 || gFullScreen || GetScreenDepth() >= gDisplayDepth) return 1;
  Message("%s%s\n%s%s", "　ウィンドウ状態で実行しようとしていますが、",
          (std::string("画面が") + kNames[index - 1] + "色以下に設定されています。").c_str(),
          (std::string("正しく動作させるには、") + kNames[index] + "色以上に設定するか、").c_str(),
          "フルスクリーンで実行させて下さい。");
  const std::string name = settingsFile ? settingsFile : "";
  int yes = 0;
  if (name == "*") yes = AskYesNo("%s", "フルスクリーンに切り換えますか？");
  if (!name.empty() && name != "*") yes = AskYesNo("%s", "フルスクリーンに設定し直しますか？");
  if (!yes) {
    Quit();
    return 0;
  }
  if (name != "*") WriteIntFile(name.c_str(), 1);
  return 1;  // full screen is already the only mode
}

void BeginKeyCapture() { gKeyCapture = 1; }
void EndKeyCapture() {
  gKeyCapture = 0;
  gKey = 0;
}
void WatchKey(int key) {
  gWatchKey = key;
  gWatchCount = 0;
}
int GetWatchCount() { return gWatchCount; }
void EnableIme(int on) { plat::EnableTextInput(on != 0); }
void SetSysKeyPolicy(int policy) { gSysKeyPolicy = policy; }

int ClipCursorRect(int, int, int, int) {
  // The pointer can only be confined to the whole window here.
  plat::ConfineCursor(true);
  gCursorClipped = 1;
  return 1;
}

void ClipCursorToWindow() { ClipCursorRect(0, 0, 640, 480); }

void UnclipCursor() {
  plat::ConfineCursor(false);
  gCursorClipped = 0;
}

void UnclipCursorOnExit() { UnclipCursor(); }
int IsCursorClipped() { return gCursorClipped; }
void SetCursorPosInWindow(int x, int y) { plat::WarpCursor(x, y); }

}  // namespace koSystem
