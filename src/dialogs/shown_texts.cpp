#include "dialogs/shown_texts.h"

#include <cctype>

#include "core/models.h"
#include "dialogs/templates.h"
#include "resources/resources.h"

namespace travik::i18n {

bool IsLanguageNeutral(std::string_view text) {
  bool letter = false;
  for (unsigned char c : text)
    if (std::isalpha(c) || c >= 0x80) letter = true;
  if (!letter) return true;
  // Model names, and the product strings the transmitters report ("Kolvar KDB").
  constexpr std::string_view kMaker = "Kolvar ";
  const std::string_view name = text.starts_with(kMaker) ? text.substr(kMaker.size()) : text;
  for (const Model& m : Models())
    if (name == m.name) return true;
  return false;
}

std::vector<Entry> ResourceTexts() {
  std::vector<Entry> out;
  auto add = [&](const std::string& context, const std::string& text) {
    if (text.empty() || IsLanguageNeutral(text)) return;
    out.push_back({context, text, {}, State::kUnfinished});
  };
  for (int number : ProgramTemplateNumbers()) {
    const ui::DialogTemplate* t = ProgramTemplate(number);
    const std::string context = TemplateContext(number);
    add(context, t->caption);
    for (const auto& c : t->controls)
      if (ShowsCaption(c.kind)) add(context, c.caption);
    for (const auto& menu : t->menus) {
      add(MenuContext(t->menu_number), menu.text);
      for (const auto& item : menu.items) add(MenuContext(t->menu_number), item.text);
    }
  }
  return out;
}

std::vector<Entry> EnglishMenuEntries() {
  std::vector<Entry> out;
  const ui::DialogTemplate* main = ProgramTemplate(res::kMainWindow);
  const auto english = res::EnglishMainMenu();
  const std::string context = MenuContext(res::kMenuMain);
  for (std::size_t i = 0; i < main->menus.size() && i < english.size(); ++i) {
    const auto& cs = main->menus[i];
    const auto& en = english[i];
    out.push_back({context, cs.text, en.text, State::kFinished});
    for (const auto& item : cs.items)
      for (const auto& e : en.items)
        if (e.command == item.command) out.push_back({context, item.text, e.text, State::kFinished});
  }
  return out;
}

}  // namespace travik::i18n
