// The region swept by the insert along one motion, checked element by element for linear
// motions along Z, along X and oblique, and for a circular motion.
#include "turnsim/tooling/swept_region.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/recording_messages.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/tooling/tool_shape.h"

namespace turnsim {
namespace {

using testing::RecordingMessages;

// A triangular insert of side 16 and nose radius 0.8, not turned by its holder. Its outline
// runs clockwise from the tool point's corner: O (0, 0), A (11.4564, -6.6144) on the left,
// B (11.4564, 6.6144) on the right.
TOOL_CLASS UnturnedTriangle() {
  TOOL_CLASS tool;
  tool.info.cut.kind = "T";
  tool.info.cut.sideLength = 16.0f;
  tool.info.cut.noseRadius = 0.8f;
  tool.info.hand = "N";
  tool.info.mainAngle = 93.0f;
  return tool;
}

CldataCommand Line(XZPoint from, XZPoint to) {
  CldataCommand k;
  k.code = kCommandLine;
  k.start = from;
  k.end = to;
  return k;
}

CldataCommand Arc(XZPoint from, XZPoint to, XZPoint centre, float radius) {
  CldataCommand k;
  k.code = kCommandArc;
  k.start = from;
  k.end = to;
  k.centre = centre;
  k.radius = radius;
  return k;
}

struct Row {
  std::int32_t type;
  double sx, sz, ex, ez;
  double cx, cz; // checked for arcs only
  float radius;
};

struct RegionCase {
  const char* name;
  CldataCommand command;
  std::size_t splitCount;
  ExtremePairs pairs; // iA, iB, iC, iD
  std::vector<Row> region;
};

// Along Z the extremes are the least X (the split point (-0.8, 0) of the nose) and the
// greatest X (the top edge, first of its two ends).
const std::vector<Row> kAlongZ = {
    {kArc, 19.2000, -10.0000, 19.6000, -10.6928, 20.0000, -10.0000, 0.8f},
    {kLine, 19.6000, -10.6928, 31.0564, -17.3072, 0, 0, 0.0f},
    {kArc, 31.0564, -17.3072, 32.2564, -16.6144, 31.4564, -16.6144, 0.8f},
    {kLine, 32.2564, -16.6144, 32.2564, -6.6144, 0, 0, 0.0f},
    {kLine, 32.2564, -6.6144, 32.2564, 6.6144, 0, 0, 0.0f},
    {kArc, 32.2564, 6.6144, 31.0564, 7.3072, 31.4564, 6.6144, 0.8f},
    {kLine, 31.0564, 7.3072, 19.6000, 0.6928, 0, 0, 0.0f},
    {kArc, 19.6000, 0.6928, 19.2000, 0.0000, 20.0000, 0.0000, 0.8f},
    {kLine, 19.2000, 0.0000, 19.2000, -10.0000, 0, 0, -19.2f},
};

// Along X the extremes are in Z: the corners A and B split at their outermost points.
const std::vector<Row> kAlongX = {
    {kArc, 41.4564, -2.4144, 42.2564, -1.6144, 41.4564, -1.6144, 0.8f},
    {kLine, 42.2564, -1.6144, 42.2564, 11.6144, 0, 0, 0.0f},
    {kArc, 42.2564, 11.6144, 41.4564, 12.4144, 41.4564, 11.6144, 0.8f},
    {kLine, 41.4564, 12.4144, 21.4564, 12.4144, 0, 0, 0.0f},
    {kArc, 21.4564, 12.4144, 21.0564, 12.3072, 21.4564, 11.6144, 0.8f},
    {kLine, 21.0564, 12.3072, 9.6000, 5.6928, 0, 0, 0.0f},
    {kArc, 9.6000, 5.6928, 9.6000, 4.3072, 10.0000, 5.0000, 0.8f},
    {kLine, 9.6000, 4.3072, 21.0564, -2.3072, 0, 0, 0.0f},
    {kArc, 21.0564, -2.3072, 21.4564, -2.4144, 21.4564, -1.6144, 0.8f},
    {kLine, 21.4564, -2.4144, 41.4564, -2.4144, 0, 0, -21.5918f},
};

// At 45 degrees the corners A and O are split where their tangents run along the motion.
const std::vector<Row> kOblique = {
    {kArc, 42.0221, 2.8200, 42.2564, 3.3856, 41.4564, 3.3856, 0.8f},
    {kLine, 42.2564, 3.3856, 42.2564, 16.6144, 0, 0, 0.0f},
    {kArc, 42.2564, 16.6144, 41.0564, 17.3072, 41.4564, 16.6144, 0.8f},
    {kLine, 41.0564, 17.3072, 29.6000, 10.6928, 0, 0, 0.0f},
    {kArc, 29.6000, 10.6928, 29.4343, 10.5657, 30.0000, 10.0000, 0.8f},
    {kLine, 29.4343, 10.5657, 19.4343, 0.5657, 0, 0, 0.0f},
    {kArc, 19.4343, 0.5657, 19.6000, -0.6928, 20.0000, 0.0000, 0.8f},
    {kLine, 19.6000, -0.6928, 31.0564, -7.3072, 0, 0, 0.0f},
    {kArc, 31.0564, -7.3072, 32.0221, -7.1800, 31.4564, -6.6144, 0.8f},
    {kLine, 32.0221, -7.1800, 42.0221, 2.8200, 0, 0, -32.8172f},
};

// A clockwise quarter circle about (20, 10) from its top (30, 10) to its right (20, 20): the
// extremes are taken in X at the start and in Z at the end, and the region closes with an arc
// about the motion's centre.
const std::vector<Row> kQuarterCircle = {
    {kArc, 29.2000, 10.0000, 29.6000, 9.3072, 30.0000, 10.0000, 0.8f},
    {kLine, 29.6000, 9.3072, 41.0564, 2.6928, 0, 0, 0.0f},
    {kArc, 41.0564, 2.6928, 41.4564, 2.5856, 41.4564, 3.3856, 0.8f},
    {kArc, 41.4564, 2.5856, 42.2564, 3.3856, 41.4564, 3.3856, 0.8f},
    {kLine, 42.2564, 3.3856, 31.4564, 27.4144, 0, 0, 0.0f},
    {kArc, 31.4564, 27.4144, 31.0564, 27.3072, 31.4564, 26.6144, 0.8f},
    {kLine, 31.0564, 27.3072, 19.6000, 20.6928, 0, 0, 0.0f},
    {kArc, 19.6000, 20.6928, 19.2000, 20.0000, 20.0000, 20.0000, 0.8f},
    {kArc, 19.2000, 20.0000, 19.6000, 19.3072, 20.0000, 20.0000, 0.8f},
    {kLine, 19.6000, 19.3072, 31.0564, 12.6928, 0, 0, 0.0f},
    {kArc, 31.0564, 12.6928, 31.4564, 12.5856, 31.4564, 13.3856, 0.8f},
    {kArc, 31.4564, 12.5856, 29.2000, 10.0000, 20.0000, 10.0000, -11.7446f},
};

const RegionCase kCases[] = {
    {"along -Z", Line({20, 0}, {20, -10}), 7, {6, 2, 6, 2}, kAlongZ},
    {"along +Z", Line({20, -10}, {20, 0}), 7, {6, 2, 6, 2}, kAlongZ},
    {"down X", Line({30, 5}, {10, 5}), 8, {2, 5, 2, 5}, kAlongX},
    {"up X", Line({10, 5}, {30, 5}), 8, {2, 5, 2, 5}, kAlongX},
    {"oblique down", Line({30, 10}, {20, 0}), 8, {2, 7, 2, 7}, kOblique},
    {"oblique up", Line({20, 0}, {30, 10}), 8, {2, 7, 2, 7}, kOblique},
    {"clockwise arc", Arc({30, 10}, {20, 20}, {20, 10}, 10), 9, {8, 3, 2, 5}, kQuarterCircle},
    {"same arc backwards", Arc({20, 20}, {30, 10}, {20, 10}, -10), 9, {8, 3, 2, 5}, kQuarterCircle},
};

TEST(SweptRegion, ExamplesElementByElement) {
  for (const RegionCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TOOL_CLASS tool = UnturnedTriangle();
    const Contour outline = BuildInsertContour(tool);
    const Contour split = SplitToolArcs(outline, c.command);
    EXPECT_EQ(split.size(), c.splitCount);
    const ExtremePairs pairs = ExtremeElements(split, c.command);
    EXPECT_EQ(pairs.minFirst, c.pairs.minFirst);
    EXPECT_EQ(pairs.maxFirst, c.pairs.maxFirst);
    EXPECT_EQ(pairs.minSecond, c.pairs.minSecond);
    EXPECT_EQ(pairs.maxSecond, c.pairs.maxSecond);

    const Contour region = SweptRegion(tool, c.command);
    ASSERT_EQ(region.size(), c.region.size());
    for (std::size_t i = 0; i < region.size(); ++i) {
      SCOPED_TRACE("element " + std::to_string(i));
      const Otr& e = region[i];
      const Row& r = c.region[i];
      EXPECT_EQ(e.type, r.type);
      EXPECT_NEAR(e.start.X, r.sx, 1e-3);
      EXPECT_NEAR(e.start.Z, r.sz, 1e-3);
      EXPECT_NEAR(e.end.X, r.ex, 1e-3);
      EXPECT_NEAR(e.end.Z, r.ez, 1e-3);
      if (e.IsArc()) {
        EXPECT_NEAR(e.centre.X, r.cx, 1e-3);
        EXPECT_NEAR(e.centre.Z, r.cz, 1e-3);
      }
      EXPECT_NEAR(e.radius, r.radius, 1e-3);
      EXPECT_EQ(e.spindle, 0);
      EXPECT_EQ(e.cutZone, 0);
      // The joining elements are marked; the placed outline is not.
      const bool joining = e.number == 1;
      EXPECT_EQ(e.attribute, joining ? 1 : 0);
      // Closed: each element ends exactly where the next begins.
      const Otr& next = region[(i + 1) % region.size()];
      EXPECT_EQ(e.end.X, next.start.X);
      EXPECT_EQ(e.end.Z, next.start.Z);
    }
    EXPECT_EQ(region[c.region.size() - 1].number, 1);
  }
}

TEST(NormalisedCommand, StartIsTheUpperPointOrTheLeftOneAtTheSameX) {
  struct Case {
    CldataCommand k;
    bool swapped;
  };
  const Case cases[] = {
      {Line({20, 0}, {20, -10}), true},
      {Line({20, -10}, {20, 0}), false},
      {Line({10, 5}, {30, 5}), true},
      {Line({30, 5}, {10, 5}), false},
      {Line({19.996f, 0}, {20, -10}), true}, // the same X by hundredths
      {Line({20.004f, 0}, {20, -10}), false},
      {Line({5.001f, 5}, {5.004f, 5}), true}, // the same point by hundredths: exchanged
      {Arc({10, 0}, {20, 10}, {10, 10}, 10), true},
  };
  for (const Case& c : cases) {
    const CldataCommand n = NormalisedCommand(c.k);
    const XZPoint start = c.swapped ? c.k.end : c.k.start;
    const XZPoint end = c.swapped ? c.k.start : c.k.end;
    EXPECT_EQ(n.start.X, start.X) << c.k.start.X;
    EXPECT_EQ(n.start.Z, start.Z) << c.k.start.X;
    EXPECT_EQ(n.end.X, end.X) << c.k.start.X;
    EXPECT_EQ(n.end.Z, end.Z) << c.k.start.X;
    EXPECT_EQ(n.radius, c.swapped ? -c.k.radius : c.k.radius);
    EXPECT_EQ(n.centre.X, c.k.centre.X);
  }
}

TEST(SplitArcAtTangents, ArcWithoutTangentAlongTheMotionStaysWhole) {
  // The corner A arc runs from polar angle 210 down to 90: no tangent along Z inside it.
  TOOL_CLASS tool = UnturnedTriangle();
  const Otr cornerA = TriangleInsert(tool)[1];
  const Contour pieces = SplitArcAtTangents(Line({20, 0}, {20, -10}), cornerA);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].start.X, cornerA.start.X);
  EXPECT_EQ(pieces[0].end.Z, cornerA.end.Z);
  EXPECT_EQ(pieces[0].radius, cornerA.radius);

  // A circular motion whose tangents at its two ends (45 and 0 degrees) touch the nose arc at
  // polar angles 315 and 270 cuts it into three pieces, ordered from the arc's start whichever
  // end of the motion gives which point.
  const Otr nose = TriangleInsert(tool)[5]; // polar angles 330 down to 210
  for (const CldataCommand& k : {Arc({7.0711f, -7.0711f}, {10, 0}, {0, 0}, 10),
                                 Arc({10, 0}, {7.0711f, -7.0711f}, {0, 0}, -10)}) {
    const Contour three = SplitArcAtTangents(k, nose);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].start.X, nose.start.X);
    EXPECT_NEAR(three[0].end.X, -0.5657, 1e-3); // polar angle 315
    EXPECT_NEAR(three[1].end.X, -0.8, 1e-3);    // polar angle 270
    EXPECT_EQ(three[2].end.X, nose.end.X);
    EXPECT_EQ(three[0].end.X, three[1].start.X);
    EXPECT_EQ(three[1].end.Z, three[2].start.Z);
  }
}

TEST(SplitToolArcs, OutlineOfLinesIsCopiedUnsplit) {
  Contour square;
  const XZPoint corners[] = {{0, 0}, {5, 0}, {5, 5}, {0, 5}};
  for (int i = 0; i < 4; ++i) {
    Otr e;
    e.number = 9;
    e.start = corners[i];
    e.end = corners[(i + 1) % 4];
    e.centre = {3, 3};
    square.push_back(e);
  }
  const Contour split = SplitToolArcs(square, Line({20, 0}, {10, -10}));
  ASSERT_EQ(split.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(split[i].start.X, square[i].start.X);
    EXPECT_EQ(split[i].end.Z, square[i].end.Z);
    EXPECT_EQ(split[i].number, 0);      // built anew
    EXPECT_EQ(split[i].centre.X, 0.0f); // a line has no centre
  }
}

TEST(BuildSweptRegion, CoincidingExtremesPlaceTheWholeOutline) {
  TOOL_CLASS tool = UnturnedTriangle();
  const Contour outline = BuildInsertContour(tool);
  const CldataCommand k = Line({20, 0}, {20, -10});
  const Contour region = BuildSweptRegion(k, outline, {3, 3, 1, 1});
  // All six at the start point (20, -10), the line across, all six at (20, 0), the way back.
  ASSERT_EQ(region.size(), 14u);
  EXPECT_NEAR(region[0].start.X, outline[3].start.X + 20, 1e-4);
  EXPECT_NEAR(region[0].start.Z, outline[3].start.Z - 10, 1e-4);
  EXPECT_NEAR(region[7].start.Z, outline[1].start.Z, 1e-4);
  EXPECT_EQ(region[13].end.X, region[0].start.X);

  EXPECT_THROW(BuildSweptRegion(k, outline, {0, 6, 0, 0}), std::out_of_range);
  EXPECT_THROW(BuildSweptRegion(k, outline, {-1, 0, 0, 0}), std::out_of_range);
}

TEST(SweptRegion, NothingIsSweptWithoutAnOutlineOrAMotion) {
  TOOL_CLASS kindC = UnturnedTriangle();
  kindC.info.cut.kind = "C";
  kindC.info.hand = "R";
  EXPECT_TRUE(SweptRegion(kindC, Line({20, 0}, {20, -10})).empty());
  EXPECT_TRUE(SweptRegion(kindC, Arc({30, 10}, {20, 20}, {20, 10}, 10)).empty());

  RecordingMessages messages;
  TOOL_CLASS tool = UnturnedTriangle();
  CldataCommand rapid = Line({20, 0}, {20, -10});
  rapid.code = kCommandRapid;
  EXPECT_TRUE(SweptRegion(tool, rapid).empty());
  // Shown once for every arc of the outline.
  EXPECT_EQ(messages.texts, std::vector<std::string>(3, "Unknown internal CLDATA instruction."));
  const ExtremePairs none = ExtremeElements(TriangleInsert(tool), rapid);
  EXPECT_EQ(none.minFirst + none.maxFirst + none.minSecond + none.maxSecond, 0);
}

} // namespace
} // namespace turnsim
