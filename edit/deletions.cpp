// Deleting characters and words at the cursor, and erasing to either end of
// the line.
#include "core/engine.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn::handler {

namespace {

// Argument 1 of delete char and rubout: join lines at the end / start of a line.
constexpr intptr_t kJoin = 1;

// Deletes bytes [from, to) of the current line; the cursor goes to from.
void deleteRange(EngineCall& call, size_t from, size_t to) {
  Document& doc = call.doc;
  Line& line = *doc.current;
  doc.deleteCharacters(line, static_cast<uint32_t>(from), static_cast<uint32_t>(to - from));
  doc.cursorColumn = columnOf(line.view(), from, columnRule(call));
}

size_t characterSize(std::string_view text, size_t at) {
  return isLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

size_t cursorIndex(const EngineCall& call) {
  return positionAt(currentText(call.doc), call.doc.cursorColumn, columnRule(call)).index;
}

// One step of delete char; false when there was nothing to do.
bool deleteOne(EngineCall& call) {
  Document& doc = call.doc;
  std::string_view text = currentText(doc);
  size_t at = cursorIndex(call);
  if (at < text.size()) {
    deleteRange(call, at, at + characterSize(text, at));
    return true;
  }
  doc.cursorColumn = displayWidth(text, columnRule(call));
  if (call.arg1 != kJoin || doc.currentLineNumber >= lastTextNumber(doc)) return false;
  joinNextLine(doc, *doc.current);
  return true;
}

// One column left, whatever the repeat count of the call.
int leftOnce(EngineCall call) {
  call.repeat = 1;
  return left(call);
}

// One step of rubout; false when there was nothing to do.
bool rubOne(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.cursorColumn <= 0) {
    if (call.arg1 != kJoin || doc.currentLineNumber <= firstTextNumber(doc)) return false;
    stepCursorTo(doc, doc.current->prev(), doc.currentLineNumber - 1);
    doc.cursorColumn = displayWidth(currentText(doc), columnRule(call));
    joinNextLine(doc, *doc.current);
    return true;
  }
  std::string_view text = currentText(doc);
  int width = displayWidth(text, columnRule(call));
  if (doc.cursorColumn > width) {
    // In the free space beyond the text: `bkspinfreespace` only moves the
    // cursor; without it the last character of the line is rubbed out.
    if (doc.option(opt::kBehaviour) & behaviour::kRuboutInFreeSpace) return leftOnce(call);
    doc.cursorColumn = width;
    if (width == 0) return true;
  }
  leftOnce(call);
  size_t at = cursorIndex(call);
  if (at < text.size()) deleteRange(call, at, at + characterSize(text, at));
  return true;
}

}  // namespace

int deleteChar(EngineCall& call) {
  if (!mayEditCurrent(call.doc)) return refuseChange(call);
  for (int i = 0; i < call.repeat; ++i)
    if (!deleteOne(call)) break;
  return 1;
}

int rubout(EngineCall& call) {
  if (!mayEditCurrent(call.doc)) return refuseChange(call);
  for (int i = 0; i < call.repeat; ++i)
    if (!rubOne(call)) break;
  return 1;
}

int deleteWord(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.isReadOnly()) return refuseChange(call);
  if (!mayEditCurrent(doc)) return 0;
  const WordSeparators& separators = call.engine.wordSeparators();
  for (int i = 0; i < call.repeat; ++i) {
    std::string_view text = currentText(doc);
    size_t at = cursorIndex(call);
    if (at >= text.size()) break;
    // The rest of the word and the separators after it; without a word
    // after them this is the rest of the line.
    size_t end = at;
    while (end < text.size() && !separators.isSeparator(text[end])) ++end;
    while (end < text.size() && separators.isSeparator(text[end])) ++end;
    deleteRange(call, at, end);
  }
  return 1;
}

int eraseEndLine(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.isReadOnly()) return refuseChange(call);
  if (!mayEditCurrent(doc)) return 0;
  size_t at = cursorIndex(call);
  int column = doc.cursorColumn;
  if (at < doc.current->length) {
    deleteRange(call, at, doc.current->length);
    doc.cursorColumn = column;
  }
  return 1;
}

int eraseBeginLine(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.isReadOnly()) return refuseChange(call);
  if (!mayEditCurrent(doc)) return 0;
  size_t at = cursorIndex(call);
  if (at > 0)
    deleteRange(call, 0, at);
  else
    doc.cursorColumn = 0;
  return 1;
}

}  // namespace tarn::handler
