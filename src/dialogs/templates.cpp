#include "dialogs/templates.h"

#include <map>

#include "dialogs/layout_template.h"
#include "resources/resources.h"

namespace travik {

const ui::DialogTemplate* ProgramTemplate(int number) {
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
  auto it = all.find(number);
  return it == all.end() ? nullptr : &it->second;
}

}  // namespace travik
