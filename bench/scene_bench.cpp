// One 3D scene export of a demo-sized job: the finishing demo's profile revolved in 70 steps,
// tool 1 of the sample libraries, the first sample machine confirmed, into a scratch folder.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "turnsim/export/scene_export.h"
#include "turnsim/geometry/machine.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/input/modt_model.h"
#include "turnsim/tooling/tool_library.h"

namespace {

namespace fs = std::filesystem;
using namespace turnsim;

fs::path ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "turnsim-scene-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("mkdtemp failed");
  }
  return pattern;
}

void BM_ExportScene(benchmark::State& state) {
  const fs::path samples = SAMPLES_DIR;
  std::ifstream model(samples / "jobs" / "finish" / "finish.~~");
  const Contour profile = ModtModel::ParseProfile(model);
  TOOL_CLASS tool;
  tool.LoadTool(1, samples);
  CldataCommand command;
  command.code = kCommandLine;
  command.end = {25.5f, -20.0f};
  const Machine machine = ReadMachineTools(samples / "mach.lib").at(0);
  const ZExtentsResult z = ZExtents(profile);
  const XZPoint spindle = SpindlePoint(profile);
  const SceneInputs inputs{
      .cutProfile = profile,
      .tool = tool,
      .currentCommand = command,
      .machine = &machine,
      .machineToolChosen = true,
      .reference = {spindle.X, spindle.Z, z.minStartZ, z.firstStartZ, z.lastEndZ},
      .lineApprox = 3,
      .radialApprox = 70,
      .angleX = 15.0f,
      .angleY = 0.0f,
      .angleZ = -30.0f};
  const fs::path folder = ScratchFolder();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExportScene(inputs, folder));
  }
  state.counters["scene bytes"] = static_cast<double>(fs::file_size(folder / "aprox.x"));
  fs::remove_all(folder);
}
BENCHMARK(BM_ExportScene)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
