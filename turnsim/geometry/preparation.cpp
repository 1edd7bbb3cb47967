// The semicircle check made on a profile before a cut, and the merge that joins runs of
// continuing elements in the profile a cut leaves.
#include "turnsim/geometry/preparation.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {

namespace {

constexpr double kRadPerDeg = 0.017453292519943295;
constexpr double kDegPerRad = 180.0 / std::numbers::pi;

// The copy of an element that the merge writes: geometry and spindle mark kept, renumbered.
Otr MergedCopy(const Otr& source) {
  Otr copy;
  copy.type = source.type;
  copy.number = 12;
  copy.attribute = 0;
  copy.start = source.start;
  copy.end = source.end;
  copy.centre = source.centre;
  copy.radius = source.radius;
  copy.spindle = source.spindle;
  copy.cutZone = 0;
  return copy;
}

// The diameter of an arc's circle running in direction `angle` (degrees).
LineEq DiameterAt(XZPoint centre, float angle) {
  // A diameter across the axis has no slope: tan would give about 1.6e16 and k*Z + b would lose
  // every digit of X unless the centre sat at Z = 0. Use the line of constant Z instead.
  if (EqualH(std::fabs(angle), 90)) {
    return {kPerpendicular, centre.Z, 90.0f};
  }
  LineEq line;
  line.k = static_cast<float>(std::tan(angle * kRadPerDeg));
  line.b = centre.X - centre.Z * line.k;
  line.angle = static_cast<float>(std::atan(line.k) * kDegPerRad);
  return line;
}

// Whether the midpoint of a semicircular arc can be placed between its end angles.
bool SemicircleMidpointFound(const Otr& arc) {
  const float startAngle = Trigonom(arc.centre, arc.start);
  const float endAngle = Trigonom(arc.centre, arc.end);
  const float half = ChordAngle(arc) * 0.5f;
  float mid = TrigonomArif(startAngle, half, "-");
  if (mid > 180) {
    mid -= 180.0f;
  }
  const XZSegment candidates =
      PointsAlongLine(DiameterAt(arc.centre, mid), arc.centre, std::fabs(arc.radius));
  const bool firstFits = InRange(Trigonom(arc.centre, candidates.first), startAngle, endAngle);
  const bool secondFits = InRange(Trigonom(arc.centre, candidates.second), startAngle, endAngle);
  return firstFits || secondFits;
}

} // namespace

XZSegment PointsAlongLine(const LineEq& line, XZPoint p, float d) {
  d = std::fabs(d);
  if (line.k == kPerpendicular) {
    return {{p.X - d, p.Z, 0}, {p.X + d, p.Z, 0}};
  }
  // atan keeps the direction within (-90, 90), where the cosine is positive.
  const double alpha = std::atan(line.k) * kDegPerRad;
  const float delta = static_cast<float>(d * std::cos(alpha * kRadPerDeg));
  const float z1 = p.Z - delta;
  const float z2 = p.Z + delta;
  return {{line.k * z1 + line.b, z1, 0}, {line.k * z2 + line.b, z2, 0}};
}

const Contour& PrepareProfile(const Contour& profile) {
  for (const Otr& element : profile) {
    if (!element.IsArc() || ChordAngle(element) < 180.0f) {
      continue;
    }
    if (!SemicircleMidpointFound(element)) {
      throw FatalExit("Split Circre: Can't select the point", 1);
    }
  }
  return profile;
}

Otr JoinRun(std::span<const Otr> run) {
  if (run.empty()) {
    throw std::invalid_argument("JoinRun: empty run");
  }
  const Otr& first = run.front();
  Otr joined;
  joined.type = first.type;
  joined.start = first.start;
  joined.end = run.back().end;
  joined.centre = first.centre;
  joined.radius = first.radius;
  joined.spindle = first.spindle;
  return joined;
}

Contour MergeProfile(const Contour& profile) {
  Contour result;
  const std::size_t n = profile.size();
  std::size_t i = 0;
  while (i < n) {
    // The element a run continues is kept on its own; only the elements after it are joined.
    result.push_back(MergedCopy(profile[i]));
    if (i + 1 == n) {
      break;
    }
    if (!IfContinues(profile[i], profile[i + 1])) {
      ++i;
      continue;
    }
    const std::size_t runStart = i + 1;
    do {
      ++i;
    } while (i + 1 < n && IfContinues(profile[i], profile[i + 1]));
    result.push_back(MergedCopy(JoinRun(std::span(profile).subspan(runStart, i - runStart + 1))));
    ++i;
  }
  return result;
}

} // namespace turnsim
