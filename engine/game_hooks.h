// What the engine needs of the game. The game defines these; programs that
// run the engine alone (its tests) define their own.
#pragma once

// Opens the screen and loads every picture and sound; selects the first scene.
void LoadGameAssets();
// Runs one frame of scene `scene` (1..12); other numbers do nothing.
void RunSceneFrame(int scene);
// Writes the high score to its file (Esc, orderly shutdown).
void SaveHighScore();
// The pause key was pressed: the game decides whether the pause flips.
void OnPauseKey();
