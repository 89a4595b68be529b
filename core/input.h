// Console input: waiting for events, classifying keys into key class and
// key code, Alt with the numeric keypad, the mouse, focus and size events,
// and the readers that prompts use.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/key_classifier.h"
#include "platform/console.h"

namespace tarn {

// What Input::readKey gives for Enter and for Escape.
namespace readkey {
constexpr int kEnter = 13;
constexpr int kEscape = 27;
}  // namespace readkey

struct Editor;
struct Document;
struct WindowRecord;

// What one input event came to, for the key loop.
struct InputEvent {
  enum class Kind {
    Key,      // a key to look up in the definitions of its class
    Typed,    // a character without a virtual-key code (paste): type it
              // key.repeatCount times (Input::typePaste)
    Handled,  // consumed here (mouse, focus, size, Alt keypad, mark keys)
    End,      // no more input can arrive
  };
  Kind kind = Kind::Handled;
  int keyClass = 0;
  int keyCode = 0;
  KeyEventRecord key;
  // Keys taken by settings, set on Key events:
  // historyStep -1/+1: Up or Down on the command line in the `historyon`
  // state; the key loop replaces the command line with the previous or next
  // command instead of looking the key up.
  int historyStep = 0;
  // The blank key in the `expandon` (file only) or `autocompleteon` state:
  // try expansion, then completion, then handle the key as usual.
  bool expandBlank = false;
  bool autocompleteBlank = false;
  int startMode = 0;  // for Handled: the start mode it led to (0 carry on)

  static InputEvent handled(int startMode = 0) {
    InputEvent ev;
    ev.startMode = startMode;
    return ev;
  }
};

class Input {
 public:
  explicit Input(Editor& editor);

  // Waits for one console event; false when no more input can arrive.
  bool waitForEvent(InputRecord& record);
  // Reads events until one needs the key loop, or one was handled.
  InputEvent next();

  // A key without a definition (other than Escape, and Enter on the command
  // line, which the key loop handles), sent to the document as edit-control
  // messages: key down and character, or with Alt a system character.
  void sendUndefinedKey(Document& doc, const KeyEventRecord& key);
  // A character that came without a key (paste), typed repeatCount times.
  void typeDirect(Document& doc, const KeyEventRecord& key);
  // The key loop's typeDirect: with the character, the characters without a
  // key that follow it are typed too, as one batch; an Esc key pressed
  // behind them stops the rest of them.
  void typePaste(Document& doc, const KeyEventRecord& key);

  // Single-key questions: the character, the virtual-key code times 256 for
  // keys without a character, 27 for Escape; -1 at the end of input.
  int readKey();
  // Shows question on the message line and reads one key: true for y.
  bool askYesNo(std::string_view question);
  // The framed line reader; true with the text on Enter, false on Escape.
  // text holds the initial text on entry.
  bool readLine(std::string_view prompt, std::string& text, bool hidden);

  bool hasFocus() const { return focus_; }
  // The Scroll Lock toggle as last reported.
  bool scrollLockOn() const { return scrollLock_; }

  // The pop-up menu at a screen position; returns a start mode. Until one
  // is installed the menu says it is not available yet (start mode 0).
  void setPopupMenu(std::function<int(int column, int row)> menu) { popupMenu_ = std::move(menu); }

 private:
  // The steps every reader of keys takes first with a key record.
  struct FirstRead {
    enum class Kind {
      Skip,       // a key going up, a modifier key alone
      AltCode,    // Alt went up after keypad digits: the character in value
      Character,  // a character that came without a key (paste), 0 for none
      Key,        // a key going down, to be classified
    };
    Kind kind;
    int value = 0;
  };
  FirstRead firstRead(const KeyEventRecord& key);

  std::optional<InputEvent> keyEvent(const KeyEventRecord& key);
  bool takeKeylessCharacters(std::string& text);
  std::optional<InputEvent> takenBySettings(const KeyEventRecord& key, int keyClass);
  bool scrollLockFor(uint32_t controlKeyState) const;
  WindowRecord* currentViewWindow();
  void focusEvent(bool gained);
  int popupMenu(int column, int row);

  // Mouse events on the current window (mouse_input.cpp).
  InputEvent mouseEvent(const MouseEventRecord& m);
  InputEvent mousePress(const MouseEventRecord& m);
  InputEvent mouseRelease(const MouseEventRecord& m);
  void mouseWheel(const MouseEventRecord& m);
  bool pressElsewhere(const MouseEventRecord& m, InputEvent& ev);
  void statusRowPress(const MouseEventRecord& m, int column, int width);
  void discardPendingInput();

  // The line reader's field (line_reader.cpp).
  void runFieldDefinition(Document& field, const int* codes);

  Editor& editor_;
  AltKeypad altKeypad_;
  bool scrollLock_ = false;
  bool focus_ = true;
  // The last window position sent as a move or press, and where the last
  // press went.
  int lastColumn_ = 0;
  int lastRow_ = 0;
  bool pressOnCommandLine_ = false;
  bool popupArmed_ = false;
  std::function<int(int, int)> popupMenu_;
};

}  // namespace tarn
