// The one simulation of a process: the workpiece profile, the program and its cursor, the
// current tool, the settings, and the steps that open a model and execute the program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "turnsim/geometry/contour.h"
#include "turnsim/geometry/machine.h"
#include "turnsim/input/cldata.h"
#include "turnsim/input/modt_model.h"
#include "turnsim/tooling/tool_library.h"

namespace turnsim {

// Status bar panels of the main window.
enum class StatusPanel { MachineTool = 0, Holder = 1, Cut = 2, Animation = 3, Speed = 4 };

// Receives what the simulation shows outside message boxes: the status texts and the request
// to redraw the view. The window program and turnsim-batch each supply one.
class SimulationObserver {
public:
  virtual ~SimulationObserver() = default;
  virtual void StatusText(StatusPanel panel, const std::string& text) = 0;
  // A motion was executed: the view shows the new profile and the tool at the new place.
  virtual void ProfileChanged() {}
};

// The user settings, kept for the life of the process.
struct SimulationSettings {
  std::int32_t RadialApprox = 70;
  std::int32_t LineApprox = 3;
  float AnimationStep = 3.0f;
  float AngleX = 0.0f;
  float AngleY = 0.0f;
  float AngleZ = 0.0f;
  std::int16_t CldataSource = kCldataText;
  // "Write CLDATA in binary file": with a text program, also write "clfile".
  bool WriteBinaryCldata = false;
  // The user's decimal separator, for number texts.
  char DecimalSeparator = '.';
};

// What the cut step returns: the new profile and the swept region of the motion.
using CutPair = std::pair<Contour, Contour>;

// Counts of what the executed program did, for summaries.
struct SimulationCounters {
  std::int64_t commands = 0; // commands of CommandList executed
  std::int64_t motions = 0;  // motions cut (or refused)
  std::int64_t tolerant = 0; // motions whose start and end coincide
  std::int64_t refused = 0;  // motions refused because they would cut the spindle
};

// Result of one animation step.
inline constexpr int kNoCommandLeft = -1;
inline constexpr int kNonMotionExecuted = 0;
inline constexpr int kMotionExecuted = 1;

class Simulation {
public:
  // `workFolder` holds the libraries, the program and the temporary copy of the model; empty
  // means the current working directory.
  explicit Simulation(SimulationObserver& observer, std::filesystem::path workFolder = {});

  // Reads mach.lib into MachineTools. Throws FatalExit when it is missing.
  void ReadMachineList();

  // Opens a model and its program and resets the simulation to its start.
  void OpenModel(const std::string& path);

  // Executes the next command: kNoCommandLeft, kNonMotionExecuted or kMotionExecuted.
  int AnimationStepRun();

  // Removes from profile p what the current tool sweeps along motion k.
  CutPair CutStep(const Contour& p, const CldataCommand& k);

  // Updates SpeedMode and SpeedValue from a speed or rapid command and shows the speed text.
  void SpeedDisplay(const CldataCommand& k);

  // The status text of the machine tool of MachineToolIndex.
  std::string MachineToolText() const;

  // The reference values of the opened profile, as the machine outlines take them.
  ProfileReference Reference() const;

  // Simulation state.
  Contour CurrentProfile;
  Contour CutProfile;
  Contour ToolContour;
  std::vector<CldataCommand> CommandList;
  std::int32_t CommandCursor = 0;
  std::int32_t CommandsLeft = 1;
  CldataCommand CurrentCommand;
  CutPair CutResult;
  bool CutDone = false;
  bool ModelLoaded = false;
  std::string ModelFileName;
  TOOL_CLASS Tool;
  std::vector<Machine> MachineTools;
  std::int32_t MachineToolIndex = 0;
  bool MachineToolChosen = false;
  float SpindlePointX = kNoSpindle;
  float SpindlePointZ = kNoSpindle;
  float ProfileMinZ = 0.0f;
  float ProfileStartZ = 0.0f;
  float ProfileEndZ = 0.0f;
  std::int32_t SpeedMode = 0;
  float SpeedValue = 0.0f;
  SimulationSettings Settings;
  SimulationCounters Counters;

private:
  void Advance();
  void Status(StatusPanel panel, const std::string& text) { observer_.StatusText(panel, text); }

  SimulationObserver& observer_;
  std::filesystem::path workFolder_;
  ModtModel model_;
};

} // namespace turnsim
