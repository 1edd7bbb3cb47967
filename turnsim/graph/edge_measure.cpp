// The area measure of one graph edge: trapezoid to the axis plus the signed arc segment term.
#include "turnsim/graph/edge_measure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "turnsim/geometry/primitives.h"

namespace turnsim {

double EdgeMeasure(const GrafEdge& edge) {
  const double startX = std::fabs(static_cast<double>(edge.start.X));
  const double endX = std::fabs(static_cast<double>(edge.end.X));
  const double trapezoid =
      (startX + endX) * 0.5 * (static_cast<double>(edge.end.Z) - static_cast<double>(edge.start.Z));
  if (edge.type == kLine) {
    return trapezoid;
  }
  const double r = std::fabs(static_cast<double>(edge.radius));
  if (r == 0.0) {
    // An arc without a radius has no segment: only its chord counts.
    return trapezoid;
  }
  const double c = Distance(edge.start, edge.end);
  // A chord a hair longer than the diameter (float rounding of a half circle) would take the
  // arc cosine of a value just below -1 and poison every loop sum with NaN.
  const double q = std::clamp((2.0 * r * r - c * c) / (2.0 * r * r), -1.0, 1.0);
  const double theta = std::acos(q) * 180.0 / std::numbers::pi;
  const double segment =
      2.0 * std::numbers::pi * r * r * theta / 360.0 -
      TriangleArea(static_cast<float>(r), static_cast<float>(r), static_cast<float>(c));
  return trapezoid + segment * static_cast<double>(edge.radius) / r;
}

} // namespace turnsim
