// What the console shows, cell by cell, as far as the screen wrote it: a
// segment is written only when it differs from what is already there.
#pragma once
#include <span>
#include <string_view>
#include <vector>

#include "platform/console.h"

namespace tarn {

class ScreenCells {
 public:
  // Forgets everything: the next write of every cell goes out.
  void reset(ConsoleSize size);

  // Writes a row segment (one attribute per byte) unless every cell already
  // shows it; frame segments go through code page 437. Runs of one
  // attribute go out in one console call each. Cells off the screen are dropped.
  void put(Console& console, int column, int row, std::string_view text,
           std::span<const Attribute> attrs, bool frame = false);
  void put(Console& console, int column, int row, std::string_view text, Attribute attr,
           bool frame = false);

 private:
  enum class Kind : uint8_t { Unknown, Text, Frame };
  struct Cell {
    char ch = ' ';
    Attribute attr = 0;
    Kind kind = Kind::Unknown;
  };

  ConsoleSize size_{0, 0};
  std::vector<Cell> cells_;
};

}  // namespace tarn
