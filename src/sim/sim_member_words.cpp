#include "sim/sim_member_words.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace travik::sim {
namespace {

using Words = std::initializer_list<std::pair<int, int>>;

void Put(SimTransmitter::Memory& m, Words words) {
  for (auto [word, value] : words) m[static_cast<std::size_t>(word)] = static_cast<std::uint16_t>(value);
}

bool Is(int type, std::initializer_list<int> types) {
  for (int t : types)
    if (t == type) return true;
  return false;
}

constexpr int kTwoStateSteps = 1, kTwoStateDivider = 65534;

}  // namespace

void PutMemberConfigWords(int t, SimTransmitter::Memory& m) {
  const bool lcd_member = Is(t, {13, 15, 31});
  const bool rack_lcd = Is(t, {32, 33, 34, 36});
  const bool rack_analog = Is(t, {37, 38, 39, 40, 41});
  if (!lcd_member && !rack_lcd && !rack_analog && !Is(t, {18, 22, 35})) return;

  // Every member with a digital output ships it two-state.
  if (!rack_analog) Put(m, {{50, kTwoStateSteps}, {51, kTwoStateDivider}});

  if (lcd_member) {
    // Quick-select T and H, mode 1 on the left position with three symbols.
    Put(m, {{8, 210}, {29, 19}, {30, 20}, {39, 0}, {52, -50}, {53, 50}, {68, 1}, {76, 0},
            {84, 1}, {85, 3}, {92, 17}, {93, 18}, {94, 19}});
    if (t != 15) Put(m, {{9, 45}, {54, 20}, {55, 80}, {69, 1026}, {77, 0}});
    if (t == 31) Put(m, {{33, 15}, {35, 10}, {36, 0x222}, {37, 0x333}});
    // Types 13 and 15 keep the contrast itself in word 33.
    if (t == 13 || t == 15) Put(m, {{33, 30}});
  }
  if (t == 18) {
    // Potentiometer -5.0 to 5.0; the key lights LED1 then both.
    Put(m, {{52, -50}, {53, 50}, {76, 0}, {77, 0}, {84, 1}, {85, 2}, {92, 1}, {93, 3}});
  }
  if (t == 22) Put(m, {{76, 0}, {77, 0}});
  if (rack_lcd) {
    Put(m, {{8, 0}, {34, 30}, {35, 5}, {36, 0x222}, {37, 0x3333}, {38, 10}, {39, 0}, {52, -50},
            {53, 50}, {56, 20}, {57, 30}, {68, 1}, {76, 0}, {84, 1}, {85, 2}, {92, 5}, {93, 6}});
    if (t != 33) Put(m, {{9, 40}, {54, 20}, {55, 80}, {69, 1026}, {77, 0}});
    if (t == 34) Put(m, {{13, 1000}, {62, 800}, {63, 2000}, {64, 1000}, {65, 2000}, {73, 1027}, {81, 0}});
    if (t == 36) Put(m, {{11, 500}, {58, 200}, {59, 1000}, {71, 1027}});
  }
  if (t == 35) Put(m, {{64, 1000}, {65, 2000}, {76, 0}, {77, 0}, {81, 0}});
  if (rack_analog) {
    // Output 1: voltage from temperature 0.0-50.0 °C; output 2 voltage; both 0-10 V.
    Put(m, {{8, 0}, {9, 0}, {52, 0}, {53, 500}, {68, 1}, {69, 1}, {76, 0}, {92, 0}, {93, 100},
            {94, 0}, {95, 100}});
    if (t != 40) Put(m, {{34, 30}, {35, 5}, {36, 0x222}, {37, 0x222}, {38, 10}, {39, 0}, {56, 20}, {57, 30}});
    if (t != 38) Put(m, {{77, 0}});
    if (t == 39 || t == 40) Put(m, {{54, 400}, {55, 1600}, {64, 1000}, {65, 2000}, {81, 0}});
    if (t == 37) Put(m, {{54, 0}, {55, 1000}});
    if (t == 38) Put(m, {{15, 0}, {54, 0}, {55, 500}, {66, -50}, {67, 50}, {75, 1}});
    if (t == 41) Put(m, {{54, 0}, {55, 2000}});
  }
}

}  // namespace travik::sim
