// The cells of one window row: a line of a document cut to the window, in
// its colours, with the mark, the bookmarks and the highlights painted over.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/line_number.h"
#include "platform/console.h"

namespace tarn {

struct Document;
struct Line;
class SyntaxPainter;

struct RowStyle {
  Attribute text = 0x1F;  // the window's normal colours (text or command line)
  Attribute mark = 0x4F;
  bool showBookmarks = false;
  bool highlightCurrentLine = false;
  // currentpos: the window cell (row, column) of the file's cursor, shown
  // inverted while the cursor is on the command line; -1 for none.
  int cursorCellRow = -1;
  int cursorCellColumn = -1;
  // Tabs kept in the text are shown as blanks up to the next multiple of tabWidth.
  bool expandTabs = false;
  int tabWidth = 8;
  char tabFill = ' ';
  // Hidden input: every character shows as '*'.
  bool masked = false;
  SyntaxPainter* syntax = nullptr;
  int keywordSet = -1;
  // The search text highlighted: given a text, where its first occurrence
  // starts and ends (bytes); painted in the found colours.
  std::function<std::optional<std::pair<int, int>>(std::string_view)> findFound;
  Attribute found = 0xF1;
};

struct RowCells {
  std::string text;
  std::vector<Attribute> attrs;
};

// The colours with the low three bits of background and foreground turned
// into 7 minus themselves, as the current position is shown.
Attribute invertedLowBits(Attribute attr);
// The current line's colours: the background inverted the same way, and the
// foreground too when it would disappear on it.
Attribute currentLineColours(Attribute attr);
// Foreground and background exchanged.
Attribute swappedColours(Attribute attr);

class WindowPainter {
 public:
  WindowPainter(const Document& doc, int columns, const RowStyle& style);

  // Fills out with the window row showing line (null below the last line).
  // Returns true when syntax colouring reports a changed state at the
  // line's end.
  bool paintRow(const Line* line, LineIndex lineNumber, int row, RowCells& out);

 private:
  // Display columns [first, last] of the line covered by the mark; false
  // when the line holds none of it.
  bool markedColumns(const Line* line, LineIndex lineNumber, int lineColumns, int& first,
                     int& last) const;
  bool expand(const Line* line, LineIndex lineNumber);
  void paintFound(const Line* line, RowCells& out);

  const Document& doc_;
  int columns_;
  RowStyle style_;
  std::string shown_;  // the shown display columns of the line, from the view's left column
  std::vector<Attribute> colours_;
  std::vector<int> shownBytes_;  // the byte each shown column comes from
  int reach_ = 0;  // display columns the line reaches (at least to the window's right edge when it goes on)
  std::vector<Attribute> byteColours_;
};

}  // namespace tarn
