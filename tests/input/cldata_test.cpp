// The CLDATA reader: text and binary programs, conversion into commands, the refusals of bad
// programs and the splitting of motions into animation steps.
#include "turnsim/input/cldata.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <sstream>

#include "tests/input/scratch_folder.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {
namespace {

using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

const std::filesystem::path kFixtures = TEST_FIXTURES;

// Points are written (X, Z).
CldataCommand Command(std::int32_t code, XZPoint start = {}, XZPoint end = {}, XZPoint centre = {},
                      float radius = 0) {
  CldataCommand c;
  c.code = code;
  c.start = start;
  c.end = end;
  c.centre = centre;
  c.radius = radius;
  return c;
}

void ExpectCommands(const std::vector<CldataCommand>& actual,
                    const std::vector<CldataCommand>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("command " + std::to_string(i));
    const CldataCommand& a = actual[i];
    const CldataCommand& e = expected[i];
    EXPECT_EQ(a.code, e.code);
    EXPECT_EQ(a.start.X, e.start.X);
    EXPECT_EQ(a.start.Z, e.start.Z);
    EXPECT_EQ(a.end.X, e.end.X);
    EXPECT_EQ(a.end.Z, e.end.Z);
    EXPECT_EQ(a.centre.X, e.centre.X);
    EXPECT_EQ(a.centre.Z, e.centre.Z);
    EXPECT_EQ(a.radius, e.radius);
  }
}

// The program of fixtures/cldata_text/Clfile.txt: rapid mode, a line, a tool change and a speed
// that leave the position alone, an incremental line, then two circle groups (direction 1 and
// 2) whose skipped fourth records have a type that does not convert, and a last line whose
// record is not followed by white space.
const std::vector<CldataCommand> kFixtureProgram = {
    Command(kCommandRapid),
    Command(kCommandLine, {0, 0}, {10, 20}),
    Command(kCommandToolChange, {3, 0}),
    Command(kCommandCuttingSpeed, {2, 120.5f}),
    Command(kCommandLine, {10, 20}, {15, 15}),
    Command(kCommandArc, {15, 15}, {10, 10}, {15, 10}, 5),
    Command(kCommandArc, {10, 10}, {5, 5}, {10, 5}, -5),
    Command(kCommandLine, {5, 5}, {0, 0}),
};

TEST(Cldata, ReadsTheTextProgram) {
  CldataLoader loader(kFixtures / "cldata_text");
  ExpectCommands(LoadCLDATA_MACRO(loader, kCldataText, false), kFixtureProgram);
  EXPECT_EQ(loader.Records().size(), 14u);
}

TEST(Cldata, WritesTheBinaryCopyThatReadsBackTheSame) {
  ScratchFolder folder;
  std::filesystem::copy_file(kFixtures / "cldata_text/Clfile.txt", folder / "Clfile.txt");
  CldataLoader loader(folder.path());
  LoadCLDATA_MACRO(loader, kCldataText, false);
  EXPECT_FALSE(std::filesystem::exists(folder / "clfile"));

  WriteFile(folder / "clfile", "an older program");
  LoadCLDATA_MACRO(loader, kCldataText, true);
  EXPECT_EQ(std::filesystem::file_size(folder / "clfile"), 14u * kCldataRecordBytes);
  EXPECT_FALSE(std::filesystem::exists(folder / "clfile.tmp"));
  ExpectCommands(LoadCLDATA_MACRO(loader, kCldataBinary, false), kFixtureProgram);
}

TEST(Cldata, ReadsBinaryRecordsAndIgnoresATrailingPartRecord) {
  // Two little-endian records, 28 (10, 20) and 27 (5, -5), then 5 bytes of a third.
  CldataLoader loader(kFixtures / "cldata_binary");
  ExpectCommands(
      LoadCLDATA_MACRO(loader, kCldataBinary, false),
      {Command(kCommandLine, {0, 0}, {10, 20}), Command(kCommandLine, {10, 20}, {15, 15})});
}

TEST(Cldata, WritesRecordsAsLittleEndianBytes) {
  CldataLoader loader;
  std::istringstream text("1 28 -2 4 1.5 -2 0.25 3");
  loader.ReadText(text);
  std::ostringstream out;
  loader.WriteBinary(out);
  std::string hex;
  for (unsigned char c : out.str()) {
    const char* digits = "0123456789abcdef";
    hex += digits[c >> 4];
    hex += digits[c & 15];
  }
  EXPECT_EQ(hex, "010000001c000000feffffff040000000000c03f000000c00000803e00004040");
}

TEST(Cldata, ReadsTheFixedNamesInTheWorkingDirectory) {
  ScratchFolder folder;
  std::filesystem::copy_file(kFixtures / "cldata_text/Clfile.txt", folder / "Clfile.txt");
  testing::WorkingDirectory cwd(folder.path());
  CldataLoader loader;
  ExpectCommands(LoadCLDATA_MACRO(loader, kCldataText, true), kFixtureProgram);
  ExpectCommands(LoadCLDATA_MACRO(loader, kCldataBinary, false), kFixtureProgram);
}

struct RecordCase {
  const char* name;
  CldataRecord record;
  CldataCommand command;
  XZPoint positionAfter;
};

TEST(Cldata, MakeNo32ConvertsEachRecordType) {
  const XZPoint p{4, 6};
  const RecordCase cases[] = {
      {"absolute line", {0, 28, 0, 0, 10, 20, 7, 8}, Command(kCommandLine, p, {10, 20}), {10, 20}},
      {"incremental line", {0, 27, 0, 0, 5, -5, 7, 8}, Command(kCommandLine, p, {9, 1}), {9, 1}},
      {"tool change", {9, 13, 5, 9, 12, 3, 7, 8}, Command(kCommandToolChange, {12, 0}), p},
      {"speed in m/min", {9, 23, 2, 9, 180, 3, 7, 8}, Command(kCommandCuttingSpeed, {2, 180}), p},
      {"speed in mm/r", {9, 23, 1, 9, 0.2f, 3, 7, 8}, Command(kCommandCuttingSpeed, {1, 0.2f}), p},
      {"rapid mode", {9, 6, 5, 9, 12, 3, 7, 8}, Command(kCommandRapid), p},
  };
  for (const RecordCase& c : cases) {
    SCOPED_TRACE(c.name);
    XZPoint position = p;
    ExpectCommands({MakeNo32(c.record, position)}, {c.command});
    EXPECT_EQ(position.X, c.positionAfter.X);
    EXPECT_EQ(position.Z, c.positionAfter.Z);
  }
}

TEST(Cldata, CircleDirectionGivesTheRadiusSign) {
  // Centre (0, 0), start (3, 4): radius 5, positive only for direction 1.
  const std::pair<std::int32_t, float> cases[] = {{1, 5}, {0, -5}, {2, -5}, {-1, -5}};
  for (const auto& [direction, radius] : cases) {
    SCOPED_TRACE(direction);
    const std::vector<CldataRecord> records = {{0, 32, direction, 0, 0, 0, 0, 0},
                                               {0, 0, 0, 0, 3, 4, 0, 0},
                                               {0, 0, 0, 0, 4, 3, 0, 0},
                                               {0, 77, 0, 0, 0, 0, 0, 0},
                                               {0, 28, 0, 0, 1, 1, 0, 0}};
    ExpectCommands(ConvertCldata(records), {Command(kCommandArc, {3, 4}, {4, 3}, {0, 0}, radius),
                                            Command(kCommandLine, {4, 3}, {1, 1})});
  }
}

TEST(Cldata, CircleGroupMayLackOnlyItsSkippedRecordAtTheEnd) {
  const std::vector<CldataRecord> records = {
      {0, 32, 1, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 3, 4, 0, 0}, {0, 0, 0, 0, 4, 3, 0, 0}};
  ExpectCommands(ConvertCldata(records), {Command(kCommandArc, {3, 4}, {4, 3}, {0, 0}, 5)});
}

TEST(Cldata, TextProgramEndsAtAWordThatIsNotANumber) {
  CldataLoader loader;
  std::istringstream text("0 28 0 0 1 2 0 0\n%END of program 0 28 0 0 5 5 0 0\n");
  loader.ReadText(text);
  EXPECT_EQ(loader.Records().size(), 1u);
}

std::string Packed(std::int32_t type, std::int32_t parameter, float v1, float v2) {
  static_assert(std::endian::native == std::endian::little);
  const std::int32_t words[4] = {0, type, parameter, 0};
  const float values[4] = {v1, v2, 0, 0};
  std::string bytes(32, '\0');
  std::memcpy(bytes.data(), words, 16);
  std::memcpy(bytes.data() + 16, values, 16);
  return bytes;
}

struct BadProgram {
  const char* name;
  int source;
  std::optional<std::string> text;   // Clfile.txt
  std::optional<std::string> binary; // clfile
  bool writeBinary;
  bool clfileIsFolder;
  const char* message;
};

TEST(Cldata, RefusesBadProgramsAndEndsWithCode0) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const std::string good = "0 28 0 0 1 2 0 0\n";
  const BadProgram cases[] = {
      {"no text program",
       kCldataText,
       {},
       Packed(28, 0, 1, 2),
       false,
       false,
       "Can't find text version of CLFILE!"},
      {"no binary program", kCldataBinary, good, {}, false, false, "NO CLDATA FILE"},
      {"binary copy cannot be written", kCldataText, good, {}, true, true, "NO CLDATA FILE"},
      {"unknown record type",
       kCldataText,
       good + "0 5 0 0 1 2 0 0\n",
       {},
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"record cut short by the end",
       kCldataText,
       good + "0 28 0 0 5",
       {},
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"comma inside a record",
       kCldataText,
       "0 28 0 0 1,5 2 0 0\n",
       {},
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"decimal record type",
       kCldataText,
       "0 28.0 0 0 1 2 0 0\n",
       {},
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"infinity in a text record",
       kCldataText,
       "0 28 0 0 inf 2 0 0\n",
       {},
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"circle group without end",
       kCldataText,
       "0 32 1 0 0 0 0 0\n0 0 0 0 5 0 0 0\n",
       {},
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"coordinate beyond a kilometre",
       kCldataText,
       "0 28 0 0 2e6 0 0 0\n",
       {},
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"increments beyond a kilometre",
       kCldataText,
       "0 28 0 0 9e5 0 0 0 0 27 0 0 2e5 0 0 0",
       {},
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"unknown binary type",
       kCldataBinary,
       {},
       Packed(28, 0, 1, 2) + Packed(31, 0, 0, 0),
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"circle type 32 in MakeNo32's place",
       kCldataBinary,
       {},
       Packed(32, 1, 0, 0),
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"not-a-number coordinate",
       kCldataBinary,
       {},
       Packed(28, 0, nan, 2),
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"infinite circle centre",
       kCldataBinary,
       {},
       Packed(32, 1, inf, 0) + Packed(0, 0, 1, 1) + Packed(0, 0, 2, 2),
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"not-a-number tool number",
       kCldataBinary,
       {},
       Packed(13, 0, nan, 0),
       false,
       false,
       "MakeNo32: Invalide clfile"},
      {"infinite speed",
       kCldataBinary,
       {},
       Packed(23, 1, inf, 0),
       false,
       false,
       "MakeNo32: Invalide clfile"},
  };
  for (const BadProgram& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    if (c.text) {
      WriteFile(folder / "Clfile.txt", *c.text);
    }
    if (c.binary) {
      WriteFile(folder / "clfile", *c.binary);
    }
    if (c.clfileIsFolder) {
      std::filesystem::create_directory(folder / "clfile");
    }
    CldataLoader loader(folder.path());
    try {
      LoadCLDATA_MACRO(loader, c.source, c.writeBinary);
      ADD_FAILURE() << "accepted";
    } catch (const FatalExit& e) {
      EXPECT_STREQ(e.what(), c.message);
      EXPECT_EQ(e.code(), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "clfile.tmp"));
  }
}

TEST(Cldata, ProgramThatIsAFolderIsMissing) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "Clfile.txt");
  std::filesystem::create_directory(folder / "clfile");
  CldataLoader loader(folder.path());
  for (int source : {kCldataText, kCldataBinary}) {
    try {
      LoadCLDATA_MACRO(loader, source, false);
      ADD_FAILURE() << "read a folder";
    } catch (const FatalExit& e) {
      EXPECT_STREQ(e.what(),
                   source == kCldataText ? "Can't find text version of CLFILE!" : "NO CLDATA FILE");
      EXPECT_EQ(e.code(), 0);
    }
  }
}

struct SplitCase {
  const char* name;
  float step;
  CldataCommand command;
  std::size_t pieces;
  float pieceLength;
};

TEST(Cldata, SplitsLinesIntoAnimationSteps) {
  const CldataCommand line10 = Command(kCommandLine, {1, 2}, {7, 10});
  const SplitCase cases[] = {
      {"5 mm with step 3 stays whole", 3, Command(kCommandLine, {0, 0}, {0, 5}), 1, 5},
      {"6 mm with step 3", 3, Command(kCommandLine, {0, 0}, {0, 6}), 2, 3},
      {"10 mm with step 3", 3, line10, 3, 10.0f / 3},
      {"step 0 keeps the motion whole", 0, line10, 1, 10},
      {"a step below 1 mm is not rounded away", 0.5f, Command(kCommandLine, {0, 0}, {0, 2}), 4,
       0.5f},
      {"negative step", -1, line10, 1, 10},
      {"long motion in its largest number of pieces", 1,
       Command(kCommandLine, {0, -10000}, {0, 10000}), 10000, 2},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto pieces = SplitIntoSteps({Command(kCommandToolChange, {4, 0}), c.command}, c.step);
    ASSERT_EQ(pieces.size(), c.pieces + 1);
    ExpectCommands({pieces[0]}, {Command(kCommandToolChange, {4, 0})});
    EXPECT_EQ(pieces[1].start.X, c.command.start.X);
    EXPECT_EQ(pieces[1].start.Z, c.command.start.Z);
    for (std::size_t k = 1; k < pieces.size(); ++k) {
      EXPECT_EQ(pieces[k].code, kCommandLine);
      EXPECT_NEAR(Distance(pieces[k].start, pieces[k].end), c.pieceLength, 1e-3);
      if (k + 1 < pieces.size()) {
        EXPECT_EQ(pieces[k].end.X, pieces[k + 1].start.X);
        EXPECT_EQ(pieces[k].end.Z, pieces[k + 1].start.Z);
      }
    }
    EXPECT_NEAR(pieces.back().end.X, c.command.end.X, 1e-2);
    EXPECT_NEAR(pieces.back().end.Z, c.command.end.Z, 1e-2);
  }
}

TEST(Cldata, SplitsArcsAlongTheirDirection) {
  // A half circle of radius 10 about (0, 0) from polar angle 0 to 180: 31.4 mm, ten pieces of
  // step 3. Clockwise (positive radius) it passes X = -10, counter-clockwise X = +10.
  for (float radius : {10.0f, -10.0f}) {
    SCOPED_TRACE(radius);
    const CldataCommand arc = Command(kCommandArc, {0, 10}, {0, -10}, {0, 0}, radius);
    const auto pieces = SplitIntoSteps({arc}, 3);
    ASSERT_EQ(pieces.size(), 10u);
    EXPECT_EQ(pieces[0].start.X, 0.0f);
    EXPECT_EQ(pieces[0].start.Z, 10.0f);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      EXPECT_EQ(pieces[k].code, kCommandArc);
      EXPECT_EQ(pieces[k].radius, radius);
      EXPECT_EQ(pieces[k].centre.X, 0.0f);
      EXPECT_NEAR(Distance(pieces[k].end, {0, 0}), 10, 1e-3);
      if (k + 1 < pieces.size()) {
        EXPECT_EQ(pieces[k].end.X, pieces[k + 1].start.X);
        EXPECT_EQ(pieces[k].end.Z, pieces[k + 1].start.Z);
      }
    }
    EXPECT_NEAR(pieces[4].end.X, radius > 0 ? -10 : 10, 1e-3);
    EXPECT_NEAR(pieces[4].end.Z, 0, 1e-3);
    EXPECT_NEAR(pieces.back().end.X, 0, 1e-3);
    EXPECT_NEAR(pieces.back().end.Z, -10, 1e-3);
  }
}

TEST(Cldata, ShortArcsAndOtherCommandsStayWhole) {
  const std::vector<CldataCommand> commands = {
      Command(kCommandRapid), Command(kCommandCuttingSpeed, {2, 200}),
      Command(kCommandArc, {0, 10}, {10, 0}, {0, 0}, 10), // a quarter circle, 15.7 mm
      Command(kCommandArc, {0, 10}, {0, 10}, {0, 0}, 0)}; // no radius, no length
  ExpectCommands(SplitIntoSteps(commands, 8), commands);
}

} // namespace
} // namespace turnsim
