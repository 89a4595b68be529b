// The slot table: 1024 slots of window pairs, the current slot and the ring
// of open files.
#pragma once
#include <array>
#include <vector>

#include "core/window.h"

namespace tarn {

class SlotTable {
 public:
  static constexpr int kSlots = 1024;

  WindowRecord& data(int slot) { return data_[slot]; }
  WindowRecord& command(int slot) { return command_[slot]; }
  const WindowRecord& data(int slot) const { return data_[slot]; }
  const WindowRecord& command(int slot) const { return command_[slot]; }

  bool valid(int slot) const { return slot >= 0 && slot < kSlots; }
  bool inUse(int slot) const { return valid(slot) && data_[slot].inUse && command_[slot].inUse; }
  bool isSecondView(int slot) const {
    return inUse(slot) && (data_[slot].flags & winflag::kSecondView);
  }

  int current() const { return current_; }
  void setCurrent(int slot) { current_ = slot; }
  bool hasCurrent() const { return inUse(current_); }

  // Cursor place: true while keys act on the file, false on the command line.
  bool cursorInFile(int slot) const { return valid(slot) && cursorInFile_[slot]; }
  void setCursorInFile(int slot, bool inFile) {
    if (valid(slot)) cursorInFile_[slot] = inFile;
  }

  // The first slot with both records free, else the next new one; -1 when
  // all 1024 are taken.
  int chooseFree() const;
  // Marks the slot used (raising the high-water mark) or frees it.
  void take(int slot);
  void release(int slot);
  // Every slot in use, in slot order.
  std::vector<int> used() const;
  int usedCount() const;

  // The ring of open files (and the separate ring of second views).
  void addToRing(int slot, int after);
  void removeFromRing(int slot);
  const std::vector<int>& ring(bool secondViews = false) const {
    return secondViews ? secondRing_ : ring_;
  }
  // Place (from 1) of the slot in its ring and the ring's size; 0 when absent.
  int ringPlace(int slot) const;
  int ringSize(int slot) const;
  // The slot step places away in the slot's ring (wrapping); the slot itself when alone.
  int ringNeighbour(int slot, int step) const;

 private:
  std::vector<int>& ringOf(int slot) { return isSecondView(slot) ? secondRing_ : ring_; }
  const std::vector<int>& ringOf(int slot) const { return isSecondView(slot) ? secondRing_ : ring_; }

  std::array<WindowRecord, kSlots> data_{};
  std::array<WindowRecord, kSlots> command_{};
  std::array<bool, kSlots> cursorInFile_{};
  int highWater_ = 0;
  int current_ = -1;
  std::vector<int> ring_;
  std::vector<int> secondRing_;
};

}  // namespace tarn
