// Fuzz target of the cut.lib reader: the first line is the insert name, the rest the library
// text. Every line of the text also goes through the type-line and number parsers.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "turnsim/geometry/messages.h"
#include "turnsim/tooling/tool_library.h"

namespace {

void ParseLines(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    try {
      turnsim::ParseCutType(line);
    } catch (const turnsim::ConversionError&) {
    }
    for (char separator : {'.', ','}) {
      try {
        turnsim::LibraryNumber(turnsim::FixDecimal(line, separator), separator);
      } catch (const turnsim::ConversionError&) {
      }
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t lineEnd = input.find('\n');
  const std::string name = input.substr(0, lineEnd);
  const std::string text = lineEnd == std::string::npos ? std::string() : input.substr(lineEnd + 1);
  std::istringstream lib(text);
  try {
    const turnsim::CutGEOM g = turnsim::ReadInsert(name, lib);
    if (g.kind != g.name.substr(0, 1)) {
      __builtin_trap(); // the kind is the first character of the title, or empty
    }
  } catch (const turnsim::FatalExit&) {
  } catch (const turnsim::ConversionError&) {
  }
  ParseLines(text);
  return 0;
}
