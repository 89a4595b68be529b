#include "core/screen.h"

#include "core/editor.h"

namespace tarn {

Screen::Screen(Editor& editor) : editor_(editor) {}

void Screen::setUp() { layout(); }
void Screen::restore(bool) {}
void Screen::setScreenSize(int, int) {}
void Screen::consoleResized() { layout(); }

void Screen::layout() {
  auto size = editor_.console.size();
  for (int s : editor_.slots.used()) {
    if (Document* d = editor_.slots.data(s).document)
      editor_.engine.send(d, msg::kSetWindowSize, size.columns, std::max(1, size.rows - 2));
  }
}

void Screen::setSplitMode(SplitMode mode) { split_ = mode; }
void Screen::redraw(bool) {}
void Screen::paintWindow(Document&, int, int) {}
void Screen::placeCursor() {}

void Screen::message(std::string_view text) {
  messageShown_ = true;
  messageText_ = text;
}
void Screen::progress(std::string_view text) { message(text); }
void Screen::error(std::string_view text) { message(text); }
void Screen::clearMessage() { messageShown_ = false; }
void Screen::beep() {}
void Screen::statusRowText(std::string_view, Attribute, int) {}
void Screen::frameBox(int, std::string_view, std::string_view, std::string_view, Attribute) {}
Attribute Screen::textAttribute() const { return 0x1F; }
Attribute Screen::markAttribute() const { return 0x4F; }
Attribute Screen::commandLineAttribute() const { return 0x2F; }
Attribute Screen::messageAttribute() const { return 0x2F; }
void Screen::windowChanged(Document&, bool) {}
void Screen::statusChanged(Document&) {}
void Screen::updatesResumed(Document&) {}
void Screen::takeFocus(Document&) {}

}  // namespace tarn
