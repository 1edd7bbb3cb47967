// The program executed command by command: status texts, what rapid moves and spindle moves do
// to the part, and the area that real cuts leave.
#include "turnsim/simulation/simulation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

#include "tests/simulation/job_folder.h"
#include "tests/support/recording_messages.h"
#include "turnsim/geometry/area.h"
#include "turnsim/geometry/messages.h"

namespace turnsim {
namespace {

using ::testing::Contains;
using testing::JobFolder;
using testing::kBarProfile;
using testing::RecordingMessages;

class StatusRecorder : public SimulationObserver {
public:
  void StatusText(StatusPanel panel, const std::string& text) override {
    texts[panel] = text;
    history.push_back(text);
  }
  void ProfileChanged() override { ++redraws; }
  std::map<StatusPanel, std::string> texts;
  std::vector<std::string> history;
  int redraws = 0;
};

constexpr float kBarArea = 2500.0f;

// Runs every step to the end and returns how many steps returned kMotionExecuted.
int RunToEnd(Simulation& sim) {
  int motions = 0;
  for (int result; (result = sim.AnimationStepRun()) != kNoCommandLeft;) {
    motions += result == kMotionExecuted;
  }
  return motions;
}

struct SimulationTest : ::testing::Test {
  JobFolder job;
  RecordingMessages messages;
  StatusRecorder status;
  Simulation sim{status, job.path};

  void Open(const std::vector<testing::Record>& program) {
    job.WriteProgram(program);
    sim.ReadMachineList();
    sim.OpenModel(job.WriteModel(kBarProfile));
  }
};

TEST_F(SimulationTest, OpeningSetsReferenceValuesAndStatusTexts) {
  Open({{13, 0, 1, 0}});
  EXPECT_TRUE(sim.ModelLoaded);
  EXPECT_FALSE(sim.CutDone);
  ASSERT_EQ(sim.CurrentProfile.size(), 4u);
  EXPECT_FLOAT_EQ(sim.SpindlePointX, 25);
  EXPECT_FLOAT_EQ(sim.SpindlePointZ, -100);
  EXPECT_FLOAT_EQ(sim.ProfileMinZ, -100);
  EXPECT_FLOAT_EQ(sim.ProfileStartZ, -100);
  EXPECT_FLOAT_EQ(sim.ProfileEndZ, 0);
  EXPECT_EQ(status.texts[StatusPanel::MachineTool], "Machine tool: TC-250 two-axis CNC lathe");
  EXPECT_EQ(status.texts[StatusPanel::Animation], "Animation stoped.");
  EXPECT_EQ(status.texts[StatusPanel::Speed], "Cutting speed");
  // The model's temporary copy is gone once the profile is read.
  EXPECT_FALSE(std::filesystem::exists(job.path / "mtornis.tmp"));
}

TEST_F(SimulationTest, SpeedTextsAndAProgramEndingWithANonMotion) {
  Open({{13, 0, 1, 0}, {23, 1, 0.25f, 0}, {6, 0, 0, 0}, {23, 2, 180, 0}, {23, 1, 0.3f, 0}});
  EXPECT_EQ(sim.AnimationStepRun(), kNonMotionExecuted);
  EXPECT_EQ(status.texts[StatusPanel::Holder], "Holder: MTGNR 2525M16 ext 90 deg");
  EXPECT_THAT(status.texts[StatusPanel::Cut], ::testing::StartsWith("Cut: "));
  EXPECT_EQ(status.texts[StatusPanel::Speed], "Cutting Speed:  Fast movement.");
  EXPECT_FALSE(sim.ToolContour.empty());
  const std::vector<std::string> expected = {
      "Cutting Speed:  0.25 mm/r", "Cutting Speed:  Fast movement.",
      "Cutting Speed:  180 m/min", "Cutting Speed:  0.3 mm/r"};
  for (const std::string& text : expected) {
    EXPECT_EQ(sim.AnimationStepRun(), kNonMotionExecuted);
    EXPECT_EQ(status.texts[StatusPanel::Speed], text);
  }
  // The last command set CommandsLeft to 0; further steps change nothing.
  EXPECT_EQ(sim.CommandsLeft, 0);
  EXPECT_EQ(sim.AnimationStepRun(), kNoCommandLeft);
  EXPECT_EQ(sim.AnimationStepRun(), kNoCommandLeft);
  EXPECT_EQ(sim.CommandCursor, 5);
  EXPECT_FALSE(sim.CutDone);
}

TEST_F(SimulationTest, InvalidSpeedModeEndsTheProgram) {
  Open({{13, 0, 1, 0}, {23, 3, 1, 0}});
  sim.AnimationStepRun();
  try {
    sim.AnimationStepRun();
    FAIL() << "expected the program to end";
  } catch (const FatalExit& e) {
    EXPECT_STREQ(e.what(), "Invalid cutting speed rate!");
    EXPECT_EQ(e.code(), 0);
  }
}

TEST_F(SimulationTest, RapidMovesCutNothingEvenThroughThePart) {
  // Into the part, along it and out again, all at rapid traverse.
  Open({{13, 0, 1, 0}, {6, 0, 0, 0}, {28, 0, 30, 5}, {28, 0, 20, -10}, {28, 0, 20, -60},
        {28, 0, 30, -60}});
  EXPECT_EQ(RunToEnd(sim), static_cast<int>(sim.CommandList.size()) - 2);
  EXPECT_TRUE(sim.CutDone);
  EXPECT_NEAR(ProfileArea(sim.CutProfile), kBarArea, 1e-3);
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(SimulationTest, LongitudinalPassLeavesTheNoseRadiusAtTheShoulder) {
  // Tool 1 has a nose radius of 0.8. A pass with the nose centre at X 24.8 turns the bar to
  // X 24 from Z 0 to Z -50; the radial retract at Z -50 leaves the quarter circle of the nose
  // and a vertical wall at Z -50.8 above its centre. Removed: 50 x 1 along the pass, plus for
  // Z in [-50.8, -50] the band between the lower quarter of the nose circle and X 25:
  // 0.8 x 0.2 + pi 0.8² / 4.
  Open({{13, 0, 1, 0}, {6, 0, 0, 0}, {28, 0, 24.8f, 2}, {23, 1, 0.3f, 0}, {28, 0, 24.8f, -50},
        {28, 0, 27, -50}});
  RunToEnd(sim);
  const double removed = 50.0 + 0.8 * 0.2 + std::numbers::pi * 0.64 / 4;
  EXPECT_NEAR(ProfileArea(sim.CutProfile), kBarArea - removed, 0.05);
  EXPECT_EQ(sim.Counters.refused, 0);
  // The held part is untouched: the profile still starts with the two spindle elements.
  ASSERT_GE(sim.CutProfile.size(), 2u);
  EXPECT_EQ(sim.CutProfile[0].spindle, 1);
  EXPECT_EQ(sim.CutProfile[1].spindle, 1);
  EXPECT_FLOAT_EQ(sim.CutProfile[1].end.Z, -80);
}

TEST_F(SimulationTest, FacingToTheCentreRemovesTheWholeFace) {
  // A facing pass with the nose centre at Z -1 down to the axis: the face moves to Z -1.8 over
  // the whole radius.
  Open({{13, 0, 1, 0}, {6, 0, 0, 0}, {28, 0, 27, 2}, {28, 0, 27, -1}, {23, 1, 0.2f, 0},
        {28, 0, 0, -1}, {6, 0, 0, 0}, {28, 0, 0, 3}});
  RunToEnd(sim);
  EXPECT_NEAR(ProfileArea(sim.CutProfile), 25.0 * (100 - 1.8), 0.05);
  float maxZ = -1000;
  for (const Otr& e : sim.CutProfile) {
    maxZ = std::max({maxZ, e.start.Z, e.end.Z});
  }
  EXPECT_NEAR(maxZ, -1.8, 0.01);
}

TEST_F(SimulationTest, AMoveIntoTheHeldPartIsRefusedAndLeavesItUnchanged) {
  // A pass that runs on into the chuck-held stretch (Z -80 to -100): the pieces that reach it
  // are refused.
  Open({{13, 0, 1, 0}, {6, 0, 0, 0}, {28, 0, 24.8f, 2}, {23, 1, 0.3f, 0}, {28, 0, 24.8f, -90}});
  RunToEnd(sim);
  EXPECT_GT(sim.Counters.refused, 0);
  EXPECT_THAT(messages.texts, Contains("Can't cut SHPINDEL!"));
  ASSERT_GE(sim.CutProfile.size(), 2u);
  EXPECT_FLOAT_EQ(sim.CutProfile[1].start.X, 25);
  EXPECT_FLOAT_EQ(sim.CutProfile[1].end.X, 25);
  EXPECT_FLOAT_EQ(sim.CutProfile[1].end.Z, -80);
  // Everything up to the refusal was cut: no more than 80 mm and more than 70 mm of the pass.
  const double removed = kBarArea - ProfileArea(sim.CutProfile);
  EXPECT_GT(removed, 70.0);
  EXPECT_LT(removed, 81.0);
}

TEST_F(SimulationTest, AMotionThatGoesNowhereIsTolerated) {
  Open({{13, 0, 1, 0}, {6, 0, 0, 0}, {28, 0, 30, 5}, {23, 1, 0.3f, 0}, {28, 0, 30.004f, 5}});
  RunToEnd(sim);
  EXPECT_THAT(messages.texts, Contains("Tolerant CLDATA"));
  EXPECT_EQ(sim.Counters.tolerant, 1);
  EXPECT_NEAR(ProfileArea(sim.CutProfile), kBarArea, 1e-3);
}

TEST_F(SimulationTest, OpeningAgainResetsCursorAndCutDone) {
  Open({{13, 0, 1, 0}, {6, 0, 0, 0}, {28, 0, 30, 5}});
  RunToEnd(sim);
  EXPECT_TRUE(sim.CutDone);
  sim.OpenModel(job.WriteModel(kBarProfile));
  EXPECT_FALSE(sim.CutDone);
  EXPECT_EQ(sim.CommandCursor, 0);
  EXPECT_EQ(sim.CommandsLeft, 1);
}

} // namespace
} // namespace turnsim

namespace turnsim {
namespace {

TEST_F(SimulationTest, AModelThatDoesNotConvertChangesNothing) {
  Open({{13, 0, 1, 0}, {6, 0, 0, 0}, {28, 0, 30, 5}});
  const std::size_t commands = sim.CommandList.size();
  job.WriteProgram({{13, 0, 1, 0}});
  const std::string bad = job.WriteModel("LINE:1:0:0:0\n*1\n*oops\n*2\n*3\n");
  EXPECT_THROW(sim.OpenModel(bad), ConversionError);
  EXPECT_EQ(sim.CommandList.size(), commands);
  EXPECT_EQ(sim.CurrentProfile.size(), 4u);
}

} // namespace
} // namespace turnsim
