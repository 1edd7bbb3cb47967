// Two demo jobs run to the end and compared, element by element, with the profile worked out
// by hand from their geometry (samples/README.md, "Expected results"): the pass X minus the nose
// radius, the tool's 60-degree flanks tangent to its nose, and nose-radius arcs where passes end.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/simulation/job_folder.h"
#include "tests/support/recording_messages.h"
#include "turnsim/geometry/area.h"
#include "turnsim/simulation/simulation.h"

namespace turnsim {
namespace {

struct Expected {
  int type;
  XZPoint start, end, centre;
  float radius;
};

class NoStatus : public SimulationObserver {
public:
  void StatusText(StatusPanel, const std::string&) override {}
};

bool SameDirection(const Otr& a, const Otr& b) {
  const double ax = a.end.X - a.start.X, az = a.end.Z - a.start.Z;
  const double bx = b.end.X - b.start.X, bz = b.end.Z - b.start.Z;
  const double cross = ax * bz - az * bx;
  return std::fabs(cross) <= 1e-4 * std::hypot(ax, az) * std::hypot(bx, bz) && ax * bx + az * bz > 0;
}

// The profile with consecutive pieces of one line or one arc joined.
Contour Joined(const Contour& profile) {
  Contour out;
  for (const Otr& e : profile) {
    if (!out.empty() && out.back().type == e.type && out.back().spindle == e.spindle) {
      Otr& last = out.back();
      const bool sameLine = e.IsLine() && SameDirection(last, e);
      const bool sameArc = e.IsArc() && std::fabs(last.radius - e.radius) < 1e-4 &&
                           std::fabs(last.centre.X - e.centre.X) < 1e-3 &&
                           std::fabs(last.centre.Z - e.centre.Z) < 1e-3;
      if (sameLine || sameArc) {
        last.end = e.end;
        continue;
      }
    }
    out.push_back(e);
  }
  return out;
}

Contour RunJob(const std::string& job, const std::string& model, float step) {
  testing::JobFolder folder;
  folder.CopyJob(job);
  testing::RecordingMessages messages;
  NoStatus status;
  Simulation sim(status, folder.path);
  sim.Settings.AnimationStep = step;
  sim.ReadMachineList();
  sim.OpenModel((folder.path / model).string());
  while (sim.AnimationStepRun() != kNoCommandLeft) {
  }
  EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
  EXPECT_EQ(sim.Counters.refused, 0);
  return sim.CutProfile;
}

void ExpectProfile(const Contour& profile, const std::vector<Expected>& expected) {
  const Contour joined = Joined(profile);
  ASSERT_EQ(joined.size(), expected.size());
  constexpr float kTol = 0.003f;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("element " + std::to_string(i + 1));
    const Otr& e = joined[i];
    const Expected& x = expected[i];
    EXPECT_EQ(e.type, x.type);
    EXPECT_NEAR(e.start.X, x.start.X, kTol);
    EXPECT_NEAR(e.start.Z, x.start.Z, kTol);
    EXPECT_NEAR(e.end.X, x.end.X, kTol);
    EXPECT_NEAR(e.end.Z, x.end.Z, kTol);
    if (x.type == kArc) {
      EXPECT_NEAR(e.centre.X, x.centre.X, kTol);
      EXPECT_NEAR(e.centre.Z, x.centre.Z, kTol);
      EXPECT_NEAR(e.radius, x.radius, kTol);
    }
  }
}

constexpr int L = kLine;
constexpr int A = kArc;

TEST(DemoJobs, ShaftRoughedAndFaced) {
  const std::vector<Expected> expected = {
      {L, {0, -120}, {25, -120}, {}, 0},          {L, {25, -120}, {25, -95}, {}, 0},
      {L, {25, -95}, {25, -60}, {}, 0},           {L, {25, -60}, {20.8f, -60}, {}, 0},
      {A, {20.8f, -60}, {20, -59.2f}, {20.8f, -59.2f}, -0.8f},
      {L, {20, -59.2f}, {20, -30}, {}, 0},        {L, {20, -30}, {15.8f, -30}, {}, 0},
      {A, {15.8f, -30}, {15, -29.2f}, {15.8f, -29.2f}, -0.8f},
      {L, {15, -29.2f}, {15, -0.8f}, {}, 0},      {L, {15, -0.8f}, {1, -0.8f}, {}, 0},
      {A, {1, -0.8f}, {0.2f, 0}, {1, 0}, -0.8f},  {L, {0.2f, 0}, {0, 0}, {}, 0},
  };
  // 25 x 60 + 20 x 30 + 15 x 29.2, the two shoulder fillets 0.64 - 0.16 pi each and the nub
  // 0.8 - 0.16 pi.
  const double area = 25 * 60 + 20 * 30 + 15 * 29.2 + 2 * (0.64 - 0.16 * M_PI) + 0.8 - 0.16 * M_PI;
  for (const float step : {3.0f, 0.0f}) {
    SCOPED_TRACE("step " + std::to_string(step));
    const Contour profile = RunJob("shaft", "shaft.~~", step);
    ExpectProfile(profile, expected);
    EXPECT_NEAR(ProfileArea(profile), area, 0.005);
  }
}

TEST(DemoJobs, GroovesOfTheNeutralTool) {
  // c = 0.2 cos 30: the flanks leave the nose circle at 210 and 330 degrees and rise at 60.
  const float c = 0.1f * std::sqrt(3.0f);
  const float t30 = std::tan(static_cast<float>(M_PI) / 6);
  const float v = c + 1.9f * t30; // half width of the V groove at the surface
  const float w = c + 2.9f * t30; // flank run of the wide groove
  const std::vector<Expected> expected = {
      {L, {0, -60}, {20, -60}, {}, 0},
      {L, {20, -60}, {20, -40}, {}, 0},
      {L, {20, -40}, {20, -30 - v}, {}, 0},
      {L, {20, -30 - v}, {18.1f, -30 - c}, {}, 0},
      {A, {18.1f, -30 - c}, {18.1f, -30 + c}, {18.2f, -30}, -0.2f},
      {L, {18.1f, -30 + c}, {20, -30 + v}, {}, 0},
      {L, {20, -30 + v}, {20, -22 - w}, {}, 0},
      {L, {20, -22 - w}, {17.1f, -22 - c}, {}, 0},
      {A, {17.1f, -22 - c}, {17, -22}, {17.2f, -22}, -0.2f},
      {L, {17, -22}, {17, -18}, {}, 0},
      {A, {17, -18}, {17.1f, -18 + c}, {17.2f, -18}, -0.2f},
      {L, {17.1f, -18 + c}, {20, -18 + w}, {}, 0},
      {L, {20, -18 + w}, {20, -1}, {}, 0},
      {L, {20, -1}, {19, 0}, {}, 0},
      {L, {19, 0}, {0, 0}, {}, 0},
  };
  const Contour profile = RunJob("groove", "groove.~~", 3.0f);
  ExpectProfile(profile, expected);
  EXPECT_NEAR(ProfileArea(profile), 1178.848346, 0.005);
}

} // namespace
} // namespace turnsim
