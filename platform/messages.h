// Window messages that the platform delivers to the engine's window procedure.
// The numbers follow the classic desktop message numbering so that logs and
// tests read naturally; only the messages the engine handles are defined.
#pragma once
#include <cstdint>

namespace plat {

enum MessageId : uint32_t {
  kMsgNull = 0x0000,
  kMsgDestroy = 0x0002,
  kMsgMove = 0x0003,       // lparam: low word client x, high word client y (signed 16-bit)
  kMsgClose = 0x0010,
  kMsgQuit = 0x0012,
  kMsgActivateApp = 0x001C,  // wparam: 1 gained, 0 lost
  kMsgSetCursor = 0x0020,
  kMsgKeyDown = 0x0100,      // wparam: virtual-key code
  kMsgKeyUp = 0x0101,
  kMsgSysKeyDown = 0x0104,   // Alt combinations and F10
  kMsgSysKeyUp = 0x0105,
  kMsgMouseMove = 0x0200,    // lparam: low word x, high word y
  kMsgLButtonDown = 0x0201,
  kMsgLButtonUp = 0x0202,
  kMsgLButtonDblClk = 0x0203,
  kMsgRButtonDown = 0x0204,
  kMsgRButtonUp = 0x0205,
  kMsgRButtonDblClk = 0x0206,
  kMsgHotKey = 0x0312,
  kMsgMidiNotify = 0x03B9,   // wparam: kMidiNotifySuccessful, lparam: play serial
};

constexpr uint64_t kMidiNotifySuccessful = 1;

struct Message {
  uint32_t id = kMsgNull;
  uint64_t wparam = 0;
  int64_t lparam = 0;
};

// Packs two 16-bit coordinates the way move and mouse messages carry them.
constexpr int64_t PackXY(int x, int y) {
  return static_cast<int64_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) |
                              static_cast<uint32_t>(x & 0xFFFF));
}

}  // namespace plat
