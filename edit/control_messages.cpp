// Edit-control style messages: keys without a definition and mouse clicks
// reach the document as key-down, character and button messages, and do
// what the editing function of the same meaning does.
#include <algorithm>

#include "core/editor.h"
#include "core/marks.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/line_breaks.h"
#include "edit/text_columns.h"
#include "platform/vk.h"

namespace tarn::handler {

namespace {

// The second parameter of key and character messages carries the repeat
// count in its low 16 bits.
int repeatOf(const EngineCall& call) { return std::max<int>(1, call.arg2 & 0xFFFF); }

// Modifier state of the last key seen in the window showing the document.
uint32_t controlState(const EngineCall& call) {
  if (!call.editor) return 0;
  const WindowRecord* window = call.editor->currentWindow();
  return window && window->document == &call.doc ? window->controlKeyState : 0;
}

EditHandler keyHandler(int virtualKey, bool ctrl) {
  switch (virtualKey) {
    case vk::kUp: return up;
    case vk::kDown: return down;
    case vk::kLeft: return ctrl ? backtabWord : left;
    case vk::kRight: return ctrl ? tabWord : right;
    case vk::kHome: return ctrl ? top : beginLine;
    case vk::kEnd: return ctrl ? bottom : endLine;
    case vk::kPrior: return pageUp;
    case vk::kNext: return pageDown;
    case vk::kDelete: return deleteChar;
    case vk::kBack: return rubout;
    default: return nullptr;
  }
}

bool isNavigationKey(intptr_t virtualKey) { return virtualKey >= vk::kPrior && virtualKey <= vk::kDown; }

// What marks again to extend the mark the file holds; a file without one
// gets a character mark.
EditHandler markerFor(const Document& doc) {
  switch (markKind(doc)) {
    case markkind::kLine: return markLine;
    case markkind::kBlock: return markBlock;
    default: return markChar;
  }
}

int runRepeated(EngineCall& call, EditHandler handler, int times) {
  int result = 0;
  for (int i = 0; i < times; ++i) result = handler(call);
  return result;
}

}  // namespace

// Moves the cursor to a column and row of the window.
int pointerPress(EngineCall& call) {
  Document& doc = call.doc;
  int row = static_cast<int>(std::clamp<intptr_t>(call.arg2, 0, std::max(1, doc.windowRows) - 1));
  LineIndex number = std::min(windowTopNumber(doc) + row, lastTextNumber(doc));
  Line* line = lineNear(doc, number);
  if (!line) return 0;
  moveCursorTo(doc, line, number);
  int column = doc.view.leftColumn + static_cast<int>(std::clamp<intptr_t>(call.arg1, 0, doc.windowColumns));
  if (!doc.option(opt::kFreeCursor)) column = std::min(column, displayWidth(currentText(doc), columnRule(call)));
  doc.cursorColumn = std::min(column, longestLine(doc) - 1);
  return 1;
}

// Shift with a navigation key (markon) extends the mark to where the
// cursor goes, from where it was when the file held no mark.
int keyDown(EngineCall& call) {
  uint32_t state = controlState(call);
  EditHandler handler = keyHandler(static_cast<int>(call.arg1), state & keystate::kAnyCtrl);
  if (!handler) return 0;
  EngineCall plain = call;
  plain.arg1 = plain.arg2 = 0;
  plain.repeat = 1;
  EditHandler marker = (state & keystate::kShift) && isNavigationKey(call.arg1) ? markerFor(call.doc) : nullptr;
  if (marker && !holdsMark(call.doc)) marker(plain);
  int result = runRepeated(plain, handler, repeatOf(call));
  if (marker) marker(plain);
  return result;
}

// The word under the pointer becomes a character mark.
int pointerDoubleClick(EngineCall& call) {
  int result = pointerPress(call);
  if (result) getWord(call);
  return result;
}

// Backspace was done by its key-down message; Enter breaks the line, Tab
// is the tab function; other control characters type nothing.
int character(EngineCall& call) {
  auto byte = static_cast<unsigned char>(call.arg1);
  if (call.arg1 != byte) return 0;
  EngineCall typed = call;
  typed.arg2 = 0;
  typed.repeat = 1;
  if (byte == '\r') return runRepeated(typed, [](EngineCall& c) { return breakLine(c, true); }, repeatOf(call));
  if (byte == '\t') return runRepeated(typed, tab, repeatOf(call));
  if (byte < 32 || byte == 127) return 0;
  return runRepeated(typed, typeCharacter, repeatOf(call));
}


}  // namespace tarn::handler
