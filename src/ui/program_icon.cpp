#include "ui/program_icon.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace travik::ui {
namespace {

constexpr IconColor kInk{45, 55, 70};
constexpr IconColor kRed{200, 40, 30};
constexpr IconColor kFace{246, 246, 238};

std::vector<IconShape> MakeShapes() {
  std::vector<IconShape> shapes;
  IconShape face{IconShape::Kind::kCircle, 16, 16, 14, 0, 2.0, kInk, true, kFace};
  shapes.push_back(face);

  // The scale runs from 225 degrees (low) clockwise to -45 degrees (high);
  // its last third is red.
  for (int k = 0; k <= 8; ++k) {
    const double a = (225.0 - k * 33.75) * std::numbers::pi / 180.0;
    const double dx = std::cos(a), dy = -std::sin(a);
    const double inner = k % 2 == 0 ? 8.5 : 10.0;
    IconShape tick;
    tick.x1 = 16 + dx * inner;
    tick.y1 = 16 + dy * inner;
    tick.x2 = 16 + dx * 12.0;
    tick.y2 = 16 + dy * 12.0;
    tick.stroke_width = k % 2 == 0 ? 1.8 : 1.0;
    tick.stroke = k >= 6 ? kRed : kInk;
    shapes.push_back(tick);
  }

  const double needle = 60.0 * std::numbers::pi / 180.0;
  IconShape hand;
  hand.x1 = 16;
  hand.y1 = 16;
  hand.x2 = 16 + std::cos(needle) * 11.0;
  hand.y2 = 16 - std::sin(needle) * 11.0;
  hand.stroke_width = 2.2;
  hand.stroke = kRed;
  hand.round_cap = true;
  shapes.push_back(hand);

  IconShape hub{IconShape::Kind::kCircle, 16, 16, 2.6, 0, 0, {}, true, kInk};
  shapes.push_back(hub);
  return shapes;
}

// Shortest exact-enough decimal: SVG readers take plain numbers.
std::string Num(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3f", v);
  std::string s = buffer;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

std::string Rgb(IconColor c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.r, c.g, c.b);
  return buffer;
}

}  // namespace

const std::vector<IconShape>& ProgramIconShapes() {
  static const std::vector<IconShape> shapes = MakeShapes();
  return shapes;
}

std::string ProgramIconSvg() {
  const std::string grid = std::to_string(kProgramIconGrid);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + grid + "\" height=\"" +
                    grid + "\" viewBox=\"0 0 " + grid + ' ' + grid + "\">\n";
  for (const IconShape& s : ProgramIconShapes()) {
    const std::string stroke =
        s.stroke_width > 0
            ? " stroke=\"" + Rgb(s.stroke) + "\" stroke-width=\"" + Num(s.stroke_width) + '"'
            : std::string(" stroke=\"none\"");
    if (s.kind == IconShape::Kind::kCircle) {
      svg += "  <circle cx=\"" + Num(s.x1) + "\" cy=\"" + Num(s.y1) + "\" r=\"" + Num(s.x2) +
             "\" fill=\"" + (s.filled ? Rgb(s.fill) : "none") + '"' + stroke + "/>\n";
    } else {
      svg += "  <line x1=\"" + Num(s.x1) + "\" y1=\"" + Num(s.y1) + "\" x2=\"" + Num(s.x2) +
             "\" y2=\"" + Num(s.y2) + '"' + stroke + " stroke-linecap=\"" +
             (s.round_cap ? "round" : "square") + "\"/>\n";
    }
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace travik::ui
