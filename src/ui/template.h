// Dialog templates as data: what a resource script holds for each numbered
// dialog. Positions are dialog units unless the template says pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace travik::ui {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
// What a configuration dialog's run returns when it is closed.
inline constexpr int kEndClosed = 1005;

enum class ControlKind {
  kStatic,
  kEdit,
  kReadOnlyEdit,
  kButton,
  kDefaultButton,
  kCheckBox,
  kRadio,
  kGroupBox,
  kDropDownList,   // drop-down list (no edit)
  kSortedCombo,    // sorted drop-down combo; its edit text can be set
  kDropDownCombo,  // drop-down combo in insertion order; its edit text can be set
  kOwnerDrawCombo, // combo drawing bitmaps by item
  kPaintedText,    // a text the window paints itself (no control)
  kChart,          // values over time (ui/chart.h), with its span and readouts
};

enum ControlStyle : std::uint32_t {
  kStyleNone = 0,
  kStyleHidden = 1u << 0,
  kStyleDisabled = 1u << 1,
  kStyleClientEdge = 1u << 2,
  kStyleMultiline = 1u << 3,
  // An edit its procedure writes status texts into ("Kalibrace dokoncena"):
  // shown translated, like a label.
  kStyleStatusLine = 1u << 4,
};

struct ControlTemplate {
  int id = 0;
  ControlKind kind = ControlKind::kStatic;
  std::string caption;  // UTF-8
  int x = 0, y = 0, w = 0, h = 0;
  std::uint32_t style = kStyleNone;
};

enum DialogStyle : std::uint32_t {
  kDialogNone = 0,
  kDialogNoCloseBox = 1u << 0,
  kDialogNoCaption = 1u << 1,  // pop-up with a thin border and no title bar
  kDialogPixels = 1u << 2,     // geometry in pixels (the main window)
};

struct MenuItem {
  int command = 0;         // 0 for a separator
  std::string text;        // UTF-8
};

struct Menu {
  std::string text;
  std::vector<MenuItem> items;
};

struct DialogTemplate {
  int number = 0;
  std::string caption;  // UTF-8
  int x = 0, y = 0;     // pixels; only the main window uses them
  int w = 0, h = 0;
  std::string font = "MS Shell Dlg";
  int font_size = 8;
  std::uint32_t style = kDialogNone;
  std::vector<ControlTemplate> controls;
  std::vector<Menu> menus;  // the main window's menu bar
  int menu_number = 0;      // the menu resource it comes from
  int icon = 0;

  const ControlTemplate* Find(int id) const {
    for (const auto& c : controls)
      if (c.id == id) return &c;
    return nullptr;
  }
};

// The program's templates are tables above this layer (resources, dialogs), so
// the program hands their lookup in at start (ProgramTemplate, src/dialogs).
using TemplateLookup = const DialogTemplate* (*)(int number);
void SetTemplateLookup(TemplateLookup lookup);

// The template of that number through the lookup handed in; nullptr for an
// unknown number or before a lookup is set.
const DialogTemplate* FindTemplate(int number);

}  // namespace travik::ui
