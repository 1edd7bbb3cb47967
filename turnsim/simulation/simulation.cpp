// Opening a model and executing its program command by command.
#include "turnsim/simulation/simulation.h"

#include <cmath>
#include <limits>

#include "turnsim/geometry/finishing.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/number_text.h"
#include "turnsim/geometry/preparation.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/graph/graph_cut.h"
#include "turnsim/tooling/swept_region.h"
#include "turnsim/tooling/tool_shape.h"

namespace turnsim {

namespace {

// A float parameter of a command truncated to an integer; values beyond int32 (or not a number)
// become `fallback` instead of overflowing.
std::int32_t TruncatedParameter(float value, std::int32_t fallback) {
  if (!std::isfinite(value) || std::fabs(value) >= 2.0e9f) {
    return fallback;
  }
  return static_cast<std::int32_t>(value);
}

} // namespace

Simulation::Simulation(SimulationObserver& observer, std::filesystem::path workFolder)
    : observer_(observer), workFolder_(workFolder), model_(workFolder) {}

void Simulation::ReadMachineList() {
  MachineTools = ReadMachineTools(workFolder_ / "mach.lib");
}

std::string Simulation::MachineToolText() const {
  std::string text = "Machine tool: ";
  // An empty machine list (a mach.lib without records) names no machine.
  if (MachineToolIndex >= 0 && static_cast<std::size_t>(MachineToolIndex) < MachineTools.size()) {
    text += MachineTools[static_cast<std::size_t>(MachineToolIndex)].name;
  }
  return text;
}

ProfileReference Simulation::Reference() const {
  ProfileReference r;
  r.spindlePointX = SpindlePointX;
  r.spindlePointZ = SpindlePointZ;
  r.profileMinZ = ProfileMinZ;
  r.profileStartZ = ProfileStartZ;
  r.profileEndZ = ProfileEndZ;
  return r;
}

void Simulation::OpenModel(const std::string& path) {
  model_.SetFile(path);

  // The program is read before the model's temporary copy is parsed. Nothing of the state
  // changes until both are read, so a model that does not convert leaves the simulation as it
  // was.
  CldataLoader loader(workFolder_);
  std::vector<CldataCommand> program = SplitIntoSteps(
      LoadCLDATA_MACRO(loader, Settings.CldataSource,
                       Settings.WriteBinaryCldata && Settings.CldataSource == kCldataText),
      Settings.AnimationStep);
  Contour profile = model_.ReadProfile();

  ModelFileName = path;
  CommandList = std::move(program);
  const XZPoint spindle = SpindlePoint(profile);
  SpindlePointX = spindle.X;
  SpindlePointZ = spindle.Z;
  // An empty profile has no extents: the reference values become 0.
  const ZExtentsResult extents = ZExtents(profile);
  ProfileMinZ = extents.minStartZ;
  ProfileStartZ = extents.firstStartZ;
  ProfileEndZ = extents.lastEndZ;
  CurrentProfile = ProjectArcEnds(profile);

  CommandCursor = 0;
  // A program without commands is exhausted from the start.
  CommandsLeft = CommandList.empty() ? 0 : 1;
  Counters = {};

  Status(StatusPanel::MachineTool, MachineToolText());
  Status(StatusPanel::Holder, "Holder: ");
  Status(StatusPanel::Cut, "Cut: ");
  Status(StatusPanel::Animation, "Animation stoped.");
  Status(StatusPanel::Speed, "Cutting speed");
  ModelLoaded = true;
  CutDone = false;
}

void Simulation::Advance() {
  // Every executed command advances the cursor once; a command that failed is not counted.
  ++Counters.commands;
  ++CommandCursor;
  if (static_cast<std::size_t>(CommandCursor) >= CommandList.size()) {
    CommandsLeft = 0;
  }
}

int Simulation::AnimationStepRun() {
  if (CommandsLeft == 0) {
    return kNoCommandLeft;
  }
  const CldataCommand k = CommandList[static_cast<std::size_t>(CommandCursor)];
  switch (k.code) {
  case kCommandToolChange: {
    const LoadedToolTitles titles =
        Tool.LoadTool(TruncatedParameter(k.start.X, -1), workFolder_);
    Status(StatusPanel::Holder, "Holder: " + titles.holder);
    Status(StatusPanel::Cut, "Cut: " + titles.cut);
    ToolContour = BuildInsertContour(Tool);
    SpeedDisplay(k);
    Advance();
    return kNonMotionExecuted;
  }
  case kCommandCuttingSpeed:
  case kCommandRapid:
    SpeedDisplay(k);
    Advance();
    return kNonMotionExecuted;
  default:
    break;
  }
  PrepareProfile(CurrentProfile);
  CurrentCommand = k;
  CutResult = CutStep(CurrentProfile, k);
  CutDone = true;
  CutProfile = MergeProfile(CutResult.first);
  Advance();
  observer_.ProfileChanged();
  CurrentProfile = CutProfile;
  return kMotionExecuted;
}

CutPair Simulation::CutStep(const Contour& p, const CldataCommand& k) {
  ++Counters.motions;
  if (SamePoint(k.start, k.end)) {
    ++Counters.tolerant;
    ShowMessage("Tolerant CLDATA");
  }
  Contour swept = SweptRegion(Tool, k);
  const GraphCutResult result = CutWithGraph(p, swept, SpeedMode == 0);
  if (result.reason == GraphCutReason::Spindle) {
    ++Counters.refused;
    ShowMessage(result.message);
    return {p, p};
  }
  if (result.refused) {
    // The graph has shown why; the part stays as it was.
    return {p, std::move(swept)};
  }
  Contour remaining = FinishCutProfile(result.path);
  // A cut that would leave nothing keeps the part as it was.
  if (remaining.empty()) {
    return {p, std::move(swept)};
  }
  return {std::move(remaining), std::move(swept)};
}

void Simulation::SpeedDisplay(const CldataCommand& k) {
  if (k.code == kCommandCuttingSpeed) {
    SpeedMode = TruncatedParameter(k.start.X, -1);
    SpeedValue = k.start.Z;
  } else if (k.code == kCommandRapid) {
    SpeedMode = 0;
    SpeedValue = 0.0f;
  }
  switch (SpeedMode) {
  case 0:
    Status(StatusPanel::Speed, "Cutting Speed:  Fast movement.");
    break;
  case 1:
    Status(StatusPanel::Speed,
           "Cutting Speed:  " + FormatGeneral(SpeedValue, Settings.DecimalSeparator) + " mm/r");
    break;
  case 2:
    Status(StatusPanel::Speed,
           "Cutting Speed:  " + FormatGeneral(SpeedValue, Settings.DecimalSeparator) + " m/min");
    break;
  default:
    throw FatalExit("Invalid cutting speed rate!", 0);
  }
}

} // namespace turnsim
