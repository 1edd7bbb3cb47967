// Tests of the cut.lib reader: the type table, the "&" that ends it, the geometry record, and
// every refusal.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/tooling/tool_library_test_util.h"
#include "turnsim/tooling/tool_library.h"

namespace turnsim {
namespace {

using testing::CrLf;
using testing::ExpectFatal;
using testing::ScratchFolder;
using testing::ToolFixtures;

CutGEOM ReadText(std::string_view c, const std::string& text) {
  std::istringstream in(text);
  return ReadInsert(c, in);
}

// A geometry record from its header line on.
std::string Geometry(const std::string& header) {
  return CrLf(
      {header, "     SHAPE", "     7", "     16", "     4,76", "     0.8", "     CUT", "-----"});
}

TEST(ToolLibraryCut, ReadsTheInsertAndItsType) {
  const CutGEOM g = ReadInsert("T16A1", ToolFixtures());
  EXPECT_EQ(g.name, "Triangular 16");
  EXPECT_EQ(g.kind, "T");
  EXPECT_EQ(g.shapeText, "TNMG 16");
  EXPECT_EQ(g.clearanceAngle, 0.0f);
  EXPECT_EQ(g.sideLength, 16.0f);
  EXPECT_EQ(g.thickness, 4.76f); // written "4,76"
  EXPECT_EQ(g.noseRadius, 0.8f);
  EXPECT_EQ(g.cutText, "P25");
  EXPECT_EQ(g.type.typeName, "TRI");
  EXPECT_EQ(g.type.typeCode, "T");
  EXPECT_EQ(g.type.typeValue1, 0.5f);
  EXPECT_EQ(g.type.typeValue2, 1.0f);
  EXPECT_EQ(g.type.typeValue3, 2.0f);

  const CutGEOM t22 = ReadInsert("T22B2", ToolFixtures());
  EXPECT_EQ(t22.name, "Triangular 22");
  EXPECT_EQ(t22.type.typeName, "TRI22");
  EXPECT_EQ(t22.type.typeValue1, 1.5f);
  EXPECT_EQ(t22.noseRadius, 1.2f);

  const CutGEOM c = ReadInsert("C12C1", ToolFixtures());
  EXPECT_EQ(c.kind, "C");
  EXPECT_EQ(c.type.typeName, "TRI");
}

TEST(ToolLibraryCut, TypeKeyIsZeroAndTheFifthCharacter) {
  const std::string lib =
      CrLf({"0A AAA*A *1*1*1", "01 ONE*1 *1*1*1", "1X BAD*B *1*1*1", "0X XXX*X *1*1*1", "&"}) +
      Geometry("ABCD Insert");
  EXPECT_EQ(ReadText("ABCD1", lib).type.typeName, "ONE");
  EXPECT_EQ(ReadText("ABCDX", lib).type.typeName, "XXX");
  EXPECT_EQ(ReadText("ABCDA", lib).type.typeName, "AAA");
  // The header matches the first four characters of the name; column 5 is not read.
  EXPECT_EQ(ReadText("ABCD1", lib).name, "Insert");
  EXPECT_EQ(ReadText("ABCD1xyz", lib).name, "Insert");
}

TEST(ToolLibraryCut, SectionTwoStartsAfterTheCharacterFollowingTheAmpersand) {
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"& on its own line", CrLf({"01 T*T *1*2*3", "&"}) + Geometry("T001 Tri")},
      {"& after the last type", CrLf({"01 T*T *1*2*3&"}) + Geometry("T001 Tri")},
      {"& inside a later line", "01 T*T *1*2*3\r\n02 x&X" + Geometry("T001 Tri")},
      {"& ending the found line", "01 T*T *1*2*3&X" + Geometry("T001 Tri")},
      {"LF-only file", "01 T*T *1*2*3\n&\nT001 Tri\n     S\n     7\n     16\n     4.76\n"
                       "     0.8\n     C\n-\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CutGEOM g = ReadText("T0011", c.text);
    EXPECT_EQ(g.name, "Tri");
    EXPECT_EQ(g.type.typeValue3, 3.0f);
    EXPECT_EQ(g.sideLength, 16.0f);
  }
}

TEST(ToolLibraryCut, TheSkippedCharacterCanBeTheFirstOfAHeader) {
  // "&T001 Tri": the "T" after the "&" is skipped, so the header is not found on that line.
  const std::string text = "01 T*T *1*2*3\r\n&T001 Tri\r\n" + Geometry("T001 Second");
  EXPECT_EQ(ReadText("T0011", text).name, "Second");
}

TEST(ToolLibraryCut, GeometryLinesAreReadFromColumnSix) {
  const CutGEOM g = ReadText("T0011", CrLf({"01 T*T *1*2*3", "&", "T001 Tri", "xxxxxA,B", "xxxxx,5",
                                            "1234", "abcd", "     1e-1", "", "end"}));
  EXPECT_EQ(g.shapeText, "A.B"); // the decimal rule applies to every geometry line
  EXPECT_EQ(g.clearanceAngle, 0.5f);
  EXPECT_EQ(g.sideLength, 0.0f); // a line of four characters is padded to "1234 0"
  EXPECT_EQ(g.thickness, 0.0f);
  EXPECT_EQ(g.noseRadius, 0.1f);
  EXPECT_EQ(g.cutText, "");
  // Shorter lines have nothing from column 6 on even after padding.
  EXPECT_THROW(ReadText("T0011", CrLf({"01 T*T *1*2*3", "&", "T001 Tri", "     S", "ab", "     1",
                                       "     1", "     1", "     C", "-"})),
               ConversionError);
}

TEST(ToolLibraryCut, KindIsTheFirstCharacterOfTheTitle) {
  const struct {
    const char* header;
    const char* name;
    const char* kind;
  } cases[] = {
      {"T001 Tri", "Tri", "T"}, {"T001 C", "C", "C"}, {"T001 xyz", "xyz", "x"},
      {"T001 ", "", ""},        {"T001", "", ""},
  };
  for (const auto& c : cases) {
    const CutGEOM g = ReadText("T0011", CrLf({"01 T*T *1*2*3", "&"}) + Geometry(c.header));
    EXPECT_EQ(g.name, c.name) << c.header;
    EXPECT_EQ(g.kind, c.kind) << c.header;
  }
}

TEST(ToolLibraryCut, WithoutAHeaderTheLinesAfterTheSectionEndAreTheGeometry) {
  const std::string text =
      CrLf({"01 T*T *1*2*3", "&", "X001 Other", "     S", "     1", "     2", "     3", "     4",
            "     C", "-", "&     S2", "     5", "     6", "     7", "     8", "     C2", "-"});
  const CutGEOM g = ReadText("T0011", text);
  EXPECT_EQ(g.name, "");
  EXPECT_EQ(g.kind, ""); // no kind: the shape builder refuses it
  EXPECT_EQ(g.shapeText, "S2");
  EXPECT_EQ(g.clearanceAngle, 5.0f);
  EXPECT_EQ(g.cutText, "C2");
}

TEST(ToolLibraryCut, NotANumberIsAConversionError) {
  EXPECT_THROW(ReadText("T0011", CrLf({"01 T*T *x*2*3", "&"}) + Geometry("T001 Tri")),
               ConversionError);
  EXPECT_THROW(ReadText("T0011", CrLf({"01 T*T *1*2*3", "&", "T001 Tri", "     S", "     1.5.3",
                                       "     1", "     1", "     1", "     C", "-"})),
               ConversionError);
}

TEST(ToolLibraryCut, Refusals) {
  const std::string whole = CrLf({"01 T*T *1*2*3", "&"}) + Geometry("T001 Tri");
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"empty file", ""},
      {"type key missing before the &",
       CrLf({"02 T*T *1*2*3", "&", "01 T*T *1*2*3"}) + Geometry("T001 Tri")},
      {"type key only on the line after the &", CrLf({"02 T*T *1*2*3", "&01 T*T *1*2*3"})},
      {"type found but no &", CrLf({"01 T*T *1*2*3", "02 T*T *1*2*3"})},
      {"section 2 without header or &", CrLf({"01 T*T *1*2*3", "&", "X001 Other"})},
      {"no lines after the section end", CrLf({"01 T*T *1*2*3", "&", "X001 Other", "&"})},
      {"header at the end", whole.substr(0, whole.find("     SHAPE"))},
      {"geometry cut short", whole.substr(0, whole.find("     0.8"))},
      {"no closing line", whole.substr(0, whole.rfind("-----"))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectFatal([&] { ReadText("T0011", c.text); }, "Cant find & simbol", 0);
  }
  EXPECT_EQ(ReadText("T0011", whole.substr(0, whole.rfind("-----") + 1)).cutText, "CUT");

  ExpectFatal(
      [] {
        std::ifstream in(ToolFixtures() / "cut_no_ampersand.lib", std::ios::binary);
        ReadInsert("T16A1", in);
      },
      "Cant find & simbol", 0);
  ExpectFatal([] { ReadInsert("X00A9", ToolFixtures()); }, "Cant find & simbol", 0);
  ScratchFolder empty;
  ExpectFatal([&] { ReadInsert("T16A1", empty.path()); }, "Can't open CUT.LIB", 1);
}

TEST(ToolLibraryCut, InsertNamesShorterThanFiveAreRefused) {
  for (const char* name : {"", "T", "T16A"}) {
    ExpectFatal(
        [&] { ReadInsert(name, ToolFixtures()); },
        std::string("Insert name \"") + name + "\" in INST.LIB is shorter than five characters", 0);
  }
  EXPECT_EQ(ReadInsert("T16A1", ToolFixtures()).name, "Triangular 16");
}

} // namespace
} // namespace turnsim
