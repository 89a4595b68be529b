// Cursor movements by line and column.
#include <algorithm>

#include "core/engine.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/text_columns.h"

namespace tarn::handler {

namespace {

int moveToNumber(Document& doc, LineIndex number) {
  Line* line = lineNear(doc, number);
  if (!line) return 0;
  moveCursorTo(doc, line, number);
  return 1;
}

}  // namespace

// The four movements honour the repeat count: a count of n moves as n
// single steps would, stopping where a step fails, and costs one pass over
// the lines it crosses rather than one per step.

int up(EngineCall& call) {
  Document& doc = call.doc;
  for (int step = 0; step < call.repeat; ++step) {
    if (doc.currentLineNumber <= firstTextNumber(doc)) return step > 0;
    stepCursorTo(doc, doc.current->prev(), doc.currentLineNumber - 1);
  }
  return 1;
}

int down(EngineCall& call) {
  Document& doc = call.doc;
  for (int step = 0; step < call.repeat; ++step) {
    if (doc.currentLineNumber >= lastTextNumber(doc)) return step > 0;
    stepCursorTo(doc, doc.current->next(), doc.currentLineNumber + 1);
  }
  return 1;
}

// At column 0 a step stays and succeeds.
int left(EngineCall& call) {
  Document& doc = call.doc;
  std::string_view text = currentText(doc);
  ColumnRule rule = columnRule(call);
  bool twoByte = std::any_of(text.begin(), text.end(), [](char c) { return isLeadByte(c); });
  for (int step = 0; step < call.repeat && doc.cursorColumn > 0; ++step) {
    int column = doc.cursorColumn - 1;
    if (twoByte) {
      TextPosition at = positionAt(text, column, rule);
      if (at.index > 0 && at.index < text.size() && isLeadByte(text[at.index - 1])) --column;
    }
    doc.cursorColumn = column;
  }
  return 1;
}

int right(EngineCall& call) {
  Document& doc = call.doc;
  ColumnRule rule = columnRule(call);
  int step = 0;
  while (step < call.repeat) {
    std::string_view text = currentText(doc);
    if (doc.cursorColumn < displayWidth(text, rule)) {
      // Along the text, from the byte under the cursor to the next character.
      size_t index = positionAt(text, doc.cursorColumn, rule).index;
      int start = columnOf(text, index, rule);
      for (; step < call.repeat && index < text.size(); ++step) {
        size_t next = index + (isLeadByte(text[index]) && index + 1 < text.size() ? 2 : 1);
        for (; index < next; ++index) start = columnAfter(text[index], start, rule);
        if (start >= longestLine(doc)) return step > 0;
        doc.cursorColumn = start;
      }
    } else if (doc.option(opt::kFreeCursor)) {
      // Past the text: a column a step, up to the longest allowed line.
      int steps = std::min(call.repeat - step, longestLine(doc) - 1 - doc.cursorColumn);
      if (steps <= 0) return step > 0;
      doc.cursorColumn += steps;
      step += steps;
    } else {
      if (doc.currentLineNumber >= lastTextNumber(doc)) return step > 0;
      stepCursorTo(doc, doc.current->next(), doc.currentLineNumber + 1);
      doc.cursorColumn = 0;
      ++step;
    }
  }
  return 1;
}

int beginLine(EngineCall& call) {
  call.doc.cursorColumn = 0;
  return 1;
}

int endLine(EngineCall& call) {
  Document& doc = call.doc;
  doc.cursorColumn = std::min(displayWidth(currentText(doc), columnRule(call)), longestLine(doc) - 1);
  return 1;
}

int top(EngineCall& call) {
  Document& doc = call.doc;
  if (firstTextNumber(doc) > lastTextNumber(doc)) return 0;
  return moveToNumber(doc, firstTextNumber(doc));
}

int bottom(EngineCall& call) {
  Document& doc = call.doc;
  if (firstTextNumber(doc) > lastTextNumber(doc)) return 0;
  return moveToNumber(doc, lastTextNumber(doc));
}

int topEdge(EngineCall& call) {
  Document& doc = call.doc;
  if (!doc.view.topLine) return 1;
  moveCursorTo(doc, doc.view.topLine, doc.view.topLineNumber);
  return 1;
}

int bottomEdge(EngineCall& call) { return moveToNumber(call.doc, windowBottomNumber(call.doc)); }

int firstNonblank(EngineCall& call) {
  Document& doc = call.doc;
  std::string_view text = currentText(doc);
  size_t first = firstNonWhite(text);
  if (first < text.size()) {
    doc.cursorColumn = columnOf(text, first, columnRule(call));
    return 1;
  }
  // A line of only white space: the compatible mode goes to its end.
  bool compatible = doc.option(opt::kBehaviour) & behaviour::kCompatibility;
  if (!compatible || text.empty()) return 0;
  doc.cursorColumn = displayWidth(text, columnRule(call));
  return 1;
}

int column(EngineCall& call) {
  Document& doc = call.doc;
  if (call.arg1 < 0 || call.arg1 >= longestLine(doc)) return 0;
  doc.cursorColumn = static_cast<int>(call.arg1);
  return 1;
}

int gotoLine(EngineCall& call) {
  Document& doc = call.doc;
  if (call.arg1 != 1 || call.arg2 < 1 || call.arg2 > doc.textLineCount()) return 0;
  // The n-th text line.
  LineIndex number = firstTextNumber(doc) + (static_cast<int>(call.arg2) - 1);
  if (number > lastTextNumber(doc)) return 0;
  return moveToNumber(doc, number);
}

}  // namespace tarn::handler
