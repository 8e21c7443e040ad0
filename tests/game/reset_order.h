// Every table the game-state reset restores, in the order it visits them,
// grouped by the part of the game that owns them. Every part registers all of
// its tables.
#pragma once

#include <deque>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

struct ResetGroup {
  const char* owner;
  std::vector<const char*> tables;
};

// Groups from their owners and their tables' names, separated by spaces.
inline std::vector<ResetGroup> ResetGroups(
    std::initializer_list<std::pair<const char*, const char*>> groups) {
  static std::deque<std::string> names;  // the names' storage, never moved
  std::vector<ResetGroup> out;
  for (const auto& [owner, list] : groups) {
    out.push_back({owner, {}});
    std::istringstream in(list);
    for (std::string name; in >> name;)
      out.back().tables.push_back(names.emplace_back(name).c_str());
  }
  return out;
}

inline const std::vector<ResetGroup> kResetOrder = ResetGroups({
    {"enemy markers",
     "gZak2Markers gZak3Markers gDiver80LMarkers gDiver80RMarkers gGunner80LMarkers "
     "gGunner80RMarkers gBig90AMarkers gVolleyZakAMarkers gZak4AMarkers gZak4BMarkers "
     "gZak4CMarkers gZak4DMarkers"},
    {"boss markers",
     "gBoss1MarkersA gBoss1MarkersB gBoss2MarkersA gBoss2MarkersB gBoss3MarkersA gBoss3MarkersB "
     "gBoss4MarkersA gBoss4MarkersB gBoss5MarkersA gBoss5MarkersB gBoss6MarkersA gBoss6MarkersB "
     "gBoss7MarkersA gBoss7MarkersB gBoss8MarkersA gBoss8MarkersB"},
    {"homing missiles",
     "gHomingDiver80L gHomingZak2 gHomingZak3 gHomingDiver80R gHomingGunner80L gHomingGunner80R "
     "gHomingBig90A gHomingVolleyZakA gHomingZak4A gHomingZak4B gHomingZak4C gHomingZak4D "
     "gHomingBoss1A gHomingBoss1B gHomingBoss2A gHomingBoss2B gHomingBoss3A gHomingBoss3B "
     "gHomingBoss4A gHomingBoss4B gHomingBoss5A gHomingBoss5B gHomingBoss6A gHomingBoss6B "
     "gHomingBoss7A gHomingBoss7B gHomingBoss8A gHomingBoss8B"},
    {"player",
     "gExplosionFragments gBombShots gShotBMain gShotBLeft gShotBRight gShotAMain gShotAUpper "
     "gShotALower gShotUpLeft gShotUpRight"},
    {"background sprites", "gBackgroundSprites"},
    {"Zak1", "gZak1"},
    {"Zak2", "gZak2"},
    {"Zak3", "gZak3"},
    {"Zak7A", "gZak7A gZak7AShot"},
    {"Zak7B", "gZak7B gZak7BShot"},
    {"Zak1B", "gZak1B gZak1BShot"},
    {"Zak2B", "gZak2B gZak2BShot"},
    {"Zak3B", "gZak3B gZak3BShot"},
    {"Zak8", "gZak8 gZak8Stream1 gZak8Stream2 gZak8Stream3"},
    {"Diver80L",
     "gDiver80L gDiver80LShot1 gDiver80LShot2 gDiver80LStream1 gDiver80LStream2 gDiver80LStream3 "
     "gDiver80LFan"},
    {"Diver80R",
     "gDiver80R gDiver80RShot1 gDiver80RShot2 gDiver80RStream1 gDiver80RStream2 gDiver80RStream3 "
     "gDiver80RFan"},
    {"Zak9",
     "gZak9 gZak9Stream1 gZak9Stream2 gZak9Stream3 gZak9Stream4 gZak9Stream5 gZak9Cluster1 "
     "gZak9Cluster2 gZak9Cluster3 gZak9Cluster4 gZak9Cluster5"},
    {"Gunner80L",
     "gGunner80L gGunner80LShot1 gGunner80LShot2 gGunner80LStream1 gGunner80LStream2 "
     "gGunner80LStream3"},
    {"Gunner80R",
     "gGunner80R gGunner80RShot1 gGunner80RShot2 gGunner80RStream1 gGunner80RStream2 "
     "gGunner80RStream3"},
    {"Strafer3", "gStrafer3 gStrafer3Stream1 gStrafer3Stream2 gStrafer3Stream3"},
    {"Strafer5",
     "gStrafer5 gStrafer5Stream1 gStrafer5Stream2 gStrafer5Stream3 gStrafer5Stream4 "
     "gStrafer5Stream5"},
    {"Zak51L",
     "gZak51L gZak51LStream1 gZak51LStream2 gZak51LStream3 gZak51LStream4 gZak51LStream5"},
    {"Zak51R",
     "gZak51R gZak51RStream1 gZak51RStream2 gZak51RStream3 gZak51RStream4 gZak51RStream5"},
    {"shot-pass targets", "gShotPassTargets"},
    {"Big90A",
     "gBig90A gBig90AStream1 gBig90AStream2 gBig90AStream3 gBig90AStream4 gBig90AStream5"},
    {"Big90B",
     "gBig90B gBig90BStream1 gBig90BStream2 gBig90BStream3 gBig90BStream4 gBig90BStream5"},
    {"Convoy90",
     "gConvoy90 gConvoy90Stream1 gConvoy90Stream2 gConvoy90Stream3 gConvoy90Stream4 "
     "gConvoy90Stream5"},
    {"VolleyZakA",
     "gVolleyZakA gVolleyZakAStream1 gVolleyZakAStream2 gVolleyZakAStream3 gVolleyZakAStream4 "
     "gVolleyZakAStream5"},
    {"VolleyZakB",
     "gVolleyZakB gVolleyZakBStream1 gVolleyZakBStream2 gVolleyZakBStream3 gVolleyZakBStream4 "
     "gVolleyZakBStream5"},
    {"VolleyZakC",
     "gVolleyZakC gVolleyZakCStream1 gVolleyZakCStream2 gVolleyZakCStream3 gVolleyZakCStream4 "
     "gVolleyZakCStream5"},
    {"TwinGunZakA", "gTwinGunZakA gTwinGunZakAShot1 gTwinGunZakAShot2"},
    {"TwinGunZakB", "gTwinGunZakB gTwinGunZakBShot1 gTwinGunZakBShot2"},
    {"TwinGunZakC", "gTwinGunZakC gTwinGunZakCShot1 gTwinGunZakCShot2"},
    {"TwinGunZakD", "gTwinGunZakD gTwinGunZakDShot1 gTwinGunZakDShot2"},
    {"GunZakA", "gGunZakA gGunZakAShot"},
    {"GunZakB", "gGunZakB gGunZakBShot"},
    {"GunZakC", "gGunZakC gGunZakCShot"},
    {"GunZakD", "gGunZakD gGunZakDShot"},
    {"Zak4A", "gZak4A gZak4AShot1 gZak4AShot2"},
    {"Zak4B", "gZak4B gZak4BShot1 gZak4BShot2"},
    {"Zak4C", "gZak4C"},
    {"Zak4D", "gZak4D"},
    {"Zak50A", "gZak50A gZak50AShot"},
    {"Zak50B", "gZak50B gZak50BBeam1 gZak50BBeam2 gZak50BShot1 gZak50BShot2 gZak50BShot3"},
    {"Zak51A", "gZak51A gZak51ALaser gZak51ABeam1 gZak51ABeam2 gZak51AShot1 gZak51AShot2"},
    {"Zak51B", "gZak51B gZak51BLaser gZak51BStream"},
    {"Zak52",
     "gZak52 gZak52SpreadMid gZak52SpreadUp gZak52SpreadDown gZak52BurstA gZak52BurstB "
     "gZak52Stream"},
    {"Zak54A", "gZak54A gZak54ABar1 gZak54ABar2 gZak54AStream"},
    {"Zak54B", "gZak54B gZak54BBar1 gZak54BBar2 gZak54BStream"},
    {"Zak54C", "gZak54C gZak54CBar1 gZak54CBar2 gZak54CStream"},
    {"Zak50C", "gZak50C gZak50CStream"},
    {"Zak60A", "gZak60A gZak60ASpreadMid gZak60ASpreadUp gZak60ASpreadDown"},
    {"Zak60B", "gZak60B gZak60BSpreadMid gZak60BSpreadUp gZak60BSpreadDown"},
    {"Zak60C", "gZak60C gZak60CSpreadMid gZak60CSpreadUp gZak60CSpreadDown"},
    {"boss 1",
     "gBoss1 gBoss1Laser gBoss1Hazard1A gBoss1Hazard1B gBoss1Hazard1C gBoss1Hazard2 gBoss1Hazard3 "
     "gBoss1Hazard4 gBoss1Hazard5 gBoss1PairShot1 gBoss1PairShot2 gBoss1FallShot3 gBoss1FallShot4 "
     "gBoss1AimedShot1 gBoss1AimedShot2 gBoss1AimedVolley1 gBoss1AimedVolley2 gBoss1AimedVolley4 "
     "gBoss1AimedVolley3 gBoss1FallShot1 gBoss1FallShot2 gBoss1Chain gBoss1UnusedFanVolley1 "
     "gBoss1UnusedFanVolley2 gBoss1Drop1 gBoss1Drop2 gBoss1Drop3 gBoss1SmallExplosions "
     "gBoss1LargeExplosions"},
    {"boss 2",
     "gBoss2 gBoss2Chain gBoss2Lightning1 gBoss2Lightning2 gBoss2Hazard1 gBoss2Hazard2 "
     "gBoss2Hazard3 gBoss2Hazard4A gBoss2Hazard4B gBoss2Hazard4C gBoss2Unused1 gBoss2Unused2 "
     "gBoss2Unused3 gBoss2Unused4 gBoss2Unused5 gBoss2Unused6 gBoss2Unused7 gBoss2Unused8 "
     "gBoss2Unused9 gBoss2Unused10 gBoss2Unused11 gBoss2FanVolley1 gBoss2FanVolley2 "
     "gBoss2FanVolley3 gBoss2FanVolley4 gBoss2FanVolley5 gBoss2SmallExplosions "
     "gBoss2LargeExplosions"},
    {"boss 3",
     "gBoss3 gBoss3Hazard1A gBoss3Hazard1B gBoss3Hazard1C gBoss3Hazard2A gBoss3Hazard2B "
     "gBoss3Hazard2C gBoss3Hazard3A gBoss3Hazard3B gBoss3Hazard3C gBoss3AimedVolley1 "
     "gBoss3AimedVolley2 gBoss3AimedVolley3 gBoss3AimedVolley4 gBoss3AimedVolley5 "
     "gBoss3AimedVolley6 gBoss3UnusedShot1 gBoss3UnusedShot2 gBoss3AimedShot1 "
     "gBoss3UnusedAimedShot gBoss3UnusedFanVolley1 gBoss3UnusedFanVolley2 gBoss3UnusedFanVolley3 "
     "gBoss3UnusedFanVolley4 gBoss3UnusedFanVolley5 gBoss3UnusedDrop1 gBoss3UnusedDrop2 "
     "gBoss3UnusedDrop3 gBoss3UnusedDrop4 gBoss3UnusedDrop5 gBoss3UnusedDrop6 gBoss3UnusedDrop7 "
     "gBoss3SmallExplosions gBoss3LargeExplosions"},
    {"boss 4",
     "gBoss4 gBoss4AimedVolley1 gBoss4AimedVolley2 gBoss4PairShot1 gBoss4PairShot2 gBoss4PairShot3 "
     "gBoss4AimedShot1 gBoss4AimedShot2 gBoss4FanVolley1 gBoss4FanVolley2 gBoss4FanVolley3 "
     "gBoss4FanVolley4 gBoss4FanVolley5 gBoss4FanVolley6 gBoss4FanVolley7 gBoss4Drop1 gBoss4Drop2 "
     "gBoss4Drop3 gBoss4Drop4 gBoss4Drop5 gBoss4Drop6 gBoss4Drop7 gBoss4Drop8 gBoss4Drop9 "
     "gBoss4SmallExplosions gBoss4LargeExplosions"},
    {"boss 5",
     "gBoss5 gBoss5AimedVolley1 gBoss5AimedVolley2 gBoss5AimedVolley3 gBoss5AimedVolley4 "
     "gBoss5FanVolley1 gBoss5FanVolley2 gBoss5FanVolley3 gBoss5FanVolley4 gBoss5FanVolley5 "
     "gBoss5FanVolley6 gBoss5FanVolley7 gBoss5Drop1 gBoss5Drop2 gBoss5Drop3 gBoss5Drop4 "
     "gBoss5Drop5 gBoss5Drop6 gBoss5Drop7 gBoss5Drop8 gBoss5Drop9 gBoss5SmallExplosions "
     "gBoss5LargeExplosions"},
    {"boss 6",
     "gBoss6 gBoss6PairShot1 gBoss6PairShot2 gBoss6FanVolley1 gBoss6FanVolley2 gBoss6FanVolley3 "
     "gBoss6FanVolley4 gBoss6FanVolley5 gBoss6FiveWay1 gBoss6FiveWay2 gBoss6AimedShot1 gBoss6Drop1 "
     "gBoss6Drop2 gBoss6Drop3 gBoss6Drop4 gBoss6Drop5 gBoss6Drop6 gBoss6Drop7 gBoss6Drop8 "
     "gBoss6Drop9 gBoss6SmallExplosions gBoss6LargeExplosions"},
    {"boss 7",
     "gBoss7 gBoss7PairShot1 gBoss7PairShot2 gBoss7AimedShot1 gBoss7AimedShot2 gBoss7FanVolley1 "
     "gBoss7FanVolley2 gBoss7FanVolley3 gBoss7FanVolley4 gBoss7FanVolley5 gBoss7FiveWay1 "
     "gBoss7FiveWay2 gBoss7Drop1 gBoss7Drop2 gBoss7Drop3 gBoss7Drop4 gBoss7Drop5 gBoss7Drop6 "
     "gBoss7Drop7 gBoss7Drop8 gBoss7Drop9 gBoss7SmallExplosions gBoss7LargeExplosions"},
    {"boss 8",
     "gBoss8 gBoss8FanVolley1 gBoss8FanVolley2 gBoss8FanVolley3 gBoss8FanVolley4 gBoss8FanVolley5 "
     "gBoss8AimedShot1 gBoss8Drop1 gBoss8Drop2 gBoss8Drop3 gBoss8Drop4 gBoss8Drop5 gBoss8Drop6 "
     "gBoss8Drop7 gBoss8Drop8 gBoss8Drop9 gBoss8SmallExplosions gBoss8LargeExplosions"},
    {"background particles", "gBackgroundParticles"},
});
