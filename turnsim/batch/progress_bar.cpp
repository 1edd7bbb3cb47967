// Redraws the bar in place with a carriage return, throttled to ten times a second.
#include "turnsim/batch/progress_bar.h"

#include <algorithm>
#include <string>

namespace turnsim {

ProgressBar::ProgressBar(std::FILE* out, bool enabled, std::int64_t total)
    : out_(out), enabled_(enabled && out != nullptr), total_(std::max<std::int64_t>(total, 1)) {}

void ProgressBar::Update(std::int64_t done) {
  if (!enabled_) {
    return;
  }
  const auto now = std::chrono::steady_clock::now();
  if (drawn_ && now - lastDraw_ < std::chrono::milliseconds(100) && done < total_) {
    return;
  }
  lastDraw_ = now;
  Draw(done);
}

void ProgressBar::Draw(std::int64_t done) {
  constexpr int kWidth = 40;
  done = std::clamp<std::int64_t>(done, 0, total_);
  const int filled = static_cast<int>(done * kWidth / total_);
  const std::string bar = std::string(filled, '#') + std::string(kWidth - filled, '.');
  std::fprintf(out_, "\r[%s] %lld/%lld steps", bar.c_str(), static_cast<long long>(done),
               static_cast<long long>(total_));
  std::fflush(out_);
  drawn_ = true;
}

void ProgressBar::Finish() {
  if (enabled_ && drawn_) {
    std::fprintf(out_, "\r%*s\r", 70, "");
    std::fflush(out_);
  }
  drawn_ = false;
}

} // namespace turnsim
