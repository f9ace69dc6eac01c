// Building blocks of the multi-channel templates, shared by the members.
#pragma once

#include <string>

#include "ui/builder.h"

namespace travik::res {

// A "… - konfigurační parametry" group: limits, setpoint, the correction and
// setpoint radio buttons, the bargraph combo and its kind text.
struct ChannelGroupIds {
  int group;
  const char* caption;
  int lower_label;
  const char* lower_text;
  int lower;
  int upper_label;
  const char* upper_text;
  int upper;
  int setpoint_label;
  const char* setpoint_text;
  int setpoint;
  int correction_radio;
  const char* correction_text;
  int setpoint_radio;
  const char* setpoint_radio_text;
  int bargraph_label;
  int bargraph;
  int kind_text;
  const char* kind_text_caption;
};
void AddChannelGroup(ui::TemplateBuilder& b, const ChannelGroupIds& ids, int x, int y, int w);

// A "Režim n" group: LCD link, state count and 16 symbol combos (identifiers
// first_symbol + symbol_step * k, each labelled by the identifier before it),
// in `columns` columns. Returns the group's bottom.
struct DisplayModeIds {
  int group;
  const char* caption;
  int link_label;
  int link;
  int states_label;
  int states;
  int first_symbol;
  int symbol_step;
};
int AddDisplayMode(ui::TemplateBuilder& b, const DisplayModeIds& ids, int x, int y, int columns);

}  // namespace travik::res
