// Falling one row (the field scrolls up under the digger) and landing on soil.
#pragma once

#include "rules/sequence.h"

void Fall_Step(Sequence& sequence);

// The landing after a fall; squeezes the digger when it came down into a slot between soil.
void Landing(Sequence& sequence);
