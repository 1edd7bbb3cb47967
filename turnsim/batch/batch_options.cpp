// Parsing of turnsim-batch's options: every value is checked, nothing is guessed.
#include "turnsim/batch/batch_options.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace turnsim {

namespace {

template <typename T> bool ParseNumber(std::string_view text, T& value) {
  if (text.empty()) {
    return false;
  }
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if constexpr (std::is_floating_point_v<T>) {
    if (result.ec == std::errc() && !std::isfinite(value)) {
      return false;
    }
  }
  return result.ec == std::errc() && result.ptr == end;
}

} // namespace

std::string BatchUsage() {
  return "Usage: turnsim-batch [options] MODEL\n"
         "Runs the machining program of the working directory on the MODT model MODEL,\n"
         "headless, and prints a summary of the cut.\n"
         "\n"
         "Options:\n"
         "  --machine N          machine tool N of mach.lib (from 0), as if confirmed\n"
         "  --step MM            animation step length in mm (default 3; 0 keeps motions whole)\n"
         "  --binary             read the binary program \"clfile\" instead of \"Clfile.txt\"\n"
         "  --write-binary       also write the program as \"clfile\"\n"
         "  --line-approx N      line approximation density of arcs for 3D exports (default 3)\n"
         "  --radial-approx N    angular steps of the revolved part (default 70)\n"
         "  --angles X,Y,Z       rotation angles of the part for the 3D scene, degrees\n"
         "  --steps N            stop after N animation steps\n"
         "  --list FILE          write the profile listing of the cut profile to FILE\n"
         "  --summary-json FILE  write the summary as a JSON object to FILE\n"
         "  --dxf FILE           write the cut profile as a DXF drawing to FILE (needs the\n"
         "                       templates ddff1.ibm and ddff2.ibm in the working directory)\n"
         "  --part-x             write the part's solid as \"aprox.x\" for the 3D viewer\n"
         "  --scene              write the whole scene (part, tool, jaws, machine) as \"aprox.x\"\n"
         "  --png FILE           write the 2D view after the run as a 790 x 468 PNG picture\n"
         "  --quiet              no progress bar\n"
         "  --help               this text\n"
         "  --version            the program's version\n"
         "\n"
         "Exit status: 0 done, 2 the simulation ended with a fatal error, 64 bad arguments.\n";
}

ParsedOptions ParseBatchOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  BatchOptions& o = parsed.options;
  auto fail = [&parsed](std::string text) {
    parsed.error = std::move(text);
    return parsed;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string v;
    if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else if (arg == "--version") {
      o.version = true;
    } else if (arg == "--quiet" || arg == "-q") {
      o.quiet = true;
    } else if (arg == "--binary") {
      o.binary = true;
    } else if (arg == "--write-binary") {
      o.writeBinary = true;
    } else if (arg == "--machine") {
      std::int32_t n = 0;
      if (!value(v) || !ParseNumber(v, n) || n < 0) {
        return fail("--machine needs a machine index (0 or more)");
      }
      o.machine = n;
    } else if (arg == "--step") {
      if (!value(v) || !ParseNumber(v, o.animationStep) || o.animationStep < 0) {
        return fail("--step needs a length in mm (0 or more)");
      }
    } else if (arg == "--line-approx") {
      if (!value(v) || !ParseNumber(v, o.lineApprox) || o.lineApprox < 1) {
        return fail("--line-approx needs a whole number of 1 or more");
      }
    } else if (arg == "--radial-approx") {
      if (!value(v) || !ParseNumber(v, o.radialApprox) || o.radialApprox < 3) {
        return fail("--radial-approx needs a whole number of 3 or more");
      }
    } else if (arg == "--angles") {
      const std::size_t c1 = value(v) ? v.find(',') : std::string::npos;
      const std::size_t c2 = c1 == std::string::npos ? c1 : v.find(',', c1 + 1);
      if (c2 == std::string::npos ||
          !ParseNumber(std::string_view(v).substr(0, c1), o.angleX) ||
          !ParseNumber(std::string_view(v).substr(c1 + 1, c2 - c1 - 1), o.angleY) ||
          !ParseNumber(std::string_view(v).substr(c2 + 1), o.angleZ)) {
        return fail("--angles needs three angles in degrees: X,Y,Z");
      }
    } else if (arg == "--steps") {
      std::int64_t n = 0;
      if (!value(v) || !ParseNumber(v, n) || n < 0) {
        return fail("--steps needs a number of steps (0 or more)");
      }
      o.steps = n;
    } else if (arg == "--list") {
      if (!value(o.listFile) || o.listFile.empty()) {
        return fail("--list needs a file name");
      }
    } else if (arg == "--dxf") {
      if (!value(o.dxfFile) || o.dxfFile.empty()) {
        return fail("--dxf needs a file name");
      }
    } else if (arg == "--png") {
      if (!value(o.pngFile) || o.pngFile.empty()) {
        return fail("--png needs a file name");
      }
    } else if (arg == "--part-x") {
      o.partX = true;
    } else if (arg == "--scene") {
      o.scene = true;
    } else if (arg == "--summary-json") {
      if (!value(o.summaryJson) || o.summaryJson.empty()) {
        return fail("--summary-json needs a file name");
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return fail("unknown option " + arg);
    } else if (o.model.empty()) {
      o.model = arg;
    } else {
      return fail("only one MODEL may be given");
    }
  }
  if (o.partX && o.scene) {
    return fail("--part-x and --scene both write \"aprox.x\": give one of them");
  }
  if (o.model.empty() && !o.help && !o.version) {
    return fail("no MODEL given");
  }
  return parsed;
}

} // namespace turnsim
