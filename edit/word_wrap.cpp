#include "edit/word_wrap.h"

#include <algorithm>
#include <string>

#include "core/editor.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/paragraphs.h"
#include "edit/reformat.h"
#include "edit/text_columns.h"

namespace tarn {

namespace {

// Moving or refilling text never wraps again: a wrap does not start while
// one is running.
int wrapsRunning = 0;

struct WrapRunning {
  WrapRunning() { ++wrapsRunning; }
  ~WrapRunning() { --wrapsRunning; }
  WrapRunning(const WrapRunning&) = delete;
  WrapRunning& operator=(const WrapRunning&) = delete;
};

// Option 5: the paragraph is filled again from the current line when that
// line has grown beyond the right margin or the paragraph goes on below.
void reformatWhileTyping(EngineCall& call) {
  Document& doc = call.doc;
  Line* line = doc.current;
  if (isBlankLine(doc, line)) return;
  bool tooLong = displayWidth(line->view(), columnRule(call)) > call.editor->settings.rightMargin;
  if (!tooLong && isBlankLine(doc, line->next())) return;
  // A line inside a paragraph keeps the left margin.
  FirstLine first = isBlankLine(doc, line->prev()) ? FirstLine::StartsParagraph : FirstLine::GoesOn;
  reformatFrom(call, {line, doc.currentLineNumber}, first);
}

// The words after the last white space at or before the first column
// beyond the right margin go to a new line at the left margin, the cursor
// with them.
void wrapLine(EngineCall& call) {
  Document& doc = call.doc;
  const Settings& s = call.editor->settings;
  Line& line = *doc.current;
  ColumnRule rule = columnRule(call);
  std::string_view text = line.view();
  TextPosition beyond = positionAt(text, s.rightMargin, rule);
  if (beyond.beyond > 0) return;
  size_t firstWord = firstNonWhite(text);
  size_t white = beyond.index + 1;
  while (white > firstWord && !isWhite(text[white - 1])) --white;
  if (white <= firstWord) return;  // no white space after the first word
  size_t cut = white - 1;
  while (cut > firstWord && isWhite(text[cut - 1])) --cut;
  size_t moveFrom = white;
  while (moveFrom < text.size() && isWhite(text[moveFrom])) ++moveFrom;

  TextPosition cursor = positionAt(text, doc.cursorColumn, rule);
  size_t indent = static_cast<size_t>(std::max(s.leftMargin - 1, 0));
  std::string moved = std::string(indent, ' ') + std::string(text.substr(moveFrom));
  size_t place = indent + (cursor.index > moveFrom ? cursor.index - moveFrom : 0);
  doc.deleteCharacters(line, static_cast<uint32_t>(cut), static_cast<uint32_t>(text.size() - cut));
  doc.insertAfterCurrent(makeLine(moved));
  stepCursorTo(doc, line.next(), doc.currentLineNumber + 1);
  doc.cursorColumn = columnOf(moved, place, rule) + (cursor.index >= moveFrom ? cursor.beyond : 0);
}

}  // namespace

void wrapAfterTyping(EngineCall& call) {
  Document& doc = call.doc;
  if (!call.editor || doc.isCommandLine() || wrapsRunning > 0) return;
  WrapRunning running;
  if (doc.option(opt::kReformatWhileTyping))
    reformatWhileTyping(call);
  else if (doc.cursorColumn > call.editor->settings.rightMargin)
    wrapLine(call);
}

}  // namespace tarn
