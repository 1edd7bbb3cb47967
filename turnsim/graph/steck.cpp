// The depth-first search path of the path finder.
#include "turnsim/graph/steck.h"

#include <stdexcept>

namespace turnsim {

std::int32_t Steck::Top() const {
  if (entries_.empty()) {
    throw std::logic_error("Steck::Top on an empty stack");
  }
  return entries_.back();
}

void Steck::Pop() {
  if (entries_.empty()) {
    throw std::logic_error("Steck::Pop on an empty stack");
  }
  entries_.pop_back();
}

std::int32_t Steck::At(std::int32_t i) const {
  return entries_.at(static_cast<std::size_t>(i));
}

} // namespace turnsim
