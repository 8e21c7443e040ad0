// Sound effects and music.
#pragma once

namespace koSound {

// The system's standard beep.
void Beep();

}  // namespace koSound
