// The area measure of single edges: trapezoids to the axis, and arcs with their segment term
// (whose sector part counts twice a true sector) signed by the arc's direction.
#include "turnsim/graph/edge_measure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace turnsim {
namespace {

GrafEdge Edge(std::int32_t type, XZPoint start, XZPoint end, XZPoint centre = {},
              float radius = 0.0f) {
  GrafEdge e;
  e.type = type;
  e.start = start;
  e.end = end;
  e.centre = centre;
  e.radius = radius;
  return e;
}

struct MeasureCase {
  const char* name;
  GrafEdge edge;
  double expected;
};

TEST(EdgeMeasure, LinesAndArcs) {
  constexpr double pi = std::numbers::pi;
  const std::vector<MeasureCase> cases{
      {"line away from the spindle", Edge(kLine, {5, 0}, {15, 10}), 100.0},
      {"the same line reversed", Edge(kLine, {15, 10}, {5, 0}), -100.0},
      {"line below the axis counts its distance", Edge(kLine, {-5, 0}, {-15, 10}), 100.0},
      {"radial line", Edge(kLine, {0, 7}, {20, 7}), 0.0},
      // Trapezoid 50, segment 2*pi*100*90/360 - 50 (triangle of sides 10, 10, 10*sqrt 2).
      {"clockwise quarter arc", Edge(kArc, {10, 0}, {0, 10}, {0, 0}, 10.0f), 50.0 * pi},
      {"counter-clockwise quarter arc", Edge(kArc, {10, 0}, {0, 10}, {0, 0}, -10.0f),
       100.0 - 50.0 * pi},
      // Chord on the axis, so no trapezoid; a flat triangle; the sector term alone, 100*pi.
      {"half circle over the axis", Edge(kArc, {0, 0}, {0, 20}, {0, 10}, 10.0f), 100.0 * pi},
      // The chord is a little longer than the diameter: the arc is taken as a half circle.
      {"chord a hair longer than the diameter", Edge(kArc, {0, 0}, {0, 20}, {0, 10}, 9.9999f),
       pi * 9.9999 * 9.9999},
  };
  for (const MeasureCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(EdgeMeasure(c.edge), c.expected, 1e-3);
  }
}

} // namespace
} // namespace turnsim
