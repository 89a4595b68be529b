// Test program for the terminal's clipboard: takes the terminal over, shows
// "ready", and at the first key copies its argument (UTF-8) through the
// clipboard, which on a bare terminal is the terminal's own; then shows
// "copied" and ends at the next key.
#include "platform/clipboard.h"
#include "platform/event_loop.h"
#include "platform/terminal_console.h"

namespace {

bool waitKey(tarn::TerminalConsole& console, tarn::EventLoop& loop) {
  tarn::InputRecord record;
  while (console.waitInput(loop)) {
    console.readInput(record);
    if (record.kind == tarn::InputKind::Key && record.key.keyDown) return true;
  }
  return false;
}

void show(tarn::Console& console, const char* text) {
  console.clear(0x07);
  console.write(0, 0, text, 0x07);
  console.flush();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  tarn::EventLoop loop;
  tarn::TerminalConsole console(loop);
  tarn::Clipboard clipboard(loop, console);
  show(console, "ready");
  if (!waitKey(console, loop)) return 1;
  clipboard.copy({argv[1], "", ""});
  show(console, "copied");
  waitKey(console, loop);
  return 0;
}
