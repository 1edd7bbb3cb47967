// Tests of the inst.lib reader: key lookup, the nine record lines, and every refusal.
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

INST ReadText(std::int32_t n, const std::string& text) {
  std::istringstream in(text);
  return ReadInstRecord(n, in);
}

INST ReadFixture(std::int32_t n, const std::string& name) {
  std::ifstream in(ToolFixtures() / name, std::ios::binary);
  return ReadInstRecord(n, in);
}

TEST(ToolLibraryInst, ReadsTheRecordOfTheTool) {
  const INST r = ReadInstRecord(5, ToolFixtures());
  EXPECT_EQ(r.title, "Roughing tool");
  EXPECT_EQ(r.holderName, "PTGNR1");
  EXPECT_EQ(r.insertName, "T16A1");
  EXPECT_EQ(r.mainAngle, 93.0f);
  EXPECT_EQ(r.instParam2, 1.5f); // written "1,5"
  EXPECT_EQ(r.instParam3, 2.25f);
  EXPECT_EQ(r.instParam4, 0.0f);
  EXPECT_EQ(r.instParam5, -4.0f);
  EXPECT_EQ(r.instParam6, 10.0f);
  EXPECT_EQ(r.code, "R");
}

TEST(ToolLibraryInst, LooksUpTheKeyAndTakesTheTitleFromColumnFive) {
  const struct {
    std::int32_t n;
    const char* title;
    const char* holder;
  } cases[] = {
      {7, "Finishing tool", "PTGNL1XY"}, // column 4 holds "X"
      {10, "Neutral tool", "PTGNN1"},    // key "100"
      {99, "Last tool", "PTGNR1"},       // key "990", the last record
      {3, "Grooving insert", "PTGNN1"},
  };
  for (const auto& c : cases) {
    const INST r = ReadInstRecord(c.n, ToolFixtures());
    EXPECT_EQ(r.title, c.title) << c.n;
    EXPECT_EQ(r.holderName, c.holder) << c.n;
  }
}

TEST(ToolLibraryInst, ColumnFourOfTheHeaderIsNotRead) {
  for (const char* header : {"050 Roughing tool", "050XRoughing tool", "050&Roughing tool"}) {
    const INST r = ReadText(5, CrLf({header, "    H", "    I", "    1", "    2", "    3", "    4",
                                     "    5", "    6", "    C", "&"}));
    EXPECT_EQ(r.title, "Roughing tool") << header;
  }
  // A header of only the key has an empty title.
  EXPECT_EQ(ReadText(5, CrLf({"050", "    H", "    I", "    1", "    2", "    3", "    4", "    5",
                              "    6", "    C"}))
                .title,
            "");
}

TEST(ToolLibraryInst, EveryRecordLineGoesThroughTheDecimalRule) {
  const INST r = ReadText(1, CrLf({"010 T", "    H,1", "    I,2,3", "    -1,5", "    1e1", "    ,5",
                                   "    0", "    0", "    0", "    Q,R"}));
  EXPECT_EQ(r.holderName, "H.1");
  EXPECT_EQ(r.insertName, "I.2,3");
  EXPECT_EQ(r.mainAngle, -1.5f);
  EXPECT_EQ(r.instParam2, 10.0f);
  EXPECT_EQ(r.instParam3, 0.5f);
  EXPECT_EQ(r.code, "Q");
}

TEST(ToolLibraryInst, ShortRecordLinesGiveEmptyTexts) {
  const INST r = ReadText(
      1, CrLf({"010 T", "", "abc", "    1", "    2", "    3", "    4", "    5", "    6", "1234"}));
  EXPECT_EQ(r.holderName, "");
  EXPECT_EQ(r.insertName, "");
  EXPECT_EQ(r.code, "");
}

TEST(ToolLibraryInst, LinesLongerThanTheFormatAreReadWhole) {
  const std::string longTitle(500, 't');
  const std::string longHolder(300, 'h');
  const INST r = ReadText(2, CrLf({"020 " + longTitle, "    " + longHolder, "    I",
                                   "    " + std::string(200, '0') + "7", "    2", "    3", "    4",
                                   "    5", "    6", "    C"}));
  EXPECT_EQ(r.title, longTitle);
  EXPECT_EQ(r.holderName, longHolder);
  EXPECT_EQ(r.mainAngle, 7.0f);
}

TEST(ToolLibraryInst, AcceptsLineFeedOnlyAndAMissingLastLineEnd) {
  const INST r = ReadText(1, "010 T\n    H\n    I\n    1\n    2\n    3\n    4\n    5\n    6\n"
                             "    C");
  EXPECT_EQ(r.title, "T");
  EXPECT_EQ(r.code, "C");
}

TEST(ToolLibraryInst, NotANumberIsAConversionError) {
  EXPECT_THROW(ReadText(1, CrLf({"010 T", "    H", "    I", "    1.5.3", "    2", "    3", "    4",
                                 "    5", "    6", "    C"})),
               ConversionError);
  EXPECT_THROW(ReadText(1, CrLf({"010 T", "    H", "    I", "    1", "    2", "    3", "    4",
                                 "    5", "", "    C"})),
               ConversionError);
}

TEST(ToolLibraryInst, Refusals) {
  const struct {
    const char* what;
    std::string text;
    const char* message;
    int code;
  } cases[] = {
      {"no header with the key", CrLf({"060 Other", "    H"}), "Can't find tool in inst.lib", 0},
      {"empty file", "", "Can't find tool in inst.lib", 0},
      {"key only in columns 2 to 4", CrLf({" 050 T"}), "Can't find tool in inst.lib", 0},
      {"& on its own line", CrLf({"050 T", "    H", "    I", "&"}), "Wrong INST.LIB file.", 0},
      {"& inside a line",
       CrLf({"050 T", "    H", "    I", "    1&", "    2", "    3", "    4", "    5", "    6",
             "    C"}),
       "Wrong INST.LIB file.", 0},
      {"& in the ninth line",
       CrLf({"050 T", "    H", "    I", "    1", "    2", "    3", "    4", "    5", "    6",
             "    C&"}),
       "Wrong INST.LIB file.", 0},
      {"header at the end", "050 T", "Wrong INST.LIB file.", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectFatal([&] { ReadText(5, c.text); }, c.message, c.code);
  }
}

TEST(ToolLibraryInst, MalformedFixtures) {
  // Eight record lines before the "&".
  ExpectFatal([] { ReadFixture(5, "inst_eight_lines.lib"); }, "Wrong INST.LIB file.", 0);
  // The file ends after the seventh record line.
  ExpectFatal([] { ReadFixture(5, "inst_cut_short.lib"); }, "Wrong INST.LIB file.", 0);
}

TEST(ToolLibraryInst, FileRefusalsComeInTheirOrder) {
  ExpectFatal([] { ReadInstRecord(12, ToolFixtures()); }, "Can't find tool in inst.lib", 0);
  ExpectFatal([] { ReadInstRecord(100, ToolFixtures()); },
              "Incorrect instrument number in Inst.lib", 1);
  ScratchFolder empty;
  ExpectFatal([&] { ReadInstRecord(5, empty.path()); }, "Can't open INST.LIB", 1);
  // The file is opened before the number is checked.
  ExpectFatal([&] { ReadInstRecord(100, empty.path()); }, "Can't open INST.LIB", 1);
  // A folder in place of the file cannot be opened either.
  std::filesystem::create_directory(empty.path() / "inst.lib");
  ExpectFatal([&] { ReadInstRecord(5, empty.path()); }, "Can't open INST.LIB", 1);
}

} // namespace
} // namespace turnsim
