// Messages: on the status line, or in a framed box when it is hidden; and
// error boxes.
#include <algorithm>
#include <optional>

#include "core/border_map.h"
#include "core/editor.h"
#include "core/key_classifier.h"
#include "core/view_placement.h"

namespace tarn {

namespace {
constexpr int kBoxMargin = 20;  // a message box leaves this many columns of the screen
constexpr std::string_view kCaption = "Tarnedit";
constexpr std::string_view kErrorCaption = "Tarnedit Error";
constexpr std::string_view kPressAKey = "Press a key";
}  // namespace

void Screen::message(std::string_view text) {
  lastMessage_ = text;
  noteShown_ = false;
  if (!editor_.settings.statusLine) {
    // The box stays until the key it waited for has been handled and the
    // screen is painted again.
    showBox(kCaption, text, kPressAKey);
    waitForKeyPress(false);
    return;
  }
  messageText_ = text;
  messageShown_ = true;
  if (suspended()) return;
  paintStatus(currentViewIndex());
  placeCursor();
}

void Screen::note(std::string_view text) {
  lastMessage_ = text;
  if (!editor_.settings.statusLine) {
    showBox(kCaption, text, "");
    editor_.console.flush();
    return;
  }
  message(text);
  noteShown_ = true;
}

void Screen::error(std::string_view text) {
  lastMessage_ = text;
  showBox(kErrorCaption, text, kPressAKey);
  waitForKeyPress(true);
  redraw(true);
}

void Screen::clearMessage() {
  if (!messageShown_) return;
  messageShown_ = false;
  messageText_.clear();
  if (suspended()) return;
  paintStatus(currentViewIndex());
  editor_.console.flush();
}

void Screen::statusRowText(std::string_view text, Attribute attr, int cursorColumn) {
  int columns = layout_.size.columns;
  int row = layout_.views[currentViewIndex()].statusRow;
  if (row < 0) row = layout_.size.rows - 1;
  std::string line(text.substr(0, columns));
  line.resize(columns, ' ');
  writeText(0, row, line, attr);
  editor_.console.setCursorPosition(std::clamp(cursorColumn, 0, std::max(0, columns - 1)), row);
  editor_.console.flush();
}

Screen::Box Screen::boxAt(int width) const {
  ConsoleSize size = layout_.size;
  Box box;
  box.width = std::clamp(width, std::min(2, size.columns), size.columns);
  box.left = (size.columns - box.width) / 2;
  box.top = std::max(0, (size.rows - 3) / 2);
  return box;
}

void Screen::frameBox(int width, std::string_view caption, std::string_view text,
                      std::string_view footer, Attribute attr) {
  Box box = boxAt(width);
  std::string_view f = builtInBorders();
  char top[] = {f[border::kTopLeft], f[border::kTopRight]};
  char side[] = {f[border::kVertical], f[border::kVertical]};
  char bottom[] = {f[border::kBottomLeft], f[border::kBottomRight]};
  frameRow(box, box.top, {top, 2}, f[border::kHorizontal], true, caption, attr);
  frameRow(box, box.top + 1, {side, 2}, ' ', false, text, attr);
  frameRow(box, box.top + 2, {bottom, 2}, f[border::kHorizontal], true, footer, attr);
}

void Screen::frameRow(const Box& box, int row, std::string_view edges, char fill, bool fillIsFrame,
                      std::string_view label, Attribute attr) {
  int inner = std::max(0, box.width - 2);
  std::string shown =
      fillIsFrame && !label.empty() ? " " + std::string(label) + " " : std::string(label);
  shown.resize(std::min<size_t>(shown.size(), inner));
  int before = (inner - static_cast<int>(shown.size())) / 2;
  int after = inner - before - static_cast<int>(shown.size());
  if (fillIsFrame) {
    writeFrameText(box.left, row, edges[0] + std::string(before, fill), attr);
    writeText(box.left + 1 + before, row, shown, attr);
    writeFrameText(box.left + 1 + before + static_cast<int>(shown.size()), row,
                   std::string(after, fill) + edges[1], attr);
  } else {
    writeFrameText(box.left, row, edges.substr(0, 1), attr);
    writeText(box.left + 1, row, std::string(before, fill) + shown + std::string(after, fill),
              attr);
    writeFrameText(box.left + box.width - 1, row, edges.substr(1, 1), attr);
  }
}

void Screen::showBox(std::string_view caption, std::string_view text, std::string_view footer) {
  Box box = boxAt(layout_.size.columns - kBoxMargin);
  keepCursorLineClear(box.top, box.top + 2);
  frameBox(box.width, caption, text, footer, messageAttribute());
  editor_.console.flush();
}

// Scrolls the current file so that its cursor line is not under the rows.
void Screen::keepCursorLineClear(int top, int bottom) {
  int slot = editor_.slots.current();
  int view = viewOfSlot(slot);
  Document* doc = editor_.currentDocument();
  if (view < 0 || !doc || !doc->first || suspended()) return;
  const ViewArea& area = layout_.views[view];
  placeCurrentLine(*doc);
  int row = area.top + (doc->currentLineNumber - doc->view.topLineNumber);
  if (row < top || row > bottom) return;
  int wanted = top - 1 >= area.top ? top - 1 : bottom + 1;
  setWindowTop(*doc, doc->currentLineNumber - (wanted - area.top));
  doc->cursorRow = doc->currentLineNumber - doc->view.topLineNumber;
  paintData(slot, area, 0, area.rows - 1);
}

void Screen::waitForKeyPress(bool consume) {
  std::optional<InputRecord> resized;
  InputRecord r;
  while (editor_.input.waitForEvent(r)) {
    if (r.kind == InputKind::BufferSize) resized = r;
    if (r.kind != InputKind::Key || !r.key.keyDown || isModifierKey(r.key.virtualKeyCode)) continue;
    if (!consume) editor_.console.pushFront(r);
    break;
  }
  if (resized) editor_.console.pushFront(*resized);
}

}  // namespace tarn
