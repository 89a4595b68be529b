#include "core/input.h"

#include "core/editor.h"
#include "platform/event_loop.h"
#include "platform/vk.h"

namespace tarn {

Input::Input(Editor& editor) : editor_(editor) {}

bool Input::waitForEvent(InputRecord& record) {
  while (!editor_.console.readInput(record)) {
    if (!editor_.console.waitInput(editor_.loop)) return false;
  }
  return true;
}

InputEvent Input::next() {
  InputRecord r;
  InputEvent ev;
  if (!waitForEvent(r)) {
    ev.kind = InputEvent::Kind::End;
    return ev;
  }
  if (r.kind != InputKind::Key || !r.key.keyDown) return ev;
  ev.key = r.key;
  if (r.key.virtualKeyCode == 0) {
    ev.kind = InputEvent::Kind::Typed;
    return ev;
  }
  ev.kind = InputEvent::Kind::Key;
  uint32_t s = r.key.controlKeyState;
  bool shift = s & keystate::kShift, ctrl = s & keystate::kAnyCtrl, alt = s & keystate::kAnyAlt;
  ev.keyClass = (ctrl && alt) ? 5 : (ctrl && shift) ? 4 : alt ? 3 : shift ? 1 : ctrl ? 2 : 0;
  ev.keyCode = r.key.virtualKeyCode;
  return ev;
}

int Input::readKey() {
  InputRecord r;
  while (waitForEvent(r)) {
    if (r.kind != InputKind::Key || !r.key.keyDown) continue;
    if (r.key.virtualKeyCode == vk::kEscape) return 27;
    if (r.key.character) return r.key.character;
    return r.key.virtualKeyCode * 256;
  }
  return -1;
}

bool Input::askYesNo(std::string_view question) {
  editor_.screen.message(question);
  int key = readKey();
  editor_.screen.clearMessage();
  return key == 'y' || key == 'Y';
}

bool Input::readLine(std::string_view, std::string& text, bool) {
  text.clear();
  for (int key = readKey(); key != -1; key = readKey()) {
    if (key == 27) return false;
    if (key == '\r') return true;
    if (key == 8 && !text.empty()) text.pop_back();
    else if (key >= 32 && key < 256) text += static_cast<char>(key);
  }
  return false;
}

}  // namespace tarn
