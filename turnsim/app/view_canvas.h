// Drawing on the view image: view lists as lines and arcs, border fills, the background. Points
// in view millimetres become pixels through an origin and a scale.
#pragma once

#include <cstdint>

#include <QImage>
#include <QPoint>

#include "turnsim/app/view_fill_shape.h"

namespace turnsim {

class ViewCanvas {
public:
  // `scale` is in pixels per millimetre.
  ViewCanvas(QImage& image, QPoint origin, float scale);

  // x = OX + h s, y = OY + v s, each truncated toward zero.
  QPoint Pixel(ViewPoint p) const;

  void FillBackground(std::int32_t colour);

  // Draws the list from the start of its first element: lines to their end points, arcs
  // counter-clockwise on the screen (from end to start for a positive radius, from start to end
  // for a negative one). An arc whose ends lie less than a pixel apart becomes a line; an arc of
  // radius 0 draws nothing but still moves the pen to its end.
  void DrawContour(const ViewList& list, std::int32_t colour, int width,
                   Qt::PenStyle style = Qt::SolidLine);

  // Fills from the pixel of the seed outward up to pixels of the same colour.
  void BorderFill(std::int32_t colour, ViewPoint seed);

private:
  QImage& image_;
  QPoint origin_;
  float scale_;
};

} // namespace turnsim
