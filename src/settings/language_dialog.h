// "Jazyk / Language": the language of the next start, kept in the settings.
#pragma once

#include "ui/ui.h"

namespace travik {

class LanguageDialog : public ui::DialogProc {
 public:
  static constexpr int kSystem = 1001, kCzech = 1002, kEnglish = 1003;
  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
};

}  // namespace travik
