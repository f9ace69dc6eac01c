// Configuration dialogs of the rack transmitters with two analog outputs:
// UC-RGQ (type 39), UC-RGQ-A (40), UC-VWC (37), UC-MXH (38), UC-BCM (41).
// The shared dialog does fields, output kinds, the menu flag, files and the
// plain block transfer; this adds what the line has of its own: output 1's
// source (high byte of word 68) with the input checks and labels following
// it, the seven-colour combos of word 36, the active-display time, and the
// hidden CO2 calibration-value write.
#pragma once

#include <vector>

#include "dialogs/config_dialog.h"

namespace travik {

// Output 1 scaled from temperature or humidity ("Teplota"/"Vlhkost").
struct AnalogSource {
  int temperature_radio = 0;  // 0: the output has a fixed source
  int humidity_radio = 0;
  int in_lo = 0, in_hi = 0;   // checked -50.0..200.0 or 0.0..100.0 by the source
  int in_lo_label = 0, in_hi_label = 0;
};

struct ColourCombo {
  int control;
  int nibble;  // of word 36: 0 temperature, 1 humidity, 2 CO2 or TVOC
};

struct RackAnalogDef {
  DialogDef base;
  AnalogSource source;
  int time_combo = 0;  // 0: no LCD
  std::vector<ColourCombo> colours;
  int calibration_edit = 0, calibration_button = 0;
  int bargraph = 0, bargraph_kind = 0;  // UC-MXH: ChannelFlags of word 75
};

class RackAnalogDialog : public ConfigDialog {
 public:
  explicit RackAnalogDialog(const RackAnalogDef& def);

  int Source() const { return source_; }
  std::uint16_t ColourWord() const { return colours_; }

 protected:
  void OnOpening(ui::Dialog& d) override;
  void CrossFieldRules(ui::Dialog& d) override;
  void OnOtherCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void AfterRead(ui::Dialog& d) override;
  void BeforeWrite(ui::Dialog& d) override;
  void AfterLoad(ui::Dialog& d, const ConfigFile& file) override;
  void BeforeSave(ui::Dialog& d, ConfigFile& file) override;
  void AfterDefaults(ui::Dialog& d, bool preset) override;

 private:
  void ShowSource(ui::Dialog& d);
  void ShowColours(ui::Dialog& d);
  void ShowBargraph(ui::Dialog& d);

  const RackAnalogDef& rack_;
  int source_ = 0;            // 0 temperature, 1 humidity
  std::uint16_t colours_ = 0x222;
  int seconds_ = 5;
  std::uint16_t flags_ = 1;  // bargraph ChannelFlags
};

// The five members' tables, by template number; nullptr for others.
const RackAnalogDef* FindRackAnalogDef(int template_number);
const std::vector<const RackAnalogDef*>& RackAnalogDefs();

}  // namespace travik
