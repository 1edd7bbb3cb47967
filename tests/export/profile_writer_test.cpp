// The DXF drawing of the profile: the exact text around the shipped templates, the shift along
// x, the handles, the arc angles, the extents, the number format and the template failures.
#include "turnsim/export/profile_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <locale>
#include <sstream>

#include "tests/export/dxf_test_support.h"
#include "tests/export/golden.h"
#include "tests/export/temp_folder.h"
#include "turnsim/export/export_error.h"

namespace turnsim {
namespace {

namespace fs = std::filesystem;
using testing::Arc;
using testing::DxfEntities;
using testing::DxfExtents;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using testing::ExpectMatchesGolden;
using testing::Line;
using testing::ReadWholeFile;
using testing::SampleProfile;
using testing::SampleTemplate;
using testing::SplitLines;
using testing::TempWorkingFolder;
using testing::WriteWholeFile;

std::string Dxf(Contour& profile, const std::string& header, const std::string& footer) {
  ProfileWriter writer(profile);
  std::istringstream headerIn(header);
  std::istringstream footerIn(footer);
  std::ostringstream out;
  writer.WriteDxf(out, headerIn, footerIn);
  return out.str();
}

std::string Dxf(Contour& profile) {
  return Dxf(profile, SampleTemplate("ddff1.ibm"), SampleTemplate("ddff2.ibm"));
}

// The sample profile written through the file interface with the shipped templates.
TEST(ProfileWriter, DxfOfAProfileWithLinesAndArcs) {
  TempWorkingFolder folder;
  Contour profile = SampleProfile();
  ProfileWriter writer(profile);
  writer.WriteDxf("part.dxf", SAMPLES_DIR);
  const std::string dxf = ReadWholeFile("part.dxf");
  ExpectMatchesGolden(dxf, "profile.dxf");

  const auto lines = SplitLines(dxf);
  EXPECT_EQ(lines.at(25), "$EXTMIN");
  EXPECT_EQ(lines.at(26), "10");
  // Shifted by 60 along x; the lower X of 0 comes from the last end point.
  EXPECT_THAT(DxfExtents(dxf), ElementsAre("0", "0", "60", "30"));
  const auto entities = DxfEntities(dxf);
  ASSERT_EQ(entities.size(), 7u);
  EXPECT_EQ(entities[0].type, "LINE");
  EXPECT_EQ(entities[0].Value(5), "68");
  EXPECT_EQ(entities[0].Value(330), "1F");
  EXPECT_EQ(entities[0].Value(8), "0");
  EXPECT_EQ(entities[0].Value(10), "60");
  EXPECT_EQ(entities[0].Value(11), "50");
  EXPECT_EQ(entities[1].type, "ARC");
  EXPECT_EQ(entities[1].Value(5), "69");
  // Clockwise fillet from 270 to 180: written counter-clockwise from 180 to 270.
  EXPECT_EQ(entities[1].Value(50), "180");
  EXPECT_EQ(entities[1].Value(51), "270");
  EXPECT_EQ(entities[3].Value(50), "0");
  EXPECT_EQ(entities[3].Value(51), "90");
  EXPECT_EQ(entities[3].Value(40), "5");
  EXPECT_EQ(entities[6].Value(5), "6E");
  EXPECT_EQ(lines.back(), "EOF");
}

TEST(ProfileWriter, ShiftsAProfileReachingNegativeZOnly) {
  Contour negative{Line(10, -50, 10, -20), Line(10, -20, 0, -20)};
  EXPECT_THAT(DxfExtents(Dxf(negative)), ElementsAre("0", "0", "30", "10"));
  EXPECT_EQ(DxfEntities(Dxf(negative))[0].Value(10), "0");

  Contour positive{Line(10, 5, 10, 40), Line(10, 40, 0, 40)};
  EXPECT_THAT(DxfExtents(Dxf(positive)), ElementsAre("5", "0", "40", "10"));
  EXPECT_EQ(DxfEntities(Dxf(positive))[0].Value(10), "5");
}

// ContourBounds leaves the last end point out; the drawing extents do not.
TEST(ProfileWriter, ExtentsCoverTheLastEndPoint) {
  Contour profile{Line(10, 0, 10, -20), Line(10, -20, 0, -35)};
  ProfileWriter writer(profile);
  EXPECT_FLOAT_EQ(writer.bounds().first.X, 10);
  EXPECT_FLOAT_EQ(writer.bounds().first.Z, -20);
  EXPECT_THAT(DxfExtents(Dxf(profile)), ElementsAre("0", "0", "35", "10"));
}

TEST(ProfileWriter, HandlesCountUpInHexadecimalFrom104) {
  Contour profile;
  for (int i = 0; i < 25; ++i) {
    profile.push_back(Line(10, -static_cast<float>(i), 10, -static_cast<float>(i + 1)));
  }
  const auto entities = DxfEntities(Dxf(profile));
  ASSERT_EQ(entities.size(), 25u);
  EXPECT_EQ(entities[0].Value(5), "68");
  EXPECT_EQ(entities[9].Value(5), "71");
  EXPECT_EQ(entities[24].Value(5), "80");
}

struct ArcCase {
  const char* name;
  XZPoint start;
  XZPoint end;
  float radius;
  const char* startAngle; // group 50
  const char* endAngle;   // group 51
};

// Arcs about the centre (X 10, Z 10) with radius 5. A DXF arc always runs counter-clockwise, so
// a clockwise arc (radius > 0) is written from its end to its start.
TEST(ProfileWriter, ArcAnglesRunCounterClockwise) {
  const ArcCase cases[] = {
      {"ccw 90 to 180", {15, 10}, {10, 5}, -5, "90", "180"},
      {"cw 180 to 90", {10, 5}, {15, 10}, 5, "90", "180"},
      {"ccw 270 to 0 ends at 360", {5, 10}, {10, 15}, -5, "270", "360"},
      {"cw 0 to 270", {10, 15}, {5, 10}, 5, "270", "0"},
      {"cw 90 to 0", {15, 10}, {10, 15}, 5, "360", "90"},
      {"ccw 0 to 90", {10, 15}, {15, 10}, -5, "0", "90"},
  };
  for (const ArcCase& c : cases) {
    Contour profile{Arc(c.start, c.end, {10, 10}, c.radius)};
    const auto entities = DxfEntities(Dxf(profile));
    ASSERT_EQ(entities.size(), 1u) << c.name;
    EXPECT_EQ(entities[0].type, "ARC") << c.name;
    EXPECT_EQ(entities[0].Value(50), c.startAngle) << c.name;
    EXPECT_EQ(entities[0].Value(51), c.endAngle) << c.name;
    EXPECT_EQ(entities[0].Value(40), "5") << c.name;
  }
}

// Lines lose a centre or radius carried from the model file, in the caller's profile too; any
// element that is not a line is an arc to the writer.
TEST(ProfileWriter, SetProfileClearsTheArcFieldsOfLines) {
  Contour profile{Line(10, 0, 10, -20), Arc({10, -20}, {0, -30}, {0, -20}, -10)};
  profile[0].centre = {3, 4};
  profile[0].radius = 7;
  profile[1].type = 3;
  ProfileWriter writer(profile);
  EXPECT_EQ(profile[0].centre.X, 0);
  EXPECT_EQ(profile[0].centre.Z, 0);
  EXPECT_EQ(profile[0].radius, 0);
  EXPECT_EQ(profile[1].radius, -10); // not a line: kept
  EXPECT_EQ(&writer.profile(), &profile);
  EXPECT_EQ(DxfEntities(Dxf(profile))[1].type, "ARC");
}

// Three significant digits, the shorter of fixed and exponent notation, in any locale.
TEST(ProfileWriter, NumbersHaveThreeSignificantDigits) {
  Contour profile{Line(0.5f, 150, 1500, 123.456f),
                  Line(1500, 123.456f, 12.345f, 0.0001234f)};
  const auto entities = DxfEntities(Dxf(profile));
  EXPECT_EQ(entities[0].Value(10), "150");
  EXPECT_EQ(entities[0].Value(20), "0.5");
  EXPECT_EQ(entities[0].Value(11), "123");
  EXPECT_EQ(entities[0].Value(21), "1.5e+03");
  EXPECT_EQ(entities[1].Value(21), "12.3");
  EXPECT_EQ(entities[1].Value(11), "0.000123");
  EXPECT_EQ(entities[1].Value(30), "0.0");
}

struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(ProfileWriter, TextDoesNotDependOnTheLocale) {
  Contour profile = SampleProfile();
  const std::string classic = Dxf(profile);
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
  std::ostringstream out;
  out.imbue(std::locale());
  std::istringstream header(SampleTemplate("ddff1.ibm"));
  std::istringstream footer(SampleTemplate("ddff2.ibm"));
  ProfileWriter(profile).WriteDxf(out, header, footer);
  std::locale::global(previous);
  EXPECT_EQ(out.str(), classic);
}

// The export reports a template it cannot use instead of writing a broken drawing; the file
// that was there stays as it was.
TEST(ProfileWriter, TemplateFailuresAreReportedAndKeepTheOldFile) {
  TempWorkingFolder folder;
  Contour profile = SampleProfile();
  ProfileWriter writer(profile);
  WriteWholeFile("out.dxf", "old drawing\n");

  EXPECT_THROW(writer.WriteDxf("out.dxf"), ExportError); // no templates in the working folder
  WriteWholeFile("ddff1.ibm", SampleTemplate("ddff1.ibm"));
  try {
    writer.WriteDxf("out.dxf");
    FAIL() << "a missing ddff2.ibm was not reported";
  } catch (const ExportError& e) {
    EXPECT_THAT(e.what(), ::testing::HasSubstr("ddff2.ibm"));
  }
  EXPECT_EQ(ReadWholeFile("out.dxf"), "old drawing\n");

  // The code page pair of the header, replaced by two comments of the same four lines.
  const std::string header = SampleTemplate("ddff1.ibm");
  const std::string footer = SampleTemplate("ddff2.ibm");
  auto withComment = [&header](std::size_t length) {
    const std::string codePage = "  9\n$DWGCODEPAGE\n  3\nANSI_1252\n";
    std::string text = header;
    text.replace(text.find(codePage), codePage.size(),
                 "999\n" + std::string(length, 'c') + "\n999\nx\n");
    return text;
  };
  Contour none;
  EXPECT_NO_THROW(Dxf(none, withComment(49), footer));
  const std::string brokenHeaders[] = {
      withComment(50),                          // a line longer than 49 characters
      header.substr(header.find('\n') + 1),     // $EXTMIN on line 25
      "  0\nSECTION\n  2\nHEADER\n",            // ends before line 26
      header.substr(0, header.find("$LIMMIN")), // nothing after $EXTMIN
  };
  for (const std::string& broken : brokenHeaders) {
    EXPECT_THROW(Dxf(profile, broken, footer), ExportError) << broken.substr(0, 60);
  }
}

// Only complete lines of a template are copied: a last line without its line end is dropped.
// Template lines may end in CR LF; the drawing has LF line ends throughout.
TEST(ProfileWriter, TemplatesAreCopiedLineByLine) {
  Contour profile{Line(10, 0, 0, 0)};
  const std::string header = SampleTemplate("ddff1.ibm");
  const std::string dxf = Dxf(profile, header + "TRAILING", "ENDSEC\r\n  0\r\nEOF");
  EXPECT_EQ(dxf.find("TRAILING"), std::string::npos);
  EXPECT_EQ(dxf.find('\r'), std::string::npos);
  EXPECT_THAT(dxf, EndsWith("  31\n0.0\n  0\nENDSEC\n  0\n"));
}

} // namespace
} // namespace turnsim
