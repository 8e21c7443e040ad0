// The scene table: scene numbers 1..12 and their frame functions.
#include <array>
#include <cstddef>

#include "engine/game_hooks.h"
#include "game/scenes.h"
#include "stages/front_end.h"
#include "stages/stages.h"

namespace {

using SceneFrame = void (*)();
constexpr std::array<SceneFrame, 13> kSceneFrames{
    nullptr,     TitleFrame,       Stage1Frame,    Stage2Frame, Stage3Frame,
    Stage4Frame, Stage5Frame,      Stage6Frame,    Stage7Frame, Stage8Frame,
    EndingFrame, LevelSelectFrame, ShipSelectFrame};

}  // namespace

void RunSceneFrame(int scene) {
  if (scene < 1 || scene > 12 || !kSceneFrames[static_cast<size_t>(scene)]) return;
  kSceneFrames[static_cast<size_t>(scene)]();
}
