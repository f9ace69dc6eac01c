#include <map>

#include "resources/resources.h"

namespace travik::ui {

namespace {

const std::map<int, DialogTemplate>& AllTemplates() {
  static const std::map<int, DialogTemplate> all = [] {
    std::map<int, DialogTemplate> m;
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

std::vector<int> TemplateNumbers() {
  std::vector<int> numbers;
  for (const auto& [number, t] : AllTemplates()) numbers.push_back(number);
  return numbers;
}

const DialogTemplate* FindTemplate(int number) {
  const auto& all = AllTemplates();
  auto it = all.find(number);
  return it == all.end() ? nullptr : &it->second;
}

}  // namespace travik::ui
