// The region that the insert sweeps during one motion: the insert outline at the start and at
// the end of the motion joined along its two extreme points across the direction of motion.
#pragma once

#include <cstdint>

#include "turnsim/geometry/contour.h"
#include "turnsim/input/cldata.h"
#include "turnsim/tooling/tool_library.h"

namespace turnsim {

// Indices into the split outline of the extreme elements across the motion: a minimum and a
// maximum at the first placed position, the same at the second.
struct ExtremePairs {
  std::int32_t minFirst = 0;  // iA
  std::int32_t maxFirst = 0;  // iB
  std::int32_t minSecond = 0; // iC
  std::int32_t maxSecond = 0; // iD
};

// The closed region swept by the tool's insert along motion `command` (code 28 or 26).
// An insert without an outline (kind "C") and a command of any other code sweep nothing: the
// region is empty (the other code also shows "Unknown internal CLDATA instruction." for every
// arc of the outline). Throws what BuildInsertContour throws.
Contour SweptRegion(TOOL_CLASS& tool, const CldataCommand& command);

// A copy of the command with start and end exchanged (and the radius negated) where needed so
// that the start is the upper point, or at the same X the one with the lesser Z.
CldataCommand NormalisedCommand(const CldataCommand& command);

// The outline with each arc cut where its tangent is parallel to the motion, so that every
// extreme point across the motion starts an element. Every element is built anew.
Contour SplitToolArcs(const Contour& outline, const CldataCommand& command);

// One to three arcs with the centre and radius of `arc` that together make it. For a command
// of a code other than 28 and 26, shows "Unknown internal CLDATA instruction." and returns
// the arc whole.
Contour SplitArcAtTangents(const CldataCommand& command, const Otr& arc);

// The extreme elements of the split outline across the motion at its two ends (equal pairs
// for a line). An empty outline, or a command that is no motion, gives all indices 0.
ExtremePairs ExtremeElements(const Contour& split, const CldataCommand& command);

// The region: the outline at the normalised start from the first minimum on up to the first
// maximum, a line to the second maximum at the end point, the outline there on up to the
// second minimum, and an element back along the motion. Empty for an empty outline; throws
// std::out_of_range for an index outside the outline.
Contour BuildSweptRegion(const CldataCommand& command, const Contour& split,
                         const ExtremePairs& pairs);

} // namespace turnsim
