// The hundredths rule, angles about a centre and the element tests on which every equality and
// order decision of the kernel rests.
#include "turnsim/geometry/primitives.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/recording_messages.h"
#include "turnsim/geometry/messages.h"
#include "tests/support/elements.h"

namespace turnsim {
namespace {

using turnsim::testing::Line;
using turnsim::testing::Arc;

using testing::RecordingMessages;

struct HundredthsCase {
  double value;
  std::int32_t count;
};

TEST(ToHundredths, RoundsUpOnlyAboveFiveThousandths) {
  const HundredthsCase cases[] = {
      {0.0, 0},     {0.0009, 0},   {0.001, 0},    {0.125, 12},  {0.126, 13},
      {-0.126, -13}, {1.0, 100},   {0.1249, 12},  {0.0151, 1},  {0.0161, 2},  {-0.0009, 0},
      {10.004, 1000}, {10.006, 1001}, {359.995, 35999}, {360.0, 36000}, {-720.0, -72000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToHundredths(c.value), c.count) << c.value;
  }
}

TEST(ToHundredths, SaturatesInsteadOfOverflowing) {
  EXPECT_GT(ToHundredths(1e30), 0);
  EXPECT_LT(ToHundredths(-1e30), 0);
  EXPECT_EQ(ToHundredths(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(SamePoint, ComparesHundredths) {
  EXPECT_TRUE(SamePoint({10.004f, 5.0f}, {10.0f, 5.004f}));
  EXPECT_FALSE(SamePoint({10.0061f, 5.0f}, {10.0f, 5.0f}));
  EXPECT_FALSE(SamePoint({10.0f, 5.0f}, {10.0f, 5.0061f}));
  // Coordinates are 32-bit floats: 10.006 is stored as 10.0059996, whose thousandths digit is 5,
  // so it still counts 1000 hundredths like 10.0.
  EXPECT_TRUE(SamePoint({10.006f, 5.0f}, {10.0f, 5.0f}));
}

TEST(LineThrough, MarksAxisParallelAndPerpendicularLines) {
  struct Case {
    XZPoint p1, p2;
    float k, b, angle;
  };
  const Case cases[] = {
      {{5, 1}, {5, 1}, 0.0f, 5.0f, 0.0f},           // one point: along the axis
      {{1, 3}, {7, 3}, kPerpendicular, 3.0f, 90.0f}, // constant Z
      {{2, 0}, {2, 9}, 0.0f, 2.0f, 0.0f},           // constant X
      {{0, 0}, {1, 1}, 1.0f, 0.0f, 45.0f},
      {{3, 0}, {1, 2}, -1.0f, 3.0f, -45.0f},
  };
  for (const auto& c : cases) {
    const LineEq l = LineThrough(c.p1, c.p2);
    EXPECT_FLOAT_EQ(l.k, c.k);
    EXPECT_FLOAT_EQ(l.b, c.b);
    EXPECT_NEAR(l.angle, c.angle, 1e-4);
  }
}

TEST(Trigonom, PolarAngleInEveryQuadrantAndOnTheAxes) {
  struct Case {
    XZPoint p;
    float angle;
  };
  const Case cases[] = {
      {{1, 1}, 45},   {{1, -1}, 135}, {{-1, -1}, 225}, {{-1, 1}, 315}, {{0, 5}, 0},
      {{0, -5}, 180}, {{5, 0}, 90},   {{-5, 0}, 270},  {{0, 0}, 0},    {{1, 1.7320508f}, 30},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(Trigonom({0, 0}, c.p), c.angle, 1e-3) << c.p.X << "," << c.p.Z;
  }
  // Seen from another centre.
  EXPECT_NEAR(Trigonom({10, 20}, {11, 19}), 135, 1e-3);
}

TEST(TrigRectAng, AxisPointsAreExactAndQuadrantsFollowSinCos) {
  struct Case {
    float r, a;
    float x, z;
  };
  const Case cases[] = {
      {10, 90, 10, 0},   {10, -90, -10, 0}, {10, 270, -10, 0}, {10, 180, 0, -10},
      {10, 0, 0, 10},    {10, 360, 0, 10},  {-10, 90, 10, 0},  {0.00005f, 33, 0, 0},
      {2, 30, 1, 1.7320508f}, {2, 150, 1, -1.7320508f}, {2, 210, -1, -1.7320508f},
      {2, 330, -1, 1.7320508f},
  };
  RecordingMessages messages;
  for (const auto& c : cases) {
    const XZPoint p = TrigRectAng(c.r, c.a);
    EXPECT_NEAR(p.X, c.x, 1e-5) << c.r << " at " << c.a;
    EXPECT_NEAR(p.Z, c.z, 1e-5) << c.r << " at " << c.a;
  }
  EXPECT_TRUE(messages.texts.empty());
}

TEST(TrigRectAng, AngleBeyondAFullTurnIsReportedAndStillGivesAPointOnTheCircle) {
  RecordingMessages messages;
  const XZPoint p = TrigRectAng(5, 450);
  EXPECT_THAT(messages.texts, ::testing::ElementsAre("TrigRectAng: Unknown angle."));
  EXPECT_NEAR(std::hypot(p.X, p.Z), 5, 1e-4);
}

TEST(TrigonomArif, ReducesResultAndTestsTheSumForBothOperators) {
  EXPECT_NEAR(TrigonomArif(350, 20, "+"), 10, 1e-4);
  EXPECT_NEAR(TrigonomArif(10, 20, "-"), -10, 1e-4);
  EXPECT_NEAR(TrigonomArif(360, 0, "+"), 0, 1e-4);
  EXPECT_NEAR(TrigonomArif(720, 0, "-"), 0, 1e-4); // on the limit, not beyond it
  try {
    TrigonomArif(400, 400, "-"); // 400 - 400 is 0, but the sum is 800
    FAIL() << "expected the program to end";
  } catch (const FatalExit& e) {
    EXPECT_STREQ(e.what(), "TrigonomArif: incorrect parametr");
    EXPECT_EQ(e.code(), 1);
  }
  EXPECT_THROW(TrigonomArif(-400, -321, "+"), FatalExit);
}

TEST(NormalizeAngle, KeepsTheSign) {
  EXPECT_NEAR(NormalizeAngle(370), 10, 1e-4);
  EXPECT_NEAR(NormalizeAngle(-370), -10, 1e-4);
  EXPECT_NEAR(NormalizeAngle(360), 0, 1e-4);
  EXPECT_EQ(NormalizeAngle(0.0009f), 0.0f);
}

TEST(InRange, ExcludesTheFirstBoundUnlessItIsAlsoTheSecond) {
  EXPECT_TRUE(InRange(5, 0, 10));
  EXPECT_TRUE(InRange(10, 0, 10));
  EXPECT_FALSE(InRange(0, 0, 10));
  EXPECT_TRUE(InRange(5, 10, 0)); // either order
  EXPECT_TRUE(InRange(0, 10, 0));
  EXPECT_FALSE(InRange(10, 10, 0));
  EXPECT_TRUE(InRange(3, 3, 3));
  EXPECT_FALSE(InRange(0.004f, 0, 10)); // counts 0 hundredths: it is the first bound
  EXPECT_TRUE(InRange(0.007f, 0, 10));
}

TEST(AngleOnArc, FollowsTheDirectionOfTheSweep) {
  struct Case {
    float theta, start, end, radius;
    bool on;
  };
  const Case cases[] = {
      // clockwise quarter from 90 down to 0
      {45, 90, 0, 1, true},     {90, 90, 0, 1, true},    {0, 90, 0, 1, true},
      {360, 90, 0, 1, true},    {135, 90, 0, 1, false},  {300, 90, 0, 1, false},
      // the same end points counter-clockwise: the three-quarter arc from 90 up through 180 to 360
      {45, 90, 0, -1, false},   {180, 90, 0, -1, true},  {0, 90, 0, -1, true},
      {90, 90, 0, -1, true},    {270, 90, 0, -1, true},
      // a clockwise arc through 0: from 30 down to 330
      {10, 30, 330, 1, true},   {340, 30, 330, 1, true}, {300, 30, 330, 1, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AngleOnArc(c.theta, c.start, c.end, c.radius), c.on)
        << c.theta << " on " << c.start << ".." << c.end << " r " << c.radius;
  }
}

TEST(ArcSweep, DependsOnDirectionExceptForAHalfCircle) {
  const Otr quarterCw = Arc({10, 0}, {0, 10}, {0, 0}, 10);
  EXPECT_NEAR(ArcSweep(quarterCw), 90, 1e-3);
  EXPECT_NEAR(ArcSweep(Arc({10, 0}, {0, 10}, {0, 0}, -10)), 270, 1e-3);
  EXPECT_NEAR(ArcSweep(Arc({10, 0}, {-10, 0}, {0, 0}, 10)), 180, 1e-3);
  EXPECT_NEAR(ArcSweep(Arc({10, 0}, {-10, 0}, {0, 0}, -10)), 180, 1e-3);
  EXPECT_NEAR(ChordAngle(quarterCw), 90, 1e-3);
  EXPECT_NEAR(ChordAngle(Arc({10, 0}, {-10, 0}, {0, 0}, 10)), 180, 1e-3);
}

TEST(Xorda, LineLengthAndArcLengthWithItsMessage) {
  RecordingMessages messages;
  EXPECT_FLOAT_EQ(Xorda(Line(0, 0, 3, 4)), 5);
  EXPECT_TRUE(messages.texts.empty());
  // The arc length is always the clockwise sweep from start to end.
  EXPECT_NEAR(Xorda(Arc({10, 0}, {0, 10}, {0, 0}, 10)), 10 * std::acos(-1.0) / 2, 1e-3);
  EXPECT_THAT(messages.texts, ::testing::ElementsAre("Using wrong Xorda."));
}

TEST(IfInclude, LineUsesDistanceCountsAndArcUsesAngles) {
  const Otr line = Line(0, 0, 0, 10);
  EXPECT_TRUE(IfInclude(line, {0, 5}));
  EXPECT_TRUE(IfInclude(line, {0.2f, 5})); // both distances still count 500 hundredths
  EXPECT_FALSE(IfInclude(line, {0.3f, 5}));
  EXPECT_TRUE(IfInclude(line, {0, 0}));
  EXPECT_TRUE(IfInclude(line, {0, 10}));
  EXPECT_FALSE(IfInclude(line, {0, 10.5f}));

  const Otr quarter = Arc({10, 0}, {0, 10}, {0, 0}, 10);
  EXPECT_TRUE(IfInclude(quarter, {7.0710678f, 7.0710678f}));
  EXPECT_TRUE(IfInclude(quarter, {10, 0}));
  EXPECT_TRUE(IfInclude(quarter, {0, 10}));
  EXPECT_FALSE(IfInclude(quarter, {-7.0710678f, 7.0710678f}));
  EXPECT_FALSE(IfInclude(quarter, {7.0710678f, -7.0710678f}));
  // Points a few degrees from either end are on the arc: 3 degrees from its start and 2 from its
  // end (the cosine of such a chord angle lies within a hundredth of 1).
  const double d3 = 87 * M_PI / 180, d2 = 2 * M_PI / 180;
  EXPECT_TRUE(IfInclude(quarter, {static_cast<float>(10 * std::sin(d3)),
                                  static_cast<float>(10 * std::cos(d3))}));
  EXPECT_TRUE(IfInclude(quarter, {static_cast<float>(10 * std::sin(d2)),
                                  static_cast<float>(10 * std::cos(d2))}));
  // A half circle: any point of it passes, the far end too.
  const Otr half = Arc({10, 0}, {-10, 0}, {0, 0}, 10);
  EXPECT_TRUE(IfInclude(half, {0, 10}));
  EXPECT_TRUE(IfInclude(half, {-10, 0}));
}

TEST(IfContinues, NeedsSameKindSpindleAndSupport) {
  EXPECT_TRUE(IfContinues(Line(0, 0, 0, 5), Line(0, 5, 0, 9)));
  EXPECT_FALSE(IfContinues(Line(0, 0, 0, 5), Line(0, 5, 0, 9, 1)));
  EXPECT_FALSE(IfContinues(Line(0, 0, 0, 5), Line(0, 5, 1, 9)));
  const Otr a = Arc({10, 0}, {7.0710678f, 7.0710678f}, {0, 0}, 10);
  Otr b = Arc({7.0710678f, 7.0710678f}, {0, 10}, {0, 0}, 10);
  EXPECT_TRUE(IfContinues(a, b));
  b.radius = -10; // reversed direction
  EXPECT_FALSE(IfContinues(a, b));
  EXPECT_FALSE(IfContinues(a, Line(0, 10, 0, 20)));
}

TEST(TouchPoint, FindsTheTangentPointInsideTheArc) {
  // Quarter from (X 10, Z 0) clockwise to (X 0, Z 10): its tangent is along Z at the top point,
  // which is the start and therefore not acceptable; a 45-degree chord touches at the middle.
  const Otr quarter = Arc({10, 0}, {0, 10}, {0, 0}, 10);
  const XZPoint middle = TouchPoint(quarter, 135);
  EXPECT_EQ(middle.flag, 1);
  EXPECT_NEAR(middle.X, 7.0710678f, 1e-3);
  EXPECT_NEAR(middle.Z, 7.0710678f, 1e-3);
  EXPECT_EQ(TouchPoint(quarter, 0).flag, 0);
}

TEST(ContourOperations, SpindleExtentsBoundsAndMirror) {
  Contour c{Line(0, -30, 10, -30, 1), Line(10, -30, 10, 0), Line(10, 0, 0, 0)};
  const XZPoint sp = SpindlePoint(c);
  EXPECT_FLOAT_EQ(sp.X, 10);
  EXPECT_FLOAT_EQ(sp.Z, -30);
  EXPECT_FLOAT_EQ(SpindlePoint({Line(0, 0, 1, 1)}).X, kNoSpindle);
  EXPECT_FLOAT_EQ(SpindlePoint({Line(0, 0, 1, 1)}).Z, kNoSpindle);

  const ZExtentsResult z = ZExtents(c);
  EXPECT_FLOAT_EQ(z.minStartZ, -30);
  EXPECT_FLOAT_EQ(z.firstStartZ, -30);
  EXPECT_FLOAT_EQ(z.lastEndZ, 0);

  // The last element's end point does not widen the bounds.
  Contour open{Line(0, 0, 5, 0), Line(5, 0, 5, 20), Line(5, 20, 12, 40)};
  const XZSegment bounds = ContourBounds(open);
  EXPECT_FLOAT_EQ(bounds.first.X, 0);
  EXPECT_FLOAT_EQ(bounds.second.X, 5);
  EXPECT_FLOAT_EQ(bounds.second.Z, 20);

  Otr arc = Arc({10, 0}, {0, 10}, {0, 0}, 10);
  arc.spindle = 1;
  arc.cutZone = 1;
  const Contour mirrored = MirrorContour({arc});
  EXPECT_FLOAT_EQ(mirrored[0].start.X, -10);
  EXPECT_FLOAT_EQ(mirrored[0].radius, -10);
  EXPECT_EQ(mirrored[0].spindle, 1);
  EXPECT_EQ(mirrored[0].cutZone, 1);

  // Empty contours give defined values.
  EXPECT_FLOAT_EQ(ZExtents({}).lastEndZ, 0);
  EXPECT_FLOAT_EQ(ContourBounds({}).second.X, 0);
}

} // namespace
} // namespace turnsim
