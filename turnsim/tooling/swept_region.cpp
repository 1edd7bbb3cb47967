// The swept region of one motion: split the insert outline at the tangent points of the
// motion, find its extremes across the motion, and join the outline at both ends.
#include "turnsim/tooling/swept_region.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>
#include <vector>

#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/tooling/tool_shape.h"

namespace turnsim {

namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;

bool IsMotion(const CldataCommand& command) {
  return command.code == kCommandLine || command.code == kCommandArc;
}

Otr ArcPiece(const Otr& arc, XZPoint start, XZPoint end) {
  Otr piece;
  piece.type = kArc;
  piece.start = start;
  piece.end = end;
  piece.centre = arc.centre;
  piece.radius = arc.radius;
  return piece;
}

// The tangent direction of a circular motion at a point of it, as the arc splitter takes it.
float TangentDirection(XZPoint centre, XZPoint p) {
  float a = Trigonom(centre, p) - 90.0f;
  if (a < 0) {
    a = 360.0f - std::fabs(a);
  }
  return a;
}

// The same direction folded into [0, 180] as the extreme search takes it.
float FoldedDirection(XZPoint centre, XZPoint p) {
  float a = Trigonom(centre, p) - 90.0f;
  if (a > 180) {
    a -= 180.0f;
  }
  if (a < 0) {
    a = 180.0f - std::fabs(a);
  }
  return a;
}

struct MinMax {
  std::int32_t min = 0;
  std::int32_t max = 0;
};

// Indices of the least and greatest of `values`, the first one on ties.
template <typename T> MinMax FirstMinMax(const std::vector<T>& values) {
  MinMax m;
  for (std::size_t i = 1; i < values.size(); ++i) {
    if (values[i] < values[m.min]) {
      m.min = static_cast<std::int32_t>(i);
    }
    if (values[i] > values[m.max]) {
      m.max = static_cast<std::int32_t>(i);
    }
  }
  return m;
}

// The extremes of the outline's start points across a motion in direction `a` (degrees).
MinMax SelectExtremes(const Contour& split, float a, std::int32_t code) {
  const std::int32_t h = ToHundredths(a);
  if (h == 0 || h == ToHundredths(180.0)) {
    // Motion along Z: the extremes are in X.
    std::vector<float> x;
    for (const Otr& e : split) {
      x.push_back(e.start.X);
    }
    return FirstMinMax(x);
  }
  if (h == ToHundredths(90.0) || h == ToHundredths(270.0)) {
    // Motion along X: the extremes are in Z.
    std::vector<float> z;
    for (const Otr& e : split) {
      z.push_back(e.start.Z);
    }
    return FirstMinMax(z);
  }
  // Oblique: where the line through each point in the direction of motion meets an axis.
  std::vector<std::int32_t> counts;
  for (const Otr& e : split) {
    const XZPoint p = e.start;
    double v = 0;
    if (code == kCommandLine) {
      v = a < 90 ? p.Z - p.X / std::tan(a * kRadPerDeg)
                 : p.Z + p.X / std::tan((180.0 - a) * kRadPerDeg);
    } else {
      v = LineAtAngle(p, a).b;
    }
    counts.push_back(ToHundredths(v));
  }
  return FirstMinMax(counts);
}

// A new element equal to `e` moved by `by`, numbered and attributed 0.
Otr PlacedAt(const Otr& e, XZPoint by) {
  Otr moved = e;
  moved.start = AddPoints(e.start, by);
  moved.end = AddPoints(e.end, by);
  moved.centre = AddPoints(e.centre, by);
  moved.number = 0;
  moved.attribute = 0;
  moved.spindle = 0;
  moved.cutZone = 0;
  return moved;
}

// Elements from..to (not including to), cyclically, at `by`; all of them when from == to.
void AppendCyclic(Contour& region, const Contour& split, std::int32_t from, std::int32_t to,
                  XZPoint by) {
  const std::int32_t n = static_cast<std::int32_t>(split.size());
  std::int32_t i = from;
  do {
    region.push_back(PlacedAt(split[i], by));
    i = (i + 1) % n;
  } while (i != to);
}

} // namespace

Contour SweptRegion(TOOL_CLASS& tool, const CldataCommand& command) {
  const Contour outline = BuildInsertContour(tool);
  const Contour split = SplitToolArcs(outline, command);
  if (!IsMotion(command) || split.empty()) {
    return {};
  }
  return BuildSweptRegion(command, split, ExtremeElements(split, command));
}

CldataCommand NormalisedCommand(const CldataCommand& command) {
  CldataCommand k = command;
  if (k.start.X <= k.end.X && (!EqualH(k.start.X, k.end.X) || k.start.Z >= k.end.Z)) {
    std::swap(k.start, k.end);
    k.radius = -k.radius;
  }
  return k;
}

Contour SplitToolArcs(const Contour& outline, const CldataCommand& command) {
  Contour split;
  for (const Otr& e : outline) {
    if (e.IsArc()) {
      for (const Otr& piece : SplitArcAtTangents(command, e)) {
        split.push_back(piece);
      }
    } else {
      Otr line;
      line.type = e.type;
      line.start = e.start;
      line.end = e.end;
      split.push_back(line);
    }
  }
  return split;
}

Contour SplitArcAtTangents(const CldataCommand& command, const Otr& arc) {
  const Otr whole = ArcPiece(arc, arc.start, arc.end);
  if (command.code == kCommandLine) {
    float a = LineThrough(command.start, command.end).angle;
    if (a < 0) {
      a = 180.0f - std::fabs(a);
    }
    const XZPoint p = TouchPoint(arc, a);
    if (p.flag == 0) {
      return {whole};
    }
    return {ArcPiece(arc, arc.start, p), ArcPiece(arc, p, arc.end)};
  }
  if (command.code == kCommandArc) {
    XZPoint p1 = TouchPoint(arc, TangentDirection(command.centre, command.start));
    XZPoint p2 = TouchPoint(arc, TangentDirection(command.centre, command.end));
    const bool found1 = p1.flag != 0;
    const bool found2 = p2.flag != 0 && !(found1 && SamePoint(p1, p2));
    if (found1 && found2) {
      if (Distance(arc.start, p2) < Distance(arc.start, p1)) {
        std::swap(p1, p2);
      }
      return {ArcPiece(arc, arc.start, p1), ArcPiece(arc, p1, p2), ArcPiece(arc, p2, arc.end)};
    }
    if (found1 || found2) {
      const XZPoint p = found1 ? p1 : p2;
      return {ArcPiece(arc, arc.start, p), ArcPiece(arc, p, arc.end)};
    }
    return {whole};
  }
  ShowMessage("Unknown internal CLDATA instruction.");
  return {whole};
}

ExtremePairs ExtremeElements(const Contour& split, const CldataCommand& command) {
  ExtremePairs pairs;
  if (split.empty() || !IsMotion(command)) {
    return pairs;
  }
  const CldataCommand k = NormalisedCommand(command);
  MinMax first;
  MinMax second;
  if (command.code == kCommandLine) {
    float a = Trigonom(command.start, command.end);
    if (a > 180) {
      a -= 180.0f;
    }
    first = second = SelectExtremes(split, a, command.code);
  } else {
    first = SelectExtremes(split, FoldedDirection(k.centre, k.start), command.code);
    second = SelectExtremes(split, FoldedDirection(k.centre, k.end), command.code);
  }
  pairs.minFirst = first.min;
  pairs.maxFirst = first.max;
  pairs.minSecond = second.min;
  pairs.maxSecond = second.max;
  return pairs;
}

Contour BuildSweptRegion(const CldataCommand& command, const Contour& split,
                         const ExtremePairs& pairs) {
  if (split.empty()) {
    return {};
  }
  const std::int32_t n = static_cast<std::int32_t>(split.size());
  for (const std::int32_t i : {pairs.minFirst, pairs.maxFirst, pairs.minSecond, pairs.maxSecond}) {
    if (i < 0 || i >= n) {
      throw std::out_of_range("BuildSweptRegion: extreme index outside the outline");
    }
  }
  const CldataCommand k = NormalisedCommand(command);
  const XZPoint ps{k.start.X, k.start.Z};
  const XZPoint pe{k.end.X, k.end.Z};
  const float s = k.radius < 0 ? -1.0f : 1.0f;

  Contour region;
  AppendCyclic(region, split, pairs.minFirst, pairs.maxFirst, ps);

  Otr across;
  across.type = kLine;
  across.number = 1;
  across.attribute = 1;
  across.start = AddPoints(split[pairs.maxFirst].start, ps);
  across.end = AddPoints(split[pairs.maxSecond].start, pe);
  region.push_back(across);

  AppendCyclic(region, split, pairs.maxSecond, pairs.minSecond, pe);

  // Back along the motion: a line for a linear motion (its radius field still holds the
  // signed distance from the command's zero centre), an arc about the motion's centre.
  Otr back;
  back.type = command.code == kCommandArc ? kArc : kLine;
  back.number = 1;
  back.attribute = 1;
  back.start = AddPoints(split[pairs.minSecond].start, pe);
  back.end = AddPoints(split[pairs.minFirst].start, ps);
  back.centre = XZPoint{k.centre.X, k.centre.Z};
  back.radius = -s * Distance(back.start, k.centre);
  region.push_back(back);
  return region;
}

} // namespace turnsim
