// Modal message boxes and the beep.
#pragma once
#include <string_view>

namespace plat {

enum class BoxKind { kOk, kYesNo };
enum BoxAnswer : int { kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7 };

// Shows a box (UTF-8 text) and returns the button pressed.
int ShowMessageBox(std::string_view text, std::string_view caption, BoxKind kind);
// The standard beep: a short tone in the audio output when it is open.
void Beep();

}  // namespace plat
