// A console held in memory: tests queue input records and read the cell
// grid back as text rows and attribute rows.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/console.h"

namespace tarn {

class MemoryConsole : public Console {
 public:
  explicit MemoryConsole(ConsoleSize size = {80, 25});

  ConsoleSize size() const override { return size_; }
  bool resize(ConsoleSize wanted) override;
  ConsoleSize largestSize() const override { return largest_; }
  void write(int column, int row, std::string_view bytes, Attribute attr) override;
  void writeFrame(int column, int row, std::string_view bytes, Attribute attr) override;
  void clear(Attribute attr) override;
  void setCursorPosition(int column, int row) override;
  void setCursorVisible(bool visible) override { cursorVisible_ = visible; }
  void setCursorSize(int percent) override { cursorSize_ = percent; }
  void setTitle(std::string_view title) override { title_ = title; }
  void setCodePage(int codePage) override { codePage_ = codePage; }
  int codePage() const override { return codePage_; }
  void flush() override { ++flushes_; }
  void beep() override { ++beeps_; }
  bool readInput(InputRecord& record) override;
  void pushFront(const InputRecord& record) override { input_.push_front(record); }
  bool hasInput() const override { return !input_.empty(); }
  bool waitInput(EventLoop& loop) override;
  void pollInput() override {}  // scripted input is queued whole
  void suspend() override { suspended_ = true; }
  void resume() override { suspended_ = false; }

  // Test side.
  void queue(const InputRecord& record) { input_.push_back(record); }
  size_t pendingInput() const { return input_.size(); }
  std::string row(int r) const;        // the bytes of one row
  std::string attributes(int r) const;  // one hex digit pair per cell: "1F1F..."
  Attribute attributeAt(int column, int r) const;
  std::vector<std::string> rows() const;
  int cursorColumn() const { return cursorColumn_; }
  int cursorRow() const { return cursorRow_; }
  bool cursorVisible() const { return cursorVisible_; }
  int cursorSize() const { return cursorSize_; }
  const std::string& title() const { return title_; }
  void setLargestSize(ConsoleSize s) { largest_ = s; }
  // Changes the size as a terminal resize would (no record is queued).
  void setSizeFromOutside(ConsoleSize s);
  bool suspended() const { return suspended_; }
  int writesSinceReset() const { return writes_; }
  int beeps() const { return beeps_; }
  void resetWriteCount() { writes_ = 0; }

 private:
  struct Cell {
    char ch = ' ';
    Attribute attr = 0x07;
  };
  Cell* cellAt(int column, int r);

  ConsoleSize size_;
  ConsoleSize largest_{1023, 511};
  std::vector<Cell> cells_;
  std::deque<InputRecord> input_;
  int cursorColumn_ = 0, cursorRow_ = 0;
  bool cursorVisible_ = true;
  int cursorSize_ = 25;
  std::string title_;
  int codePage_ = 437;
  int flushes_ = 0;
  int writes_ = 0;
  int beeps_ = 0;
  bool suspended_ = false;
};

}  // namespace tarn
