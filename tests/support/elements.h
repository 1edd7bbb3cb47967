// Contour elements for tests, written as (X, Z) coordinates.
#pragma once

#include <cstdint>

#include "turnsim/geometry/contour.h"

namespace turnsim::testing {

inline Otr Line(float x1, float z1, float x2, float z2, std::uint8_t spindle = 0) {
  Otr e;
  e.type = kLine;
  e.start = {x1, z1};
  e.end = {x2, z2};
  e.spindle = spindle;
  return e;
}

// An arc from start to end about centre; radius > 0 runs clockwise, < 0 counter-clockwise.
inline Otr Arc(XZPoint start, XZPoint end, XZPoint centre, float radius) {
  Otr e;
  e.type = kArc;
  e.start = start;
  e.end = end;
  e.centre = centre;
  e.radius = radius;
  return e;
}

} // namespace turnsim::testing
