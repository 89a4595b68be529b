// What the core asks of the command language: the key loop, the string
// runner and the definitions of keys. The command layer fills it in.
#pragma once
#include <string_view>

namespace tarn {

class Dispatcher {
 public:
  virtual ~Dispatcher() = default;

  // Runs what is pending (functions still queued from a key) or reads one
  // input event and runs what it is bound to; returns the start mode
  // (0 carry on, 1 end the editor, 2 cursor to the command line, 3 cursor
  // in the file).
  virtual int step() = 0;

  // Runs a function string against the current slot's window (its data
  // window while the cursor is in the file, else its command line); returns
  // the result of the last command.
  virtual int runString(std::string_view text, bool fromCommandLine) = 0;

  // The definition of a key (class 0..5 and key code): codes ended by 0, or
  // null when the key has none.
  virtual const int* definition(int keyClass, int keyCode) const = 0;

  // Whether the entry after code in a definition is its character argument
  // (a bookmark letter, a fill character); the function table knows.
  virtual bool takesCharacter(int /*code*/, int /*next*/) const { return false; }
};

}  // namespace tarn
