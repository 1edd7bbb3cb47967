// A one-line progress bar on a terminal: steps done of total, at most ten redraws a second.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace turnsim {

class ProgressBar {
public:
  // Draws on `out` only when `enabled` (the caller checks for a terminal and --quiet).
  ProgressBar(std::FILE* out, bool enabled, std::int64_t total);
  void Update(std::int64_t done);
  // Clears the line so that later output starts on a clean line.
  void Finish();

private:
  void Draw(std::int64_t done);

  std::FILE* out_;
  bool enabled_;
  std::int64_t total_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point lastDraw_;
};

} // namespace turnsim
