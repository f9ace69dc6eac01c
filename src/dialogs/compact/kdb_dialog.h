// Configuration dialog of the KDB CO2, temperature and humidity transmitter.
#pragma once

#include "config/compact_dialog.h"

namespace travik {

inline constexpr int kDlgKdb = 130;

const CompactDialogDef& KdbDialogDef();

class KdbDialog : public CompactDialog {
 public:
  KdbDialog();

 protected:
  void OnOpening(ui::Dialog& d) override;
  void CrossFieldRules(ui::Dialog& d) override;
};

}  // namespace travik
