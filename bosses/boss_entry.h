// The pictures that sweep up across the screen before bosses 5 and 7 come in
// from above. MoveBoss<N> runs the sweep right after its clock advance, so the
// picture is drawn before the body and the rest of the frame.
#pragma once

struct BossEntryPicture {
  float x, y;   // top-left corner
  float speed;  // rise in pixels per second
};

extern BossEntryPicture gBoss5Entry, gBoss7Entry;

struct BossEntry {
  BossEntryPicture* picture;
  const int* object;  // the picture object drawn
  int width, height;
  // 0 <= clock <= waitUntil: drawn, then placed just below the screen with its speed.
  float waitUntil;
  // riseAfter < clock <= riseUntil: drawn, then it rises on its column; once
  // past the top it stops and is parked.
  float riseAfter, riseUntil;
  float column;
  float speed;
};

void MoveBossEntry(const BossEntry& entry, float clock);

// Both pictures parked with speed 0.
void ResetBossEntries();
bool BossEntriesAtStart();
