// One headless run of a job: open the model, execute the program, report what happened.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "turnsim/batch/batch_options.h"

namespace turnsim {

// What a finished run reports.
struct BatchSummary {
  std::string model;
  std::int64_t commands = 0;
  std::int64_t motions = 0;
  std::int64_t tolerant = 0;
  std::int64_t refused = 0;
  std::int64_t warnings = 0;
  std::int64_t elements = 0;
  double areaMm2 = 0.0;
  double seconds = 0.0;
};

// The summary line printed on stdout.
std::string SummaryLine(const BatchSummary& summary);
// The summary as a JSON object.
void WriteSummaryJson(std::ostream& out, const BatchSummary& summary);

// Runs turnsim-batch with its arguments (without the program name); returns the exit status.
// Texts go to `out` (summary, help) and `err` (warnings, errors, progress when `errIsTerminal`).
int RunBatch(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
             bool errIsTerminal);

} // namespace turnsim
