// The Diver kinds' slot tables.
#include "enemies/divers.h"

int gPicDiver80;

Diver80LRecord gDiver80L[kDiverSlots];
Diver80RRecord gDiver80R[kDiverSlots];
