#include "engine/sound/ko_sound.h"
#include "platform/dialog.h"

namespace koSound {

void Beep() { plat::Beep(); }

}  // namespace koSound
