// Virtual-key codes the platform reports in key messages and key state.
#pragma once

namespace plat {

enum VirtualKey : int {
  kVkLButton = 0x01,
  kVkRButton = 0x02,
  kVkBack = 0x08,
  kVkTab = 0x09,
  kVkReturn = 0x0D,
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkMenu = 0x12,  // Alt
  kVkPause = 0x13,
  kVkEscape = 0x1B,
  kVkSpace = 0x20,
  kVkPrior = 0x21,
  kVkNext = 0x22,
  kVkEnd = 0x23,
  kVkHome = 0x24,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
  kVkSnapshot = 0x2C,
  kVkInsert = 0x2D,
  kVkDelete = 0x2E,
  kVkF1 = 0x70,  // F1..F12 are consecutive
  kVkF10 = 0x79,
  kVkF12 = 0x7B,
};

constexpr int kKeyCount = 256;

}  // namespace plat
