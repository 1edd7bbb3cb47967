// The true area between a profile and the spindle axis, arcs counted as exact circular pieces.
#pragma once

#include "turnsim/geometry/contour.h"

namespace turnsim {

// Area in mm² enclosed by the profile, the axis and the radial lines from its two ends down to
// the axis (the integral of X dZ along the chain, taken absolute). Computed in double precision.
double ProfileArea(const Contour& profile);

} // namespace turnsim
