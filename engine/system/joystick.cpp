// Pads 0 and 1: centre, direction zones, buttons, edge states, meters, charges.
#include "engine/system/ko_system.h"
#include "platform/input.h"

int gJoyCentreX[2], gJoyCentreY[2];
bool gJoyCentreCaptured[2];
JoyPadState gJoyPads[2];

namespace {

bool PadInRange(int pad) { return pad >= 0 && pad < 2; }
bool ButtonInRange(int button) { return button >= 1 && button <= 4; }

// Reads a pad. A pad that answers for the first time (or again after it was
// unplugged) has its centre taken from this reading, so it does not drift.
bool Query(int pad, plat::PadReading& r) {
  if (!PadInRange(pad)) return false;
  if (!plat::ReadPad(pad, r)) {
    gJoyCentreCaptured[pad] = false;  // the next pad here brings its own centre
    return false;
  }
  if (!gJoyCentreCaptured[pad]) {
    gJoyCentreX[pad] = static_cast<int>(r.x);
    gJoyCentreY[pad] = static_cast<int>(r.y);
    gJoyCentreCaptured[pad] = true;
  }
  return true;
}

// -1 at or below half the centre, +1 at or above one and a half, else 0.
int Zone(uint32_t position, int centre) {
  const int p = static_cast<int>(position);
  if (p <= centre / 2) return -1;
  if (p >= centre + centre / 2) return 1;
  return 0;
}

bool Held(const plat::PadReading& r, int button) { return (r.buttons >> (button - 1)) & 1u; }

float Charge(JoyPadState& s, int button, bool held) {
  float& c = s.charge[button - 1];
  if (!held) {
    c = 0.0f;
  } else {
    c += s.chargeRate * gFrameScale;
    if (c >= 100.0f) c = 100.0f;
  }
  return c;
}

void StepMeter(float& meter, int direction, float rate) {
  if (direction == 0) {
    if (meter > 0.0f) {
      meter -= rate * gFrameScale;
      if (meter < 0.0f) meter = 0.0f;
    } else if (meter < 0.0f) {
      meter += rate * gFrameScale;
      if (meter > 0.0f) meter = 0.0f;
    }
  } else {
    meter += rate * static_cast<float>(direction) * gFrameScale;
    if (meter > 100.0f) meter = 100.0f;
    if (meter < -100.0f) meter = -100.0f;
  }
}

}  // namespace

namespace koSystem {

void InitJoystick() {
  CaptureJoyCentre();
  for (JoyPadState& s : gJoyPads) {
    s.meterX = s.meterY = s.axisRate = s.chargeRate = 0.0f;
    for (float& c : s.charge) c = 0.0f;
  }
}

void CaptureJoyCentre() {
  for (int pad = 0; pad < 2; ++pad) {
    gJoyCentreCaptured[pad] = false;
    gJoyCentreX[pad] = gJoyCentreY[pad] = 0;
    plat::PadReading r;
    Query(pad, r);
  }
}

void GetJoyCentre(int pad, int& x, int& y) {
  x = PadInRange(pad) ? gJoyCentreX[pad] : 0;
  y = PadInRange(pad) ? gJoyCentreY[pad] : 0;
}

void JoyGetPosition(int pad, int& x, int& y) {
  plat::PadReading r;
  const bool ok = Query(pad, r);
  x = ok ? static_cast<int>(r.x) : 0;
  y = ok ? static_cast<int>(r.y) : 0;
}

int JoyButtonDown(int pad, int button) {
  plat::PadReading r;
  if (button < 1 || button > 32 || !Query(pad, r)) return 0;
  return Held(r, button) ? 1 : 0;
}

void JoyButtons(int pad, int& b1, int& b2, int& b3, int& b4) {
  plat::PadReading r;
  const bool ok = Query(pad, r);
  b1 = ok && Held(r, 1);
  b2 = ok && Held(r, 2);
  b3 = ok && Held(r, 3);
  b4 = ok && Held(r, 4);
}

int JoyButtonEdge(int pad, int button) {
  plat::PadReading r;
  if (!ButtonInRange(button) || !Query(pad, r)) return 0;
  int& e = gJoyPads[pad].edge[button - 1];
  e = StepEdge(e, Held(r, button));
  return e;
}

void JoyButtonEdges(int pad, int& e1, int& e2, int& e3, int& e4) {
  plat::PadReading r;
  int* out[4] = {&e1, &e2, &e3, &e4};
  const bool ok = Query(pad, r);
  for (int b = 1; b <= 4; ++b) {
    if (!ok) {
      *out[b - 1] = 0;
      continue;
    }
    int& e = gJoyPads[pad].edge[b - 1];
    e = StepEdge(e, Held(r, b));
    *out[b - 1] = e;
  }
}

void JoyGetDirection(int pad, int& dx, int& dy) {
  plat::PadReading r;
  if (!Query(pad, r)) {
    dx = dy = 0;
    return;
  }
  dx = Zone(r.x, gJoyCentreX[pad]);
  dy = Zone(r.y, gJoyCentreY[pad]);
}

int JoyKeypadDirection(int pad) {
  int dx, dy;
  plat::PadReading r;
  if (!Query(pad, r)) return 5;
  JoyGetDirection(pad, dx, dy);
  // Keypad layout with y growing downwards: 7 8 9 / 4 5 6 / 1 2 3.
  return 5 + dx - 3 * dy;
}

void SetJoyRates(int pad, float axisRate, float chargeRate) {
  if (!PadInRange(pad)) return;
  gJoyPads[pad].axisRate = axisRate;
  gJoyPads[pad].chargeRate = chargeRate;
}

void ResetJoyMeters() {
  for (JoyPadState& s : gJoyPads) {
    s.meterX = s.meterY = 0.0f;
    for (float& c : s.charge) c = 0.0f;
  }
}

int JoyCharge(int pad, int button) {
  if (!PadInRange(pad) || !ButtonInRange(button)) return 0;
  return static_cast<int>(Charge(gJoyPads[pad], button, JoyButtonDown(pad, button) != 0));
}

void JoyCharges(int pad, int& c1, int& c2, int& c3, int& c4) {
  plat::PadReading r;
  int* out[4] = {&c1, &c2, &c3, &c4};
  const bool ok = Query(pad, r);
  for (int b = 1; b <= 4; ++b)
    *out[b - 1] = ok ? static_cast<int>(Charge(gJoyPads[pad], b, Held(r, b))) : 0;
}

void JoyAxisMeters(int pad, int& mx, int& my) {
  plat::PadReading r;
  if (!Query(pad, r)) {
    mx = my = 0;
    return;
  }
  int dx, dy;
  JoyGetDirection(pad, dx, dy);
  JoyPadState& s = gJoyPads[pad];
  StepMeter(s.meterX, dx, s.axisRate);
  StepMeter(s.meterY, dy, s.axisRate);
  mx = static_cast<int>(s.meterX);
  my = static_cast<int>(s.meterY);
}

}  // namespace koSystem
