// Console input: waiting for events, classifying keys into key class and
// key code, Alt with the numeric keypad, the mouse, focus and size events,
// and the readers that prompts use.
#pragma once
#include <string>
#include <string_view>

#include "platform/console.h"

namespace tarn {

struct Editor;

// What one input event came to, for the key loop.
struct InputEvent {
  enum class Kind {
    Key,       // a key to look up in the definitions of its class
    Typed,     // a character without a virtual-key code (paste): typed directly
    Handled,   // consumed here (mouse, focus, size, Alt keypad, mark keys)
    End,       // no more input can arrive
  };
  Kind kind = Kind::Handled;
  int keyClass = 0;
  int keyCode = 0;
  KeyEventRecord key;
  // Keys taken by settings: -1/+1 history on the command line; expansion of
  // the blank key.
  int historyStep = 0;
  bool expandBlank = false;
  bool autocompleteBlank = false;
  int startMode = 0;  // for Handled: the start mode it led to (0 carry on)
};

class Input {
 public:
  explicit Input(Editor& editor);

  // Waits for one console event; false when no more input can arrive.
  bool waitForEvent(InputRecord& record);
  // Reads events until one needs the key loop, or one was handled.
  InputEvent next();

  // Single-key questions: the character, the virtual-key code times 256 for
  // keys without a character, 27 for Escape; -1 at the end of input.
  int readKey();
  // Shows question on the message line and reads one key: true for y.
  bool askYesNo(std::string_view question);
  // The framed line reader; true with the text on Enter, false on Escape.
  bool readLine(std::string_view prompt, std::string& text, bool hidden);

  bool hasFocus() const { return focus_; }

 private:
  Editor& editor_;
  bool focus_ = true;
};

}  // namespace tarn
