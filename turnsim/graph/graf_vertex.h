// One vertex of the contour graph with its (at most two) outgoing ways and their search marks.
#pragma once

#include <cstdint>

#include "turnsim/geometry/contour.h"

namespace turnsim {

struct GrafVertex {
  std::int32_t number = 0; // its index in the vertex list
  std::int32_t ng1 = -1;   // edge of way 1: the first edge, by number, that starts here
  std::int32_t ng2 = -1;   // edge of way 2: the second one; further edges are not used
  XZPoint point;
  bool present1 = false;
  bool present2 = false;
  bool gone1 = false; // way 1 is taken on the current search path, or was exhausted
  bool gone2 = false;
};

} // namespace turnsim
