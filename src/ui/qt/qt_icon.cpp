#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <numbers>

#include "ui/qt/qt_window.h"

namespace travik::ui::qtimpl {
namespace {

// A dial with a scale and a needle, drawn on a 32 x 32 grid and scaled.
QPixmap Gauge(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);

  p.setPen(QPen(QColor(45, 55, 70), 2.0));
  p.setBrush(QColor(246, 246, 238));
  p.drawEllipse(QRectF(2, 2, 28, 28));

  // The scale runs from 225 degrees (low) clockwise to -45 degrees (high);
  // its last third is red.
  const QPointF centre(16, 16);
  for (int k = 0; k <= 8; ++k) {
    const double degrees = 225.0 - k * 33.75;
    const double a = degrees * std::numbers::pi / 180.0;
    const QPointF dir(std::cos(a), -std::sin(a));
    p.setPen(QPen(k >= 6 ? QColor(200, 40, 30) : QColor(45, 55, 70), k % 2 == 0 ? 1.8 : 1.0));
    p.drawLine(centre + dir * (k % 2 == 0 ? 8.5 : 10.0), centre + dir * 12.0);
  }

  const double needle = 60.0 * std::numbers::pi / 180.0;
  p.setPen(QPen(QColor(200, 40, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, centre + QPointF(std::cos(needle), -std::sin(needle)) * 11.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(45, 55, 70));
  p.drawEllipse(centre, 2.6, 2.6);
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(Gauge(size));
  return icon;
}

}  // namespace travik::ui::qtimpl
