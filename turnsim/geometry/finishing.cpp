// Normalising a loaded profile, cutting a path-finder result back to the axis, replacing arcs by
// chains of lines and turning a profile into vertex arrays.
#include "turnsim/geometry/finishing.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "turnsim/geometry/primitives.h"

namespace turnsim {

namespace {

// More lines than this per arc would only add points that coincide under the hundredths rule;
// the bound also keeps an absurd density from overflowing the count.
constexpr std::int32_t kMaxLinesPerArc = 100000;

// Radii below this have no circle to place points on (TrigRectAng gives the centre).
constexpr float kLeastRadius = 0.0001f;

// A record of a point chain for PolylineFromPoints: a line starting at p.
Otr ChainPoint(XZPoint p, std::uint8_t cutZone) {
  Otr point;
  point.type = kLine;
  point.start = p;
  point.cutZone = cutZone;
  return point;
}

// Moves the end of the last element of a cut contour onto the axis.
void SnapEndToAxis(Otr& last) {
  if (EqualH(last.start.Z, last.end.Z)) {
    last.end.X = 0.0f;
    return;
  }
  const LineEq chord = LineThrough(last.start, last.end);
  last.end.X = 0.0f;
  // A chord along the axis (both ends within a hundredth of it) has no crossing point: the
  // element already lies on the axis, so its end keeps its Z.
  if (chord.k == 0.0f) {
    return;
  }
  const float crossingZ = -chord.b / chord.k;
  if (std::isfinite(crossingZ)) {
    last.end.Z = crossingZ;
  }
}

} // namespace

Contour ProjectArcEnds(const Contour& profile) {
  Contour result;
  result.reserve(profile.size());
  for (const Otr& element : profile) {
    Otr placed;
    placed.spindle = element.spindle;
    if (element.IsArc()) {
      const float radius = std::fabs(element.radius);
      const float startAngle = Trigonom(element.centre, element.start);
      const float endAngle = Trigonom(element.centre, element.end);
      placed.type = kArc;
      placed.start = AddPoints(element.centre, TrigRectAng(radius, startAngle));
      placed.end = AddPoints(element.centre, TrigRectAng(radius, endAngle));
      placed.centre = element.centre;
      placed.radius = element.radius;
    } else {
      placed.type = kLine;
      placed.start = element.start;
      placed.end = element.end;
    }
    result.push_back(placed);
  }
  return result;
}

Contour FinishCutProfile(const Contour& contour) {
  const std::size_t n = contour.size();
  std::size_t k = 0;
  while (k < n && ToHundredths(contour[k].end.X) > 0) {
    ++k;
  }
  // No element reaches the axis: there is nothing to cut back, and cutting would lose the part.
  // The last element alone reaching it is the normal case and is kept as it is.
  if (k >= n || k + 1 == n) {
    return contour;
  }
  Contour finished;
  finished.reserve(k + 1);
  for (std::size_t i = 0; i <= k; ++i) {
    const Otr& source = contour[i];
    Otr copy;
    copy.type = source.type;
    copy.number = static_cast<std::int32_t>(i);
    copy.start = source.start;
    copy.end = source.end;
    copy.centre = source.centre;
    copy.radius = source.radius;
    copy.spindle = source.spindle;
    finished.push_back(copy);
  }
  SnapEndToAxis(finished.back());
  return finished;
}

Contour PolylineFromPoints(Contour points) {
  const std::size_t m = points.size();
  // First pass: a record starting where the next one starts adds nothing to the chain.
  Contour kept;
  kept.reserve(m);
  for (std::size_t i = 0; i < m; ++i) {
    if (i + 1 < m && SamePoint(points[i].start, points[i + 1].start)) {
      continue;
    }
    kept.push_back(std::move(points[i]));
  }
  // Second pass: each record ends where the next starts; the last one only closes the chain.
  Contour chain;
  if (kept.size() < 2) {
    return chain;
  }
  chain.reserve(kept.size() - 1);
  for (std::size_t i = 0; i + 1 < kept.size(); ++i) {
    kept[i].end = kept[i + 1].start;
    chain.push_back(std::move(kept[i]));
  }
  return chain;
}

Contour ArcToLines(const Otr& arc, float h) {
  const float radius = std::fabs(arc.radius);
  if (radius < kLeastRadius) {
    // No circle to walk along: the chord keeps the chain from the arc's start to its end.
    Contour ends{ChainPoint(arc.start, arc.cutZone), ChainPoint(arc.end, arc.cutZone)};
    return PolylineFromPoints(std::move(ends));
  }
  const float sweep = ArcSweep(arc);
  const double length = radius * static_cast<double>(sweep) * std::numbers::pi / 180.0;
  const double count = length / (radius / static_cast<double>(h));
  std::int32_t n = 1;
  if (count >= kMaxLinesPerArc) {
    n = kMaxLinesPerArc;
  } else if (count >= 1.0) {
    n = static_cast<std::int32_t>(count);
  }
  const float step = sweep / static_cast<float>(n);

  Contour points;
  points.reserve(static_cast<std::size_t>(n) + 1);
  float a = Trigonom(arc.centre, arc.start);
  for (std::int32_t i = 0; i <= n; ++i) {
    points.push_back(ChainPoint(AddPoints(arc.centre, TrigRectAng(radius, a)), arc.cutZone));
    if (i == n) {
      break;
    }
    if (arc.radius < 0) {
      a = TrigonomArif(a, step, "+");
      if (LessH(360, a)) {
        a -= 360.0f;
      }
    } else {
      a = TrigonomArif(a, step, "-");
      if (LessH(a, 0)) {
        a = 360.0f - std::fabs(a);
      }
    }
  }
  return PolylineFromPoints(std::move(points));
}

Contour ApproximateArcs(Contour contour, float h) {
  Contour result;
  result.reserve(contour.size());
  for (Otr& element : contour) {
    if (!element.IsArc()) {
      result.push_back(std::move(element));
      continue;
    }
    Contour lines = ArcToLines(element, h);
    result.insert(result.end(), std::make_move_iterator(lines.begin()),
                  std::make_move_iterator(lines.end()));
  }
  return result;
}

std::int32_t ContourToArrays(const Contour& contour, std::span<double> x, std::span<double> z,
                             std::span<std::uint8_t> marks) {
  const std::size_t n = contour.size();
  // No element, no vertex: -1 says that nothing was written.
  if (n == 0) {
    return -1;
  }
  if (x.size() <= n || z.size() <= n || marks.size() <= n) {
    throw std::length_error("ContourToArrays: vertex arrays shorter than the contour");
  }
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = contour[i].start.X;
    z[i] = contour[i].start.Z;
    marks[i] = 0;
  }
  const Otr& last = contour.back();
  // An end on the axis is written just off it.
  x[n] = ToHundredths(last.end.X) == 0 ? 0.01 : static_cast<double>(last.end.X);
  z[n] = last.end.Z;
  marks[n] = last.cutZone;
  return static_cast<std::int32_t>(n);
}

} // namespace turnsim
