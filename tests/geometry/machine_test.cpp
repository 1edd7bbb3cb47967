// The machine outlines around the part (spindle, cones, axis) and the reader of the
// machine-tool list.
#include "turnsim/geometry/machine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/recording_messages.h"
#include "turnsim/geometry/messages.h"

namespace turnsim {
namespace {

using testing::RecordingMessages;

// (value4 / 2) / tan 25 degrees for value1 = 70.
const double kTip70 = 10.0 / std::tan(25.0 * 3.14159265358979 / 180.0);

Machine Lathe70() {
  Machine m;
  m.name = "Lathe";
  m.value1 = 70.0f;
  m.value2 = 12.0f;
  return m;
}

ProfileReference WithSpindle(float minZ, float endZ) {
  ProfileReference r;
  r.spindlePointX = 20.0f;
  r.spindlePointZ = -1.0f;
  r.profileMinZ = minZ;
  r.profileStartZ = 0.0f;
  r.profileEndZ = endZ;
  return r;
}

ProfileReference BetweenCentres(float startZ, float endZ) {
  ProfileReference r;
  r.profileMinZ = startZ;
  r.profileStartZ = startZ;
  r.profileEndZ = endZ;
  return r;
}

// Checks that `c` is a chain of plain lines through exactly `points`.
void ExpectLinesThrough(const Contour& c, const std::vector<XZPoint>& points) {
  ASSERT_EQ(c.size() + 1, points.size());
  for (std::size_t i = 0; i < c.size(); ++i) {
    SCOPED_TRACE("element " + std::to_string(i));
    EXPECT_EQ(c[i].type, kLine);
    EXPECT_NEAR(c[i].start.X, points[i].X, 1e-4);
    EXPECT_NEAR(c[i].start.Z, points[i].Z, 1e-4);
    EXPECT_NEAR(c[i].end.X, points[i + 1].X, 1e-4);
    EXPECT_NEAR(c[i].end.Z, points[i + 1].Z, 1e-4);
    EXPECT_EQ(c[i].radius, 0.0f);
    EXPECT_EQ(c[i].centre.X, 0.0f);
    EXPECT_EQ(c[i].centre.Z, 0.0f);
    EXPECT_EQ(c[i].number, 0);
    EXPECT_EQ(c[i].spindle, 0);
    EXPECT_EQ(c[i].cutZone, 0);
  }
}

TEST(MachineProportions, DerivesFromValue1Only) {
  Machine m = Lathe70();
  m.value3 = m.value4 = m.value8 = -5.0f; // stale values are replaced
  const Machine p = MachineProportions(m);
  EXPECT_EQ(p.value1, 70.0f);
  EXPECT_EQ(p.value2, 12.0f);
  EXPECT_FLOAT_EQ(p.value3, 80.0f);
  EXPECT_FLOAT_EQ(p.value4, 20.0f);
  EXPECT_FLOAT_EQ(p.value5, 64.0f);
  EXPECT_FLOAT_EQ(p.value6, 30.625f);
  EXPECT_FLOAT_EQ(p.value7, 30.625f);
  EXPECT_FLOAT_EQ(p.value8, 8.75f);
  EXPECT_NEAR(ConeTipLength(p), kTip70, 1e-4);
}

TEST(ProfileReference, NoSpindleOnlyWhenBothCoordinatesCount999) {
  struct Case {
    float x, z;
    bool has;
  };
  const Case cases[] = {
      {999.0f, 999.0f, false}, {999.004f, 999.0f, false}, {999.0f, 0.0f, true},
      {0.0f, 999.0f, true},    {999.01f, 999.0f, true},   {20.0f, -3.0f, true},
  };
  for (const Case& c : cases) {
    ProfileReference r;
    r.spindlePointX = c.x;
    r.spindlePointZ = c.z;
    EXPECT_EQ(r.HasSpindleElement(), c.has) << c.x << ", " << c.z;
  }
}

TEST(SpindleOutline, RectangleLeftOfTheHeldPart) {
  // Radius 10 to 40, 64 long, right edge 0.5 left of the least Z -2.
  ExpectLinesThrough(SpindleOutline(Lathe70(), WithSpindle(-2.0f, 50.0f)),
                     {{10, -2.5f}, {10, -66.5f}, {40, -66.5f}, {40, -2.5f}, {10, -2.5f}});
}

TEST(SpindleOutline, BetweenCentresLeavesRoomForTheLeftCone) {
  const float off = 3.0f + 30.625f * 0.5f + static_cast<float>(kTip70);
  ExpectLinesThrough(SpindleOutline(Lathe70(), BetweenCentres(-3.0f, 50.0f)),
                     {{10, -off}, {10, -64 - off}, {40, -64 - off}, {40, -off}, {10, -off}});
}

TEST(SpindlePath, TenLinesAcrossTheBody) {
  ExpectLinesThrough(SpindlePath(Lathe70(), WithSpindle(-2.0f, 50.0f)), {{10, -2.5f},
                                                                         {10, -66.5f},
                                                                         {40, -66.5f},
                                                                         {40, -2.5f},
                                                                         {0, -2.5f},
                                                                         {10, -2.5f},
                                                                         {10, -66.5f},
                                                                         {0, -66.5f},
                                                                         {40, -66.5f},
                                                                         {40, -2.5f},
                                                                         {10, -2.5f}});
}

TEST(ConeOutlines, TipsOnTheAxisAtBothEndsOfThePart) {
  const float t = static_cast<float>(kTip70);
  // The start Z counts by its magnitude: a part starting at +3 places the left cone as one
  // starting at -3.
  for (const float startZ : {-3.0f, 3.0f}) {
    SCOPED_TRACE(startZ);
    ExpectLinesThrough(LeftConeOutline(Lathe70(), BetweenCentres(startZ, 50.0f)),
                       {{0, -3 - t - 64}, {9, -3 - t - 64}, {9, -3 - t}, {0, -3}});
  }
  ExpectLinesThrough(RightConeOutline(Lathe70(), BetweenCentres(-3.0f, 50.0f)),
                     {{0, 50}, {8, 50 + t}, {8, 50 + t + 16}, {0, 50 + t + 16}});
}

TEST(AxisLine, RunsFiveBeyondTheMachineOnBothSides) {
  ExpectLinesThrough(AxisLine(Lathe70(), WithSpindle(-2.0f, 50.0f)), {{0, -71}, {0, 55}});
  const float t = static_cast<float>(kTip70);
  const float left = 3.0f + 30.625f * 0.5f + t;
  ExpectLinesThrough(AxisLine(Lathe70(), BetweenCentres(-3.0f, 50.0f)),
                     {{0, -64 - left - 5}, {0, t + 50 + 16 + 5}});
}

TEST(MachineSolids, PointListsOfTheOutlines) {
  const RevolvedProfile spindle = SpindleSolidProfile(Lathe70(), WithSpindle(-2.0f, 50.0f));
  EXPECT_EQ(spindle.shape, 1);
  EXPECT_EQ(spindle.angularSteps, 40);
  EXPECT_EQ(spindle.lastIndex(), 4);
  EXPECT_EQ(spindle.x, (std::vector<double>{10, 10, 40, 40, 10}));
  EXPECT_EQ(spindle.z, (std::vector<double>{-2.5, -66.5, -66.5, -2.5, -2.5}));
  EXPECT_EQ(spindle.marks, (std::vector<std::uint8_t>(5, 0)));

  // The cone points on the axis stand at X = 0.1; the others are the outline's.
  const ProfileReference centres = BetweenCentres(-3.0f, 50.0f);
  const RevolvedProfile left = LeftConeSolidProfile(Lathe70(), centres);
  const RevolvedProfile right = RightConeSolidProfile(Lathe70(), centres);
  EXPECT_EQ(left.shape, 2);
  EXPECT_EQ(right.shape, 3);
  EXPECT_EQ(left.x, (std::vector<double>{0.1, 9, 9, 0.1}));
  EXPECT_EQ(right.x, (std::vector<double>{0.1, 8, 8, 0.1}));
  EXPECT_EQ(right.lastIndex(), 3);
  EXPECT_FLOAT_EQ(static_cast<float>(left.z.back()), -3.0f);
  EXPECT_FLOAT_EQ(static_cast<float>(right.z.front()), 50.0f);
}

TEST(ParseMachineTools, RecordsUpToTheFirstEmptyLine) {
  std::istringstream in("Machine tools\r\n"
                        "Lathe 16K20*70*12.5\r\n"
                        "Small lathe*48,5* 3 \r\n"
                        "\r\n"
                        "Ignored*1*2\r\n");
  const std::vector<Machine> machines = ParseMachineTools(in);
  ASSERT_EQ(machines.size(), 2u);
  EXPECT_EQ(machines[0].name, "Lathe 16K20");
  EXPECT_EQ(machines[0].value1, 70.0f);
  EXPECT_EQ(machines[0].value2, 12.5f);
  EXPECT_EQ(machines[1].name, "Small lathe");
  EXPECT_EQ(machines[1].value1, 48.5f);
  EXPECT_EQ(machines[1].value2, 3.0f);
  EXPECT_EQ(machines[1].value3, 0.0f); // derived only when an outline is built
}

TEST(ParseMachineTools, EdgesOfTheFile) {
  struct Case {
    const char* text;
    std::size_t count;
  };
  const Case cases[] = {
      {"", 0},                           // no heading at all
      {"heading only", 0},               //
      {"heading\nA*1*2", 1},             // last line without a line end
      {"heading\nA*1*2\n   \nB*3*4", 1}, // a line of blanks ends the list too
      {"heading\n\nA*1*2\n", 0},         // the list ends before its first record
  };
  for (const Case& c : cases) {
    std::istringstream in(c.text);
    EXPECT_EQ(ParseMachineTools(in).size(), c.count) << c.text;
  }
}

TEST(ParseMachineTools, LineLongerThan79CharactersIsReadWhole) {
  const std::string name(120, 'N');
  std::istringstream in("heading\n" + name + "*70*12\nNext*1*2\n");
  const std::vector<Machine> machines = ParseMachineTools(in);
  ASSERT_EQ(machines.size(), 2u);
  EXPECT_EQ(machines[0].name, name);
  EXPECT_EQ(machines[0].value2, 12.0f);
  EXPECT_EQ(machines[1].name, "Next");
}

TEST(ParseMachineTools, ValueThatIsNoNumberNamesItsLine) {
  const char* bad[] = {"heading\nA*1*2\nB*7x*2\n",   "heading\nA*1*2\nB*7\n",
                       "heading\nA*1*2\nno stars\n", "heading\nA*1*2\nB*1*2*3\n",
                       "heading\nA*1*2\nB*inf*2\n",  "heading\nA*1*2\nB*1.5.3*2\n"};
  for (const char* text : bad) {
    std::istringstream in(text);
    try {
      ParseMachineTools(in);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const ConversionError& e) {
      EXPECT_NE(std::string(e.what()).find("mach.lib, line 3"), std::string::npos) << e.what();
    }
  }
}

TEST(ReadMachineTools, MissingFileBeepsAndEndsWithCodeZero) {
  RecordingMessages messages;
  const auto missing = std::filesystem::temp_directory_path() / "toolgeom-no-such-dir/mach.lib";
  try {
    ReadMachineTools(missing);
    FAIL() << "no FatalExit";
  } catch (const FatalExit& e) {
    EXPECT_STREQ(e.what(), "Program can't find tools database!");
    EXPECT_EQ(e.code(), 0);
  }
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_TRUE(messages.texts.empty()); // the catcher shows the text
}

TEST(ReadMachineTools, ReadsTheFile) {
  const auto dir = std::filesystem::temp_directory_path() / "toolgeom-machine-test";
  std::filesystem::create_directories(dir);
  {
    std::ofstream out(dir / "mach.lib", std::ios::binary);
    out << "List of machines\r\nLathe*70*12\r\n";
  }
  const std::vector<Machine> machines = ReadMachineTools(dir / "mach.lib");
  std::filesystem::remove_all(dir);
  ASSERT_EQ(machines.size(), 1u);
  EXPECT_EQ(machines[0].name, "Lathe");
}

} // namespace
} // namespace turnsim
