// The hundredths rule, angles about a centre, and the basic element and contour operations.
#include "turnsim/geometry/primitives.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "turnsim/geometry/messages.h"

namespace turnsim {

namespace {

constexpr double kDegPerRad = 180.0 / std::numbers::pi;
constexpr double kRadPerDeg = std::numbers::pi / 180.0;

// acos in degrees of a cosine that rounding may have pushed just past +-1.
double AcosDegrees(double q) { return std::acos(std::clamp(q, -1.0, 1.0)) * kDegPerRad; }

// Angle at the centre of a circle of radius r subtended by a chord of length c.
double ChordAngleDegrees(double r, double c) { return AcosDegrees((2 * r * r - c * c) / (2 * r * r)); }

} // namespace

std::int32_t ToHundredths(double v) {
  if (std::isnan(v)) {
    return 0;
  }
  const double sign = v < 0 ? -1.0 : 1.0;
  const double a = std::fabs(v);
  if (a < 0.001) {
    return 0;
  }
  // Beyond the int32 range the count saturates rather than overflowing.
  constexpr double kMax = std::numeric_limits<std::int32_t>::max() - 1;
  if (a >= kMax / 1000.0) {
    return static_cast<std::int32_t>(sign * kMax);
  }
  double n = std::trunc(a * 100);
  const double d = std::trunc(a * 1000) - 10 * n;
  if (d > 5) {
    n += 1;
  }
  return static_cast<std::int32_t>(n * sign);
}

bool SamePoint(XZPoint a, XZPoint b) { return EqualH(a.X, b.X) && EqualH(a.Z, b.Z); }

float Distance(XZPoint a, XZPoint b) {
  const double dx = static_cast<double>(a.X) - b.X;
  const double dz = static_cast<double>(a.Z) - b.Z;
  return static_cast<float>(std::sqrt(dx * dx + dz * dz));
}

float DistanceHundredths(XZPoint a, XZPoint b) {
  return static_cast<float>(ToHundredths(Distance(a, b)));
}

XZPoint Midpoint(XZPoint a, XZPoint b) { return {(a.X + b.X) * 0.5f, (a.Z + b.Z) * 0.5f, 0}; }

XZPoint AddPoints(XZPoint a, XZPoint b) { return {a.X + b.X, a.Z + b.Z, 0}; }

float TriangleArea(float a, float b, float c) {
  const float s = (a + b + c) * 0.5f;
  const float p = s * (s - a) * (s - b) * (s - c);
  // A degenerate triangle may come out a hair below zero.
  return p > 0 ? std::sqrt(p) : 0.0f;
}

LineEq LineThrough(XZPoint p1, XZPoint p2) {
  LineEq line;
  const bool sameZ = EqualH(p1.Z, p2.Z);
  const bool sameX = EqualH(p1.X, p2.X);
  if (sameZ) {
    line = {kPerpendicular, p1.Z, 90.0f};
  }
  if (sameX) {
    // Also wins when both coordinates are equal: a point gives a line along the axis.
    line = {0.0f, p1.X, 0.0f};
  }
  if (!sameZ && !sameX) {
    line.k = (p1.X - p2.X) / (p1.Z - p2.Z);
    line.angle = static_cast<float>(std::atan(line.k) * kDegPerRad);
    line.b = p1.X - line.k * p1.Z;
  }
  return line;
}

LineEq LineAtAngle(XZPoint p, double angle) {
  LineEq line;
  line.k = std::tan(static_cast<float>(angle * kRadPerDeg));
  line.b = p.X - line.k * p.Z;
  line.angle = static_cast<float>(std::atan(line.k) * kDegPerRad);
  return line;
}

float Trigonom(XZPoint o, XZPoint p) {
  if (SamePoint(p, o)) {
    return 0.0f;
  }
  const LineEq line = LineThrough(o, p);
  if (line.k == kPerpendicular || EqualH(o.Z, p.Z)) {
    return p.X > o.X ? 90.0f : 270.0f;
  }
  if (ToHundredths(line.k) == 0 || EqualH(o.X, p.X)) {
    return p.Z > o.Z ? 0.0f : 180.0f;
  }
  const bool above = LessH(o.X, p.X);
  const bool below = LessH(p.X, o.X);
  const bool ahead = LessH(o.Z, p.Z);
  const bool behind = LessH(p.Z, o.Z);
  if (above && ahead) {
    return line.angle;
  }
  if ((above && behind) || (below && behind)) {
    return line.angle + 180.0f;
  }
  if (below && ahead) {
    return line.angle + 360.0f;
  }
  ShowMessage("Trigonom: Wrong code");
  return 0.0f;
}

XZPoint TrigRectAng(float r, float a) {
  r = std::fabs(r);
  if (r < 0.0001f) {
    return {};
  }
  if (a < 0) {
    a += 360.0f;
  }
  if (EqualH(a, 90)) {
    return {r, 0.0f, 0};
  }
  if (EqualH(a, 270)) {
    return {-r, 0.0f, 0};
  }
  if (EqualH(a, 180)) {
    return {0.0f, -r, 0};
  }
  if (EqualH(a, 0) || EqualH(a, 360)) {
    return {0.0f, r, 0};
  }
  auto offset = [r](double t, double sx, double sz) {
    const double rad = t * kRadPerDeg;
    return XZPoint{static_cast<float>(sx * r * std::sin(rad)),
                   static_cast<float>(sz * r * std::cos(rad)), 0};
  };
  if (a > 0 && a < 90) {
    return offset(a, 1, 1);
  }
  if (a > 90 && a < 180) {
    return offset(180.0 - a, 1, -1);
  }
  if (a > 180 && a < 270) {
    return offset(static_cast<double>(a) - 180.0, -1, -1);
  }
  if (a > 270 && a < 360) {
    return offset(360.0 - a, -1, 1);
  }
  ShowMessage("TrigRectAng: Unknown angle.");
  // Outside every case (a turn or more away, or not a number): the plain polar offset, so the
  // caller still gets a point at distance r.
  if (!std::isfinite(a)) {
    return {};
  }
  return offset(a, 1, 1);
}

float TrigonomArif(float a, float b, std::string_view op) {
  const float sum = a + b;
  if (ToHundredths(sum) > ToHundredths(720) || ToHundredths(sum) < ToHundredths(-720)) {
    throw FatalExit("TrigonomArif: incorrect parametr", 1);
  }
  return NormalizeAngle(op == "-" ? a - b : sum);
}

float NormalizeAngle(float a) {
  if (ToHundredths(a) == 0) {
    return 0.0f;
  }
  const float s = a < 0 ? -1.0f : 1.0f;
  float m = std::fabs(a);
  m -= 360.0f * std::floor(m / 360.0f);
  return s * m;
}

bool InRange(float v, float a, float b) {
  const std::int32_t V = ToHundredths(v);
  const std::int32_t A = ToHundredths(a);
  const std::int32_t B = ToHundredths(b);
  return (A < V && V <= B) || (B <= V && V < A) || V == B;
}

bool AngleOnArc(float theta, float startAngle, float endAngle, float radius) {
  auto fullTurnToZero = [](float& angle) {
    if (EqualH(angle, 360)) {
      angle = 0.0f;
    }
  };
  fullTurnToZero(theta);
  fullTurnToZero(startAngle);
  fullTurnToZero(endAngle);
  // Turn so that the end angle lies at 0.
  float shift = 360.0f - endAngle;
  fullTurnToZero(shift);
  theta = TrigonomArif(theta, shift, "+");
  startAngle = TrigonomArif(startAngle, shift, "+");
  fullTurnToZero(theta);
  fullTurnToZero(startAngle);
  const std::int32_t t = ToHundredths(theta);
  const std::int32_t s = ToHundredths(startAngle);
  if (radius > 0) {
    // Clockwise: sweeps from the start angle down to 0.
    return t >= 0 && t <= s;
  }
  if (radius < 0) {
    // Counter-clockwise: sweeps from the start angle up to a full turn.
    const std::int32_t full = ToHundredths(360);
    const std::int32_t tt = t == 0 ? full : t;
    return s <= tt && tt <= full;
  }
  return false;
}

float ChordAngle(const Otr& arc) {
  const double r = std::fabs(arc.radius);
  if (r == 0) {
    // A circle of no size subtends nothing.
    return 0.0f;
  }
  return static_cast<float>(ChordAngleDegrees(r, Distance(arc.start, arc.end)));
}

float ArcSweep(const Otr& arc) {
  const float s = Trigonom(arc.centre, arc.start);
  const float e = Trigonom(arc.centre, arc.end);
  if (EqualH(Distance(arc.start, arc.end), 2.0f * std::fabs(arc.radius))) {
    return 180.0f;
  }
  float d = TrigonomArif(e, s, "-");
  if (d < 0) {
    d = 360.0f - std::fabs(d);
  }
  const float sweep = arc.radius > 0 ? TrigonomArif(360.0f, d, "-") : d;
  return std::fabs(sweep);
}

float Xorda(const Otr& element) {
  if (element.IsLine()) {
    return Distance(element.start, element.end);
  }
  ShowMessage("Using wrong Xorda.");
  const float a1 = Trigonom(element.centre, element.start);
  const float a2 = Trigonom(element.centre, element.end);
  const float r = std::fabs(element.radius);
  const float perDegree = r * 2.0f * std::numbers::pi_v<float> / 360.0f;
  return a2 <= a1 ? (a1 - a2) * perDegree : (360.0f - a2 + a1) * perDegree;
}

bool IfInclude(const Otr& element, XZPoint p) {
  if (element.IsLine()) {
    const float d1 = DistanceHundredths(element.start, p);
    const float d2 = DistanceHundredths(element.end, p);
    const float d = DistanceHundredths(element.start, element.end);
    return d1 + d2 == d;
  }
  const double r = std::fabs(element.radius);
  if (r == 0) {
    // A zero-radius arc is a single point.
    return SamePoint(element.start, p) || SamePoint(element.end, p);
  }
  // The angles at the centre of the chords start-end, start-P and end-P. A cosine that rounding
  // pushed past +-1 counts as +-1. (Snapping every cosine within a hundredth of +-1 to +-1 would
  // turn any angle below about 5 degrees into 0, so that points of the arc near its ends were
  // judged off it.)
  const double alpha = ChordAngleDegrees(r, Distance(element.start, element.end));
  const double beta = ChordAngleDegrees(r, Distance(element.start, p));
  const double gamma = ChordAngleDegrees(r, Distance(element.end, p));
  return ToHundredths(beta) + ToHundredths(gamma) == ToHundredths(alpha);
}

bool IfContinues(Otr a, Otr b) {
  if (a.type != b.type || a.spindle != b.spindle) {
    return false;
  }
  if (a.IsArc()) {
    return EqualH(a.radius, b.radius) && SamePoint(a.centre, b.centre);
  }
  if (a.IsLine()) {
    return ToHundredths(Xorda(a) + Xorda(b)) == DistanceHundredths(a.start, b.end);
  }
  return false;
}

XZPoint TouchPoint(const Otr& arc, float direction) {
  float a1 = direction - 90.0f;
  if (a1 < 0) {
    a1 = 360.0f - std::fabs(a1);
  }
  float a2 = a1 + 180.0f;
  if (a2 < 0) {
    a2 = 360.0f - std::fabs(a2);
  }
  if (a2 > 360) {
    a2 -= 360.0f;
  }
  XZPoint p1 = AddPoints(arc.centre, TrigRectAng(arc.radius, a1));
  XZPoint p2 = AddPoints(arc.centre, TrigRectAng(arc.radius, a2));
  auto acceptable = [&arc](XZPoint p) {
    return IfInclude(arc, p) && !SamePoint(p, arc.start) && !SamePoint(p, arc.end);
  };
  if (acceptable(p1)) {
    p1.flag = 1;
    return p1;
  }
  if (acceptable(p2)) {
    p2.flag = 1;
    return p2;
  }
  p1.flag = 0;
  return p1;
}

Contour CopyContour(const Contour& contour) { return contour; }

Contour MirrorContour(const Contour& contour) {
  Contour mirrored = contour;
  for (Otr& e : mirrored) {
    e.start.X = -e.start.X;
    e.end.X = -e.end.X;
    e.centre.X = -e.centre.X;
    e.radius = -e.radius;
  }
  return mirrored;
}

XZPoint SpindlePoint(const Contour& contour) {
  for (const Otr& e : contour) {
    if (e.spindle != 0) {
      return e.end;
    }
  }
  return {kNoSpindle, kNoSpindle, 0};
}

ZExtentsResult ZExtents(const Contour& contour) {
  ZExtentsResult result;
  if (contour.empty()) {
    return result;
  }
  result.minStartZ = contour.front().start.Z;
  for (const Otr& e : contour) {
    if (e.start.Z < result.minStartZ) {
      result.minStartZ = e.start.Z;
    }
  }
  result.firstStartZ = contour.front().start.Z;
  result.lastEndZ = contour.back().end.Z;
  return result;
}

XZSegment ContourBounds(const Contour& contour) {
  XZSegment bounds;
  if (contour.empty()) {
    return bounds;
  }
  bounds.first = contour.front().start;
  bounds.second = contour.front().start;
  bounds.first.flag = bounds.second.flag = 0;
  for (std::size_t i = 0; i + 1 < contour.size(); ++i) {
    const XZPoint p = contour[i].end;
    if (LessH(p.X, bounds.first.X)) bounds.first.X = p.X;
    if (LessH(p.Z, bounds.first.Z)) bounds.first.Z = p.Z;
    if (LessH(bounds.second.X, p.X)) bounds.second.X = p.X;
    if (LessH(bounds.second.Z, p.Z)) bounds.second.Z = p.Z;
  }
  return bounds;
}

} // namespace turnsim
