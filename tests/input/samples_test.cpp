// Every demo job in samples/ reads: its model gives a continuous profile of lines and arcs, its
// program converts and splits without a refusal.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "tests/input/scratch_folder.h"
#include "tests/support/recording_messages.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/input/cldata.h"
#include "turnsim/input/modt_model.h"

namespace turnsim {
namespace {

// The folders of samples/ that hold a model (*.~~) and a text program: the sample working
// directory itself and every job folder under jobs/.
std::vector<std::filesystem::path> DemoJobs() {
  const std::filesystem::path samples = SAMPLES_DIR;
  std::vector<std::filesystem::path> folders = {samples};
  if (std::filesystem::is_directory(samples / "jobs")) {
    for (const auto& entry : std::filesystem::directory_iterator(samples / "jobs")) {
      if (entry.is_directory()) {
        folders.push_back(entry.path());
      }
    }
  }
  std::vector<std::filesystem::path> jobs;
  for (const auto& folder : folders) {
    if (std::filesystem::exists(folder / kCldataTextName)) {
      jobs.push_back(folder);
    }
  }
  return jobs;
}

TEST(Samples, EveryDemoJobReads) {
  const auto jobs = DemoJobs();
  if (jobs.empty()) {
    GTEST_SKIP() << "no demo jobs in " << SAMPLES_DIR;
  }
  testing::RecordingMessages messages;
  for (const auto& job : jobs) {
    SCOPED_TRACE(job.string());
    std::size_t models = 0;
    for (const auto& entry : std::filesystem::directory_iterator(job)) {
      if (entry.path().extension() != ".~~") {
        continue;
      }
      ++models;
      SCOPED_TRACE(entry.path().filename().string());
      testing::ScratchFolder work;
      ModtModel model(work.path());
      model.SetFile(entry.path().string());
      const Contour profile = model.ReadProfile();
      ASSERT_FALSE(profile.empty());
      for (std::size_t i = 0; i < profile.size(); ++i) {
        EXPECT_TRUE(profile[i].IsLine() || profile[i].IsArc()) << "element " << i;
        if (i + 1 < profile.size()) {
          EXPECT_TRUE(SamePoint(profile[i].end, profile[i + 1].start)) << "gap after " << i;
        }
      }
    }
    EXPECT_GT(models, 0u);

    CldataLoader loader(job);
    const auto program = LoadCLDATA_MACRO(loader, kCldataText, false);
    EXPECT_FALSE(program.empty());
    EXPECT_GE(SplitIntoSteps(program, 1).size(), program.size());
  }
  EXPECT_TRUE(messages.texts.empty());
}

} // namespace
} // namespace turnsim
