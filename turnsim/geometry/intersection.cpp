// Crossing points of two contour elements (line-line, line-arc, arc-arc), with the end-point
// rules the contour graph relies on when it splits elements at the crossings.
#include "turnsim/geometry/intersection.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {

namespace {

XZPoint Found(XZPoint p) {
  p.flag = 1;
  return p;
}

// The last step of every case: a point found twice is reported once, and an empty slot holds
// the zero point so that nothing of an unused computation leaks to the caller.
XZSegment Finish(XZSegment result) {
  if (result.first.flag == 1 && result.second.flag == 1 && SamePoint(result.first, result.second)) {
    result.second.flag = 0;
  }
  if (result.first.flag == 0) {
    result.first = XZPoint{};
  }
  if (result.second.flag == 0) {
    result.second = XZPoint{};
  }
  return result;
}

// v lies within the closed range of e1 and e2, in hundredths.
bool WithinClosed(float v, float e1, float e2) {
  const std::int32_t h = ToHundredths(v);
  return ToHundredths(std::min(e1, e2)) <= h && h <= ToHundredths(std::max(e1, e2));
}

// Overlap candidate of two parallel lines: p counts on seg the way InRange counts, so seg's
// start only counts when p is not there.
bool OnSegment(XZPoint p, const Otr& seg) {
  return InRange(p.X, seg.start.X, seg.end.X) && InRange(p.Z, seg.start.Z, seg.end.Z);
}

void Move(XZPoint& p, float dx, float dz) {
  p.X += dx;
  p.Z += dz;
}

void MoveElement(Otr& e, float dx, float dz) {
  Move(e.start, dx, dz);
  Move(e.end, dx, dz);
  Move(e.centre, dx, dz);
}

} // namespace

XZSegment Intersect(const Otr& a, const Otr& b) {
  const auto known = [](const Otr& e) { return e.IsLine() || e.IsArc(); };
  if (!known(a) || !known(b)) {
    ShowMessage("There is no circle!");
    return {};
  }
  if (a.IsArc() || b.IsArc()) {
    const ElementPair pair = Privedenia(a, b);
    return a.IsArc() && b.IsArc() ? ArcArcIntersection(pair) : LineArcIntersection(pair);
  }
  return LineLineIntersection(a, b);
}

ElementPair Privedenia(const Otr& a, const Otr& b) {
  ElementPair pair;
  if (a.IsArc() != b.IsArc()) {
    pair.first = a.IsArc() ? b : a;
    pair.second = a.IsArc() ? a : b;
  } else {
    pair.first = a;
    pair.second = b;
  }
  // The origin is the arc's centre, or the first arc's centre when both are arcs. Two lines have
  // no centre to move to and stay where they are.
  if (pair.second.IsArc() && !pair.first.IsArc()) {
    pair.shiftX = pair.second.centre.X;
    pair.shiftZ = pair.second.centre.Z;
  } else if (pair.first.IsArc()) {
    pair.shiftX = pair.first.centre.X;
    pair.shiftZ = pair.first.centre.Z;
  }
  MoveElement(pair.first, -pair.shiftX, -pair.shiftZ);
  MoveElement(pair.second, -pair.shiftX, -pair.shiftZ);
  return pair;
}

XZSegment LineLineIntersection(const Otr& a, const Otr& b) {
  const LineEq la = LineThrough(a.start, a.end);
  const LineEq lb = LineThrough(b.start, b.end);
  XZSegment result;

  if (EqualH(la.k, lb.k)) {
    // Parallel: only collinear lines meet, along the overlap of the two segments.
    if (!EqualH(la.b, lb.b)) {
      return result;
    }
    const struct {
      XZPoint point;
      const Otr& segment;
    } candidates[] = {{b.end, a}, {a.end, b}, {b.start, a}, {a.start, b}};
    bool haveFirst = false;
    for (const auto& c : candidates) {
      if (!OnSegment(c.point, c.segment)) {
        continue;
      }
      if (haveFirst) {
        result.second = Found(c.point);
      } else {
        result.first = Found(c.point);
        haveFirst = true;
      }
    }
    return Finish(result);
  }

  float x = 0.0f;
  float z = 0.0f;
  if (la.k == kPerpendicular) {
    z = la.b;
    x = lb.k * z + lb.b;
  } else if (lb.k == kPerpendicular) {
    z = lb.b;
    x = la.k * z + la.b;
  } else {
    // The slopes differ in hundredths, so the denominator is not zero.
    z = (lb.b - la.b) / (la.k - lb.k);
    x = la.k * z + la.b;
  }
  const bool found = WithinClosed(x, a.start.X, a.end.X) && WithinClosed(x, b.start.X, b.end.X) &&
                     WithinClosed(z, a.start.Z, a.end.Z) && WithinClosed(z, b.start.Z, b.end.Z);
  result.first = {x, z, static_cast<std::uint8_t>(found ? 1 : 0)};
  return Finish(result);
}

XZSegment LineArcIntersection(const ElementPair& pair) {
  Otr line = pair.first;
  Otr arc = pair.second;
  const float r = arc.radius;
  const LineEq l = LineThrough(line.start, line.end);
  XZSegment result;

  if (l.k == kPerpendicular) {
    // The line Z = z0 across the axis.
    const float z0 = line.start.Z;
    if (LessH(std::fabs(r), std::fabs(z0))) {
      return result;
    }
    const double q = static_cast<double>(r) * r - static_cast<double>(z0) * z0;
    if (q < 0.001) {
      // Touches the circle.
      result.first = {0.0f, z0, 0};
      result.second = result.first;
    } else {
      const double x = std::sqrt(q);
      result.first = {static_cast<float>(-x), z0, 0};
      result.second = {static_cast<float>(x), z0, 0};
    }
  } else {
    const float k = l.k;
    const float b = l.b;
    const float d = -4.0f * ((b * b - r * r) - (k * k) * (r * r));
    if (d < 0.0f) {
      return result;
    }
    const float twiceSlopeTerm = (k * k + 1.0f) * 2.0f;
    if (d <= 0.001) {
      // Touches the circle. A discriminant up to 0.001 puts the two crossings less than a
      // hundredth apart, so they are the same point under the hundredths rule.
      const float z = (-2.0f * k * b) / twiceSlopeTerm;
      result.first = {k * z + b, z, 0};
      result.second = result.first;
    } else {
      const float s = std::sqrt(d);
      const float z1 = (-2.0f * k * b - s) / twiceSlopeTerm;
      const float z2 = (-2.0f * k * b + s) / twiceSlopeTerm;
      result.first = {k * z1 + b, z1, 0};
      result.second = {k * z2 + b, z2, 0};
    }
  }

  // Back to global coordinates, then judge each point against both elements.
  Move(result.first, pair.shiftX, pair.shiftZ);
  Move(result.second, pair.shiftX, pair.shiftZ);
  MoveElement(line, pair.shiftX, pair.shiftZ);
  MoveElement(arc, pair.shiftX, pair.shiftZ);
  const float aS = Trigonom(arc.centre, arc.start);
  const float aE = Trigonom(arc.centre, arc.end);
  for (XZPoint* p : {&result.first, &result.second}) {
    const bool onArc = AngleOnArc(Trigonom(arc.centre, *p), aS, aE, arc.radius);
    // The line's start belongs to the element before it: InRange leaves it out.
    const bool onLine =
        InRange(p->X, line.start.X, line.end.X) && InRange(p->Z, line.start.Z, line.end.Z);
    p->flag = onArc && onLine ? 1 : 0;
  }
  return Finish(result);
}

XZSegment ArcArcIntersection(const ElementPair& pair) {
  const Otr& a = pair.first;
  const Otr& b = pair.second;
  const XZPoint origin{};
  const XZPoint shift{pair.shiftX, pair.shiftZ, 0};
  const float ra = std::fabs(a.radius);
  const float rb = std::fabs(b.radius);
  const float alpha = Trigonom(a.centre, b.centre);
  const float aS = Trigonom(a.centre, a.start);
  const float aE = Trigonom(a.centre, a.end);
  const float bS = Trigonom(b.centre, b.start);
  const float bE = Trigonom(b.centre, b.end);
  XZSegment result;

  if (SamePoint(a.centre, b.centre) && EqualH(ra, rb)) {
    // One circle: the arcs can only share a stretch, given by its end points.
    std::vector<XZPoint> candidates;
    if ((EqualH(aS, bS) && EqualH(aE, bE)) || (EqualH(aE, bS) && EqualH(aS, bE))) {
      candidates = {a.start, a.end};
    } else {
      if (EqualH(aS, bS) || EqualH(aS, bE)) {
        candidates.push_back(a.start);
      }
      if (EqualH(aE, bS) || EqualH(aE, bE)) {
        candidates.push_back(a.end);
      }
      if (AngleOnArc(aS, aE, bS, a.radius)) {
        candidates.push_back(b.start);
      }
      if (AngleOnArc(aS, aE, bE, a.radius)) {
        candidates.push_back(b.end);
      }
      if (AngleOnArc(bS, bE, aS, b.radius)) {
        candidates.push_back(a.start);
      }
      if (AngleOnArc(bS, bE, aE, b.radius)) {
        candidates.push_back(a.end);
      }
    }
    std::vector<XZPoint> unique;
    for (const XZPoint& c : candidates) {
      if (std::none_of(unique.begin(), unique.end(),
                       [&c](const XZPoint& u) { return SamePoint(u, c); })) {
        unique.push_back(c);
      }
    }
    // More than two ends mean the arcs share two separate stretches; the pair then counts as
    // two circles at no distance, which meet nowhere.
    if (unique.empty() || unique.size() > 2) {
      return result;
    }
    auto onCircleA = [&](XZPoint p) {
      const float theta = TrigonomArif(Trigonom(origin, p), alpha, "+");
      return Found(AddPoints(TrigRectAng(a.radius, theta), shift));
    };
    result.first = onCircleA(unique.front());
    result.second = onCircleA(unique.back());
    return Finish(result);
  }

  // Two circles. Turn the frame so that B's centre lies on +Z at distance d; when the centres
  // already lie on one line along Z nothing is turned, and turning back by alpha (0 or 180)
  // still brings the points to their place. The end angles were taken above, so only B's
  // centre is needed in the turned frame.
  const XZPoint bCentre = AddPoints(b.centre, shift);
  XZPoint turnedB = b.centre;
  if (!EqualH(a.centre.X, b.centre.X)) {
    turnedB = TrigRectAng(Distance(origin, b.centre),
                          TrigonomArif(Trigonom(origin, b.centre), alpha, "-"));
  }
  const float d = std::fabs(turnedB.Z - a.centre.Z);
  if (std::fabs(d) <= 0.001) {
    return result;
  }
  if (LessH(rb + d, ra) || LessH(ra + d, rb) || LessH(ra + rb, d)) {
    return result;
  }
  // Side of A's centre the crossing lies on, as seen along the line of centres: the cosine at
  // A's centre. Taken for touching circles too, so that A touching B from inside gives the
  // point away from B's centre.
  const float side = (rb * rb - ra * ra - d * d) / (-2.0f * ra * d);
  const float s = side < 0 ? -1.0f : 1.0f;
  const float h2 = (ra + rb + d) * (ra + d - rb) * (ra + rb - d) * (rb + d - ra) / (4.0f * d * d);
  if (h2 < 0) {
    return result;
  }
  // Rounding may leave h2 a little above ra^2 where the crossing lies level with A's centre.
  const float along = ra * ra - h2;
  const float z = (std::fabs(along) < 0.0001 || along < 0) ? 0.0f : s * std::sqrt(along);
  const float h = std::sqrt(h2);
  XZPoint* points[] = {&result.first, &result.second};
  const float xs[] = {-h, h};
  for (int i = 0; i < 2; ++i) {
    const float theta = TrigonomArif(Trigonom(origin, XZPoint{xs[i], z, 0}), alpha, "+");
    XZPoint p = AddPoints(TrigRectAng(a.radius, theta), shift);
    const bool onA = AngleOnArc(theta, aS, aE, a.radius);
    const bool onB = AngleOnArc(Trigonom(bCentre, p), bS, bE, b.radius);
    p.flag = onA && onB ? 1 : 0;
    *points[i] = p;
  }
  return Finish(result);
}

} // namespace turnsim
