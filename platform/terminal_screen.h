// The picture a terminal should show (cells of character and console
// attribute, cursor, title) and the bytes that bring the terminal there.
// Pure: render() returns what to write; only cells that changed since the
// last render are sent, with as few cursor moves as the row allows.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.h"

namespace tarn {

class TerminalScreen {
 public:
  struct Cell {
    char32_t ch = U' ';
    Attribute attr = 0x07;
    bool operator==(const Cell&) const = default;
  };

  explicit TerminalScreen(ConsoleSize size);

  ConsoleSize size() const { return size_; }
  // Keeps what fits; the next render repaints everything.
  void resize(ConsoleSize size);

  // Cells outside the screen are ignored.
  void put(int column, int row, char32_t ch, Attribute attr);
  void fill(Attribute attr);
  Cell cell(int column, int row) const;

  void setCursor(int column, int row);
  void setCursorVisible(bool visible) { cursorVisible_ = visible; }
  // Percent of the cell: 50 and more shows a block, less an underline (both blinking).
  void setCursorSize(int percent) { cursorShape_ = percent >= 50 ? 1 : 3; }
  // Control characters are left out: a title must not carry sequences.
  void setTitle(std::u32string_view title);

  // The terminal's picture is unknown (after it was left to another
  // program): the next render sends everything again.
  void invalidate();

  std::string render();

  // SGR for a console attribute: red and blue swap places in ANSI order;
  // intensity picks the bright colours, never bold.
  static std::string colours(Attribute attr);

 private:
  Cell& at(int column, int row) { return back_[static_cast<size_t>(row) * size_.columns + column]; }
  void moveTo(std::string& out, int column, int row);

  ConsoleSize size_{0, 0};
  std::vector<Cell> back_;   // what should be shown
  std::vector<Cell> front_;  // what the terminal shows
  bool frontKnown_ = false;

  int cursorColumn_ = 0, cursorRow_ = 0;
  bool cursorVisible_ = true;
  int cursorShape_ = 3;
  std::string title_;

  // The terminal's own state, where known.
  std::optional<std::pair<int, int>> at_;  // cursor column and row
  std::optional<Attribute> pen_;
  std::optional<bool> shownCursor_;
  std::optional<int> shownShape_;
  std::optional<std::string> shownTitle_;
};

}  // namespace tarn
