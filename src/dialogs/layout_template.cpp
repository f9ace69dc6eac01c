#include "dialogs/layout_template.h"

#include <algorithm>

#include "resources/member_layout.h"
#include "ui/builder.h"
#include "ui/translated_kinds.h"

namespace travik::res {

using ui::ControlKind;

namespace {
constexpr int kMargin = 7;
constexpr int kColumn = 128;
constexpr int kGap = 5;
}  // namespace

ui::DialogTemplate TemplateFromLayout(const DialogDef& def) {
  int columns = 2;
  for (const auto& g : def.layout) columns = std::max(columns, g.column + 1);
  const int width = def.width != 0 ? def.width : kMargin * 2 + columns * kColumn + (columns - 1) * kGap;
  ui::TemplateBuilder b(def.template_number, def.title, width, 0);
  std::vector<int> bottom(static_cast<std::size_t>(columns), kMargin);
  for (const auto& g : def.layout) {
    int& y = bottom[static_cast<std::size_t>(g.column)];
    auto group = b.Group(g.id, g.caption, kMargin + g.column * (kColumn + kGap), y, kColumn);
    for (const auto& r : g.rows) {
      if (r.kind == ControlKind::kRadio)
        group.Pair(r.control, "Proud", r.second, "Napětí", ControlKind::kRadio);
      else if (r.label != 0)
        group.Row(r.label, r.text, r.control, r.kind, r.width);
      else
        group.Full(r.control, r.kind, r.text, r.kind == ControlKind::kEdit ? 12 : 14);
    }
    group.End();
    y = group.Bottom();
  }
  const int y = *std::max_element(bottom.begin(), bottom.end()) + 4;
  layout::ButtonRows(b, def.buttons, ButtonName(def), y);
  b.Get().h = y + 36 + 4;
  return b.Build();
}

std::vector<ControlText> TemplateCaptions(const ui::DialogTemplate& t, const DeviceButtons& device) {
  const int skipped[] = {device.open, device.read, device.save, device.write, device.preset, device.cancel};
  std::vector<ControlText> texts;
  for (const auto& c : t.controls) {
    if (c.id == layout::kNoLabel || c.caption.empty() || !i18n::ShowsCaption(c.kind)) continue;
    if (std::find(std::begin(skipped), std::end(skipped), c.id) != std::end(skipped)) continue;
    texts.push_back({c.id, c.caption.c_str()});
  }
  return texts;
}

}  // namespace travik::res
