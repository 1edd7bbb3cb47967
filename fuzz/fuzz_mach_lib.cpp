// Fuzz target of the mach.lib reader: the input is the list's text. A refused list
// (ConversionError) is an expected outcome; every machine read must have finite values.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "turnsim/geometry/machine.h"
#include "turnsim/geometry/messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    for (const turnsim::Machine& m : turnsim::ParseMachineTools(in)) {
      if (!std::isfinite(m.value1) || !std::isfinite(m.value2)) {
        std::abort();
      }
      // The outlines are built from every machine of the list.
      turnsim::MachineProportions(m);
    }
  } catch (const turnsim::ConversionError&) {
  } catch (const turnsim::FatalExit&) {
  }
  return 0;
}
