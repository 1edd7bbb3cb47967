// Tests of the tool load: assembling one tool from inst.lib, dev.lib and cut.lib, the state of
// the tool object after a load or a failed load, and the libraries of the samples folder.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>

#include "tests/support/recording_messages.h"
#include "tests/tooling/tool_library_test_util.h"
#include "turnsim/tooling/library_line_reader.h"
#include "turnsim/tooling/tool_library.h"

namespace turnsim {
namespace {

using testing::ExpectFatal;
using testing::RecordingMessages;
using testing::ScratchFolder;
using testing::ToolFixtures;

TEST(ToolLibraryLoad, ToolObjectStartsWithToolOne) {
  const TOOL_CLASS tool;
  EXPECT_EQ(tool.number, 1);
  EXPECT_FALSE(tool.shapeBuilt);
  EXPECT_TRUE(tool.contour.empty());
}

TEST(ToolLibraryLoad, AssemblesTheToolFromTheThreeLibraries) {
  RecordingMessages messages;
  TOOL_CLASS tool;
  tool.shapeBuilt = true;
  const LoadedToolTitles titles = tool.LoadTool(5, ToolFixtures());

  EXPECT_EQ(titles.holder, "PTGNR 2525 right");
  EXPECT_EQ(titles.cut, "Triangular 16");
  EXPECT_TRUE(messages.texts.empty()); // the caller shows the titles
  EXPECT_EQ(tool.number, 5);
  EXPECT_FALSE(tool.shapeBuilt);

  const ToolINFO& info = tool.info;
  EXPECT_EQ(info.title, "Roughing tool");
  EXPECT_EQ(info.numberText, "05");
  EXPECT_EQ(info.mainAngle, 93.0f);
  EXPECT_EQ(info.instParam2, 1.5f);
  EXPECT_EQ(info.instParam3, 2.25f);
  EXPECT_EQ(info.instParam4, 0.0f);
  EXPECT_EQ(info.instParam5, -4.0f);
  EXPECT_EQ(info.instParam6, 10.0f);
  EXPECT_EQ(info.code, "R");
  EXPECT_EQ(info.hand, "R");
  EXPECT_EQ(info.holder.name, "PTGNR 2525 right");
  EXPECT_EQ(info.holder.pointCount, 4);
  EXPECT_EQ(info.holder.holderParam3, 25.0f);
  EXPECT_EQ(info.cut.name, "Triangular 16");
  EXPECT_EQ(info.cut.kind, "T");
  EXPECT_EQ(info.cut.sideLength, 16.0f);
  EXPECT_EQ(info.cut.noseRadius, 0.8f);
  EXPECT_EQ(info.cut.type.typeName, "TRI");
}

TEST(ToolLibraryLoad, EachToolOfTheFixtureLibraries) {
  const struct {
    std::int32_t n;
    const char* numberText;
    const char* title;
    const char* hand;
    const char* kind;
    const char* insert;
  } cases[] = {
      {5, "05", "Roughing tool", "R", "T", "Triangular 16"},
      {7, "07", "Finishing tool", "L", "T", "Triangular 22"},
      {10, "010", "Neutral tool", "N", "T", "Triangular 16"},
      {3, "03", "Grooving insert", "N", "C", "Circular 12"},
      {99, "099", "Last tool", "R", "T", "Triangular 22"},
  };
  TOOL_CLASS tool;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    tool.LoadTool(c.n, ToolFixtures());
    EXPECT_EQ(tool.number, c.n);
    EXPECT_EQ(tool.info.numberText, c.numberText);
    EXPECT_EQ(tool.info.title, c.title);
    EXPECT_EQ(tool.info.hand, c.hand);
    EXPECT_EQ(tool.info.cut.kind, c.kind);
    EXPECT_EQ(tool.info.cut.name, c.insert);
  }
}

TEST(ToolLibraryLoad, HandIsAnyFifthCharacterOrEmpty) {
  ScratchFolder folder;
  folder.CopyFixture("cut.lib");
  const std::string record = "    60 1\r\n" + std::string() +
                             "       1\r\n       2\r\n       3\r\n       4\r\n       5\r\n"
                             "       6\r\n       7\r\n       8\r\n       9\r\n       10\r\n-\r\n";
  folder.Write("dev.lib", "HOLDR1 ABCDX\r\n" + record + "HOLDR2 ABC\r\n" + record);
  folder.Write("inst.lib", "010 One\r\n    HOLDR1\r\n    T16A1\r\n    1\r\n    2\r\n    3\r\n"
                           "    4\r\n    5\r\n    6\r\n    C\r\n&\r\n"
                           "020 Two\r\n    HOLDR2\r\n    T16A1\r\n    1\r\n    2\r\n    3\r\n"
                           "    4\r\n    5\r\n    6\r\n    C\r\n&\r\n");
  TOOL_CLASS tool;
  EXPECT_EQ(tool.LoadTool(1, folder.path()).holder, "ABCDX");
  EXPECT_EQ(tool.info.hand, "X");
  tool.LoadTool(2, folder.path());
  EXPECT_EQ(tool.info.hand, "");
}

TEST(ToolLibraryLoad, MissingLibrariesInReadingOrder) {
  ScratchFolder folder;
  TOOL_CLASS tool;
  ExpectFatal([&] { tool.LoadTool(5, folder.path()); }, "Can't open INST.LIB", 1);
  folder.CopyFixture("inst.lib");
  ExpectFatal([&] { tool.LoadTool(5, folder.path()); }, "Can't open DEV.LIB", 1);
  folder.CopyFixture("dev.lib");
  ExpectFatal([&] { tool.LoadTool(5, folder.path()); }, "Can't open CUT.LIB", 1);
  folder.CopyFixture("cut.lib");
  EXPECT_EQ(tool.LoadTool(5, folder.path()).cut, "Triangular 16");
}

TEST(ToolLibraryLoad, ToolNumberRefusals) {
  TOOL_CLASS tool;
  ExpectFatal([&] { tool.LoadTool(100, ToolFixtures()); },
              "Incorrect instrument number in Inst.lib", 1);
  ExpectFatal([&] { tool.LoadTool(12, ToolFixtures()); }, "Can't find tool in inst.lib", 0);
}

TEST(ToolLibraryLoad, FailedLoadKeepsThePreviousToolButStoresTheNumber) {
  ScratchFolder folder;
  folder.CopyFixture("dev.lib");
  folder.CopyFixture("cut.lib");
  folder.Write("inst.lib", "070 Good\r\n    PTGNL1\r\n    T22B2\r\n    87.5\r\n    0\r\n"
                           "    0\r\n    0\r\n    0\r\n    0\r\n    F\r\n&\r\n"
                           "050 Bad\r\n    PTGNR1\r\n    T16A1\r\n    9o\r\n    0\r\n"
                           "    0\r\n    0\r\n    0\r\n    0\r\n    R\r\n&\r\n");
  TOOL_CLASS tool;
  tool.LoadTool(7, folder.path());
  tool.shapeBuilt = true;
  EXPECT_THROW(tool.LoadTool(5, folder.path()), ConversionError);
  EXPECT_EQ(tool.number, 5);
  EXPECT_EQ(tool.info.title, "Good");
  EXPECT_EQ(tool.info.numberText, "07");
  EXPECT_TRUE(tool.shapeBuilt);
}

TEST(ToolLibraryLoad, ReadsTheWorkingDirectoryByDefault) {
  ScratchFolder folder;
  for (const char* name : {"inst.lib", "dev.lib", "cut.lib"}) {
    folder.CopyFixture(name);
  }
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  TOOL_CLASS tool;
  LoadedToolTitles titles;
  EXPECT_NO_THROW(titles = tool.LoadTool(7));
  std::filesystem::current_path(previous);
  EXPECT_EQ(titles.holder, "PTGNL 2525 left");
}

// The tool numbers of an inst.lib: the keys of its header lines, lines that begin with two
// digits and "0" outside the nine lines of a record.
std::vector<std::int32_t> ToolNumbers(const std::filesystem::path& instLib) {
  std::ifstream in(instLib, std::ios::binary);
  LibraryLineReader reader(in);
  std::vector<std::int32_t> numbers;
  std::string line;
  int recordLinesLeft = 0;
  while (reader.ReadLine(line)) {
    if (recordLinesLeft > 0) {
      --recordLinesLeft;
      continue;
    }
    if (line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0])) &&
        std::isdigit(static_cast<unsigned char>(line[1])) && line[2] == '0') {
      numbers.push_back((line[0] - '0') * 10 + (line[1] - '0'));
      recordLinesLeft = 9;
    }
  }
  return numbers;
}

TEST(ToolLibraryLoad, ToolNumbersOfALibrary) {
  const std::vector<std::int32_t> expected = {5, 7, 10, 3, 99};
  EXPECT_EQ(ToolNumbers(ToolFixtures() / "inst.lib"), expected);
}

TEST(ToolLibraryLoad, EveryToolOfTheSamples) {
  const std::filesystem::path samples = SAMPLES_DIR;
  for (const char* name : {"inst.lib", "dev.lib", "cut.lib"}) {
    if (!std::filesystem::exists(samples / name)) {
      GTEST_SKIP() << "samples/" << name << " is not there";
    }
  }
  const std::vector<std::int32_t> numbers = ToolNumbers(samples / "inst.lib");
  ASSERT_FALSE(numbers.empty());
  RecordingMessages messages;
  TOOL_CLASS tool;
  for (std::int32_t n : numbers) {
    SCOPED_TRACE(n);
    LoadedToolTitles titles;
    ASSERT_NO_THROW(titles = tool.LoadTool(n, samples));
    EXPECT_EQ(tool.number, n);
    EXPECT_FALSE(titles.holder.empty());
    EXPECT_FALSE(titles.cut.empty());
    EXPECT_EQ(tool.info.holder.points.size(), 2u * tool.info.holder.pointCount);
    EXPECT_GE(tool.info.holder.pointCount, 3);
    const std::set<std::string> hands = {"N", "R", "L"};
    EXPECT_TRUE(hands.count(tool.info.hand)) << tool.info.hand;
    EXPECT_TRUE(tool.info.cut.kind == "T" || tool.info.cut.kind == "C") << tool.info.cut.kind;
    EXPECT_GE(tool.info.mainAngle, 0.0f);
    EXPECT_LT(tool.info.mainAngle, 180.0f);
    if (tool.info.cut.kind == "T") {
      EXPECT_GT(tool.info.cut.sideLength, 0.0f);
    }
  }
  EXPECT_TRUE(messages.texts.empty());
}

} // namespace
} // namespace turnsim
