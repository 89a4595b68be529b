#include "core/editor.h"

namespace tarn {

Editor::Editor(Console& c, EventLoop& l)
    : console(c), loop(l), screen(*this), input(*this), files(*this), autosave(*this), clipboard(l, c) {
  engine.setEditor(this);
  engine.setHost(&screen);
  engine.setReader(&files);
  engine.setCaptureSink(&recorder);
}

Document* Editor::currentDocument() {
  int s = slots.current();
  return slots.inUse(s) ? slots.data(s).document : nullptr;
}

Document* Editor::currentView() {
  int s = slots.current();
  if (!slots.inUse(s)) return nullptr;
  return slots.cursorInFile(s) ? slots.data(s).document : slots.command(s).document;
}

WindowRecord* Editor::currentWindow() {
  int s = slots.current();
  return slots.inUse(s) ? &slots.data(s) : nullptr;
}

}  // namespace tarn
