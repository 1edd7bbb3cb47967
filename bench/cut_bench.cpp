// The cut step (swept region, graph, path finder, finishing) on the motions of each demo job,
// and whole demo jobs run end to end as turnsim-batch runs them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "turnsim/geometry/messages.h"
#include "turnsim/simulation/simulation.h"

namespace {

using namespace turnsim;

class NoStatus : public SimulationObserver {
public:
  void StatusText(StatusPanel, const std::string&) override {}
};

class NoMessages : public Messages {
public:
  void Show(std::string_view) override {}
  void Beep() override {}
};

std::filesystem::path JobFolder(const std::string& job) {
  return std::filesystem::path(SAMPLES_DIR) / "jobs" / job;
}

std::string ModelOf(const std::string& job) {
  for (const auto& entry : std::filesystem::directory_iterator(JobFolder(job))) {
    if (entry.path().extension() == ".~~") {
      return entry.path().string();
    }
  }
  return {};
}

// One motion as the animation met it: the profile before it, the command and the tool.
struct RecordedCut {
  Contour profile;
  CldataCommand command;
  std::size_t tool;
  std::int32_t speedMode;
};

struct RecordedJob {
  std::vector<TOOL_CLASS> tools;
  std::vector<RecordedCut> cuts;
};

RecordedJob Record(const std::string& job) {
  NoStatus status;
  Simulation sim(status, JobFolder(job));
  sim.ReadMachineList();
  sim.OpenModel(ModelOf(job));
  RecordedJob recorded;
  for (;;) {
    if (sim.CommandsLeft == 0) {
      break;
    }
    const CldataCommand& next = sim.CommandList[static_cast<std::size_t>(sim.CommandCursor)];
    const bool motion = next.code == kCommandLine || next.code == kCommandArc;
    if (motion) {
      recorded.cuts.push_back(
          {sim.CurrentProfile, next, recorded.tools.size() - 1, sim.SpeedMode});
    }
    sim.AnimationStepRun();
    if (next.code == kCommandToolChange) {
      recorded.tools.push_back(sim.Tool);
    }
  }
  return recorded;
}

void CutStep(benchmark::State& state, const std::string& job) {
  NoMessages quiet;
  MessagesScope scope(quiet);
  const RecordedJob recorded = Record(job);
  NoStatus status;
  Simulation sim(status, JobFolder(job));
  std::vector<double> micros;
  for (auto _ : state) {
    micros.clear();
    for (const RecordedCut& cut : recorded.cuts) {
      sim.Tool = recorded.tools[cut.tool];
      sim.SpeedMode = cut.speedMode;
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(sim.CutStep(cut.profile, cut.command));
      micros.push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
              .count());
    }
  }
  std::sort(micros.begin(), micros.end());
  state.counters["steps"] = static_cast<double>(micros.size());
  state.counters["median_us"] = micros.empty() ? 0.0 : micros[micros.size() / 2];
  state.counters["p90_us"] = micros.empty() ? 0.0 : micros[micros.size() * 9 / 10];
  state.counters["max_us"] = micros.empty() ? 0.0 : micros.back();
}

// A whole job at the given animation step (3 mm is the default; 0.25 mm gives thousands of
// steps).
void WholeJob(benchmark::State& state, const std::string& job, float animationStep) {
  NoMessages quiet;
  MessagesScope scope(quiet);
  std::int64_t steps = 0;
  for (auto _ : state) {
    NoStatus status;
    Simulation sim(status, JobFolder(job));
    sim.Settings.AnimationStep = animationStep;
    sim.ReadMachineList();
    sim.OpenModel(ModelOf(job));
    steps = 0;
    while (sim.AnimationStepRun() != kNoCommandLeft) {
      ++steps;
    }
  }
  state.counters["animation_steps"] = static_cast<double>(steps);
}

const char* const kJobs[] = {"shaft", "finish", "groove", "centres"};

int Register() {
  for (const char* job : kJobs) {
    benchmark::RegisterBenchmark((std::string("CutStep/") + job).c_str(), CutStep, job)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("WholeJob/") + job).c_str(), WholeJob, job, 3.0f)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("WholeJobFineSteps/") + job).c_str(), WholeJob, job,
                                 0.25f)
        ->Unit(benchmark::kMillisecond);
  }
  return 0;
}
const int registered = Register();

} // namespace

BENCHMARK_MAIN();
