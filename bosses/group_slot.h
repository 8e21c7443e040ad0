// The slot record of the boss bullets that fire in fixed groups: fan volleys,
// pair shots, fall shots, chains and drops all keep the same eight words.
#pragma once
#include <cstdint>

struct FanVolleySlot {
  int32_t frame;   // animation cell of an animated draw
  int32_t timer;   // Tick calls into the kind's firing cycle
  float x, y;      // top-left corner, pixels
  float vx, vy;    // pixels per second, rewritten from the kind's constants by every Move
  int32_t spare;   // written by the reset only
  int32_t active;  // 1 while the bullet flies
};
using PairShotSlot = FanVolleySlot;
using DropSlot = FanVolleySlot;
