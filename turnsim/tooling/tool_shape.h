// The geometry of the current tool: the insert contour around the tool point, turned to the
// angle at which the holder carries it, and the insert and holder placed at a tool position.
#pragma once

#include "turnsim/geometry/contour.h"
#include "turnsim/input/cldata.h"
#include "turnsim/tooling/tool_library.h"

namespace turnsim {

// The insert of the tool, turned to the holder's angle, its origin at the tool point (the
// centre of the cutting corner's nose circle). Rebuilt from the tool record on every call;
// also kept as the tool's contour, and shapeBuilt is set.
// Throws FatalExit("Unknown instrument", 0) for an insert kind other than "T" and "C", and
// what InsertTurnAngle throws.
Contour BuildInsertContour(TOOL_CLASS& tool);

// The unturned contour of a triangular ("T") insert: three lines and three corner arcs of the
// nose radius, the cutting corner's arc centred on the origin, the insert on its +X side.
Contour TriangleInsert(const TOOL_CLASS& tool);

// A kind "C" insert has no outline: the contour is empty, and the insert's nose radius
// becomes 3.0.
Contour InsertOfKindC(TOOL_CLASS& tool);

// The angle, in degrees, by which the holder turns the insert: 0 for hand "N"; for "R"
// (180 - FI) less the direction of the first element; for "L" FI less the direction of the
// second-to-last element. An outline too short to have that element (the empty kind "C"
// insert) is not turned.
// Throws FatalExit("Main angle FI is incorrect!", 0) after a beep when FI lies outside
// [0, 180), and FatalExit (code 0) naming the letter for a hand other than "N", "R", "L".
float InsertTurnAngle(const TOOL_CLASS& tool, const Contour& contour);

// Every point turned about the origin by `angle` degrees; the chain stays closed (the last
// element ends where the first now starts) and element numbers become 0. An angle of less
// than a hundredth of a degree leaves the contour as it is.
Contour TurnContour(Contour contour, float angle);

// The insert with its tool point at the end point of `command`.
Contour PlacedInsert(TOOL_CLASS& tool, const CldataCommand& command);

// The holder outline for the end point of `command`, closed, its elements numbered 1976. It
// is kept with X pointing away from the part's X: users negate X (MirrorContour) before use.
// Throws ConversionError for an outline coordinate that is not a number.
Contour PlacedHolder(const TOOL_CLASS& tool, const CldataCommand& command);

} // namespace turnsim
