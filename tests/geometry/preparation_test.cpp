// Points along a line, the semicircle check before a cut and the merge of continuing elements.
#include "turnsim/geometry/preparation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"
#include "tests/support/elements.h"
#include "tests/support/recording_messages.h"

namespace turnsim {
namespace {

using turnsim::testing::Line;
using turnsim::testing::Arc;

struct AlongCase {
  const char* name;
  LineEq line;
  XZPoint p;
  float d;
  XZPoint first;
  XZPoint second;
};

TEST(PointsAlongLine, PlacesBothPointsAtTheDistanceOnTheLine) {
  const AlongCase cases[] = {
      {"perpendicular", {kPerpendicular, 4.0f, 90.0f}, {3, 4}, 2, {1, 4}, {5, 4}},
      {"along the axis", {0.0f, 3.0f, 0.0f}, {3, 4}, 2, {3, 2}, {3, 6}},
      {"rising", {1.0f, 0.0f, 45.0f}, {5, 5}, 1.41421356f, {4, 4}, {6, 6}},
      {"falling", {-1.0f, 10.0f, -45.0f}, {5, 5}, 1.41421356f, {6, 4}, {4, 6}},
      {"negative distance", {1.0f, 0.0f, 45.0f}, {5, 5}, -1.41421356f, {4, 4}, {6, 6}},
  };
  for (const AlongCase& c : cases) {
    SCOPED_TRACE(c.name);
    const XZSegment s = PointsAlongLine(c.line, c.p, c.d);
    EXPECT_NEAR(s.first.X, c.first.X, 1e-5);
    EXPECT_NEAR(s.first.Z, c.first.Z, 1e-5);
    EXPECT_NEAR(s.second.X, c.second.X, 1e-5);
    EXPECT_NEAR(s.second.Z, c.second.Z, 1e-5);
  }
}

struct SemicircleCase {
  const char* name;
  Otr arc;
};

// Semicircles whose midpoint lies between their end angles pass, and the profile comes back as
// it was. The diameter through a midpoint straight across the axis (start at polar angle 0 or
// 180) once gave a slope of about 1.6e16 that put both candidate points on the axis, ending the
// program on a sound profile whenever the centre was away from Z = 0.
TEST(PrepareProfile, PassesSemicirclesAndReturnsTheProfileUnchanged) {
  const SemicircleCase cases[] = {
      {"90 to 270", Arc({30, 50}, {10, 50}, {20, 50}, 10)},
      {"0 to 180 away from Z = 0", Arc({20, 60}, {20, 40}, {20, 50}, 10)},
      {"0 to 180 counter-clockwise", Arc({20, 60}, {20, 40}, {20, 50}, -10)},
      {"180 to 0 away from Z = 0", Arc({20, 40}, {20, 60}, {20, 50}, 10)},
      {"270 to 90", Arc({10, 50}, {30, 50}, {20, 50}, -10)},
      {"30 to 210", Arc({25, 58.660254f}, {15, 41.339746f}, {20, 50}, 10)},
  };
  for (const SemicircleCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_GE(ChordAngle(c.arc), 180.0f);
    const Contour profile{Line(20, 80, 20, 60), c.arc, Line(20, 40, 20, 0)};
    const Contour before = profile;
    const Contour* returned = nullptr;
    ASSERT_NO_THROW(returned = &PrepareProfile(profile));
    EXPECT_EQ(returned, &profile);
    ASSERT_EQ(profile.size(), before.size());
    for (std::size_t i = 0; i < profile.size(); ++i) {
      EXPECT_EQ(profile[i].start.X, before[i].start.X);
      EXPECT_EQ(profile[i].end.Z, before[i].end.Z);
    }
  }
}

// A radius too small for the chord counts as a semicircle; between polar angles 0 and 45 there
// is no room for the midpoint on the vertical diameter (90 or 270), so the check fails.
TEST(PrepareProfile, EndsTheProgramWhenTheMidpointCannotBePlaced) {
  testing::RecordingMessages sink;
  const Contour profile{Arc({10, 20}, {17.071068f, 17.071068f}, {10, 10}, 3)};
  try {
    PrepareProfile(profile);
    FAIL() << "expected FatalExit";
  } catch (const FatalExit& e) {
    EXPECT_STREQ(e.what(), "Split Circre: Can't select the point");
    EXPECT_EQ(e.code(), 1);
  }
  EXPECT_TRUE(sink.texts.empty());
}

TEST(JoinRun, TakesTheFirstElementAndTheLastEnd) {
  Otr a = Arc({10, 0}, {7.07f, 7.07f}, {0, 0}, 10);
  a.spindle = 1;
  a.number = 7;
  a.cutZone = 1;
  Otr b = Arc({7.07f, 7.07f}, {0, 10}, {0.001f, 0}, 10.001f);
  const Otr run[] = {a, b};
  const Otr joined = JoinRun(run);
  EXPECT_EQ(joined.type, kArc);
  EXPECT_EQ(joined.start.X, 10.0f);
  EXPECT_EQ(joined.end.Z, 10.0f);
  EXPECT_EQ(joined.centre.X, 0.0f);
  EXPECT_EQ(joined.radius, 10.0f);
  EXPECT_EQ(joined.spindle, 1);
  EXPECT_EQ(joined.number, 0);
  EXPECT_EQ(joined.cutZone, 0);
  EXPECT_THROW(JoinRun({}), std::invalid_argument);
}

struct MergeCase {
  const char* name;
  Contour profile;
  std::vector<XZSegment> expected; // start and end of every result element
};

TEST(MergeProfile, JoinsOnlyTheElementsAfterTheOneARunContinues) {
  const MergeCase cases[] = {
      {"empty", {}, {}},
      {"single", {Line(5, 0, 5, -5)}, {{{5, 0}, {5, -5}}}},
      {"two collinear stay two",
       {Line(5, 0, 5, -5), Line(5, -5, 5, -9)},
       {{{5, 0}, {5, -5}}, {{5, -5}, {5, -9}}}},
      {"three collinear give two",
       {Line(5, 0, 5, -5), Line(5, -5, 5, -9), Line(5, -9, 5, -12)},
       {{{5, 0}, {5, -5}}, {{5, -5}, {5, -12}}}},
      {"four collinear give two",
       {Line(0, 0, 1, -1), Line(1, -1, 2, -2), Line(2, -2, 3, -3), Line(3, -3, 4, -4)},
       {{{0, 0}, {1, -1}}, {{1, -1}, {4, -4}}}},
      {"different spindle does not continue",
       {Line(5, 0, 5, -5), Line(5, -5, 5, -9, 1), Line(5, -9, 5, -12, 1)},
       {{{5, 0}, {5, -5}}, {{5, -5}, {5, -9}}, {{5, -9}, {5, -12}}}},
      {"corner ends a run",
       {Line(5, 0, 5, -5), Line(5, -5, 5, -9), Line(5, -9, 5, -12), Line(5, -12, 9, -12),
        Line(9, -12, 9, -15), Line(9, -15, 9, -20), Line(9, -20, 9, -30)},
       {{{5, 0}, {5, -5}},
        {{5, -5}, {5, -12}},
        {{5, -12}, {9, -12}},
        {{9, -12}, {9, -15}},
        {{9, -15}, {9, -30}}}},
      {"three arcs on one circle give two",
       {Arc({10, 0}, {8.660254f, 5}, {0, 0}, -10), Arc({8.660254f, 5}, {5, 8.660254f}, {0, 0}, -10),
        Arc({5, 8.660254f}, {0, 10}, {0, 0}, -10)},
       {{{10, 0}, {8.660254f, 5}}, {{8.660254f, 5}, {0, 10}}}},
      {"opposite radius sign does not continue",
       {Arc({10, 0}, {8.660254f, 5}, {0, 0}, -10), Arc({8.660254f, 5}, {5, 8.660254f}, {0, 0}, 10)},
       {{{10, 0}, {8.660254f, 5}}, {{8.660254f, 5}, {5, 8.660254f}}}},
  };
  for (const MergeCase& c : cases) {
    SCOPED_TRACE(c.name);
    Contour profile = c.profile;
    for (Otr& e : profile) {
      e.number = 5;
      e.attribute = 7;
      e.cutZone = 1;
    }
    const Contour merged = MergeProfile(profile);
    ASSERT_EQ(merged.size(), c.expected.size());
    for (std::size_t i = 0; i < merged.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_NEAR(merged[i].start.X, c.expected[i].first.X, 1e-5);
      EXPECT_NEAR(merged[i].start.Z, c.expected[i].first.Z, 1e-5);
      EXPECT_NEAR(merged[i].end.X, c.expected[i].second.X, 1e-5);
      EXPECT_NEAR(merged[i].end.Z, c.expected[i].second.Z, 1e-5);
      EXPECT_EQ(merged[i].number, 12);
      EXPECT_EQ(merged[i].attribute, 0);
      EXPECT_EQ(merged[i].cutZone, 0);
    }
    // The input stays as it was.
    ASSERT_EQ(profile.size(), c.profile.size());
    for (const Otr& e : profile) {
      EXPECT_EQ(e.number, 5);
    }
  }
}

TEST(MergeProfile, KeepsTypeCentreRadiusAndSpindleOfTheRun) {
  Contour profile{Arc({10, 0}, {8.660254f, 5}, {0, 0}, -10),
                  Arc({8.660254f, 5}, {5, 8.660254f}, {0, 0}, -10),
                  Arc({5, 8.660254f}, {0, 10}, {0, 0}, -10)};
  for (Otr& e : profile) {
    e.spindle = 1;
  }
  const Contour merged = MergeProfile(profile);
  ASSERT_EQ(merged.size(), 2u);
  for (const Otr& e : merged) {
    EXPECT_EQ(e.type, kArc);
    EXPECT_EQ(e.radius, -10.0f);
    EXPECT_EQ(e.centre.X, 0.0f);
    EXPECT_EQ(e.spindle, 1);
  }
}

} // namespace
} // namespace turnsim
