// Tests of the dev.lib reader: holder lookup on six characters, the outline, the parameter
// lines, and every refusal.
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

DevINFO ReadText(std::string_view h, const std::string& text) {
  std::istringstream in(text);
  return ReadHolder(h, in);
}

// A holder record: header, outline lines, the "60" line, ten parameters and a closing line.
std::string Holder(const std::string& header, const std::vector<std::string>& outline,
                   const std::string& last = "------") {
  std::string text = header + "\r\n";
  for (const std::string& p : outline) {
    text += "       " + p + "\r\n";
  }
  text += "    60 25\r\n";
  for (int i = 1; i <= 10; ++i) {
    text += "       " + std::to_string(i) + "\r\n";
  }
  return text + last + "\r\n";
}

TEST(ToolLibraryDev, ReadsTheHolder) {
  const DevINFO d = ReadHolder("PTGNR1", ToolFixtures());
  EXPECT_EQ(d.name, "PTGNR 2525 right");
  EXPECT_EQ(d.pointCount, 4);
  const std::vector<std::string> points = {"0", "0", "10.5", "-3", "20", "-3", "20", "5"};
  EXPECT_EQ(d.points, points);
  EXPECT_EQ(d.holderParam0, 25.0f);
  EXPECT_EQ(d.holderParam1, 1.0f);
  EXPECT_EQ(d.holderParam2, 2.5f); // written "2,5"
  EXPECT_EQ(d.holderParam3, 25.0f);
  EXPECT_EQ(d.holderParam4, 4.0f);
  EXPECT_EQ(d.holderParam5, 5.0f);
  EXPECT_EQ(d.holderParam6, 6.0f);
  EXPECT_EQ(d.holderParam7, 7.0f);
  EXPECT_EQ(d.holderParam8, 8.0f);
  EXPECT_EQ(d.holderParam9, 9.0f);
  EXPECT_EQ(d.holderParam10, 10.0f);

  const DevINFO n = ReadHolder("PTGNN1", ToolFixtures());
  EXPECT_EQ(n.name, "PTGNN 2020");
  EXPECT_EQ(n.holderParam0, 12.5f); // "12,5" on the "60" line
  EXPECT_EQ(n.holderParam3, 16.0f);
}

TEST(ToolLibraryDev, OutlineTextsAreKeptAsWritten) {
  // The decimal rule is applied to the coordinates when the outline is used, not here.
  const DevINFO d = ReadText("AAAAAA", Holder("AAAAAA T", {"10.5,-3", "1,5,2", "7", " 2 , x"}));
  const std::vector<std::string> points = {"10.5", "-3", "1", "5,2", "7", "", " 2 ", " x"};
  EXPECT_EQ(d.points, points);
  EXPECT_EQ(d.pointCount, 4);
}

TEST(ToolLibraryDev, MatchesOnTheFirstSixCharacters) {
  const std::string lib = Holder("PCLNR2", {"1,1"}) + Holder("PCLNR1 first", {"2,2"}) +
                          Holder("PCLNR1xsecond", {"3,3"});
  const struct {
    const char* h;
    const char* name;
  } cases[] = {
      {"PCLNR1", "first"},    // a blank follows the six characters
      {"PCLNR1XYZ", "first"}, // only six characters of the name count
      {"PCLNR2", ""},         // a header of exactly the six characters
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadText(c.h, lib).name, c.name) << c.h;
  }
  // The holder title starts at column 8 whatever stands in column 7.
  EXPECT_EQ(ReadText("PCLNR1", Holder("PCLNR1xsecond", {"3,3"})).name, "second");
}

TEST(ToolLibraryDev, ShortNamesMatchOnlyALineEndingWithThem) {
  const std::string lib = Holder("ABCDEF long", {"1,1"}) + Holder("ABCD", {"2,2"});
  EXPECT_EQ(ReadText("ABCD", lib).points.front(), "2");
  ExpectFatal([&] { ReadText("ABC", lib); }, "Can't find tool in dev.lib", 0);
  // An empty name names no holder, even in a library with empty lines.
  ExpectFatal([&] { ReadText("", "\r\n" + lib); }, "Can't find tool in dev.lib", 0);
}

TEST(ToolLibraryDev, TheSixtyLineEndsTheOutline) {
  // "60" must stand in columns 5 and 6; elsewhere the line is an outline point.
  std::string text = CrLf({"H00001 T", "   60  1,2", "     60 3,4", "    60 ,5"});
  for (int i = 1; i <= 10; ++i) {
    text += "       " + std::to_string(i) + "\r\n";
  }
  const DevINFO d = ReadText("H00001", text + "end\r\n");
  const std::vector<std::string> points = {"1", "2", " 3", "4"};
  EXPECT_EQ(d.points, points);
  EXPECT_EQ(d.pointCount, 2);
  EXPECT_EQ(d.holderParam0, 0.5f);
}

TEST(ToolLibraryDev, ParameterLinesAreReadFromColumnEight) {
  const DevINFO d = ReadText(
      "H00001", CrLf({"H00001 T", "    60 1", "xxxxxxx1,25", "       2", "       3", "       4",
                      "       5", "       6", "       7", "       8", "       9", "      10", ""}));
  EXPECT_EQ(d.pointCount, 0);
  EXPECT_TRUE(d.points.empty());
  EXPECT_EQ(d.holderParam1, 1.25f);
  EXPECT_EQ(d.holderParam10, 0.0f); // "      10" holds "0" from column 8 on
}

TEST(ToolLibraryDev, NotANumberIsAConversionError) {
  // A parameter line shorter than five characters has nothing from column 8 on.
  EXPECT_THROW(ReadText("H00001", CrLf({"H00001 T", "    60 1", "1234", "       2", "       3",
                                        "       4", "       5", "       6", "       7", "       8",
                                        "       9", "       10", "-"})),
               ConversionError);
  EXPECT_THROW(ReadText("H00001", CrLf({"H00001 T", "    60 x"})), ConversionError);
}

TEST(ToolLibraryDev, SixtyOutlinePointsAreTheMost) {
  const std::vector<std::string> sixty(60, "1,2");
  EXPECT_EQ(ReadText("HOLDER", Holder("HOLDER T", sixty)).pointCount, 60);
  std::vector<std::string> sixtyOne = sixty;
  sixtyOne.push_back("3,4");
  ExpectFatal([&] { ReadText("HOLDER", Holder("HOLDER T", sixtyOne)); },
              "Holder HOLDER in DEV.LIB has more than 60 outline points", 0);
}

TEST(ToolLibraryDev, Refusals) {
  const std::string whole = Holder("HOLDER T", {"1,2", "3,4"});
  // Every prefix of the record that stops before its closing line is cut short.
  const std::size_t closing = whole.rfind("------");
  for (std::size_t end : {std::size_t{0}, whole.find("\r\n") + 2, whole.find("    60"),
                          whole.find("       5"), closing}) {
    SCOPED_TRACE(end);
    ExpectFatal([&] { ReadText("HOLDER", whole.substr(0, end)); }, "Can't find tool in dev.lib", 0);
  }
  EXPECT_EQ(ReadText("HOLDER", whole.substr(0, closing + 1)).pointCount, 2);

  ExpectFatal([] { ReadHolder("NOSUCH", ToolFixtures()); }, "Can't find tool in dev.lib", 0);
  ExpectFatal(
      [] {
        std::ifstream in(ToolFixtures() / "dev_cut_short.lib", std::ios::binary);
        ReadHolder("PTGNR1", in);
      },
      "Can't find tool in dev.lib", 0);
  ScratchFolder empty;
  ExpectFatal([&] { ReadHolder("PTGNR1", empty.path()); }, "Can't open DEV.LIB", 1);
}

} // namespace
} // namespace turnsim
