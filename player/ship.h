// The player's ship as a moving thing: keyboard and pad control, the move
// with its clamps and bank frame, and three operations that nothing calls.
#pragma once

// Edge states of the ship's keys as koSystem::KeyEdge keeps them.
extern int gKeyStateLeft, gKeyStateRight, gKeyStateUp, gKeyStateDown;
extern int gKeyStateZ, gKeyStateX, gKeyStateC, gKeyStateShift, gKeyStateCtrl;
// Direction of pad 0 per axis: -1, 0 or +1.
extern int gStickX, gStickY;

void PlayerKeyboardControl();
void PlayerJoystickControl();
void MovePlayer();

// The entry fly-in of the current ship type.
void ShipEntry();
// The lock-on sight around the ship; its corner goes to gSightX, gSightY.
void DrawSight();
void PlayExplosionSound(int unused);
