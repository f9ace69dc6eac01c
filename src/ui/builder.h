// Cheap layout for templates: controls placed by hand where the geometry is
// given, and label/field rows stacked automatically inside group boxes.
#pragma once

#include <string>

#include "ui/template.h"

namespace travik::ui {

class TemplateBuilder;

// Rows of a group box: each row a label and a field (or a single control),
// stacked from the group's top; End() sizes the group to its rows.
class GroupLayout {
 public:
  GroupLayout(TemplateBuilder& builder, std::size_t group_index, int x, int y, int w);
  // Label at the left, field at the right edge of the group.
  GroupLayout& Row(int label_id, const std::string& label, int field_id, ControlKind kind,
                   int field_w = 40, std::uint32_t style = kStyleNone);
  // One control across the group's width.
  GroupLayout& Full(int id, ControlKind kind, const std::string& caption = {}, int h = 12,
                    std::uint32_t style = kStyleNone);
  // Room for controls placed by hand inside the group.
  GroupLayout& Space(int h) {
    y_ += h;
    return *this;
  }
  // Two controls side by side across the group (a pair of radio buttons).
  GroupLayout& Pair(int first_id, const std::string& first, int second_id,
                    const std::string& second, ControlKind kind);
  // Hidden rows still take their place, as in a fixed template.
  int Bottom() const { return y_ + 6; }
  TemplateBuilder& End();

 private:
  TemplateBuilder& builder_;
  std::size_t group_index_;
  int x_, top_, w_, y_;
};

class TemplateBuilder {
 public:
  TemplateBuilder(int number, std::string caption, int w, int h);
  TemplateBuilder& Font(std::string name, int size);
  TemplateBuilder& Style(std::uint32_t style);
  TemplateBuilder& Add(int id, ControlKind kind, std::string caption, int x, int y, int w, int h,
                       std::uint32_t style = kStyleNone);
  GroupLayout Group(int id, std::string caption, int x, int y, int w);
  DialogTemplate& Get() { return t_; }
  DialogTemplate Build() { return t_; }

 private:
  DialogTemplate t_;
};

}  // namespace travik::ui
