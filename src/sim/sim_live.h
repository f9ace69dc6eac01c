// Measured values that move on the bus clock, so that live values on screen
// look like a transmitter in a room: each non-zero live word swings around
// its stored value by about 3 % (at least 2 units), every word with its own
// period and phase. The words that carry the high bytes of type 4's 24-bit
// frequencies stay as stored.
#pragma once

#include "sim/sim_transmitter.h"

namespace travik::sim {

SimTransmitter::LiveValueFn MovingValues(int device_type);

}  // namespace travik::sim
