// Painting of the start picture: a shaded background, a stepped shaft with its mirror image, the
// dash-dotted axis, a cutting insert at a shoulder, and the program's name.
#include "turnsim/app/start_picture.h"

#include <iterator>

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

namespace turnsim {

void PaintStartPicture(QPainter& painter, const QRectF& rect) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
  sky.setColorAt(0.0, QColor(236, 242, 250));
  sky.setColorAt(1.0, QColor(198, 212, 232));
  painter.fillRect(rect, sky);

  // Design grid of 790 x 468 scaled into the rectangle.
  painter.translate(rect.topLeft());
  painter.scale(rect.width() / 790.0, rect.height() / 468.0);

  const qreal axisY = 260;
  QPainterPath upper;
  upper.moveTo(150, axisY);
  const QPointF steps[] = {{150, 150}, {330, 150}, {330, 120}, {470, 120},  {470, 170},
                           {560, 170}, {590, 200}, {640, 200}, {640, axisY}};
  for (const QPointF& p : steps) {
    upper.lineTo(p);
  }
  QPainterPath part = upper;
  for (auto it = std::rbegin(steps) + 1; it != std::rend(steps); ++it) {
    part.lineTo(it->x(), 2 * axisY - it->y());
  }
  part.lineTo(150, 2 * axisY - 150);
  part.closeSubpath();
  painter.setPen(QPen(QColor(20, 50, 130), 3));
  painter.setBrush(QColor(60, 100, 210));
  painter.drawPath(part);

  // Chuck jaws holding the left end.
  painter.setBrush(QColor(70, 70, 70));
  painter.setPen(Qt::NoPen);
  painter.drawRect(QRectF(95, 125, 70, 40));
  painter.drawRect(QRectF(95, 355, 70, 40));
  painter.setBrush(QColor(92, 92, 92));
  painter.drawRect(QRectF(40, 110, 55, 300));

  // The insert at the shoulder and its holder.
  painter.setBrush(QColor(40, 40, 40));
  painter.drawPolygon(QPolygonF{{480, 40}, {540, 40}, {540, 90}, {505, 90}});
  painter.setBrush(QColor(220, 40, 40));
  painter.drawPolygon(QPolygonF{{472, 112}, {510, 80}, {480, 76}});

  QPen axis(Qt::black, 1.5);
  axis.setStyle(Qt::DashDotLine);
  painter.setPen(axis);
  painter.drawLine(QPointF(20, axisY), QPointF(700, axisY));

  QFont title = painter.font();
  title.setPixelSize(44);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(30, 45, 90));
  painter.drawText(QRectF(0, 410, 790, 58), Qt::AlignCenter, QStringLiteral("Torvane 1.0"));
  painter.restore();
}

} // namespace turnsim
