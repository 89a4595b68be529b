#include "core/escape_watch.h"

#include <vector>

#include "core/editor.h"
#include "platform/event_loop.h"
#include "platform/vk.h"

namespace tarn {

bool escapePending(Editor& editor) {
  editor.loop.handlePendingSignals();
  editor.console.pollInput();
  std::vector<InputRecord> kept;
  InputRecord record;
  bool escape = false;
  while (editor.console.readInput(record)) {
    if (!escape && record.kind == InputKind::Key && record.key.keyDown &&
        record.key.virtualKeyCode == vk::kEscape) {
      escape = true;
      continue;
    }
    kept.push_back(record);
  }
  for (auto it = kept.rbegin(); it != kept.rend(); ++it) editor.console.pushFront(*it);
  return escape || editor.loop.quitRequested();
}

// The loop wakes for input and signals; only the terminal is served meanwhile.
bool waitUnlessEscape(Editor& editor, std::chrono::milliseconds time) {
  EventLoop& loop = editor.loop;
  const EventLoop::Clock::time_point end = loop.now() + time;
  for (;;) {
    if (escapePending(editor)) return true;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - loop.now());
    if (left.count() <= 0) return false;
    loop.runOnce(left);
  }
}

}  // namespace tarn
