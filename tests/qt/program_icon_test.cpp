// Icon 101: the window icon and the installed SVG come from one description.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "ui/program_icon.h"
#include "ui/qt/qt_window.h"

namespace travik::ui {
namespace {

int Count(const std::string& text, const std::string& word) {
  int n = 0;
  for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

TEST(ProgramIcon, SvgHoldsEveryShapeOnTheGrid) {
  const std::string svg = ProgramIconSvg();
  int circles = 0, lines = 0;
  for (const IconShape& s : ProgramIconShapes()) {
    (s.kind == IconShape::Kind::kCircle ? circles : lines)++;
    for (double v : {s.x1, s.y1, s.x2}) {
      EXPECT_GE(v, 0);
      EXPECT_LE(v, kProgramIconGrid);
    }
  }
  EXPECT_EQ(Count(svg, "<circle "), circles);
  EXPECT_EQ(Count(svg, "<line "), lines);
  EXPECT_NE(svg.find("viewBox=\"0 0 32 32\""), std::string::npos);
  EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

TEST(ProgramIcon, PixelsFollowTheShapesAtEverySize) {
  for (int size : {48, 128, 256}) {
    const QImage image = qtimpl::ProgramIconImage(size);
    ASSERT_EQ(image.width(), size);
    const double k = size / 32.0;
    // Corners stay transparent; the hub is ink; the face is the face colour.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
    EXPECT_EQ(QColor(image.pixel(int(16 * k), int(16 * k))), QColor(45, 55, 70)) << size;
    EXPECT_EQ(QColor(image.pixel(int(16 * k), int(24 * k))), QColor(246, 246, 238)) << size;
  }
}

}  // namespace
}  // namespace travik::ui
