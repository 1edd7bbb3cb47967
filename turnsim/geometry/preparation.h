// The checks made on a profile before a cut and the merge of continuing elements after it.
#pragma once

#include <span>

#include "turnsim/geometry/contour.h"

namespace turnsim {

// The two points of `line` at distance d on either side of p (p expected on the line).
XZSegment PointsAlongLine(const LineEq& line, XZPoint p, float d);

// Checks every semicircular arc of the profile; throws FatalExit (code 1) with
// "Split Circre: Can't select the point" when its midpoint cannot be placed. Returns the
// profile unchanged.
const Contour& PrepareProfile(const Contour& profile);

// One element spanning a run of consecutive elements (non-empty).
Otr JoinRun(std::span<const Otr> run);

// A new contour with runs of continuing elements joined; every element numbered 12.
Contour MergeProfile(const Contour& profile);

} // namespace turnsim
