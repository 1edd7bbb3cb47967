// Area under a profile by the integral of X dZ, exact for lines and arcs.
#include "turnsim/geometry/area.h"

#include <cmath>
#include <numbers>

namespace turnsim {

namespace {

// Integral of X dZ along a line: the trapezoid under it.
double LineIntegral(const Otr& e) {
  return 0.5 * (static_cast<double>(e.start.X) + e.end.X) *
         (static_cast<double>(e.end.Z) - e.start.Z);
}

// Integral of X dZ along an arc. With the polar angle t measured from +Z towards +X,
// Z = Zc + R cos t and X = Xc + R sin t, so X dZ = -(Xc R sin t + R² sin² t) dt.
double ArcIntegral(const Otr& e) {
  const double xc = e.centre.X;
  const double zc = e.centre.Z;
  const double t1 = std::atan2(e.start.X - xc, e.start.Z - zc);
  double t2 = std::atan2(e.end.X - xc, e.end.Z - zc);
  const double r = std::hypot(e.start.X - xc, e.start.Z - zc);
  constexpr double kTurn = 2 * std::numbers::pi;
  // A positive radius runs with decreasing angle, a negative one with increasing angle.
  if (e.radius > 0) {
    while (t2 > t1) t2 -= kTurn;
    while (t2 <= t1 - kTurn) t2 += kTurn;
  } else {
    while (t2 < t1) t2 += kTurn;
    while (t2 >= t1 + kTurn) t2 -= kTurn;
  }
  auto antiderivative = [xc, r](double t) {
    return xc * r * std::cos(t) - r * r * (t / 2 - std::sin(2 * t) / 4);
  };
  return antiderivative(t2) - antiderivative(t1);
}

} // namespace

double ProfileArea(const Contour& profile) {
  double sum = 0;
  for (const Otr& e : profile) {
    sum += e.IsArc() ? ArcIntegral(e) : LineIntegral(e);
  }
  return std::fabs(sum);
}

} // namespace turnsim
