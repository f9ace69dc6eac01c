// The compiled catalogue (.qm, built from translations/*.ts) behind the
// window layer's texts.
#pragma once

#include <memory>

#include "i18n/catalogue.h"

class QTranslator;

namespace travik::ui {

// Shows the program in `language` from here on. Czech, or a catalogue that
// cannot be loaded, leaves the texts as they are. Keep the result alive while
// windows exist; destroying it takes the translator down.
class QtTranslation {
 public:
  explicit QtTranslation(i18n::Language language);
  ~QtTranslation();
  bool active() const { return translator_ != nullptr; }

 private:
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace travik::ui
