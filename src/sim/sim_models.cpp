#include "sim/sim_models.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/models.h"
#include "sim/sim_member_words.h"

namespace travik::sim {
namespace {

// The model name itself when it identifies (NBBSZ, KDB7DY), otherwise the
// identifying prefix; then a serial number, blank-padded to 16.
std::string MakeIdText(const Model& model) {
  const std::string name = model.name;
  const char* prefix = model.id_prefixes[0];
  std::string id = name.starts_with(prefix) ? name : std::string(prefix);
  if (id.back() != ' ') id += ' ';
  id += "SN" + std::to_string(10000 + 37 * model.type);
  id.resize(15, ' ');
  id += ' ';
  return id;
}

bool HasType(std::initializer_list<int> types, int type) {
  return std::find(types.begin(), types.end(), type) != types.end();
}

void PutText(SimTransmitter::Memory& memory, int first_word, std::string_view text16) {
  std::string t(text16.substr(0, std::min<std::size_t>(16, text16.size())));
  t.resize(16, ' ');
  for (int k = 0; k < 8; ++k) {
    memory[first_word + k] = static_cast<std::uint16_t>(static_cast<std::uint8_t>(t[2 * k]) << 8 |
                                                        static_cast<std::uint8_t>(t[2 * k + 1]));
  }
}

// Settings of the single-board transmitters, as a configured device holds
// them: analog outputs (kind 0 current, 1 voltage; ranges in tenths), shifts
// and modes.
void AddCompactSettings(SimTransmitter::Memory& m, int t) {
  auto outputs = [&m](int kind1, int kind2, int out_lo, int out_hi) {
    m[68] = static_cast<std::uint16_t>(kind1);
    m[69] = static_cast<std::uint16_t>(kind2);
    m[92] = m[94] = static_cast<std::uint16_t>(out_lo);
    m[93] = m[95] = static_cast<std::uint16_t>(out_hi);
  };
  auto input = [&m](int k, int lo, int hi) {
    m[52 + 2 * (k - 1)] = static_cast<std::uint16_t>(lo);
    m[53 + 2 * (k - 1)] = static_cast<std::uint16_t>(hi);
  };
  switch (t) {
    case 0:
    case 2:  // 4-20 mA over -20.0..80.0 °C and 0..100 %RH
      outputs(0, 0, 40, 200);
      input(1, static_cast<std::uint16_t>(-200), 800);
      input(2, 0, 1000);
      m[76] = 3;  // +0.3 °C
      break;
    case 4:  // 0-10 V over 10..1000 Hz
      outputs(1, 1, 0, 100);
      input(1, 10, 1000);
      input(2, 10, 1000);
      break;
    case 9:  // 4-20 mA over 0..20.00 m/s
      outputs(0, 0, 40, 200);
      input(1, 0, 2000);
      m[82] = static_cast<std::uint16_t>(-5);  // -0.05 m/s
      break;
    case 11:  // 0-10 V over 0..2000 lx; output 2 switched by the motion sensor
      outputs(1, 1, 0, 100);
      input(1, 0, 2000);
      input(2, 0, 1);
      break;
    case 3:
      m[39] = 4;     // safety mode on
      m[50] = 1000;  // ms
      break;
    case 12:
      m[39] = 1;  // P20M mode
      m[56] = 100;
      m[57] = 60000;
      m[78] = 5;  // +5 lx
      break;
    case 21:
      m[49] = 0x0204;  // 19200 Bd, even parity
      m[82] = 12;      // +12 mA
      break;
    case 48:
      m[49] = 0x0104;  // 19200 Bd, odd parity
      m[68] = 1;       // Pt1000
      m[76] = static_cast<std::uint16_t>(-4);
      break;
    case 24:
    case 25:
    case 28:
    case 29:
      m[77] = 10;  // +1.0 %RH
      break;
    default:
      break;
  }
}

}  // namespace

const std::vector<SimModel>& SimModels() {
  static const std::vector<SimModel> models = [] {
    std::vector<SimModel> list;
    for (const Model& model : Models())
      list.push_back({model.name, MakeIdText(model), model.sample_firmware, model.type});
    return list;
  }();
  return models;
}

const SimModel* FindSimModel(std::string_view name) {
  auto same = [](std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
  };
  for (const SimModel& model : SimModels()) {
    if (same(model.name, name)) return &model;
  }
  return nullptr;
}

std::u16string SimProductString(const SimModel& model) {
  std::u16string text = u"Kolvar ";
  for (char c : model.name) text.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return text;
}

SimTransmitter::Memory SimDefaultMemory(const SimModel& model) {
  SimTransmitter::Memory m{};
  const int t = model.device_type;

  // Live values, placed where the measurement record carries them.
  if (t == 4) {
    m[0] = 500;  // 50.0 Hz on the first frequency input
    m[2] = 0x2AFF;  // 7654.3 Hz on the second: 24 bits, the high byte in word 3
    m[3] = 0x0001;
  } else if (t == 21) {
    m[0] = 1250;  // mA RMS
  } else if (t != 3) {
    m[0] = 235;  // 23.5 °C
    m[1] = 455;  // 45.5 %RH
  }
  if (HasType({5, 6, 7, 8, 24, 25, 34, 35, 36, 39, 40, 41, 49}, t)) m[5] = 650;  // ppm CO2
  if (HasType({9, 10}, t)) m[6] = 125;                                           // 1.25 m/s
  if (HasType({11, 12}, t)) m[2] = 420;                                          // lx
  if (HasType({24, 25, 26, 27}, t)) m[2] = 120;                                  // ppb TVOC
  if (HasType({36, 41}, t)) m[3] = 120;
  if (t == 18) m[8] = 35;  // potentiometer 3.5
  if (t == 29) {
    m[5] = 153;  // PM10 15.3 ug/m3
    m[11] = 12;  // typical particle size 1.2 um
  }
  if (t == 30) {
    m[2] = 52;  // PM 1.0, 2.5, 4.0, 10
    m[3] = 81;
    m[4] = 97;
    m[5] = 110;
  }

  // Settings shared by the dialogs.
  m[33] = 110;  // contrast 30
  PutText(m, 40, model.name + " Kolvar");
  m[48] = 1;  // network address
  m[49] = 4;  // 19200 Bd

  if (HasType({5, 6, 7, 8}, t)) {
    m[62] = 800;  // CO2 limits
    m[63] = 1000;
  }
  AddCompactSettings(m, t);
  if (t == 49) {
    // KDB7DY: a transmitter set up in the field. Backlight 30 %, LCD active
    // 15 s; setpoints 21.5 °C, 45 %RH, 900 ppm; display mode 1 on the left
    // LCD with four symbols, mode 2 on the right with two; the middle key
    // selects mode 1, the bottom key the temperature; two-state output.
    const std::pair<int, std::uint16_t> words[] = {
        {8, 215},   {9, 45},     {13, 900},  {29, 21},    {30, 19},    {33, 30},
        {35, 15},   {36, 0x132}, {37, 0x456}, {39, 0},    {50, 1},     {51, 65534},
        {52, static_cast<std::uint16_t>(-50)}, {53, 350}, {54, 20},    {55, 80},
        {62, 800},  {63, 2000},  {64, 1000}, {65, 2000},  {68, 0x401}, {69, 0x002},
        {73, 0x403}, {84, 1},    {85, 4},    {86, 3},     {87, 2},     {92, 12},
        {93, 13},   {94, 14},    {95, 70},   {108, 5},    {109, 100}};
    for (const auto& [word, value] : words) m[word] = value;
  }
  if (t == 3) {
    // Output module: input ranges (block 4), output units (block 5: volts,
    // milliamperes) and output ranges in tenths (block 7).
    m[52] = 0;
    m[53] = 1000;
    m[54] = 0;
    m[55] = 1000;
    m[68] = 1;
    m[69] = 0;
    m[92] = 0;
    m[93] = 100;
    m[94] = 40;
    m[95] = 200;
  }
  PutMemberConfigWords(t, m);
  return m;
}

}  // namespace travik::sim
