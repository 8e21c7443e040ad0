// The scene table's numbers and the scene change.
#pragma once

enum SceneNumber : int {
  SceneTitle = 1,
  SceneStage1 = 2,
  SceneStage2 = 3,
  SceneStage3 = 4,
  SceneStage4 = 5,
  SceneStage5 = 6,
  SceneStage6 = 7,
  SceneStage7 = 8,
  SceneStage8 = 9,
  SceneEnding = 10,
  SceneLevelSelect = 11,
  SceneShipSelect = 12,
};

// The ship type chosen on the front end (1 or 2; 0 on the title).
extern int gShipType;

// Changes to `target` with transition `kind` over `length` frames: the frame
// already presented is captured and dissolves over the new scene. Kind 0 is
// the covering transition, which runs before the scene changes.
void ChangeScene(int target, int kind, int length);
// Changes to `target` at once, without a transition.
void SwitchScene(int target);
