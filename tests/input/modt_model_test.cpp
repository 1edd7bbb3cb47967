// The MODT model reader: the profile section, element groups, the temporary copy and every
// refusal of a bad model.
#include "turnsim/input/modt_model.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <locale>
#include <sstream>

#include "tests/input/scratch_folder.h"
#include "tests/support/recording_messages.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/input/file_error.h"

namespace turnsim {
namespace {

using testing::ReadFile;
using testing::RecordingMessages;
using testing::ScratchFolder;
using testing::WriteFile;

const std::string kShaft = std::string(TEST_FIXTURES) + "/shaft.~~";

Otr Element(std::int32_t type, std::int32_t number, std::int16_t attribute, XZPoint start,
            XZPoint end, XZPoint centre, float radius, std::uint8_t spindle) {
  Otr e;
  e.type = type;
  e.number = number;
  e.attribute = attribute;
  e.start = start;
  e.end = end;
  e.centre = centre;
  e.radius = radius;
  e.spindle = spindle;
  return e;
}

// Points are written (X, Z).
const Contour kShaftProfile = {
    Element(kLine, 1, 3, {0, 0}, {20, 0}, {}, 0, 0),
    Element(kArc, 2, 0, {20, 0}, {25, 5}, {20, 5}, 5, 0),
    Element(kLine, 3, -7, {25, 5}, {25, 60}, {}, 0, 0),
    // Kind -1 with radius 5 runs the other way: radius -5.
    Element(kArc, 4, 0, {25, 60}, {20, 65}, {20, 60}, -5, 0),
    // Attribute 40000 keeps its 16 bits; spindle flag 7 sets the mark.
    Element(kLine, 5, -25536, {20, 65}, {20, 80}, {}, 0, 1),
    Element(kLine, 6, 0, {20, 80}, {12.5f, 80}, {}, 0, 1),
    // Kind 1 with radius -5 keeps -5.
    Element(kArc, 7, 0, {12.5f, 80}, {7.5f, 85}, {12.5f, 85}, -5, 1),
};

void ExpectProfile(const Contour& actual, const Contour& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("element " + std::to_string(i));
    const Otr& a = actual[i];
    const Otr& e = expected[i];
    EXPECT_EQ(a.type, e.type);
    EXPECT_EQ(a.number, e.number);
    EXPECT_EQ(a.attribute, e.attribute);
    EXPECT_EQ(a.start.X, e.start.X);
    EXPECT_EQ(a.start.Z, e.start.Z);
    EXPECT_EQ(a.end.X, e.end.X);
    EXPECT_EQ(a.end.Z, e.end.Z);
    EXPECT_EQ(a.centre.X, e.centre.X);
    EXPECT_EQ(a.centre.Z, e.centre.Z);
    EXPECT_EQ(a.radius, e.radius);
    EXPECT_EQ(a.spindle, e.spindle);
    EXPECT_EQ(a.cutZone, 0);
  }
}

Contour Parse(const std::string& text) {
  std::istringstream in(text);
  return ModtModel::ParseProfile(in);
}

const std::string kOneLine = "E:1:0:0:0\n*1\n*2\n*3\n*4\n";

TEST(ModtModel, ReadsTheProfileSectionOfAModel) {
  // The fixture has "220" inside lines before the section (one of them just past a 55-character
  // line buffer), long labels, blanks and "+" in values, extra value lines that are not
  // numbers, and an element after the "600" line.
  RecordingMessages messages;
  ScratchFolder folder;
  ModtModel model(folder.path());
  model.SetFile(kShaft);
  EXPECT_EQ(model.FileName(), kShaft);
  EXPECT_TRUE(std::filesystem::exists(folder / kModtTemporaryName));
  ExpectProfile(model.ReadProfile(), kShaftProfile);
  EXPECT_FALSE(std::filesystem::exists(folder / kModtTemporaryName));
  EXPECT_TRUE(messages.texts.empty());
}

TEST(ModtModel, CopiesTheModelWithCrLfLineEnds) {
  ScratchFolder folder;
  WriteFile(folder / "m.~~", "first\nsecond\r\n\nlast without end");
  ModtModel model(folder.path());
  model.SetFile((folder / "m.~~").string());
  EXPECT_EQ(ReadFile(folder / kModtTemporaryName), "first\r\nsecond\r\n\r\nlast without end\r\n");
}

TEST(ModtModel, ReadsACrLfModelAsItsLfTwin) {
  std::string crlf;
  for (char c : ReadFile(kShaft)) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  ExpectProfile(Parse(crlf), kShaftProfile);
}

TEST(ModtModel, UsesTheWorkingDirectoryByDefault) {
  ScratchFolder folder;
  testing::WorkingDirectory cwd(folder.path());
  {
    ModtModel model;
    model.SetFile(kShaft);
    EXPECT_TRUE(std::filesystem::exists(kModtTemporaryName));
  }
  // Never read: the destructor removes the copy it made.
  EXPECT_FALSE(std::filesystem::exists(kModtTemporaryName));
}

struct SectionCase {
  const char* name;
  std::string text;
  std::size_t elements;
};

TEST(ModtModel, FindsTheSectionBetween220And600) {
  const SectionCase cases[] = {
      {"no section", "100\n" + kOneLine + "600\n", 0},
      {"220 inside a line", "x220\n" + kOneLine, 0},
      {"220 at a buffer boundary", std::string(54, 'x') + "220\n" + kOneLine, 0},
      {"line beginning with 2201", "2201 profile\n" + kOneLine, 1},
      {"section to the end of the file", "220\n" + kOneLine + kOneLine, 2},
      {"600 ends the section", "220\n" + kOneLine + "600\n" + kOneLine, 1},
      {"6001 ends it too", "220\n" + kOneLine + "6001\n" + kOneLine, 1},
      {"only the first 220 opens", "220\n" + kOneLine + "220:2:0:0:0\n*1\n*2\n*3\n*4\n", 2},
      {"empty section", "220\n600\n", 0},
      {"empty file", "", 0},
  };
  for (const SectionCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Parse(c.text).size(), c.elements);
  }
}

TEST(ModtModel, ReadsLongValueLinesWhole) {
  const Contour profile = Parse("220\nE:1:0:0:0\n*" + std::string(200, ' ') + "12.5\n*2\n*3\n*4" +
                                std::string(100, ' ') + "\n");
  ASSERT_EQ(profile.size(), 1u);
  EXPECT_EQ(profile[0].start.Z, 12.5f);
  EXPECT_EQ(profile[0].end.X, 4.0f);
}

// A stream locale whose decimal separator is a comma.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(ModtModel, ReadsDecimalPointsWhateverTheLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  Contour profile;
  EXPECT_NO_THROW(profile = Parse("220\nE:1:0:0:0\n*12.5\n*0.25\n*-3.75\n*1e1\n"));
  std::locale::global(previous);
  ASSERT_EQ(profile.size(), 1u);
  EXPECT_EQ(profile[0].start.Z, 12.5f);
  EXPECT_EQ(profile[0].start.X, 0.25f);
  EXPECT_EQ(profile[0].end.Z, -3.75f);
  EXPECT_EQ(profile[0].end.X, 10.0f);
}

TEST(ModtModel, LineAfterAnArcHasNoCentreOrRadius) {
  const Contour profile =
      Parse("220\nA:1:1:0:0\n*0\n*10\n*10\n*0\n*0\n*0\n*10\nL:2:0:0:0\n*10\n*0\n*20\n*0\n");
  ASSERT_EQ(profile.size(), 2u);
  EXPECT_EQ(profile[1].type, kLine);
  EXPECT_EQ(profile[1].radius, 0.0f);
  EXPECT_EQ(profile[1].centre.X, 0.0f);
  EXPECT_EQ(profile[1].centre.Z, 0.0f);
}

struct BadModel {
  const char* name;
  std::string text;
  const char* message;
};

TEST(ModtModel, RefusesBadModelsWithTheLineAndTheReason) {
  const BadModel cases[] = {
      {"value not a number", "220\nE:1:0:0:0\n*1\n*abc\n",
       "Model line 4: 'abc' is not a valid floating point value"},
      {"comma as decimal point", "220\nE:1:0:0:0\n*12,5\n",
       "Model line 3: '12,5' is not a valid floating point value"},
      {"empty value", "220\nE:1:0:0:0\n*\n",
       "Model line 3: '' is not a valid floating point value"},
      {"infinity", "220\nE:1:0:0:0\n*inf\n",
       "Model line 3: 'inf' is not a valid floating point value"},
      {"not a number", "220\nE:1:0:0:0\n*nan\n",
       "Model line 3: 'nan' is not a valid floating point value"},
      {"number and text", "220\nE:1:0:0:0\n*12.5mm\n",
       "Model line 3: '12.5mm' is not a valid floating point value"},
      {"coordinate beyond a kilometre", "220\nE:1:0:0:0\n*1\n*2\n*3e6\n",
       "Model line 5: '3e6' is out of range"},
      {"header field not a number", "220\nE:x:0:0:0\n",
       "Model line 2: 'x' is not a valid integer value"},
      {"decimal header field", "220\nE:1:0.5:0:0\n",
       "Model line 2: '0.5' is not a valid integer value"},
      {"header field beyond 32 bits", "220\nE:99999999999:0:0:0\n",
       "Model line 2: '99999999999' is not a valid integer value"},
      {"header without spindle field", "220\nE:1:0:0\n",
       "Model line 2: the element header has no field 4"},
      {"header without fields", "220\nE 1 0 0 0\n",
       "Model line 2: the element header has no field 1"},
      {"blank line in the section", "220\n" + kOneLine + "\n",
       "Model line 7: the element header has no field 1"},
      {"unknown element kind", "220\nE:1:2:0:0\n*1\n*2\n*3\n*4\n*5\n*6\n*7\n",
       "Model line 2: '2' is not a valid element kind"},
      {"value line before any header", "220\n*1\n",
       "Model line 2: value line without an element header"},
      {"line cut short by the end of the file", "220\nE:1:0:0:0\n*1\n*2\n",
       "Model line 2: the line element has 2 value lines, it needs 4"},
      {"arc cut short by the 600 line", "220\nE:1:-1:0:0\n*1\n*2\n*3\n*4\n600\n*5\n*6\n*7\n",
       "Model line 2: the arc element has 4 value lines, it needs 7"},
      {"arc cut short by the next header", "220\nE:1:1:0:0\n*1\n*2\n*3\n*4\n*5\n*6\n" + kOneLine,
       "Model line 2: the arc element has 6 value lines, it needs 7"},
      {"bad value before the missing ones", "220\nE:1:1:0:0\n*1\n*x\n",
       "Model line 4: 'x' is not a valid floating point value"},
  };
  for (const BadModel& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      Parse(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const ConversionError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(ModtModel, BadModelRemovesTheCopyAndKeepsNothing) {
  ScratchFolder folder;
  WriteFile(folder / "bad.~~", "220\nE:1:0:0:0\n*1\n");
  ModtModel model(folder.path());
  model.SetFile((folder / "bad.~~").string());
  EXPECT_THROW(model.ReadProfile(), ConversionError);
  EXPECT_FALSE(std::filesystem::exists(folder / kModtTemporaryName));
}

TEST(ModtModel, MissingCopyEndsTheProgramWithCode1) {
  ScratchFolder folder;
  ModtModel model(folder.path());
  try {
    model.ReadProfile();
    FAIL() << "read without a copy";
  } catch (const FatalExit& e) {
    EXPECT_STREQ(e.what(), "Can't open temporary file");
    EXPECT_EQ(e.code(), 1);
  }
}

TEST(ModtModel, UnreadableModelIsAFileError) {
  ScratchFolder folder;
  ModtModel model(folder.path());
  EXPECT_THROW(model.SetFile((folder / "missing.~~").string()), FileError);
  // A folder opens but does not read.
  EXPECT_THROW(model.SetFile(folder.path().string()), FileError);
  EXPECT_FALSE(std::filesystem::exists(folder / kModtTemporaryName));
}

// Makes a file impossible to delete: immutable where the file system and our rights allow it,
// otherwise a read-only folder for a user without root rights. Undone by the destructor.
class UndeletableFile {
public:
  explicit UndeletableFile(const std::filesystem::path& file) : file_(file) {
    if (SetImmutable(true)) {
      immutable_ = true;
    } else if (geteuid() != 0) {
      readOnlyFolder_ = chmod(file.parent_path().c_str(), 0555) == 0;
    }
  }
  ~UndeletableFile() {
    if (immutable_) {
      SetImmutable(false);
    }
    if (readOnlyFolder_) {
      chmod(file_.parent_path().c_str(), 0755);
    }
  }
  bool active() const { return immutable_ || readOnlyFolder_; }

private:
  bool SetImmutable(bool on) {
    const int fd = open(file_.c_str(), O_RDONLY);
    if (fd < 0) {
      return false;
    }
    int flags = 0;
    bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
    return ok;
  }

  std::filesystem::path file_;
  bool immutable_ = false;
  bool readOnlyFolder_ = false;
};

TEST(ModtModel, CopyThatCannotBeDeletedOnlyWarns) {
  RecordingMessages messages;
  ScratchFolder folder;
  ModtModel model(folder.path());
  model.SetFile(kShaft);
  UndeletableFile undeletable(folder / kModtTemporaryName);
  if (!undeletable.active()) {
    GTEST_SKIP() << "no way to make a file undeletable here";
  }
  ExpectProfile(model.ReadProfile(), kShaftProfile);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"WARNING! Can't delete temporary file."});
}

} // namespace
} // namespace turnsim
