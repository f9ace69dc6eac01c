#include "sim/sim_live.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace travik::sim {

SimTransmitter::LiveValueFn MovingValues(int device_type) {
  return [device_type](int word, std::uint16_t stored, std::int64_t now_ms) -> std::uint16_t {
    if (stored == 0) return stored;
    if (device_type == 4 && (word == 1 || word == 3)) return stored;
    // Frequencies, illuminance, particle masses and sizes are unsigned words.
    const bool unsigned_word = device_type == 4 || device_type == 30 ||
                               ((device_type == 11 || device_type == 12) && word == 2) ||
                               (device_type == 29 && (word == 5 || word == 11));
    const long value = unsigned_word ? long(stored) : long(static_cast<std::int16_t>(stored));
    const double amplitude = std::max(2.0, std::abs(value) * 0.03);
    const double period_ms = 20000.0 + 7000.0 * word;
    const double angle = 2 * std::numbers::pi * (double(now_ms) / period_ms + 0.37 * word);
    long moved = value + std::lround(amplitude * std::sin(angle));
    // Stay on the stored side of the word's range: no wrap into the other sign.
    if (unsigned_word)
      moved = std::clamp(moved, 0L, 65535L);
    else if ((moved < 0) != (value < 0))
      moved = value < 0 ? -1 : 0;
    return static_cast<std::uint16_t>(moved);
  };
}

}  // namespace travik::sim
