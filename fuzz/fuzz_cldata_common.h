// What the CLDATA fuzz targets share: a quiet message sink and the checks made on every
// program that was read.
#pragma once

#include <cmath>
#include <cstddef>
#include <string_view>
#include <vector>

#include "turnsim/geometry/messages.h"
#include "turnsim/input/cldata.h"

namespace fuzzing {

class QuietMessages : public turnsim::Messages {
public:
  void Show(std::string_view) override {}
  void Beep() override {}
};

inline bool Finite(turnsim::XZPoint p) {
  return std::isfinite(p.X) && std::isfinite(p.Z);
}

// Converts the records, splits the commands with `step` and traps on a result that no program
// may give: an unknown code, a number that is not finite, more pieces than the limit allows.
inline void ConvertAndSplit(const std::vector<turnsim::CldataRecord>& records, int step) {
  const std::vector<turnsim::CldataCommand> commands = turnsim::ConvertCldata(records);
  if (commands.size() > records.size()) {
    __builtin_trap();
  }
  const std::vector<turnsim::CldataCommand> pieces = turnsim::SplitIntoSteps(commands, step);
  if (pieces.size() < commands.size() ||
      pieces.size() > commands.size() * static_cast<std::size_t>(turnsim::kMaxStepsPerMotion)) {
    __builtin_trap();
  }
  for (const turnsim::CldataCommand& c : pieces) {
    switch (c.code) {
    case turnsim::kCommandRapid:
    case turnsim::kCommandToolChange:
    case turnsim::kCommandCuttingSpeed:
    case turnsim::kCommandArc:
    case turnsim::kCommandLine:
      break;
    default:
      __builtin_trap();
    }
    if (!Finite(c.start) || !Finite(c.end) || !Finite(c.centre) || !std::isfinite(c.radius)) {
      __builtin_trap();
    }
  }
}

// The animation step for an input: -1 (no splitting) to 5, taken from its size.
inline int StepFor(std::size_t size) {
  return static_cast<int>(size % 7) - 1;
}

} // namespace fuzzing
