// Mouse events on the current window: moves, the wheel, presses and
// releases, and the rows around the window that mean something.
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "core/editor.h"
#include "core/file_tabs.h"
#include "core/function_codes.h"
#include "core/input.h"
#include "platform/vk.h"

namespace tarn {

namespace {

constexpr uint32_t kButtons =
    mousestate::kLeftButton | mousestate::kRightButton | mousestate::kSecondButton;

struct WindowPoint {
  int column;
  int row;
  bool inside;
};

WindowPoint pointIn(const WindowRecord& w, const MouseEventRecord& m) {
  int column = m.column - w.left;
  int row = m.row - w.top;
  return {column, row, column >= 0 && row >= 0 && column < w.columns && row < w.rows};
}

int pressCode(uint32_t buttons) {
  if (buttons & mousestate::kLeftButton) return msg::kLeftDown;
  if (buttons & mousestate::kSecondButton) return msg::kMiddleDown;
  return msg::kRightDown;
}

bool armsPopup(MouseAction action, uint32_t buttons) {
  return (action == MouseAction::RightButton && (buttons & mousestate::kRightButton)) ||
         (action == MouseAction::LeftButton && (buttons & mousestate::kLeftButton));
}

}  // namespace

InputEvent Input::mouseEvent(const MouseEventRecord& m) {
  WindowRecord* window = editor_.currentWindow();
  if (!window || !window->document) return InputEvent::handled();
  if (m.eventFlags & mousestate::kWheeled) {
    mouseWheel(m);
    return InputEvent::handled();
  }
  WindowPoint p = pointIn(*window, m);
  Engine& engine = editor_.engine;
  if (m.eventFlags & mousestate::kMoved) {
    if (p.inside && (p.column != lastColumn_ || p.row != lastRow_)) {
      engine.send(window->document, msg::kMouseMove, p.column, p.row);
      lastColumn_ = p.column;
      lastRow_ = p.row;
    }
    return InputEvent::handled();
  }
  if (m.eventFlags & mousestate::kDoubleClick) {
    if (editor_.settings.popupMenuOn == MouseAction::DoubleClick) {
      popupArmed_ = true;
      return InputEvent::handled();
    }
    if (p.inside && (m.buttonState & mousestate::kLeftButton)) {
      engine.send(window->document, msg::kLeftDoubleClick, p.column, p.row);
      lastColumn_ = p.column;
      lastRow_ = p.row;
    }
    editor_.screen.redraw(false);
    return InputEvent::handled();
  }
  return (m.buttonState & kButtons) ? mousePress(m) : mouseRelease(m);
}

void Input::mouseWheel(const MouseEventRecord& m) {
  WindowRecord& window = *editor_.currentWindow();
  int lines =
      (m.controlKeyState & keystate::kShift) ? window.rows : editor_.settings.wheelScrollLine;
  // A notch towards the user is a negative movement and scrolls down.
  long long scroll = static_cast<long long>(m.wheelDelta() / -mousestate::kWheelDelta) * lines;
  scroll = std::clamp<long long>(scroll, INT_MIN, INT_MAX);  // a huge setting must not overflow
  if (scroll)
    editor_.engine.send(window.document, fn::kScrollVertical, static_cast<intptr_t>(scroll));
}

InputEvent Input::mousePress(const MouseEventRecord& m) {
  if (armsPopup(editor_.settings.popupMenuOn, m.buttonState)) {
    popupArmed_ = true;
    return InputEvent::handled();
  }
  pressOnCommandLine_ = false;
  SlotTable& slots = editor_.slots;
  int slot = slots.current();
  WindowRecord& window = slots.data(slot);
  Document* doc = window.document;
  WindowPoint p = pointIn(window, m);
  Engine& engine = editor_.engine;
  InputEvent ev = InputEvent::handled();
  if (p.inside) {
    if (engine.send(doc, pressCode(m.buttonState), p.column, p.row)) {
      lastColumn_ = p.column;
      lastRow_ = p.row;
      // A press taken by the file while typing on the command line puts the cursor in the file.
      if (!slots.cursorInFile(slot)) ev.startMode = 3;
    } else {
      engine.send(doc, msg::kLeftUp, lastColumn_, lastRow_);
    }
  } else {
    engine.send(doc, msg::kLeftUp, lastColumn_, lastRow_);
    if (pressElsewhere(m, ev)) return ev;
  }
  editor_.screen.redraw(false);
  return ev;
}

// A press outside the window: the tab row, the command line, the status
// line or the other view. Returns true when the press was handed on whole.
bool Input::pressElsewhere(const MouseEventRecord& m, InputEvent& ev) {
  Screen& screen = editor_.screen;
  SlotTable& slots = editor_.slots;
  const ScreenLayout& layout = screen.currentLayout();
  int slot = slots.current();
  int view = screen.viewOfSlot(slot);
  if (view < 0) return false;
  const ViewArea& area = layout.views[view];
  bool inColumns = m.column >= area.left && m.column < area.left + area.columns;

  if (layout.tabRow && m.row == 0) {
    size_t index = static_cast<size_t>(m.column / fileTabWidth(editor_.settings.tabWidth));
    const std::vector<int>& ring = slots.ring();
    if (index < ring.size() && ring[index] != slot) {
      slots.setCurrent(ring[index]);
      screen.redraw(true);
    }
    return false;
  }
  if (inColumns && m.row == area.commandRow) {
    if (slots.cursorInFile(slot)) {
      // Delivered again once the cursor is on the command line.
      Console& console = editor_.console;
      console.pushFront(InputRecord::mouseEvent(m.column, m.row, 0, 0, m.controlKeyState));
      console.pushFront(
          InputRecord::mouseEvent(m.column, m.row, m.buttonState, 0, m.controlKeyState));
      ev.startMode = 2;
      return true;
    }
    pressOnCommandLine_ = true;
    editor_.engine.send(slots.command(slot).document, pressCode(m.buttonState),
                        m.column - area.left, 0);
    return false;
  }
  if (inColumns && m.row == area.statusRow) {
    statusRowPress(m, m.column - area.left, area.columns);
    return false;
  }
  for (int other = 0; other < layout.viewCount(); ++other) {
    const ViewArea& a = layout.views[other];
    int bottom = std::max({a.top + a.rows - 1, a.commandRow, a.statusRow});
    int target = screen.slotInView(other);
    if (other == view || target < 0 || m.column < a.left || m.column >= a.left + a.columns ||
        m.row < a.top || m.row > bottom)
      continue;
    slots.setCurrent(target);
    screen.redraw(true);
    ev = mousePress(m);
    return true;
  }
  return false;
}

// The status line stands for the whole file: a left click pages towards
// the clicked place, a right click jumps to the line at that proportion.
void Input::statusRowPress(const MouseEventRecord& m, int column, int width) {
  Document& doc = *editor_.currentDocument();
  int lines = std::max(1, doc.textLineCount());
  if (m.buttonState & mousestate::kLeftButton) {
    int place = static_cast<int>(
        std::lround(static_cast<double>(width) / lines * toUser(doc.currentLineNumber).value()));
    editor_.engine.send(&doc, column < place ? fn::kPageUp : fn::kPageDown);
  } else if (m.buttonState & mousestate::kRightButton) {
    int line =
        static_cast<int>(std::lround(static_cast<double>(column) * lines / std::max(1, width)));
    editor_.engine.send(&doc, fn::kGotoLine, 1, std::clamp(line, 1, lines));
  }
}

InputEvent Input::mouseRelease(const MouseEventRecord& m) {
  SlotTable& slots = editor_.slots;
  int slot = slots.current();
  WindowRecord& window = slots.data(slot);
  WindowPoint p = pointIn(window, m);
  Engine& engine = editor_.engine;
  if (popupArmed_) {
    popupArmed_ = false;
    if (editor_.settings.popupMenuMovesCursor && p.inside) {
      engine.send(window.document, msg::kLeftDown, p.column, p.row);
      engine.send(window.document, msg::kLeftUp, p.column, p.row);
      lastColumn_ = p.column;
      lastRow_ = p.row;
    }
    discardPendingInput();
    int mode = popupMenu(m.column, m.row);
    editor_.screen.redraw(true);
    return InputEvent::handled(mode);
  }
  if (pressOnCommandLine_) {
    const WindowRecord& command = slots.command(slot);
    engine.send(command.document, msg::kLeftUp, std::max(0, m.column - command.left), 0);
  } else if (p.inside) {
    engine.send(window.document, msg::kLeftUp, p.column, p.row);
  } else {
    engine.send(window.document, msg::kLeftUp, lastColumn_, lastRow_);
  }
  editor_.screen.redraw(false);
  return InputEvent::handled();
}

// Before the pop-up menu: keys, mouse events and size changes already
// queued are dropped (a size change is still applied); the rest stays.
void Input::discardPendingInput() {
  Console& console = editor_.console;
  std::vector<InputRecord> kept;
  bool resized = false;
  InputRecord r;
  while (console.hasInput() && console.readInput(r)) {
    if (r.kind == InputKind::BufferSize)
      resized = true;
    else if (r.kind != InputKind::Key && r.kind != InputKind::Mouse)
      kept.push_back(r);
  }
  for (auto it = kept.rbegin(); it != kept.rend(); ++it) console.pushFront(*it);
  if (resized) editor_.screen.consoleResized();
}

}  // namespace tarn
