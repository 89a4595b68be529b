#include "core/slot_table.h"

#include <algorithm>

namespace tarn {

int SlotTable::chooseFree() const {
  for (int s = 0; s < highWater_; ++s)
    if (!data_[s].inUse && !command_[s].inUse) return s;
  return highWater_ < kSlots ? highWater_ : -1;
}

void SlotTable::take(int slot) {
  data_[slot].inUse = true;
  command_[slot].inUse = true;
  if (slot >= highWater_) highWater_ = slot + 1;
}

void SlotTable::release(int slot) {
  removeFromRing(slot);
  data_[slot] = WindowRecord{};
  command_[slot] = WindowRecord{};
  cursorInFile_[slot] = false;
  if (current_ == slot) current_ = -1;
}

std::vector<int> SlotTable::used() const {
  std::vector<int> slots;
  for (int s = 0; s < highWater_; ++s)
    if (inUse(s)) slots.push_back(s);
  return slots;
}

int SlotTable::usedCount() const { return static_cast<int>(used().size()); }

void SlotTable::addToRing(int slot, int after) {
  auto& ring = ringOf(slot);
  auto it = std::find(ring.begin(), ring.end(), after);
  ring.insert(it == ring.end() ? ring.end() : it + 1, slot);
}

void SlotTable::removeFromRing(int slot) {
  for (auto* ring : {&ring_, &secondRing_}) ring->erase(std::remove(ring->begin(), ring->end(), slot), ring->end());
}

int SlotTable::ringPlace(int slot) const {
  const auto& ring = ringOf(slot);
  auto it = std::find(ring.begin(), ring.end(), slot);
  return it == ring.end() ? 0 : static_cast<int>(it - ring.begin()) + 1;
}

int SlotTable::ringSize(int slot) const { return static_cast<int>(ringOf(slot).size()); }

int SlotTable::ringNeighbour(int slot, int step) const {
  const auto& ring = ringOf(slot);
  auto it = std::find(ring.begin(), ring.end(), slot);
  if (it == ring.end() || ring.empty()) return slot;
  int n = static_cast<int>(ring.size());
  int i = static_cast<int>(it - ring.begin());
  return ring[((i + step) % n + n) % n];
}

}  // namespace tarn
