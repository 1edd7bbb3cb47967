// Crossing points of two contour elements: line with line, line with arc, arc with arc.
#pragma once

#include "turnsim/geometry/contour.h"

namespace turnsim {

// Two elements moved into a local frame whose origin is an arc centre.
struct ElementPair {
  Otr first;  // the line when exactly one element is an arc, else the first element
  Otr second; // the arc when exactly one element is an arc, else the second element
  float shiftX = 0.0f;
  float shiftZ = 0.0f;
};

// Up to two crossing points of workpiece element a and swept-region element b; each point's
// flag is 1 when it is a crossing inside both elements.
XZSegment Intersect(const Otr& a, const Otr& b);

ElementPair Privedenia(const Otr& a, const Otr& b);
XZSegment LineLineIntersection(const Otr& a, const Otr& b);
XZSegment LineArcIntersection(const ElementPair& pair);
XZSegment ArcArcIntersection(const ElementPair& pair);

} // namespace turnsim
