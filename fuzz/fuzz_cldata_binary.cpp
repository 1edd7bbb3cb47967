// Fuzz target of the binary CLDATA reader ("clfile"): reads, converts and splits the program
// and checks that writing the records gives back the input's whole records byte for byte. A
// refused program (FatalExit) is an expected outcome; anything else that goes wrong traps.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/fuzz_cldata_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::QuietMessages quiet;
  turnsim::MessagesScope scope(quiet);
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::istringstream binary(input);
  try {
    turnsim::CldataLoader loader;
    loader.ReadBinary(binary);
    const std::size_t whole = size / turnsim::kCldataRecordBytes;
    if (loader.Records().size() != whole) {
      __builtin_trap();
    }
    std::ostringstream written;
    loader.WriteBinary(written);
    if (written.str() != input.substr(0, whole * turnsim::kCldataRecordBytes)) {
      __builtin_trap();
    }

    fuzzing::ConvertAndSplit(loader.Records(), fuzzing::StepFor(size));
  } catch (const turnsim::FatalExit&) {
  } catch (const turnsim::ConversionError&) {
  }
  return 0;
}
