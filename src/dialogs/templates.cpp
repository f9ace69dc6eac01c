#include "dialogs/templates.h"

#include <map>

#include "dialogs/layout_template.h"
#include "resources/resources.h"

namespace travik {
namespace {

const std::map<int, ui::DialogTemplate>& AllTemplates() {
  static const std::map<int, ui::DialogTemplate> all = [] {
    std::map<int, ui::DialogTemplate> m;
    for (auto table : {res::MainTemplates, res::SettingsTemplates, res::TransferTemplates,
                       res::CompactTemplates, res::FirmwareTemplates,
                       res::ValuesTemplates, res::CalibrationTemplates,
                       res::MultiChannelTemplates,
                       res::RackLcdTemplates, res::RackAnalogTemplates,
                       res::MultiChannelMemberTemplates})
      for (auto& t : table()) m.emplace(t.number, std::move(t));
    return m;
  }();
  return all;
}

}  // namespace

const ui::DialogTemplate* ProgramTemplate(int number) {
  const auto& all = AllTemplates();
  auto it = all.find(number);
  return it == all.end() ? nullptr : &it->second;
}

std::vector<int> ProgramTemplateNumbers() {
  std::vector<int> numbers;
  for (const auto& [number, t] : AllTemplates()) numbers.push_back(number);
  return numbers;
}

}  // namespace travik
