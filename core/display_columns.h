// Display columns and byte positions of a line's text. A column is a display
// column: a tab kept in the text reaches the next typing tab stop, every
// other byte is one column wide.
#pragma once
#include <cstddef>
#include <string_view>

#include "core/tab_stops.h"

namespace tarn {

struct Document;
class Engine;

struct ColumnRule {
  const TabStops* stops;
  bool keepTabs;  // per-file option 1
};

// The rule of a document: the engine's typing tab stops and its option 1.
ColumnRule columnRule(const Engine& engine, const Document& doc);

// Where a display column falls in a text: the byte covering it (a tab
// covers all its columns), or the end of the text (index = size) and how
// many columns lie beyond it.
struct TextPosition {
  size_t index;
  int beyond;
};

// The column after byte c when it starts at column.
int columnAfter(char c, int column, const ColumnRule& rule);
// The column the byte at index starts at (the width of the text for the end).
int columnOf(std::string_view text, size_t index, const ColumnRule& rule);
int displayWidth(std::string_view text, const ColumnRule& rule);
TextPosition positionAt(std::string_view text, int column, const ColumnRule& rule);

}  // namespace tarn
