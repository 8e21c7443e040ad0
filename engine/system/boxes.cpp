// Engine error reports and the two general message boxes.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "platform/dialog.h"
#include "platform/window.h"

int gErrorFlag;

namespace {

std::string Format(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  return text;
}

int ShowBox(const std::string& text, plat::BoxKind kind) {
  if (gCursorShown == 0) {
    plat::ShowCursor(true);
    gCursorShown = 1;
  }
  gMessageBoxUp = 1;
  const int answer = plat::ShowMessageBox(text, "メッセージ", kind);
  gMessageBoxUp = 0;
  // The time the box was up is not game time.
  koSystem::ResetFrameClock();
  return answer;
}

}  // namespace

namespace koSystem {

int Error(const char* method, const char* message, int) {
  const std::string text = std::string(method) + " : " + message;
  koSound::Beep();
  plat::ShowMessageBox(text, "エラー発生", plat::BoxKind::kOk);
  gErrorFlag = 1;
  // The frame clock runs on: the next frame measures the time the box was
  // up, and the cap on one frame's step bounds it.
  return 0;
}

void Message(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = Format(format, args);
  va_end(args);
  ShowBox(text + "\r\n", plat::BoxKind::kOk);
}

int AskYesNo(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = Format(format, args);
  va_end(args);
  return ShowBox(text + "\r\n", plat::BoxKind::kYesNo) == plat::kAnswerYes ? 1 : 0;
}

int GetError() { return gErrorFlag; }

int QuitIfError() {
  if (gErrorFlag) Quit();
  return gErrorFlag;
}

}  // namespace koSystem
