// The transmitter models the simulation can present (--simulate MODEL and the
// scenario runner): one per device type that identification can produce.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/sim_transmitter.h"

namespace travik::sim {

struct SimModel {
  std::string name;      // as the model is called, e.g. "UC-RGJ-H"
  std::string id_text;   // 16 characters, identifies as device_type
  std::string firmware;  // "dd.dd.dd", at least the type's minimum
  int device_type;
};

const std::vector<SimModel>& SimModels();
// Case-insensitive; null when there is no such model.
const SimModel* FindSimModel(std::string_view name);

// "Kolvar " and the model name.
std::u16string SimProductString(const SimModel& model);
// Plausible factory memory: live values fitting the model's measurements,
// contrast, text field, network address 1 and speed code 4, plus model words.
SimTransmitter::Memory SimDefaultMemory(const SimModel& model);

}  // namespace travik::sim
