#include "platform/memory_console.h"

#include <cstdio>

#include "platform/event_loop.h"

namespace tarn {

MemoryConsole::MemoryConsole(ConsoleSize size) : size_(size) {
  cells_.resize(static_cast<size_t>(size_.columns) * size_.rows);
}

bool MemoryConsole::resize(ConsoleSize wanted) {
  if (wanted.columns < 1 || wanted.rows < 1 || wanted.columns > largest_.columns ||
      wanted.rows > largest_.rows)
    return false;
  setSizeFromOutside(wanted);
  return true;
}

void MemoryConsole::setSizeFromOutside(ConsoleSize s) {
  std::vector<Cell> cells(static_cast<size_t>(s.columns) * s.rows);
  for (int r = 0; r < std::min(s.rows, size_.rows); ++r)
    for (int c = 0; c < std::min(s.columns, size_.columns); ++c)
      cells[static_cast<size_t>(r) * s.columns + c] = *cellAt(c, r);
  size_ = s;
  cells_ = std::move(cells);
}

MemoryConsole::Cell* MemoryConsole::cellAt(int column, int r) {
  if (column < 0 || r < 0 || column >= size_.columns || r >= size_.rows) return nullptr;
  return &cells_[static_cast<size_t>(r) * size_.columns + column];
}

void MemoryConsole::write(int column, int r, std::string_view bytes, Attribute attr) {
  ++writes_;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (Cell* c = cellAt(column + static_cast<int>(i), r)) *c = Cell{bytes[i], attr};
  }
}

void MemoryConsole::writeFrame(int column, int r, std::string_view bytes, Attribute attr) {
  write(column, r, bytes, attr);
}

void MemoryConsole::clear(Attribute attr) {
  for (auto& c : cells_) c = Cell{' ', attr};
}

void MemoryConsole::setCursorPosition(int column, int r) {
  cursorColumn_ = column;
  cursorRow_ = r;
}

bool MemoryConsole::readInput(InputRecord& record) {
  if (input_.empty()) return false;
  record = input_.front();
  input_.pop_front();
  return true;
}

bool MemoryConsole::waitInput(EventLoop& loop) {
  // Scripted input never arrives later: an empty queue is the end of input.
  if (input_.empty()) loop.runDueTimers();
  return !input_.empty() && !loop.quitRequested();
}

std::string MemoryConsole::row(int r) const {
  std::string s;
  if (r < 0 || r >= size_.rows) return s;
  for (int c = 0; c < size_.columns; ++c) s += cells_[static_cast<size_t>(r) * size_.columns + c].ch;
  return s;
}

std::string MemoryConsole::attributes(int r) const {
  std::string s;
  if (r < 0 || r >= size_.rows) return s;
  char buf[4];
  for (int c = 0; c < size_.columns; ++c) {
    std::snprintf(buf, sizeof buf, "%02X", cells_[static_cast<size_t>(r) * size_.columns + c].attr);
    s += buf;
  }
  return s;
}

Attribute MemoryConsole::attributeAt(int column, int r) const {
  if (column < 0 || r < 0 || column >= size_.columns || r >= size_.rows) return 0;
  return cells_[static_cast<size_t>(r) * size_.columns + column].attr;
}

std::vector<std::string> MemoryConsole::rows() const {
  std::vector<std::string> out;
  for (int r = 0; r < size_.rows; ++r) out.push_back(row(r));
  return out;
}

}  // namespace tarn
