#include "core/input.h"

#include "core/editor.h"
#include "core/function_codes.h"
#include "core/key_code.h"
#include "core/modifier_state.h"
#include "core/update_batch.h"
#include "core/reentry.h"
#include "platform/event_loop.h"
#include "platform/vk.h"

namespace tarn {

namespace {

constexpr uint32_t kAltContextBit = 0x20000000;
constexpr uint32_t kLockBits = keystate::kNumLock | keystate::kScrollLock | keystate::kCapsLock;

// The second parameter of the edit-control key messages: the repeat count
// in the low 16 bits, the scan code in the next 8.
intptr_t keyData(const KeyEventRecord& key) {
  return static_cast<intptr_t>(key.repeatCount |
                               (static_cast<uint32_t>(key.virtualScanCode & 0xFF) << 16));
}

bool isNavigationKey(uint16_t vk) { return vk >= vk::kPrior && vk <= vk::kDown; }

bool isHistoryKey(uint16_t vk) {
  return vk == vk::kUp || vk == vk::kDown || vk == vk::kNumpad0 + 8 || vk == vk::kNumpad0 + 2;
}

// Pasted text and input methods' characters come without a key.
bool isKeylessCharacter(const InputRecord& r) {
  return r.kind == InputKind::Key && r.key.keyDown && r.key.virtualKeyCode == 0 && r.key.character != 0;
}

bool isEscapePress(const InputRecord& r) {
  return r.kind == InputKind::Key && r.key.keyDown && r.key.virtualKeyCode == vk::kEscape;
}

// Pasted characters typed between looks for more input and for Esc.
constexpr size_t kPasteSlice = 4096;

bool isAsciiAlnum(uint8_t ch) {
  return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

}  // namespace

Input::Input(Editor& editor) : editor_(editor) {}

bool Input::waitForEvent(InputRecord& record) {
  Console& console = editor_.console;
  while (!console.readInput(record)) {
    // What was drawn shows before the editor waits.
    console.flush();
    if (!console.waitInput(editor_.loop)) return false;
  }
  return true;
}

InputEvent Input::next() {
  InputRecord r;
  for (;;) {
    if (!waitForEvent(r)) {
      InputEvent end;
      end.kind = InputEvent::Kind::End;
      return end;
    }
    switch (r.kind) {
      case InputKind::Key:
        if (auto ev = keyEvent(r.key)) return *ev;
        break;
      case InputKind::Mouse:
        return mouseEvent(r.mouse);
      case InputKind::BufferSize:
        editor_.screen.consoleResized();
        return InputEvent::handled();
      case InputKind::Focus:
        focusEvent(r.focus.setFocus);
        return InputEvent::handled();
      case InputKind::Menu:
        break;
    }
  }
}

Input::FirstRead Input::firstRead(const KeyEventRecord& key) {
  uint16_t vk = key.virtualKeyCode;
  if (!key.keyDown) {
    int code = isAltKey(vk) ? altKeypad_.altReleased() : 0;
    return code ? FirstRead{FirstRead::Kind::AltCode, code} : FirstRead{FirstRead::Kind::Skip};
  }
  if (vk == vk::kScroll) scrollLock_ = !scrollLock_;
  if (isModifierKey(vk)) return {FirstRead::Kind::Skip};
  if (vk == 0) return {FirstRead::Kind::Character, key.character};
  return {FirstRead::Kind::Key};
}

std::optional<InputEvent> Input::keyEvent(const KeyEventRecord& key) {
  uint16_t vk = key.virtualKeyCode;
  FirstRead read = firstRead(key);
  if (read.kind == FirstRead::Kind::Skip) return std::nullopt;
  if (read.kind == FirstRead::Kind::AltCode) {
    Document* view = editor_.currentView();
    if (!view) return std::nullopt;
    editor_.engine.send(view, fn::kTypeChar, read.value);
    return InputEvent::handled();
  }
  editor_.screen.clearMessage();
  InputEvent ev;
  ev.key = key;
  if (read.kind == FirstRead::Kind::Character) {
    if (!read.value) return std::nullopt;  // nothing to classify
    ev.kind = InputEvent::Kind::Typed;
    return ev;
  }
  if (isBareWindowsKey(key, false)) return std::nullopt;
  if (isBareWindowsKey(key, true))
    return InputEvent::handled(popupMenu(-1, -1));  // the application key
  if (WindowRecord* window = currentViewWindow()) window->controlKeyState = key.controlKeyState;

  int keyClass = keyClassOf(key);
  if (auto taken = takenBySettings(key, keyClass)) return taken;
  if (altKeypad_.keyDown(keyClass, vk)) return std::nullopt;

  ev.kind = InputEvent::Kind::Key;
  ev.keyClass = keyClass;
  ev.keyCode = keycode::fromVirtualKey(vk);
  if (vk == vk::kSpace && editor_.currentView()) {
    const Settings& s = editor_.settings;
    bool scroll = scrollLockFor(key.controlKeyState);
    bool inFile = editor_.slots.cursorInFile(editor_.slots.current());
    ev.expandBlank = inFile && keyStateMatches(s.expandOn, key.controlKeyState, scroll);
    ev.autocompleteBlank = keyStateMatches(s.autocompleteOn, key.controlKeyState, scroll);
  }
  return ev;
}

// History keys on the command line, and navigation keys that extend the
// mark; both before the key is classified.
std::optional<InputEvent> Input::takenBySettings(const KeyEventRecord& key, int keyClass) {
  Document* view = editor_.currentView();
  if (!view) return std::nullopt;
  const Settings& s = editor_.settings;
  uint16_t vk = key.virtualKeyCode;
  uint32_t state = key.controlKeyState;
  bool scroll = scrollLockFor(state);
  bool onCommandLine = !editor_.slots.cursorInFile(editor_.slots.current());
  if (onCommandLine && isHistoryKey(vk) && keyStateMatches(s.historyOn, state, scroll)) {
    InputEvent ev;
    ev.kind = InputEvent::Kind::Key;
    ev.keyClass = keyClass;
    ev.keyCode = keycode::fromVirtualKey(vk);
    ev.key = key;
    ev.historyStep = vk == vk::kUp || vk == vk::kNumpad0 + 8 ? -1 : 1;
    return ev;
  }
  if (isNavigationKey(vk) && keyStateMatches(s.markOn, state, scroll)) {
    // The document reads Shift from its window's key state.
    if (WindowRecord* window = currentViewWindow())
      window->controlKeyState = keystate::kShift | (state & kLockBits);
    editor_.engine.send(view, msg::kKeyDown, vk, keyData(key));
    return InputEvent::handled();
  }
  return std::nullopt;
}

bool Input::scrollLockFor(uint32_t controlKeyState) const {
  return (controlKeyState & keystate::kScrollLock) || scrollLock_;
}

WindowRecord* Input::currentViewWindow() {
  SlotTable& slots = editor_.slots;
  int slot = slots.current();
  if (!slots.inUse(slot)) return nullptr;
  return slots.cursorInFile(slot) ? &slots.data(slot) : &slots.command(slot);
}

void Input::sendUndefinedKey(Document& doc, const KeyEventRecord& key) {
  uint8_t ch = key.character;
  if (editor_.settings.upperCase && ch >= 'a' && ch <= 'z')
    ch = static_cast<uint8_t>(ch - 'a' + 'A');
  intptr_t data = keyData(key);
  Engine& engine = editor_.engine;
  if (key.controlKeyState & keystate::kAnyAlt) {
    // Only characters go to the document under Alt; other Alt keys belong to the editor.
    if (!ch) return;
    bool system = isAsciiAlnum(ch) || ch == '\b' || ch == '\r' || ch == '+' || ch == '-';
    engine.send(&doc, system ? msg::kSysChar : msg::kChar, ch, data | kAltContextBit);
    return;
  }
  engine.send(&doc, msg::kKeyDown, key.virtualKeyCode, data);
  if (ch) engine.send(&doc, msg::kChar, ch, data);
}

void Input::typeDirect(Document& doc, const KeyEventRecord& key) {
  for (int i = 0; i < key.repeatCount; ++i) editor_.engine.send(&doc, fn::kTypeChar, key.character);
}

// Each character is typed through the engine; the screen follows once the
// whole run is typed, not after every character.
void Input::typePaste(Document& doc, const KeyEventRecord& key) {
  UpdateBatch batch(editor_);
  std::string text(key.repeatCount, static_cast<char>(key.character));
  for (size_t typed = 0;;) {
    if (takeKeylessCharacters(text)) return;
    if (typed == text.size()) return;
    for (size_t end = std::min(text.size(), typed + kPasteSlice); typed < end; ++typed)
      editor_.engine.send(&doc, fn::kTypeChar, static_cast<unsigned char>(text[typed]));
  }
}

// Moves the characters without a key that wait at the console (reading what
// arrived meanwhile) into text; true when an Esc key press follows them,
// which is taken.
bool Input::takeKeylessCharacters(std::string& text) {
  Console& console = editor_.console;
  InputRecord r;
  for (;;) {
    if (!console.hasInput()) console.pollInput();
    if (!console.readInput(r)) return false;
    if (isEscapePress(r)) return true;
    if (!isKeylessCharacter(r)) {
      console.pushFront(r);
      return false;
    }
    text.append(r.key.repeatCount, static_cast<char>(r.key.character));
  }
}

int Input::readKey() {
  BusyScope busy(editor_.loop);
  UpdatesShown shown(editor_);
  InputRecord r;
  while (waitForEvent(r)) {
    if (r.kind == InputKind::BufferSize) editor_.screen.consoleResized();
    if (r.kind != InputKind::Key) continue;
    const KeyEventRecord& key = r.key;
    uint16_t vk = key.virtualKeyCode;
    FirstRead read = firstRead(key);
    if (read.kind == FirstRead::Kind::AltCode) return read.value;
    if (read.kind == FirstRead::Kind::Character && read.value) return read.value;
    if (read.kind != FirstRead::Kind::Key || isBareWindowsKey(key, false)) continue;
    if (vk == vk::kEscape) return 27;
    int keyClass = keyClassOf(key);
    if (altKeypad_.keyDown(keyClass, vk)) continue;
    if (isReadKeyWithoutCharacter(vk)) return key.character ? key.character : vk * 256;
    if (const Dispatcher* d = editor_.dispatcher) {
      const int* codes = d->definition(keyClass, keycode::fromVirtualKey(vk));
      if (codes && fn::isCharacter(codes[0])) return codes[0];
    }
    return key.character ? key.character : vk * 256;
  }
  return -1;
}

bool Input::askYesNo(std::string_view question) {
  editor_.screen.message(question);
  int key = readKey();
  editor_.screen.clearMessage();
  return key == 'y' || key == 'Y';
}

void Input::focusEvent(bool gained) {
  if (gained && focus_) return;  // only a focus that was away is regained
  focus_ = gained;
  if (gained)
    editor_.files.focusGained();
  else
    editor_.files.focusLost();
}

int Input::popupMenu(int column, int row) {
  if (popupMenu_) return popupMenu_(column, row);
  editor_.screen.message("Not available yet: menu");
  return 0;
}

}  // namespace tarn
