// The scene file of the 3D view: the exact text of a whole small job, the machine solids that a
// scene holds (only those written by the same export), and the failures that end the program.
#include "turnsim/export/scene_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "tests/export/golden.h"
#include "tests/export/scene_job.h"
#include "tests/export/temp_folder.h"
#include "tests/support/recording_messages.h"
#include "turnsim/export/export_error.h"
#include "turnsim/export/gx_file.h"
#include "turnsim/export/scene_writer.h"
#include "turnsim/geometry/messages.h"

namespace turnsim {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using testing::ExpectMatchesGolden;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::ReadWholeFile;
using testing::RecordingMessages;
using testing::SceneJob;
using testing::SplitLines;
using testing::TempWorkingFolder;
using testing::WriteWholeFile;

template <typename F> void ExpectFatal(F&& f, const std::string& text, int code) {
  try {
    f();
    ADD_FAILURE() << "expected FatalExit \"" << text << "\"";
  } catch (const FatalExit& e) {
    EXPECT_EQ(e.what(), text);
    EXPECT_EQ(e.code(), code);
  }
}

// The whole scene of a part held between centres on a confirmed machine: the holder, the
// insert, the three jaws, the borders, the part, the spindle and both cones, the turned frame
// with every reference, and the lights.
TEST(SceneExport, WholeSceneOfASmallJob) {
  TempWorkingFolder folder;
  RecordingMessages messages;
  const SceneJob job;
  const SceneSolids solids = ExportScene(job.Inputs(true));
  EXPECT_TRUE(solids.spindle && solids.frontCone && solids.backCone);
  EXPECT_THAT(messages.texts, ::testing::IsEmpty());
  ExpectMatchesGolden(ReadWholeFile(kSceneFile), "scene.x");

  // Each solid is copied as its file holds it: from its mesh up to its own scene.
  for (const std::string_view file :
       {kSceneSolidFile, kSpindleSolidFile, kFrontConeSolidFile, kBackConeSolidFile}) {
    const std::string solid = ReadWholeFile(file);
    const auto from = solid.find("Mesh ");
    const auto to = solid.find("Frame The_Scene");
    ASSERT_NE(from, std::string::npos);
    EXPECT_THAT(ReadWholeFile(kSceneFile), HasSubstr(solid.substr(from, to - from))) << file;
  }
}

// A scene written into another folder finds its solids there.
TEST(SceneExport, WritesIntoTheFolderGiven) {
  TempWorkingFolder folder;
  fs::create_directory("job");
  const SceneJob job;
  ExportScene(job.Inputs(true), "job");
  EXPECT_FALSE(fs::exists(kSceneFile));
  for (const std::string_view file : {kSceneFile, kSceneSolidFile, kSpindleSolidFile}) {
    EXPECT_TRUE(fs::exists(fs::path("job") / file)) << file;
  }
}

// The spindle solid is written only for a confirmed machine tool, and the cones only for a part
// without a spindle element. A scene must neither end the program for want of a solid nor show
// a solid that an earlier export left in the folder: it copies and references exactly what it
// wrote. Stale files are left as they were.
TEST(SceneExport, HoldsOnlyTheMachineSolidsItWrote) {
  struct Case {
    bool chosen;
    bool clamped;
    bool spindle;
    bool cones;
  };
  const Case cases[] = {
      {false, false, false, false},
      {false, true, false, false},
      {true, true, true, false},
      {true, false, true, true},
  };
  constexpr std::string_view kStale = "xof 0302txt 0064 \nHeader {1; 0; 1;}\nMesh Stale {\n}\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "chosen " << c.chosen << ", clamped " << c.clamped);
    TempWorkingFolder folder;
    for (const std::string_view file :
         {kSpindleSolidFile, kFrontConeSolidFile, kBackConeSolidFile}) {
      WriteWholeFile(file, std::string(kStale));
    }
    const SceneJob job(c.clamped);
    const SceneSolids solids = ExportScene(job.Inputs(c.chosen));
    EXPECT_EQ(solids.spindle, c.spindle);
    EXPECT_EQ(solids.frontCone, c.cones);
    EXPECT_EQ(solids.backCone, c.cones);

    const std::string scene = ReadWholeFile(kSceneFile);
    EXPECT_THAT(scene, Not(HasSubstr("Stale")));
    const auto lines = SplitLines(scene);
    auto has = [&lines](const std::string& line) {
      return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_EQ(has("Mesh Spindle {"), c.spindle);
    EXPECT_EQ(has("{Spindle}"), c.spindle);
    EXPECT_EQ(has("Mesh F_Cone {"), c.cones);
    EXPECT_EQ(has("Mesh B_Cone {"), c.cones);
    EXPECT_EQ(has("{B_Cone}"), c.cones);
    EXPECT_EQ(has("{F_Cone}"), c.cones);
    EXPECT_TRUE(has("{Cylinder}") && has("{Borders}") && has("Mesh Cylinder {"));

    EXPECT_EQ(ReadWholeFile(kSpindleSolidFile) == kStale, !c.spindle);
    EXPECT_EQ(ReadWholeFile(kFrontConeSolidFile) == kStale, !c.cones);
    EXPECT_EQ(ReadWholeFile(kBackConeSolidFile) == kStale, !c.cones);
  }
}

// An insert without an outline (kind "C") has no mesh: the scene leaves out its block and its
// reference and keeps the rest.
TEST(SceneExport, InsertWithoutOutlineIsLeftOut) {
  TempWorkingFolder folder;
  SceneJob job;
  job.tool.info.cut.kind = "C";
  ExportScene(job.Inputs(true));
  const auto lines = SplitLines(ReadWholeFile(kSceneFile));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Mesh Cut {"), 0);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "{Cut}"), 0);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Mesh Dev {"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "{Dev}"), 1);
}

TEST(SceneExport, FailuresEndTheProgramAndKeepTheOldScene) {
  const SceneJob job;
  {
    // The scene's name is taken by a folder: the file cannot be created.
    TempWorkingFolder folder;
    fs::create_directories(fs::path(kSceneFile) / "inside");
    ExpectFatal([&] { ExportScene(job.Inputs(true)); }, "Can't create mash file!", 0);
    EXPECT_TRUE(fs::is_directory(fs::path(kSceneFile) / "inside"));
  }
  {
    // The part's solid cannot be written: its own message, then the copy finds no solid. The
    // stale part solid is not used and the scene of the earlier export stays.
    TempWorkingFolder folder;
    RecordingMessages messages;
    WriteWholeFile(kSceneFile, "earlier scene");
    fs::create_directories(fs::path(kSceneSolidFile) / "inside");
    ExpectFatal([&] { ExportScene(job.Inputs(true)); }, "Can't open temporary file!", 0);
    EXPECT_THAT(messages.texts, ElementsAre("Can't open DirectX file."));
    EXPECT_EQ(ReadWholeFile(kSceneFile), "earlier scene");
  }
  {
    // No machine tool to take the jaws and borders from: nothing is written.
    TempWorkingFolder folder;
    SceneInputs inputs = job.Inputs(true);
    inputs.machine = nullptr;
    EXPECT_THROW(ExportScene(inputs), ExportError);
    EXPECT_TRUE(fs::is_empty(folder.path()));
  }
  {
    TempWorkingFolder folder;
    const Contour empty;
    SceneInputs inputs = job.Inputs(true);
    const SceneInputs noPart{.cutProfile = empty,
                             .tool = inputs.tool,
                             .currentCommand = inputs.currentCommand,
                             .machine = inputs.machine,
                             .machineToolChosen = true,
                             .reference = inputs.reference,
                             .lineApprox = 3,
                             .radialApprox = 12,
                             .angleX = 0.0f,
                             .angleY = 0.0f,
                             .angleZ = 0.0f};
    EXPECT_THROW(ExportScene(noPart), ExportError);
    EXPECT_FALSE(fs::exists(kSceneFile));
  }
}

// The copy of a solid file: what follows the "Header" line up to the frame "The_Scene".
TEST(SceneWriter, CopySolidTakesTheMeshBlock) {
  struct Case {
    const char* file;
    const char* copied;
  };
  const Case cases[] = {
      {"xof 0302txt 0064 \n\n\nHeader {1; 0; 1;}\nMesh A {\n1;\n}\nFrame The_Scene {\n{A}\n}\n",
       "Mesh A {\n1;\n}\n"},
      {"Header\nMesh B {\n}", "Mesh B {\n}\n"}, // the last line without its line end
      {"Mesh C {\n}\n", ""},                    // no header: nothing
      {"Header {}\nFrame The_Scene\n", ""},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.file);
    std::ostringstream out;
    CopySolid(in, out);
    EXPECT_EQ(out.str(), c.copied) << c.file;
  }
  TempWorkingFolder folder;
  std::ostringstream out;
  ExpectFatal([&] { CopySolid("spin_x.x", out); }, "Can't open temporary file!", 0);
}

// The frame "aprox" carries the view rotation: about Z, then Y, then X.
TEST(SceneWriter, SceneFrameMatrixAndReferences) {
  struct Case {
    float x, y, z;
    SceneSolids solids;
    const char* text;
  };
  const Case cases[] = {
      {0,
       0,
       0,
       {true, true, true},
       "Frame aprox {\nFrameTransformMatrix {\n"
       "1.000000,0.000000,0.000000,0.000000,\n0.000000,1.000000,0.000000,0.000000,\n"
       "0.000000,0.000000,1.000000,0.000000,\n0.000000,0.000000,0.000000,1.000000;;\n}\n"
       "{Cylinder}\n{Spindle}\n{Borders}\n{B_Cone}\n{F_Cone}\n"},
      {0,
       0,
       90,
       {false, false, false},
       "Frame aprox {\nFrameTransformMatrix {\n"
       "0.000000,1.000000,0.000000,0.000000,\n-1.000000,0.000000,0.000000,0.000000,\n"
       "0.000000,0.000000,1.000000,0.000000,\n0.000000,0.000000,0.000000,1.000000;;\n}\n"
       "{Cylinder}\n{Borders}\n"},
      // Z first, then X: the rows of Rz(90) multiplied by Rx(90).
      {90,
       0,
       90,
       {true, false, false},
       "Frame aprox {\nFrameTransformMatrix {\n"
       "0.000000,0.000000,1.000000,0.000000,\n-1.000000,0.000000,0.000000,0.000000,\n"
       "0.000000,-1.000000,0.000000,0.000000,\n0.000000,0.000000,0.000000,1.000000;;\n}\n"
       "{Cylinder}\n{Spindle}\n{Borders}\n"},
  };
  for (const Case& c : cases) {
    std::ostringstream out;
    WriteSceneFrame(out, c.x, c.y, c.z, c.solids);
    EXPECT_EQ(out.str(), c.text) << c.x << " " << c.y << " " << c.z;
  }
}

// The border block of a machine with value1 = 70 (value3 80, value5 64) and value2 600: 240 mm
// wide, behind the spindle body of a part whose least Z is -2 (depth 2 + 0.5 + 64).
TEST(SceneWriter, BordersOfAMachine) {
  Machine machine;
  machine.value1 = 70.0f;
  machine.value2 = 600.0f;
  ProfileReference reference;
  reference.spindlePointX = 20.0f;
  reference.spindlePointZ = -2.0f;
  reference.profileMinZ = -2.0f;
  std::ostringstream out;
  WriteBorders(out, machine, reference);
  EXPECT_EQ(out.str(), "Mesh Borders {\n7;\n"
                       "-120.000000;120.000000;-66.500000;,\n"
                       "-120.000000;-120.000000;-66.500000;,\n"
                       "120.000000;-120.000000;-66.500000;,\n"
                       "120.000000;120.000000;-66.500000;,\n"
                       "-120.000000;-120.000000;533.500000;,\n"
                       "120.000000;-120.000000;533.500000;,\n"
                       "120.000000;120.000000;533.500000;;\n"
                       "\n3;\n4;0,1,2,3;,\n4;2,1,4,5;,\n4;3,2,5,6;;\n"
                       "MeshMaterialList {\n  1;\n  1;\n  0;;\n"
                       "  Material {\n   1.000000;1.000000;1.000000;1.000000;;\n"
                       "   0.100000;\n   1.000000;1.000000;1.000000;;\n"
                       "   0.000000;0.000000;0.000000;;\n  }\n }\n}\n");

  // Held between centres, the block stands behind the front cone: start Z -40, half the jaw's
  // length 15.3125 and the cone tip 10 / tan 25 deg = 21.445 before the 64 of the body.
  reference.spindlePointX = kNoSpindle;
  reference.spindlePointZ = kNoSpindle;
  reference.profileStartZ = -40.0f;
  std::ostringstream between;
  WriteBorders(between, machine, reference);
  EXPECT_THAT(between.str(), HasSubstr("\n-120.000000;120.000000;-140.757"));
}

TEST(SceneWriter, SceneNumbersHaveSixDecimals) {
  EXPECT_EQ(SceneNumber(1.5f), "1.500000");
  EXPECT_EQ(SceneNumber(-0.25f), "-0.250000");
  EXPECT_EQ(SceneNumber(2.0000004f), "2.000000"); // rounded, not truncated
  EXPECT_EQ(SceneNumber(0.1234567f), "0.123457");
  EXPECT_EQ(SceneNumber(12345.0f), "12345.000000");
  EXPECT_EQ(SceneNumber(-0.0f), "0.000000");        // the seat of the holder is at depth -0
  EXPECT_EQ(SceneNumber(-0.0000004f), "-0.000000"); // a negative number keeps its sign
}

} // namespace
} // namespace turnsim
