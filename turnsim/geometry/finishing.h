// Normalising a loaded profile, cutting a path-finder result back to the axis, replacing arcs by
// lines and turning a profile into vertex arrays.
#pragma once

#include <cstdint>
#include <span>

#include "turnsim/geometry/contour.h"

namespace turnsim {

// Every arc's end points placed exactly on its circle.
Contour ProjectArcEnds(const Contour& profile);

// The contour cut after its first element that reaches the axis, that element's end snapped
// onto the axis.
Contour FinishCutProfile(const Contour& contour);

// Connected lines through the start points of `points`, neighbours at the same point dropped;
// the last record only gives the end of the chain. The records are moved into the result.
Contour PolylineFromPoints(Contour points);

// Lines approximating an arc, about h lines per radian of sweep (at least one).
Contour ArcToLines(const Otr& arc, float h);

// The contour with every arc replaced by the lines of ArcToLines.
Contour ApproximateArcs(Contour contour, float h);

// Vertex arrays of a contour: n start points and the last end point; each span must hold
// contour.size() + 1 entries. Returns n, the index of the last vertex written (-1 for an
// empty contour, which writes nothing).
std::int32_t ContourToArrays(const Contour& contour, std::span<double> x, std::span<double> z,
                             std::span<std::uint8_t> marks);

} // namespace turnsim
