// BBH7H (type 18): two LEDs on one key instead of display modes, linked to the
// key or not by a pair of radio buttons (word 84), and the potentiometer
// limits, whose lower bound follows the upper one.
#pragma once

#include "dialogs/multichannel/multichannel_dialog.h"

namespace travik {

class Bbh7hDialog : public MultiChannelDialog {
 public:
  explicit Bbh7hDialog(const MultiChannelDef& def) : MultiChannelDialog(def) {}

  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;

 protected:
  void OnOpening(ui::Dialog& d) override;
  void CrossFieldRules(ui::Dialog& d) override;
  void AfterRead(ui::Dialog& d) override;
  void BeforeWrite(ui::Dialog& d) override;
  void AfterLoad(ui::Dialog& d, const ConfigFile& file) override;
  void BeforeSave(ui::Dialog& d, ConfigFile& file) override;

 private:
  void ShowLink(ui::Dialog& d);

  std::int16_t lower_max_ = 49;  // upper default 5.0 less 0.1
};

}  // namespace travik
