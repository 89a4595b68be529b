// tarn: the editor on the terminal it was started from.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "core/out_of_memory.h"
#include "integration/editor_app.h"
#include "platform/event_loop.h"
#include "platform/file_system.h"
#include "platform/terminal_console.h"
#include "platform/terminal_guard.h"

namespace {

// The process ends without unwinding: put the terminal back, then tell why.
void reportOutOfMemory() {
  tarn::terminal_guard::restoreNow();
  static const char kText[] = "Not enough memory!\n";
  [[maybe_unused]] auto n = write(STDERR_FILENO, kText, sizeof kText - 1);
}

}  // namespace

int main(int argc, char** argv) {
  tarn::installOutOfMemoryHandler();
  tarn::fs::failWritesBeyondSizeLimit();
  std::vector<std::string> args(argv + 1, argv + argc);
  tarn::EventLoop loop;
  tarn::EditorExit exit;
  try {
    tarn::TerminalConsole console(loop);
    tarn::setOutOfMemoryReporter(reportOutOfMemory);
    exit = tarn::runEditor(console, loop, args);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tarn: %s\n", e.what());
    return 1;
  }
  // Said once the terminal is back, so that it stays on the screen.
  for (const std::string& line : exit.farewell) std::fprintf(stderr, "tarn: %s\n", line.c_str());
  return exit.status;
}
