#include "player/shot_strikes.h"

#include <algorithm>
#include <array>

namespace {

using enum Gate;
using enum Effect;

struct Box {
  int left, right, top, bottom;
};

// One target of ship type 1's shots: what the main shot and the side shots do to it.
struct Type1Row {
  TargetId target;
  Gate gate;
  int gateValue;
  Box mainBox;
  int mainPoints;
  float mainHp;  // hit points per second the main shot takes; with Effect kHit unused
  Box sideBox;
  int sidePoints;
  float sideHp;
  Effect effect;  // kHit and kHitOnly keep the shot; kHpHit and kBoss take it
};

constexpr Box kSmall{-60, 80, -60, 50}, kSmallSide{-40, 60, -60, 50};
constexpr Box kFrontMain{0, 30, -60, 50}, kGunZak{0, 80, -40, 80}, kZak4{-60, 90, -60, 70};
constexpr Box kTwinGun{0, 40, -60, 50}, kBoss13{60, 400, 60, 240};

constexpr Type1Row kType1[] = {
    {kTZak1, kYAtLeast, -45, {-60, 60, -60, 50}, 50, 0, {-60, 60, -40, 30}, 100, 0, kHit},
    {kTZak2, kYAtLeast, -30, {-40, 60, -60, 60}, 250, 0, {-40, 60, -60, 60}, 250, 0, kHit},
    {kTZak3, kYAtLeast, -30, {-40, 80, -60, 60}, 250, 0, {-40, 80, -60, 60}, 250, 0, kHit},
    {kTZak7A, kYAtLeast, -50, {-60, 60, -60, 50}, 50, 0, {-40, 40, -60, 50}, 100, 0, kHit},
    {kTZak7B, kYAtLeast, -50, {-60, 60, -60, 50}, 50, 0, {-40, 40, -60, 50}, 100, 0, kHit},
    {kTZak1B, kYAtLeast, -30, kSmall, 50, 0, kSmallSide, 100, 0, kHit},
    {kTZak2B, kYAtLeast, -30, kSmall, 50, 0, kSmallSide, 100, 0, kHit},
    {kTZak3B, kYAtLeast, -30, kSmall, 50, 0, kSmallSide, 100, 0, kHit},
    {kTZak8, kYAtLeast, -30, kSmall, 50, 0, kSmallSide, 100, 0, kHit},
    {kTDiver80L, kYAtLeast, -60, kSmall, 50, 0, kSmallSide, 150, 0, kHit},
    {kTDiver80R, kYAtLeast, -60, kSmall, 50, 0, kSmallSide, 150, 0, kHit},
    {kTZak9, kYAtLeast, -30, kSmall, 50, 0, kSmallSide, 100, 0, kHit},
    {kTGunner80L, kYAtLeast, -30, kSmall, 50, 0, kSmallSide, 200, 0, kHit},
    {kTGunner80R, kYAtLeast, -30, kSmall, 50, 0, kSmallSide, 200, 0, kHit},
    {kTStrafer3, kYAtLeast, -30, {-60, 60, -60, 50}, 50, 0, {-40, 40, -60, 50}, 100, 0, kHit},
    {kTStrafer5, kYAtLeast, -30, {-60, 100, -60, 50}, 50, 0, {-40, 80, -60, 50}, 100, 0, kHit},
    {kTZak51L, kYAtLeast, -30, {0, 140, -60, 50}, 50, 0, {0, 140, -60, 50}, 100, 0, kHit},
    {kTZak51R, kYAtLeast, -30, {0, 140, -60, 50}, 50, 0, {0, 140, -60, 50}, 100, 0, kHit},
    // Slots no kind owns: Zak51R's gate and boxes, no points.
    {kTShotPassTargets, kYAtLeast, -30, {0, 140, -60, 50}, 0, 0, {0, 140, -60, 50}, 0, 0, kHitOnly},
    {kTBig90A, kYAtLeast, -30, kFrontMain, 50, 0, kFrontMain, 100, 0, kHit},
    {kTBig90B, kYAtLeast, -30, kFrontMain, 50, 0, kFrontMain, 100, 0, kHit},
    {kTConvoy90, kYAtLeast, -30, kFrontMain, 50, 0, kFrontMain, 100, 0, kHit},
    {kTVolleyZakA, kYAtLeast, -30, kFrontMain, 50, 0, kFrontMain, 100, 0, kHit},
    {kTVolleyZakB, kYAtLeast, -30, kFrontMain, 50, 0, kFrontMain, 100, 0, kHit},
    {kTVolleyZakC, kYAtLeast, -30, kFrontMain, 50, 0, kFrontMain, 100, 0, kHit},
    {kTTwinGunZakA, kYAtLeast, -30, kTwinGun, 50, 0, kTwinGun, 100, 0, kHit},
    {kTTwinGunZakB, kYAtLeast, -30, kTwinGun, 50, 0, kTwinGun, 100, 0, kHit},
    {kTTwinGunZakC, kYAtLeast, -30, kTwinGun, 50, 0, kTwinGun, 100, 0, kHit},
    {kTTwinGunZakD, kYAtLeast, -30, kTwinGun, 50, 0, kTwinGun, 100, 0, kHit},
    {kTGunZakA, kYAtLeast, -30, kGunZak, 50, 0, kGunZak, 100, 0, kHit},
    {kTGunZakB, kYAtLeast, -30, kGunZak, 50, 0, kGunZak, 100, 0, kHit},
    {kTGunZakC, kYAtLeast, -32, kGunZak, 50, 0, kGunZak, 100, 0, kHit},
    {kTGunZakD, kYAtLeast, -30, kGunZak, 50, 0, kGunZak, 100, 0, kHit},
    {kTZak4A, kYAtLeast, -30, kZak4, 250, 0, kZak4, 250, 0, kHit},
    {kTZak4B, kYAtLeast, -30, kZak4, 250, 0, kZak4, 250, 0, kHit},
    {kTZak4C, kYAtLeast, -30, kZak4, 250, 0, kZak4, 250, 0, kHit},
    {kTZak4D, kYAtLeast, -30, kZak4, 250, 0, kZak4, 250, 0, kHit},
    {kTZak50A, kXAtMost, 440, {60, 80, 60, 100}, 50, 0, {60, 80, -60, 100}, 100, 0, kHit},
    {kTZak50B, kXAtMost, 440, {60, 80, 60, 100}, 50, 0, {60, 80, -60, 100}, 100, 0, kHit},
    {kTZak51A, kXAtMost, 370, {60, 80, -60, 130}, 50, 0, {60, 150, -60, 130}, 100, 0, kHit},
    {kTZak51B, kXAtMost, 370, {60, 80, -60, 130}, 300, 0, {60, 150, -60, 130}, 300, 0, kHit},
    {kTZak52, kXAtMost, 380, {60, 140, 0, 140}, 300, 95, {60, 140, 0, 140}, 300, 10, kHpHit},
    {kTZak54A, kXAtMost, 440, {60, 80, 0, 90}, 300, 50, {60, 80, 0, 90}, 300, 20, kHpHit},
    {kTZak54B, kXAtMost, 440, {60, 80, 0, 90}, 300, 50, {60, 80, 0, 90}, 300, 20, kHpHit},
    {kTZak54C, kXAtMost, 440, {60, 80, 0, 90}, 300, 50, {60, 80, 0, 90}, 300, 20, kHpHit},
    {kTZak50C, kYAtLeast, -30, {60, 80, -60, 50}, 300, 0, {60, 80, -60, 50}, 300, 0, kHit},
    {kTZak60A, kXAtMost, 400, {60, 140, -20, 140}, 300, 97, {60, 140, -20, 140}, 300, 89, kHpHit},
    {kTZak60B, kXAtMost, 400, {61, 139, -20, 139}, 300, 185, {61, 139, -20, 139}, 300, 120, kHpHit},
    {kTZak60C, kXAtMost, 400, {62, 138, -20, 138}, 300, 185, {62, 138, -20, 138}, 300, 120, kHpHit},
    {kTBoss1, kYAtLeast, 0, kBoss13, 50, 50, kBoss13, 100, 30, kBoss},
    {kTBoss2, kYAtLeast, 0, kBoss13, 50, 50, kBoss13, 100, 30, kBoss},
    {kTBoss3, kYAtLeast, 0, kBoss13, 50, 50, kBoss13, 100, 30, kBoss},
    {kTBoss4, kYAtLeast, 0, {80, 300, 10, 200}, 50, 40, {80, 300, 10, 200}, 100, 20, kBoss},
    {kTBoss5, kYAtLeast, 0, {50, 270, 10, 200}, 50, 40, {50, 270, 10, 200}, 100, 20, kBoss},
    {kTBoss6, kYAtLeast, 0, {50, 330, 10, 200}, 50, 35, {50, 330, 10, 200}, 250, 15, kBoss},
    {kTBoss7, kYAtLeast, 0, {50, 390, 10, 200}, 60, 35, {50, 390, 10, 200}, 250, 15, kBoss},
    {kTBoss8, kYAtLeast, 0, {50, 370, 10, 200}, 50, 40, {50, 370, 10, 200}, 100, 20, kBoss},
};
static_assert(std::size(kType1) == kTargetCount);

constexpr StrikeRule Rule(const Type1Row& r, Box b, int points, float hp) {
  return {r.target, r.gate,   r.gateValue, b.left, b.right,
          b.top,    b.bottom, points,      false,  r.effect == kHpHit || r.effect == kBoss,
          r.effect, hp};
}

using Type1Table = std::array<StrikeRule, kTargetCount>;

constexpr Type1Table MainRules() {
  Type1Table t{};
  for (size_t i = 0; i < t.size(); ++i)
    t[i] = Rule(kType1[i], kType1[i].mainBox, kType1[i].mainPoints, kType1[i].mainHp);
  return t;
}

constexpr Type1Table SideRules() {
  Type1Table t{};
  for (size_t i = 0; i < t.size(); ++i)
    t[i] = Rule(kType1[i], kType1[i].sideBox, kType1[i].sidePoints, kType1[i].sideHp);
  return t;
}

// The lower side shot strikes Strafer3 from higher up.
constexpr Type1Table LowerRules() {
  Type1Table t = SideRules();
  t[kTStrafer3].gateValue = -3;
  return t;
}

constexpr bool IsBoss(TargetId t) { return t >= kTBoss1; }
constexpr bool IsSingle(TargetId t) { return t >= kTZak50A && !IsBoss(t); }
// Ship type 2's families pass over these four.
constexpr bool Type2Skips(TargetId t) {
  return t == kTGunZakC || t == kTGunZakD || t == kTZak60B || t == kTZak60C;
}
constexpr bool PaysTwentyDirect(TargetId t) {
  return t == kTBig90A || t == kTBig90B || t == kTConvoy90 ||
         (t >= kTVolleyZakA && t <= kTVolleyZakC);
}
constexpr bool IsZak4(TargetId t) { return t >= kTZak4A && t <= kTZak4D; }
constexpr bool IsTwinGun(TargetId t) { return t >= kTTwinGunZakA && t <= kTTwinGunZakD; }

constexpr size_t kType2Targets = kTargetCount - 4;
using Type2Table = std::array<StrikeRule, kType2Targets>;

template <typename F>
constexpr Type2Table Type2From(const Type1Table& base, F adjust) {
  Type2Table t{};
  size_t n = 0;
  for (const StrikeRule& r : base) {
    if (Type2Skips(r.target)) continue;
    StrikeRule rule = r;
    if (IsSingle(r.target)) rule = {r.target, kYAtLeast, -30, r.left, r.right, -60, 50, r.points};
    adjust(rule);
    t[n++] = rule;
  }
  return t;
}

// Ship type 2's main shot: wide boxes reaching far behind the target.
constexpr int BMainReach(TargetId t) {
  switch (t) {
    case kTZak1:
      return 70;
    case kTZak3:
    case kTStrafer5:
      return 100;
    case kTZak7A:
    case kTZak7B:
    case kTStrafer3:
      return 60;
    case kTBig90A:
    case kTBig90B:
    case kTConvoy90:
    case kTVolleyZakA:
    case kTVolleyZakB:
    case kTVolleyZakC:
      return 90;
    case kTZak4A:
    case kTZak4B:
    case kTZak4C:
    case kTZak4D:
      return 120;
    default:
      return 80;
  }
}

constexpr void BMainAdjust(StrikeRule& r) {
  const TargetId t = r.target;
  if (IsBoss(t)) {
    constexpr int kRight[] = {300, 300, 320, 300, 270, 330, 390, 370};
    constexpr int kPoints[] = {150, 150, 250, 250, 350, 250, 250, 350};
    const int b = t - kTBoss1;
    r.left = b < 4 ? 20 : -10;
    r.right = kRight[b];
    r.top = 10;
    r.bottom = 200;
    r.points = kPoints[b];
    r.hpRate = 60;
    return;
  }
  if (IsSingle(t)) {
    r.left = 0;
    r.right = t == kTZak50A ? 20 : t == kTZak50B ? 120 : 80;
    r.points = t == kTZak50A || t == kTZak50B || t == kTZak51A ? 450 : 500;
    if (t == kTZak60A) {
      r.right = 120;
      r.bottom = 180;
      r.consume = true;
      r.effect = kCountedHit;
    }
    return;
  }
  r.left = -120;
  r.right = BMainReach(t);
  r.top = -60;
  r.bottom = t == kTZak2 || t == kTZak3 ? 60 : 50;
  if (t == kTZak51L || t == kTZak51R || t == kTShotPassTargets) r.left = -60, r.right = 140;
  if (IsTwinGun(t) || t == kTGunZakA || t == kTGunZakB) r.left = -60, r.right = 40;
  r.points = 150;
  if (t == kTZak2 || t == kTZak3 || IsTwinGun(t) || t == kTGunZakA || t == kTGunZakB || IsZak4(t))
    r.points = 250;
  if (t == kTZak3B) r.points = 50;
  if (t == kTDiver80L || t == kTDiver80R || t == kTGunner80L || t == kTGunner80R) r.points = 200;
  if (PaysTwentyDirect(t)) r.points = 20, r.direct = true;
}

// The climbing side shots of ship type 2: the side shots' boxes with their own changes.
constexpr void LeftAdjust(StrikeRule& r) {
  const TargetId t = r.target;
  if (t == kTZak1) r.left = -40, r.right = 50, r.top = -60, r.bottom = 50;
  if (t == kTGunZakA || t == kTGunZakB) r.left = 0, r.right = 40, r.top = -60, r.bottom = 50;
  if (IsZak4(t)) r.left = 0, r.right = 60, r.top = -60, r.bottom = 50;
  if (PaysTwentyDirect(t)) r.points = 20, r.direct = true;
  if (IsSingle(t)) {
    // Zak50A's box is the neighbours' 60..80 (a reversed range would never strike).
    r.left = 60;
    r.right = t == kTZak50B ? 120 : 80;
    r.points = t == kTZak50A || t == kTZak50B || t == kTZak51A ? 100 : 300;
    if (t == kTZak60A) r.right = 180, r.bottom = 200, r.effect = kCountedHit, r.points = 500;
  }
  if (t >= kTBoss1 && t <= kTBoss3) {
    r.left = 80;
    r.right = t == kTBoss3 ? 320 : 300;
    r.top = 10;
    r.bottom = 200;
    r.hpRate = 20;
  }
}

constexpr void UpRightAdjust(StrikeRule& r) {
  LeftAdjust(r);
  if (r.target == kTDiver80L) r.consume = true;
  if (r.target == kTStrafer3) r.gateValue = -3;
}

constexpr void BRightAdjust(StrikeRule& r) {
  UpRightAdjust(r);
  if (r.target == kTZak52) r.consume = true;
  if (r.target == kTZak50A || r.target == kTZak50B) r.gate = kXBelow, r.gateValue = 440;
}

constexpr Type1Table kMain = MainRules(), kUpper = SideRules(), kLower = LowerRules();
constexpr Type2Table kBMain = Type2From(kMain, BMainAdjust);
constexpr Type2Table kLeft = Type2From(kUpper, LeftAdjust);
constexpr Type2Table kUpRight = Type2From(kUpper, UpRightAdjust);
constexpr Type2Table kBRight = Type2From(kUpper, BRightAdjust);

// Bomb shots pass through everything; 200 points a strike unless said.
constexpr StrikeRule Bomb(TargetId t, Gate g, int gv, Box b, int points = 200, Effect e = kHit,
                          float hp = 0, int slots = 0) {
  return {t, g, gv, b.left, b.right, b.top, b.bottom, points, false, false, e, hp, slots};
}
constexpr Box kBombSmall{-80, 80, -60, 50}, kBombFront{0, 30, -60, 50}, kBombTwin{0, 40, -60, 50},
    kBombSingle{60, 80, -60, 50};

constexpr StrikeRule kBomb[] = {
    Bomb(kTZak1, kYAtLeast, -45, {-80, 70, -60, 50}),
    Bomb(kTZak3, kYAtLeast, -65, {-80, 65, -60, 50}, 200, kSpare),
    Bomb(kTZak7A, kYAtLeast, -50, {-80, 60, -60, 50}),
    Bomb(kTZak7B, kYAtLeast, -50, {-80, 60, -60, 50}),
    Bomb(kTZak1B, kYAtLeast, -30, kBombSmall),
    Bomb(kTZak2B, kYAtLeast, -30, kBombSmall),
    Bomb(kTZak3B, kYAtLeast, -30, kBombSmall),
    Bomb(kTZak8, kYAtLeast, -30, kBombSmall),
    Bomb(kTDiver80L, kYAtLeast, -60, kBombSmall),
    Bomb(kTDiver80R, kYAtLeast, -60, kBombSmall),
    Bomb(kTZak9, kYAtLeast, -30, kBombSmall),
    Bomb(kTGunner80L, kYAtLeast, -30, kBombSmall),
    Bomb(kTGunner80R, kYAtLeast, -30, kBombSmall),
    Bomb(kTStrafer3, kYAtLeast, -30, {-80, 60, -60, 50}),
    Bomb(kTStrafer5, kYAtLeast, -30, {-80, 100, -60, 50}),
    Bomb(kTZak51L, kYAtLeast, -30, {80, 100, -60, 50}),
    Bomb(kTZak51R, kYAtLeast, -30, {80, 100, -60, 50}),
    Bomb(kTShotPassTargets, kYAtLeast, -30, {80, 100, -60, 50}, 0, kHitOnly),
    Bomb(kTBig90A, kYAtLeast, -30, kBombFront),
    Bomb(kTVolleyZakA, kYAtLeast, -30, kBombFront, 200, kHit, 0, 2),
    Bomb(kTTwinGunZakA, kYAtLeast, -30, kBombTwin),
    Bomb(kTTwinGunZakB, kYAtLeast, -30, kBombTwin),
    Bomb(kTTwinGunZakC, kYAtLeast, -30, kBombTwin),
    Bomb(kTTwinGunZakD, kYAtLeast, -30, kBombTwin),
    Bomb(kTGunZakA, kYAtLeast, -30, kBombTwin),
    Bomb(kTGunZakB, kYAtLeast, -30, kBombTwin),
    Bomb(kTZak50A, kXAtMost, 440, {80, 80, -60, 100}),
    Bomb(kTZak50B, kXAtMost, 440, {40, 80, -60, 100}),
    Bomb(kTZak51A, kXAtMost, 370, {40, 150, -60, 130}),
    Bomb(kTZak51B, kXAtMost, 370, {60, 150, -60, 130}),
    Bomb(kTZak52, kXAtMost, 380, {60, 140, 0, 140}, 300, kHpHit, 32),
    Bomb(kTZak54A, kYAtLeast, -30, kBombSingle),
    Bomb(kTZak54B, kYAtLeast, -30, kBombSingle),
    Bomb(kTZak54C, kYAtLeast, -30, kBombSingle),
    Bomb(kTZak50C, kYAtLeast, -30, kBombSingle),
    Bomb(kTZak60A, kXAtMost, 380, {60, 140, 0, 140}, 300, kHpHit, 50),
    Bomb(kTZak60B, kXAtMost, 379, {61, 139, 0, 139}, 300, kHpHit, 50),
    Bomb(kTZak60C, kXAtMost, 378, {62, 138, 0, 138}, 300, kHpHit, 50),
    Bomb(kTBoss1, kYAtLeast, 0, {60, 300, 10, 200}, 200, kBoss, 16),
    Bomb(kTBoss2, kYAtLeast, 0, {60, 300, 10, 200}, 200, kBoss, 50),
    Bomb(kTBoss3, kYAtLeast, 0, {60, 320, 10, 200}, 200, kBoss, 50),
    Bomb(kTBoss4, kYAtLeast, 0, {60, 240, 10, 200}, 200, kBoss, 50),
    Bomb(kTBoss5, kYAtLeast, 0, {30, 270, 10, 200}, 200, kBoss, 50),
    Bomb(kTBoss6, kYAtLeast, 0, {30, 330, 10, 200}, 200, kBoss, 50),
    Bomb(kTBoss7, kYAtLeast, 0, {30, 390, 10, 200}, 200, kBoss, 50),
    Bomb(kTBoss8, kYAtLeast, 0, {30, 370, 10, 200}, 200, kBoss, 50),
};

}  // namespace

const std::span<const StrikeRule> kMainShotStrikes{kMain}, kUpperShotStrikes{kUpper},
    kLowerShotStrikes{kLower};
const std::span<const StrikeRule> kBMainShotStrikes{kBMain}, kLeftShotStrikes{kLeft},
    kUpRightShotStrikes{kUpRight}, kBRightShotStrikes{kBRight};
const std::span<const StrikeRule> kBombShotStrikes{kBomb};
