// Cursor movements by word. A word is a run of bytes that are not word
// separators; tab word and backtab word cross lines, begin word and end
// word stay on the cursor's line.
#include <algorithm>

#include "core/engine.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/text_columns.h"

namespace tarn::handler {

namespace {

struct Words {
  const WordSeparators& separators;
  bool inWord(std::string_view text, size_t i) const {
    return i < text.size() && !separators.isSeparator(text[i]);
  }
  size_t startOf(std::string_view text, size_t i) const {
    while (i > 0 && inWord(text, i - 1)) --i;
    return i;
  }
};

void placeOn(EngineCall& call, Line* line, LineIndex number, size_t index) {
  moveCursorTo(call.doc, line, number);
  call.doc.cursorColumn = columnOf(textOf(call.doc, line), index, columnRule(call));
}

}  // namespace

int tabWord(EngineCall& call) {
  Document& doc = call.doc;
  Words words{call.engine.wordSeparators()};
  std::string_view text = currentText(doc);
  size_t i = positionAt(text, doc.cursorColumn, columnRule(call)).index;
  while (words.inWord(text, i)) ++i;
  while (i < text.size() && !words.inWord(text, i)) ++i;
  if (i < text.size()) {
    placeOn(call, doc.current, doc.currentLineNumber, i);
    return 1;
  }
  Line* line = doc.current;
  for (LineIndex n = doc.currentLineNumber + 1; n <= lastTextNumber(doc); ++n) {
    line = line->next();
    std::string_view next = textOf(doc, line);
    for (size_t j = 0; j < next.size(); ++j) {
      if (words.inWord(next, j)) {
        placeOn(call, line, n, j);
        return 1;
      }
    }
  }
  return 0;
}

int backtabWord(EngineCall& call) {
  Document& doc = call.doc;
  Words words{call.engine.wordSeparators()};
  Line* line = doc.current;
  LineIndex number = doc.currentLineNumber;
  std::string_view text = currentText(doc);
  size_t index = positionAt(text, doc.cursorColumn, columnRule(call)).index;
  // Position to scan back from, one past it; 0 means the line above.
  size_t from;
  if (index >= text.size())
    from = text.size();
  else if (words.inWord(text, index))
    from = words.startOf(text, index);
  else
    from = index + 1;
  while (true) {
    while (from > 0 && !words.inWord(text, from - 1)) --from;
    if (from > 0) {
      placeOn(call, line, number, words.startOf(text, from - 1));
      return 1;
    }
    if (number <= firstTextNumber(doc)) return 0;
    line = line->prev();
    --number;
    text = textOf(doc, line);
    from = text.size();
  }
}

int beginWord(EngineCall& call) {
  Document& doc = call.doc;
  Words words{call.engine.wordSeparators()};
  std::string_view text = currentText(doc);
  size_t from = std::min(positionAt(text, doc.cursorColumn, columnRule(call)).index + 1, text.size());
  while (from > 0 && !words.inWord(text, from - 1)) --from;
  if (from == 0) return 0;
  placeOn(call, doc.current, doc.currentLineNumber, words.startOf(text, from - 1));
  return 1;
}

int endWord(EngineCall& call) {
  Document& doc = call.doc;
  Words words{call.engine.wordSeparators()};
  std::string_view text = currentText(doc);
  size_t start = positionAt(text, doc.cursorColumn, columnRule(call)).index;
  size_t i = start;
  while (i < text.size() && !words.inWord(text, i)) ++i;
  if (i >= text.size()) return 0;
  while (words.inWord(text, i + 1)) ++i;
  if (i == start) return 0;
  placeOn(call, doc.current, doc.currentLineNumber, i);
  return 1;
}

}  // namespace tarn::handler
