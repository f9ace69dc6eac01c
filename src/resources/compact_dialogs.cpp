#include "resources/resources.h"

namespace travik::res {

std::vector<ui::DialogTemplate> CompactTemplates() { return {}; }

}  // namespace travik::res
