// What a cut does to a profile: regions that miss or only touch it, a corner cut, a groove,
// cuts through arcs, facing and parting passes to the centre, the spindle refusal, rapid moves
// and the failures of a broken graph.
#include "turnsim/graph/graph_cut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/graph/graph_shapes.h"
#include "tests/support/recording_messages.h"
#include "turnsim/graph/graf.h"

namespace turnsim {
namespace {

using testing::Bar;
using testing::ExpectContour;
using testing::Line;
using testing::RecordingMessages;
using testing::Rectangle;

struct NoCutCase {
  const char* name;
  Contour swept;
};

// Regions that cross no workpiece element leave the profile exactly as it was: outside it,
// inside it, and touching it only at its corner (20, 100), whose crossings coincide with element
// ends and split nothing.
TEST(GraphCut, RegionsThatSplitNothingLeaveTheProfile) {
  const std::vector<NoCutCase> cases{
      {"outside", Rectangle(30, 40, 20, 60)},
      {"inside without touching", Rectangle(5, 10, 40, 50)},
      {"touching the corner from outside", Rectangle(20, 30, 100, 110)},
  };
  for (const NoCutCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingMessages messages;
    const GraphCutResult cut = CutWithGraph(Bar(), c.swept, false);
    EXPECT_FALSE(cut.refused);
    EXPECT_EQ(cut.reason, GraphCutReason::NothingToCut);
    ExpectContour(cut.path, Bar(), 0.0f);
    EXPECT_TRUE(cut.message.empty());
    EXPECT_TRUE(messages.texts.empty());
  }
}

// A diamond whose lowest corner rests on the outside of the bar at (20, 50) splits that element
// there, but its way round closes only on itself: the one loop kept is the whole profile, now in
// four elements of the same shape.
TEST(GraphCut, CornerRestingOnAnElementSplitsItOnly) {
  const Contour diamond{Line({20, 50}, {25, 45}), Line({25, 45}, {30, 50}),
                        Line({30, 50}, {25, 55}), Line({25, 55}, {20, 50})};
  const GraphCutResult cut = CutWithGraph(Bar(), diamond, false);
  EXPECT_FALSE(cut.refused);
  EXPECT_EQ(cut.reason, GraphCutReason::Cut);
  ExpectContour(cut.path, {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 50}),
                           Line({20, 50}, {20, 100}), Line({20, 100}, {0, 100})});
}

// The rectangle X 15..25, Z 90..110 takes the corner (20, 100) off the bar of radius 20 and
// length 100. It crosses the outside at (20, 90) and the right face at (15, 100); the loop that
// follows the region's reversed sides between them encloses 20 x 100 - 5 x 10 = 1950 mm², less
// than the uncut bar's 2000, and is kept.
TEST(GraphCut, RectangleTakesTheCornerOffABar) {
  GRAF graph(Bar(), Rectangle(15, 25, 90, 110));
  const Contour& result = graph.GetResult(false);
  EXPECT_EQ(graph.LoopsFound(), 2);
  EXPECT_DOUBLE_EQ(graph.BestArea(), 1950.0);
  ExpectContour(result, {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 90}), Line({20, 90}, {15, 90}),
                         Line({15, 90}, {15, 100}), Line({15, 100}, {0, 100})});
}

// A groove X 15..25, Z 40..50 crosses the outside twice. The region's sides are listed from the
// far side (Z 50) first, so the crossings are found out of order along the element and must be
// put in order of distance from its start before the element is cut into pieces. The outside is
// replaced by its two outer pieces with the reversed groove sides between them.
TEST(GraphCut, GrooveReplacesTheMiddleOfAnElement) {
  for (int first = 0; first < 4; ++first) {
    SCOPED_TRACE("region starting with side " + std::to_string(first));
    const GraphCutResult cut = CutWithGraph(Bar(), Rectangle(15, 25, 40, 50, first), false);
    EXPECT_EQ(cut.reason, GraphCutReason::Cut);
    ExpectContour(cut.path,
                  {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 40}), Line({20, 40}, {15, 40}),
                   Line({15, 40}, {15, 50}), Line({15, 50}, {20, 50}), Line({20, 50}, {20, 100}),
                   Line({20, 100}, {0, 100})});
  }
}

// A groove with a round bottom: the region's bottom is a clockwise half circle about (14, 45)
// of radius 5 from (14, 50) to (14, 40). Reversed into the profile it runs from (14, 40) to
// (14, 50) counter-clockwise, radius -5.
TEST(GraphCut, RoundBottomedGrooveKeepsTheArcReversed) {
  const Contour swept{Line({14, 40}, {25, 40}), Line({25, 40}, {25, 50}), Line({25, 50}, {14, 50}),
                      testing::Arc({14, 50}, {14, 40}, {14, 45}, 5.0f)};
  const GraphCutResult cut = CutWithGraph(Bar(), swept, false);
  ExpectContour(cut.path,
                {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 40}), Line({20, 40}, {14, 40}),
                 testing::Arc({14, 40}, {14, 50}, {14, 45}, -5.0f), Line({14, 50}, {20, 50}),
                 Line({20, 50}, {20, 100}), Line({20, 100}, {0, 100})});
}

// A bar whose right corner is rounded (clockwise arc of radius 10 about (10, 90)) cut by the
// rectangle X 15..25, Z 80..110: the arc is crossed where X = 15, at Z = 90 + sqrt(75), and its
// remaining piece keeps the arc's centre and radius.
TEST(GraphCut, CutThroughAnArcKeepsItsCircle) {
  const Contour rounded{Line({0, 0}, {20, 0}), Line({20, 0}, {20, 90}),
                        testing::Arc({20, 90}, {10, 100}, {10, 90}, 10.0f),
                        Line({10, 100}, {0, 100})};
  const float z = 90.0f + std::sqrt(75.0f);
  const GraphCutResult cut = CutWithGraph(rounded, Rectangle(15, 25, 80, 110), false);
  ExpectContour(cut.path,
                {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 80}), Line({20, 80}, {15, 80}),
                 Line({15, 80}, {15, z}), testing::Arc({15, z}, {10, 100}, {10, 90}, 10.0f),
                 Line({10, 100}, {0, 100})},
                0.01f);
}

struct FacingCase {
  const char* name;
  Contour swept;
  Contour expected;
};

// Facing and parting passes. A region reaching across the axis crosses the closing line of the
// profile (the axis from Z 100 back to Z 0) as well, and the cut ends on the axis there: the
// face is removed, or the part is parted off and its left piece kept. A region ending exactly on
// the axis gives the same face, and a drill along the axis leaves a hole in the right face. A
// pass stopping 1 mm short of the axis leaves a pip of radius 1 standing at the centre.
TEST(GraphCut, FacingAndPartingPassesToTheCentre) {
  const std::vector<FacingCase> cases{
      {"facing across the axis",
       Rectangle(-1, 25, 98, 102),
       {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 98}), Line({20, 98}, {0, 98})}},
      {"facing to the axis",
       Rectangle(0, 25, 98, 102),
       {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 98}), Line({20, 98}, {0, 98})}},
      {"parting across the axis",
       Rectangle(-1, 25, 50, 52),
       {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 50}), Line({20, 50}, {0, 50})}},
      {"drilling along the axis from the right face",
       Rectangle(-5, 5, 80, 110),
       {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 100}), Line({20, 100}, {5, 100}),
        Line({5, 100}, {5, 80}), Line({5, 80}, {0, 80})}},
      {"facing short of the axis",
       Rectangle(1, 25, 98, 102),
       {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 98}), Line({20, 98}, {1, 98}),
        Line({1, 98}, {1, 100}), Line({1, 100}, {0, 100})}},
  };
  for (const FacingCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingMessages messages;
    const GraphCutResult cut = CutWithGraph(Bar(), c.swept, false);
    EXPECT_FALSE(cut.refused);
    EXPECT_EQ(cut.reason, GraphCutReason::Cut);
    ExpectContour(cut.path, c.expected);
    EXPECT_TRUE(messages.texts.empty());
  }
}

// The profile begins on the axis at Z 10 with a cone face out to (20, 0). The kept loop begins
// at that face; the result begins with the element of least start Z, the outside from (20, 0),
// ends with the cone face, and leaves out the closing line along the axis.
TEST(GraphCut, ResultBeginsAtLeastStartZWithoutAxisElements) {
  const Contour cone{Line({0, 10}, {20, 0}), Line({20, 0}, {20, 100}), Line({20, 100}, {0, 100})};
  const GraphCutResult cut = CutWithGraph(cone, Rectangle(15, 25, 40, 50), false);
  ExpectContour(cut.path,
                {Line({20, 0}, {20, 40}), Line({20, 40}, {15, 40}), Line({15, 40}, {15, 50}),
                 Line({15, 50}, {20, 50}), Line({20, 50}, {20, 100}), Line({20, 100}, {0, 100}),
                 Line({0, 10}, {20, 0})});
}

// The bar is held by its outside up to Z 30 while its left face is free, so the loop begins at
// the held piece (20, 0)-(20, 30). The result still begins with the left face on the axis, the
// element that starts at the least Z nearest the axis, and ends on the axis at the right face.
TEST(GraphCut, HeldOutsideKeepsTheFreeLeftFaceFirst) {
  const Contour held{Line({0, 0}, {20, 0}), Line({20, 0}, {20, 30}, 1), Line({20, 30}, {20, 100}),
                     Line({20, 100}, {0, 100})};
  const GraphCutResult cut = CutWithGraph(held, Rectangle(15, 25, 40, 50), false);
  EXPECT_EQ(cut.reason, GraphCutReason::Cut);
  ExpectContour(cut.path,
                {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 30}, 1), Line({20, 30}, {20, 40}),
                 Line({20, 40}, {15, 40}), Line({15, 40}, {15, 50}), Line({15, 50}, {20, 50}),
                 Line({20, 50}, {20, 100}), Line({20, 100}, {0, 100})});
}

// With the outside held and the left face free, the search marks the way out of the left
// face's start as taken before it begins, so the first route to arrive there, the one along the
// whole profile, closes no loop. A diamond resting on the outside splits it but offers no other
// loop: the search keeps none, and the cut is refused with the profile as it was.
TEST(GraphCut, SearchWithoutLoopKeepsTheProfile) {
  const Contour held{Line({0, 0}, {20, 0}), Line({20, 0}, {20, 30}, 1), Line({20, 30}, {20, 100}),
                     Line({20, 100}, {0, 100})};
  const Contour diamond{Line({20, 50}, {25, 45}), Line({25, 45}, {30, 50}),
                        Line({30, 50}, {25, 55}), Line({25, 55}, {20, 50})};
  RecordingMessages messages;
  const GraphCutResult cut = CutWithGraph(held, diamond, false);
  EXPECT_TRUE(cut.refused);
  EXPECT_EQ(cut.reason, GraphCutReason::NoProfile);
  ExpectContour(cut.path, held, 0.0f);
  EXPECT_TRUE(cut.message.empty());
  EXPECT_TRUE(messages.texts.empty());
}

struct SpindleCase {
  const char* name;
  Contour swept;
  bool rapid;
  bool refused;
  GraphCutReason reason;
};

// The bar is held by its left face and the outside up to Z 30 (spindle elements). Any crossing
// on them refuses the cut, also when a later, free element is crossed too; the profile stays as
// it was and the cut step is given "Can't cut SHPINDEL!". A groove on the free part cuts, and a
// rapid move over the held part cuts nothing and asks for no message.
TEST(GraphCut, CrossingTheHeldPartIsRefused) {
  const Contour held{Line({0, 0}, {20, 0}, 1), Line({20, 0}, {20, 30}, 1),
                     Line({20, 30}, {20, 100}), Line({20, 100}, {0, 100})};
  const std::vector<SpindleCase> cases{
      {"groove on the held part", Rectangle(15, 25, 10, 20), false, true, GraphCutReason::Spindle},
      {"region across held and free part", Rectangle(15, 25, 20, 40), false, true,
       GraphCutReason::Spindle},
      {"groove on the free part", Rectangle(15, 25, 50, 60), false, false, GraphCutReason::Cut},
      {"rapid move over the held part", Rectangle(15, 25, 10, 20), true, false,
       GraphCutReason::Rapid},
  };
  for (const SpindleCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingMessages messages;
    GRAF graph(held, c.swept);
    graph.GetResult(c.rapid);
    EXPECT_EQ(graph.SpindleHit(), c.refused);
    EXPECT_EQ(graph.SpindleMarkA(), c.refused ? 1976 : -1);
    EXPECT_EQ(graph.SpindleMarkB(), c.refused ? 1976 : -10);

    const GraphCutResult cut = CutWithGraph(held, c.swept, c.rapid);
    EXPECT_EQ(cut.refused, c.refused);
    EXPECT_EQ(cut.reason, c.reason);
    EXPECT_EQ(cut.message, c.refused ? "Can't cut SHPINDEL!" : "");
    EXPECT_TRUE(messages.texts.empty());
    if (c.reason != GraphCutReason::Cut) {
      ExpectContour(cut.path, held, 0.0f);
    }
  }
  const GraphCutResult free = CutWithGraph(held, Rectangle(15, 25, 50, 60), false);
  ExpectContour(free.path,
                {Line({0, 0}, {20, 0}, 1), Line({20, 0}, {20, 30}, 1), Line({20, 30}, {20, 50}),
                 Line({20, 50}, {15, 50}), Line({15, 50}, {15, 60}), Line({15, 60}, {20, 60}),
                 Line({20, 60}, {20, 100}), Line({20, 100}, {0, 100})});
}

// A profile with two gaps: the outside starts 1 mm beyond the end of the left face, and the
// right face starts 1 mm inside the end of the outside, so two piece ends have no vertex. The
// message is shown once, and the cut is refused with the profile unchanged.
TEST(GraphCut, PieceEndWithoutVertexRefusesTheCut) {
  const Contour gap{Line({0, 0}, {20, 0}), Line({20, 1}, {20, 100}), Line({19, 100}, {0, 100})};
  RecordingMessages messages;
  const GraphCutResult cut = CutWithGraph(gap, Rectangle(15, 25, 40, 50), false);
  EXPECT_TRUE(cut.refused);
  EXPECT_EQ(cut.reason, GraphCutReason::NoVertex);
  ExpectContour(cut.path, gap, 0.0f);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"WhatNumber: Can't find point's number."});
}

// An open region (a groove outline without its bottom side) leaves a vertex with no way out at
// (10, 40). The search reports it once, steps back from it and goes on: the only loop left is
// the whole profile, cut into pieces at the crossings.
TEST(GraphCut, DeadEndIsReportedAndPassed) {
  const Contour open{Line({10, 40}, {25, 40}), Line({25, 40}, {25, 50}), Line({25, 50}, {10, 50})};
  RecordingMessages messages;
  const GraphCutResult cut = CutWithGraph(Bar(), open, false);
  EXPECT_EQ(cut.reason, GraphCutReason::Cut);
  ExpectContour(cut.path, {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 40}), Line({20, 40}, {20, 50}),
                           Line({20, 50}, {20, 100}), Line({20, 100}, {0, 100})});
  EXPECT_EQ(messages.texts, std::vector<std::string>{"PathFinder: ERROR_CODE: -1"});
}

} // namespace
} // namespace turnsim
