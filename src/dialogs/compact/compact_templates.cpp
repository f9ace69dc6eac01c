#include "dialogs/compact/compact_family.h"
#include "dialogs/layout_template.h"
#include "resources/resources.h"

namespace travik::res {

std::vector<ui::DialogTemplate> CompactTemplates() {
  std::vector<ui::DialogTemplate> templates;
  for (const DialogDef* def : CompactDialogDefs()) templates.push_back(TemplateFromLayout(*def));
  return templates;
}

}  // namespace travik::res
