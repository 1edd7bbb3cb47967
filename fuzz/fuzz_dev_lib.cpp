// Fuzz target of the dev.lib reader: the first line is the holder name, the rest the library
// text; the outline of every holder read is checked for consistency.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "turnsim/geometry/messages.h"
#include "turnsim/tooling/tool_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t lineEnd = input.find('\n');
  const std::string name = input.substr(0, lineEnd);
  std::istringstream lib(lineEnd == std::string::npos ? std::string() : input.substr(lineEnd + 1));
  try {
    const turnsim::DevINFO d = turnsim::ReadHolder(name, lib);
    if (d.pointCount < 0 || d.pointCount > turnsim::kMaxHolderPoints ||
        d.points.size() != 2 * static_cast<std::size_t>(d.pointCount)) {
      __builtin_trap();
    }
  } catch (const turnsim::FatalExit&) {
  } catch (const turnsim::ConversionError&) {
  }
  return 0;
}
