// Factory settings of the simulated multi-channel and rack transmitters, so
// that a read shows what such a device plausibly holds.
#pragma once

#include "sim/sim_transmitter.h"

namespace travik::sim {

// Puts the configuration words of device types 13, 15, 18, 22 and 31-41 into
// memory; other types are left alone.
void PutMemberConfigWords(int device_type, SimTransmitter::Memory& memory);

}  // namespace travik::sim
