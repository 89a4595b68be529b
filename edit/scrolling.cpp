// Scrolling the window over the text; the cursor keeps its place in the window.
#include <algorithm>

#include "core/engine.h"
#include "core/view_placement.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"

namespace tarn::handler {

namespace {
// Far enough for any window; keeps the sums below from overflowing.
intptr_t distance(intptr_t n) { return std::clamp<intptr_t>(n, -(1 << 30), 1 << 30); }
}  // namespace

int scrollVertical(EngineCall& call) {
  Document& doc = call.doc;
  LineIndex top = windowTopNumber(doc);
  LineIndex newTop(static_cast<int>(
      std::clamp<intptr_t>(top.value() + distance(call.arg1), kFirstLine.value(), lastTextNumber(doc).value())));
  int delta = newTop - top;
  if (delta == 0) return 0;
  LineIndex target = std::clamp(doc.currentLineNumber + delta, firstTextNumber(doc), lastTextNumber(doc));
  moveCursorTo(doc, lineNear(doc, target), target);
  setWindowTop(doc, newTop);
  return 1;
}

int scrollHorizontal(EngineCall& call) {
  Document& doc = call.doc;
  int left = doc.view.leftColumn;
  int newLeft = std::clamp<intptr_t>(left + distance(call.arg1), 0, longestLine(doc) - 1);
  int delta = newLeft - left;
  if (delta == 0) return 0;
  doc.view.leftColumn = newLeft;
  doc.cursorColumn = std::clamp(doc.cursorColumn + delta, 0, longestLine(doc) - 1);
  return 1;
}

int centerLine(EngineCall& call) {
  Document& doc = call.doc;
  setWindowTop(doc, doc.currentLineNumber - std::max(1, doc.windowRows) / 2);
  return 1;
}

}  // namespace tarn::handler
