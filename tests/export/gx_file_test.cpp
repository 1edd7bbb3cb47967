// The revolved solids: the six-decimal numbers, the exact file text of the part and of a closed
// machine profile, the point limit and the refusals.
#include "turnsim/export/gx_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "tests/export/golden.h"
#include "tests/export/temp_folder.h"
#include "tests/support/recording_messages.h"
#include "turnsim/export/export_error.h"
#include "turnsim/export/float_to_point.h"
#include "turnsim/export/part_solid.h"
#include "turnsim/geometry/messages.h"
#include "tests/support/elements.h"

namespace turnsim {
namespace {

using turnsim::testing::Line;
using turnsim::testing::Arc;

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using testing::ExpectMatchesGolden;
using testing::ReadWholeFile;
using testing::RecordingMessages;
using testing::SplitLines;
using testing::TempWorkingFolder;

struct NumberCase {
  double value;
  const char* text;
};

TEST(FloatToPoint, SixDecimalsTruncatedWithoutLocale) {
  const NumberCase cases[] = {
      {12.5, "12.500000"},
      {-0.25, "-0.250000"},
      {0.0000123, "0.000012"},
      {1.9999999, "1.999999"}, // digits beyond the sixth are dropped, not rounded
      {0.0, "0.000000"},
      {0.0000089, "0.000000"},  // below 0.000009
      {-0.0000050, "0.000000"}, // no sign on a value written as zero
      {-0.0000095, "-0.000009"},
      {0.5, "0.500000"},
      {1.0, "1.000000"},
      {-100.0, "-100.000000"},
      // Past the 32-bit count of millionths (2147.483647 mm) the text stays exact.
      {3000.5, "3000.500000"},
      {-123456.25, "-123456.250000"},
      {1e12, "1000000000000.000000"},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(FloatToPoint(c.value), c.text) << c.value;
    EXPECT_EQ(GXfile::FloatToPoint(c.value), c.text) << c.value;
  }
  EXPECT_THROW(FloatToPoint(std::nan("")), std::invalid_argument);
  EXPECT_THROW(FloatToPoint(-INFINITY), std::invalid_argument);
}

std::string SolidText(GXfile& solid, const std::vector<double>& radii,
                      const std::vector<double>& axial, const std::vector<std::uint8_t>& flags) {
  solid.SetPoints(radii, axial, static_cast<std::int32_t>(radii.size()) - 1, flags);
  std::ostringstream out;
  EXPECT_TRUE(solid.Write(out));
  return out.str();
}

std::vector<std::string> FaceLines(const std::vector<std::string>& lines) {
  std::vector<std::string> faces;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(faces),
               [](const std::string& line) { return line.rfind("4;", 0) == 0; });
  return faces;
}

// Three points turned in four steps: 12 vertices and (3 - 1) * 4 + 1 = 9 faces. The side faces
// run from ring i + 1 to ring i, the closing band from ring 1 to ring 4, and the cap is the
// polygon over the last point of every ring. The middle point carries the cut-zone flag, so
// the faces that start there get the second material.
TEST(GXfile, SmallPartHasTheLayoutOfTheFile) {
  GXfile part(4, kShapePart);
  const std::string text = SolidText(part, {10.0, 10.0, 0.01}, {0.0, -20.0, -20.0}, {0, 1, 0});
  ExpectMatchesGolden(text, "part_solid.x");

  const auto lines = SplitLines(text);
  ASSERT_GT(lines.size(), 40u);
  EXPECT_EQ(lines[5], "12;");
  EXPECT_EQ(lines[6], "10.000000,0.000000,0.000000;,"); // ring 1 lies in the x-z plane
  EXPECT_EQ(lines[17], "0.000000,-0.010000,-20.000000;;");
  EXPECT_EQ(lines[21], "9;");
  const auto faces = FaceLines(lines);
  ASSERT_EQ(faces.size(), 9u); // with the cap, a polygon of four points
  EXPECT_EQ(faces.front(), "4;3,4,1,0;,");
  EXPECT_EQ(faces[6], "4;0,1,10,9;,");
  EXPECT_EQ(lines[30], "4;2,5,8,11;;");
  EXPECT_EQ(lines[34], " 9;");
  EXPECT_THAT(std::vector<std::string>(lines.begin() + 35, lines.begin() + 40),
              ElementsAre("1,2,", "1,2,", "1,2,", "1,2,", "1;"));
  EXPECT_FALSE(part.closed());
  EXPECT_EQ(part.FaceCount(), 9);
}

// The spindle's five points end where they start. The turned profile is a closed tube and needs
// no cap: it has (5 - 1) * 4 faces, and the count written is the count of faces written.
TEST(GXfile, ClosedSpindleProfileDeclaresTheFacesItWrites) {
  GXfile spindle(4, kShapeSpindle);
  const std::string text = SolidText(spindle, {10.0, 10.0, 40.0, 40.0, 10.0},
                                     {-2.5, -66.5, -66.5, -2.5, -2.5004}, {0, 0, 0, 0, 0});
  ExpectMatchesGolden(text, "spindle_solid.x");

  EXPECT_TRUE(spindle.closed());
  const auto lines = SplitLines(text);
  const auto faces = FaceLines(lines);
  ASSERT_EQ(faces.size(), 16u);
  EXPECT_EQ(spindle.FaceCount(), 16);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "16;"), lines.end());
  EXPECT_EQ(faces.back(), "4;3,4,19,18;;");
  for (std::size_t i = 0; i + 1 < faces.size(); ++i) {
    EXPECT_EQ(faces[i].substr(faces[i].size() - 2), ";,") << faces[i];
  }
}

TEST(GXfile, APointOnTheAxisIsTheSameVertexInEveryRing) {
  GXfile cone(4, kShapeFrontCone);
  const auto lines = SplitLines(SolidText(cone, {0.0, 5.0}, {1.5, 0.0}, {0, 0}));
  const std::vector<std::string> axisPoints{lines[6], lines[8], lines[10], lines[12]};
  EXPECT_THAT(axisPoints, ::testing::Each(::testing::StartsWith("0.000000,0.000000,1.500000;")));
  EXPECT_EQ(lines[13], "0.000000,-5.000000,0.000000;;");
}

TEST(GXfile, MakeSolidWritesEachShapeUnderItsOneName) {
  TempWorkingFolder folder;
  RecordingMessages messages;
  const std::vector<double> radii{10.0, 12.0, 0.1};
  const std::vector<double> axial{0.0, -5.0, -8.0};
  const std::vector<std::uint8_t> flags{0, 0, 0};

  GXfile part(70, kShapePart);
  EXPECT_TRUE(part.MakeSolid(radii, axial, 2, flags, 0));
  EXPECT_TRUE(part.MakeSolid(radii, axial, 2, flags, 1));
  EXPECT_THROW(part.MakeSolid(radii, axial, 2, flags, 2), std::invalid_argument);
  for (const auto& [shape, mesh] :
       {std::pair{kShapeSpindle, "Mesh Spindle {"}, std::pair{kShapeFrontCone, "Mesh F_Cone {"},
        std::pair{kShapeBackCone, "Mesh B_Cone {"}}) {
    GXfile machine(kMachineSolidSteps, shape);
    EXPECT_TRUE(machine.MakeSolid(radii, axial, 2, flags, 999));
    const std::string text = ReadWholeFile(GXfile::FileName(shape, 999));
    EXPECT_EQ(SplitLines(text).at(4), mesh);
  }
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_THAT(names, ::testing::UnorderedElementsAre("aprox.x", "aprox1.x", "spin_x.x", "f_con_x.x",
                                                     "b_con_x.x"));
  EXPECT_EQ(SplitLines(ReadWholeFile("aprox.x")).at(5), "210;");
  EXPECT_TRUE(messages.texts.empty());
}

// 200 points fit the tables; the 201st is refused before anything is written, and the program
// ends with exit code 0 after the message.
TEST(GXfile, MoreThanTwoHundredPointsAreRefused) {
  TempWorkingFolder folder;
  std::vector<double> radii(201);
  std::vector<double> axial(201);
  const std::vector<std::uint8_t> flags(201);
  for (std::size_t j = 0; j < radii.size(); ++j) {
    radii[j] = 20.0 - 0.05 * static_cast<double>(j);
    axial[j] = -0.5 * static_cast<double>(j);
  }
  GXfile part(4, kShapePart);
  EXPECT_TRUE(part.MakeSolid(radii, axial, 199, flags, 0));
  EXPECT_EQ(part.pointCount(), 200);
  fs::remove("aprox.x");
  try {
    part.MakeSolid(radii, axial, 200, flags, 0);
    FAIL() << "201 points were accepted";
  } catch (const FatalExit& e) {
    EXPECT_EQ(e.code(), 0);
    EXPECT_STREQ(e.what(), "I > MaxR Not enaught memory!\n Try to change aproximation settings.");
  }
  EXPECT_FALSE(fs::exists("aprox.x"));
}

TEST(GXfile, RefusalsShowTheirMessageAndKeepTheOldFile) {
  TempWorkingFolder folder;
  RecordingMessages messages;
  const std::vector<double> radii{10.0, 0.01};
  const std::vector<double> axial{0.0, -8.0};
  const std::vector<std::uint8_t> flags{0, 0};

  GXfile unknown(40, 7);
  EXPECT_FALSE(unknown.MakeSolid(radii, axial, 1, flags, 0));
  EXPECT_THAT(messages.texts, ElementsAre("Invalid Shape number in class GXfile"));
  EXPECT_TRUE(fs::is_empty(folder.path()));

  // A folder in the file's place: it cannot be created, the program goes on.
  messages.texts.clear();
  fs::create_directory("spin_x.x");
  GXfile spindle(40, kShapeSpindle);
  EXPECT_FALSE(spindle.MakeSolid(radii, axial, 1, flags, 0));
  EXPECT_THAT(messages.texts, ElementsAre("Can't open DirectX file."));
  EXPECT_TRUE(fs::is_directory("spin_x.x"));

  EXPECT_THROW(GXfile(1, kShapePart), std::invalid_argument);
  GXfile part(4, kShapePart);
  EXPECT_THROW(part.SetPoints(radii, axial, 0, flags), std::invalid_argument);
  EXPECT_THROW(part.SetPoints(radii, axial, 2, flags), std::invalid_argument);
  const std::vector<double> broken{10.0, std::nan("")};
  EXPECT_THROW(part.SetPoints(broken, axial, 1, flags), std::invalid_argument);
}

// The part as the 3D commands write it: a quarter arc of radius 10 becomes 4 lines at density
// 3, so the profile line-arc-line-line has 7 elements and 8 points; its end on the axis is
// written 0.01 off it and carries the last element's cut-zone mark.
TEST(GXfile, PartSolidFromAProfileWithAnArc) {
  TempWorkingFolder folder;
  Contour profile{Line(20, 0, 20, -10)};
  Otr arc;
  arc.type = kArc;
  arc.start = {20, -10};
  arc.end = {10, -20};
  arc.centre = {10, -10};
  arc.radius = -10; // 90 to 180 degrees, counter-clockwise
  profile.push_back(arc);
  profile.push_back(Line(10, -20, 10, -30));
  profile.push_back(Line(10, -30, 0, -30));
  profile.back().cutZone = 1;
  const Contour before = profile;

  GXfile part(4, kShapePart);
  ASSERT_TRUE(WritePartSolid(part, profile, 3, 0));
  EXPECT_EQ(part.pointCount(), 8);
  const auto lines = SplitLines(ReadWholeFile("aprox.x"));
  EXPECT_EQ(lines[5], "32;");
  EXPECT_EQ(lines[6 + 7], "0.010000,0.000000,-30.000000;,");
  EXPECT_EQ(profile.size(), before.size()); // the profile itself is not approximated

  const Contour empty;
  EXPECT_THROW(WritePartSolid(part, empty, 3, 0), ExportError);
}

} // namespace
} // namespace turnsim
