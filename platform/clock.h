// Millisecond clock, sleeping and calendar time.
#pragma once
#include <cstdint>

namespace plat {

// Milliseconds since an arbitrary origin, wrapping at 2^32 like a 32-bit tick count.
uint32_t NowMs();
// Gives the processor away for `ms` milliseconds; 0 gives up the rest of the time slice.
void SleepMs(uint32_t ms);
// Seconds since the epoch (what time() returns).
int64_t TimeSeconds();

struct LocalDateTime {
  int year, month, day, weekday;  // weekday 0 = Sunday
  int hour, minute, second;
};
LocalDateTime LocalNow();

}  // namespace plat
