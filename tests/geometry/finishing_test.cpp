// Normalising loaded arcs, cutting a path-finder contour back to the axis, arcs into lines and
// profiles into vertex arrays.
#include "turnsim/geometry/finishing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "turnsim/geometry/primitives.h"
#include "tests/support/elements.h"

namespace turnsim {
namespace {

using turnsim::testing::Line;
using turnsim::testing::Arc;

Otr PointRecord(float x, float z) {
  return Line(x, z, 0, 0);
}

// Every element ends where the next one starts.
void ExpectConnected(const Contour& c) {
  for (std::size_t i = 0; i + 1 < c.size(); ++i) {
    EXPECT_EQ(c[i].end.X, c[i + 1].start.X) << "at " << i;
    EXPECT_EQ(c[i].end.Z, c[i + 1].start.Z) << "at " << i;
  }
}

TEST(ProjectArcEnds, PutsArcEndsOnTheCircleAndRebuildsLines) {
  // The end was loaded 0.02 mm outside the circle of radius 5, at polar angle 30.
  const XZPoint centre{10, 20};
  const XZPoint offEnd{10 + 5.02f * 0.5f, 20 + 5.02f * 0.8660254f};
  Otr arc = Arc({15, 20}, offEnd, centre, -5);
  arc.spindle = 1;
  arc.number = 9;
  arc.cutZone = 1;
  Otr line = Line(15, 40, 15, 20);
  line.centre = {3, 3};
  line.radius = 2;
  line.number = 4;
  line.attribute = 6;

  const Contour result = ProjectArcEnds({line, arc});
  ASSERT_EQ(result.size(), 2u);

  const Otr& l = result[0];
  EXPECT_EQ(l.type, kLine);
  EXPECT_EQ(l.start.Z, 40.0f);
  EXPECT_EQ(l.end.Z, 20.0f);
  EXPECT_EQ(l.centre.X, 0.0f);
  EXPECT_EQ(l.centre.Z, 0.0f);
  EXPECT_EQ(l.radius, 0.0f);
  EXPECT_EQ(l.number, 0);
  EXPECT_EQ(l.attribute, 0);

  const Otr& a = result[1];
  EXPECT_EQ(a.type, kArc);
  EXPECT_NEAR(Distance(a.end, centre), 5.0f, 1e-5);
  EXPECT_NEAR(Trigonom(centre, a.end), Trigonom(centre, offEnd), 1e-3);
  EXPECT_NEAR(a.start.X, 15.0f, 1e-6);
  EXPECT_NEAR(a.start.Z, 20.0f, 1e-6);
  EXPECT_EQ(a.radius, -5.0f);
  EXPECT_EQ(a.centre.Z, 20.0f);
  EXPECT_EQ(a.spindle, 1);
  EXPECT_EQ(a.number, 0);
  EXPECT_EQ(a.cutZone, 0);
}

struct FinishCase {
  const char* name;
  Contour contour;
  std::size_t size;
  XZPoint lastEnd;
  bool renumbered;
};

// A path-finder contour of five elements, the k-th of which ends at `axisEnd`.
Contour FiveWithAxisAt(std::size_t k, Otr reaching) {
  Contour c{Line(20, 0, 20, -10), Line(20, -10, 10, -15), Line(10, -15, 8, -20),
            Line(8, -20, 8, -25), Line(8, -25, 5, -30)};
  c[k] = reaching;
  if (k + 1 < c.size()) {
    c[k + 1].start = reaching.end;
  }
  return c;
}

TEST(FinishCutProfile, CutsAfterTheFirstElementThatReachesTheAxis) {
  // The chord from (10, -15) to (0.003, -20) meets the axis a little beyond its end.
  const float crossing = -15.0f - 10.0f * 5.0f / 9.997f;
  Otr arcBelow = Arc({10, -15}, {-2, -27}, {10, -27}, 12);
  const FinishCase cases[] = {
      {"third of five ends at 0.003",
       FiveWithAxisAt(2, Line(10, -15, 0.003f, -20)),
       3,
       {0, crossing},
       true},
      {"arc ending below the axis is snapped on its chord",
       FiveWithAxisAt(2, arcBelow),
       3,
       {0, -25},
       true},
      {"perpendicular end keeps its Z",
       FiveWithAxisAt(1, Line(20, -10, -3, -10)),
       2,
       {0, -10},
       true},
      // A first element lying along the axis has a chord of slope 0: no crossing to move to.
      {"line on the axis keeps its Z", FiveWithAxisAt(0, Line(0, 0, 0, -10)), 1, {0, -10}, true},
      {"line within a hundredth of the axis keeps its Z",
       FiveWithAxisAt(0, Line(0.004f, 0, 0.002f, -10)),
       1,
       {0, -10},
       true},
      {"only the last reaches the axis",
       FiveWithAxisAt(4, Line(8, -25, 0.003f, -30)),
       5,
       {0.003f, -30},
       false},
      // Nothing reaches the axis: the contour is kept whole rather than lost.
      {"none reaches the axis", FiveWithAxisAt(4, Line(8, -25, 5, -30)), 5, {5, -30}, false},
      {"empty", {}, 0, {}, false},
  };
  for (const FinishCase& c : cases) {
    SCOPED_TRACE(c.name);
    Contour input = c.contour;
    for (Otr& e : input) {
      e.number = 40;
      e.cutZone = 1;
    }
    const Contour result = FinishCutProfile(input);
    ASSERT_EQ(result.size(), c.size);
    if (c.size == 0) {
      continue;
    }
    const Otr& last = result.back();
    EXPECT_TRUE(std::isfinite(last.end.X) && std::isfinite(last.end.Z));
    EXPECT_NEAR(last.end.X, c.lastEnd.X, 1e-6);
    EXPECT_NEAR(last.end.Z, c.lastEnd.Z, 1e-3);
    EXPECT_EQ(last.start.X, input[c.size - 1].start.X);
    EXPECT_EQ(last.type, input[c.size - 1].type);
    for (std::size_t i = 0; i < result.size(); ++i) {
      EXPECT_EQ(result[i].number, c.renumbered ? static_cast<std::int32_t>(i) : 40);
      EXPECT_EQ(result[i].cutZone, c.renumbered ? 0 : 1);
    }
  }
}

struct PolylineCase {
  const char* name;
  std::vector<XZPoint> points;
  std::vector<XZPoint> vertices; // start of every line, then the end of the last
};

TEST(PolylineFromPoints, ChainsDistinctNeighboursAndDropsTheClosingRecord) {
  const PolylineCase cases[] = {
      {"no records", {}, {}},
      {"one record", {{1, 1}}, {}},
      {"two records", {{1, 1}, {2, 3}}, {{1, 1}, {2, 3}}},
      {"repeated neighbours",
       {{1, 1}, {1.004f, 1}, {2, 3}, {4, 4}, {4, 4}},
       {{1.004f, 1}, {2, 3}, {4, 4}}},
      {"all at one point", {{1, 1}, {1, 1}, {1, 1}}, {}},
  };
  for (const PolylineCase& c : cases) {
    SCOPED_TRACE(c.name);
    Contour records;
    for (XZPoint p : c.points) {
      Otr r = PointRecord(p.X, p.Z);
      r.cutZone = 1;
      r.spindle = 1;
      records.push_back(r);
    }
    const Contour chain = PolylineFromPoints(records);
    const std::size_t lines = c.vertices.empty() ? 0 : c.vertices.size() - 1;
    ASSERT_EQ(chain.size(), lines);
    for (std::size_t i = 0; i < lines; ++i) {
      EXPECT_EQ(chain[i].start.X, c.vertices[i].X);
      EXPECT_EQ(chain[i].start.Z, c.vertices[i].Z);
      EXPECT_EQ(chain[i].end.X, c.vertices[i + 1].X);
      EXPECT_EQ(chain[i].end.Z, c.vertices[i + 1].Z);
      EXPECT_EQ(chain[i].cutZone, 1);
      EXPECT_EQ(chain[i].spindle, 1);
    }
  }
}

struct ArcLinesCase {
  const char* name;
  Otr arc;
  float h;
  std::size_t lines;
  double chord; // length of every line; 0 to skip
};

TEST(ArcToLines, MakesAboutHLinesPerRadianFromStartToEnd) {
  const float s10 = 10 * std::sin(10 * 3.14159265f / 180);
  const float c10 = 10 * std::cos(10 * 3.14159265f / 180);
  const double quarterChord = 2 * 10 * std::sin(11.25 * 3.14159265358979 / 180);
  const ArcLinesCase cases[] = {
      {"quarter clockwise", Arc({10, 0}, {0, 10}, {0, 0}, 10), 3, 4, quarterChord},
      {"quarter counter-clockwise", Arc({0, 10}, {10, 0}, {0, 0}, -10), 3, 4, quarterChord},
      {"quarter across 0 degrees",
       Arc({7.0710678f, 7.0710678f}, {-7.0710678f, 7.0710678f}, {0, 0}, 10), 3, 4, quarterChord},
      {"half circle", Arc({5, 0}, {-5, 0}, {0, 0}, -5), 2, 6,
       2 * 5 * std::sin(15 * 3.14159265358979 / 180)},
      {"flat arc gives one line", Arc({0, 10}, {s10, c10}, {0, 0}, -10), 3, 1, 0},
      {"no density gives one line", Arc({10, 0}, {0, 10}, {0, 0}, 10), 0, 1, 0},
      {"negative density gives one line", Arc({10, 0}, {0, 10}, {0, 0}, 10), -3, 1, 0},
      {"density not a number gives one line", Arc({10, 0}, {0, 10}, {0, 0}, 10),
       std::numeric_limits<float>::quiet_NaN(), 1, 0},
      // No circle to walk along: the chord keeps the chain from start to end.
      {"zero radius gives the chord", Arc({10, 0}, {0, 10}, {0, 0}, 0), 3, 1, 0},
  };
  for (const ArcLinesCase& c : cases) {
    SCOPED_TRACE(c.name);
    Otr arc = c.arc;
    arc.cutZone = 1;
    const Contour lines = ArcToLines(arc, c.h);
    ASSERT_EQ(lines.size(), c.lines);
    ExpectConnected(lines);
    EXPECT_NEAR(lines.front().start.X, arc.start.X, 1e-4);
    EXPECT_NEAR(lines.front().start.Z, arc.start.Z, 1e-4);
    EXPECT_NEAR(lines.back().end.X, arc.end.X, 1e-4);
    EXPECT_NEAR(lines.back().end.Z, arc.end.Z, 1e-4);
    for (const Otr& l : lines) {
      EXPECT_EQ(l.type, kLine);
      EXPECT_EQ(l.radius, 0.0f);
      EXPECT_EQ(l.cutZone, 1);
      if (c.chord > 0) {
        EXPECT_NEAR(Distance(l.start, l.end), c.chord, 1e-4);
      }
      if (c.arc.radius != 0) {
        EXPECT_NEAR(Distance(l.start, c.arc.centre), std::fabs(c.arc.radius), 1e-4);
      }
    }
  }
}

// The walk follows the arc's direction: the counter-clockwise quarter from polar angle 0 passes
// 22.5 degrees, the clockwise one from 90 passes 67.5.
TEST(ArcToLines, WalksInTheDirectionOfTheRadiusSign) {
  const Contour ccw = ArcToLines(Arc({0, 10}, {10, 0}, {0, 0}, -10), 3);
  ASSERT_EQ(ccw.size(), 4u);
  EXPECT_NEAR(Trigonom({0, 0}, ccw[0].end), 22.5f, 1e-3);
  const Contour cw = ArcToLines(Arc({10, 0}, {0, 10}, {0, 0}, 10), 3);
  ASSERT_EQ(cw.size(), 4u);
  EXPECT_NEAR(Trigonom({0, 0}, cw[0].end), 67.5f, 1e-3);
}

TEST(ArcToLines, DegenerateArcsStayBounded) {
  // A zero-length arc of no radius leaves nothing to draw.
  EXPECT_TRUE(ArcToLines(Arc({3, 3}, {3, 3}, {3, 3}, 0), 3).empty());
  // A density too large for any count is bounded, and points closer than a hundredth merge.
  const Contour fine = ArcToLines(Arc({10, 0}, {0, 10}, {0, 0}, 10), 1e30f);
  EXPECT_GT(fine.size(), 100u);
  EXPECT_LE(fine.size(), 100000u);
  ExpectConnected(fine);
  EXPECT_NEAR(fine.back().end.Z, 10.0f, 1e-3);
}

TEST(ApproximateArcs, ReplacesEveryArcByItsLinesInOrder) {
  EXPECT_TRUE(ApproximateArcs({}, 3).empty());

  Otr first = Line(10, 20, 10, 0);
  first.number = 3;
  Otr last = Line(0, 10, 0, -5);
  last.number = 8;
  const Contour result = ApproximateArcs({first, Arc({10, 0}, {0, 10}, {0, 0}, 10), last}, 3);
  ASSERT_EQ(result.size(), 6u);
  EXPECT_EQ(result.front().number, 3);
  EXPECT_EQ(result.back().number, 8);
  for (std::size_t i = 0; i + 1 < result.size(); ++i) {
    EXPECT_TRUE(SamePoint(result[i].end, result[i + 1].start)) << "at " << i;
    EXPECT_EQ(result[i].type, kLine);
  }
}

struct ArraysCase {
  const char* name;
  float lastEndX;
  double writtenX;
};

TEST(ContourToArrays, WritesStartsThenTheLastEndOffTheAxis) {
  const ArraysCase cases[] = {
      {"on the axis", 0.0f, 0.01},
      {"within a hundredth of the axis", 0.004f, 0.01},
      {"just below the axis", -0.004f, 0.01},
      {"away from the axis", 0.5f, 0.5},
  };
  for (const ArraysCase& c : cases) {
    SCOPED_TRACE(c.name);
    Contour profile{Line(10, 20, 10, 0), Line(10, 0, c.lastEndX, -4)};
    profile[0].cutZone = 1;
    profile[1].cutZone = 1;
    std::vector<double> x(3, -1), z(3, -1);
    std::vector<std::uint8_t> marks(3, 9);
    ASSERT_EQ(ContourToArrays(profile, x, z, marks), 2);
    EXPECT_EQ(x[0], 10.0);
    EXPECT_EQ(z[0], 20.0);
    EXPECT_EQ(z[1], 0.0);
    EXPECT_EQ(marks[0], 0);
    EXPECT_EQ(marks[1], 0);
    EXPECT_EQ(x[2], c.writtenX);
    EXPECT_EQ(z[2], -4.0);
    EXPECT_EQ(marks[2], 1);
  }
}

TEST(ContourToArrays, RefusesWhatItCannotWrite) {
  std::vector<double> x(1, -1), z(1, -1);
  std::vector<std::uint8_t> marks(1, 9);
  // An empty contour has no vertex: nothing is written.
  EXPECT_EQ(ContourToArrays({}, x, z, marks), -1);
  EXPECT_EQ(x[0], -1.0);
  EXPECT_EQ(marks[0], 9);
  // One element needs two entries.
  EXPECT_THROW(ContourToArrays({Line(1, 1, 2, 2)}, x, z, marks), std::length_error);
}

} // namespace
} // namespace turnsim
