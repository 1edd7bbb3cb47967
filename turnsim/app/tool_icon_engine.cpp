// The glyphs of the tool buttons, drawn on a 16 x 16 grid.
#include "turnsim/app/tool_icon_engine.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace turnsim {

namespace {

struct Palette {
  bool enabled;
  QColor operator()(QColor c) const {
    if (enabled) {
      return c;
    }
    const int g = 128 + qGray(c.rgb()) / 3;
    return QColor(g, g, g);
  }
};

const QColor kInk(40, 40, 48);
const QColor kPart(40, 90, 200);
const QColor kInsert(220, 40, 40);
const QColor kPaper(250, 250, 245);

QPen Pen(const QColor& c, qreal w = 1.0) {
  QPen pen(c, w);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void Page(QPainter& p, const Palette& c) {
  QPainterPath page;
  page.moveTo(3, 1.5);
  page.lineTo(10, 1.5);
  page.lineTo(13, 4.5);
  page.lineTo(13, 14.5);
  page.lineTo(3, 14.5);
  page.closeSubpath();
  p.setPen(Pen(c(kInk)));
  p.setBrush(c(kPaper));
  p.drawPath(page);
  p.drawLine(QPointF(10, 1.5), QPointF(10, 4.5));
  p.drawLine(QPointF(10, 4.5), QPointF(13, 4.5));
}

void Magnifier(QPainter& p, const Palette& c, bool plus) {
  p.setPen(Pen(c(kInk), 1.5));
  p.setBrush(c(QColor(225, 240, 255)));
  p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
  p.setPen(Pen(c(QColor(120, 80, 40)), 2.5));
  p.drawLine(QPointF(10, 10), QPointF(14, 14));
  p.setPen(Pen(c(kInk), 1.5));
  p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
  if (plus) {
    p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
  }
}

// A stepped shaft and its mirror about a dash-dotted axis, the insert at the shoulder.
void TurnedPart(QPainter& p, const Palette& c) {
  QPainterPath part;
  part.moveTo(1, 3);
  part.lineTo(8, 3);
  part.lineTo(8, 5);
  part.lineTo(15, 5);
  part.lineTo(15, 11);
  part.lineTo(8, 11);
  part.lineTo(8, 13);
  part.lineTo(1, 13);
  part.closeSubpath();
  p.setPen(Pen(c(kPart.darker(140))));
  p.setBrush(c(kPart));
  p.drawPath(part);
  QPen axis = Pen(c(QColor(250, 250, 250)), 0.8);
  axis.setStyle(Qt::DashDotLine);
  p.setPen(axis);
  p.drawLine(QPointF(0.5, 8), QPointF(15.5, 8));
  QPolygonF insert{{9.5, 0.5}, {13.5, 0.5}, {10.5, 4.5}};
  p.setPen(Pen(c(kInsert.darker(150)), 0.6));
  p.setBrush(c(kInsert));
  p.drawPolygon(insert);
}

void Paint(QPainter& p, ToolGlyph glyph, const Palette& c) {
  switch (glyph) {
  case ToolGlyph::Open: {
    QPainterPath folder;
    folder.moveTo(1.5, 4);
    folder.lineTo(6, 4);
    folder.lineTo(7.5, 5.5);
    folder.lineTo(13.5, 5.5);
    folder.lineTo(13.5, 13.5);
    folder.lineTo(1.5, 13.5);
    folder.closeSubpath();
    p.setPen(Pen(c(QColor(150, 110, 20))));
    p.setBrush(c(QColor(250, 205, 80)));
    p.drawPath(folder);
    p.setPen(Pen(c(kPart), 1.6));
    p.drawLine(QPointF(11.5, 1.5), QPointF(11.5, 8.5));
    p.drawLine(QPointF(9.5, 3.5), QPointF(11.5, 1.5));
    p.drawLine(QPointF(13.5, 3.5), QPointF(11.5, 1.5));
    break;
  }
  case ToolGlyph::ExportDxf: {
    Page(p, c);
    p.setPen(Pen(c(kPart), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{4.5, 12.5}, {4.5, 8}, {7.5, 8}, {7.5, 6}, {11.5, 6}, {11.5, 12.5}});
    p.setPen(Pen(c(kInsert), 1.2));
    p.drawLine(QPointF(4.5, 12.5), QPointF(11.5, 12.5));
    break;
  }
  case ToolGlyph::RunStop: {
    p.setPen(Pen(c(QColor(20, 110, 40))));
    p.setBrush(c(QColor(60, 180, 80)));
    p.drawPolygon(QPolygonF{{2, 2}, {9, 8}, {2, 14}});
    p.setPen(Qt::NoPen);
    p.setBrush(c(kInsert));
    p.drawRect(QRectF(10, 3, 2, 10));
    p.drawRect(QRectF(13, 3, 2, 10));
    break;
  }
  case ToolGlyph::Step: {
    p.setPen(Pen(c(QColor(20, 110, 40))));
    p.setBrush(c(QColor(60, 180, 80)));
    p.drawPolygon(QPolygonF{{3, 2}, {10, 8}, {3, 14}});
    p.setPen(Qt::NoPen);
    p.setBrush(c(kInk));
    p.drawRect(QRectF(11, 2, 2.5, 12));
    break;
  }
  case ToolGlyph::ZoomIn:
    Magnifier(p, c, true);
    break;
  case ToolGlyph::ZoomOut:
    Magnifier(p, c, false);
    break;
  case ToolGlyph::Settings: {
    p.setPen(Pen(c(kInk), 1.2));
    for (qreal y : {3.5, 8.0, 12.5}) {
      p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
    }
    p.setPen(Pen(c(kInk)));
    p.setBrush(c(QColor(250, 205, 80)));
    p.drawRect(QRectF(9, 1.5, 3, 4));
    p.drawRect(QRectF(3, 6, 3, 4));
    p.drawRect(QRectF(7, 10.5, 3, 4));
    break;
  }
  case ToolGlyph::Database: {
    p.setPen(Pen(c(kInk)));
    p.setBrush(c(QColor(170, 190, 215)));
    p.drawRect(QRectF(2.5, 3.5, 11, 9));
    p.setBrush(c(QColor(210, 225, 240)));
    p.drawEllipse(QRectF(2.5, 1.5, 11, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 5.5, 11, 4), 180 * 16, 180 * 16);
    p.setBrush(c(QColor(170, 190, 215)));
    p.drawChord(QRectF(2.5, 10.5, 11, 4), 180 * 16, 180 * 16);
    break;
  }
  case ToolGlyph::ProfileList: {
    Page(p, c);
    p.setPen(Pen(c(kInk), 1.0));
    for (qreal y : {6.5, 8.5, 10.5, 12.5}) {
      p.drawLine(QPointF(5, y), QPointF(11, y));
    }
    break;
  }
  case ToolGlyph::View3D: {
    p.setPen(Pen(c(kInk)));
    p.setBrush(c(QColor(120, 160, 230)));
    p.drawPolygon(QPolygonF{{2, 5}, {10, 5}, {10, 14}, {2, 14}});
    p.setBrush(c(QColor(170, 200, 245)));
    p.drawPolygon(QPolygonF{{2, 5}, {6, 1.5}, {14, 1.5}, {10, 5}});
    p.setBrush(c(QColor(70, 110, 190)));
    p.drawPolygon(QPolygonF{{10, 5}, {14, 1.5}, {14, 10.5}, {10, 14}});
    break;
  }
  case ToolGlyph::Colors: {
    p.setPen(Pen(c(kInk), 0.8));
    p.setBrush(c(QColor(230, 50, 50)));
    p.drawEllipse(QPointF(5.5, 5.5), 3.5, 3.5);
    p.setBrush(c(QColor(60, 180, 70)));
    p.drawEllipse(QPointF(10.5, 5.5), 3.5, 3.5);
    p.setBrush(c(QColor(50, 90, 230)));
    p.drawEllipse(QPointF(8, 10.5), 3.5, 3.5);
    break;
  }
  case ToolGlyph::About: {
    p.setPen(Pen(c(QColor(20, 60, 140))));
    p.setBrush(c(QColor(60, 120, 220)));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(Pen(c(Qt::white), 2.0));
    p.drawLine(QPointF(8, 7.5), QPointF(8, 12));
    p.drawPoint(QPointF(8, 4.5));
    break;
  }
  case ToolGlyph::Exit: {
    p.setPen(Pen(c(kInk)));
    p.setBrush(c(QColor(170, 120, 70)));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setBrush(c(kInk));
    p.drawEllipse(QPointF(8, 8), 0.6, 0.6);
    p.setPen(Pen(c(kInsert), 1.6));
    p.drawLine(QPointF(8.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(12, 5.5), QPointF(14.5, 8));
    p.drawLine(QPointF(12, 10.5), QPointF(14.5, 8));
    break;
  }
  case ToolGlyph::Window:
    TurnedPart(p, c);
    break;
  }
}

} // namespace

void ToolIconEngine::PaintGlyph(QPainter& painter, const QRectF& rect, ToolGlyph glyph,
                                bool enabled) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const qreal side = std::min(rect.width(), rect.height());
  painter.translate(rect.center().x() - side / 2, rect.center().y() - side / 2);
  painter.scale(side / 16.0, side / 16.0);
  Paint(painter, glyph, Palette{enabled});
  painter.restore();
}

void ToolIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
  PaintGlyph(*painter, rect, glyph_, mode != QIcon::Disabled);
}

// QIcon asks for `size` in device pixels and sets the pixel ratio itself; the glyph fills it.
QPixmap ToolIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  paint(&painter, QRect(QPoint(0, 0), size), mode, state);
  return pixmap;
}

QIcon ToolIcon(ToolGlyph glyph) {
  return QIcon(new ToolIconEngine(glyph));
}

} // namespace turnsim
