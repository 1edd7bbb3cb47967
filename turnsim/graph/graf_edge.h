// One directed edge of the contour graph: a workpiece piece in its own direction, the closing
// line along the axis, or a swept-region piece reversed.
#pragma once

#include <cstdint>

#include "turnsim/geometry/contour.h"

namespace turnsim {

struct GrafEdge {
  std::int32_t startVertex = -1; // number of the vertex at its start
  std::int32_t endVertex = -1;   // number of the vertex at its end
  std::int32_t number = 0;       // its index in the edge list
  std::int32_t type = kLine;     // 1 line, 2 arc, as in Otr
  XZPoint start;
  XZPoint end;
  XZPoint centre;
  float radius = 0.0f; // signed for the edge's own direction
  bool fixed = false;  // spindle byte of the workpiece element; false for swept-region edges
};

} // namespace turnsim
