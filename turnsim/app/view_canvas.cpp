// Lines, arcs and border fills of the 2D view on a QImage, antialiasing off.
#include "turnsim/app/view_canvas.h"

#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPen>

#include "turnsim/app/view_border_fill.h"
#include "turnsim/app/view_colors.h"

namespace turnsim {

namespace {

// Screen angle of p about c in degrees, counter-clockwise from the +x direction (y grows down).
double ScreenAngle(QPoint c, QPoint p) {
  return std::atan2(-static_cast<double>(p.y() - c.y()), static_cast<double>(p.x() - c.x())) *
         180.0 / std::numbers::pi;
}

} // namespace

ViewCanvas::ViewCanvas(QImage& image, QPoint origin, float scale)
    : image_(image), origin_(origin), scale_(scale) {}

QPoint ViewCanvas::Pixel(ViewPoint p) const {
  return {static_cast<int>(static_cast<float>(origin_.x()) + p.h * scale_),
          static_cast<int>(static_cast<float>(origin_.y()) + p.v * scale_)};
}

void ViewCanvas::FillBackground(std::int32_t colour) {
  image_.fill(ToQColor(colour));
}

void ViewCanvas::DrawContour(const ViewList& list, std::int32_t colour, int width,
                             Qt::PenStyle style) {
  if (list.empty()) {
    return;
  }
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(ToQColor(colour));
  pen.setWidth(width);
  pen.setStyle(style);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);

  QPoint pen_at = Pixel(list.front().start);
  for (const ViewOtr& e : list) {
    const QPoint end = Pixel(e.end);
    if (e.type != kArc) {
      painter.drawLine(pen_at, end);
      pen_at = end;
      continue;
    }
    const float dh = (e.end.h - e.start.h) * scale_;
    const float dv = (e.end.v - e.start.v) * scale_;
    if (std::sqrt(dh * dh + dv * dv) < 1.0f) {
      // The chord is shorter than a pixel: a line reaches the end just as well.
      painter.drawLine(pen_at, end);
      pen_at = end;
      continue;
    }
    if (e.radius != 0.0f) {
      const QPoint centre = Pixel(e.centre);
      const int r = static_cast<int>(std::fabs(e.radius) * scale_);
      const QPoint start = Pixel(e.start);
      // Counter-clockwise from `from` to `to`.
      const QPoint from = e.radius > 0.0f ? end : start;
      const QPoint to = e.radius > 0.0f ? start : end;
      double a1 = ScreenAngle(centre, from);
      double span = ScreenAngle(centre, to) - a1;
      while (span <= 0.0) {
        span += 360.0;
      }
      painter.drawArc(QRect(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
                      static_cast<int>(std::lround(a1 * 16.0)),
                      static_cast<int>(std::lround(span * 16.0)));
    }
    pen_at = end;
  }
}

void ViewCanvas::BorderFill(std::int32_t colour, ViewPoint seed) {
  BorderFloodFill(image_, Pixel(seed), ToQColor(colour).rgb());
}

} // namespace turnsim
