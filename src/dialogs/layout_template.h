// Dialog templates of the configuration dialogs, built from their layout rows.
#pragma once

#include <vector>

#include "dialogs/config_dialog.h"
#include "ui/template.h"

namespace travik::res {

ui::DialogTemplate TemplateFromLayout(const DialogDef& def);

// The captions a template gives its named labels, group boxes, check boxes,
// radio buttons and buttons, in template order, the device buttons excepted
// (DialogCaptions sets those): the texts a dialog whose template is drawn by
// hand sets at opening, so that each caption is written once, in the
// template. The texts point into t, which must outlive them.
std::vector<ControlText> TemplateCaptions(const ui::DialogTemplate& t, const DeviceButtons& device);

// The compact family's templates, one per table.
std::vector<ui::DialogTemplate> CompactTemplates();

}  // namespace travik::res
