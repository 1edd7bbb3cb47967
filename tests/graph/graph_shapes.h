// Small hand-made profiles and swept regions for the contour graph tests. Points are written
// (X, Z): X radial, Z along the axis. Profiles and regions both run clockwise with Z drawn to the
// right and X upwards.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "turnsim/geometry/contour.h"

namespace turnsim::testing {

inline Otr Line(XZPoint start, XZPoint end, std::uint8_t spindle = 0) {
  Otr e;
  e.type = kLine;
  e.start = start;
  e.end = end;
  e.spindle = spindle;
  return e;
}

inline Otr Arc(XZPoint start, XZPoint end, XZPoint centre, float radius) {
  Otr e;
  e.type = kArc;
  e.start = start;
  e.end = end;
  e.centre = centre;
  e.radius = radius;
  return e;
}

// A bar of radius r from Z = 0 to Z = length: up the left face from the axis, along the outside,
// down the right face to the axis.
inline Contour Bar(float r = 20.0f, float length = 100.0f) {
  return {Line({0, 0}, {r, 0}), Line({r, 0}, {r, length}), Line({r, length}, {0, length})};
}

// The rectangle xLo..xHi by zLo..zHi, clockwise from its corner (xLo, zLo); `first` names the
// side it starts with (0 the side at zLo, then zHi-ward along xHi, the side at zHi, along xLo).
inline Contour Rectangle(float xLo, float xHi, float zLo, float zHi, int first = 0) {
  const Contour sides{Line({xLo, zLo}, {xHi, zLo}), Line({xHi, zLo}, {xHi, zHi}),
                      Line({xHi, zHi}, {xLo, zHi}), Line({xLo, zHi}, {xLo, zLo})};
  Contour rotated;
  for (int i = 0; i < 4; ++i) {
    rotated.push_back(sides[static_cast<std::size_t>((first + i) % 4)]);
  }
  return rotated;
}

inline std::string Show(const Otr& e) {
  std::string text = (e.type == kArc ? "arc (" : "line (") + std::to_string(e.start.X) + ", " +
                     std::to_string(e.start.Z) + ") -> (" + std::to_string(e.end.X) + ", " +
                     std::to_string(e.end.Z) + ")";
  if (e.type == kArc) {
    text += " centre (" + std::to_string(e.centre.X) + ", " + std::to_string(e.centre.Z) +
            ") radius " + std::to_string(e.radius);
  }
  return text + (e.spindle != 0 ? " spindle" : "");
}

inline std::string Show(const Contour& c) {
  std::string text;
  for (const Otr& e : c) {
    text += "\n  " + Show(e);
  }
  return text;
}

// Same elements in the same order: type, end points, spindle byte and, for arcs, centre and
// signed radius, each within `tolerance` mm.
inline void ExpectContour(const Contour& actual, const Contour& expected,
                          float tolerance = 0.0005f) {
  SCOPED_TRACE("actual:" + Show(actual) + "\nexpected:" + Show(expected));
  ASSERT_EQ(actual.size(), expected.size());
  const auto near = [tolerance](XZPoint a, XZPoint b) {
    return std::fabs(a.X - b.X) <= tolerance && std::fabs(a.Z - b.Z) <= tolerance;
  };
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE("element " + std::to_string(i));
    const Otr& a = actual[i];
    const Otr& e = expected[i];
    EXPECT_EQ(a.type, e.type);
    EXPECT_TRUE(near(a.start, e.start));
    EXPECT_TRUE(near(a.end, e.end));
    EXPECT_EQ(a.spindle, e.spindle);
    if (e.type == kArc) {
      EXPECT_TRUE(near(a.centre, e.centre));
      EXPECT_NEAR(a.radius, e.radius, tolerance);
    }
  }
}

} // namespace turnsim::testing
