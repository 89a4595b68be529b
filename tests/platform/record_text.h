// Input records written out in one line each, so that tests compare lists
// of records as text and a failure shows what arrived.
#pragma once
#include <cstdio>
#include <string>

#include "platform/console.h"

namespace tarn::testing {

inline std::string recordText(const InputRecord& r) {
  char buf[80];
  switch (r.kind) {
    case InputKind::Key:
      std::snprintf(buf, sizeof buf, "key%c vk=%02X ch=%02X st=%04X", r.key.keyDown ? '+' : '-',
                    r.key.virtualKeyCode, r.key.character, r.key.controlKeyState);
      break;
    case InputKind::Mouse:
      std::snprintf(buf, sizeof buf, "mouse %d,%d b=%08X f=%X st=%04X", r.mouse.column, r.mouse.row,
                    r.mouse.buttonState, r.mouse.eventFlags, r.mouse.controlKeyState);
      break;
    case InputKind::Focus: std::snprintf(buf, sizeof buf, "focus %d", r.focus.setFocus); break;
    case InputKind::BufferSize:
      std::snprintf(buf, sizeof buf, "size %dx%d", r.size.columns, r.size.rows);
      break;
    case InputKind::Menu: std::snprintf(buf, sizeof buf, "menu"); break;
  }
  return buf;
}

}  // namespace tarn::testing
