// Where a freed slot waits: off the screen and outside every hit box.
#pragma once
#include <numbers>

constexpr int kParkX = -500;
constexpr int kParkY = 500;
// The direction a parked fragment or bomb shot keeps: -3 degrees.
constexpr float kParkedAngle = static_cast<float>(-3.0 * std::numbers::pi / 180.0);

// What a picture that nothing loads draws: the engine's scratch object.
constexpr int kNoPicture = 0;
