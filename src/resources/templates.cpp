#include <map>

#include "resources/resources.h"

namespace travik::ui {

const DialogTemplate* FindTemplate(int number) {
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
  auto it = all.find(number);
  return it == all.end() ? nullptr : &it->second;
}

}  // namespace travik::ui
