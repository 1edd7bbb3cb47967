// The depth-first search path of the path finder: edge numbers, bottom first.
#pragma once

#include <cstdint>
#include <vector>

namespace turnsim {

class Steck {
public:
  void Push(std::int32_t edge) { entries_.push_back(edge); }
  // The last entry. The stack must not be empty.
  std::int32_t Top() const;
  // Removes the last entry. The stack must not be empty.
  void Pop();
  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
  bool Empty() const { return entries_.empty(); }
  // Entry i counted from the bottom (0).
  std::int32_t At(std::int32_t i) const;
  // A new stack with the same entries in the same order.
  Steck Copy() const { return *this; }

private:
  std::vector<std::int32_t> entries_;
};

} // namespace turnsim
