// Fuzz target of the inst.lib reader: the first byte picks the tool number (refused numbers
// included), the rest is the library text.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "turnsim/geometry/messages.h"
#include "turnsim/tooling/tool_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::int32_t n = data[0] % 110;
  std::istringstream lib(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  try {
    const turnsim::INST r = turnsim::ReadInstRecord(n, lib);
    if (r.code.size() > 1) {
      __builtin_trap(); // the code is one character or none
    }
  } catch (const turnsim::FatalExit&) {
  } catch (const turnsim::ConversionError&) {
  }
  return 0;
}
