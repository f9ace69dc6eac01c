#include "resources/resources.h"

namespace travik::res {

std::vector<ui::DialogTemplate> FirmwareTemplates() { return {}; }

}  // namespace travik::res
