// Fuzz target of the MODT model reader: the input is the model text. A refused model
// (FatalExit, ConversionError) is an expected outcome; anything else that goes wrong traps.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "turnsim/geometry/messages.h"
#include "turnsim/input/modt_model.h"
#include "turnsim/input/number_reading.h"

namespace {

class QuietMessages : public turnsim::Messages {
public:
  void Show(std::string_view) override {}
  void Beep() override {}
};

bool InRange(turnsim::XZPoint p) {
  return std::fabs(p.X) <= turnsim::kMaxInputMagnitude &&
         std::fabs(p.Z) <= turnsim::kMaxInputMagnitude;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietMessages quiet;
  turnsim::MessagesScope scope(quiet);
  std::istringstream model(std::string(reinterpret_cast<const char*>(data), size));
  try {
    for (const turnsim::Otr& e : turnsim::ModtModel::ParseProfile(model)) {
      // Every element is a line or an arc with usable numbers; lines carry no centre.
      if ((!e.IsLine() && !e.IsArc()) || e.spindle > 1 || e.cutZone != 0 || !InRange(e.start) ||
          !InRange(e.end) || !InRange(e.centre) ||
          !(std::fabs(e.radius) <= turnsim::kMaxInputMagnitude)) {
        __builtin_trap();
      }
      if (e.IsLine() && (e.radius != 0 || e.centre.X != 0 || e.centre.Z != 0)) {
        __builtin_trap();
      }
    }
  } catch (const turnsim::FatalExit&) {
  } catch (const turnsim::ConversionError&) {
  }
  return 0;
}
