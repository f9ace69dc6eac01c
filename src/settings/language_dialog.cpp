#include "settings/language_dialog.h"

#include "core/globals.h"
#include "settings/user_settings.h"

namespace travik {

void LanguageDialog::OnInit(ui::Dialog& d) {
  const std::string& language = G().Settings.Language;
  d.Check(language == "cs" ? kCzech : language == "en" ? kEnglish : kSystem, true);
}

void LanguageDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (code != ui::Notify::kClicked) return;
  if (id == ui::kIdCancel) {
    d.End(ui::kIdCancel);
    return;
  }
  if (id != ui::kIdOk) return;
  std::string& language = G().Settings.Language;
  const std::string before = language;
  language = d.IsChecked(kCzech) ? "cs" : d.IsChecked(kEnglish) ? "en" : "";
  if (!SaveUserSettings()) {
    language = before;
    d.MessageBox("Nastavení se nepodařilo uložit", "Jazyk / Language", ui::Icon::kError);
    return;
  }
  d.End(ui::kIdOk);
}

}  // namespace travik
