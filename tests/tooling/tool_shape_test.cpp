// The insert contour of a tool, its turn by the holder, and the insert and holder placed at a
// tool position.
#include "turnsim/tooling/tool_shape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "tests/support/recording_messages.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {
namespace {

using testing::RecordingMessages;

// A triangular insert of side 16 and nose radius 0.8 in a holder of the given hand.
TOOL_CLASS TriangleTool(const std::string& hand, float fi) {
  TOOL_CLASS tool;
  tool.info.cut.name = "TNMG 160408";
  tool.info.cut.kind = "T";
  tool.info.cut.sideLength = 16.0f;
  tool.info.cut.noseRadius = 0.8f;
  tool.info.hand = hand;
  tool.info.mainAngle = fi;
  return tool;
}

CldataCommand MoveTo(float x, float z) {
  CldataCommand k;
  k.code = kCommandLine;
  k.end = {x, z};
  return k;
}

void ExpectFatal(const std::function<void()>& action, const std::string& text, int code) {
  try {
    action();
    ADD_FAILURE() << "expected FatalExit \"" << text << "\"";
  } catch (const FatalExit& e) {
    EXPECT_EQ(e.what(), text);
    EXPECT_EQ(e.code(), code);
  }
}

void ExpectPoint(XZPoint p, double x, double z, const char* what) {
  EXPECT_NEAR(p.X, x, 1e-3) << what;
  EXPECT_NEAR(p.Z, z, 1e-3) << what;
}

// Every element ends where the next begins, the last where the first begins.
void ExpectClosed(const Contour& c) {
  for (std::size_t i = 0; i < c.size(); ++i) {
    const Otr& next = c[(i + 1) % c.size()];
    EXPECT_EQ(c[i].end.X, next.start.X) << i;
    EXPECT_EQ(c[i].end.Z, next.start.Z) << i;
  }
}

TEST(TriangleInsert, CornerArcsOfTheNoseRadius) {
  struct Row {
    std::int32_t type;
    double sx, sz, ex, ez, cx, cz;
    float radius;
  };
  // Corner centres O = (0, 0), A = (11.4564, -6.6144), B = (11.4564, 6.6144).
  const Row rows[] = {
      {kLine, -0.4, -0.6928, 11.0564, -7.3072, 0, 0, 0.0f},
      {kArc, 11.0564, -7.3072, 12.2564, -6.6144, 11.4564, -6.6144, 0.8f},
      {kLine, 12.2564, -6.6144, 12.2564, 6.6144, 0, 0, 0.0f},
      {kArc, 12.2564, 6.6144, 11.0564, 7.3072, 11.4564, 6.6144, 0.8f},
      {kLine, 11.0564, 7.3072, -0.4, 0.6928, 0, 0, 0.0f},
      {kArc, -0.4, 0.6928, -0.4, -0.6928, 0, 0, 0.8f},
  };
  const Contour c = TriangleInsert(TriangleTool("N", 93));
  ASSERT_EQ(c.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(c[i].type, rows[i].type);
    ExpectPoint(c[i].start, rows[i].sx, rows[i].sz, "start");
    ExpectPoint(c[i].end, rows[i].ex, rows[i].ez, "end");
    ExpectPoint(c[i].centre, rows[i].cx, rows[i].cz, "centre");
    EXPECT_EQ(c[i].radius, rows[i].radius);
    EXPECT_EQ(c[i].number, 0);
    EXPECT_EQ(c[i].spindle, 0);
  }
  ExpectClosed(c);
}

TEST(InsertTurnAngle, ByHandAndMainAngle) {
  struct Case {
    const char* hand;
    float fi;
    float angle;
  };
  const Case cases[] = {
      {"N", 93, 0}, {"N", 0, 0},     {"R", 60, 0},   {"R", 93, -33},
      {"R", 0, 60}, {"L", 93, -147}, {"L", 0, -240},
  };
  for (const Case& c : cases) {
    const TOOL_CLASS tool = TriangleTool(c.hand, c.fi);
    EXPECT_NEAR(InsertTurnAngle(tool, TriangleInsert(tool)), c.angle, 1e-3)
        << c.hand << " " << c.fi;
  }
}

TEST(InsertTurnAngle, MainAngleOutsideZeroTo180EndsTheProgram) {
  for (const float fi : {180.0f, -1.0f, 400.0f, std::numeric_limits<float>::quiet_NaN()}) {
    RecordingMessages messages;
    TOOL_CLASS tool = TriangleTool("N", fi);
    ExpectFatal([&] { BuildInsertContour(tool); }, "Main angle FI is incorrect!", 0);
    EXPECT_EQ(messages.beeps, 1) << fi;
  }
}

TEST(InsertTurnAngle, UnknownHandLetterIsRefusedByName) {
  for (const char* hand : {"X", "r", ""}) {
    TOOL_CLASS tool = TriangleTool(hand, 93);
    ExpectFatal([&] { BuildInsertContour(tool); },
                std::string("Unknown holder hand \"") + hand + "\" in dev.lib", 0);
  }
}

TEST(TurnContour, TurnsEveryPointAboutTheOrigin) {
  Contour square;
  const XZPoint corners[] = {{0, 10}, {5, 10}, {5, 2}, {0, 2}};
  for (int i = 0; i < 4; ++i) {
    Otr e;
    e.number = 7;
    e.start = corners[i];
    e.end = corners[(i + 1) % 4];
    square.push_back(e);
  }
  const Contour turned = TurnContour(square, -33.0f);
  ASSERT_EQ(turned.size(), 4u);
  // (0, 10) lies at polar angle 0 and moves to 327.
  ExpectPoint(turned[0].start, -5.4464, 8.3867, "turned (0, 10)");
  EXPECT_NEAR(Trigonom({}, turned[0].start), 327.0f, 0.01);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(Distance({}, turned[i].start), Distance({}, square[i].start), 1e-4) << i;
    EXPECT_EQ(turned[i].number, 0);
  }
  ExpectClosed(turned);

  // Less than a hundredth of a degree: the very same contour, numbers kept.
  const Contour kept = TurnContour(square, 0.004f);
  EXPECT_EQ(kept[0].number, 7);
  EXPECT_EQ(kept[2].start.X, 5.0f);
}

TEST(BuildInsertContour, TurnedInsertIsKeptAsTheToolContour) {
  TOOL_CLASS tool = TriangleTool("R", 93);
  const Contour unturned = TriangleInsert(tool);
  const Contour c = BuildInsertContour(tool);
  EXPECT_TRUE(tool.shapeBuilt);
  ASSERT_EQ(c.size(), 6u);
  ASSERT_EQ(tool.contour.size(), 6u);
  ExpectClosed(c);
  for (std::size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(tool.contour[i].start.X, c[i].start.X);
    EXPECT_EQ(tool.contour[i].start.Z, c[i].start.Z);
    EXPECT_EQ(c[i].radius, unturned[i].radius);
    // Turned by -33 degrees: distances from the tool point stay, polar angles drop by 33.
    EXPECT_NEAR(Distance({}, c[i].start), Distance({}, unturned[i].start), 1e-3);
    const float before = Trigonom({}, unturned[i].start);
    const float after = Trigonom({}, c[i].start);
    EXPECT_NEAR(std::fmod(before - after + 360.0f, 360.0f), 33.0f, 0.01);
  }
  // The cutting corner stays centred on the tool point.
  ExpectPoint(c[5].centre, 0, 0, "nose centre");

  // Right-hand holder at FI = 60: not turned at all.
  TOOL_CLASS straight = TriangleTool("R", 60);
  const Contour same = BuildInsertContour(straight);
  ExpectPoint(same[0].start, unturned[0].start.X, unturned[0].start.Z, "unturned");
}

TEST(BuildInsertContour, KindCInsertHasNoOutlineInAnyHolder) {
  for (const char* hand : {"N", "R", "L"}) {
    TOOL_CLASS tool = TriangleTool(hand, 93);
    tool.info.cut.kind = "C";
    EXPECT_TRUE(BuildInsertContour(tool).empty()) << hand;
    EXPECT_TRUE(tool.shapeBuilt);
    EXPECT_EQ(tool.info.cut.noseRadius, 3.0f);
    EXPECT_TRUE(PlacedInsert(tool, MoveTo(20, 5)).empty());
  }
}

TEST(BuildInsertContour, UnknownInsertKindEndsTheProgram) {
  for (const char* kind : {"D", "t", ""}) {
    TOOL_CLASS tool = TriangleTool("N", 93);
    tool.info.cut.kind = kind;
    ExpectFatal([&] { BuildInsertContour(tool); }, "Unknown instrument", 0);
    EXPECT_FALSE(tool.shapeBuilt) << kind;
  }
}

TEST(PlacedInsert, ToolPointAtTheCommandEnd) {
  TOOL_CLASS tool = TriangleTool("L", 93);
  const Contour at0 = BuildInsertContour(tool);
  const Contour placed = PlacedInsert(tool, MoveTo(20, -5));
  ASSERT_EQ(placed.size(), at0.size());
  for (std::size_t i = 0; i < placed.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(placed[i].type, at0[i].type);
    EXPECT_EQ(placed[i].radius, at0[i].radius);
    ExpectPoint(placed[i].start, at0[i].start.X + 20, at0[i].start.Z - 5, "start");
    ExpectPoint(placed[i].end, at0[i].end.X + 20, at0[i].end.Z - 5, "end");
  }
  ExpectPoint(placed.back().centre, 20, -5, "nose centre");
}

// A holder whose outline points are given as texts.
TOOL_CLASS WithHolder(std::initializer_list<const char*> texts) {
  TOOL_CLASS tool = TriangleTool("R", 93);
  DevINFO& h = tool.info.holder;
  for (const char* t : texts) {
    h.points.emplace_back(t);
  }
  h.pointCount = static_cast<std::int32_t>(h.points.size() / 2);
  h.holderParam4 = 1.0f;
  h.holderParam5 = 2.0f;
  h.holderParam7 = 3.0f;
  return tool;
}

TEST(PlacedHolder, ClosedOutlineBesideTheToolPosition) {
  const TOOL_CLASS tool = WithHolder({"0", "0", "10,5", "0", "10.5", "-20", "0", "-20"});
  const Contour c = PlacedHolder(tool, MoveTo(30, 4));
  ASSERT_EQ(c.size(), 4u);
  // Point (x, z) stands at (x - 30 - 2, z + 4 + 3 - 1).
  const double xs[] = {-32, -21.5, -21.5, -32};
  const double zs[] = {6, 6, -14, -14};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(c[i].type, kLine);
    EXPECT_EQ(c[i].number, 1976);
    ExpectPoint(c[i].start, xs[i], zs[i], "start");
  }
  ExpectClosed(c);
  // After the users' negation of X the outline lies on the insert's side, at K.end.X + 2 - x.
  EXPECT_NEAR(MirrorContour(c)[0].start.X, 32.0, 1e-4);
}

TEST(PlacedHolder, OutlineEdges) {
  // Two equal consecutive points leave one line fewer.
  EXPECT_EQ(PlacedHolder(WithHolder({"0", "0", "10", "0", "10", "0", "10", "-20", "0", "-20"}),
                         MoveTo(0, 0))
                .size(),
            4u);
  // No outline points, or a single one: no outline.
  EXPECT_TRUE(PlacedHolder(WithHolder({}), MoveTo(0, 0)).empty());
  EXPECT_TRUE(PlacedHolder(WithHolder({"3", "4"}), MoveTo(0, 0)).empty());
  // A count above the texts held reads only the whole pairs.
  TOOL_CLASS tool = WithHolder({"0", "0", "10", "0", "10", "-20"});
  tool.info.holder.pointCount = 40;
  EXPECT_EQ(PlacedHolder(tool, MoveTo(0, 0)).size(), 3u);
}

TEST(PlacedHolder, CoordinateThatIsNoNumberIsAConversionError) {
  const TOOL_CLASS tool = WithHolder({"0", "0", "1O", "0", "10", "-20"});
  EXPECT_THROW(PlacedHolder(tool, MoveTo(0, 0)), ConversionError);
}

} // namespace
} // namespace turnsim
