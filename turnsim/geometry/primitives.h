// The hundredths rule and the basic operations on points, angles, elements and contours.
// Every equality and order test of the kernel compares counts of hundredths.
#pragma once

#include <cstdint>
#include <string_view>

#include "turnsim/geometry/contour.h"

namespace turnsim {

// Count of hundredths of v, rounding up only on a thousandths digit above 5; 0 below 0.001.
std::int32_t ToHundredths(double v);
inline bool EqualH(double a, double b) { return ToHundredths(a) == ToHundredths(b); }
inline bool LessH(double a, double b) { return ToHundredths(a) < ToHundredths(b); }

bool SamePoint(XZPoint a, XZPoint b);
float Distance(XZPoint a, XZPoint b);
float DistanceHundredths(XZPoint a, XZPoint b);
XZPoint Midpoint(XZPoint a, XZPoint b);
XZPoint AddPoints(XZPoint a, XZPoint b);
float TriangleArea(float a, float b, float c);

LineEq LineThrough(XZPoint p1, XZPoint p2);
LineEq LineAtAngle(XZPoint p, double angle);

// Polar angle of p about o, degrees in [0, 360) from +Z towards +X.
float Trigonom(XZPoint o, XZPoint p);
// Offset (X, Z) at distance |r| in direction a; add it to a centre with AddPoints.
XZPoint TrigRectAng(float r, float a);
// a + b or a - b ("+" / "-"), reduced by NormalizeAngle. Throws FatalExit (code 1) when the sum
// a + b lies beyond +-720 degrees.
float TrigonomArif(float a, float b, std::string_view op);
float NormalizeAngle(float a);
bool InRange(float v, float a, float b);
bool AngleOnArc(float theta, float startAngle, float endAngle, float radius);

float ChordAngle(const Otr& arc);
float ArcSweep(const Otr& arc);
float Xorda(const Otr& element);
bool IfInclude(const Otr& element, XZPoint p);
bool IfContinues(Otr a, Otr b);
XZPoint TouchPoint(const Otr& arc, float direction);

Contour CopyContour(const Contour& contour);
Contour MirrorContour(const Contour& contour);
XZPoint SpindlePoint(const Contour& contour);
ZExtentsResult ZExtents(const Contour& contour);
XZSegment ContourBounds(const Contour& contour);

} // namespace turnsim
