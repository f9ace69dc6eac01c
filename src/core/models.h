// The catalogue of transmitter models: what the program knows about each
// device type, in one row. Identification, the main window's dispatch, the
// values window and the simulator all read it; a model's configuration dialog
// is named by its template number and found by the dialog factory.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace travik {

// Which rows the values window shows for a model (src/values names them).
enum class ValuesLayoutId {
  kClimate,         // temperature and humidity
  kFrequency,
  kCo2Climate,      // CO2, temperature, humidity
  kCo2Only,
  kAirSpeed,
  kIlluminance,
  kTemperatureOnly,
  kPotentiometer,
  kRmsCurrent,
  kTvoc5,           // CO2 row hidden, TVOC in S(5)
  kTvoc7,           // CO2 row hidden, TVOC in S(7)
  kTvocOnly,
  kDust,
  kParticles,
};

// The window the "ČÍST" button opens: the live values, or the output
// module's window, whose button reads "ZAPSAT".
enum class ValuesWindow { kValues, kOutputModule };

// Which automatic calibration the Tools menu runs.
enum class CalibrationKind { kNone, kOutputs, kInputs };

struct Model {
  int type = -1;
  const char* name = "";  // "KDB7DY": the name the program shows and the simulator answers to
  // ID text prefixes that identify the type (characters 2-9 of the record);
  // where one extends another's, the longer wins.
  std::array<const char*, 2> id_prefixes{};
  // Firmware below this counts as outdated; nullptr: every firmware does.
  const char* minimum_firmware = "00.00.00";
  int config_template = 0;  // 0: the model has no configuration dialog
  ValuesLayoutId values_layout = ValuesLayoutId::kClimate;
  ValuesWindow values_window = ValuesWindow::kValues;
  CalibrationKind calibration = CalibrationKind::kOutputs;
  // A firmware version the model ships with (the simulator presents it).
  const char* sample_firmware = "00.01.00";

  int IdPrefixCount() const { return id_prefixes[1] != nullptr ? 2 : id_prefixes[0] != nullptr ? 1 : 0; }
};

// Every model, by device type.
std::span<const Model> Models();

// The model of a device type. A type without a row gets the catalogue's
// defaults with no name, no prefix and no minimum firmware.
const Model& ModelOf(int device_type);

// The device type an ID text identifies (its first eight characters), or -1.
int ModelTypeOfId(std::string_view id_text);

}  // namespace travik
