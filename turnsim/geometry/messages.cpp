// The per-thread message sink and the stderr sink used when nobody installed one.
#include "turnsim/geometry/messages.h"

#include <cstdio>

namespace turnsim {

namespace {
StderrMessages& DefaultSink() {
  thread_local StderrMessages sink;
  return sink;
}
thread_local Messages* current = nullptr;
} // namespace

Messages& CurrentMessages() { return current ? *current : DefaultSink(); }

void ShowMessage(std::string_view text) { CurrentMessages().Show(text); }

MessagesScope::MessagesScope(Messages& sink) : previous_(current) { current = &sink; }

MessagesScope::~MessagesScope() { current = previous_; }

void StderrMessages::Show(std::string_view text) {
  ++shown_;
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

void StderrMessages::Beep() { std::fputc('\a', stderr); }

} // namespace turnsim
