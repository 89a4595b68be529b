// Where the file tabs, the data windows, the command lines, the status lines
// and the split separator sit on a screen of a given size.
#pragma once
#include <array>

#include "platform/console.h"

namespace tarn {

enum class SplitMode { None, TopBottom, LeftRight };

// One view: a data window with its command line and status line below it.
struct ViewArea {
  int left = 0;
  int top = 0;
  int columns = 0;
  int rows = 0;
  int commandRow = -1;  // -1 when the command line is hidden
  int statusRow = -1;   // -1 when the status line is hidden
  bool operator==(const ViewArea&) const = default;
};

struct ScreenLayout {
  ConsoleSize size;
  bool tabRow = false;
  SplitMode split = SplitMode::None;
  std::array<ViewArea, 2> views{};
  int separator = -1;  // the separator row (top and bottom) or column (left and right)

  int viewCount() const { return split == SplitMode::None ? 1 : 2; }
  bool operator==(const ScreenLayout&) const = default;
};

ScreenLayout computeLayout(ConsoleSize size, SplitMode split, bool tabRow, bool commandLine,
                           bool statusLine);

}  // namespace tarn
