#include "ui/builder.h"

namespace travik::ui {

namespace {
constexpr int kRowHeight = 16;
constexpr int kGroupTop = 12;
}  // namespace

GroupLayout::GroupLayout(TemplateBuilder& builder, std::size_t group_index, int x, int y, int w)
    : builder_(builder), group_index_(group_index), x_(x), top_(y), w_(w), y_(y + kGroupTop) {}

GroupLayout& GroupLayout::Row(int label_id, const std::string& label, int field_id,
                              ControlKind kind, int field_w, std::uint32_t style) {
  const int field_x = x_ + w_ - 6 - field_w;
  builder_.Add(label_id, ControlKind::kStatic, label, x_ + 6, y_ + 2, field_x - x_ - 8, 8, style);
  const int field_h = (kind == ControlKind::kSortedCombo || kind == ControlKind::kDropDownList ||
                       kind == ControlKind::kDropDownCombo ||
                       kind == ControlKind::kOwnerDrawCombo)
                          ? 80
                          : 12;
  builder_.Add(field_id, kind, "", field_x, y_, field_w, field_h, style);
  y_ += kRowHeight;
  return *this;
}

GroupLayout& GroupLayout::Full(int id, ControlKind kind, const std::string& caption, int h,
                               std::uint32_t style) {
  builder_.Add(id, kind, caption, x_ + 6, y_, w_ - 12, h, style);
  y_ += h + 4;
  return *this;
}

GroupLayout& GroupLayout::Pair(int first_id, const std::string& first, int second_id,
                               const std::string& second, ControlKind kind) {
  const int half = (w_ - 12) / 2;
  builder_.Add(first_id, kind, first, x_ + 6, y_, half, 10);
  builder_.Add(second_id, kind, second, x_ + 6 + half, y_, half, 10);
  y_ += kRowHeight;
  return *this;
}

TemplateBuilder& GroupLayout::End() {
  builder_.Get().controls[group_index_].h = y_ - top_ + 2;
  return builder_;
}

TemplateBuilder::TemplateBuilder(int number, std::string caption, int w, int h) {
  t_.number = number;
  t_.caption = std::move(caption);
  t_.w = w;
  t_.h = h;
}

TemplateBuilder& TemplateBuilder::Font(std::string name, int size) {
  t_.font = std::move(name);
  t_.font_size = size;
  return *this;
}

TemplateBuilder& TemplateBuilder::Style(std::uint32_t style) {
  t_.style = style;
  return *this;
}

TemplateBuilder& TemplateBuilder::Add(int id, ControlKind kind, std::string caption, int x, int y,
                                      int w, int h, std::uint32_t style) {
  t_.controls.push_back({id, kind, std::move(caption), x, y, w, h, style});
  return *this;
}

GroupLayout TemplateBuilder::Group(int id, std::string caption, int x, int y, int w) {
  Add(id, ControlKind::kGroupBox, std::move(caption), x, y, w, 0);
  return GroupLayout(*this, t_.controls.size() - 1, x, y, w);
}

}  // namespace travik::ui
