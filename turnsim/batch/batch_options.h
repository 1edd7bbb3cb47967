// The command line of turnsim-batch.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace turnsim {

struct BatchOptions {
  std::string model;                       // the MODT file to open
  std::optional<std::int32_t> machine;     // --machine N: index, counts as a confirmed machine
  float animationStep = 3.0f;              // --step MM
  bool binary = false;                     // --binary: read "clfile"
  bool writeBinary = false;                // --write-binary
  std::int32_t lineApprox = 3;             // --line-approx N
  std::int32_t radialApprox = 70;          // --radial-approx N
  float angleX = 0.0f, angleY = 0.0f, angleZ = 0.0f; // --angles X,Y,Z
  std::optional<std::int64_t> steps;       // --steps N: stop after N animation steps
  std::string listFile;                    // --list FILE
  std::string summaryJson;                 // --summary-json FILE
  std::string dxfFile;                     // --dxf FILE: the cut profile as a DXF drawing
  bool partX = false;                      // --part-x: "aprox.x" with the part alone
  bool scene = false;                      // --scene: "aprox.x" with the whole scene
  std::string pngFile;                     // --png FILE: the full view after the run
  bool quiet = false;
  bool help = false;
  bool version = false;
};

// What the parser made of the arguments: options, or the reason they are refused.
struct ParsedOptions {
  BatchOptions options;
  std::string error; // empty when the arguments are sound
};

ParsedOptions ParseBatchOptions(const std::vector<std::string>& args);

// The usage text printed by --help and after a bad option.
std::string BatchUsage();

} // namespace turnsim
