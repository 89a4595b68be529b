// The console the editor draws on and reads from: a grid of cells (byte in
// the console code page + attribute) and a queue of input records, shaped
// like a character-mode console. TerminalConsole drives a real terminal;
// MemoryConsole serves tests.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tarn {

class EventLoop;

struct KeyEventRecord {
  bool keyDown = true;
  uint16_t repeatCount = 1;
  uint16_t virtualKeyCode = 0;  // 0 for pasted text and input-method characters
  uint16_t virtualScanCode = 0;
  uint8_t character = 0;  // byte in the console code page, 0 when none
  uint32_t controlKeyState = 0;  // keystate:: bits
};

struct MouseEventRecord {
  int column = 0;  // from 0
  int row = 0;     // from 0
  uint32_t buttonState = 0;  // mousestate:: buttons; wheel movement in the upper 16 bits
  uint32_t controlKeyState = 0;
  uint32_t eventFlags = 0;  // mousestate::kMoved / kDoubleClick / kWheeled
  int wheelDelta() const { return static_cast<int16_t>(buttonState >> 16); }
};

struct BufferSizeRecord {
  int columns = 0;
  int rows = 0;
};

struct FocusRecord {
  bool setFocus = false;
};

enum class InputKind : uint8_t { Key = 1, Mouse = 2, BufferSize = 4, Menu = 8, Focus = 16 };

struct InputRecord {
  InputKind kind = InputKind::Key;
  KeyEventRecord key;
  MouseEventRecord mouse;
  BufferSizeRecord size;
  FocusRecord focus;

  static InputRecord keyEvent(uint16_t vk, uint8_t ch, uint32_t state = 0, bool down = true) {
    InputRecord r;
    r.kind = InputKind::Key;
    r.key.keyDown = down;
    r.key.virtualKeyCode = vk;
    r.key.character = ch;
    r.key.controlKeyState = state;
    return r;
  }
  static InputRecord mouseEvent(int column, int row, uint32_t buttons, uint32_t flags,
                                uint32_t state = 0) {
    InputRecord r;
    r.kind = InputKind::Mouse;
    r.mouse = {column, row, buttons, state, flags};
    return r;
  }
  static InputRecord bufferSizeEvent(int columns, int rows) {
    InputRecord r;
    r.kind = InputKind::BufferSize;
    r.size = {columns, rows};
    return r;
  }
  static InputRecord focusEvent(bool gained) {
    InputRecord r;
    r.kind = InputKind::Focus;
    r.focus.setFocus = gained;
    return r;
  }
};

struct ConsoleSize {
  int columns = 80;
  int rows = 25;
  bool operator==(const ConsoleSize&) const = default;
};

// Attribute: foreground in the low 4 bits, background in the high 4 bits,
// console colour numbering (1 blue, 2 green, 4 red, 8 intensity).
using Attribute = uint8_t;

class Console {
 public:
  virtual ~Console() = default;

  virtual ConsoleSize size() const = 0;
  // Asks for a new size; returns false when it cannot be had (the size stays).
  virtual bool resize(ConsoleSize wanted) = 0;
  // The largest size the console can take.
  virtual ConsoleSize largestSize() const = 0;

  // Writes one row segment in one attribute; text beyond the right edge is dropped.
  virtual void write(int column, int row, std::string_view bytes, Attribute attr) = 0;
  // Writes bytes that are to be shown through code page 437 (frames, line drawing).
  virtual void writeFrame(int column, int row, std::string_view bytes, Attribute attr) = 0;
  virtual void clear(Attribute attr) = 0;

  virtual void setCursorPosition(int column, int row) = 0;
  virtual void setCursorVisible(bool visible) = 0;
  // Cursor size in percent of a cell (1..100), as the typing mode asks.
  virtual void setCursorSize(int percent) = 0;
  virtual void setTitle(std::string_view title) = 0;
  // Display code page of the cell bytes (437, 850, 1252, 28591).
  virtual void setCodePage(int codePage) = 0;
  virtual int codePage() const = 0;

  // Sounds the bell.
  virtual void beep() = 0;

  // Hands UTF-8 text to the terminal's own clipboard; false when this
  // console has none.
  virtual bool setTerminalClipboard(std::string_view /*text*/) { return false; }

  // Makes everything written so far visible.
  virtual void flush() = 0;

  // Takes the next input record when one is waiting.
  virtual bool readInput(InputRecord& record) = 0;
  // Puts records back at the front of the input queue.
  virtual void pushFront(const InputRecord& record) = 0;
  // Whether a record is waiting (no wait).
  virtual bool hasInput() const = 0;
  // Waits (running the event loop meanwhile: timers, signals, sockets) until a
  // record is waiting; false when no more input can arrive (end of input, or
  // the loop was asked to quit).
  virtual bool waitInput(EventLoop& loop) = 0;
  // Takes what input has arrived, without waiting and without running the
  // event loop, so that a long run of work can look for an Esc key press.
  virtual void pollInput() = 0;

  // Leaves the screen to a child program (system, dos) and takes it back.
  virtual void suspend() = 0;
  virtual void resume() = 0;
};

}  // namespace tarn
