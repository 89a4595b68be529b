#include "core/main_loop.h"

#include "core/editor.h"
#include "core/exceptions.h"

namespace tarn {

namespace {

void applyCursorPlace(Editor& editor, int mode) {
  int slot = editor.slots.current();
  if (mode == kToCommandLine) editor.slots.setCursorInFile(slot, false);
  if (mode == kToFile) editor.slots.setCursorInFile(slot, true);
}

void loop(Editor& editor, int mode) {
  applyCursorPlace(editor, mode);
  editor.screen.redraw(true);
  while (mode != kEndEditor && editor.slots.hasCurrent() && editor.dispatcher) {
    int before = editor.slots.current();
    mode = editor.dispatcher->step();
    if (mode == kEndEditor) break;
    applyCursorPlace(editor, mode);
    bool slotChanged = editor.slots.current() != before && editor.slots.hasCurrent();
    if (mode > kEndEditor || slotChanged) editor.screen.redraw(slotChanged);
    else editor.screen.placeCursor();
  }
}

}  // namespace

void runMainLoop(Editor& editor, int startMode) {
  try {
    loop(editor, startMode);
  } catch (...) {
    editor.screen.error("TARN " + exceptionText(std::current_exception()));
  }
}

}  // namespace tarn
