// Icon 101, the program's icon: a dial with a scale and a needle. It is
// described once, as shapes on a 32 x 32 grid, so that the windows and the
// icon files installed for the desktop show the same picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace travik::ui {

inline constexpr int kProgramIconGrid = 32;

struct IconColor {
  std::uint8_t r = 0, g = 0, b = 0;
};

struct IconShape {
  enum class Kind { kCircle, kLine };
  Kind kind = Kind::kLine;
  // A line runs from (x1, y1) to (x2, y2); a circle has its centre at
  // (x1, y1) and the radius x2.
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double stroke_width = 0;  // 0: no outline
  IconColor stroke;
  bool filled = false;
  IconColor fill;
  bool round_cap = false;  // otherwise square, as a plain pen draws
};

// In painting order.
const std::vector<IconShape>& ProgramIconShapes();

// The same shapes as a scalable SVG document.
std::string ProgramIconSvg();

}  // namespace travik::ui
