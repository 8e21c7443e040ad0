// The movement scripts of bosses 4 to 8.
#pragma once
#include <array>
#include <cstddef>

#include "bosses/boss_script.h"

namespace late_boss_scripts {

using namespace boss_script;

// Boss 4 sits off the right edge (its first rows carry it further right),
// jumps to (240, 90), sways, bobs, darts along both diagonals, drops to the
// left edge for a faster bob and dart, and repeats from 80.
inline constexpr BossScriptRow kBoss4[] = {
    Enter(0, 30, 640, 90),       Drift(31, 75, 104, 0),      Place(75, 90, 240, 90),
    Drift(91, 115, 60, 0),       Drift(116, 140, -60, 0),    Place(141, 162, 240, 90),
    Drift(162, 171, 0, 80),      Drift(172, 190, -80, 0),    Drift(191, 200, 0, 80),
    Drift(201, 210, 50, 100),    Drift(211, 220, -50, -100), Drift(221, 230, 50, -100),
    Drift(231, 240, -50, 100),   Place(240, 250, 0, 100),    Drift(250, 260, 0, 150),
    Drift(261, 280, 0, -150),    Drift(281, 290, 0, 150),    Drift(291, 300, 100, 200),
    Drift(301, 310, -100, -200), Drift(311, 320, 100, -200), Drift(321, 330, -100, 200),
    Rewind(331, kOpen, 80),
};

constexpr size_t kSwayRows = 7;
constexpr std::array<BossScriptRow, kSwayRows> kSway{
    Drift(162, 171, 80, 0),    Drift(172, 190, -80, 0),    Drift(191, 200, 80, 0),
    Drift(201, 210, 100, 50),  Drift(211, 220, -100, -50), Drift(221, 230, -100, 50),
    Drift(231, 240, 100, -50),
};

// Bosses 5, 6 and 7: placed above the top edge on their column, descend to
// the top of the screen, then sway and dart before the boss's own tail.
template <size_t N>
constexpr std::array<BossScriptRow, 3 + kSwayRows + N> DescendAndSway(
    BossScriptRow entry, float descent, float column, std::array<BossScriptRow, N> tail) {
  std::array<BossScriptRow, 3 + kSwayRows + N> rows{entry, Drift(91, 135, 0, descent),
                                                    Place(135, 162, column, 0)};
  size_t i = 3;
  for (const BossScriptRow& r : kSway) rows[i++] = r;
  for (const BossScriptRow& r : tail) rows[i++] = r;
  return rows;
}

inline constexpr auto kBoss5 =
    DescendAndSway(Enter(60, 90, 130, -460), 100, 130, std::array{Rewind(241, kOpen, 151)});
// Boss 6 counts clock 0 into its entry window.
inline constexpr auto kBoss6 =
    DescendAndSway(Place(0, 90, 90, -360), 80, 90, std::array{Rewind(241, kOpen, 151)});
// Boss 7 goes on with a wider dart and loops back to 145.
inline constexpr auto kBoss7 = DescendAndSway(
    Enter(60, 90, 70, -400), 93, 70,
    std::array{Place(241, 250, 70, 0), Drift(251, 270, 100, 50), Drift(271, 290, -100, -50),
               Drift(291, 310, -100, 50), Drift(311, 330, 100, -50), Rewind(331, kOpen, 145)});

// Boss 8 descends from above and sways along the top edge.
inline constexpr BossScriptRow kBoss8[] = {
    Enter(0, 30, 80, -400),  Drift(31, 74, 0, 86),   Place(75, 100, 80, 0),  Drift(101, 130, 40, 0),
    Drift(131, 190, -40, 0), Drift(191, 220, 40, 0), Rewind(221, kOpen, 80),
};

}  // namespace late_boss_scripts
