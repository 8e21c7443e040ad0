// Stage 4: its song, clock and background, what it runs between the player's
// shots and the HUD in drawing order, its homing updates and its boss section.
#include "bosses/boss_bodies.h"
#include "bosses/late_aimed.h"
#include "bosses/late_boss_bodies.h"
#include "bosses/late_drops.h"
#include "bosses/late_fans.h"
#include "bosses/late_pairs.h"
#include "enemies/bars.h"
#include "enemies/big90.h"
#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "enemies/large_kinds.h"
#include "enemies/template_kinds.h"
#include "enemies/twin_gun_zak.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "enemies/zak51_side.h"
#include "homing/boss_homing.h"
#include "homing/enemy_homing.h"
#include "stages/boss_section.h"
#include "stages/shared_rows.h"
#include "stages/stage_frame.h"
#include "stages/stages.h"

namespace {

using enum StageClock;
using enum Mode;

struct Window {
  float from, to;
};

// One side's window of the divers or gunners: the spawn, the paired shots in
// hard or extra play in their own windows, the first stream in normal play,
// the other two streams in the kind's `kLaterStreams` mode.
template <auto Spawn, auto Shot1, auto Shot2, auto Stream1, auto Stream2, auto Stream3,
          Mode kLaterStreams>
struct Side {
  template <size_t N>
  static constexpr Rows<N + 3> In(Window w, std::array<Window, N> shots) {
    Rows<N + 3> rows{};
    rows[0] = Between(kFirst, w.from, w.to, Ops<Spawn>);
    for (size_t i = 0; i < N; ++i)
      rows[1 + i] = Between(kFirst, shots[i].from, shots[i].to, Ops<Shot1, Shot2>, kHardOrExtra);
    rows[N + 1] = Between(kFirst, w.from, w.to, Ops<Stream1>, kNormal);
    rows[N + 2] = Between(kFirst, w.from, w.to, Ops<Stream2, Stream3>, kLaterStreams);
    return rows;
  }
};
using DiverL = Side<SpawnDiver80L, FireDiver80LShot1, FireDiver80LShot2, FireDiver80LStream1,
                    FireDiver80LStream2, FireDiver80LStream3, kExtra>;
using DiverR = Side<SpawnDiver80R, FireDiver80RShot1, FireDiver80RShot2, FireDiver80RStream1,
                    FireDiver80RStream2, FireDiver80RStream3, kExtra>;
using GunnerL = Side<SpawnGunner80L, FireGunner80LShot1, FireGunner80LShot2, FireGunner80LStream1,
                     FireGunner80LStream2, FireGunner80LStream3, kAny>;
using GunnerR = Side<SpawnGunner80R, FireGunner80RShot1, FireGunner80RShot2, FireGunner80RStream1,
                     FireGunner80RStream2, FireGunner80RStream3, kAny>;

constexpr Window kDive1{360, 500}, kDive2{900, 1000}, kGun1{360, 400}, kGun2{900, 1000};
constexpr std::array kDive1Shots{Window{360, 410}, Window{450, 500}};
constexpr std::array kDive2Shots{Window{900, 950}};
constexpr std::array kGun1Shots{kGun1};
constexpr std::array kGun2Shots{Window{950, 1000}};

constexpr auto kWavesAndDivers = RowsOf({
    Always(Ops<MoveTwinGunZakA, DrawTwinGunZakA>),
    Between(kFirst, 50, 100, Ops<TickWaveTwinGunZakA>),
    Between(kFirst, 500, 550, Ops<TickWaveTwinGunZakA>),
    Between(kFirst, 1300, 1350, Ops<TickWaveTwinGunZakA>),
    Always(Ops<MoveTwinGunZakB, DrawTwinGunZakB>),
    Between(kFirst, 150, 200, Ops<TickWaveTwinGunZakB>),
    Between(kFirst, 500, 550, Ops<TickWaveTwinGunZakB>),
    Between(kFirst, 1300, 1350, Ops<TickWaveTwinGunZakB>),
    Always(Ops<MoveTwinGunZakC, DrawTwinGunZakC>),
    Between(kFirst, 50, 100, Ops<TickWaveTwinGunZakC>),
    Between(kFirst, 150, 200, Ops<TickWaveTwinGunZakC>),
    Between(kFirst, 1300, 1350, Ops<TickWaveTwinGunZakC>),
    Always(Ops<MoveTwinGunZakD, DrawTwinGunZakD>),
    Between(kFirst, 50, 100, Ops<TickWaveTwinGunZakD>),
    Between(kFirst, 150, 200, Ops<TickWaveTwinGunZakD>),
    Between(kFirst, 1300, 1350, Ops<TickWaveTwinGunZakD>),
    // Extra play flies the divers at twice their speed.
    Always(Ops<MoveDiver80L, DrawDiver80L, MoveDiver80R, DrawDiver80R>),
    InMode(kExtra, Ops<MoveDiver80L, MoveDiver80R>),
});

constexpr auto kGunners = RowsOf({
    Always(Ops<MoveGunner80L, DrawGunner80L, MoveGunner80R, DrawGunner80R>),
    InMode(kExtra, Ops<MoveGunner80L, MoveGunner80R>),
});

constexpr auto kOthers = RowsOf({
    Always(Ops<MoveZak9, DrawZak9>),
    Between(kFirst, 500, 800, Ops<SpawnZak9, FireZak9Stream1, FireZak9Stream2, FireZak9Stream3>),
    Between(kFirst, 500, 800, Ops<FireZak9Stream4, FireZak9Stream5, FireZak9Cluster1>,
            kHardOrExtra),
    Between(kFirst, 500, 800, Ops<FireZak9Cluster2, FireZak9Cluster3>, kExtra),
    Always(Ops<MoveZak51L, DrawZak51L>),
    Between(kFirst, 550, 590,
            Ops<SpawnZak51L, FireZak51LStream1, FireZak51LStream2, FireZak51LStream3,
                FireZak51LStream4, FireZak51LStream5>),
    Between(kFirst, 1000, 1200,
            Ops<SpawnZak51L, FireZak51LStream1, FireZak51LStream2, FireZak51LStream3,
                FireZak51LStream4, FireZak51LStream5>),
    Always(Ops<MoveZak51R, DrawZak51R>),
    Between(kFirst, 550, 590,
            Ops<SpawnZak51R, FireZak51RStream1, FireZak51RStream2, FireZak51RStream3,
                FireZak51RStream4, FireZak51RStream5>),
    Between(kFirst, 1000, 1200,
            Ops<SpawnZak51R, FireZak51RStream1, FireZak51RStream2, FireZak51RStream3,
                FireZak51RStream4, FireZak51RStream5>),
    Always(Ops<MoveBig90A, DrawBig90A>),
    Between(kFirst, 700, 750, Ops<SpawnBig90A>),
    Between(kFirst, 900, 950, Ops<SpawnBig90A>),
    Always(Ops<MoveVolleyZakA, DrawVolleyZakA>),
    Between(kFirst, 700, 750, Ops<SpawnVolleyZakA>),
    Between(kFirst, 900, 950, Ops<SpawnVolleyZakA>),
    Always(Ops<MoveBig90B, DrawBig90B, MoveVolleyZakB, DrawVolleyZakB>),
    Between(kFirst, 900, 1000, Ops<SpawnBig90B>),
    Between(kFirst, 900, 1000, Ops<SpawnVolleyZakB>),
    Always(Ops<MoveZak50B, DrawZak50B>),
    Between(kFirst, 200, 500, Ops<SpawnZak50B>),
    Between(kFirst, 200, 500, Ops<TickZak50BShot1, TickZak50BShot2, TickZak50BShot3>, kExtra),
    Between(kFirst, 850, 950, Ops<SpawnZak50B, TickZak50BShot1>),
    Between(kFirst, 850, 950, Ops<TickZak50BShot2, TickZak50BShot3>, kExtra),
    Always(Ops<MoveZak4A, DrawZak4A>),
    Between(kFirst, 200, 240, Ops<TickWaveZak4A>),
    Always(Ops<MoveZak4B, DrawZak4B>),
    Between(kFirst, 240, 280, Ops<TickWaveZak4B>),
    Always(Ops<MoveZak4C, DrawZak4C>),
    Between(kFirst, 280, 320, Ops<TickWaveZak4C>),
    Between(kFirst, 640, 680, Ops<TickWaveZak4C>),
    Always(Ops<MoveZak4D, DrawZak4D>),
    Between(kFirst, 320, 360, Ops<TickWaveZak4D>),
    Between(kFirst, 640, 680, Ops<TickWaveZak4D>),
    Always(Ops<MoveZak54C, DrawZak54C, MoveZak50C, DrawZak50C>),
    Between(kFirst, 600, 630, Ops<SpawnZak54C, SpawnZak50C>),
    Between(kFirst, 800, 860, Ops<SpawnZak54C>),
    Between(kFirst, 830, 880, Ops<SpawnZak50C>),
    Always(Ops<MoveZak54A, DrawZak54A, MoveZak54B, DrawZak54B>),
    Between(kFirst, 1200, 1270, Ops<SpawnZak54A, SpawnZak54B>),
    Always(
        Ops<MoveTwinGunZakAShot1, DrawTwinGunZakAShot1, MoveTwinGunZakAShot2, DrawTwinGunZakAShot2,
            MoveTwinGunZakBShot1, DrawTwinGunZakBShot1, MoveTwinGunZakBShot2, DrawTwinGunZakBShot2,
            MoveTwinGunZakCShot1, DrawTwinGunZakCShot1, MoveTwinGunZakCShot2, DrawTwinGunZakCShot2,
            MoveTwinGunZakDShot1, DrawTwinGunZakDShot1, MoveTwinGunZakDShot2,
            DrawTwinGunZakDShot2>),
});

constexpr auto kHomingDraws = RowsOf(
    {Always(Ops<DrawHomingDiver80L, DrawHomingDiver80R, DrawHomingGunner80L, DrawHomingGunner80R,
                DrawHomingBig90A, DrawHomingVolleyZakA, DrawHomingZak4A, DrawHomingZak4B,
                DrawHomingZak4C, DrawHomingZak4D, DrawHomingBoss4A, DrawHomingBoss4B>)});

constexpr auto kBullets = RowsOf({
    Always(
        Ops<MoveBoss4FanVolley6, DrawBoss4FanVolley6, MoveBoss4FanVolley7, DrawBoss4FanVolley7,
            MoveBoss4FanVolley4, DrawBoss4FanVolley4, MoveBoss4FanVolley5, DrawBoss4FanVolley5,
            MoveBoss4FanVolley2, DrawBoss4FanVolley2, MoveBoss4FanVolley3, DrawBoss4FanVolley3,
            MoveBoss4FanVolley1, DrawBoss4FanVolley1, MoveBoss4AimedVolley1, DrawBoss4AimedVolley1,
            MoveBoss4AimedVolley2, DrawBoss4AimedVolley2, MoveBoss4AimedShot1, DrawBoss4AimedShot1,
            MoveBoss4AimedShot2, DrawBoss4AimedShot2, MoveBoss4PairShot1, DrawBoss4PairShot1,
            MoveBoss4PairShot2, DrawBoss4PairShot2, MoveBoss4PairShot3, DrawBoss4PairShot3,
            MoveBoss4Drop1, DrawBoss4Drop1, MoveBoss4Drop2, DrawBoss4Drop2, MoveBoss4Drop3,
            DrawBoss4Drop3, MoveBoss4Drop4, DrawBoss4Drop4, MoveBoss4Drop5, DrawBoss4Drop5,
            MoveBoss4Drop6, DrawBoss4Drop6, MoveBoss4Drop7, DrawBoss4Drop7, MoveBoss4Drop8,
            DrawBoss4Drop8, MoveBoss4Drop9, DrawBoss4Drop9>),
    InMode(kExtra,
           Ops<MoveBoss4FanVolley6, MoveBoss4FanVolley7, MoveBoss4FanVolley4, MoveBoss4FanVolley5,
               MoveBoss4FanVolley2, MoveBoss4FanVolley3, MoveBoss4FanVolley1>),
    // The first stream of each diver and gunner flies only in extra play, though
    // normal play fires it: there its bullets hold their slots where they
    // started, unseen and harmless, and the stream fires no more.
    InMode(kExtra, Ops<MoveDiver80LStream1, DrawDiver80LStream1>),
    Always(Ops<MoveDiver80LStream2, DrawDiver80LStream2, MoveDiver80LStream3, DrawDiver80LStream3>),
    InMode(kExtra, Ops<MoveDiver80RStream1, DrawDiver80RStream1>),
    Always(Ops<MoveDiver80RStream2, DrawDiver80RStream2, MoveDiver80RStream3, DrawDiver80RStream3>),
    InMode(kExtra, Ops<MoveGunner80LStream1, DrawGunner80LStream1>),
    Always(Ops<MoveGunner80LStream2, DrawGunner80LStream2, MoveGunner80LStream3,
               DrawGunner80LStream3>),
    InMode(kExtra, Ops<MoveGunner80RStream1, DrawGunner80RStream1>),
    Always(Ops<MoveGunner80RStream2, DrawGunner80RStream2, MoveGunner80RStream3,
               DrawGunner80RStream3>),
    InMode(kExtra, Ops<MoveDiver80LStream1, MoveDiver80LStream2, MoveDiver80LStream3,
                       MoveDiver80RStream1, MoveDiver80RStream2, MoveDiver80RStream3,
                       MoveGunner80LStream1, MoveGunner80LStream2, MoveGunner80LStream3,
                       MoveGunner80RStream1, MoveGunner80RStream2, MoveGunner80RStream3>),
    Always(Ops<MoveDiver80LShot1, DrawDiver80LShot1, MoveDiver80LShot2, DrawDiver80LShot2,
               MoveDiver80RShot1, DrawDiver80RShot1, MoveDiver80RShot2, DrawDiver80RShot2,
               MoveGunner80LShot1, DrawGunner80LShot1, MoveGunner80LShot2, DrawGunner80LShot2,
               MoveGunner80RShot1, DrawGunner80RShot1, MoveGunner80RShot2, DrawGunner80RShot2,
               MoveZak9Stream1, DrawZak9Stream1, MoveZak9Stream2, DrawZak9Stream2, MoveZak9Stream3,
               DrawZak9Stream3, MoveZak9Stream4, DrawZak9Stream4, MoveZak9Stream5, DrawZak9Stream5,
               MoveZak9Cluster1, DrawZak9Cluster1, MoveZak9Cluster2, DrawZak9Cluster2,
               MoveZak9Cluster3, DrawZak9Cluster3, MoveZak9Cluster4, DrawZak9Cluster4,
               MoveZak9Cluster5, DrawZak9Cluster5>),
    InMode(
        kExtra,
        Ops<MoveZak9Stream1, MoveZak9Stream2, MoveZak9Stream3, MoveZak9Stream4, MoveZak9Stream5>),
    Always(Ops<MoveZak51LStream1, DrawZak51LStream1, MoveZak51LStream2, DrawZak51LStream2,
               MoveZak51LStream3, DrawZak51LStream3, MoveZak51LStream4, DrawZak51LStream4,
               MoveZak51LStream5, DrawZak51LStream5, MoveZak51RStream1, DrawZak51RStream1,
               MoveZak51RStream2, DrawZak51RStream2, MoveZak51RStream3, DrawZak51RStream3,
               MoveZak51RStream4, DrawZak51RStream4, MoveZak51RStream5, DrawZak51RStream5,
               MoveZak50BShot1, DrawZak50BShot1, MoveZak54CStream, DrawZak54CStream,
               MoveZak50CStream, DrawZak50CStream, MoveZak54AStream, DrawZak54AStream,
               MoveZak54BStream, DrawZak54BStream>),
});

constexpr auto kRows = JoinRows(
    kWavesAndDivers, DiverL::In(kDive1, kDive1Shots), DiverR::In(kDive1, kDive1Shots),
    DiverL::In(kDive2, kDive2Shots), DiverR::In(kDive2, kDive2Shots), kGunners,
    GunnerL::In(kGun1, kGun1Shots), GunnerR::In(kGun1, kGun1Shots), GunnerL::In(kGun2, kGun2Shots),
    GunnerR::In(kGun2, kGun2Shots), kOthers, kPowerItemRows, kHomingDraws, kLifeRows, kBullets);

// The homing missiles' updates, run after the hit passes.
constexpr std::span<const TimelineOp> kHomingUpdates =
    Ops<UpdateHomingDiver80L, UpdateHomingDiver80R, UpdateHomingGunner80L, UpdateHomingGunner80R,
        UpdateHomingBig90A, UpdateHomingVolleyZakA, UpdateHomingZak4A, UpdateHomingZak4B,
        UpdateHomingZak4C, UpdateHomingZak4D, UpdateHomingBoss4A, UpdateHomingBoss4B>;

const AttackWindow kBoss4Schedule[] = {
    {30, 120, Ops<TickBoss4AimedVolley1, TickBoss4AimedVolley2>},
    {80, 150, Ops<TickBoss4PairShot1, TickBoss4PairShot2, TickBoss4PairShot3>},
    {200, 300, Ops<TickBoss4FanVolley6, TickBoss4FanVolley7>},
    {300, 400, Ops<TickBoss4AimedVolley1, TickBoss4AimedVolley2>},
    {400, 500, Ops<TickBoss4FanVolley4, TickBoss4FanVolley5>},
    {500, 550, Ops<TickBoss4AimedVolley1, TickBoss4AimedVolley2>},
    {550, 800, Ops<TickBoss4FanVolley4, TickBoss4FanVolley5>},
    {800, 950, Ops<TickBoss4FanVolley1>},
};

// Outside normal play, each of three bands of hp drops a spread of bullets
// on every frame.
constexpr auto kBoss4DropOps =
    Ops<FireBoss4Drop1, FireBoss4Drop2, FireBoss4Drop3, FireBoss4Drop4, FireBoss4Drop5,
        FireBoss4Drop6, FireBoss4Drop7, FireBoss4Drop8, FireBoss4Drop8, FireBoss4Drop9>;
const HpBand kBoss4DropBands[] = {
    {Mode::kNotNormal, 740, 770, kBoss4DropOps},
    {Mode::kNotNormal, 460, 490, kBoss4DropOps},
    {Mode::kNotNormal, 60, 90, kBoss4DropOps},
};

const BossSection kBossSection{.openAfter = 1300,
                               .boss = &gBoss4,
                               .move = MoveBoss4,
                               .draw = DrawBoss4,
                               .defeat = DefeatBoss4,
                               .attackLimit = 780,
                               .counter = &gBoss4AttackCounter,
                               .wrapAt = 1100,
                               .schedule = kBoss4Schedule,
                               .hpBands = kBoss4DropBands};

const StageDef kStage{.song = "BRM4.MID",
                      .clockSpeed = 16.0f,
                      .particles = {80, 80},
                      .particlesMode1 = {200, 150},
                      .boss = &kBossSection,
                      .timeline = kRows,
                      .homingUpdates = kHomingUpdates,
                      .scrollers = Ops<ScrollBackground>};

}  // namespace

void Stage4Frame() { RunStageFrame(kStage); }
