// A memory console that keeps what the screen showed each time an input
// record was taken: what a wait for a key left on the screen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/memory_console.h"

namespace tarn::test {

class SnapshotConsole : public MemoryConsole {
 public:
  using MemoryConsole::MemoryConsole;
  bool readInput(InputRecord& record) override {
    if (!hasInput()) return false;
    shown.push_back(rows());
    shownAttributes.push_back(attributes(size().rows / 2));
    return MemoryConsole::readInput(record);
  }
  bool everShowed(std::string_view text) const {
    for (const auto& screen : shown)
      for (const auto& row : screen)
        if (row.find(text) != std::string::npos) return true;
    return false;
  }
  std::vector<std::vector<std::string>> shown;
  std::vector<std::string> shownAttributes;  // of the middle row
};

}  // namespace tarn::test
