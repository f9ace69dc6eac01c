// Configuration dialogs of the rack transmitters with two analog outputs:
// UC-RGQ (type 39), UC-RGQ-A (40), UC-VWC (37), UC-MXH (38), UC-BCM (41).
// The family's framework does the fields, output kinds, colours, time,
// bargraph, files and the plain block transfer; this adds output 1's source
// (high byte of word 68) with the input checks and labels following it, and
// the colour word's second record (37).
#pragma once

#include <vector>

#include "dialogs/multichannel/multichannel_dialog.h"

namespace travik {

// Output 1 scaled from temperature or humidity ("Teplota"/"Vlhkost").
struct AnalogSource {
  int temperature_radio = 0;  // 0: the output has a fixed source
  int humidity_radio = 0;
  int in_lo = 0, in_hi = 0;   // checked -50.0..200.0 or 0.0..100.0 by the source
  int in_lo_label = 0, in_hi_label = 0;
};

struct RackAnalogDef {
  MultiChannelDef mc;
  AnalogSource source;
};

class RackAnalogDialog : public MultiChannelDialog {
 public:
  explicit RackAnalogDialog(const RackAnalogDef& def);

  int Source() const { return source_; }

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

  const RackAnalogDef& rack_;
  int source_ = 0;  // 0 temperature, 1 humidity
};

// The five members' tables, by template number; nullptr for others.
const RackAnalogDef* FindRackAnalogDef(int template_number);
const std::vector<const RackAnalogDef*>& RackAnalogDefs();

}  // namespace travik
