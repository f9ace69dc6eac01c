// BBH7H (type 18): the potentiometer limits, whose lower bound follows the
// upper one.
#pragma once

#include "dialogs/config_dialog.h"

namespace travik {

class Bbh7hDialog : public ConfigDialog {
 public:
  explicit Bbh7hDialog(const DialogDef& def) : ConfigDialog(def) {}

 protected:
  void CrossFieldRules(ui::Dialog& d) override;

 private:
  std::int16_t lower_max_ = 49;  // upper default 5.0 less 0.1
};

}  // namespace travik
