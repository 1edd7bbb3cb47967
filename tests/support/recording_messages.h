// A Messages sink for tests: records every text and beep and installs itself for its lifetime.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "turnsim/geometry/messages.h"

namespace turnsim::testing {

class RecordingMessages : public Messages {
public:
  RecordingMessages() : scope_(*this) {}
  void Show(std::string_view text) override { texts.emplace_back(text); }
  void Beep() override { ++beeps; }

  std::vector<std::string> texts;
  int beeps = 0;

private:
  MessagesScope scope_;
};

} // namespace turnsim::testing
