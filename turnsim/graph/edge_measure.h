// The area measure by which the path finder ranks the closed loops of the contour graph.
#pragma once

#include "turnsim/graph/graf_edge.h"

namespace turnsim {

// The edge's share of the area measure of a loop: the trapezoid between the edge's chord and
// the axis, plus for an arc its segment term signed by the arc's direction. The segment term
// takes 2*pi*R^2*theta/360 as its sector part, twice a true sector; loops are ranked by this
// measure, so it stays as it is. Computed in double precision.
double EdgeMeasure(const GrafEdge& edge);

} // namespace turnsim
