// Fuzz target of the text CLDATA reader ("Clfile.txt"): reads, converts and splits the program
// and checks that the binary form of what was read reads back the same. A refused program
// (FatalExit) is an expected outcome; anything else that goes wrong traps.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "fuzz/fuzz_cldata_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::QuietMessages quiet;
  turnsim::MessagesScope scope(quiet);
  std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
  try {
    turnsim::CldataLoader loader;
    loader.ReadText(text);

    std::ostringstream binary;
    loader.WriteBinary(binary);
    std::istringstream back(binary.str());
    turnsim::CldataLoader reread;
    reread.ReadBinary(back);
    if (reread.Records().size() != loader.Records().size() ||
        (!loader.Records().empty() &&
         std::memcmp(reread.Records().data(), loader.Records().data(),
                     loader.Records().size() * sizeof(turnsim::CldataRecord)) != 0)) {
      __builtin_trap();
    }

    fuzzing::ConvertAndSplit(loader.Records(), fuzzing::StepFor(size));
  } catch (const turnsim::FatalExit&) {
  } catch (const turnsim::ConversionError&) {
  }
  return 0;
}
