// Slots of a vector handed out by index and given back for reuse.
#pragma once
#include <cstdint>
#include <vector>

namespace tarn {

// A released slot of items, or a new one at the end.
template <typename T, typename Index>
Index takeSlot(std::vector<T>& items, std::vector<Index>& released) {
  if (!released.empty()) {
    Index slot = released.back();
    released.pop_back();
    return slot;
  }
  items.emplace_back();
  return static_cast<Index>(items.size() - 1);
}

}  // namespace tarn
