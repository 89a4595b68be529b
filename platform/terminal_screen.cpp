#include "platform/terminal_screen.h"

#include <algorithm>

#include "platform/utf8.h"

namespace tarn {

namespace {

int ansiColour(int consoleColour) {
  return ((consoleColour & 1) << 2) | (consoleColour & 2) | ((consoleColour & 4) >> 2);
}

bool isControl(char32_t ch) { return ch < 0x20 || (ch >= 0x7F && ch < 0xA0); }

}  // namespace

TerminalScreen::TerminalScreen(ConsoleSize size) { resize(size); }

void TerminalScreen::resize(ConsoleSize size) {
  size.columns = std::max(size.columns, 1);
  size.rows = std::max(size.rows, 1);
  std::vector<Cell> cells(static_cast<size_t>(size.columns) * size.rows);
  for (int r = 0; r < std::min(size.rows, size_.rows); ++r)
    for (int c = 0; c < std::min(size.columns, size_.columns); ++c)
      cells[static_cast<size_t>(r) * size.columns + c] = at(c, r);
  size_ = size;
  back_ = std::move(cells);
  front_.assign(back_.size(), Cell{});
  frontKnown_ = false;
  at_.reset();
}

void TerminalScreen::put(int column, int row, char32_t ch, Attribute attr) {
  if (column < 0 || row < 0 || column >= size_.columns || row >= size_.rows) return;
  at(column, row) = Cell{ch, attr};
}

void TerminalScreen::fill(Attribute attr) { std::fill(back_.begin(), back_.end(), Cell{U' ', attr}); }

TerminalScreen::Cell TerminalScreen::cell(int column, int row) const {
  if (column < 0 || row < 0 || column >= size_.columns || row >= size_.rows) return {};
  return back_[static_cast<size_t>(row) * size_.columns + column];
}

void TerminalScreen::setCursor(int column, int row) {
  cursorColumn_ = column;
  cursorRow_ = row;
}

void TerminalScreen::setTitle(std::u32string_view title) {
  title_.clear();
  for (char32_t ch : title)
    if (!isControl(ch)) utf8::append(title_, ch);
}

void TerminalScreen::invalidate() {
  frontKnown_ = false;
  at_.reset();
  pen_.reset();
  shownCursor_.reset();
  shownShape_.reset();
  shownTitle_.reset();
}

std::string TerminalScreen::colours(Attribute attr) {
  int fg = attr & 0x0F;
  int bg = (attr >> 4) & 0x0F;
  return "\x1b[" + std::to_string((fg & 8 ? 90 : 30) + ansiColour(fg & 7)) + ";" +
         std::to_string((bg & 8 ? 100 : 40) + ansiColour(bg & 7)) + "m";
}

void TerminalScreen::moveTo(std::string& out, int column, int row) {
  if (at_ && at_->second == row) {
    int from = at_->first;
    if (column == from) return;
    if (column == 0) {
      out += '\r';
    } else if (column > from) {
      out += column - from == 1 ? "\x1b[C" : "\x1b[" + std::to_string(column - from) + "C";
    } else {
      out += from - column == 1 ? "\x1b[D" : "\x1b[" + std::to_string(from - column) + "D";
    }
  } else if (column == 0) {
    out += row == 0 ? "\x1b[H" : "\x1b[" + std::to_string(row + 1) + "H";
  } else {
    out += "\x1b[" + std::to_string(row + 1) + ";" + std::to_string(column + 1) + "H";
  }
  at_ = {column, row};
}

std::string TerminalScreen::render() {
  std::string out;
  bool drawing = false;
  for (int r = 0; r < size_.rows; ++r) {
    for (int c = 0; c < size_.columns; ++c) {
      size_t i = static_cast<size_t>(r) * size_.columns + c;
      if (frontKnown_ && front_[i] == back_[i]) continue;
      if (!drawing) {
        drawing = true;
        if (shownCursor_ != false) out += "\x1b[?25l";  // no cursor flying over the screen
        shownCursor_ = false;
        if (!pen_) out += "\x1b[0m";  // nothing left over from before
      }
      moveTo(out, c, r);
      if (pen_ != back_[i].attr) out += colours(back_[i].attr);
      pen_ = back_[i].attr;
      utf8::append(out, back_[i].ch);
      front_[i] = back_[i];
      // After the last column the terminal waits to wrap: its cursor is not at c + 1.
      if (c + 1 < size_.columns) at_ = {c + 1, r};
      else at_.reset();
    }
  }
  frontKnown_ = true;

  if (cursorVisible_) {
    moveTo(out, std::clamp(cursorColumn_, 0, size_.columns - 1), std::clamp(cursorRow_, 0, size_.rows - 1));
    if (shownCursor_ != true) out += "\x1b[?25h";
  } else if (shownCursor_ != false) {
    out += "\x1b[?25l";
  }
  shownCursor_ = cursorVisible_;
  if (shownShape_ != cursorShape_) out += "\x1b[" + std::to_string(cursorShape_) + " q";
  shownShape_ = cursorShape_;
  if (shownTitle_ != title_ && (shownTitle_ || !title_.empty())) out += "\x1b]2;" + title_ + "\x1b\\";
  shownTitle_ = title_;
  return out;
}

}  // namespace tarn
