// The insert contour built from the tool record, turned by the holder and placed at a tool
// position, and the holder outline placed beside it.
#include "turnsim/tooling/tool_shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "turnsim/geometry/finishing.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {

namespace {

// Holder elements carry this number, so that they can be told from the part's.
constexpr std::int32_t kHolderNumber = 1976;

XZPoint Offset(XZPoint centre, float r, float angle) {
  return AddPoints(centre, TrigRectAng(r, angle));
}

Otr MakeLine(XZPoint start, XZPoint end) {
  Otr e;
  e.type = kLine;
  e.start = start;
  e.end = end;
  return e;
}

Otr MakeArc(XZPoint start, XZPoint end, XZPoint centre, float radius) {
  Otr e;
  e.type = kArc;
  e.start = start;
  e.end = end;
  e.centre = centre;
  e.radius = radius;
  return e;
}

// A point turned about the origin by `angle` degrees, its polar angle kept in [0, 360].
XZPoint TurnPoint(XZPoint p, float angle) {
  const XZPoint origin{};
  float a = TrigonomArif(Trigonom(origin, p), angle, "+");
  if (ToHundredths(a) > ToHundredths(360)) {
    a -= 360.0f;
  }
  if (ToHundredths(a) < 0) {
    a = 360.0f - std::fabs(a);
  }
  return TrigRectAng(Distance(origin, p), a);
}

} // namespace

Contour BuildInsertContour(TOOL_CLASS& tool) {
  const std::string& kind = tool.info.cut.kind;
  Contour contour;
  if (kind == "T") {
    contour = TriangleInsert(tool);
  } else if (kind == "C") {
    contour = InsertOfKindC(tool);
  } else {
    throw FatalExit("Unknown instrument", 0);
  }
  tool.contour = contour;
  tool.shapeBuilt = true;
  const float angle = InsertTurnAngle(tool, contour);
  // The stored contour follows the turn, as the elements are the same ones.
  tool.contour = TurnContour(std::move(contour), angle);
  return tool.contour;
}

Contour TriangleInsert(const TOOL_CLASS& tool) {
  const float r = tool.info.cut.noseRadius;
  const float side = tool.info.cut.sideLength;
  const float t = r * static_cast<float>(std::tan(60.0 * std::numbers::pi / 180.0));
  const float s = side - 2 * t; // distance between two corner centres
  const XZPoint o{};
  const XZPoint a = TrigRectAng(s, 120.0f);
  const XZPoint b = TrigRectAng(s, 60.0f);
  return {
      MakeLine(Offset(o, r, 210), Offset(a, r, 210)),
      MakeArc(Offset(a, r, 210), Offset(a, r, 90), a, r),
      MakeLine(Offset(a, r, 90), Offset(b, r, 90)),
      MakeArc(Offset(b, r, 90), Offset(b, r, 330), b, r),
      MakeLine(Offset(b, r, 330), Offset(o, r, 330)),
      MakeArc(Offset(o, r, 330), Offset(o, r, 210), o, r),
  };
}

Contour InsertOfKindC(TOOL_CLASS& tool) {
  tool.info.cut.noseRadius = 3.0f;
  return {};
}

float InsertTurnAngle(const TOOL_CLASS& tool, const Contour& contour) {
  const float fi = tool.info.mainAngle;
  if (!(fi >= 0.0f && fi < 180.0f)) {
    CurrentMessages().Beep();
    throw FatalExit("Main angle FI is incorrect!", 0);
  }
  const std::string& hand = tool.info.hand;
  if (hand == "N") {
    return 0.0f;
  }
  if (hand == "R") {
    // An empty outline has no direction to turn by.
    if (contour.empty()) {
      return 0.0f;
    }
    return (180.0f - fi) - Trigonom(contour.front().start, contour.front().end);
  }
  if (hand == "L") {
    if (contour.size() < 2) {
      return 0.0f;
    }
    const Otr& e = contour[contour.size() - 2];
    return fi - Trigonom(e.start, e.end);
  }
  throw FatalExit("Unknown holder hand \"" + hand + "\" in dev.lib", 0);
}

Contour TurnContour(Contour contour, float angle) {
  if (ToHundredths(angle) == 0 || contour.empty()) {
    return contour;
  }
  for (std::size_t i = 0; i < contour.size(); ++i) {
    Otr& e = contour[i];
    e.number = 0;
    e.start = TurnPoint(e.start, angle);
    if (i > 0) {
      contour[i - 1].end = e.start;
    }
    if (e.IsArc()) {
      e.centre = TurnPoint(e.centre, angle);
    }
  }
  contour.back().end = contour.front().start;
  return contour;
}

Contour PlacedInsert(TOOL_CLASS& tool, const CldataCommand& command) {
  const XZPoint at{command.end.X, command.end.Z};
  Contour placed;
  for (const Otr& e : BuildInsertContour(tool)) {
    Otr moved;
    moved.type = e.type;
    moved.radius = e.radius;
    moved.start = AddPoints(e.start, at);
    moved.end = AddPoints(e.end, at);
    moved.centre = AddPoints(e.centre, at);
    placed.push_back(moved);
  }
  return placed;
}

Contour PlacedHolder(const TOOL_CLASS& tool, const CldataCommand& command) {
  const DevINFO& h = tool.info.holder;
  // Only whole pairs of texts are outline points.
  const std::size_t count = std::min<std::size_t>(
      static_cast<std::size_t>(std::max(h.pointCount, 0)), h.points.size() / 2);
  if (count == 0) {
    return {};
  }
  const auto element = [&](std::size_t k) {
    const float x = LibraryNumber(FixDecimal(h.points[2 * k]));
    const float z = LibraryNumber(FixDecimal(h.points[2 * k + 1]));
    Otr e = MakeLine(
        {x - command.end.X - h.holderParam5, z + command.end.Z + h.holderParam7 - h.holderParam4},
        {kNoSpindle, kNoSpindle});
    e.number = kHolderNumber;
    return e;
  };
  Contour points;
  for (std::size_t k = 0; k < count; ++k) {
    points.push_back(element(k));
  }
  points.push_back(element(0)); // closes the outline
  return PolylineFromPoints(std::move(points));
}

} // namespace turnsim
