// Launch, flight, loss and contact of the homing missiles, and their reset.
#include "homing/homing_missile.h"

#include <cmath>
#include <numbers>

#include "enemies/kind.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"
#include "game/score.h"
#include "player/parking.h"

namespace homing {
namespace {

constexpr int kAimOffset = 20;  // a missile aims at its marker's corner plus this on both axes
constexpr int kScreenBottom = 480;
constexpr float kLossLeft = 100.0f;    // lost once x + 20 is below this
constexpr float kLossInset = 20.0f;    // the x + 20 and y + 20 of the loss test
constexpr float kContactLeft = 10.0f;  // contact window, relative to the marker's corner
constexpr float kContactRight = 30.0f;
constexpr float kContactBottom = 30.0f;
constexpr float kSpreadRate = 260.0f;   // spread clock per second of steering
constexpr float kSpreadLimit = 30.0f;   // a missile is pushed while its clock is at most this
constexpr float kSpreadEnded = 300.0f;  // where the clock stays once the spread is over
constexpr int kStrikePoints = 300;

bool OnScreen(const TargetMarker& m, int xBound) {
  return m.y < kScreenBottom && m.y > 0 && m.x < xBound && m.x > 0;
}

void Park(HomingMissile& m) {
  m.active = 0;
  m.x = static_cast<float>(kParkX);
  m.y = static_cast<float>(kParkY);
}

// y first, then x, along the stored heading.
void FlyOn(HomingMissile& m, float dt) {
  m.y = static_cast<float>(m.y + std::sin(static_cast<double>(m.angle)) * m.speed * dt);
  m.x = static_cast<float>(m.x + std::cos(static_cast<double>(m.angle)) * m.speed * dt);
}

// Every missile of the array whose spread clock is at most the limit is pushed
// sideways and down, idle ones too; only the steering missile's clock advances.
void SpreadStep(const HomingDesign& d, size_t i, float dt) {
  HomingMissile& own = d.missiles[i];
  own.spreadTimer += kSpreadRate * dt;
  for (size_t k = 0; k < d.spread.size(); ++k) {
    HomingMissile& m = d.missiles[k];
    if (m.spreadTimer > kSpreadLimit) continue;
    m.x += static_cast<float>(d.spread[k]) * (m.speed * dt / 2.0f);
    m.y += m.speed * dt / 10.0f;
  }
  if (own.spreadTimer > kSpreadLimit) own.spreadTimer = kSpreadEnded;
}

// Heads for the aim point: atan of the slope, turned half a circle when the
// aim point lies to the left (or straight above, or on the missile).
void Steer(HomingMissile& m, const TargetMarker& marker) {
  m.dx = static_cast<float>(marker.x + kAimOffset) - m.x;
  m.dy = static_cast<float>(marker.y + kAimOffset) - m.y;
  if (m.dx == 0.0f)
    m.angle = static_cast<float>(std::numbers::pi / 2.0);
  else
    m.angle = static_cast<float>(std::atan(static_cast<double>(m.dy / m.dx)));
  if ((m.dx <= 0.0f && m.dy <= 0.0f) || (m.dx < 0.0f && m.dy > 0.0f))
    m.angle = static_cast<float>(m.angle + std::numbers::pi);
}

bool Lost(const HomingMissile& m, float lossX) {
  return m.x + kLossInset < kLossLeft || m.x > lossX || m.y + kLossInset < 0.0f ||
         m.y > static_cast<float>(kScreenBottom) || gBombActive == 1;
}

bool InContact(const HomingMissile& m, const TargetMarker& marker, float contactYLow) {
  const float ox = m.x - static_cast<float>(marker.x);
  const float oy = m.y - static_cast<float>(marker.y);
  return ox >= kContactLeft && ox <= kContactRight && oy >= contactYLow && oy <= kContactBottom;
}

void StrikeTarget(const HomingDesign& d, size_t i) {
  Park(d.missiles[i]);
  enemy::ParkMarker(d.markers[i]);
  d.strike.hit(static_cast<int>(i));
  AddScore(kStrikePoints);
  if (d.strike.boss) d.strike.boss->hp -= d.strike.hpLossRate * gFrameScale;
}

}  // namespace

void LaunchHoming(const HomingDesign& d) {
  for (size_t i = 0; i < d.missiles.size(); ++i) {
    HomingMissile& m = d.missiles[i];
    const TargetMarker& marker = d.markers[i];
    if (static_cast<int>(i) >= d.targets || !OnScreen(marker, d.xBound)) continue;
    if (m.active != 0 || marker.locked == 0) continue;
    m.active = 1;
    m.x = gPlayerX + d.launchX;
    m.y = gPlayerY + d.launchY;
    m.speed = d.speed;
    if (!d.spread.empty()) m.spreadTimer = 0.0f;
    if (d.setsLaunchVector) {
      m.launchDx = static_cast<float>(marker.x + kAimOffset) - m.x;
      m.launchDy = static_cast<float>(marker.y + kAimOffset) - m.y;
    }
  }
}

void UpdateHoming(const HomingDesign& d) {
  const float dt = gFrameScale;
  for (size_t i = 0; i < d.missiles.size(); ++i) {
    HomingMissile& m = d.missiles[i];
    const TargetMarker& marker = d.markers[i];
    if (m.active != 0) {
      if (OnScreen(marker, d.xBound)) {
        if (!d.spread.empty()) SpreadStep(d, i, dt);
        Steer(m, marker);
      }
      FlyOn(m, dt);
    }
    // The loss test comes first: a contact past a loss bound never happens.
    if (Lost(m, d.lossX)) Park(m);
    if (m.active != 0 && InContact(m, marker, d.contactYLow)) StrikeTarget(d, i);
  }
}

void ResetMissiles(std::span<HomingMissile> missiles) {
  for (HomingMissile& m : missiles) {
    Park(m);
    m.dx = m.dy = m.launchDx = m.launchDy = m.speed = 0.0f;
    m.angle = kParkedAngle;
  }
}

bool MissilesAtStart(std::span<const HomingMissile> missiles) {
  for (const HomingMissile& m : missiles)
    if (m.x != kParkX || m.y != kParkY || m.active != 0 || m.dx != 0.0f || m.dy != 0.0f ||
        m.launchDx != 0.0f || m.launchDy != 0.0f || m.speed != 0.0f || m.angle != kParkedAngle)
      return false;
  return true;
}

}  // namespace homing
