#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "ui/program_icon.h"
#include "ui/qt/qt_window.h"

namespace travik::ui::qtimpl {
namespace {

QColor ToQt(IconColor c) { return QColor(c.r, c.g, c.b); }

}  // namespace

QImage ProgramIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / double(kProgramIconGrid), size / double(kProgramIconGrid));
  for (const IconShape& s : ProgramIconShapes()) {
    if (s.stroke_width > 0) {
      p.setPen(QPen(ToQt(s.stroke), s.stroke_width, Qt::SolidLine,
                    s.round_cap ? Qt::RoundCap : Qt::SquareCap));
    } else {
      p.setPen(Qt::NoPen);
    }
    if (s.kind == IconShape::Kind::kCircle) {
      p.setBrush(s.filled ? QBrush(ToQt(s.fill)) : QBrush(Qt::NoBrush));
      p.drawEllipse(QPointF(s.x1, s.y1), s.x2, s.x2);
    } else {
      p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
    }
  }
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
  return icon;
}

}  // namespace travik::ui::qtimpl
