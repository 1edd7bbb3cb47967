// Crossing points of line and arc elements: which end points count, overlaps of collinear lines
// and of arcs on one circle, tangents, and the flags that say a point lies inside both elements.
#include "turnsim/geometry/intersection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "tests/support/recording_messages.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {
namespace {

using testing::RecordingMessages;

// Points are written (X, Z).
Otr Line(XZPoint start, XZPoint end) {
  Otr e;
  e.type = kLine;
  e.start = start;
  e.end = end;
  return e;
}

// Point of the circle about c at polar angle a (degrees from +Z towards +X).
XZPoint OnCircle(XZPoint c, float r, double a) {
  const double t = a * std::numbers::pi / 180.0;
  return {static_cast<float>(c.X + std::fabs(r) * std::sin(t)),
          static_cast<float>(c.Z + std::fabs(r) * std::cos(t))};
}

// An arc about c from polar angle a1 to a2; radius > 0 runs clockwise, < 0 counter-clockwise.
Otr Arc(XZPoint c, float radius, double a1, double a2) {
  Otr e;
  e.type = kArc;
  e.centre = c;
  e.radius = radius;
  e.start = OnCircle(c, radius, a1);
  e.end = OnCircle(c, radius, a2);
  return e;
}

XZPoint Plus(XZPoint c, float x, float z) {
  return {c.X + x, c.Z + z};
}

std::string Show(XZPoint p) {
  return "(" + std::to_string(p.X) + ", " + std::to_string(p.Z) + ") flag " +
         std::to_string(p.flag);
}

// The found points, in slot order, are the expected ones; an empty slot holds the zero point,
// and two found points are never the same point.
void ExpectPoints(const XZSegment& r, const std::vector<XZPoint>& expected) {
  SCOPED_TRACE("got " + Show(r.first) + ", " + Show(r.second));
  std::vector<XZPoint> found;
  for (const XZPoint& p : {r.first, r.second}) {
    if (p.flag == 0) {
      EXPECT_EQ(p.X, 0.0f);
      EXPECT_EQ(p.Z, 0.0f);
    } else {
      EXPECT_EQ(p.flag, 1);
      found.push_back(p);
    }
  }
  if (found.size() == 2) {
    EXPECT_FALSE(SamePoint(found[0], found[1]));
  }
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_TRUE(SamePoint(found[i], expected[i]))
        << "point " << i << " expected " << Show(expected[i]);
  }
}

struct PairCase {
  const char* name;
  Otr a;
  Otr b;
  std::vector<XZPoint> expected; // in the order the slots hold them
};

void RunCases(const std::vector<PairCase>& cases) {
  for (const PairCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingMessages messages;
    ExpectPoints(Intersect(c.a, c.b), c.expected);
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
  }
}

TEST(LineLineIntersection, EndPointRulesOverlapsAndCrossings) {
  RunCases({
      // Collinear: A's end is found first, then B's start.
      {"overlap along the axis", Line({5, 0}, {5, 10}), Line({5, 5}, {5, 15}), {{5, 10}, {5, 5}}},
      {"overlap across the axis", Line({0, 5}, {10, 5}), Line({5, 5}, {15, 5}), {{10, 5}, {5, 5}}},
      {"end touches start", Line({5, 0}, {5, 10}), Line({5, 10}, {5, 20}), {{5, 10}}},
      // B's end is tested before A's end; a later candidate replaces the second point.
      {"overlap in opposite directions",
       Line({5, 0}, {5, 10}),
       Line({5, 12}, {5, 2}),
       {{5, 2}, {5, 10}}},
      {"overlap ending together", Line({5, 0}, {5, 10}), Line({5, 5}, {5, 10}), {{5, 10}, {5, 5}}},
      // A shared start belongs to the elements before both lines.
      {"common start only", Line({5, 0}, {5, 10}), Line({5, 0}, {5, -10}), {}},
      {"the same segment twice", Line({5, 0}, {5, 10}), Line({5, 0}, {5, 10}), {{5, 10}}},
      {"the same segment reversed",
       Line({5, 0}, {5, 10}),
       Line({5, 10}, {5, 0}),
       {{5, 10}, {5, 0}}},
      {"collinear with a gap", Line({5, 0}, {5, 10}), Line({5, 12}, {5, 20}), {}},
      {"parallel apart", Line({5, 0}, {5, 10}), Line({6, 0}, {6, 10}), {}},
      // Slopes 0.001 and -0.004 both count 0 hundredths: parallel, so the crossing at Z = 4
      // is not reported (b differs: 0 against 0.02).
      {"slopes equal in hundredths", Line({0, 0}, {0.01f, 10}), Line({0.02f, 0}, {-0.02f, 10}), {}},
      {"crossing", Line({0, 0}, {10, 10}), Line({10, 0}, {0, 10}), {{5, 5}}},
      {"crossing beyond a segment", Line({0, 0}, {4, 4}), Line({10, 0}, {0, 10}), {}},
      {"across-axis line meets axial line", Line({0, 5}, {10, 5}), Line({3, 0}, {3, 10}), {{3, 5}}},
      {"axial line meets across-axis line", Line({3, 0}, {3, 10}), Line({0, 5}, {10, 5}), {{3, 5}}},
      // Crossing lines count both end points.
      {"crossing at a line's start", Line({0, 5}, {10, 5}), Line({3, 5}, {3, 10}), {{3, 5}}},
  });
}

TEST(LineArcIntersection, LineEndCountsLineStartDoesNot) {
  // Circle of radius 10 about C; (6, 8) from C lies on it at polar angle 36.87.
  const XZPoint c{5, -3};
  const Otr quarter = Arc(c, 10, 90, 0); // clockwise through 36.87
  const Otr wide = Arc(c, 10, 170, 10);  // clockwise from 170 down to 10
  RunCases({
      {"axial line ending on the arc",
       Line(Plus(c, 6, 20), Plus(c, 6, 8)),
       quarter,
       {Plus(c, 6, 8)}},
      {"axial line starting on the arc", Line(Plus(c, 6, 8), Plus(c, 6, 20)), quarter, {}},
      {"across-axis line ending on the arc",
       Line(Plus(c, 20, 8), Plus(c, 6, 8)),
       quarter,
       {Plus(c, 6, 8)}},
      {"across-axis line starting on the arc", Line(Plus(c, 6, 8), Plus(c, 20, 8)), quarter, {}},
      {"arc given first", quarter, Line(Plus(c, 6, 20), Plus(c, 6, 8)), {Plus(c, 6, 8)}},
      {"sloped line ending on the arc",
       Line(Plus(c, 12, 16), Plus(c, 6, 8)),
       quarter,
       {Plus(c, 6, 8)}},
      {"through both sides",
       Line(Plus(c, 6, -20), Plus(c, 6, 20)),
       wide,
       {Plus(c, 6, -8), Plus(c, 6, 8)}},
      {"through, arc runs the other way",
       Line(Plus(c, 6, -20), Plus(c, 6, 20)),
       Arc(c, -10, 170, 10),
       {}},
      {"through, only one crossing on the arc",
       Line(Plus(c, 6, -20), Plus(c, 6, 20)),
       quarter,
       {Plus(c, 6, 8)}},
      {"across-axis line through both sides",
       Line(Plus(c, -20, 8), Plus(c, 20, 8)),
       Arc(c, -10, 270, 90),
       {Plus(c, -6, 8), Plus(c, 6, 8)}},
      {"line outside the circle", Line(Plus(c, 12, -5), Plus(c, 12, 5)), quarter, {}},
      {"across-axis line outside the circle", Line(Plus(c, 5, 12), Plus(c, -5, 12)), wide, {}},
  });
}

TEST(LineArcIntersection, TangentLineGivesOnePoint) {
  const XZPoint c{5, -3};
  RunCases({
      {"axial tangent",
       Line(Plus(c, 10, -5), Plus(c, 10, 5)),
       Arc(c, 10, 143.13, 36.87),
       {Plus(c, 10, 0)}},
      {"across-axis tangent",
       Line(Plus(c, 5, 10), Plus(c, -5, 10)),
       Arc(c, 10, 36.87, 323.13),
       {Plus(c, 0, 10)}},
      // Radius 1, line 0.99995 from the centre: the discriminant is about 0.0004, between the
      // tangent limit 0.0001 and the two-point limit 0.001. It counts as touching.
      {"nearly tangent",
       Line(Plus(c, 0.99995f, -0.5f), Plus(c, 0.99995f, 0.5f)),
       Arc(c, 1, 135, 45),
       {Plus(c, 0.99995f, 0)}},
  });
}

TEST(ArcArcIntersection, SameCircleGivesTheEndsOfTheSharedStretch) {
  const XZPoint c{20, 30};
  const auto at = [&c](double a) { return OnCircle(c, 10, a); };
  RunCases({
      {"overlap", Arc(c, 10, 90, 0), Arc(c, 10, 45, 315), {at(45), at(0)}},
      {"overlap, other arc first", Arc(c, 10, 45, 315), Arc(c, 10, 90, 0), {at(0), at(45)}},
      {"counter-clockwise overlap", Arc(c, -10, 0, 90), Arc(c, -10, 45, 135), {at(45), at(90)}},
      {"the same arc", Arc(c, 10, 90, 0), Arc(c, 10, 90, 0), {at(90), at(0)}},
      {"the same arc run backwards", Arc(c, 10, 90, 0), Arc(c, -10, 0, 90), {at(90), at(0)}},
      {"end meets start", Arc(c, 10, 90, 0), Arc(c, 10, 0, 270), {at(0)}},
      {"apart", Arc(c, 10, 90, 0), Arc(c, 10, 270, 180), {}},
      // Arcs longer than a half circle sharing two stretches: no single overlap to report.
      {"two shared stretches", Arc(c, 10, 200, 0), Arc(c, 10, 20, 180), {}},
  });
}

// Distinct circles: the order of the two slots follows the turned frame, so the found points
// are compared as a set and each must lie on both circles.
struct CirclesCase {
  const char* name;
  Otr a;
  Otr b;
  std::vector<XZPoint> found;
};

TEST(ArcArcIntersection, DistinctCirclesHonourEachArcsSweepAndDirection) {
  const XZPoint o{3, 7};
  // Circles of radius 10 about o and o + (10, 10) cross at o + (0, 10) (polar angle 0 about A,
  // 270 about B) and at o + (10, 0) (90 about A, 180 about B).
  const XZPoint ob = Plus(o, 10, 10);
  const XZPoint top = Plus(o, 0, 10);
  const XZPoint side = Plus(o, 10, 0);
  const CirclesCase cases[] = {
      {"both crossings on both arcs", Arc(o, 10, 100, 350), Arc(ob, -10, 170, 280), {top, side}},
      {"A runs the other way", Arc(o, -10, 100, 350), Arc(ob, -10, 170, 280), {}},
      {"B runs the other way", Arc(o, 10, 100, 350), Arc(ob, 10, 170, 280), {}},
      {"A holds one crossing", Arc(o, 10, 45, 350), Arc(ob, -10, 170, 280), {top}},
      {"B holds one crossing", Arc(o, 10, 100, 350), Arc(ob, -10, 170, 200), {side}},
      // Centres on one axial line with B behind A: nothing is turned.
      {"centres along the axis",
       Arc(o, 10, 359, 1),
       Arc(Plus(o, 0, -12), 10, 359, 1),
       {Plus(o, 8, -6), Plus(o, -8, -6)}},
      {"touching from outside",
       Arc(o, 5, 45, 315),
       Arc(Plus(o, 0, 10), 5, 225, 135),
       {Plus(o, 0, 5)}},
      {"B touching A from inside",
       Arc(o, 10, 45, 315),
       Arc(Plus(o, 0, 5), 5, 45, 315),
       {Plus(o, 0, 10)}},
      // A inside B: the touching point lies on the far side of A from B's centre.
      {"A touching B from inside",
       Arc(o, 5, 225, 135),
       Arc(Plus(o, 0, 5), 10, 225, 135),
       {Plus(o, 0, -5)}},
      {"disjoint", Arc(o, 5, 359, 1), Arc(Plus(o, 0, 20), 5, 359, 1), {}},
      {"nested", Arc(o, 10, 359, 1), Arc(Plus(o, 1, 1), 2, 359, 1), {}},
  };
  for (const CirclesCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingMessages messages;
    const XZSegment r = Intersect(c.a, c.b);
    SCOPED_TRACE("got " + Show(r.first) + ", " + Show(r.second));
    std::vector<XZPoint> found;
    for (const XZPoint& p : {r.first, r.second}) {
      if (p.flag == 0) {
        EXPECT_EQ(p.X, 0.0f);
        EXPECT_EQ(p.Z, 0.0f);
        continue;
      }
      EXPECT_EQ(p.flag, 1);
      EXPECT_NEAR(Distance(p, c.a.centre), std::fabs(c.a.radius), 0.01);
      EXPECT_NEAR(Distance(p, c.b.centre), std::fabs(c.b.radius), 0.01);
      found.push_back(p);
    }
    ASSERT_EQ(found.size(), c.found.size());
    for (const XZPoint& want : c.found) {
      bool matched = false;
      for (const XZPoint& got : found) {
        matched = matched || SamePoint(got, want);
      }
      EXPECT_TRUE(matched) << "missing " << Show(want);
    }
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
  }
}

TEST(Intersect, UnknownElementTypeIsReported) {
  Otr odd = Line({0, 0}, {10, 10});
  odd.type = 3;
  const Otr line = Line({10, 0}, {0, 10});
  const Otr arc = Arc({0, 0}, 10, 90, 0);
  const std::pair<Otr, Otr> pairs[] = {{odd, line}, {line, odd}, {arc, odd}, {odd, arc}};
  for (const auto& [a, b] : pairs) {
    RecordingMessages messages;
    ExpectPoints(Intersect(a, b), {});
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "There is no circle!");
  }
}

TEST(Privedenia, MovesToTheArcCentreWithTheLineFirst) {
  const Otr arc = Arc({4, 6}, 10, 90, 0);
  const Otr line = Line({1, 2}, {3, 5});
  const ElementPair p = Privedenia(arc, line);
  EXPECT_TRUE(p.first.IsLine());
  EXPECT_TRUE(p.second.IsArc());
  EXPECT_EQ(p.shiftX, 4.0f);
  EXPECT_EQ(p.shiftZ, 6.0f);
  EXPECT_TRUE(SamePoint(p.first.start, {-3, -4}));
  EXPECT_TRUE(SamePoint(p.first.end, {-1, -1}));
  EXPECT_TRUE(SamePoint(p.second.centre, {0, 0}));
  EXPECT_TRUE(SamePoint(p.second.start, {10, 0}));

  const Otr other = Arc({-2, 1}, 5, 0, 90);
  const ElementPair arcs = Privedenia(other, arc);
  EXPECT_EQ(arcs.shiftX, -2.0f);
  EXPECT_EQ(arcs.shiftZ, 1.0f);
  EXPECT_EQ(arcs.first.radius, 5.0f);
  EXPECT_TRUE(SamePoint(arcs.second.centre, {6, 5}));
}

} // namespace
} // namespace turnsim
